#include "championship/rules/results.h"

#include "platform/filechanges.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"

#include <algorithm>
#include <limits>

namespace Results {

namespace {

constexpr int CounterLines = 7;
const QString RecordEnd = QStringLiteral("==]");

// Team names come from the fixture file and are cut, so that a damaged line cannot flood the box.
QString matchLabel(int round, int k, const Season::Match &match)
{
    return QStringLiteral("jogo %1 da %2 (%3 x %4)")
        .arg(k + 1)
        .arg(Season::roundLabel(round), match.home.left(40), match.away.left(40));
}

bool isDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar ch : text)
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return false;
    return true;
}

// A stored or typed score: digits only, within the signed 32-bit range.
std::optional<int> goals(const QString &text)
{
    if (!isDigits(text))
        return std::nullopt;
    return TextFile::toInteger(text);
}

int round1To42(int round)
{
    if (round < 1 || round > Season::Rounds)
        throw VelurinoError(QStringLiteral("Nenhuma rodada está selecionada."));
    return round;
}

QString pathOf(const QString &dataDir, const QString &name)
{
    return TextFile::resolve(dataDir, name);
}

} // namespace

void applyMatch(QStringList &teamFile, const QString &name, int goalsFor, int goalsAgainst,
                int sign)
{
    const QString key = QLatin1Char('[') + name + QLatin1Char(']');
    const int t = TextFile::findLine(teamFile, key);
    if (t == TextFile::NotFound)
        throw VelurinoError(
            QStringLiteral("O time \"%1\" da tabela não tem registro no arquivo \"%2\".")
                .arg(name.left(40), Season::TeamFile));
    if (t + CounterLines + 1 >= teamFile.size() ||
        teamFile.at(t + CounterLines + 1).compare(RecordEnd, Qt::CaseInsensitive) != 0)
        throw VelurinoError(
            QStringLiteral("O registro do time \"%1\" no arquivo \"%2\" está incompleto.")
                .arg(name.left(40), Season::TeamFile));

    const int win = goalsFor > goalsAgainst ? 1 : 0;
    const int draw = goalsFor == goalsAgainst ? 1 : 0;
    const int loss = goalsFor < goalsAgainst ? 1 : 0;
    // Points, games, wins, draws, losses, goals scored, goals conceded.
    const qint64 amounts[CounterLines] = {3 * win + draw, 1,        win,         draw,
                                          loss,           goalsFor, goalsAgainst};
    QStringList counters;
    for (int i = 0; i < CounterLines; ++i) {
        const int line = t + 1 + i;
        const qint64 value =
            Season::toInteger(teamFile.at(line), Season::TeamFile, line) + sign * amounts[i];
        if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
            throw VelurinoError(
                QStringLiteral("O registro do time \"%1\" no arquivo \"%2\" passaria do maior "
                               "número possível.")
                    .arg(name.left(40), Season::TeamFile));
        counters.append(QString::number(value));
    }
    for (int i = 0; i < CounterLines; ++i)
        teamFile[t + 1 + i] = counters.at(i);
}

void applyRound(QStringList &teamFile, const Season::Fixture &fixture, const QStringList &lines,
                int round, int sign)
{
    for (int k = 0; k < Season::MatchesPerRound; ++k) {
        const QString &h = lines.at(2 * k);
        const QString &a = lines.at(2 * k + 1);
        // "NO" is compared case-sensitively: it is what the entry writes, nothing else.
        if (h == Season::NotPlayed && a == Season::NotPlayed)
            continue;
        const std::optional<int> home = goals(h);
        const std::optional<int> away = goals(a);
        if (!home || !away)
            throw VelurinoError(
                QStringLiteral("O arquivo \"%1\" está danificado: o %2 tem o placar \"%3 x %4\".")
                    .arg(Season::ResultFile, matchLabel(round, k, fixture[k]), h.left(20),
                         a.left(20)));
        applyMatch(teamFile, fixture[k].home, *home, *away, sign);
        applyMatch(teamFile, fixture[k].away, *away, *home, sign);
    }
}

QStringList goalLinesFromBoxes(const QStringList &boxes, const Season::Fixture &fixture, int round)
{
    if (boxes.size() != 2 * Season::MatchesPerRound)
        throw VelurinoError(QStringLiteral("A rodada precisa de 22 placares."));
    QStringList lines;
    for (int k = 0; k < Season::MatchesPerRound; ++k) {
        const QString &h = boxes.at(2 * k);
        const QString &a = boxes.at(2 * k + 1);
        if (h.isEmpty() && a.isEmpty()) {
            lines << Season::NotPlayed << Season::NotPlayed;
            continue;
        }
        if (h.isEmpty() || a.isEmpty())
            throw InputRefused(
                QStringLiteral("Preencha os dois placares do %1, ou deixe os dois vazios.")
                    .arg(matchLabel(round, k, fixture[k])));
        for (const QString &box : {h, a})
            if (!goals(box))
                throw InputRefused(QStringLiteral("O placar \"%1\" do %2 não é um número de "
                                                  "gols válido.")
                                       .arg(box.left(20), matchLabel(round, k, fixture[k])));
        // Stored as typed: leading zeros stay.
        lines << h << a;
    }
    return lines;
}

int storeRoundResults(const QString &dataDir, int round, const QStringList &boxes)
{
    round1To42(round);
    QStringList resultFile = TextFile::readLines(dataDir, Season::ResultFile);
    QStringList roundFile = TextFile::readLines(dataDir, Season::RoundFile);
    QStringList teamFile = TextFile::readLines(dataDir, Season::TeamFile);

    const int count = Season::storedRounds(roundFile);
    if (Season::findResultBlock(resultFile, round) != TextFile::NotFound)
        throw VelurinoError(QStringLiteral("A %1 já tem resultados guardados no arquivo \"%2\".")
                                .arg(Season::roundLabel(round), Season::ResultFile));
    const Season::Fixture fixture = Season::fixtureOf(roundFile, round);
    const QStringList lines = goalLinesFromBoxes(boxes, fixture, round);

    applyRound(teamFile, fixture, lines, round, +1);
    resultFile << Season::roundMarker(round) << lines << Season::roundEndMarker(round);
    roundFile[0] = QString::number(count + 1);

    applyChanges({FileChange::replace(pathOf(dataDir, Season::ResultFile), resultFile),
                  FileChange::replace(pathOf(dataDir, Season::TeamFile), teamFile),
                  FileChange::replace(pathOf(dataDir, Season::RoundFile), roundFile)});
    return count + 1;
}

int undoRoundResults(const QString &dataDir, int round)
{
    round1To42(round);
    QStringList resultFile = TextFile::readLines(dataDir, Season::ResultFile);
    QStringList roundFile = TextFile::readLines(dataDir, Season::RoundFile);
    QStringList teamFile = TextFile::readLines(dataDir, Season::TeamFile);

    const int count = Season::storedRounds(roundFile);
    const int b = Season::findResultBlock(resultFile, round);
    if (b == TextFile::NotFound)
        throw VelurinoError(QStringLiteral("A %1 não tem resultados guardados no arquivo \"%2\".")
                                .arg(Season::roundLabel(round), Season::ResultFile));
    const QStringList lines = Season::resultLines(resultFile, b);
    const int e = TextFile::findLine(resultFile, Season::roundEndMarker(round));
    if (e < b + Season::BlockLines - 1)
        throw VelurinoError(
            QStringLiteral("O arquivo \"%1\" está danificado: o bloco da %2 não termina em %3.")
                .arg(Season::ResultFile, Season::roundLabel(round), Season::roundEndMarker(round)));
    const Season::Fixture fixture = Season::fixtureOf(roundFile, round);

    applyRound(teamFile, fixture, lines, round, -1);
    resultFile.remove(b, e - b + 1);
    roundFile[0] = QString::number(count - 1);

    // The order in which the withdrawal has always written its files.
    applyChanges({FileChange::replace(pathOf(dataDir, Season::TeamFile), teamFile),
                  FileChange::replace(pathOf(dataDir, Season::ResultFile), resultFile),
                  FileChange::replace(pathOf(dataDir, Season::RoundFile), roundFile)});
    return count - 1;
}

RoundView readRoundView(const QString &dataDir, int round)
{
    RoundView view;
    view.page = Season::readRoundPage(dataDir, round);
    const QStringList resultFile = TextFile::readLines(dataDir, Season::ResultFile);
    const int b = Season::findResultBlock(resultFile, round);
    if (b != TextFile::NotFound)
        view.stored = Season::resultLines(resultFile, b);
    view.storedRounds = Season::readStoredRounds(dataDir);
    view.state = Season::roundState(view.storedRounds, round, view.stored.has_value());
    return view;
}

int initialRound(int storedRounds)
{
    return std::clamp(storedRounds + 1, 1, Season::Rounds);
}

} // namespace Results
