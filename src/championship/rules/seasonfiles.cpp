#include "championship/rules/seasonfiles.h"

#include "championship/rules/teamdetails.h"

#include "platform/textfile.h"
#include "platform/velurinoerror.h"

namespace Season {

const QString RoundFile = QStringLiteral("Rodada.txt");
const QString ResultFile = QStringLiteral("Resultado.txt");
const QString TeamFile = QStringLiteral("Times.txt");
const QString PageFile = QStringLiteral("tabela1.htm");
const QString NameFile = QStringLiteral("Nomes.txt");
const QString NotPlayed = QStringLiteral("NO");

QString roundMarker(int round)
{
    return QLatin1Char('[') + QString::number(round) + QLatin1Char(']');
}

QString roundEndMarker(int round)
{
    return QLatin1String("[/") + QString::number(round) + QLatin1Char(']');
}

QString roundLabel(int round)
{
    return QString::number(round) + QStringLiteral("ª Rodada");
}

int toInteger(const QString &text, const QString &file, int line)
{
    const std::optional<int> value = TextFile::toInteger(text);
    if (!value)
        throw VelurinoError(
            QStringLiteral("O arquivo \"%1\" está danificado: a linha %2 (\"%3\") não é um número.")
                .arg(file)
                .arg(line + 1)
                .arg(quotedName(text)));
    return *value;
}

int storedRounds(const QStringList &roundFile)
{
    if (roundFile.isEmpty())
        throw VelurinoError(
            QStringLiteral("O arquivo \"%1\" está vazio: falta a contagem de rodadas.")
                .arg(RoundFile));
    return toInteger(roundFile.first(), RoundFile, 0);
}

RoundState roundState(int storedRounds, int round, bool hasResults)
{
    if (hasResults || round <= storedRounds)
        return RoundState::Closed;
    return round == storedRounds + 1 ? RoundState::Next : RoundState::Later;
}

int readStoredRounds(const QString &dataDir)
{
    return storedRounds(TextFile::readLines(dataDir, RoundFile));
}

QStringList readRoundClubs(const QString &dataDir, int round)
{
    try {
        // Said as the standings show them ("Gavião", not the file's key "Gaviao").
        const bool named =
            TextFile::exists(dataDir, TeamFile) && TextFile::exists(dataDir, NameFile);
        const QStringList teams = named ? TextFile::readLines(dataDir, TeamFile) : QStringList();
        const QStringList names = named ? TextFile::readLines(dataDir, NameFile) : QStringList();
        QStringList clubs;
        for (const Match &match : fixtureOf(TextFile::readLines(dataDir, RoundFile), round))
            clubs << TeamDetails::displayName(teams, names, match.home)
                  << TeamDetails::displayName(teams, names, match.away);
        return clubs;
    } catch (const VelurinoError &) {
        return {};
    }
}

Fixture fixtureOf(const QStringList &roundFile, int round)
{
    const int f = TextFile::findLine(roundFile, roundMarker(round));
    if (f == TextFile::NotFound)
        throw VelurinoError(QStringLiteral("O arquivo \"%1\" não tem os jogos da %2.")
                                .arg(RoundFile, roundLabel(round)));
    if (f + 2 * MatchesPerRound >= roundFile.size())
        throw VelurinoError(QStringLiteral("O arquivo \"%1\" está incompleto nos jogos da %2.")
                                .arg(RoundFile, roundLabel(round)));
    Fixture fixture;
    for (int k = 0; k < MatchesPerRound; ++k)
        fixture[k] = {roundFile.at(f + 2 * k + 1), roundFile.at(f + 2 * k + 2)};
    return fixture;
}

int findResultBlock(const QStringList &resultFile, int round)
{
    return TextFile::findLine(resultFile, roundMarker(round));
}

QStringList resultLines(const QStringList &resultFile, int block)
{
    if (block < 0 || block + 2 * MatchesPerRound >= resultFile.size())
        throw VelurinoError(
            QStringLiteral("O arquivo \"%1\" está incompleto: um bloco de resultados termina antes "
                           "dos 22 placares.")
                .arg(ResultFile));
    return resultFile.mid(block + 1, 2 * MatchesPerRound);
}

QString roundPage(const QStringList &pageFile, int round)
{
    int header = TextFile::findLine(pageFile, QStringLiteral("[="));
    if (header == TextFile::NotFound)
        header = 0;
    QStringList lines = pageFile.mid(0, header);
    const int number = TextFile::findLine(pageFile, QString::number(round));
    const int end = TextFile::findLine(pageFile, roundMarker(round));
    if (number != TextFile::NotFound && end != TextFile::NotFound)
        for (int i = number + 2; i < end; ++i)
            lines.append(pageFile.at(i));
    QString page;
    for (const QString &line : std::as_const(lines)) {
        page += line + QLatin1String("\r\n");
        if (page.size() > LargestRoundPage)
            throw VelurinoError(QStringLiteral("A página da %1 no arquivo \"%2\" tem mais de %3 "
                                               "caracteres e não pode ser mostrada.")
                                    .arg(roundLabel(round), PageFile)
                                    .arg(LargestRoundPage));
    }
    return page;
}

QString readRoundPage(const QString &dataDir, int round)
{
    return roundPage(TextFile::readLines(dataDir, PageFile), round);
}

} // namespace Season
