// The pool ranking: scoring predictions against stored results, the four counters of every
// participant, the overall recomputation that stores them and writes "Rank.txt", the ranking of
// one round, the ranking from the stored counters, and the order of the rows.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct TRankRow
{
    QString name;
    int PG = 0;
    int AC = 0;
    int AR = 0;
    int AG = 0;

    bool operator==(const TRankRow &) const = default;
};

using Ranking = QList<TRankRow>;

namespace Pool {

// Row `x` ranks above row `y`: the first of PG, AC, AR, AG that differs is larger in `x`.
bool ranksAbove(const TRankRow &x, const TRankRow &y);

// The rounds that have a result block, in round order.
QList<int> roundsWithResults(const QStringList &resultFile);
QList<int> roundsWithResults(const QString &dataDir);

} // namespace Pool

// Rebuilds every participant's counters from all stored results, then writes every participant
// file and "Rank.txt", all or nothing. No ranking when nobody is registered or line 0 of
// "Rodada.txt" is not above line 1; "Rank.txt" then lists the participants in list order. A
// participant file without its header ("[name]" on line 0, "[/name]" on line 5) stops it.
std::optional<Ranking> RecomputeOverallRanking(const QString &dataDir, const QString &poolDir);

// The ranking of round `n` alone; no ranking when the round has no result block. Writes nothing.
std::optional<Ranking> ComputeRoundRanking(const QString &dataDir, const QString &poolDir, int n);

// The ranking from the counters stored in the participant files.
Ranking LoadStoredRanking(const QString &poolDir);

// The exchange procedure: for each row i, every later row j that ranks above it is exchanged with
// it. Not stable; ties end in the order this produces. Runs in O(n log n) (rankorder.cpp).
void SortRanking(Ranking &rows);

// Every participant's counters after each round with results, scored from the stored results and
// predictions exactly as the overall recomputation scores them. Writes nothing.
struct RoundByRound
{
    QStringList names; // the participants list, in its order
    QList<int> rounds; // the rounds with results, in round order
    // after[r][i]: participant i's counters over rounds[0] to rounds[r], in list order.
    QList<Ranking> after;
};
RoundByRound ScoreRoundByRound(const QString &dataDir, const QString &poolDir);
