// The screens on a whole season (offscreen): program start against an empty application's start,
// a round change on the round table, storing and withdrawing a round, the standings, a club's
// details and the ranking screen.
//
//   bench_screens [--data-root=DIR] [--participants=N] [Google Benchmark flags]
//   bench_screens --child=program --program-path=P | --child=floor     (started by the above)
#include "seasondata.h"

#include "app/form1.h"
#include "app/program.h"
#include "championship/classifica.h"
#include "championship/rules/results.h"
#include "championship/rules/standings.h"
#include "championship/rules/teamdetails.h"
#include "championship/tabela.h"
#include "championship/times.h"
#include "platform/datadirs.h"
#include "platform/htmlview.h"
#include "platform/messages.h"
#include "pool/rank.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

BenchSeason::Paths g_paths;
std::string g_self;

// Any box means the benchmark is not timing what it says: it stops there.
void refuseMessages()
{
    Messages::setHandler([](const MessageCall &call) -> bool {
        std::fprintf(stderr, "unexpected message box: %s\n", qPrintable(call.text));
        std::exit(3);
    });
}

// Until the window is on the (offscreen) screen and its first paint is done.
void waitUntilShown(QWidget *window)
{
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
}

// Child process: starts as the program does, says "shown" once the main form is on screen, and
// ends without tearing anything down (the parent has stopped its clock by then).
int child(const std::string &mode, const QString &programPath, int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget *shown = nullptr;
    if (mode == "program") {
        refuseMessages();
        installTranslations(app);
        createStartScreen(DataDirs::dataDirFor(programPath, u'/'));
        Form1->show();
        shown = Form1;
    } else {
        // The floor: an application that only creates one frameless window and shows it.
        shown = new QWidget(nullptr, Qt::FramelessWindowHint);
        shown->show();
    }
    waitUntilShown(shown);
    std::fputs("shown\n", stdout);
    std::fflush(stdout);
    std::_Exit(0);
}

// Seconds from starting a child process to its "shown".
double timeChild(const std::vector<std::string> &args)
{
    int channel[2];
    if (pipe(channel) != 0)
        std::abort();
    std::vector<char *> argv;
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(channel[1], STDOUT_FILENO);
        close(channel[0]);
        close(channel[1]);
        execv(argv[0], argv.data());
        std::_Exit(127);
    }
    close(channel[1]);
    char buffer[16];
    const ssize_t got = read(channel[0], buffer, sizeof buffer);
    const auto end = std::chrono::steady_clock::now();
    close(channel[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the child %s did not start\n", args.at(1).c_str());
        std::exit(4);
    }
    return std::chrono::duration<double>(end - start).count();
}

void startup(benchmark::State &state)
{
    for (auto _ : state)
        state.SetIterationTime(timeChild(
            {g_self, "--child=program", "--program-path=" + g_paths.programPath.toStdString()}));
}

void startupFloor(benchmark::State &state)
{
    for (auto _ : state)
        state.SetIterationTime(timeChild({g_self, "--child=floor"}));
}

bool g_screensUp = false;

void ensureScreens()
{
    if (g_screensUp)
        return;
    createScreens(g_paths.dataDir);
    Form1->show();
    waitUntilShown(Form1);
    g_screensUp = true;
}

void dropScreens()
{
    if (!g_screensUp)
        return;
    destroyScreens();
    QCoreApplication::processEvents();
    g_screensUp = false;
}

// The same start without a process of its own: the main form made and shown.
void startupInProcess(benchmark::State &state)
{
    dropScreens();
    for (auto _ : state) {
        createStartScreen(g_paths.dataDir);
        Form1->show();
        waitUntilShown(Form1);
        state.PauseTiming();
        destroyScreens();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// Choosing another round on the round table until the new page is laid out and painted.
void roundChange(benchmark::State &state)
{
    ensureScreens();
    FormTabela->show();
    waitUntilShown(FormTabela);
    int i = 0;
    for (auto _ : state) {
        FormTabela->CbRodadas->setCurrentIndex(19 + (i++ % 2)); // rounds 20 and 21
        FormTabela->htmlLite1->document()->documentLayout()->documentSize();
        QCoreApplication::processEvents();
    }
    FormTabela->hide();
}

// Withdrawing the last round and storing it again: both write the three championship files.
void storeAndWithdraw(benchmark::State &state)
{
    const int round = 42; // the last block, so the files come back byte for byte
    const Results::RoundView view = Results::readRoundView(g_paths.dataDir, round);
    QStringList boxes = view.stored.value();
    for (QString &box : boxes)
        if (box == Season::NotPlayed)
            box.clear();
    for (auto _ : state) {
        Results::undoRoundResults(g_paths.dataDir, round);
        Results::storeRoundResults(g_paths.dataDir, round, boxes);
    }
}

void standings(benchmark::State &state)
{
    for (auto _ : state) {
        auto rows = buildStandings(g_paths.dataDir);
        benchmark::DoNotOptimize(rows);
    }
}

// Opening a screen that rebuilds itself at every showing, until it is painted.
void reopen(benchmark::State &state, QWidget *(*form)(), void (*after)())
{
    ensureScreens();
    for (auto _ : state) {
        QWidget *screen = form();
        screen->hide();
        screen->show();
        if (after)
            after();
        waitUntilShown(screen);
    }
    form()->hide();
}

void standingsScreen(benchmark::State &state)
{
    reopen(
        state, [] { return static_cast<QWidget *>(FormClassifica); }, nullptr);
}

void rankingScreen(benchmark::State &state)
{
    reopen(
        state, [] { return static_cast<QWidget *>(FormRank); },
        [] { FormRank->showOverallMode(); });
}

// A click on a club of the teams screen until its details page is painted.
void teamDetails(benchmark::State &state)
{
    ensureScreens();
    FormTimes->show();
    waitUntilShown(FormTimes);
    int i = 0;
    for (auto _ : state) {
        FormTimes->TimeClick(FormTimes->teamPictures[size_t(i++ % 22)]);
        FormTimes->htmlDetalhe->document()->documentLayout()->documentSize();
        QCoreApplication::processEvents();
        FormTimes->ImSairDetalhesClick();
    }
    FormTimes->hide();
}

void teamDetailsPage(benchmark::State &state)
{
    ensureScreens();
    int i = 0;
    for (auto _ : state) {
        auto page = TeamDetails::readDetailsPage(g_paths.dataDir,
                                                 FormTimes->teamPictures[size_t(i++ % 22)]->Hint);
        benchmark::DoNotOptimize(page);
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::string mode, programPath, root, participants = "100";
    std::vector<char *> rest{argv[0]};
    for (int i = 1; i < argc; ++i)
        if (!BenchSeason::takeOption(argv[i], "--child", mode) &&
            !BenchSeason::takeOption(argv[i], "--program-path", programPath) &&
            !BenchSeason::takeOption(argv[i], "--data-root", root) &&
            !BenchSeason::takeOption(argv[i], "--participants", participants))
            rest.push_back(argv[i]);
    if (!mode.empty())
        return child(mode, QString::fromStdString(programPath), 1, argv);

    QApplication app(argc, argv);
    refuseMessages();
    installTranslations(app);
    g_self = QCoreApplication::applicationFilePath().toStdString();
    g_paths = BenchSeason::prepare(root.empty() ? BenchSeason::defaultRoot()
                                                : QString::fromStdString(root),
                                   std::stoi(participants), true);

    const auto add = [](const char *name, void (*function)(benchmark::State &)) {
        return benchmark::RegisterBenchmark(name, function)->Unit(benchmark::kMillisecond);
    };
    // A process start is long and noisy: a fixed count of starts, program and floor alike.
    add("Startup", startup)->UseManualTime()->Iterations(15);
    add("Startup_Floor", startupFloor)->UseManualTime()->Iterations(15);
    add("Startup_InProcess", startupInProcess)->Iterations(10);
    add("RoundChange", roundChange)->MinTime(0.5);
    add("StoreAndWithdraw", storeAndWithdraw)->MinTime(0.5);
    add("Standings", standings)->MinTime(0.5);
    add("Standings_Screen", standingsScreen)->MinTime(0.5);
    add("TeamDetails", teamDetails)->MinTime(0.5);
    add("TeamDetails_Page", teamDetailsPage)->MinTime(0.5);
    add("RankingScreen", rankingScreen)->MinTime(0.5);

    int count = int(rest.size());
    benchmark::Initialize(&count, rest.data());
    if (benchmark::ReportUnrecognizedArguments(count, rest.data()))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    dropScreens();
    return 0;
}
