// The standings order and the details pages: the exchange sort against a literal transcription
// of the procedure the table has always used, the tie-breaks, counters shown as stored, and the
// extraction of a club's details section.
#include "seasonfixture.h"

#include "championship/rules/positionhistory.h"
#include "championship/rules/results.h"
#include "championship/rules/standings.h"
#include "championship/rules/teamdetails.h"
#include "championship/rules/titlerace.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

class TestStandings : public QObject
{
    Q_OBJECT

private slots:
    void sameOrderAsTheExchangeProcedure();
    void tieBreaks_data();
    void tieBreaks();
    void countersShownAsStored();
    void damagedFilesAreRefused_data();
    void damagedFilesAreRefused();
    void seasonFilesGiveOneRowPerClub();
    void detailsPage_data();
    void detailsPage();
    void titleMarks_data();
    void titleMarks();
    void titleDecidedBeforeTheLastRound();
    void clubHistory();
};

namespace {

// "name:points,games,wins,draws,losses,scored,conceded" for each record, in file order.
QStringList teamFileOf(const QStringList &records)
{
    QStringList lines{"Alvorada", "<p>antes</p>", "=]"};
    for (const QString &record : records) {
        const QString name = record.section(':', 0, 0);
        lines << "[" + name + "]" << record.section(':', 1).split(',') << "==]";
    }
    return lines;
}

QStringList namesOf(const QStringList &records)
{
    QStringList names;
    for (const QString &record : records)
        names << record.section(':', 0, 0);
    return names;
}

QStringList orderOf(const QList<StandingRow> &rows)
{
    QStringList names;
    for (const StandingRow &row : rows)
        names << row.name;
    return names;
}

// The procedure as it was written: nine parallel lists of text, each key converted at every
// comparison, every exchange swapping all nine lists.
QList<QStringList> referenceSort(QList<QStringList> lists)
{
    enum
    {
        Name,
        Points,
        Games,
        Wins,
        Draws,
        Losses,
        Scored,
        Conceded,
        Difference
    };
    const int n = int(lists[Name].size());
    for (int i = 0; i <= n - 2; ++i)
        for (int j = i + 1; j <= n - 1; ++j) {
            const auto v = [&](int list, int team) { return lists[list][team].toInt(); };
            const bool higher =
                v(Points, j) > v(Points, i) ||
                (v(Points, j) == v(Points, i) && v(Wins, j) > v(Wins, i)) ||
                (v(Points, j) == v(Points, i) && v(Wins, j) == v(Wins, i) &&
                 v(Difference, j) > v(Difference, i)) ||
                (v(Points, j) == v(Points, i) && v(Wins, j) == v(Wins, i) &&
                 v(Difference, j) == v(Difference, i) && v(Scored, j) > v(Scored, i));
            if (higher)
                for (QStringList &list : lists)
                    list.swapItemsAt(i, j);
        }
    return lists;
}

} // namespace

void TestStandings::sameOrderAsTheExchangeProcedure()
{
    QRandomGenerator random(2005);
    for (int trial = 0; trial < 2000; ++trial) {
        const int teams = int(random.bounded(1, 26));
        // Small ranges, so that many teams tie on some or all keys.
        const int range = trial % 2 ? 3 : 8;
        QStringList records;
        QList<QStringList> lists(9);
        for (int t = 0; t < teams; ++t) {
            QStringList counters;
            for (int c = 0; c < 7; ++c) {
                QString text = QString::number(random.bounded(range));
                if (random.bounded(5) == 0)
                    text.prepend('0'); // stored as typed: "03"
                counters << text;
            }
            const QString name = QStringLiteral("T%1").arg(t);
            records << name + ":" + counters.join(',');
            lists[0] << name;
            for (int c = 0; c < 7; ++c)
                lists[c + 1] << counters.at(c);
            lists[8] << QString::number(counters.at(5).toInt() - counters.at(6).toInt());
        }
        QList<StandingRow> rows = Standings::extractRows(teamFileOf(records), namesOf(records));
        Standings::exchangeSort(rows);
        const QList<QStringList> expected = referenceSort(lists);
        QCOMPARE(orderOf(rows), expected[0]);
        for (int t = 0; t < teams; ++t) {
            const StandingRow &row = rows.at(t);
            const QStringList shown{row.points, row.games,  row.wins,     row.draws,
                                    row.losses, row.scored, row.conceded, row.difference};
            QStringList reference;
            for (int c = 1; c < 9; ++c)
                reference << expected[c][t];
            QCOMPARE(shown, reference);
        }
    }
}

void TestStandings::tieBreaks_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("equal points: more wins first, whatever the goal difference")
        << QStringList{"A:7,5,1,4,0,9,1", "B:7,5,2,1,2,2,8"} << QStringList{"B", "A"};
    QTest::newRow("equal points and wins: goal difference")
        << QStringList{"A:4,3,1,1,1,3,3", "B:4,3,1,1,1,5,4"} << QStringList{"B", "A"};
    QTest::newRow("then goals scored")
        << QStringList{"A:4,3,1,1,1,3,3", "B:4,3,1,1,1,5,5"} << QStringList{"B", "A"};
    QTest::newRow("ties follow the exchanges: A B C D gives D C A B")
        << QStringList{"A:5,3,1,2,0,4,2", "B:1,3,0,1,2,1,5", "C:5,3,1,2,0,4,2", "D:9,3,3,0,0,6,0"}
        << QStringList{"D", "C", "A", "B"};
    QTest::newRow("10 points rank above 9, compared as numbers")
        << QStringList{"A:9,4,3,0,1,5,3", "B:10,4,3,1,0,5,3"} << QStringList{"B", "A"};
    QTest::newRow("10-12 is -2, below a team at 0")
        << QStringList{"A:3,2,1,0,1,10,12", "B:3,2,1,0,1,4,4"} << QStringList{"B", "A"};
    // Counters at the ends of the int range: 2147483657 and 2147483652 must not both order as
    // the largest int.
    QTest::newRow("goal differences beyond 32 bits still ordered")
        << QStringList{"B:0,0,0,0,0,2147483647,-5", "A:0,0,0,0,0,2147483647,-10"}
        << QStringList{"A", "B"};
    QTest::newRow("equal on all four keys keeps the file order of two")
        << QStringList{"A:3,2,1,0,1,4,4", "B:3,2,1,0,1,4,4"} << QStringList{"A", "B"};
}

void TestStandings::tieBreaks()
{
    QFETCH(QStringList, records);
    QFETCH(QStringList, order);
    QList<StandingRow> rows = Standings::extractRows(teamFileOf(records), namesOf(records));
    Standings::exchangeSort(rows);
    QCOMPARE(orderOf(rows), order);
}

void TestStandings::countersShownAsStored()
{
    const QList<StandingRow> rows =
        Standings::extractRows(teamFileOf({"A:07,3,2,1,0,10,12"}), {"Alvorada Esporte Clube"});
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].name, QString("Alvorada Esporte Clube"));
    QCOMPARE(rows[0].points, QString("07"));
    QCOMPARE(rows[0].pointsKey, 7);
    QCOMPARE(rows[0].difference, QString("-2"));
}

void TestStandings::damagedFilesAreRefused_data()
{
    QTest::addColumn<QStringList>("teamFile");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("message");
    QTest::newRow("fewer names than records")
        << teamFileOf({"A:1,1,0,1,0,1,1", "B:1,1,0,1,0,1,1"}) << QStringList{"A"} << "Nomes.txt";
    QTest::newRow("record with six counters")
        << QStringList{"1", "1", "0", "1", "0", "1", "==]"} << QStringList{"A"} << "menos de sete";
    QTest::newRow("goals scored not a number")
        << teamFileOf({"A:1,1,0,1,0,um,1"}) << QStringList{"A"} << "\"um\"";
    // Every counter is a number, shown or not: a damaged games count is not a whole table.
    QTest::newRow("games not a number")
        << teamFileOf({"A:1,x,0,1,0,1,1"}) << QStringList{"A"} << "\"x\"";
}

void TestStandings::damagedFilesAreRefused()
{
    QFETCH(QStringList, teamFile);
    QFETCH(QStringList, names);
    QFETCH(QString, message);
    try {
        Standings::extractRows(teamFile, names);
        QFAIL("the damaged file was read");
    } catch (const VelurinoError &error) {
        QVERIFY2(error.message().contains(message), qPrintable(error.message()));
    }
}

void TestStandings::seasonFilesGiveOneRowPerClub()
{
    QTemporaryDir dir;
    SeasonFixture::write(dir.path() + "/");
    const QList<StandingRow> rows = buildStandings(dir.path() + "/");
    QCOMPARE(rows.size(), 22);
    // All equal at the start: the exchanges leave the file order.
    QCOMPARE(rows.first().name, QString("Alvorada F.C."));
    QCOMPARE(rows.last().name, QString("Veraneio F.C."));
}

void TestStandings::detailsPage_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("page");
    const QStringList file{"[Cometa]",
                           "0",
                           "0",
                           "0",
                           "0",
                           "0",
                           "0",
                           "0",
                           "==]",
                           "Cometa",
                           "<p>Fundado</p>",
                           "<a href=x>site</a>",
                           "=]",
                           "Farol",
                           "=]",
                           "Mirante",
                           "<p>sem fim</p>"};
    QTest::newRow("the lines between the key and =]") << file << "Cometa"
                                                      << "<p>Fundado</p>\r\n<a href=x>site</a>\r\n";
    QTest::newRow("key found ignoring case") << file << "COMETA"
                                             << "<p>Fundado</p>\r\n<a href=x>site</a>\r\n";
    QTest::newRow("key directly followed by =] is an empty page") << file << "Farol"
                                                                  << "";
    QTest::newRow("key without a section is an empty page, not another club's") << file << "Gaviao"
                                                                                << "";
    QTest::newRow("section without =] is an empty page") << file << "Mirante"
                                                         << "";
}

void TestStandings::detailsPage()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, key);
    QFETCH(QString, page);
    QCOMPARE(TeamDetails::detailsPage(lines, key), page);
}

Q_DECLARE_METATYPE(QList<TitleChance>)

void TestStandings::titleMarks_data()
{
    QTest::addColumn<QList<qint64>>("points"); // in the table's order
    QTest::addColumn<QList<qint64>>("most");
    QTest::addColumn<QList<TitleChance>>("chances");
    using C = TitleChance;
    QTest::newRow("champion with rounds left")
        << QList<qint64>{80, 70, 60} << QList<qint64>{92, 79, 75}
        << QList<TitleChance>{C::Champion, C::Out, C::Out};
    QTest::newRow("a tie on points still reachable")
        << QList<qint64>{80, 74, 60} << QList<qint64>{86, 80, 79}
        << QList<TitleChance>{C::Open, C::Open, C::Out};
    QTest::newRow("the second can pass the first")
        << QList<qint64>{80, 78, 78} << QList<qint64>{83, 84, 78}
        << QList<TitleChance>{C::Open, C::Open, C::Out};
    QTest::newRow("season over: the order breaks a tie")
        << QList<qint64>{50, 50, 40} << QList<qint64>{50, 50, 40}
        << QList<TitleChance>{C::Champion, C::Out, C::Out};
}

void TestStandings::titleMarks()
{
    QFETCH(QList<qint64>, points);
    QFETCH(QList<qint64>, most);
    QList<TitleChance> chances;
    for (const TitleReach &reach : TitleRace::reach(points, most))
        chances << reach.chance;
    QTEST(chances, "chances");
}

void TestStandings::titleDecidedBeforeTheLastRound()
{
    // The first club wins every match 1-0 and every other match ends 0-0. After 25 rounds it has
    // 75 points, and a club that met it once has 24 with 17 matches left: 75 at most, a tie, so
    // the title is still open. After round 26 (78 against at most 25 + 48) it is decided.
    QTemporaryDir tmp;
    const QString dir = tmp.path() + "/";
    SeasonFixture::write(dir);
    const QString leader = SeasonFixture::teams().first();
    const auto store = [&](int round, int emptyMatch = -1) {
        QStringList boxes;
        for (int k = 0; k < 11; ++k) {
            const bool home = SeasonFixture::homeOf(round, k) == leader;
            const bool away = SeasonFixture::awayOf(round, k) == leader;
            if (k == emptyMatch)
                boxes << ""
                      << "";
            else
                boxes << (home ? "1" : "0") << (away ? "1" : "0");
        }
        Results::storeRoundResults(dir, round, boxes);
    };
    for (int round = 1; round <= 25; ++round)
        store(round);
    StandingsRace race = buildStandingsRace(dir);
    QCOMPARE(race.rows.first().points, QString("75"));
    QCOMPARE(race.reach.first().most, 75 + 3 * 17);
    QCOMPARE(race.reach.first().chance, TitleChance::Open);
    QCOMPARE(race.reach.at(1).most, 75);
    QCOMPARE(race.reach.at(1).chance, TitleChance::Open);

    store(26);
    race = buildStandingsRace(dir);
    QCOMPARE(race.reach.first().chance, TitleChance::Champion);
    for (qsizetype i = 1; i < race.reach.size(); ++i)
        QCOMPARE(race.reach.at(i).chance, TitleChance::Out);

    // A match stored as not played is still to be played.
    store(27, 0);
    const QList<int> left = TitleRace::matchesLeft(TextFile::readLines(dir, "Times.txt"),
                                                   TextFile::readLines(dir, "Rodada.txt"),
                                                   TextFile::readLines(dir, "Resultado.txt"));
    QCOMPARE(left.count(16), 2);
    QCOMPARE(left.count(15), 20);

    // The history, built again from the results, ends where the standings stand.
    const PositionHistory history = buildClubHistory(dir);
    QCOMPARE(history.lastRound, 27);
    QCOMPARE(history.places.at(race.rows.first().record), QList<int>(27, 1));
    const QList<StandingRow> now = buildStandings(dir);
    for (qsizetype i = 0; i < now.size(); ++i)
        QCOMPARE(history.places.at(now.at(i).record).last(), int(i) + 1);
}

void TestStandings::clubHistory()
{
    // Four clubs. Round 1: A 1-0 B, C 0-0 D (C and D equal on every key: file order). Round 2 has
    // no results. Round 3: B 3-0 C, D 2-1 A: D 4 points, then B and A on 3 points and one win,
    // B ahead on goal difference, C last.
    const QStringList teams =
        teamFileOf({"A:9,9,9,9,9,9,9", "B:0,0,0,0,0,0,0", "C:1,1,0,1,0,0,0", "D:5,5,5,5,5,5,5"});
    const QStringList names{"Ana", "Beto", "Caio", "Dora"};
    const auto section = [](int round, const QStringList &clubs) {
        QStringList lines{"[" + QString::number(round) + "]"};
        for (int k = 0; k < 11; ++k)
            lines << (k < 2 ? clubs.at(2 * k) : "X") << (k < 2 ? clubs.at(2 * k + 1) : "Y");
        return lines;
    };
    const QStringList rounds =
        QStringList{"3", "0"} + section(1, {"A", "B", "C", "D"}) + section(3, {"B", "C", "D", "A"});
    const auto block = [](int round, const QStringList &goals) {
        QStringList lines{"[" + QString::number(round) + "]"};
        lines << goals;
        for (int k = 2; k < 11; ++k)
            lines << "NO"
                  << "NO";
        return lines << "[/" + QString::number(round) + "]";
    };
    const QStringList results = block(3, {"3", "0", "2", "1"}) + block(1, {"1", "0", "0", "0"});

    const PositionHistory history = buildClubHistory(teams, names, rounds, results);
    QCOMPARE(history.names, names);
    QCOMPARE(history.lastRound, 3);
    QCOMPARE(history.places, QList<QList<int>>({{1, 1, 3}, {4, 4, 2}, {2, 2, 4}, {3, 3, 1}}));
}

QTEST_APPLESS_MAIN(TestStandings)
#include "test_standings.moc"
