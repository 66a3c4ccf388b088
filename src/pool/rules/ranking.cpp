#include "pool/rules/ranking.h"

#include "championship/rules/seasonfiles.h"
#include "platform/filechanges.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"
#include "pool/rules/poolfiles.h"

#include <QByteArrayView>

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>
#include <vector>

namespace {

QString participantFileLabel(const QString &name)
{
    return name.isEmpty() ? QStringLiteral("do participante") : name + QLatin1String(".txt");
}

[[noreturn]] void missingCounters(const QString &name)
{
    throw VelurinoError(QStringLiteral("O arquivo \"%1\" está incompleto: faltam os pontos.")
                            .arg(participantFileLabel(name)));
}

[[noreturn]] void missingScores(const QString &file)
{
    throw VelurinoError(
        QStringLiteral("O arquivo \"%1\" está incompleto: faltam placares de uma rodada.")
            .arg(file));
}

// A file's bytes cut into lines where TextFile::splitLines cuts the decoded text. The code page
// maps every byte to one character and only CR and LF to CR and LF, so the cuts are the same, a
// line's text is its bytes decoded alone, and two lines are equal texts exactly when they are
// equal bytes. Scoring a pool of thousands of files therefore needs no decoding at all.
class Lines
{
public:
    Lines() = default;
    explicit Lines(QByteArray bytes) { reset(std::move(bytes)); }

    void reset(QByteArray bytes)
    {
        m_bytes = std::move(bytes);
        m_spans.clear();
        const char *data = m_bytes.constData();
        const int n = int(m_bytes.size());
        int start = 0;
        for (int i = 0; i < n; ++i) {
            const char c = data[i];
            if (c != '\r' && c != '\n')
                continue;
            m_spans.push_back({start, i - start});
            if (c == '\r' && i + 1 < n && data[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
        if (start < n)
            m_spans.push_back({start, n - start});
    }

    int size() const { return int(m_spans.size()); }
    QByteArrayView at(int i) const
    {
        return {m_bytes.constData() + m_spans[size_t(i)].begin, m_spans[size_t(i)].length};
    }

    // The first line from `from` on that equals `text`, or TextFile::NotFound. Only for texts
    // without letters (the round markers), where ignoring letter case changes nothing.
    int find(QByteArrayView text, int from = 0) const
    {
        for (int i = std::max(from, 0); i < size(); ++i)
            if (equal(at(i), text))
                return i;
        return TextFile::NotFound;
    }

    // The first line of every round marker "[1]" to "[42]", in one pass over the file.
    std::array<int, Season::Rounds + 1> roundMarkers() const
    {
        std::array<int, Season::Rounds + 1> first;
        first.fill(TextFile::NotFound);
        for (int i = 0; i < size(); ++i) {
            const QByteArrayView line = at(i);
            if (line.size() < 3 || line.size() > 4 || line.front() != '[' || line.back() != ']')
                continue;
            const int round = roundNumber(line.sliced(1, line.size() - 2));
            if (round >= 1 && round <= Season::Rounds && first[size_t(round)] == TextFile::NotFound)
                first[size_t(round)] = i;
        }
        return first;
    }

    // The interface the scoring reads a file through (StringLines below is the other one).
    bool isNotPlayed(int i) const { return equal(at(i), QByteArrayView("NO")); }
    bool same(int i, const Lines &other, int j) const { return equal(at(i), other.at(j)); }
    int value(int i, const QString &file) const
    {
        // Plain digits, the form every score and counter is written in, are read here; anything
        // else goes through the general conversion, which also words the error.
        const QByteArrayView line = at(i);
        if (line.size() >= 1 && line.size() <= 9) {
            int v = 0;
            bool digits = true;
            for (const char c : line) {
                if (c < '0' || c > '9') {
                    digits = false;
                    break;
                }
                v = 10 * v + (c - '0');
            }
            if (digits)
                return v;
        }
        return Season::toInteger(text(i), file, i);
    }

    QString text(int i) const
    {
        const QByteArrayView line = at(i);
        for (const char c : line)
            if (uchar(c) >= 0x80)
                return TextFile::decode(line.toByteArray());
        return sharedText(line);
    }

    // The file as it is written back: every line followed by CR LF, lines 1 to 4 replaced by
    // `counters`. Lines are their own bytes in the code page, so no text is built at all.
    QByteArray writtenWith(const std::array<int, 4> &counters) const
    {
        std::array<QByteArray, 4> numbers;
        qsizetype length = 0;
        for (size_t c = 0; c < numbers.size(); ++c)
            length += (numbers[c] = QByteArray::number(counters[c])).size();
        for (const Span &span : m_spans)
            length += span.length + 2;
        QByteArray out(length, Qt::Uninitialized);
        char *to = out.data();
        // Most lines are one or two bytes: copied by hand rather than appended.
        const auto put = [&to](const char *from, qsizetype n) {
            for (qsizetype k = 0; k < n; ++k)
                *to++ = from[k];
            *to++ = '\r';
            *to++ = '\n';
        };
        for (int i = 0; i < size(); ++i) {
            if (i >= 1 && i <= 4) {
                const QByteArray &number = numbers[size_t(i - 1)];
                put(number.constData(), number.size());
            } else {
                put(m_bytes.constData() + m_spans[size_t(i)].begin, m_spans[size_t(i)].length);
            }
        }
        out.truncate(to - out.constData());
        return out;
    }

    // The whole file as lines of text. The short lines that fill a participant file (goal
    // figures and round markers) share one text each, so a pool of thousands of files held at
    // once for writing costs one list entry per line rather than one allocation.
    QStringList texts() const
    {
        QStringList lines;
        lines.reserve(size());
        for (int i = 0; i < size(); ++i)
            lines.append(text(i));
        return lines;
    }

private:
    // Lines are mostly one or two bytes long: compared here rather than in a library call.
    static bool equal(QByteArrayView a, QByteArrayView b)
    {
        return a.size() == b.size() && std::memcmp(a.data(), b.data(), size_t(a.size())) == 0;
    }

    struct Span
    {
        int begin;
        int length;
    };

    // The number written in `digits` as QString::number writes it (no sign, no leading zero),
    // else 0.
    static int roundNumber(QByteArrayView digits)
    {
        if (digits.isEmpty() || digits.size() > 2 || digits.front() == '0')
            return 0;
        int v = 0;
        for (const char c : digits) {
            if (c < '0' || c > '9')
                return 0;
            v = 10 * v + (c - '0');
        }
        return v;
    }

    static QString sharedText(QByteArrayView line)
    {
        static const std::vector<QString> digits = [] {
            std::vector<QString> texts;
            for (int v = 0; v < 10; ++v)
                texts.push_back(QString::number(v));
            for (int v = 0; v < 100; ++v)
                texts.push_back(QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')));
            return texts;
        }();
        static const std::vector<QString> markers = [] {
            std::vector<QString> texts{QString(), QString()};
            for (int round = 1; round <= Season::Rounds; ++round)
                texts.insert(texts.end(),
                             {Season::roundMarker(round), Season::roundEndMarker(round)});
            return texts;
        }();
        const auto digit = [](char c) { return c >= '0' && c <= '9'; };
        if (line.size() == 1 && digit(line[0]))
            return digits[size_t(line[0] - '0')];
        if (line.size() == 2 && digit(line[0]) && digit(line[1]))
            return digits[size_t(10 + 10 * (line[0] - '0') + (line[1] - '0'))];
        if (line.size() >= 3 && line.front() == '[' && line.back() == ']') {
            const bool end = line[1] == '/';
            const int round = roundNumber(line.sliced(end ? 2 : 1, line.size() - (end ? 3 : 2)));
            if (round >= 1 && round <= Season::Rounds)
                return markers[size_t(2 * round + (end ? 1 : 0))];
        }
        return QString::fromLatin1(line);
    }

    QByteArray m_bytes;
    std::vector<Span> m_spans;
};

// A line list read through the same interface as Lines.
struct StringLines
{
    const QStringList &lines;

    int size() const { return int(lines.size()); }
    bool isNotPlayed(int i) const { return lines.at(i) == Season::NotPlayed; }
    bool same(int i, const StringLines &other, int j) const
    {
        return lines.at(i) == other.lines.at(j);
    }
    int value(int i, const QString &file) const { return Season::toInteger(lines.at(i), file, i); }
};

// One side of a match: its line must be there, and be a number.
template <typename File> int sideValue(const File &file, int line, const QString &label)
{
    if (line >= file.size())
        missingScores(label);
    return file.value(line, label);
}

void scoreSides(int r1, int r2, int p1, int p2, bool homeGoals, bool awayGoals, int &AC, int &AR,
                int &AG)
{
    // The outcome compares the values, the goals compare the texts ("01" is not "1").
    const bool outcome = (r1 > r2 && p1 > p2) || (r1 < r2 && p1 < p2) || (r1 == r2 && p1 == p2);
    if (outcome)
        ++AR;
    AG += int(homeGoals) + int(awayGoals);
    if (outcome && homeGoals && awayGoals)
        ++AC;
}

// The 11 matches of round `n`: the result block starting at line iR against the participant's
// section starting at line iP. The checks run in the order a reader meets the lines, so a
// damaged file is reported by the same message whichever way the lines were read.
template <typename File>
void scoreSection(int n, const File &results, int iR, const File &participant, int iP,
                  const QString &participantLabel, int &AC, int &AR, int &AG)
{
    for (int k = 1; k <= Season::MatchesPerRound; ++k) {
        const int home = iR + 2 * k - 1;
        if (home + 1 >= results.size())
            throw VelurinoError(QStringLiteral("O arquivo \"%1\" está incompleto no bloco da %2.")
                                    .arg(Season::ResultFile, Season::roundLabel(n)));
        if (results.isNotPlayed(home) || results.isNotPlayed(home + 1))
            continue;
        const int r1 = sideValue(results, home, Season::ResultFile);
        const int r2 = sideValue(results, home + 1, Season::ResultFile);
        const int predicted = iP + 2 * k - 1;
        const int p1 = sideValue(participant, predicted, participantLabel);
        const int p2 = sideValue(participant, predicted + 1, participantLabel);
        scoreSides(r1, r2, p1, p2, results.same(home, participant, predicted),
                   results.same(home + 1, participant, predicted + 1), AC, AR, AG);
    }
}

Lines readFile(const QString &path)
{
    return Lines(TextFile::readBytes(path));
}

// A sequence that moves its first k entries to its end, and grows at its end, each in
// logarithmic time: an implicit treap. The priorities only keep it balanced; the order of the
// entries never depends on them.
class RotatingQueue
{
public:
    void clear()
    {
        m_nodes.clear();
        m_root = -1;
    }
    int size() const { return sizeOf(m_root); }
    void append(int value)
    {
        m_nodes.push_back({value, nextPriority(), -1, -1, 1});
        m_root = merge(m_root, int(m_nodes.size()) - 1);
    }
    void rotate(int k)
    {
        if (k == 0)
            return;
        const auto [front, back] = split(m_root, k);
        m_root = merge(back, front);
    }
    template <typename Visit> void forEach(Visit visit) const { walk(m_root, visit); }

private:
    struct Node
    {
        int value;
        quint32 priority;
        int left;
        int right;
        int size;
    };

    quint32 nextPriority()
    {
        m_seed ^= m_seed << 13;
        m_seed ^= m_seed >> 17;
        m_seed ^= m_seed << 5;
        return m_seed;
    }
    int sizeOf(int t) const { return t < 0 ? 0 : m_nodes[size_t(t)].size; }
    void update(int t)
    {
        Node &node = m_nodes[size_t(t)];
        node.size = 1 + sizeOf(node.left) + sizeOf(node.right);
    }
    int merge(int a, int b)
    {
        if (a < 0)
            return b;
        if (b < 0)
            return a;
        if (m_nodes[size_t(a)].priority > m_nodes[size_t(b)].priority) {
            const int right = merge(m_nodes[size_t(a)].right, b);
            m_nodes[size_t(a)].right = right;
            update(a);
            return a;
        }
        const int left = merge(a, m_nodes[size_t(b)].left);
        m_nodes[size_t(b)].left = left;
        update(b);
        return b;
    }
    // The first k entries of `t`, and the rest.
    std::pair<int, int> split(int t, int k)
    {
        if (t < 0)
            return {-1, -1};
        const int leftSize = sizeOf(m_nodes[size_t(t)].left);
        if (k <= leftSize) {
            const auto [a, b] = split(m_nodes[size_t(t)].left, k);
            m_nodes[size_t(t)].left = b;
            update(t);
            return {a, t};
        }
        const auto [a, b] = split(m_nodes[size_t(t)].right, k - leftSize - 1);
        m_nodes[size_t(t)].right = a;
        update(t);
        return {t, b};
    }
    template <typename Visit> void walk(int t, Visit &visit) const
    {
        if (t < 0)
            return;
        walk(m_nodes[size_t(t)].left, visit);
        visit(m_nodes[size_t(t)].value);
        walk(m_nodes[size_t(t)].right, visit);
    }

    std::vector<Node> m_nodes;
    int m_root = -1;
    quint32 m_seed = 2463534242u;
};

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
    // Converted in this order, so that of two bad texts the same one is reported.
    const int r1 = value(rh);
    const int r2 = value(ra);
    const int p1 = value(ph);
    const int p2 = value(pa);
    scoreSides(r1, r2, p1, p2, rh == ph, ra == pa, AC, AR, AG);
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
    scoreSection(n, StringLines{resultFile}, iR, StringLines{participantFile}, iP,
                 participantFileLabel(participantName), AC, AR, AG);
}

// The exchange procedure compares every pair, which a pool of 100,000 participants cannot wait
// for; this gives the very same order in O(n log n). Two facts about the procedure make that
// possible. Step i puts at row i the first row, in the rows' order at that time, of the best
// counters left, so rows come out best first and a group of rows with equal counters leaves in
// the order it has when the first of them reaches the front. And a row moves only when the
// step carries it: it then jumps to the place of the next row to its right that ranks above it,
// passing every row of its own group in between. Following one group through the steps taken by
// the h rows that rank above it, with those h rows cutting the list into h + 1 runs: the group's
// rows of the first run are queued in list order, and at each of the h steps the queue's front
// row (if any) goes to its back, then the group's rows of the next run join at the back. The
// queue at the end is the group's order. The test suite holds this to the procedure itself.
void SortRanking(Ranking &rows)
{
    const int n = int(rows.size());
    if (n < 2)
        return;
    // Best first; equal counters keep list order, so each group lists its rows as they came.
    std::vector<int> byRank(static_cast<size_t>(n));
    std::iota(byRank.begin(), byRank.end(), 0);
    std::stable_sort(byRank.begin(), byRank.end(),
                     [&rows](int a, int b) { return Pool::ranksAbove(rows.at(a), rows.at(b)); });
    std::vector<int> groupOf(static_cast<size_t>(n));
    std::vector<int> groupStart{0}; // the first place of each group = rows ranking above it
    for (int p = 0; p < n; ++p) {
        if (p > 0 && Pool::ranksAbove(rows.at(byRank[size_t(p - 1)]), rows.at(byRank[size_t(p)])))
            groupStart.push_back(p);
        groupOf[size_t(byRank[size_t(p)])] = int(groupStart.size()) - 1;
    }
    const int groups = int(groupStart.size());
    groupStart.push_back(n);

    // For each row, how many rows ranking above it come before it in the list: its run.
    std::vector<int> run(static_cast<size_t>(n));
    std::vector<int> seen(size_t(groups) + 1, 0); // a Fenwick tree over the groups
    for (int i = 0; i < n; ++i) {
        const int g = groupOf[size_t(i)];
        int above = 0;
        for (int k = g; k > 0; k -= k & -k)
            above += seen[size_t(k)];
        run[size_t(i)] = above;
        for (int k = g + 1; k <= groups; k += k & -k)
            ++seen[size_t(k)];
    }

    Ranking sorted;
    sorted.reserve(n);
    RotatingQueue queue;
    for (int g = 0; g < groups; ++g) {
        const int first = groupStart[size_t(g)];
        const int count = groupStart[size_t(g) + 1] - first;
        queue.clear();
        int steps = 0;
        for (int p = first; p < first + count; ++p) {
            const int row = byRank[size_t(p)];
            if (queue.size() > 0)
                queue.rotate((run[size_t(row)] - steps) % queue.size());
            steps = run[size_t(row)];
            queue.append(row);
        }
        queue.rotate((first - steps) % queue.size());
        queue.forEach([&](int row) { sorted.append(std::move(rows[row])); });
    }
    rows = std::move(sorted);
}

std::optional<Ranking> RecomputeOverallRanking(const QString &dataDir, const QString &poolDir)
{
    const Lines resultFile = readFile(TextFile::resolve(dataDir, Season::ResultFile));
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
    // a block skips it. The markers of each file are found once, not once per round.
    const std::array<int, Season::Rounds + 1> blocks = resultFile.roundMarkers();
    Ranking rows;
    rows.reserve(list.size());
    QList<FileChange> changes;
    changes.reserve(list.size() + 1);
    Lines lines;
    for (const QString &name : list) {
        const QString path = Pool::participantPath(poolDir, name);
        lines.reset(TextFile::readBytes(path));
        if (lines.size() < 6)
            missingCounters(name);
        const QString label = participantFileLabel(name);
        const std::array<int, Season::Rounds + 1> sections = lines.roundMarkers();
        TRankRow row{name};
        for (int n = 1; n <= Season::Rounds; ++n) {
            // A marker found first on line 0 is the participant's own name, not a section.
            if (blocks[size_t(n)] == TextFile::NotFound || sections[size_t(n)] <= 0)
                continue;
            scoreSection(n, resultFile, blocks[size_t(n)], lines, sections[size_t(n)], label,
                         row.AC, row.AR, row.AG);
        }
        row.PG = 3 * row.AC + row.AR + row.AG;
        rows.append(row);
        changes.append(
            FileChange::replaceBytes(path, lines.writtenWith({row.PG, row.AC, row.AR, row.AG})));
    }
    SortRanking(rows);
    QStringList order;
    order.reserve(rows.size());
    for (const TRankRow &row : std::as_const(rows))
        order.append(row.name);
    changes.append(FileChange::replace(rankPath, order));
    applyChanges(changes);
    return rows;
}

std::optional<Ranking> ComputeRoundRanking(const QString &dataDir, const QString &poolDir, int n)
{
    const QByteArray resultBytes =
        TextFile::readBytes(TextFile::resolve(dataDir, Season::ResultFile));
    const Lines resultFile(resultBytes);
    const QByteArray marker = Season::roundMarker(n).toLatin1();
    const QByteArray endMarker = Season::roundEndMarker(n).toLatin1();
    const int begin = resultFile.find(marker);
    const int end = resultFile.find(endMarker);
    // Only the round's block is kept, so lines are counted from its marker, error messages
    // included.
    Lines kept;
    if (begin != TextFile::NotFound && end != TextFile::NotFound && end >= begin) {
        const qsizetype from = resultFile.at(begin).data() - resultBytes.constData();
        const qsizetype to =
            resultFile.at(end).data() + resultFile.at(end).size() - resultBytes.constData();
        kept.reset(resultBytes.mid(from, to - from));
    }
    const QStringList list = Pool::readList(poolDir);
    if (kept.size() == 0)
        return std::nullopt;

    Ranking rows;
    rows.reserve(list.size());
    Lines lines;
    for (const QString &name : list) {
        lines.reset(TextFile::readBytes(Pool::participantPath(poolDir, name)));
        TRankRow row{name};
        // Only a whole section counts here: its end marker must follow its marker. A marker
        // found first on line 0 is the participant's own name, not a section.
        const int s = lines.find(marker);
        if (s > 0 && lines.find(endMarker, s) != TextFile::NotFound)
            scoreSection(n, kept, 0, lines, s, participantFileLabel(name), row.AC, row.AR, row.AG);
        row.PG = 3 * row.AC + row.AR + row.AG;
        rows.append(row);
    }
    SortRanking(rows);
    return rows;
}

Ranking LoadStoredRanking(const QString &poolDir)
{
    Ranking rows;
    Lines lines;
    for (const QString &name : Pool::readList(poolDir)) {
        lines.reset(TextFile::readBytes(Pool::participantPath(poolDir, name)));
        const QString label = participantFileLabel(name);
        const auto counter = [&](int line) {
            if (line >= lines.size())
                missingCounters(name);
            return lines.value(line, label);
        };
        rows.append({name, counter(1), counter(2), counter(3), counter(4)});
    }
    SortRanking(rows);
    return rows;
}

RoundByRound ScoreRoundByRound(const QString &dataDir, const QString &poolDir)
{
    const Lines resultFile = readFile(TextFile::resolve(dataDir, Season::ResultFile));
    RoundByRound scores;
    scores.names = Pool::readList(poolDir);
    const std::array<int, Season::Rounds + 1> blocks = resultFile.roundMarkers();
    for (int n = 1; n <= Season::Rounds; ++n)
        if (blocks[size_t(n)] != TextFile::NotFound)
            scores.rounds.append(n);
    scores.after.resize(scores.rounds.size());
    for (Ranking &rows : scores.after)
        rows.reserve(scores.names.size());
    Lines lines;
    for (const QString &name : std::as_const(scores.names)) {
        lines.reset(TextFile::readBytes(Pool::participantPath(poolDir, name)));
        const QString label = participantFileLabel(name);
        const std::array<int, Season::Rounds + 1> sections = lines.roundMarkers();
        TRankRow row{name};
        for (qsizetype r = 0; r < scores.rounds.size(); ++r) {
            const int n = scores.rounds.at(r);
            // A marker found first on line 0 is the participant's own name, not a section.
            if (sections[size_t(n)] > 0)
                scoreSection(n, resultFile, blocks[size_t(n)], lines, sections[size_t(n)], label,
                             row.AC, row.AR, row.AG);
            row.PG = 3 * row.AC + row.AR + row.AG;
            scores.after[r].append(row);
        }
    }
    return scores;
}
