#include "ranking.h"

#include "filechanges.h"
#include "poolfiles.h"
#include "seasonfiles.h"
#include "textfile.h"
#include "velurinoerror.h"

namespace {

constexpr int GoalLines = 2 * Season::MatchesPerRound;

QString participantFileLabel(const QString &name)
{
    return name.isEmpty() ? QStringLiteral("do participante") : name + QLatin1String(".txt");
}

int storedCounter(const QStringList &lines, int line, const QString &name)
{
    if (line >= lines.size())
        throw VelurinoError(QStringLiteral("O arquivo \"%1\" está incompleto: faltam os pontos.")
                                .arg(participantFileLabel(name)));
    return Season::toInteger(lines.at(line), participantFileLabel(name), line);
}

} // namespace

namespace {

// The values of one scored match, with the file and line they came from for error messages.
struct Side
{
    QString text;
    int value;
};

Side sideOf(const QStringList &lines, int line, const QString &file)
{
    if (line >= lines.size())
        throw VelurinoError(
            QStringLiteral("O arquivo \"%1\" está incompleto: faltam placares de uma rodada.")
                .arg(file));
    const QString &text = lines.at(line);
    return {text, Season::toInteger(text, file, line)};
}

void scoreSides(const Side &r1, const Side &r2, const Side &p1, const Side &p2, int &AC, int &AR,
                int &AG)
{
    // The outcome compares the values, the goals compare the texts ("01" is not "1").
    const bool outcome = (r1.value > r2.value && p1.value > p2.value) ||
                         (r1.value < r2.value && p1.value < p2.value) ||
                         (r1.value == r2.value && p1.value == p2.value);
    if (outcome)
        ++AR;
    const bool homeGoals = r1.text == p1.text;
    const bool awayGoals = r2.text == p2.text;
    AG += int(homeGoals) + int(awayGoals);
    if (outcome && homeGoals && awayGoals)
        ++AC;
}

} // namespace

namespace Pool {

void scoreMatch(const QString &rh, const QString &ra, const QString &ph, const QString &pa, int &AC,
                int &AR, int &AG)
{
    if (rh == Season::NotPlayed || ra == Season::NotPlayed)
        return;
    const auto value = [](const QString &text) {
        bool ok = false;
        const int v = text.toInt(&ok, 10);
        if (!ok)
            throw VelurinoError(
                QStringLiteral("O placar \"%1\" não é um número.").arg(text.left(40)));
        return v;
    };
    scoreSides({rh, value(rh)}, {ra, value(ra)}, {ph, value(ph)}, {pa, value(pa)}, AC, AR, AG);
}

bool ranksAbove(const TRankRow &x, const TRankRow &y)
{
    if (x.PG != y.PG)
        return x.PG > y.PG;
    if (x.AC != y.AC)
        return x.AC > y.AC;
    if (x.AR != y.AR)
        return x.AR > y.AR;
    return x.AG > y.AG;
}

QList<int> roundsWithResults(const QStringList &resultFile)
{
    QList<int> rounds;
    for (int n = 1; n <= Season::Rounds; ++n)
        if (Season::findResultBlock(resultFile, n) != TextFile::NotFound)
            rounds.append(n);
    return rounds;
}

QList<int> roundsWithResults(const QString &dataDir)
{
    return roundsWithResults(TextFile::readLines(dataDir, Season::ResultFile));
}

} // namespace Pool

void ScoreRound(int n, const QStringList &resultFile, const QStringList &participantFile, int &AC,
                int &AR, int &AG, const QString &participantName)
{
    const int iP = Pool::findSection(participantFile, n);
    if (iP == TextFile::NotFound)
        return;
    const int iR = Season::findResultBlock(resultFile, n);
    if (iR == TextFile::NotFound)
        return;
    const QString participantFileName = participantFileLabel(participantName);
    for (int k = 1; k <= Season::MatchesPerRound; ++k) {
        const int home = 2 * k - 1;
        if (iR + home + 1 >= resultFile.size())
            throw VelurinoError(QStringLiteral("O arquivo \"%1\" está incompleto no bloco da %2.")
                                    .arg(Season::ResultFile, Season::roundLabel(n)));
        const QString &rh = resultFile.at(iR + home);
        const QString &ra = resultFile.at(iR + home + 1);
        if (rh == Season::NotPlayed || ra == Season::NotPlayed)
            continue;
        const Side r1 = sideOf(resultFile, iR + home, Season::ResultFile);
        const Side r2 = sideOf(resultFile, iR + home + 1, Season::ResultFile);
        const Side p1 = sideOf(participantFile, iP + home, participantFileName);
        const Side p2 = sideOf(participantFile, iP + home + 1, participantFileName);
        scoreSides(r1, r2, p1, p2, AC, AR, AG);
    }
}

void SortRanking(Ranking &rows)
{
    for (int i = 0; i + 1 < rows.size(); ++i)
        for (int j = i + 1; j < rows.size(); ++j)
            if (Pool::ranksAbove(rows.at(j), rows.at(i)))
                rows.swapItemsAt(i, j);
}

std::optional<Ranking> RecomputeOverallRanking(const QString &dataDir, const QString &poolDir)
{
    const QStringList resultFile = TextFile::readLines(dataDir, Season::ResultFile);
    const QStringList roundFile = TextFile::readLines(dataDir, Season::RoundFile);
    const QStringList list = Pool::readList(poolDir);

    const int stored = Season::storedRounds(roundFile);
    if (roundFile.size() < 2)
        throw VelurinoError(QStringLiteral("O arquivo \"%1\" está incompleto: falta a linha 2.")
                                .arg(Season::RoundFile));
    const int threshold = Season::toInteger(roundFile.at(1), Season::RoundFile, 1);

    const QString rankPath = TextFile::resolve(dataDir, Pool::RankFile);
    if (list.isEmpty() || stored <= threshold) {
        applyChanges({FileChange::replace(rankPath, list)});
        return std::nullopt;
    }

    // Every round with a result block counts, in round order; a count that names a round without
    // a block skips it.
    const QList<int> rounds = Pool::roundsWithResults(resultFile);
    Ranking rows;
    QList<FileChange> changes;
    for (const QString &name : list) {
        QStringList lines = Pool::readParticipant(poolDir, name);
        if (lines.size() < 6)
            throw VelurinoError(
                QStringLiteral("O arquivo \"%1\" está incompleto: faltam os pontos.")
                    .arg(participantFileLabel(name)));
        TRankRow row{name};
        for (int n : rounds)
            ScoreRound(n, resultFile, lines, row.AC, row.AR, row.AG, name);
        row.PG = 3 * row.AC + row.AR + row.AG;
        lines[1] = QString::number(row.PG);
        lines[2] = QString::number(row.AC);
        lines[3] = QString::number(row.AR);
        lines[4] = QString::number(row.AG);
        rows.append(row);
        changes.append(FileChange::replace(Pool::participantPath(poolDir, name), lines));
    }
    SortRanking(rows);
    QStringList order;
    for (const TRankRow &row : std::as_const(rows))
        order.append(row.name);
    changes.append(FileChange::replace(rankPath, order));
    applyChanges(changes);
    return rows;
}

std::optional<Ranking> ComputeRoundRanking(const QString &dataDir, const QString &poolDir, int n)
{
    const QStringList resultFile = TextFile::readLines(dataDir, Season::ResultFile);
    const int begin = TextFile::findLine(resultFile, Season::roundMarker(n));
    const int end = TextFile::findLine(resultFile, Season::roundEndMarker(n));
    QStringList kept;
    if (begin != TextFile::NotFound && end != TextFile::NotFound && end >= begin)
        kept = resultFile.mid(begin, end - begin + 1);
    const QStringList list = Pool::readList(poolDir);
    if (kept.isEmpty())
        return std::nullopt;

    Ranking rows;
    for (const QString &name : list) {
        const QStringList lines = Pool::readParticipant(poolDir, name);
        TRankRow row{name};
        // Only a whole section counts here: its end marker must follow its marker.
        const int s = Pool::findSection(lines, n);
        if (s != TextFile::NotFound &&
            TextFile::findLine(lines, Season::roundEndMarker(n), s) != TextFile::NotFound)
            ScoreRound(n, kept, lines, row.AC, row.AR, row.AG, name);
        row.PG = 3 * row.AC + row.AR + row.AG;
        rows.append(row);
    }
    SortRanking(rows);
    return rows;
}

Ranking LoadStoredRanking(const QString &poolDir)
{
    Ranking rows;
    for (const QString &name : Pool::readList(poolDir)) {
        const QStringList lines = Pool::readParticipant(poolDir, name);
        rows.append({name, storedCounter(lines, 1, name), storedCounter(lines, 2, name),
                     storedCounter(lines, 3, name), storedCounter(lines, 4, name)});
    }
    SortRanking(rows);
    return rows;
}
