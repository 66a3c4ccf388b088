#include "pool/rules/scoring.h"

#include "platform/velurinoerror.h"

#include <algorithm>

namespace Pool {

namespace {

// Lines are mostly one or two bytes long: compared here rather than in a library call.
bool equal(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

QByteArrayView spanOf(QByteArrayView bytes, const TextFile::LineSpan &line)
{
    return bytes.sliced(line.begin, line.length);
}

// The value of a line that must be a number, or the message naming the file and line.
std::optional<int> valueOf(QByteArrayView text, const QString &file, int line, QString &error)
{
    if (const std::optional<int> value = TextFile::toInteger(text))
        return value;
    try {
        Season::toInteger(TextFile::decode(text.toByteArray()), file, line);
    } catch (const VelurinoError &e) {
        error = e.message();
    }
    return std::nullopt;
}

} // namespace

std::vector<TextFile::LineSpan> lineSpans(QByteArrayView bytes)
{
    std::vector<TextFile::LineSpan> lines;
    auto cursor = TextFile::lineCursor(bytes);
    for (TextFile::LineSpan line; cursor.next(line);)
        lines.push_back(line);
    return lines;
}

RoundResult decodeResultBlock(int n, QByteArrayView bytes,
                              const std::vector<TextFile::LineSpan> &lines, int marker)
{
    RoundResult result;
    result.present = true;
    const int size = int(lines.size());
    for (int k = 0; k < Season::MatchesPerRound; ++k) {
        ResultMatch &match = result.matches[size_t(k)];
        const int home = marker + 2 * k + 1;
        if (home + 1 >= size) {
            match.state = ResultMatch::Cut;
            match.error = QStringLiteral("O arquivo \"%1\" está incompleto no bloco da %2.")
                              .arg(Season::ResultFile, Season::roundLabel(n));
            break; // the later matches are never reached
        }
        match.homeText = spanOf(bytes, lines[size_t(home)]);
        match.awayText = spanOf(bytes, lines[size_t(home + 1)]);
        if (equal(match.homeText, "NO") || equal(match.awayText, "NO")) {
            match.state = ResultMatch::NotPlayed;
            continue;
        }
        const std::optional<int> h = valueOf(match.homeText, Season::ResultFile, home, match.error);
        const std::optional<int> a =
            h ? valueOf(match.awayText, Season::ResultFile, home + 1, match.error) : std::nullopt;
        match.state = h && a ? ResultMatch::Played : ResultMatch::Damaged;
        match.home = h.value_or(0);
        match.away = a.value_or(0);
    }
    return result;
}

int roundMarkerOf(QByteArrayView line)
{
    if (line.size() < 3 || line.size() > 5 || line.front() != '[' || line.back() != ']')
        return 0;
    const bool end = line[1] == '/';
    const QByteArrayView digits = line.sliced(end ? 2 : 1, line.size() - (end ? 3 : 2));
    if (digits.isEmpty() || digits.size() > 2 || digits.front() == '0')
        return 0;
    int round = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return 0;
        round = 10 * round + (c - '0');
    }
    if (round > Season::Rounds)
        return 0;
    return end ? -round : round;
}

void ParticipantScan::scan(QByteArrayView bytes, const std::array<bool, Season::Rounds + 1> &wanted,
                           bool whole)
{
    m_bytes = bytes;
    m_first.fill(TextFile::NotFound);
    m_endAfter.fill(false);
    m_collected.fill(0);
    m_header.fill({});
    m_tailBegin = bytes.size();
    m_tailAsWritten = true;
    // The sections still taking their 22 lines: one in a sound file, several only when
    // sections overlap in a damaged one.
    std::array<int, Season::Rounds + 1> open;
    int opened = 0;
    int pending = int(std::count(wanted.begin(), wanted.end(), true));
    auto cursor = TextFile::lineCursor(bytes);
    int i = 0;
    for (TextFile::LineSpan line; cursor.next(line); ++i) {
        if (i < HeaderLines)
            m_header[size_t(i)] = line;
        if (i == 5)
            m_tailBegin = line.begin;
        if (i >= 5 && !line.crlf)
            m_tailAsWritten = false;
        for (int s = 0; s < opened;) {
            const size_t round = size_t(open[size_t(s)]);
            m_values[round][size_t(m_collected[round]++)] = line;
            if (m_collected[round] == 2 * Season::MatchesPerRound)
                open[size_t(s)] = open[size_t(--opened)];
            else
                ++s;
        }
        if (line.length < 3 || bytes[line.begin] != '[')
            continue;
        const int marker = roundMarkerOf(spanOf(bytes, line));
        if (marker > 0 && m_first[size_t(marker)] == TextFile::NotFound) {
            m_first[size_t(marker)] = i;
            if (i > 0 && wanted[size_t(marker)])
                open[size_t(opened++)] = marker;
            else if (wanted[size_t(marker)])
                --pending; // the header: never a section
        } else if (marker < 0 && m_first[size_t(-marker)] > 0 && !m_endAfter[size_t(-marker)]) {
            m_endAfter[size_t(-marker)] = true;
            if (wanted[size_t(-marker)])
                --pending;
        }
        if (!whole && pending == 0 && opened == 0)
            break;
    }
    m_lines = i;
}

QByteArrayView ParticipantScan::line(int i) const
{
    return spanOf(m_bytes, m_header[size_t(i)]);
}

void ScoreRound(int n, const RoundResult &result, const ParticipantScan &participant,
                const QString &label, int &AC, int &AR, int &AG)
{
    const int first = participant.section(n);
    if (first <= 0 || !result.present)
        return;
    const auto &values = participant.m_values[size_t(n)];
    const int collected = participant.m_collected[size_t(n)];
    // One side of the participant's match: its line must be there, and be a number. The checks
    // run in the order a reader meets the lines, so a damaged file is reported by the same
    // message however it was read.
    const auto predicted = [&](int v) {
        if (v >= collected)
            throw VelurinoError(
                QStringLiteral("O arquivo \"%1\" está incompleto: faltam placares de uma rodada.")
                    .arg(label));
        QString error;
        const std::optional<int> value =
            valueOf(spanOf(participant.m_bytes, values[size_t(v)]), label, first + v + 1, error);
        if (!value)
            throw VelurinoError(error);
        return *value;
    };
    for (int k = 0; k < Season::MatchesPerRound; ++k) {
        const ResultMatch &match = result.matches[size_t(k)];
        if (match.state == ResultMatch::NotPlayed)
            continue;
        if (match.state != ResultMatch::Played)
            throw VelurinoError(match.error);
        const int p1 = predicted(2 * k);
        const int p2 = predicted(2 * k + 1);
        const int r1 = match.home, r2 = match.away;
        // The outcome compares the values, the goals compare the texts ("01" is not "1").
        const bool outcome = (r1 > r2 && p1 > p2) || (r1 < r2 && p1 < p2) || (r1 == r2 && p1 == p2);
        const bool homeGoals =
            equal(match.homeText, spanOf(participant.m_bytes, values[size_t(2 * k)]));
        const bool awayGoals =
            equal(match.awayText, spanOf(participant.m_bytes, values[size_t(2 * k + 1)]));
        AR += int(outcome);
        AG += int(homeGoals) + int(awayGoals);
        AC += int(outcome && homeGoals && awayGoals);
    }
}

} // namespace Pool
