#include "championship/rules/titlerace.h"

#include "championship/rules/seasonfiles.h"
#include "championship/rules/teamrecords.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"

#include <QHash>

#include <algorithm>

namespace TitleRace {

QList<TitleReach> reach(const QList<qint64> &points, const QList<qint64> &most)
{
    const qsizetype n = points.size();
    bool finished = true;
    for (qsizetype i = 0; i < n; ++i)
        finished = finished && most.at(i) == points.at(i);
    QList<TitleReach> marks(n);
    for (qsizetype i = 0; i < n; ++i) {
        marks[i].most = most.at(i);
        if (finished) {
            marks[i].chance = i == 0 ? TitleChance::Champion : TitleChance::Out;
            continue;
        }
        bool champion = true;
        bool out = false;
        for (qsizetype j = 0; j < n; ++j) {
            if (j == i)
                continue;
            champion = champion && most.at(j) < points.at(i);
            out = out || points.at(j) > most.at(i);
        }
        marks[i].chance = champion ? TitleChance::Champion
                          : out    ? TitleChance::Out
                                   : TitleChance::Open;
    }
    return marks;
}

QList<int> matchesLeft(const QStringList &teamFile, const QStringList &roundFile,
                       const QStringList &resultFile)
{
    const QList<int> ends = TeamRecords::recordEnds(teamFile);
    QList<int> left(ends.size(), 0);
    // A team is the record its key line opens, closed by the "==]" after its counters.
    QHash<QString, int> recordOf;
    const auto record = [&](const QString &name) {
        const auto known = recordOf.constFind(name);
        if (known != recordOf.constEnd())
            return *known;
        const int first = TeamRecords::findRecord(teamFile, name);
        const int index =
            int(std::lower_bound(ends.cbegin(), ends.cend(), first + TeamRecords::CounterCount) -
                ends.cbegin());
        recordOf.insert(name, index);
        return index;
    };
    for (int round = 1; round <= Season::Rounds; ++round) {
        const Season::Fixture fixture = Season::fixtureOf(roundFile, round);
        const int block = Season::findResultBlock(resultFile, round);
        const QStringList goals =
            block == TextFile::NotFound ? QStringList() : Season::resultLines(resultFile, block);
        for (int k = 0; k < Season::MatchesPerRound; ++k) {
            // Only a match stored as not played stays to be played; one with a score is done.
            const bool played = !goals.isEmpty() && !(goals.at(2 * k) == Season::NotPlayed &&
                                                      goals.at(2 * k + 1) == Season::NotPlayed);
            if (played)
                continue;
            ++left[record(fixture[k].home)];
            ++left[record(fixture[k].away)];
        }
    }
    return left;
}

QList<TitleReach> clubReach(const QList<StandingRow> &rows, const QList<int> &matchesLeft)
{
    QList<qint64> points;
    QList<qint64> most;
    for (const StandingRow &row : rows) {
        const int left =
            row.record >= 0 && row.record < matchesLeft.size() ? matchesLeft.at(row.record) : 0;
        points.append(row.pointsKey);
        most.append(qint64(row.pointsKey) + 3 * qint64(left));
    }
    return reach(points, most);
}

} // namespace TitleRace

StandingsRace buildStandingsRace(const QString &dataDir)
{
    const QStringList teamFile = TextFile::readLines(dataDir, Season::TeamFile);
    const QStringList nameFile = TextFile::readLines(dataDir, Season::NameFile);
    const QStringList roundFile = TextFile::readLines(dataDir, Season::RoundFile);
    const QStringList resultFile = TextFile::readLines(dataDir, Season::ResultFile);
    StandingsRace race;
    race.rows = Standings::extractRows(teamFile, nameFile);
    Standings::exchangeSort(race.rows);
    race.reach =
        TitleRace::clubReach(race.rows, TitleRace::matchesLeft(teamFile, roundFile, resultFile));
    return race;
}
