// Taking the data directory at start: one program per directory, a killed program's lock taken
// over, and an interrupted write finished before any screen reads the files.
#include "app/program.h"
#include "platform/filechanges.h"
#include "platform/messages.h"
#include "testdata.h"
#include "testfiles.h"

#include <QDir>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void secondProgramIsTurnedAway();
    void lockOfAKilledProgramIsTakenOver();
    void interruptedWriteIsFinishedFirst();
    void directoryWhereNoLockCanBeMadeIsRefused();
};

namespace {

QString lockPath(const QTemporaryDir &dir)
{
    return dir.filePath(LockFileName);
}

} // namespace

void TestStartup::secondProgramIsTurnedAway()
{
    QTemporaryDir dir;
    TestFiles::writeBytes(dir.filePath("Rodada.txt"), "0\r\n");
    QLockFile first(lockPath(dir));
    QVERIFY(openDataDirectory(dir.path() + '/', first));
    const auto before = TestFiles::snapshot(dir.path());

    MessageRecorder messages;
    QLockFile second(lockPath(dir));
    QVERIFY(!openDataDirectory(dir.path() + '/', second));
    QCOMPARE(messages.calls.size(), 1);
    QCOMPARE(messages.calls.first().kind, int(MessageCall::Inform));
    QVERIFY(messages.calls.first().text.contains("já está aberto"));
    QCOMPARE(TestFiles::snapshot(dir.path()), before);
}

void TestStartup::lockOfAKilledProgramIsTakenOver()
{
    QTemporaryDir dir;
    const pid_t child = fork();
    if (child == 0) {
        QLockFile lock(lockPath(dir));
        lock.setStaleLockTime(0);
        if (lock.tryLock(0))
            std::raise(SIGKILL);
        _exit(1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    QVERIFY(WIFSIGNALED(status));
    QVERIFY(QFile::exists(lockPath(dir)));

    MessageRecorder messages;
    QLockFile lock(lockPath(dir));
    QVERIFY(openDataDirectory(dir.path() + '/', lock));
    QVERIFY(messages.calls.isEmpty());
    QVERIFY(lock.isLocked());
}

void TestStartup::interruptedWriteIsFinishedFirst()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("player");
    TestFiles::writeBytes(dir.filePath("Rodada.txt"), "0\r\n");
    TestFiles::writeBytes(dir.filePath("Rodada.txt.gravando"), "1\r\n");
    TestFiles::writeBytes(dir.filePath("player/Ana.txt.gravando"), "[Ana]\r\n");
    TestFiles::writeBytes(dir.filePath("player/Bia.txt.gravando"), "meio escrito");
    TestFiles::writeBytes(dir.filePath(FileChanges::RecordName),
                          "operacao pendente\nsubstituir\tRodada.txt\nsubstituir\tplayer/Ana.txt\n"
                          "fim\n");
    QLockFile lock(lockPath(dir));
    QVERIFY(openDataDirectory(dir.path() + '/', lock));
    // The pool's stray staged files go once the start screen is up.
    removeStrayPoolStaging(dir.path() + '/');
    lock.unlock();
    const TestFiles::Snapshot expected{{"Rodada.txt", "1\r\n"}, {"player/Ana.txt", "[Ana]\r\n"}};
    QCOMPARE(TestFiles::snapshot(dir.path()), expected);
}

void TestStartup::directoryWhereNoLockCanBeMadeIsRefused()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("dados/");
    MessageRecorder messages;
    QLockFile lock(missing + LockFileName);
    QVERIFY(!openDataDirectory(missing, lock));
    QCOMPARE(messages.calls.size(), 1);
    QCOMPARE(messages.calls.first().kind, int(MessageCall::Error));
    QVERIFY(messages.calls.first().text.contains(QDir::toNativeSeparators(dir.filePath("dados"))));
    QVERIFY(!QFileInfo::exists(missing));
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
