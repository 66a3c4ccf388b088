// The standings build: the team records of "Times.txt" (the seven counters above each "==]")
// paired with the names of "Nomes.txt", then the exchange sort. Input: the team file, then the
// names file; without a names file, every record gets a name. Checked against the extraction as
// it was first described (find the first "==]", take the seven lines above it, cut the file
// after it, again) and against the order it must leave: no row ranks above one before it.
#include "fuzzinput.h"

#include "championship/rules/seasonfiles.h"
#include "championship/rules/standings.h"

#include <array>

namespace {

struct Expected
{
    bool refused = false;
    QList<StandingRow> rows;
};

Expected extractAsDescribed(const QStringList &teamFile, const QStringList &names)
{
    Expected expected;
    QStringList rest = teamFile;
    for (;;) {
        const int k = Fuzz::firstLine(rest, QStringLiteral("==]"));
        if (k < 0)
            break;
        if (k < 7)
            return {true, {}};
        const QStringList counters = rest.mid(k - 7, 7);
        // Every counter is a number: a damaged one would show as a whole table's figure.
        for (const QString &counter : counters)
            if (!Fuzz::integer(counter))
                return {true, {}};
        const auto scored = Fuzz::integer(counters.at(5));
        const auto conceded = Fuzz::integer(counters.at(6));
        StandingRow row;
        row.points = counters.at(0);
        row.games = counters.at(1);
        row.wins = counters.at(2);
        row.draws = counters.at(3);
        row.losses = counters.at(4);
        row.scored = counters.at(5);
        row.conceded = counters.at(6);
        row.difference = QString::number(qint64(*scored) - qint64(*conceded));
        expected.rows.append(row);
        rest.remove(0, k + 1);
    }
    // One name for each record, no more and no less: a spare name is a club whose record is
    // missing or cut.
    if (names.size() != expected.rows.size())
        return {true, {}};
    for (qsizetype i = 0; i < expected.rows.size(); ++i)
        expected.rows[i].name = names.at(i);
    return expected;
}

QStringList shown(const StandingRow &row)
{
    return {row.name,   row.points, row.games,    row.wins,      row.draws,
            row.losses, row.scored, row.conceded, row.difference};
}

// Team a above team b by points, wins, goal difference, goals scored, from the shown texts.
bool above(const StandingRow &a, const StandingRow &b)
{
    const auto key = [](const StandingRow &row) {
        return std::array<qint64, 4>{*Fuzz::integer(row.points), *Fuzz::integer(row.wins),
                                     row.difference.toLongLong(), *Fuzz::integer(row.scored)};
    };
    return key(a) > key(b);
}

void run(const uint8_t *data, size_t size)
{
    const QList<QByteArray> files = Fuzz::splitFiles(data, size, 2);
    const QStringList teamFile = Fuzz::linesOf(files.at(0));
    QStringList names = Fuzz::linesOf(files.at(1));
    if (!Fuzz::hasFile(data, size, 1))
        for (const QString &line : teamFile)
            if (Fuzz::sameLine(line, QStringLiteral("==]")))
                names.append(QStringLiteral("Time %1").arg(names.size() + 1));

    const Expected expected = extractAsDescribed(teamFile, names);
    QList<StandingRow> rows;
    try {
        rows = Standings::extractRows(teamFile, names);
    } catch (const VelurinoError &) {
        FUZZ_CHECK(expected.refused);
        return;
    }
    FUZZ_CHECK(!expected.refused);
    FUZZ_CHECK(rows.size() == expected.rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        FUZZ_CHECK(shown(rows.at(i)) == shown(expected.rows.at(i)));

    QList<StandingRow> sorted = rows;
    Standings::exchangeSort(sorted);
    FUZZ_CHECK(sorted.size() == rows.size());
    // The order is a lexicographic one, so rows in order two by two are in order all through.
    for (qsizetype i = 0; i + 1 < sorted.size(); ++i)
        FUZZ_CHECK(!above(sorted.at(i + 1), sorted.at(i)));
    // The same rows, only reordered.
    QStringList before, after;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        before.append(shown(rows.at(i)).join(QChar(0)));
        after.append(shown(sorted.at(i)).join(QChar(0)));
    }
    before.sort();
    after.sort();
    FUZZ_CHECK(before == after);
}

} // namespace

FUZZ_ENTRY(run)
