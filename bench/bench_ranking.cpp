// The pool ranking at a given pool size: the overall recomputation next to a plain reference
// program doing the same job (referenceranking.cpp, checked first to write the very same files)
// and to its I/O floor (the same files read whole and written back whole, with no computation);
// one round's ranking next to its floor.
//
//   bench_ranking --participants=N [--data-root=DIR] [Google Benchmark flags]
//   bench_ranking --participants=N --peak=recompute|round|reference   one run, prints its peak
//                                                                     memory
#include "peakmemory.h"
#include "referenceranking.h"
#include "seasondata.h"

#include "platform/textfile.h"
#include "pool/rules/ranking.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <benchmark/benchmark.h>

#include <QMap>

#include <cstdio>
#include <cstring>
#include <string>
#include <tuple>
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

void reference(benchmark::State &state)
{
    const std::string data = QFile::encodeName(g_paths.dataDir).toStdString();
    const std::string pool = QFile::encodeName(g_paths.poolDir).toStdString();
    for (auto _ : state)
        ReferenceRanking::recompute(data, pool);
    state.counters["participants"] = g_participants;
}

// The reference writes what the program writes: every participant file byte for byte, and
// "Rank.txt" but for the order of participants with equal counters.
bool sameAsReference()
{
    const BenchSeason::RecomputeFiles files = BenchSeason::recomputeFiles(g_paths);
    const Ranking rows = RecomputeOverallRanking(g_paths.dataDir, g_paths.poolDir).value();
    QList<QByteArray> program;
    for (const QString &path : files.written)
        program.append(TextFile::readBytes(path));
    ReferenceRanking::recompute(QFile::encodeName(g_paths.dataDir).toStdString(),
                                QFile::encodeName(g_paths.poolDir).toStdString());
    for (qsizetype i = 0; i + 1 < files.written.size(); ++i)
        if (TextFile::readBytes(files.written.at(i)) != program.at(i)) {
            std::fprintf(stderr, "reference: %s differs\n", qPrintable(files.written.at(i)));
            return false;
        }
    QMap<QString, std::tuple<int, int, int, int>> counters;
    for (const TRankRow &row : rows)
        counters.insert(row.name, {row.PG, row.AC, row.AR, row.AG});
    const QStringList ours = TextFile::splitLines(TextFile::decode(program.last()));
    const QStringList theirs = TextFile::readLines(files.written.last());
    bool same = ours.size() == theirs.size();
    for (qsizetype i = 0; same && i < ours.size(); ++i)
        same = counters.contains(theirs.at(i)) &&
               counters.value(ours.at(i)) == counters.value(theirs.at(i));
    QStringList a = ours, b = theirs;
    a.sort();
    b.sort();
    if (!same || a != b) {
        std::fprintf(stderr, "reference: Rank.txt differs beyond ties\n");
        return false;
    }
    return true;
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
    const long startKiB = PeakMemory::currentKiB();
    QElapsedTimer timer;
    timer.start();
    if (operation == "recompute")
        RecomputeOverallRanking(g_paths.dataDir, g_paths.poolDir);
    else if (operation == "round")
        ComputeRoundRanking(g_paths.dataDir, g_paths.poolDir, TimedRound);
    else if (operation == "reference")
        ReferenceRanking::recompute(QFile::encodeName(g_paths.dataDir).toStdString(),
                                    QFile::encodeName(g_paths.poolDir).toStdString());
    else
        return 2;
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("{\"operation\": \"%s\", \"participants\": %d, \"seconds\": %.6f, "
                "\"peak_kib\": %ld, \"start_kib\": %ld}\n",
                operation.c_str(), g_participants, seconds, PeakMemory::peakKiB(), startKiB);
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
    if (!sameAsReference())
        return 1;

    // The program and the reference are compared repetition against repetition: five
    // repetitions of every benchmark in a random interleaving, their medians reported, so that a
    // moment of load on a shared machine spoils one repetition of one of them, not a whole figure.
    // Few iterations at the large sizes: one recomputation of 100,000 files takes seconds, so
    // that size runs once.
    const int repetitions = g_participants >= 100000 ? 1 : 5;
    const double minTime = g_participants >= 100000 ? 0.01 : g_participants >= 10000 ? 0.5 : 0.15;
    const std::string n = "/" + participants;
    struct Entry
    {
        const char *name;
        void (*function)(benchmark::State &);
    };
    const Entry entries[] = {{"RecomputeOverallRanking", recompute},
                             {"RecomputeOverallRanking_Reference", reference},
                             {"RecomputeOverallRanking_IoFloor", recomputeFloor},
                             {"ComputeRoundRanking", roundRanking},
                             {"ComputeRoundRanking_IoFloor", roundRankingFloor}};
    for (const Entry &entry : entries)
        benchmark::RegisterBenchmark((entry.name + n).c_str(), entry.function)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(minTime)
            ->Repetitions(repetitions)
            ->ReportAggregatesOnly(repetitions > 1)
            ->UseRealTime();

    std::string interleaving = "--benchmark_enable_random_interleaving=true";
    rest.insert(rest.begin() + 1, interleaving.data());
    int count = int(rest.size());
    benchmark::Initialize(&count, rest.data());
    if (benchmark::ReportUnrecognizedArguments(count, rest.data()))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
