// Operations that change several files: all or nothing on a failed write, and what a start
// finds after an interrupted one.
#include "platform/filechanges.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using TestFiles::bytesOf;
using TestFiles::snapshot;
using TestFiles::writeBytes;

class TestFileChanges : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void appliesEveryChange();
    void failedWriteChangesNothing_data();
    void failedWriteChangesNothing();
    void recovery_data();
    void recovery();
    void unfinishedRecordIsFinishedBeforeTheNextOperation();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    // Three files of the data directory, one of the pool directory.
    QList<FileChange> operation() const
    {
        return {FileChange::replace(path("Resultado.txt"), {"[1]", "2"}),
                FileChange::replace(path("player/Ana.txt"), {"[Ana]"}),
                FileChange::remove(path("player/Bia.txt")),
                FileChange::replace(path("Rodada.txt"), {"1"})};
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestFileChanges::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QDir(m_dir->path()).mkdir("player");
    writeBytes(path("Resultado.txt"), "");
    writeBytes(path("Rodada.txt"), "0\r\n");
    writeBytes(path("player/Ana.txt"), "velho\r\n");
    writeBytes(path("player/Bia.txt"), "[Bia]\r\n");
}

void TestFileChanges::cleanup()
{
    TextFile::setWriteFilter({});
    FileChanges::setStepHook({});
}

void TestFileChanges::appliesEveryChange()
{
    applyChanges(operation());
    const TestFiles::Snapshot expected{{"Resultado.txt", "[1]\r\n2\r\n"},
                                       {"Rodada.txt", "1\r\n"},
                                       {"player/Ana.txt", "[Ana]\r\n"}};
    QCOMPARE(snapshot(m_dir->path()), expected);
}

void TestFileChanges::failedWriteChangesNothing_data()
{
    QTest::addColumn<int>("failingWrite");
    QTest::addColumn<QString>("named");
    // Writes 1 to 3 stage the new files, write 4 is the record of the operation.
    QTest::newRow("first file") << 1 << "Resultado.txt";
    QTest::newRow("file of the pool directory") << 2 << "Ana.txt";
    QTest::newRow("last file") << 3 << "Rodada.txt";
    QTest::newRow("the record") << 4 << "operacao.pendente";
}

void TestFileChanges::failedWriteChangesNothing()
{
    QFETCH(int, failingWrite);
    QFETCH(QString, named);
    const auto before = snapshot(m_dir->path());
    int writes = 0;
    TextFile::setWriteFilter([&](const QString &) { return ++writes != failingWrite; });
    try {
        applyChanges(operation());
        QFAIL("the failed write was not reported");
    } catch (const VelurinoError &error) {
        QVERIFY2(error.message().contains(named), qPrintable(error.message()));
        QVERIFY(error.message().contains("nenhuma alteração foi feita"));
    }
    QCOMPARE(snapshot(m_dir->path()), before);
    QVERIFY(!recoverChanges(m_dir->path()));
}

void TestFileChanges::recovery_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QStringList>("staged");
    QTest::addColumn<QByteArray>("resultado");
    QTest::addColumn<QByteArray>("bia");
    const QByteArray complete = "operacao pendente\nsubstituir\tResultado.txt\n"
                                "substituir\tplayer/Ana.txt\napagar\tplayer/Bia.txt\nfim\n";
    const QByteArray old = "";
    const QByteArray fresh = "novo\r\n";
    const QByteArray bia = "[Bia]\r\n";
    const QByteArray missing = "<missing>";
    QTest::newRow("complete record: finished")
        << complete << QStringList{"Resultado.txt", "player/Ana.txt"} << fresh << missing;
    QTest::newRow("complete record, one file already moved")
        << complete << QStringList{"player/Ana.txt"} << old << missing;
    QTest::newRow("record without its end: discarded")
        << QByteArray("operacao pendente\nsubstituir\tResultado.txt\n")
        << QStringList{"Resultado.txt", "player/Ana.txt"} << old << bia;
    QTest::newRow("no record: staged files discarded")
        << QByteArray() << QStringList{"Resultado.txt"} << old << bia;
    QTest::newRow("record naming a file outside: not used")
        << QByteArray("operacao pendente\nsubstituir\t../fora.txt\nfim\n")
        << QStringList{"Resultado.txt"} << old << bia;
    QTest::newRow("record with an absolute path: not used")
        << QByteArray("operacao pendente\napagar\t/etc/hostname\nfim\n") << QStringList{} << old
        << bia;
}

void TestFileChanges::recovery()
{
    QFETCH(QByteArray, record);
    QFETCH(QStringList, staged);
    QFETCH(QByteArray, resultado);
    QFETCH(QByteArray, bia);
    writeBytes(m_dir->filePath("../fora.txt.gravando"), "fora");
    for (const QString &name : staged)
        writeBytes(path(name + ".gravando"), "novo\r\n");
    if (!record.isEmpty())
        writeBytes(path("operacao.pendente"), record);

    const bool damaged = record.contains("fora") || record.contains("/etc");
    if (damaged) {
        const auto before = snapshot(m_dir->path());
        QVERIFY_THROWS_EXCEPTION(VelurinoError, recoverChanges(m_dir->path()));
        QCOMPARE(snapshot(m_dir->path()), before);
        QCOMPARE(bytesOf(m_dir->filePath("../fora.txt.gravando")), QByteArray("fora"));
        return;
    }
    QVERIFY(recoverChanges(m_dir->path()));
    recoverChanges(path("player"));
    QCOMPARE(bytesOf(path("Resultado.txt")), resultado);
    QCOMPARE(bytesOf(path("player/Bia.txt")), bia);
    QCOMPARE(bytesOf(path("Rodada.txt")), QByteArray("0\r\n"));
    // Nothing of the operation is left behind, and a second start finds nothing.
    for (const QString &name : snapshot(m_dir->path()).keys())
        QVERIFY2(!name.endsWith(".gravando") && !name.endsWith(".pendente"), qPrintable(name));
    QVERIFY(!recoverChanges(m_dir->path()));
}

void TestFileChanges::unfinishedRecordIsFinishedBeforeTheNextOperation()
{
    // The program was killed after its record: the next operation completes that one first.
    FileChanges::setStepHook([](const char *step) {
        if (QByteArray(step) == "recorded")
            throw VelurinoError("interrompido");
    });
    QVERIFY_THROWS_EXCEPTION(VelurinoError, applyChanges(operation()));
    FileChanges::setStepHook({});
    QVERIFY(QFile::exists(path("operacao.pendente")));
    applyChanges({FileChange::replace(path("Rodada.txt"), {"2"}),
                  FileChange::replace(path("Nomes.txt"), {"x"})});
    QCOMPARE(bytesOf(path("Resultado.txt")), QByteArray("[1]\r\n2\r\n"));
    QCOMPARE(bytesOf(path("player/Bia.txt")), QByteArray("<missing>"));
    QCOMPARE(bytesOf(path("Rodada.txt")), QByteArray("2\r\n"));
    QVERIFY(!QFile::exists(path("operacao.pendente")));
}

QTEST_GUILESS_MAIN(TestFileChanges)
#include "test_filechanges.moc"
