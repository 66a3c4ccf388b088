#include "pool/rules/poolrace.h"

#include "championship/rules/seasonfiles.h"

namespace PoolRace {

int roundMostPoints()
{
    int AC = 0, AR = 0, AG = 0;
    Pool::scoreMatch(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"),
                     QStringLiteral("0"), AC, AR, AG);
    return Season::MatchesPerRound * (3 * AC + AR + AG);
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
