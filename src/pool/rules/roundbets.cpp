#include "pool/rules/roundbets.h"

#include "platform/textfile.h"
#include "pool/rules/poolfiles.h"

namespace Pool {

const QString MsgBetsHidden = QStringLiteral("As apostas de uma rodada são mostradas quando os "
                                             "resultados dela estiverem gravados.");

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
                int AC = 0, AR = 0, AG = 0;
                scoreMatch(goals.at(2 * k), goals.at(2 * k + 1), ph, pa, AC, AR, AG);
                cell.hit = AC > 0 ? BetCell::Exact : AR > 0 ? BetCell::Outcome : BetCell::Miss;
            }
            row.bets << cell;
        }
        bets.rows << row;
    }
    return bets;
}

} // namespace Pool
