#include "pool/rules/poolfiles.h"

#include "championship/rules/seasonfiles.h"
#include "platform/filechanges.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"

#include <QFile>
#include <QRegularExpression>

QString CurrentUser;

namespace Pool {

const QString ListFile = QStringLiteral("Lista.txt");
const QString RankFile = QStringLiteral("Rank.txt");

const QString MsgTaken = QStringLiteral("Nome de usuário já existente. ");
const QString MsgRegistered = QStringLiteral("Usuário Cadastrado. ");
const QString MsgEmptyName = QStringLiteral("Digite o nome do novo participante.");
const QString MsgRemoved = QStringLiteral("Usuário removido.");
const QString MsgSelectToRemove = QStringLiteral("Selecione o participante a ser removido.");

namespace {

const QString ForbiddenChars = QStringLiteral("/\\:*?\"<>|");

bool hasForbiddenChar(const QString &name)
{
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control || ForbiddenChars.contains(c))
            return true;
    return false;
}

// The longest file name the file systems in use accept, in bytes.
constexpr qsizetype LongestFileName = 255;

// A name that can be the stem of a file of the pool directory and nothing outside it. "Lista"
// would name the participants list itself, as file names ignore letter case.
bool isSafeStem(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !hasForbiddenChar(name) &&
           name.compare(QLatin1String("Lista"), Qt::CaseInsensitive) != 0 &&
           QFile::encodeName(name + QLatin1String(".txt")).size() <= LongestFileName;
}

// The season folder is copied between machines, and on Windows these stems name devices, not
// files, whatever their letter case or extension: such a participant file could never be written
// or read there.
bool isWindowsDeviceName(const QString &name)
{
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9\u00B9\u00B2\u00B3]|LPT[1-9\u00B9\u00B2\u00B3])$"),
        QRegularExpression::CaseInsensitiveOption);
    // Windows also drops the blanks before an extension: "nul .txt" is the device too.
    const QString stem = name.section(QLatin1Char('.'), 0, 0);
    qsizetype end = stem.size();
    while (end > 0 && stem.at(end - 1) == QLatin1Char(' '))
        --end;
    return device.match(stem.left(end)).hasMatch();
}

QStringList zeros()
{
    return {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
}

bool isInteger(const QString &text)
{
    return TextFile::toInteger(text).has_value();
}

} // namespace

QString headerMarker(const QString &name)
{
    return QLatin1Char('[') + name + QLatin1Char(']');
}

QString headerEndMarker(const QString &name)
{
    return QLatin1String("[/") + name + QLatin1Char(']');
}

namespace {

void checkStem(const QString &name)
{
    if (name.isEmpty())
        throw VelurinoError(QStringLiteral("Nenhum participante foi escolhido."));
    if (!isSafeStem(name))
        throw VelurinoError(QStringLiteral("O nome de participante \"%1\" não pode ser usado como "
                                           "nome de arquivo; o arquivo não foi aberto.")
                                .arg(quotedName(name)));
}

} // namespace

QString participantPath(const QString &poolDir, const QString &name)
{
    checkStem(name);
    return TextFile::resolve(poolDir, name + QLatin1String(".txt"));
}

QString participantPath(const TextFile::DirectoryIndex &poolDir, const QString &name)
{
    checkStem(name);
    return poolDir.resolve(name + QLatin1String(".txt"));
}

bool participantExists(const QString &poolDir, const QString &name)
{
    return QFile::exists(participantPath(poolDir, name));
}

QStringList readParticipant(const QString &poolDir, const QString &name)
{
    return TextFile::readLines(participantPath(poolDir, name));
}

QStringList readList(const QString &poolDir)
{
    return TextFile::readLines(poolDir, ListFile);
}

QString nameRefusal(const QString &name, const QStringList &list)
{
    static const QRegularExpression roundForm(QStringLiteral("^/?[0-9]+$"));
    if (hasForbiddenChar(name))
        return QStringLiteral("O nome não pode conter os caracteres / \\ : * ? \" < > | nem "
                              "caracteres de controle, pois ele vira o nome de um arquivo.");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("O nome não pode ser \".\" nem \"..\".");
    if (!TextFile::isEncodable(name))
        return QStringLiteral("O nome contém caracteres que não podem ser gravados nos arquivos "
                              "do bolão.");
    if (roundForm.match(name).hasMatch())
        return QStringLiteral("O nome não pode ser um número, nem uma barra seguida de um número: "
                              "ele se confundiria com as marcas das rodadas.");
    if (name.compare(QLatin1String("Lista"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("O nome \"Lista\" é reservado para a lista de participantes.");
    if (name.front().isSpace() || name.back().isSpace())
        return QStringLiteral("O nome não pode começar nem terminar com espaços: ele pareceria o "
                              "nome de outro participante, e o nome do arquivo esconderia os "
                              "espaços.");
    if (isWindowsDeviceName(name))
        return QStringLiteral("O nome \"%1\" é reservado pelo Windows para um dispositivo e não "
                              "pode ser o nome do arquivo do participante.")
            .arg(name);
    const int same = TextFile::findLine(list, name);
    if (same != TextFile::NotFound)
        return QStringLiteral("Já existe o participante \"%1\", que difere desse nome só em "
                              "letras maiúsculas e minúsculas.")
            .arg(list.at(same));
    return {};
}

QStringList startingCounters(const QString &poolDir, const QStringList &roundFile,
                             const QStringList &list, const QStringList &rankFile)
{
    if (roundFile.isEmpty())
        Season::storedRounds(roundFile); // reports the empty file
    if (roundFile.first() == QLatin1String("0") || list.isEmpty())
        return zeros();
    // The lowest-ranked participant still registered; one removed since the last recomputation
    // (or whose file is unreadable) passes the turn to the line above.
    for (int i = rankFile.size() - 1; i >= 0; --i) {
        const QString &name = rankFile.at(i);
        if (TextFile::findLine(list, name) == TextFile::NotFound || !isSafeStem(name))
            continue;
        QStringList lines;
        try {
            lines = readParticipant(poolDir, name);
        } catch (const VelurinoError &) {
            continue;
        }
        if (lines.size() < 1 + CounterLines)
            continue;
        const QStringList counters = lines.mid(1, CounterLines);
        if (std::all_of(counters.begin(), counters.end(), isInteger))
            return counters;
    }
    return zeros();
}

Registration registerParticipant(const QString &dataDir, const QString &poolDir,
                                 const QString &name)
{
    const QStringList list = readList(poolDir);
    const QStringList roundFile = TextFile::readLines(dataDir, Season::RoundFile);
    const QStringList rankFile = TextFile::readLines(dataDir, RankFile);

    // Blanks alone read as no name at all, and would name the file " .txt".
    if (name.trimmed().isEmpty())
        return {false, MsgEmptyName};
    if (list.contains(name, Qt::CaseSensitive))
        return {false, MsgTaken};
    const QString refusal = nameRefusal(name, list);
    if (!refusal.isEmpty())
        return {false, refusal};

    QStringList file{headerMarker(name)};
    file += startingCounters(poolDir, roundFile, list, rankFile);
    file += headerEndMarker(name);
    applyChanges(
        {FileChange::replace(participantPath(poolDir, name), file),
         FileChange::replace(TextFile::resolve(poolDir, ListFile), list + QStringList{name})});
    return {true, MsgRegistered};
}

Removal removeParticipant(const QString &poolDir, const QString &name)
{
    QStringList list = readList(poolDir);
    const int index = TextFile::findLine(list, name);
    if (index == TextFile::NotFound)
        return {};
    Removal removal;
    removal.found = true;
    removal.removedName = list.takeAt(index);
    QList<FileChange> changes{FileChange::replace(TextFile::resolve(poolDir, ListFile), list)};
    // A name put in the list by hand that cannot name a file of the pool directory has no file
    // to delete; it only leaves the list.
    if (isSafeStem(removal.removedName)) {
        const QString path = participantPath(poolDir, removal.removedName);
        if (QFile::exists(path)) {
            changes.append(FileChange::remove(path));
            removal.fileDeleted = true;
        }
    }
    applyChanges(changes);
    return removal;
}

QString countersPage(const QStringList &participantFile, const QString &name)
{
    const int a = TextFile::findLine(participantFile, headerMarker(name)) + 1;
    const int end = TextFile::findLine(participantFile, headerEndMarker(name));
    const int b = end == TextFile::NotFound ? -2 : end - 1;
    QString page;
    for (int i = a; i <= b; ++i)
        page += participantFile.at(i) + QLatin1String("<br>");
    return page;
}

int findSection(const QStringList &participantFile, int round)
{
    const int s = TextFile::findLine(participantFile, Season::roundMarker(round));
    return s <= 0 ? TextFile::NotFound : s;
}

std::optional<QStringList> readPredictions(const QString &poolDir, const QString &name, int round)
{
    if (!participantExists(poolDir, name))
        return std::nullopt;
    const QStringList lines = readParticipant(poolDir, name);
    const int s = findSection(lines, round);
    if (s == TextFile::NotFound)
        return std::nullopt;
    if (s + 2 * Season::MatchesPerRound >= lines.size())
        throw VelurinoError(QStringLiteral("O arquivo do participante \"%1\" está incompleto nos "
                                           "palpites da %2.")
                                .arg(name, Season::roundLabel(round)));
    return lines.mid(s + 1, 2 * Season::MatchesPerRound);
}

bool isRoundClosed(const QStringList &roundFile, const QStringList &resultFile, int round)
{
    return Season::roundState(Season::storedRounds(roundFile), round,
                              Season::findResultBlock(resultFile, round) != TextFile::NotFound) ==
           Season::RoundState::Closed;
}

bool isRoundClosed(const QString &dataDir, int round)
{
    const QStringList roundFile = TextFile::readLines(dataDir, Season::RoundFile);
    const QStringList resultFile = TextFile::readLines(dataDir, Season::ResultFile);
    return isRoundClosed(roundFile, resultFile, round);
}

bool isPrediction(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    // The ranking reads every prediction as a number: one it cannot read would stop every
    // recomputation until the bet was withdrawn.
    return TextFile::toInteger(text).has_value();
}

void storePredictions(const QString &poolDir, const QString &name, int round,
                      const QStringList &values)
{
    if (values.size() != 2 * Season::MatchesPerRound ||
        !std::all_of(values.begin(), values.end(), isPrediction))
        throw VelurinoError(
            QStringLiteral("Os palpites devem ser números de gols: só algarismos de 0 a 9, até "
                           "2147483647."));
    QStringList lines = readParticipant(poolDir, name);
    if (findSection(lines, round) != TextFile::NotFound)
        throw VelurinoError(QStringLiteral("Os palpites da %1 de \"%2\" já estão gravados.")
                                .arg(Season::roundLabel(round), name));
    lines += Season::roundMarker(round);
    lines += values;
    lines += Season::roundEndMarker(round);
    applyChanges({FileChange::replace(participantPath(poolDir, name), lines)});
}

void withdrawPredictions(const QString &poolDir, const QString &name, int round)
{
    QStringList lines = readParticipant(poolDir, name);
    const int s = findSection(lines, round);
    if (s == TextFile::NotFound)
        return;
    const int e = TextFile::findLine(lines, Season::roundEndMarker(round), s);
    if (e == TextFile::NotFound)
        return;
    lines.remove(s, e - s + 1);
    applyChanges({FileChange::replace(participantPath(poolDir, name), lines)});
}

} // namespace Pool
