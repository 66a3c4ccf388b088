#include "pool/rules/roundbets.h"

#include "platform/textfile.h"
#include "pool/rules/poolfiles.h"

namespace Pool {

const QString MsgBetsHidden = QStringLiteral("As apostas de uma rodada são mostradas quando os "
                                             "resultados dela estiverem gravados.");

// The mark of one prediction against its result, as the ranking counts it: the outcome compares
// the values, the goals compare the texts ("01" is not "1").
BetCell::Hit hitOf(const QString &rh, const QString &ra, const QString &ph, const QString &pa)
{
    bool ok[4] = {};
    const int r1 = rh.toInt(&ok[0], 10), r2 = ra.toInt(&ok[1], 10);
    const int p1 = ph.toInt(&ok[2], 10), p2 = pa.toInt(&ok[3], 10);
    if (!(ok[0] && ok[1] && ok[2] && ok[3]))
        return BetCell::Miss;
    const bool outcome = (r1 > r2 && p1 > p2) || (r1 < r2 && p1 < p2) || (r1 == r2 && p1 == p2);
    if (outcome && rh == ph && ra == pa)
        return BetCell::Exact;
    return outcome ? BetCell::Outcome : BetCell::Miss;
}

QString scoreText(const QString &home, const QString &away)
{
    if (home.isEmpty() || away.isEmpty() || home == Season::NotPlayed || away == Season::NotPlayed)
        return QString();
    return home + QLatin1Char('x') + away;
}

RoundBets roundBets(const QString &dataDir, const QString &poolDir, int round)
{
    RoundBets bets;
    bets.round = round;
    const QStringList resultFile = TextFile::readLines(dataDir, Season::ResultFile);
    const int block = Season::findResultBlock(resultFile, round);
    if (block == TextFile::NotFound)
        return bets;
    const std::optional<Ranking> ranking = ComputeRoundRanking(dataDir, poolDir, round);
    if (!ranking)
        return bets;
    const QStringList goals = Season::resultLines(resultFile, block);
    bets.fixture = Season::fixtureOf(TextFile::readLines(dataDir, Season::RoundFile), round);
    bets.closed = true;
    for (int k = 0; k < Season::MatchesPerRound; ++k)
        bets.results << scoreText(goals.at(2 * k), goals.at(2 * k + 1));

    for (const TRankRow &counters : *ranking) {
        RoundBetsRow row{counters, {}};
        const std::optional<QStringList> predicted = readPredictions(poolDir, counters.name, round);
        for (int k = 0; k < Season::MatchesPerRound; ++k) {
            BetCell cell;
            if (predicted) {
                const QString &ph = predicted->at(2 * k);
                const QString &pa = predicted->at(2 * k + 1);
                cell.text = scoreText(ph, pa);
                cell.hit = hitOf(goals.at(2 * k), goals.at(2 * k + 1), ph, pa);
            }
            row.bets << cell;
        }
        bets.rows << row;
    }
    return bets;
}

} // namespace Pool
