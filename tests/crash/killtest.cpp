// The kill test: every multi-file operation is run in a child process and killed (SIGKILL), once
// at each of its write steps and at many instants spread over its whole run; a fresh process then
// takes the data directory as the program does at start. The directory must then equal, byte for
// byte, either the state before the operation or the state after it, and its files must agree.
//
//   killtest --child <crashchild> [--kills N] [--op name]...
#include "crashops.h"
#include "testfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <thread>

#include <signal.h>

namespace {

using TestFiles::copyTree;

constexpr int StepPauseUs = 1000;

QString childPath;

void reset(const QString &from, const QString &to)
{
    QDir(to).removeRecursively();
    copyTree(from, to);
}

QProcess *startChild(const QString &op, const QString &dataDir, int killStep, int pauseUs)
{
    auto *child = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VELURINO_KILL_STEP", QString::number(killStep));
    env.insert("VELURINO_STEP_PAUSE_US", QString::number(pauseUs));
    child->setProcessEnvironment(env);
    child->start(childPath, {op, dataDir});
    if (!child->waitForStarted(10000))
        qFatal("cannot start %s", qPrintable(childPath));
    return child;
}

bool waitForLine(QProcess *child, const QByteArray &start)
{
    while (!child->canReadLine())
        if (!child->waitForReadyRead(10000))
            return false;
    return child->readLine().startsWith(start);
}

// Runs the child to the end; returns what it printed last.
QByteArray runToEnd(const QString &op, const QString &dataDir, int killStep, int pauseUs)
{
    QProcess *child = startChild(op, dataDir, killStep, pauseUs);
    child->waitForFinished(60000);
    const QByteArray out = child->readAllStandardOutput() + child->readAllStandardError();
    delete child;
    return out;
}

struct Tally
{
    int kills = 0;
    int before = 0;
    int after = 0;
    int inconsistent = 0;
};

struct Case
{
    QString op;
    QString templateDir; // the program directory before the operation
    TestFiles::Snapshot before;
    TestFiles::Snapshot after;
    QStringList deliveredTeams;
};

// After a kill: recovery as at start, then the verdict.
void judge(const Case &c, const QString &work, Tally &tally, const QString &when)
{
    const QString dataDir = work + "/dados/";
    runToEnd("recover", dataDir, 0, 0);
    const TestFiles::Snapshot now = TestFiles::snapshot(work);
    ++tally.kills;
    // A season not made yet has nothing to agree with.
    const QStringList problems =
        QFileInfo::exists(dataDir)
            ? CrashOps::inconsistencies(dataDir, dataDir + "player/", c.deliveredTeams)
            : QStringList();
    if (now == c.before && problems.isEmpty()) {
        ++tally.before;
    } else if (now == c.after && problems.isEmpty()) {
        ++tally.after;
    } else {
        ++tally.inconsistent;
        std::fprintf(stderr, "%s, %s: neither before nor after (%s)\n", qPrintable(c.op),
                     qPrintable(when), qPrintable(problems.join("; ")));
        for (auto [name, bytes] : now.asKeyValueRange())
            if (c.before.value(name) != bytes && c.after.value(name) != bytes)
                std::fprintf(stderr, "  differs: %s\n", qPrintable(name));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int kills = 200;
    QStringList ops;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == "--child")
            childPath = args[i + 1];
        else if (args[i] == "--kills")
            kills = args[i + 1].toInt();
        else if (args[i] == "--op")
            ops << args[i + 1];
    }
    if (childPath.isEmpty() || kills < 1) {
        std::fprintf(stderr, "uso: killtest --child <crashchild> [--kills N] [--op nome]...\n");
        return 2;
    }
    if (ops.isEmpty())
        ops = CrashOps::names();

    QTemporaryDir root;
    const QString delivered = QStringLiteral(VELURINO_DELIVERED_DIR);
    int failures = 0;
    std::printf("%-13s %6s %6s %6s %6s %13s\n", "operation", "steps", "kills", "before", "after",
                "inconsistent");
    for (const QString &op : std::as_const(ops)) {
        Case c;
        c.op = op;
        c.templateDir = root.filePath(op + "-before");
        const bool firstStart = op == CrashOps::FirstStart;
        copyTree(delivered, c.templateDir + (firstStart ? "/season" : "/dados"));
        const QString dataDir = c.templateDir + "/dados/";
        c.deliveredTeams = QStringList();
        {
            QFile teams(c.templateDir + (firstStart ? "/season" : "/dados") + "/Times.txt");
            teams.open(QIODevice::ReadOnly);
            c.deliveredTeams = QString::fromLatin1(teams.readAll()).split("\r\n");
            c.deliveredTeams.removeLast();
        }
        if (!firstStart)
            CrashOps::prepare(dataDir, dataDir + "player/");
        c.before = TestFiles::snapshot(c.templateDir);

        const QString work = root.filePath(op + "-work");
        reset(c.templateDir, work);
        const QByteArray done = runToEnd(op, work + "/dados/", 0, 0);
        if (!done.startsWith("ready\ndone ")) {
            std::fprintf(stderr, "%s did not run: %s\n", qPrintable(op), done.constData());
            return 1;
        }
        const int steps = done.mid(11).trimmed().toInt();
        c.after = TestFiles::snapshot(work);
        if (c.after == c.before) {
            std::fprintf(stderr, "%s changed nothing\n", qPrintable(op));
            return 1;
        }

        // How long the operation lasts with every step stretched.
        reset(c.templateDir, work);
        QProcess *timed = startChild(op, work + "/dados/", 0, StepPauseUs);
        waitForLine(timed, "ready");
        QElapsedTimer clock;
        clock.start();
        waitForLine(timed, "done");
        const qint64 span = clock.nsecsElapsed();
        timed->waitForFinished(60000);
        delete timed;

        Tally tally;
        for (int k = 1; k <= steps; ++k) {
            reset(c.templateDir, work);
            runToEnd(op, work + "/dados/", k, 0);
            judge(c, work, tally, QStringLiteral("step %1").arg(k));
        }
        // Instants from the child's start of work to a little past its end.
        for (int i = 0; i < kills; ++i) {
            reset(c.templateDir, work);
            QProcess *child = startChild(op, work + "/dados/", 0, StepPauseUs);
            waitForLine(child, "ready");
            const qint64 at = span * 11 / 10 * (2 * i + 1) / (2 * kills);
            std::this_thread::sleep_for(std::chrono::nanoseconds(at));
            ::kill(pid_t(child->processId()), SIGKILL);
            child->waitForFinished(60000);
            delete child;
            judge(c, work, tally, QStringLiteral("%1 us").arg(at / 1000));
        }
        std::printf("%-13s %6d %6d %6d %6d %13d\n", qPrintable(op), steps, tally.kills,
                    tally.before, tally.after, tally.inconsistent);
        std::fflush(stdout);
        failures += tally.inconsistent;
    }
    return failures == 0 ? 0 : 1;
}
