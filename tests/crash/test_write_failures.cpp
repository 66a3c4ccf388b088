// A full disk at any write of any operation: the operation stops with the message that names the
// file, and every file of the data directory is as it was.
#include "crashops.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestWriteFailures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { TextFile::setWriteFilter({}); }
    void everyWriteOfEveryOperation_data();
    void everyWriteOfEveryOperation();

private:
    QTemporaryDir m_root;
    QString m_template;
};

namespace {

using TestFiles::copyTree;

// The number of writes `op` makes on a fresh copy of the prepared season.
int writesOf(const QString &op, const QString &from, const QString &work)
{
    QDir(work).removeRecursively();
    copyTree(from, work);
    int writes = 0;
    TextFile::setWriteFilter([&](const QString &) {
        ++writes;
        return true;
    });
    CrashOps::run(op, work + "/", work + "/player/");
    TextFile::setWriteFilter({});
    return writes;
}

} // namespace

void TestWriteFailures::initTestCase()
{
    m_template = m_root.filePath("before");
    copyTree(QStringLiteral(VELURINO_DELIVERED_DIR), m_template);
    CrashOps::prepare(m_template + "/", m_template + "/player/");
}

void TestWriteFailures::everyWriteOfEveryOperation_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<int>("failing");
    for (const QString &op : CrashOps::names()) {
        // The first start copies a season into a folder not there yet: no file of a season in
        // use is written, and a half copy is the kill test's to catch.
        if (op == CrashOps::FirstStart)
            continue;
        const int writes = writesOf(op, m_template, m_root.filePath("count"));
        QVERIFY2(writes >= 1, qPrintable(op));
        for (int n = 1; n <= writes; ++n)
            QTest::addRow("%s, write %d of %d", qPrintable(op), n, writes) << op << n;
    }
}

void TestWriteFailures::everyWriteOfEveryOperation()
{
    QFETCH(QString, op);
    QFETCH(int, failing);
    const QString work = m_root.filePath("work");
    QDir(work).removeRecursively();
    copyTree(m_template, work);
    const auto before = TestFiles::snapshot(work);

    int writes = 0;
    TextFile::setWriteFilter([&](const QString &) { return ++writes != failing; });
    try {
        CrashOps::run(op, work + "/", work + "/player/");
        QFAIL("the full disk was not reported");
    } catch (const VelurinoError &error) {
        QVERIFY2(error.message().startsWith("Não foi possível gravar o arquivo"),
                 qPrintable(error.message()));
    }
    TextFile::setWriteFilter({});
    QCOMPARE(TestFiles::snapshot(work), before);
}

QTEST_GUILESS_MAIN(TestWriteFailures)
#include "test_write_failures.moc"
