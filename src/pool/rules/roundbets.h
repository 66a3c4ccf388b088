// Everyone's predictions for one round, beside its results, once the round is closed by its
// stored results. Before that nothing of anyone's bets is read, so the pool stays fair. Points
// and order are those of the round's ranking.
#pragma once

#include "championship/rules/seasonfiles.h"
#include "pool/rules/ranking.h"

#include <QList>
#include <QString>
#include <QStringList>

struct BetCell
{
    enum Hit
    {
        Miss,    // nothing right, or the match was not played
        Outcome, // the outcome right, not the score
        Exact    // the score exactly
    };
    QString text; // "2x1", empty without a prediction
    Hit hit = Miss;
};

struct RoundBetsRow
{
    TRankRow counters;   // the round's points, as the round's ranking gives them
    QList<BetCell> bets; // one per match; empty cells when the participant made no predictions
};

struct RoundBets
{
    int round = 0;
    bool closed = false; // the round's results are stored; otherwise nothing below is filled
    Season::Fixture fixture;
    QStringList results;      // "2x1" per match, "" for a match not played
    QList<RoundBetsRow> rows; // in the round's ranking order
};

namespace Pool {

// Shown in place of the bets while a round's results are not stored.
extern const QString MsgBetsHidden;

// "2x1", or an empty text when either side is missing or "NO".
QString scoreText(const QString &home, const QString &away);

RoundBets roundBets(const QString &dataDir, const QString &poolDir, int round);

} // namespace Pool
