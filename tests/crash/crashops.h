// The operations the kill test interrupts, each one of the program's multi-file writes run on a
// season prepared by `prepare`, and the checks that the files of a data directory agree.
#pragma once

#include <QString>
#include <QStringList>

namespace CrashOps {

// Every operation's name. "first-start" is the program's first start on a user's folder: the
// installed season, in "season" beside the data directory, copied into a data directory not there
// yet.
QStringList names();
inline const QString FirstStart = QStringLiteral("first-start");

// A season part way through: rounds 1 to 5 stored, four participants with predictions for
// rounds 1 to 6, the ranking computed before round 5 was stored. `dataDir` holds the delivered text
// files already.
void prepare(const QString &dataDir, const QString &poolDir);

void run(const QString &op, const QString &dataDir, const QString &poolDir);

// What is wrong with the files of the data directory, or nothing: the stored-rounds count against
// the result blocks, every club's counters against the stored results, one participant file per
// name of the list, no file left over by an unfinished write.
QStringList inconsistencies(const QString &dataDir, const QString &poolDir,
                            const QStringList &deliveredTeamFile);

} // namespace CrashOps
