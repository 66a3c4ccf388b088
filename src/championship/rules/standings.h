// The standings table: the seven counters above each "==]" of "Times.txt", paired in file order
// with the display names of "Nomes.txt", ordered by points, wins, goal difference and goals
// scored. Reads only; knows nothing of the grid that shows it.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct StandingRow
{
    // As stored in the files, shown as they stand ("07" stays "07").
    QString name, points, games, wins, draws, losses, scored, conceded;
    QString difference; // computed: goals scored minus goals conceded
    // The sort keys, converted once.
    int pointsKey = 0, winsKey = 0, scoredKey = 0;
    // Two counters of the int range differ by up to 2^32: the difference orders in 64 bits, as
    // it is shown.
    qint64 differenceKey = 0;
    // The team's place in "Times.txt", from 0: who the row is, whatever its display name.
    int record = -1;
};

namespace Standings {

// True when `a` ranks strictly higher than `b`.
bool ranksHigher(const StandingRow &a, const StandingRow &b);

// The exchange procedure the table has always been ordered by: for each position i, every later
// team j that ranks strictly higher is swapped into it. Not stable, and the order of teams equal
// on all four keys is the one this exact sequence of exchanges gives, so it is kept as it is.
void exchangeSort(QList<StandingRow> &rows);

// The rows in file order, before sorting. Refused, naming the club and the file, when a record is
// missing or cut, or the names do not match the records one for one.
QList<StandingRow> extractRows(const QStringList &teamFile, const QStringList &nameFile);

} // namespace Standings

// The sorted table of the data directory's files.
QList<StandingRow> buildStandings(const QString &dataDir);
