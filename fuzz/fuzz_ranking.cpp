// The scoring of predictions against stored results. Input: a round number, the results file,
// then one participant's file. With a round, that round is scored by the round ranking (which
// cuts the round's block out of the results file first); without one, the overall recomputation
// scores every round with a block and stores the counters in the participant's file. Both are
// checked against the scoring as it was first described. The input's bytes also make up rows for
// the ranking order.
#include "fuzzinput.h"

#include "championship/rules/seasonfiles.h"
#include "pool/rules/poolfiles.h"
#include "pool/rules/ranking.h"

#include <tuple>

namespace {

const QString Name = QStringLiteral("Ana");

struct Counters
{
    int AC = 0, AR = 0, AG = 0;
    bool operator==(const Counters &) const = default;
};

// The round's score, or no value when the files make it fail (a block or section cut short, a
// score that is not a number).
std::optional<Counters> scoreAsDescribed(int n, const QStringList &results,
                                         const QStringList &participant)
{
    Counters c;
    const int iP = Fuzz::firstLine(participant, QStringLiteral("[%1]").arg(n));
    const int iR = Fuzz::firstLine(results, QStringLiteral("[%1]").arg(n));
    // Line 0 of a participant file is its header, never a section.
    if (iP <= 0 || iR < 0)
        return c;
    for (int k = 1; k <= Season::MatchesPerRound; ++k) {
        if (iR + 2 * k >= results.size())
            return std::nullopt;
        const QString &rh = results.at(iR + 2 * k - 1);
        const QString &ra = results.at(iR + 2 * k);
        if (rh == QLatin1String("NO") || ra == QLatin1String("NO"))
            continue;
        if (iP + 2 * k >= participant.size())
            return std::nullopt;
        const QString &ph = participant.at(iP + 2 * k - 1);
        const QString &pa = participant.at(iP + 2 * k);
        const auto r1 = Fuzz::integer(rh), r2 = Fuzz::integer(ra);
        const auto p1 = Fuzz::integer(ph), p2 = Fuzz::integer(pa);
        if (!r1 || !r2 || !p1 || !p2)
            return std::nullopt;
        const int resultSign = (*r1 > *r2) - (*r1 < *r2);
        const int predictedSign = (*p1 > *p2) - (*p1 < *p2);
        const bool outcome = resultSign == predictedSign;
        // Goals compare as typed: "01" is not "1".
        const int goals = int(rh == ph) + int(ra == pa);
        c.AR += int(outcome);
        c.AG += goals;
        c.AC += int(outcome && goals == 2);
    }
    return c;
}

// The counters are stored only between the participant's own header lines.
bool hasHeader(const QStringList &participant)
{
    return participant.size() >= 6 && Fuzz::sameLine(participant.at(0), "[" + Name + "]") &&
           Fuzz::sameLine(participant.at(5), "[/" + Name + "]");
}

int points(const Counters &c)
{
    return 3 * c.AC + c.AR + c.AG;
}

void oneRound(int n, const QStringList &results, const QStringList &participant,
              const QByteArray &resultBytes, const QByteArray &participantBytes)
{
    const std::optional<Counters> expected = scoreAsDescribed(n, results, participant);
    if (expected) {
        FUZZ_CHECK(expected->AC <= expected->AR && 2 * expected->AC <= expected->AG);
        FUZZ_CHECK(expected->AR <= Season::MatchesPerRound);
        FUZZ_CHECK(expected->AG <= 2 * Season::MatchesPerRound);
    }

    // The round ranking keeps only the block from "[n]" to "[/n]" and counts a section only when
    // its end marker follows it.
    const QString data = Fuzz::freshDirectory();
    const QString pool = data + QStringLiteral("player/");
    QDir().mkpath(pool);
    Fuzz::writeFile(data + Season::ResultFile, resultBytes);
    Fuzz::writeFile(pool + Name + QStringLiteral(".txt"), participantBytes);
    Fuzz::writeLines(pool + Pool::ListFile, {Name});

    const int begin = Fuzz::firstLine(results, Season::roundMarker(n));
    const int end = Fuzz::firstLine(results, Season::roundEndMarker(n));
    const QStringList kept =
        begin >= 0 && end >= begin ? results.mid(begin, end - begin + 1) : QStringList();
    const int s = Fuzz::firstLine(participant, Season::roundMarker(n));
    const bool whole = s > 0 && Fuzz::firstLine(participant, Season::roundEndMarker(n), s) >= 0;
    const std::optional<Counters> round =
        whole ? scoreAsDescribed(n, kept, participant) : Counters();

    std::optional<Ranking> ranking;
    try {
        ranking = ComputeRoundRanking(data, pool, n);
        FUZZ_CHECK(round);
    } catch (const VelurinoError &) {
        FUZZ_CHECK(kept.isEmpty() ? false : !round);
        return;
    }
    if (kept.isEmpty()) {
        FUZZ_CHECK(!ranking);
        return;
    }
    FUZZ_CHECK(ranking && ranking->size() == 1);
    const TRankRow &row = ranking->first();
    FUZZ_CHECK(row == (TRankRow{Name, points(*round), round->AC, round->AR, round->AG}));
}

void everyRound(const QStringList &results, const QStringList &participant,
                const QByteArray &resultBytes, const QByteArray &participantBytes)
{
    // Every round with a block counts, in round order; the first that fails stops the whole.
    std::optional<Counters> total = Counters();
    for (int n = 1; n <= Season::Rounds && total; ++n) {
        if (Fuzz::firstLine(results, Season::roundMarker(n)) < 0)
            continue;
        const std::optional<Counters> round = scoreAsDescribed(n, results, participant);
        if (round) {
            total->AC += round->AC;
            total->AR += round->AR;
            total->AG += round->AG;
        } else {
            total.reset();
        }
    }

    const QString data = Fuzz::freshDirectory();
    const QString pool = data + QStringLiteral("player/");
    QDir().mkpath(pool);
    Fuzz::writeFile(data + Season::ResultFile, resultBytes);
    // One stored round against a threshold of none, so the recomputation runs.
    Fuzz::writeLines(data + Season::RoundFile, {QStringLiteral("1"), QStringLiteral("0")});
    Fuzz::writeFile(pool + Name + QStringLiteral(".txt"), participantBytes);
    Fuzz::writeLines(pool + Pool::ListFile, {Name});

    std::optional<Ranking> ranking;
    try {
        ranking = RecomputeOverallRanking(data, pool);
    } catch (const VelurinoError &) {
        FUZZ_CHECK(!hasHeader(participant) || !total);
        // Nothing is written when the recomputation stops.
        FUZZ_CHECK(TextFile::readBytes(pool + Name + QStringLiteral(".txt")) == participantBytes);
        return;
    }
    FUZZ_CHECK(hasHeader(participant) && total);
    const TRankRow expected{Name, points(*total), total->AC, total->AR, total->AG};
    FUZZ_CHECK(ranking && *ranking == Ranking{expected});
    QStringList stored = participant;
    stored[1] = QString::number(expected.PG);
    stored[2] = QString::number(expected.AC);
    stored[3] = QString::number(expected.AR);
    stored[4] = QString::number(expected.AG);
    FUZZ_CHECK(Pool::readParticipant(pool, Name) == stored);
    FUZZ_CHECK(TextFile::readLines(data + Pool::RankFile) == QStringList{Name});
}

// The ranking order: the rows built from the input's bytes, with small counters so that many
// tie, must come out as the exchange procedure leaves them (for each row i, every later row j
// that ranks above it is exchanged with it), ties included.
void order(const uint8_t *data, size_t size)
{
    Ranking rows;
    for (size_t i = 0; i + 4 <= size && rows.size() < 48; i += 4)
        rows.append({QStringLiteral("P%1").arg(rows.size()), data[i] % 4, data[i + 1] % 3,
                     data[i + 2] % 3, data[i + 3] % 3});
    const auto above = [](const TRankRow &x, const TRankRow &y) {
        return std::tie(x.PG, x.AC, x.AR, x.AG) > std::tie(y.PG, y.AC, y.AR, y.AG);
    };
    Ranking expected = rows;
    for (qsizetype i = 0; i + 1 < expected.size(); ++i)
        for (qsizetype j = i + 1; j < expected.size(); ++j)
            if (above(expected.at(j), expected.at(i)))
                std::swap(expected[i], expected[j]);
    SortRanking(rows);
    FUZZ_CHECK(rows == expected);
}

void run(const uint8_t *data, size_t size)
{
    order(data, size);
    const QList<QByteArray> files = Fuzz::splitFiles(data, size, 3);
    const QStringList results = Fuzz::linesOf(files.at(1));
    const QStringList participant = Fuzz::linesOf(files.at(2));
    if (const auto n = Fuzz::integer(TextFile::decode(files.at(0))))
        oneRound(*n, results, participant, files.at(1), files.at(2));
    else
        everyRound(results, participant, files.at(1), files.at(2));
}

} // namespace

FUZZ_ENTRY(run)
