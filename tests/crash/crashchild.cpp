// One operation of the program in a process of its own, for the kill test: takes the data
// directory as the program does (lock, then recovery), says "ready", runs the operation and says
// "done". VELURINO_KILL_STEP=n makes it kill itself at the nth write step; VELURINO_STEP_PAUSE_US
// stretches every step so that a kill from outside can land anywhere in the operation.
#include "crashops.h"
#include "platform/datadirs.h"
#include "platform/filechanges.h"
#include "platform/seasoncopies.h"
#include "platform/velurinoerror.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>

#include <csignal>
#include <cstdio>
#include <thread>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "uso: crashchild <operação|recover> <pasta de dados>\n");
        return 2;
    }
    const QString op = QString::fromLocal8Bit(argv[1]);
    DataDirs::setDataDir(QString::fromLocal8Bit(argv[2]));

    const int killStep = qEnvironmentVariableIntValue("VELURINO_KILL_STEP");
    const int pause = qEnvironmentVariableIntValue("VELURINO_STEP_PAUSE_US");
    int steps = 0;

    const auto hook = [&](const char *) {
        ++steps;
        if (steps == killStep)
            std::raise(SIGKILL);
        if (pause > 0)
            std::this_thread::sleep_for(std::chrono::microseconds(pause));
    };
    // The parent waits for "ready" before it may kill, and reads the steps taken from "done".
    const auto runOperation = [&] {
        FileChanges::setStepHook(hook);
        std::printf("ready\n");
        std::fflush(stdout);
        CrashOps::run(op, DataDir(), PoolDir());
        std::printf("done %d\n", steps);
        std::fflush(stdout);
    };
    try {
        // A user's folder not made yet: the start throws away what a killed copy left, then
        // copies the installed season.
        if (!QFileInfo::exists(DataDir())) {
            discardUnfinishedCopy(DataDir());
            if (op == QLatin1String("recover"))
                return 0;
            runOperation();
            return 0;
        }
        QLockFile lock(DataDir() + QStringLiteral("velurino.lock"));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0)) {
            std::fprintf(stderr, "lock held\n");
            return 3;
        }
        recoverChanges(DataDir());
        recoverChanges(PoolDir());
        SeasonCopies::recover(DataDir(), SeasonCopies::copiesDirFor(DataDir()));
        if (op == QLatin1String("recover"))
            return 0;

        runOperation();
    } catch (const VelurinoError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
