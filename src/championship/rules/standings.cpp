#include "championship/rules/standings.h"

#include "championship/rules/seasonfiles.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace Standings {

bool ranksHigher(const StandingRow &a, const StandingRow &b)
{
    if (a.pointsKey != b.pointsKey)
        return a.pointsKey > b.pointsKey;
    if (a.winsKey != b.winsKey)
        return a.winsKey > b.winsKey;
    if (a.differenceKey != b.differenceKey)
        return a.differenceKey > b.differenceKey;
    return a.scoredKey > b.scoredKey;
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
    const QString end = QStringLiteral("==]");
    QList<StandingRow> rows;
    int first = 0; // the first line after the previous record
    for (int k = TextFile::findLine(teamFile, end); k != TextFile::NotFound;
         k = TextFile::findLine(teamFile, end, k + 1)) {
        if (k - 7 < first)
            throw VelurinoError(
                QStringLiteral("O arquivo \"%1\" está danificado: o registro que termina na linha "
                               "%2 tem menos de sete números.")
                    .arg(Season::TeamFile)
                    .arg(k + 1));
        const auto number = [&](int line) {
            return Season::toInteger(teamFile.at(line), Season::TeamFile, line);
        };
        StandingRow row;
        row.points = teamFile.at(k - 7);
        row.games = teamFile.at(k - 6);
        row.wins = teamFile.at(k - 5);
        row.draws = teamFile.at(k - 4);
        row.losses = teamFile.at(k - 3);
        row.scored = teamFile.at(k - 2);
        row.conceded = teamFile.at(k - 1);
        row.pointsKey = number(k - 7);
        row.winsKey = number(k - 5);
        row.scoredKey = number(k - 2);
        const qint64 difference = qint64(row.scoredKey) - number(k - 1);
        row.differenceKey = difference;
        row.difference = QString::number(difference);
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
