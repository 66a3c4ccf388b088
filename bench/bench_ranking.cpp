// The pool ranking at a given pool size: the overall recomputation and one round's ranking,
// each next to its I/O floor (the same files read whole and written back whole, with no
// computation), so that what the ranking adds to the unavoidable file work shows as a ratio.
//
//   bench_ranking --participants=N [--data-root=DIR] [Google Benchmark flags]
//   bench_ranking --participants=N --peak=recompute|round   one run, prints its peak memory
#include "peakmemory.h"
#include "seasondata.h"

#include "platform/textfile.h"
#include "pool/rules/ranking.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The round whose ranking is timed: its section lies mid-file in every participant file.
constexpr int TimedRound = 21;

BenchSeason::Paths g_paths;
int g_participants = 0;

void recompute(benchmark::State &state)
{
    for (auto _ : state) {
        auto rows = RecomputeOverallRanking(g_paths.dataDir, g_paths.poolDir);
        benchmark::DoNotOptimize(rows);
    }
    state.counters["participants"] = g_participants;
}

// Writes `bytes` as the whole new content of `path` the cheapest way a file can be replaced
// atomically: a new file beside it, renamed over it.
void replaceWhole(const QString &path, const QByteArray &bytes)
{
    const QByteArray target = QFile::encodeName(path);
    const QByteArray staged = target + ".floor";
    const int fd = ::open(staged.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size() ||
        ::close(fd) != 0 || ::rename(staged.constData(), target.constData()) != 0) {
        std::perror(staged.constData());
        std::exit(2);
    }
}

// The floor of the recomputation: every file it reads, read whole; every file it writes,
// written back whole and atomically, then one sync of the file system for the lot (the least a
// durable operation over many files can do). Nothing is decoded, split, scored or encoded.
void recomputeFloor(benchmark::State &state)
{
    const BenchSeason::RecomputeFiles files = BenchSeason::recomputeFiles(g_paths);
    const QByteArray rank = TextFile::readBytes(files.written.last());
    for (auto _ : state) {
        std::vector<QByteArray> contents;
        contents.reserve(size_t(files.written.size()));
        for (int i = 0; i < files.read.size(); ++i) {
            QByteArray bytes = TextFile::readBytes(files.read.at(i));
            if (i >= 3)
                contents.push_back(std::move(bytes));
        }
        contents.push_back(rank);
        for (int i = 0; i < files.written.size(); ++i)
            replaceWhole(files.written.at(i), contents[size_t(i)]);
        const int dir = ::open(QFile::encodeName(g_paths.dataDir).constData(), O_RDONLY);
        ::syncfs(dir);
        ::close(dir);
    }
    state.counters["participants"] = g_participants;
}

void roundRanking(benchmark::State &state)
{
    for (auto _ : state) {
        auto rows = ComputeRoundRanking(g_paths.dataDir, g_paths.poolDir, TimedRound);
        benchmark::DoNotOptimize(rows);
    }
    state.counters["participants"] = g_participants;
}

// One round's ranking writes nothing: its floor is reading the results, the list and every
// participant file.
void roundRankingFloor(benchmark::State &state)
{
    QStringList files = BenchSeason::recomputeFiles(g_paths).read;
    files.removeAt(1); // "Rodada.txt" is not read for one round
    for (auto _ : state)
        for (const QString &path : std::as_const(files)) {
            QByteArray bytes = TextFile::readBytes(path);
            benchmark::DoNotOptimize(bytes);
        }
    state.counters["participants"] = g_participants;
}

// One timed run in a process of its own, with the peak resident memory it reached.
int peakRun(const std::string &operation)
{
    if (!PeakMemory::reset())
        std::fprintf(stderr, "peak memory: the kernel cannot reset the peak; it includes "
                             "preparing the data\n");
    QElapsedTimer timer;
    timer.start();
    if (operation == "recompute")
        RecomputeOverallRanking(g_paths.dataDir, g_paths.poolDir);
    else if (operation == "round")
        ComputeRoundRanking(g_paths.dataDir, g_paths.poolDir, TimedRound);
    else
        return 2;
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("{\"operation\": \"%s\", \"participants\": %d, \"seconds\": %.6f, "
                "\"peak_kib\": %ld}\n",
                operation.c_str(), g_participants, seconds, PeakMemory::peakKiB());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::string participants = "100", root, peak;
    std::vector<char *> rest{argv[0]};
    for (int i = 1; i < argc; ++i)
        if (!BenchSeason::takeOption(argv[i], "--participants", participants) &&
            !BenchSeason::takeOption(argv[i], "--data-root", root) &&
            !BenchSeason::takeOption(argv[i], "--peak", peak))
            rest.push_back(argv[i]);
    g_participants = std::stoi(participants);
    g_paths = BenchSeason::prepare(root.empty() ? BenchSeason::defaultRoot()
                                                : QString::fromStdString(root),
                                   g_participants, false);
    if (!peak.empty())
        return peakRun(peak);

    // Few iterations at the large sizes: one recomputation of 100,000 files takes seconds, so
    // that size runs once.
    const double minTime = g_participants >= 100000 ? 0.01 : g_participants >= 10000 ? 2.0 : 0.5;
    const std::string n = "/" + participants;
    struct Entry
    {
        const char *name;
        void (*function)(benchmark::State &);
    };
    const Entry entries[] = {{"RecomputeOverallRanking", recompute},
                             {"RecomputeOverallRanking_IoFloor", recomputeFloor},
                             {"ComputeRoundRanking", roundRanking},
                             {"ComputeRoundRanking_IoFloor", roundRankingFloor}};
    for (const Entry &entry : entries)
        benchmark::RegisterBenchmark((entry.name + n).c_str(), entry.function)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(minTime)
            ->UseRealTime();

    int count = int(rest.size());
    benchmark::Initialize(&count, rest.data());
    if (benchmark::ReportUnrecognizedArguments(count, rest.data()))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
