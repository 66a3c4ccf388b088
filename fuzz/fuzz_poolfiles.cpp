// A participant file as the pool reads it: the counters page between the header markers, the
// section of a round (never the header line), the 22 predictions after it, the four counters
// that a late participant starts with and that the stored ranking shows, and the withdrawal of a
// section. Input: the participant file, the participant's name (default "Ana"), then a round
// number (without one, every round 1 to 42). The file goes into a pool directory of its own.
#include "fuzzinput.h"

#include "championship/rules/seasonfiles.h"
#include "pool/rules/poolfiles.h"
#include "pool/rules/ranking.h"

#include <functional>

namespace {

constexpr int Predictions = 2 * Season::MatchesPerRound;

QString countersPageAsDescribed(const QStringList &lines, const QString &name)
{
    const int a = Fuzz::firstLine(lines, QLatin1Char('[') + name + QLatin1Char(']')) + 1;
    const int end = Fuzz::firstLine(lines, QStringLiteral("[/") + name + QLatin1Char(']'));
    const int b = end - 1;
    QString page;
    for (int i = a; i <= b; ++i)
        page += lines.at(i) + QStringLiteral("<br>");
    return page;
}

int sectionAsDescribed(const QStringList &lines, int round)
{
    const int s = Fuzz::firstLine(lines, QStringLiteral("[%1]").arg(round));
    return s == 0 ? -1 : s;
}

// Lines 1 to 4, when the file has them and all four are numbers.
std::optional<QStringList> counters(const QStringList &lines)
{
    if (lines.size() < 5)
        return std::nullopt;
    const QStringList four = lines.mid(1, 4);
    for (const QString &line : four)
        if (!Fuzz::integer(line))
            return std::nullopt;
    return four;
}

bool refused(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const VelurinoError &) {
        return true;
    }
    return false;
}

void inMemory(const QStringList &lines, const QString &name, const QList<int> &rounds)
{
    FUZZ_CHECK(Pool::countersPage(lines, name) == countersPageAsDescribed(lines, name));
    for (int round : rounds)
        FUZZ_CHECK(Pool::findSection(lines, round) == sectionAsDescribed(lines, round));
}

void throughFiles(const QByteArray &bytes, const QStringList &lines, const QString &name,
                  const QList<int> &rounds)
{
    const QString pool = Fuzz::freshDirectory();
    // A name that cannot be a file of the pool directory is refused before any file is opened.
    const QString path = Pool::participantPath(pool, name);
    FUZZ_CHECK(path.startsWith(pool));
    FUZZ_CHECK(!path.mid(pool.size()).contains(QLatin1Char('/')));
    Fuzz::writeFile(path, bytes);

    // Each read goes through the file again, so three rounds stand for all of them here.
    QList<int> read{rounds.first(), rounds.at(rounds.size() / 2), rounds.last()};
    read.erase(std::unique(read.begin(), read.end()), read.end());
    for (int round : std::as_const(read)) {
        const int s = sectionAsDescribed(lines, round);
        std::optional<QStringList> predictions;
        const bool cut = refused([&] { predictions = Pool::readPredictions(pool, name, round); });
        if (s < 0)
            FUZZ_CHECK(!cut && !predictions);
        else if (s + Predictions >= lines.size())
            FUZZ_CHECK(cut);
        else
            FUZZ_CHECK(!cut && predictions && *predictions == lines.mid(s + 1, Predictions));
    }

    // A late participant starts with the counters of the last one ranked, when they are numbers.
    const QStringList starting =
        Pool::startingCounters(pool, {QStringLiteral("1")}, {name}, {name});
    FUZZ_CHECK(starting == counters(lines).value_or(QStringList(4, QStringLiteral("0"))));

    // Withdrawing a round takes out its marker through its end marker and nothing else.
    const int round = rounds.first();
    Pool::withdrawPredictions(pool, name, round);
    QStringList after = lines;
    const int s = sectionAsDescribed(lines, round);
    const int e = s < 0 ? -1 : Fuzz::firstLine(lines, QStringLiteral("[/%1]").arg(round), s);
    if (e >= 0)
        after.remove(s, e - s + 1);
    FUZZ_CHECK(Pool::readParticipant(pool, name) == after);

    // The stored ranking of a pool of one; a participant named "Lista" would share its file with
    // the list, which registration refuses.
    if (Fuzz::sameLine(name, QStringLiteral("Lista")))
        return;
    Fuzz::writeLines(pool + Pool::ListFile, {name});
    const std::optional<QStringList> four = counters(after);
    Ranking stored;
    const bool unreadable = refused([&] { stored = LoadStoredRanking(pool); });
    FUZZ_CHECK(unreadable == !four);
    if (four)
        FUZZ_CHECK(stored == Ranking{{name, four->at(0).toInt(), four->at(1).toInt(),
                                      four->at(2).toInt(), four->at(3).toInt()}});
}

void run(const uint8_t *data, size_t size)
{
    const QList<QByteArray> files = Fuzz::splitFiles(data, size, 3);
    const QStringList lines = Fuzz::linesOf(files.at(0));
    const QString name =
        Fuzz::hasFile(data, size, 1) ? TextFile::decode(files.at(1)) : QStringLiteral("Ana");
    QList<int> rounds;
    if (const auto round = Fuzz::integer(TextFile::decode(files.at(2))))
        rounds.append(*round);
    else
        for (int round = 1; round <= Season::Rounds; ++round)
            rounds.append(round);

    inMemory(lines, name, rounds);
    throughFiles(files.at(0), lines, name, rounds);
}

} // namespace

FUZZ_ENTRY(run)
