// The text-file rules every data file is read and written by, and the data directory's place.
#include "platform/datadirs.h"
#include "platform/filechanges.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The way the program writes one file.
void writeLines(const QString &path, const QStringList &lines)
{
    applyChanges({FileChange::replace(path, lines)});
}

} // namespace

class TestTextFile : public QObject
{
    Q_OBJECT

private slots:
    void splitsLines_data();
    void splitsLines();
    void writesCrLfAfterEveryLine();
    void roundTripsEveryByte();
    void refusesTextOutsideTheCodePage();
    void findsWholeLinesIgnoringCase_data();
    void findsWholeLinesIgnoringCase();
    void resolvesNamesIgnoringCase();
    void failedWriteLeavesTheFileWhole();
    void missingFileNamesTheFile();
    void dataDirectory_data();
    void dataDirectory();
};

void TestTextFile::splitsLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty file has no lines") << QByteArray() << QStringList();
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lone LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("last line without terminator") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("mixed ends") << QByteArray("a\rb\nc\r\nd") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
    QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("single terminator") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("accented letters")
        << QByteArray("S\xe3o Jo\xe3o\r\n") << QStringList{"São João"};
}

void TestTextFile::splitsLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(TextFile::splitLines(TextFile::decode(bytes)), lines);
}

void TestTextFile::writesCrLfAfterEveryLine()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("x.txt");
    writeLines(path, {"[1]", "", "Uni\u00e3o"});
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[1]\r\n\r\nUni\xe3o\r\n"));
    QCOMPARE(TextFile::readLines(path), QStringList({"[1]", "", "Uni\u00e3o"}));
    writeLines(path, {});
    QCOMPARE(QFileInfo(path).size(), 0);
}

void TestTextFile::roundTripsEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n')
            all.append(char(b));
    const QString text = TextFile::decode(all);
    QCOMPARE(text.size(), all.size());
    QCOMPARE(TextFile::encode(text), all);
    QCOMPARE(TextFile::joinLines(TextFile::splitLines(text)), all + "\r\n");
}

void TestTextFile::refusesTextOutsideTheCodePage()
{
    QVERIFY(TextFile::isEncodable(QStringLiteral("Gavião €")));
    QVERIFY(!TextFile::isEncodable(QStringLiteral("Ana \u263a")));
    QVERIFY(!TextFile::isEncodable(QString::fromUtf8("\xf0\x9f\x98\x80")));
    QVERIFY_THROWS_EXCEPTION(VelurinoError, TextFile::joinLines({QStringLiteral("\u4e2d")}));
}

void TestTextFile::findsWholeLinesIgnoringCase_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    const QStringList file{"[Ana] ", "x", "[ANA]", "[ana]"};
    QTest::newRow("first match wins") << file << "[ana]" << 2;
    QTest::newRow("trailing blank does not match") << QStringList{"[Ana] "} << "[Ana]" << -1;
    QTest::newRow("blank in the searched text") << file << "[Ana] " << 0;
    QTest::newRow("accented capitals") << QStringList{"[JOÃO]"} << "[joão]" << 0;
    QTest::newRow("cedilla") << QStringList{"x", "AÇAÍ"} << "açaí" << 1;
    QTest::newRow("prefix is not a match") << QStringList{"[12]"} << "[1" << -1;
    QTest::newRow("not found") << file << "[Bia]" << -1;
    QTest::newRow("empty list") << QStringList() << "==]" << -1;
    QTest::newRow("empty line") << QStringList{"a", ""} << "" << 1;
}

void TestTextFile::findsWholeLinesIgnoringCase()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, text);
    QFETCH(int, index);
    QCOMPARE(TextFile::findLine(lines, text), index);
}

void TestTextFile::resolvesNamesIgnoringCase()
{
    QTemporaryDir dir;
    writeLines(dir.filePath("rodada.txt"), {"0"});
    QCOMPARE(TextFile::resolve(dir.path(), "Rodada.txt"), dir.filePath("rodada.txt"));
    QCOMPARE(TextFile::readLines(dir.path(), "RODADA.TXT"), QStringList{"0"});
    QVERIFY(TextFile::exists(dir.path(), "Rodada.TXT"));
    // A file still to be created keeps the name asked for.
    QCOMPARE(TextFile::resolve(dir.path(), "Novo.txt"), dir.filePath("Novo.txt"));
    // Writing through the other spelling replaces the one file.
    writeLines(TextFile::resolve(dir.path(), "Rodada.txt"), {"1"});
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"rodada.txt"});
    QCOMPARE(TextFile::readLines(dir.filePath("rodada.txt")), QStringList{"1"});
}

void TestTextFile::failedWriteLeavesTheFileWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Times.txt");
    writeLines(path, {"antes"});
    TextFile::setWriteFilter([](const QString &) { return false; });
    QVERIFY_THROWS_EXCEPTION(VelurinoError, writeLines(path, {"depois"}));
    TextFile::setWriteFilter({});
    QCOMPARE(TextFile::readLines(path), QStringList{"antes"});
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Times.txt"});

    // A directory that cannot take the file (here: it does not exist) fails the same way.
    QVERIFY_THROWS_EXCEPTION(VelurinoError, writeLines(dir.filePath("nada/x.txt"), {"y"}));
}

void TestTextFile::missingFileNamesTheFile()
{
    try {
        TextFile::readLines(QStringLiteral("/nao/existe/Resultado.txt"));
        QFAIL("no error");
    } catch (const VelurinoError &e) {
        QVERIFY(e.message().contains(QStringLiteral("Resultado.txt")));
        QVERIFY(e.message().startsWith(QStringLiteral("Não foi possível abrir")));
    }
}

void TestTextFile::dataDirectory_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("dataDir");
    QTest::newRow("program in a directory") << "/opt/velurino/velurino"
                                            << "/"
                                            << "/opt/velurino/dados/";
    QTest::newRow("program in the root directory") << "/velurino"
                                                   << "/"
                                                   << "/dados/";
    QTest::newRow("windows drive root") << "C:\\velurino.exe"
                                        << "\\"
                                        << "C:\\dados\\";
    QTest::newRow("windows drive without separator") << "C:velurino.exe"
                                                     << "\\"
                                                     << "C:\\dados\\";
    QTest::newRow("windows directory") << "D:\\Jogos\\Velurino\\v.exe"
                                       << "\\"
                                       << "D:\\Jogos\\Velurino\\dados\\";
    QTest::newRow("bare program name") << "velurino"
                                       << "/"
                                       << "/dados/";
}

void TestTextFile::dataDirectory()
{
    QFETCH(QString, program);
    QFETCH(QString, separator);
    QFETCH(QString, dataDir);
    QCOMPARE(DataDirs::dataDirFor(program, separator.at(0)), dataDir);
    if (separator == QDir::separator()) {
        DataDirs::setDataDir(DataDirs::dataDirFor(program, separator.at(0)));
        QCOMPARE(DataDir(), dataDir);
        QCOMPARE(PoolDir(), dataDir + "player" + separator);
    }
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_textfile.moc"
