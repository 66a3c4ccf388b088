// The data directories the benchmarks run on: a whole season (42 rounds stored through the round
// table's own store operation, with seeded, realistic scores) and a pool of N participants, each
// with predictions for all 42 rounds. The first participants are registered and given their
// predictions through the pool's own operations; the rest are written by a writer that is checked
// to reproduce those files byte for byte. A directory already prepared for the same size is
// reused, so the 100,000-participant pool is written only once.
#pragma once

#include <QString>
#include <QStringList>

#include <string>

namespace BenchSeason {

struct Paths
{
    QString programPath; // a program file that would sit beside "dados"
    QString dataDir;     // ends in a separator
    QString poolDir;     // ends in a separator
};

// Prepares `root` for `participants` participants. With `pictures`, the bitmaps drawn by the
// build are copied in too, so that the screens start as they do for the user.
Paths prepare(const QString &root, int participants, bool pictures);

// The root the benchmarks use when none is given: $VELURINO_BENCH_DATA, else "data" beside the
// benchmark program.
QString defaultRoot();

// The name of participant `i` (0-based): unique ignoring case, some with accented letters.
QString participantName(int i);

// The files the overall recomputation reads, in the order it reads them, and the ones it writes.
struct RecomputeFiles
{
    QStringList read;
    QStringList written;
};
RecomputeFiles recomputeFiles(const Paths &paths);

// A command-line option "--name=value": true, with `value` set, when `arg` is that option.
bool takeOption(const char *arg, const char *name, std::string &value);

} // namespace BenchSeason
