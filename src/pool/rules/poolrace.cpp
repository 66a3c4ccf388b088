#include "pool/rules/poolrace.h"

#include "championship/rules/seasonfiles.h"
#include "pool/rules/scoring.h"

#include <memory>

namespace PoolRace {

int roundMostPoints()
{
    // A round ending 1-0 everywhere against the very same predictions, scored by the pool's own
    // scoring, so that the step follows the scoring rules.
    QByteArray block = "[1]\r\n";
    for (int k = 0; k < Season::MatchesPerRound; ++k)
        block += "1\r\n0\r\n";
    block += "[/1]\r\n";
    const QByteArray participant = "[x]\r\n0\r\n0\r\n0\r\n0\r\n[/x]\r\n" + block;
    const std::vector<TextFile::LineSpan> lines = Pool::lineSpans(block);
    const Pool::RoundResult result = Pool::decodeResultBlock(1, block, lines, 0);
    std::array<bool, Season::Rounds + 1> wanted{};
    wanted[1] = true;
    auto scan = std::make_unique<Pool::ParticipantScan>();
    scan->scan(participant, wanted, true);
    int AC = 0, AR = 0, AG = 0;
    Pool::ScoreRound(1, result, *scan, QString(), AC, AR, AG);
    return 3 * AC + AR + AG;
}

std::optional<QList<TitleReach>> reach(const Ranking &shown, const RoundByRound &scores)
{
    Ranking now = scores.after.isEmpty() ? Ranking() : scores.after.last();
    if (scores.after.isEmpty())
        for (const QString &name : scores.names)
            now.append(TRankRow{name});
    SortRanking(now);
    if (now != shown)
        return std::nullopt;
    const qint64 step = qint64(roundMostPoints()) * (Season::Rounds - int(scores.rounds.size()));
    QList<qint64> points;
    QList<qint64> most;
    for (const TRankRow &row : shown) {
        points.append(row.PG);
        most.append(row.PG + step);
    }
    return TitleRace::reach(points, most);
}

PositionHistory history(const RoundByRound &scores)
{
    PositionHistory history;
    history.names = scores.names;
    history.places.resize(scores.names.size());
    history.lastRound = scores.rounds.isEmpty() ? 0 : scores.rounds.last();
    qsizetype counted = -1; // the last entry of scores.after within the rounds so far
    for (int round = 1; round <= history.lastRound; ++round) {
        while (counted + 1 < scores.rounds.size() && scores.rounds.at(counted + 1) <= round)
            ++counted;
        // Rows carry their place in the list as their name, so that two rows never mix up.
        Ranking rows;
        for (qsizetype i = 0; i < scores.names.size(); ++i) {
            TRankRow row = counted >= 0 ? scores.after.at(counted).at(i) : TRankRow{};
            row.name = QString::number(i);
            rows.append(row);
        }
        SortRanking(rows);
        for (qsizetype place = 0; place < rows.size(); ++place)
            history.places[rows.at(place).name.toInt()].append(int(place) + 1);
    }
    return history;
}

} // namespace PoolRace
