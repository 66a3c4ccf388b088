#include "championship/rules/standings.h"

#include "championship/rules/seasonfiles.h"
#include "championship/rules/teamrecords.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"

#include <algorithm>
#include <limits>
#include <tuple>
#include <utility>

namespace Standings {

bool ranksHigher(const StandingRow &a, const StandingRow &b)
{
    // Points, then wins, then goal difference, then goals scored.
    return std::tie(a.pointsKey, a.winsKey, a.differenceKey, a.scoredKey) >
           std::tie(b.pointsKey, b.winsKey, b.differenceKey, b.scoredKey);
}

void exchangeSort(QList<StandingRow> &rows)
{
    const qsizetype n = rows.size();
    for (qsizetype i = 0; i + 1 < n; ++i)
        for (qsizetype j = i + 1; j < n; ++j)
            if (ranksHigher(rows.at(j), rows.at(i)))
                std::swap(rows[i], rows[j]);
}

QList<StandingRow> extractRows(const QStringList &teamFile, const QStringList &nameFile)
{
    using namespace TeamRecords;
    QList<StandingRow> rows;
    int first = 0; // the first line after the previous record
    for (const int k : recordEnds(teamFile)) {
        if (k - CounterCount < first)
            throw VelurinoError(
                QStringLiteral("O arquivo \"%1\" está danificado: o registro que termina na linha "
                               "%2 tem menos de sete números.")
                    .arg(Season::TeamFile)
                    .arg(k + 1));
        // The seven lines directly above "==]" are the record, whatever stands above them.
        const int top = k - CounterCount;
        const Counters counters = readCounters(teamFile, top);
        StandingRow row;
        QString *const shown[CounterCount] = {&row.points, &row.games,  &row.wins,    &row.draws,
                                              &row.losses, &row.scored, &row.conceded};
        for (int i = 0; i < CounterCount; ++i)
            *shown[i] = teamFile.at(top + i);
        row.pointsKey = counters[Points];
        row.winsKey = counters[Wins];
        row.scoredKey = counters[Scored];
        row.differenceKey = qint64(counters[Scored]) - counters[Conceded];
        row.difference = QString::number(row.differenceKey);
        row.record = int(rows.size());
        rows.append(row);
        first = k + 1;
    }
    if (nameFile.size() < rows.size())
        throw VelurinoError(
            QStringLiteral("O arquivo \"%1\" tem %2 nomes, mas o arquivo \"%3\" tem %4 times.")
                .arg(Season::NameFile)
                .arg(nameFile.size())
                .arg(Season::TeamFile)
                .arg(rows.size()));
    // Every name stands for one record; a name past the last whole record means the file was cut
    // or a record lost its "==]", and a table without that club would read as a whole one.
    if (nameFile.size() > rows.size())
        throw VelurinoError(
            QStringLiteral("O registro do time \"%1\" está faltando ou cortado no arquivo \"%2\".")
                .arg(nameFile.at(rows.size()), Season::TeamFile));
    for (qsizetype i = 0; i < rows.size(); ++i)
        rows[i].name = nameFile.at(i);
    return rows;
}

} // namespace Standings

QList<StandingRow> buildStandings(const QString &dataDir)
{
    const QStringList teamFile = TextFile::readLines(dataDir, Season::TeamFile);
    const QStringList nameFile = TextFile::readLines(dataDir, Season::NameFile);
    QList<StandingRow> rows = Standings::extractRows(teamFile, nameFile);
    Standings::exchangeSort(rows);
    return rows;
}
