// Who can still win the title: from what each club or participant has now and the most it can
// still reach, whether it is champion already, can no longer be champion, or is still in the
// race. The club side lives here; the pool feeds the same marks from its ranking. Reads only.
#pragma once

#include "championship/rules/standings.h"

#include <QList>
#include <QString>

enum class TitleChance
{
    Open,     // can still finish first
    Champion, // nobody else can reach its points any more
    Out,      // someone already has more than it can reach
};

struct TitleReach
{
    qint64 most = 0; // points now plus everything still to be played, won
    TitleChance chance = TitleChance::Open;
};

namespace TitleRace {

// `points` and `most` per entrant, in the table's order (best first). Ties on points count as
// still able to win: an entrant is champion only when every other one must end strictly below
// it, and out only when another one already has strictly more than it can reach. Once nothing
// is left to play for anyone, the table's order is final: its first is champion, the rest out.
QList<TitleReach> reach(const QList<qint64> &points, const QList<qint64> &most);

// The matches each team of "Times.txt" has still to play, by its place in that file: every match
// of a round without results, and a match stored as not played ("NO").
QList<int> matchesLeft(const QStringList &teamFile, const QStringList &roundFile,
                       const QStringList &resultFile);

// The marks of the sorted standings rows: the most a club can reach is its points plus 3 for
// every match it has left.
QList<TitleReach> clubReach(const QList<StandingRow> &rows, const QList<int> &matchesLeft);

} // namespace TitleRace

// The sorted standings of the data directory and, row by row, who can still win.
struct StandingsRace
{
    QList<StandingRow> rows;
    QList<TitleReach> reach;
};
StandingsRace buildStandingsRace(const QString &dataDir);
