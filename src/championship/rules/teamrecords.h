// A club's record in "Times.txt": the key line "[name]", seven counters and "==]". Owns where the
// counters stand, how they are read as numbers and written back; results entry and the standings
// both go through it. The clubs' details pages between the records are not its business.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace TeamRecords {

// The counters in file order.
enum Counter
{
    Points,
    Games,
    Wins,
    Draws,
    Losses,
    Scored,
    Conceded,
    CounterCount
};
using Counters = std::array<int, CounterCount>;

extern const QString RecordEnd; // "==]"

// The line of every "==]", in file order: the n-th closes the n-th club.
QList<int> recordEnds(const QStringList &teamFile);

// The first counter line of the record keyed "[name]". Throws naming the club when there is no
// such record or its "==]" does not follow the seven counters.
int findRecord(const QStringList &teamFile, const QString &name);

// The seven counters from line `first` on, as numbers; throws naming the file and the line that
// is not a number.
Counters readCounters(const QStringList &teamFile, int first);
void writeCounters(QStringList &teamFile, int first, const Counters &counters);

} // namespace TeamRecords
