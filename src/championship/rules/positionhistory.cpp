#include "championship/rules/positionhistory.h"

#include "championship/rules/results.h"
#include "championship/rules/seasonfiles.h"
#include "championship/rules/standings.h"
#include "championship/rules/teamrecords.h"
#include "platform/textfile.h"

PositionHistory buildClubHistory(const QStringList &teamFile, const QStringList &nameFile,
                                 const QStringList &roundFile, const QStringList &resultFile)
{
    // The records as they stood before the first round: every counter at zero, the rest of the
    // file (keys, details pages) as it is, so the same lookups find the same teams.
    QStringList records = teamFile;
    int first = 0;
    for (const int k : TeamRecords::recordEnds(records)) {
        if (k - TeamRecords::CounterCount >= first)
            for (int line = k - TeamRecords::CounterCount; line < k; ++line)
                records[line] = QStringLiteral("0");
        first = k + 1;
    }

    PositionHistory history;
    for (const StandingRow &row : Standings::extractRows(records, nameFile))
        history.names.append(row.name);
    history.places.resize(history.names.size());
    for (int round = Season::Rounds; round >= 1 && history.lastRound == 0; --round)
        if (Season::findResultBlock(resultFile, round) != TextFile::NotFound)
            history.lastRound = round;

    for (int round = 1; round <= history.lastRound; ++round) {
        const int block = Season::findResultBlock(resultFile, round);
        if (block != TextFile::NotFound)
            Results::applyRound(records, Season::fixtureOf(roundFile, round),
                                Season::resultLines(resultFile, block), round, +1);
        QList<StandingRow> rows = Standings::extractRows(records, nameFile);
        Standings::exchangeSort(rows);
        for (qsizetype place = 0; place < rows.size(); ++place)
            history.places[rows.at(place).record].append(int(place) + 1);
    }
    return history;
}

PositionHistory buildClubHistory(const QString &dataDir)
{
    return buildClubHistory(TextFile::readLines(dataDir, Season::TeamFile),
                            TextFile::readLines(dataDir, Season::NameFile),
                            TextFile::readLines(dataDir, Season::RoundFile),
                            TextFile::readLines(dataDir, Season::ResultFile));
}
