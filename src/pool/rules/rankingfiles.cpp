// The ranking's files: the overall recomputation that stores every participant's counters and
// writes "Rank.txt", the ranking of one round, and the ranking from the stored counters.
#include "pool/rules/ranking.h"

#include "championship/rules/seasonfiles.h"
#include "platform/filechanges.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"
#include "pool/rules/poolfiles.h"
#include "pool/rules/scoring.h"

#include <QDir>

#include <charconv>
#include <string>

namespace {

QString participantFileLabel(const QString &name)
{
    return name + QLatin1String(".txt");
}

[[noreturn]] void missingCounters(const QString &name)
{
    throw VelurinoError(QStringLiteral("O arquivo \"%1\" está incompleto: faltam os pontos.")
                            .arg(participantFileLabel(name)));
}

// A line equal to `text` ignoring letter case, as every marker is looked up.
bool sameText(QByteArrayView line, const QString &text)
{
    // A character of the code page is one byte: other lengths never match.
    return line.size() == text.size() &&
           TextFile::decode(line.toByteArray()).compare(text, Qt::CaseInsensitive) == 0;
}

// The counters are written over lines 1 to 4 only between the participant's own header lines:
// in a file whose header is gone they would overwrite predictions or a name.
void checkHeader(const Pool::ParticipantScan &file, const QString &name)
{
    if (file.lineCount() < Pool::HeaderLines)
        missingCounters(name);
    if (!sameText(file.line(0), Pool::headerMarker(name)) ||
        !sameText(file.line(5), Pool::headerEndMarker(name)))
        throw VelurinoError(
            QStringLiteral("O arquivo \"%1\" está danificado: falta o cabeçalho do participante "
                           "(\"%2\" na linha 1 e \"%3\" na linha 6). Nenhum arquivo foi alterado.")
                .arg(participantFileLabel(name), Pool::headerMarker(name),
                     Pool::headerEndMarker(name)));
}

// Lines 0 to 4 as the recomputation writes them: the header line and the four counters.
void writeHead(std::string &out, QByteArrayView header, const TRankRow &row)
{
    out.assign(header.data(), size_t(header.size()));
    out += "\r\n";
    for (const int value : {row.PG, row.AC, row.AR, row.AG}) {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        out.append(digits, end);
        out += "\r\n";
    }
}

// The file from line 5 on as the program writes it, every line followed by CR LF.
void writeTail(std::string &out, QByteArrayView tail)
{
    out.clear();
    auto cursor = TextFile::lineCursor(tail);
    for (TextFile::LineSpan line; cursor.next(line);) {
        out.append(tail.data() + line.begin, size_t(line.length));
        out += "\r\n";
    }
}

QByteArrayView viewOf(const std::string &text)
{
    return {text.data(), qsizetype(text.size())};
}

// Every result block of the file, by round: the first block of each round, as every reader takes.
void decodeAllResults(const QByteArray &resultBytes,
                      std::array<Pool::RoundResult, Season::Rounds + 1> &results,
                      std::array<bool, Season::Rounds + 1> &withResults)
{
    const std::vector<TextFile::LineSpan> resultLines = Pool::lineSpans(resultBytes);
    for (int i = 0; i < int(resultLines.size()); ++i) {
        const TextFile::LineSpan &line = resultLines[size_t(i)];
        const int n =
            Pool::roundMarkerOf(QByteArrayView(resultBytes).sliced(line.begin, line.length));
        if (n > 0 && !withResults[size_t(n)]) {
            withResults[size_t(n)] = true;
            results[size_t(n)] = Pool::decodeResultBlock(n, resultBytes, resultLines, i);
        }
    }
}

QString absoluteDir(const QString &dir)
{
    return QDir(dir).absolutePath() + QLatin1Char('/');
}

} // namespace

namespace Pool {

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

std::optional<Ranking> RecomputeOverallRanking(const QString &dataDir, const QString &poolDir)
{
    const QByteArray resultBytes = TextFile::readBytes(dataDir, Season::ResultFile);
    const QStringList roundFile = TextFile::readLines(dataDir, Season::RoundFile);
    const QStringList list = Pool::readList(poolDir);

    const int stored = Season::storedRounds(roundFile);
    if (roundFile.size() < 2)
        throw VelurinoError(QStringLiteral("O arquivo \"%1\" está incompleto: falta a linha 2.")
                                .arg(Season::RoundFile));
    const int threshold = Season::toInteger(roundFile.at(1), Season::RoundFile, 1);

    const QString rankPath = TextFile::resolve(absoluteDir(dataDir), Pool::RankFile);
    if (list.isEmpty() || stored <= threshold) {
        applyChanges({FileChange::replace(rankPath, list)});
        return std::nullopt;
    }

    // Every round with a result block counts, in round order; a count that names a round without
    // a block skips it. Each block is decoded once, for the whole pool.
    std::array<Pool::RoundResult, Season::Rounds + 1> results;
    std::array<bool, Season::Rounds + 1> withResults{};
    decodeAllResults(resultBytes, results, withResults);

    const QString pool = absoluteDir(poolDir);
    const TextFile::DirectoryIndex poolIndex(pool);
    // Each new file goes to disk as soon as it is scored; nothing changes before the commit.
    StagedChanges staged({absoluteDir(dataDir), pool});
    Ranking rows;
    rows.reserve(list.size());
    QByteArray bytes;
    std::string head, tail;
    auto scan = std::make_unique<Pool::ParticipantScan>();
    for (const QString &name : list) {
        const QString path = Pool::participantPath(poolIndex, name);
        TextFile::readBytes(path, bytes);
        scan->scan(bytes, withResults, true);
        checkHeader(*scan, name);
        const QString label = participantFileLabel(name);
        TRankRow row{name};
        for (int n = 1; n <= Season::Rounds; ++n)
            Pool::ScoreRound(n, results[size_t(n)], *scan, label, row.AC, row.AR, row.AG);
        row.PG = 3 * row.AC + row.AR + row.AG;
        writeHead(head, scan->line(0), row);
        if (scan->tailAsWritten()) {
            staged.replace(path, {viewOf(head), scan->tail()});
        } else {
            writeTail(tail, scan->tail());
            staged.replace(path, {viewOf(head), viewOf(tail)});
        }
        rows.append(std::move(row));
    }
    SortRanking(rows);
    QStringList order;
    order.reserve(rows.size());
    for (const TRankRow &row : std::as_const(rows))
        order.append(row.name);
    staged.replace(rankPath, {TextFile::joinLines(order)});
    staged.commit();
    return rows;
}

std::optional<Ranking> ComputeRoundRanking(const QString &dataDir, const QString &poolDir, int n)
{
    // A round outside the season has no block, whatever the file holds.
    if (n < 1 || n > Season::Rounds)
        return std::nullopt;
    const QByteArray resultBytes = TextFile::readBytes(dataDir, Season::ResultFile);
    // Only the round's block is kept, from its marker to the first end marker, so lines are
    // counted from its marker, error messages included.
    std::vector<TextFile::LineSpan> kept;
    {
        const std::vector<TextFile::LineSpan> lines = Pool::lineSpans(resultBytes);
        int begin = TextFile::NotFound, end = TextFile::NotFound;
        for (int i = 0; i < int(lines.size()) && end == TextFile::NotFound; ++i) {
            const TextFile::LineSpan &line = lines[size_t(i)];
            const int marker =
                Pool::roundMarkerOf(QByteArrayView(resultBytes).sliced(line.begin, line.length));
            if (marker == n && begin == TextFile::NotFound)
                begin = i;
            else if (marker == -n)
                end = i;
        }
        if (begin != TextFile::NotFound && end != TextFile::NotFound)
            kept.assign(lines.begin() + begin, lines.begin() + end + 1);
    }
    const QStringList list = Pool::readList(poolDir);
    if (kept.empty())
        return std::nullopt;
    const Pool::RoundResult result = Pool::decodeResultBlock(n, resultBytes, kept, 0);

    std::array<bool, Season::Rounds + 1> wanted{};
    wanted[size_t(n)] = true;
    const TextFile::DirectoryIndex poolIndex(poolDir);
    Ranking rows;
    rows.reserve(list.size());
    QByteArray bytes;
    auto scan = std::make_unique<Pool::ParticipantScan>();
    for (const QString &name : list) {
        TextFile::readBytes(Pool::participantPath(poolIndex, name), bytes);
        scan->scan(bytes, wanted, false);
        TRankRow row{name};
        // Only a whole section counts here: its end marker must follow its marker.
        if (scan->hasEndAfterSection(n))
            Pool::ScoreRound(n, result, *scan, participantFileLabel(name), row.AC, row.AR, row.AG);
        row.PG = 3 * row.AC + row.AR + row.AG;
        rows.append(std::move(row));
    }
    SortRanking(rows);
    return rows;
}

Ranking LoadStoredRanking(const QString &poolDir)
{
    Ranking rows;
    const TextFile::DirectoryIndex poolIndex(poolDir);
    QByteArray bytes;
    for (const QString &name : Pool::readList(poolDir)) {
        TextFile::readBytes(Pool::participantPath(poolIndex, name), bytes);
        const QString label = participantFileLabel(name);
        // Only lines 1 to 4 are read, in order.
        std::array<int, 4> counters{};
        auto cursor = TextFile::lineCursor(bytes);
        TextFile::LineSpan line;
        cursor.next(line);
        for (int i = 1; i <= 4; ++i) {
            if (!cursor.next(line))
                missingCounters(name);
            const QByteArrayView text = QByteArrayView(bytes).sliced(line.begin, line.length);
            const std::optional<int> value = TextFile::toInteger(text);
            counters[size_t(i - 1)] =
                value ? *value : Season::toInteger(TextFile::decode(text.toByteArray()), label, i);
        }
        rows.append({name, counters[0], counters[1], counters[2], counters[3]});
    }
    SortRanking(rows);
    return rows;
}

RoundByRound ScoreRoundByRound(const QString &dataDir, const QString &poolDir)
{
    const QByteArray resultBytes = TextFile::readBytes(dataDir, Season::ResultFile);
    std::array<Pool::RoundResult, Season::Rounds + 1> results;
    std::array<bool, Season::Rounds + 1> withResults{};
    decodeAllResults(resultBytes, results, withResults);

    RoundByRound scores;
    scores.names = Pool::readList(poolDir);
    for (int n = 1; n <= Season::Rounds; ++n)
        if (withResults[size_t(n)])
            scores.rounds.append(n);
    scores.after.resize(scores.rounds.size());
    for (Ranking &rows : scores.after)
        rows.reserve(scores.names.size());
    const TextFile::DirectoryIndex poolIndex(poolDir);
    QByteArray bytes;
    auto scan = std::make_unique<Pool::ParticipantScan>();
    for (const QString &name : std::as_const(scores.names)) {
        TextFile::readBytes(Pool::participantPath(poolIndex, name), bytes);
        scan->scan(bytes, withResults, true);
        // Scored as the overall recomputation scores: a file it refuses is refused here too.
        checkHeader(*scan, name);
        const QString label = participantFileLabel(name);
        TRankRow row{name};
        for (qsizetype r = 0; r < scores.rounds.size(); ++r) {
            const int n = scores.rounds.at(r);
            Pool::ScoreRound(n, results[size_t(n)], *scan, label, row.AC, row.AR, row.AG);
            row.PG = 3 * row.AC + row.AR + row.AG;
            scores.after[r].append(row);
        }
    }
    return scores;
}
