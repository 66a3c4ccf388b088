// The pool's rules without a screen: participant names, registration and removal, predictions,
// scoring, the three rankings and their order.
#include "poolseason.h"

#include "championship/rules/seasonfiles.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"
#include "pool/rules/betsheet.h"
#include "pool/rules/poolfiles.h"
#include "pool/rules/poolrace.h"
#include "pool/rules/ranking.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <climits>
#include <functional>

using namespace PoolSeason;

namespace {

// The scoring as first written down, on whole line lists: the oracle the rankings' fast paths
// are held to. Round `n` of one participant is added to the counters.
void scoreRoundOracle(int n, const QStringList &results, const QStringList &file, int &AC, int &AR,
                      int &AG, const QString &name)
{
    const int iP = Pool::findSection(file, n);
    const int iR = Season::findResultBlock(results, n);
    if (iP == TextFile::NotFound || iR == TextFile::NotFound)
        return;
    const QString label = name + QLatin1String(".txt");
    const auto side = [](const QStringList &lines, int i, const QString &which) {
        if (i >= lines.size())
            throw VelurinoError(
                QStringLiteral("O arquivo \"%1\" está incompleto: faltam placares de uma rodada.")
                    .arg(which));
        return Season::toInteger(lines.at(i), which, i);
    };
    for (int k = 1; k <= 11; ++k) {
        const int r = iR + 2 * k - 1, p = iP + 2 * k - 1;
        if (r + 1 >= results.size())
            throw VelurinoError(QStringLiteral("O arquivo \"%1\" está incompleto no bloco da %2.")
                                    .arg(Season::ResultFile, Season::roundLabel(n)));
        if (results.at(r) == Season::NotPlayed || results.at(r + 1) == Season::NotPlayed)
            continue;
        const int r1 = side(results, r, Season::ResultFile);
        const int r2 = side(results, r + 1, Season::ResultFile);
        const int p1 = side(file, p, label);
        const int p2 = side(file, p + 1, label);
        const bool outcome = (r1 > r2) == (p1 > p2) && (r1 < r2) == (p1 < p2);
        const bool homeGoals = results.at(r) == file.at(p);
        const bool awayGoals = results.at(r + 1) == file.at(p + 1);
        AR += int(outcome);
        AG += int(homeGoals) + int(awayGoals);
        AC += int(outcome && homeGoals && awayGoals);
    }
}

} // namespace

class TestPoolRules : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void scoreMatch_data();
    void scoreMatch();
    void scoreRoundSkipsNotPlayedAndMissingSections();
    void sortRanking_data();
    void sortRanking();
    void sortRankingMatchesTheExchangeProcedureAtScale_data();
    void sortRankingMatchesTheExchangeProcedureAtScale();

    void refusedNameChangesNoFile_data();
    void refusedNameChangesNoFile();
    void registerKeepsBlanksAndWritesBothFiles();
    void listWriteFailureLeavesFilesAsTheyWere();
    void startingCounters_data();
    void startingCounters();
    void removeIgnoresCase();
    void unsafeListedNameNeverReachesOutside();
    void countersPage();

    void sectionsInAnyOrderAndWithdrawal();
    void storeRefusesNonDigitsAndSecondSection();
    void roundClosed_data();
    void roundClosed();

    void recomputeNotRunWritesListOrder_data();
    void recomputeNotRunWritesListOrder();
    void recomputeScoresEveryRoundWithABlock();
    void recomputeStopsBeforeAnyWriteOnBadFile();
    void roundRanking();
    void roundsWithResultsInRoundOrder();
    void rankingsReadFilesAsLineListsDo_data();
    void rankingsReadFilesAsLineListsDo();
    void betSheetTextsAndPositions_data();
    void betSheetTextsAndPositions();

    void whoCanStillWin_data();
    void whoCanStillWin();
    void positionHistory();

private:
    void writeData(const QString &name, const QStringList &lines) { write(m_data + name, lines); }
    void writePool(const QString &name, const QStringList &lines) { write(m_pool + name, lines); }
    QStringList poolLines(const QString &name) const { return TextFile::readLines(m_pool, name); }
    void standardSeason(int stored = 0);

    QTemporaryDir *m_dir = nullptr;
    QString m_data;
    QString m_pool;
};

void TestPoolRules::init()
{
    m_dir = new QTemporaryDir;
    QDir(m_dir->path()).mkpath(QStringLiteral("dados/player"));
    m_data = m_dir->filePath(QStringLiteral("dados")) + QLatin1Char('/');
    m_pool = m_data + QStringLiteral("player/");
}

void TestPoolRules::cleanup()
{
    TextFile::setWriteFilter({});
    delete m_dir;
}

void TestPoolRules::standardSeason(int stored)
{
    writeData(QStringLiteral("Rodada.txt"), roundFile(stored));
    writeData(QStringLiteral("Resultado.txt"), {});
    writeData(QStringLiteral("Rank.txt"), {});
    writePool(QStringLiteral("Lista.txt"), {});
}

void TestPoolRules::scoreMatch_data()
{
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("prediction");
    QTest::addColumn<int>("AC");
    QTest::addColumn<int>("AR");
    QTest::addColumn<int>("AG");
    QTest::addColumn<int>("points");
    QTest::newRow("2-1 exact") << "2-1"
                               << "2-1" << 1 << 1 << 2 << 6;
    QTest::newRow("2-1 against 3-1") << "2-1"
                                     << "3-1" << 0 << 1 << 1 << 2;
    QTest::newRow("2-1 against 2-0") << "2-1"
                                     << "2-0" << 0 << 1 << 1 << 2;
    QTest::newRow("2-1 against 3-0") << "2-1"
                                     << "3-0" << 0 << 1 << 0 << 1;
    QTest::newRow("2-1 against 1-1") << "2-1"
                                     << "1-1" << 0 << 0 << 1 << 1;
    QTest::newRow("2-1 against 1-2") << "2-1"
                                     << "1-2" << 0 << 0 << 0 << 0;
    QTest::newRow("0-0 exact") << "0-0"
                               << "0-0" << 1 << 1 << 2 << 6;
    QTest::newRow("2-2 against 1-1") << "2-2"
                                     << "1-1" << 0 << 1 << 0 << 1;
    QTest::newRow("1-0 against 01-0") << "1-0"
                                      << "01-0" << 0 << 1 << 1 << 2;
    QTest::newRow("0-2 away win exact") << "0-2"
                                        << "0-2" << 1 << 1 << 2 << 6;
    QTest::newRow("home NO not scored") << "NO-1"
                                        << "1-1" << 0 << 0 << 0 << 0;
    QTest::newRow("both NO not scored") << "NO-NO"
                                        << "0-0" << 0 << 0 << 0 << 0;
}

// Each match scored by the program: match 1 of round 1 holds the result, the others are not
// played, and the round's ranking gives the participant's counters.
void TestPoolRules::scoreMatch()
{
    QFETCH(QString, result);
    QFETCH(QString, prediction);
    const QStringList r = result.split(QLatin1Char('-'));
    const QStringList p = prediction.split(QLatin1Char('-'));
    QStringList results(22, Season::NotPlayed), predicted(22, QStringLiteral("0"));
    results[0] = r[0];
    results[1] = r[1];
    predicted[0] = p[0];
    predicted[1] = p[1];
    writeData(QStringLiteral("Resultado.txt"), block(1, results));
    writePool(QStringLiteral("Lista.txt"), {"Ana"});
    writePool(QStringLiteral("Ana.txt"), participant("Ana") + block(1, predicted));
    const TRankRow row = ComputeRoundRanking(m_data, m_pool, 1).value().first();
    QTEST(row.AC, "AC");
    QTEST(row.AR, "AR");
    QTEST(row.AG, "AG");
    QTEST(row.PG, "points");
}

void TestPoolRules::scoreRoundSkipsNotPlayedAndMissingSections()
{
    // Round 4: match 3 has "NO" on one side; every prediction is 1-0, every result 1-0.
    QStringList result = goals({{"1", "0"},
                                {"1", "0"},
                                {"NO", "2"},
                                {"1", "0"},
                                {"1", "0"},
                                {"1", "0"},
                                {"1", "0"},
                                {"1", "0"},
                                {"1", "0"},
                                {"1", "0"},
                                {"1", "0"}});
    writeData(QStringLiteral("Resultado.txt"),
              block(9, goals()) + block(4, result) + block(7, goals()));
    QStringList prediction;
    for (int k = 0; k < 11; ++k)
        prediction += {QStringLiteral("1"), QStringLiteral("0")};
    writePool(QStringLiteral("Lista.txt"), {"Ana", "7"});
    writePool(QStringLiteral("Ana.txt"),
              participant(QStringLiteral("Ana")) + block(4, prediction) + block(5, prediction));
    // A header that reads as the marker of round 7 is not a section of round 7.
    writePool(QStringLiteral("7.txt"), participant(QStringLiteral("7")) + block(7, goals()));
    QCOMPARE(ComputeRoundRanking(m_data, m_pool, 4).value(),
             Ranking({{"Ana", 60, 10, 10, 20}, {"7", 0}}));
    // No section for round 9: nothing is added; no block for round 5: no ranking at all.
    QCOMPARE(ComputeRoundRanking(m_data, m_pool, 9).value(), Ranking({{"Ana", 0}, {"7", 0}}));
    QVERIFY(!ComputeRoundRanking(m_data, m_pool, 5));
    QCOMPARE(ComputeRoundRanking(m_data, m_pool, 7).value(), Ranking({{"Ana", 0}, {"7", 0}}));
}

void TestPoolRules::sortRanking_data()
{
    QTest::addColumn<Ranking>("rows");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("ties by PG: D, C, A, B")
        << Ranking{{"A", 2}, {"B", 1}, {"C", 2}, {"D", 3}} << QStringList{"D", "C", "A", "B"};
    QTest::newRow("ties broken by later counters: A, C, B")
        << Ranking{{"A", 6, 1, 1, 2}, {"B", 6, 0, 3, 3}, {"C", 6, 1, 1, 2}}
        << QStringList{"A", "C", "B"};
    QTest::newRow("AG decides last")
        << Ranking{{"A", 5, 1, 1, 0}, {"B", 5, 1, 1, 1}} << QStringList{"B", "A"};
    QTest::newRow("empty") << Ranking{} << QStringList{};
}

void TestPoolRules::sortRanking()
{
    QFETCH(Ranking, rows);
    SortRanking(rows);
    QStringList names;
    for (const TRankRow &row : rows)
        names += row.name;
    QTEST(names, "order");
}

// The exchange procedure as written down, on plain arrays, to hold SortRanking to it.
static void exchangeProcedure(std::vector<TRankRow> &rows)
{
    const auto above = [](const TRankRow &x, const TRankRow &y) {
        const int xs[4] = {x.PG, x.AC, x.AR, x.AG};
        const int ys[4] = {y.PG, y.AC, y.AR, y.AG};
        for (int i = 0; i < 4; ++i)
            if (xs[i] != ys[i])
                return xs[i] > ys[i];
        return false;
    };
    for (size_t i = 0; i + 1 < rows.size(); ++i)
        for (size_t j = i + 1; j < rows.size(); ++j)
            if (above(rows[j], rows[i]))
                std::swap(rows[i], rows[j]);
}

void TestPoolRules::sortRankingMatchesTheExchangeProcedureAtScale_data()
{
    // The counters are drawn from `spread` values each (0 draws from the extremes a hand-edited
    // file can hold), so that most rows tie with many others on some or all counters.
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("spread");
    QTest::addColumn<QString>("order");
    QTest::addColumn<int>("trials");
    QTest::newRow("up to 11 rows, two or three values") << -12 << 3 << "list" << 500;
    QTest::newRow("short lists, two values") << 40 << 2 << "list" << 400;
    QTest::newRow("300 rows, three values") << 300 << 3 << "list" << 40;
    QTest::newRow("300 rows, eight values") << 300 << 8 << "list" << 40;
    QTest::newRow("2000 rows, a season's spread") << 2000 << 12 << "list" << 3;
    QTest::newRow("1000 rows, ascending") << 1000 << 5 << "ascending" << 3;
    QTest::newRow("1000 rows, descending") << 1000 << 5 << "descending" << 3;
    QTest::newRow("1000 rows, all equal") << 1000 << 1 << "list" << 1;
    QTest::newRow("500 rows, extreme counters") << 500 << 0 << "list" << 10;
}

void TestPoolRules::sortRankingMatchesTheExchangeProcedureAtScale()
{
    QFETCH(int, count);
    QFETCH(int, spread);
    QFETCH(QString, order);
    QFETCH(int, trials);
    QRandomGenerator random(quint32(count * 31 + spread));
    const int extremes[] = {INT_MIN, -1, 0, 1, INT_MAX};
    const auto draw = [&] {
        return spread > 0 ? random.bounded(spread) : extremes[random.bounded(5)];
    };
    for (int trial = 0; trial < trials; ++trial) {
        std::vector<TRankRow> expected;
        // A negative count: lists of random length below it.
        const int length = count < 0 ? random.bounded(-count) : count;
        for (int i = 0; i < length; ++i)
            expected.push_back({QString::number(i), draw(), draw(), draw(), draw()});
        if (order != QLatin1String("list")) {
            const bool ascending = order == QLatin1String("ascending");
            std::stable_sort(expected.begin(), expected.end(),
                             [ascending](const TRankRow &a, const TRankRow &b) {
                                 return ascending ? Pool::ranksAbove(b, a) : Pool::ranksAbove(a, b);
                             });
        }
        Ranking rows(expected.begin(), expected.end());
        exchangeProcedure(expected);
        SortRanking(rows);
        QCOMPARE(rows, Ranking(expected.begin(), expected.end()));
    }
}

void TestPoolRules::refusedNameChangesNoFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("messageHolds");
    QTest::newRow("exact duplicate") << "Ana"
                                     << "Nome de usuário já existente. ";
    QTest::newRow("empty") << ""
                           << "Digite o nome do novo participante.";
    QTest::newRow("differs only in case") << "ANA"
                                          << "maiúsculas";
    QTest::newRow("Lista") << "Lista"
                           << "reservado";
    QTest::newRow("lista in small letters") << "lista"
                                            << "reservado";
    QTest::newRow("round number") << "7"
                                  << "número";
    QTest::newRow("round end marker") << "/7"
                                      << "caracteres";
    QTest::newRow("dot") << "."
                         << "\".\"";
    QTest::newRow("dot dot") << ".."
                             << "\"..\"";
    QTest::newRow("path outside") << "../fora"
                                  << "caracteres";
    for (const char *c : {"/", "\\", ":", "*", "?", "\"", "<", ">", "|", "\t", "\n"})
        QTest::addRow("forbidden %s", QByteArray(c).toPercentEncoding().constData())
            << QStringLiteral("a%1b").arg(QLatin1String(c)) << "caracteres";
    QTest::newRow("not Windows-1252") << QStringLiteral("Jo\u4e2d") << "não podem ser gravados";
}

void TestPoolRules::refusedNameChangesNoFile()
{
    QFETCH(QString, name);
    QFETCH(QString, messageHolds);
    standardSeason(0);
    QVERIFY(Pool::registerParticipant(m_data, m_pool, QStringLiteral("Ana")).registered);
    const auto before = snapshot(m_dir->path());
    const Pool::Registration result = Pool::registerParticipant(m_data, m_pool, name);
    QVERIFY(!result.registered);
    QVERIFY2(result.message.contains(messageHolds), qPrintable(result.message));
    QCOMPARE(snapshot(m_dir->path()), before);
}

void TestPoolRules::registerKeepsBlanksAndWritesBothFiles()
{
    standardSeason(0);
    const Pool::Registration result =
        Pool::registerParticipant(m_data, m_pool, QStringLiteral("Ana  Maria"));
    QVERIFY(result.registered);
    QCOMPARE(result.message, QStringLiteral("Usuário Cadastrado. "));
    QCOMPARE(poolLines(QStringLiteral("Lista.txt")), QStringList{"Ana  Maria"});
    QCOMPARE(poolLines(QStringLiteral("Ana  Maria.txt")),
             participant(QStringLiteral("Ana  Maria")));
}

void TestPoolRules::listWriteFailureLeavesFilesAsTheyWere()
{
    standardSeason(0);
    const auto before = snapshot(m_dir->path());
    TextFile::setWriteFilter([](const QString &path) { return !path.endsWith("Lista.txt"); });
    QVERIFY_THROWS_EXCEPTION(VelurinoError,
                             Pool::registerParticipant(m_data, m_pool, QStringLiteral("Bia")));
    QCOMPARE(snapshot(m_dir->path()), before);
}

void TestPoolRules::startingCounters_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("rank");
    QTest::addColumn<QStringList>("counters");
    const QStringList zeros{"0", "0", "0", "0"};
    QTest::newRow("before the first results") << "0" << QStringList{"Ana", "Bia"} << zeros;
    QTest::newRow("last ranked") << "3" << QStringList{"Ana", "Bia"}
                                 << QStringList{"4", "1", "1", "0"};
    QTest::newRow("last ranked was removed")
        << "3" << QStringList{"Ana", "Bia", "Gone"} << QStringList{"4", "1", "1", "0"};
    QTest::newRow("last ranked has no file")
        << "3" << QStringList{"Ana", "Cida"} << QStringList{"9", "2", "2", "1"};
    QTest::newRow("case of the line ignored")
        << "3" << QStringList{"BIA"} << QStringList{"4", "1", "1", "0"};
    QTest::newRow("nobody in the ranking is registered") << "3" << QStringList{"Gone"} << zeros;
    QTest::newRow("empty ranking") << "3" << QStringList{} << zeros;
}

void TestPoolRules::startingCounters()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, rank);
    writePool(QStringLiteral("Ana.txt"), participant("Ana", {"9", "2", "2", "1"}));
    writePool(QStringLiteral("Bia.txt"), participant("Bia", {"4", "1", "1", "0"}));
    const QStringList list{"Ana", "Bia", "Cida"}; // Cida has no file
    QTEST(Pool::startingCounters(m_pool, {stored, "0"}, list, rank), "counters");
    QCOMPARE(Pool::startingCounters(m_pool, {stored, "0"}, {}, rank),
             QStringList({"0", "0", "0", "0"}));
}

void TestPoolRules::removeIgnoresCase()
{
    standardSeason(0);
    for (const char *name : {"Ana", "Bia", "Cida"})
        QVERIFY(Pool::registerParticipant(m_data, m_pool, QLatin1String(name)).registered);
    const Pool::Removal removal = Pool::removeParticipant(m_pool, QStringLiteral("BIA"));
    QVERIFY(removal.found);
    QVERIFY(removal.fileDeleted);
    QCOMPARE(removal.removedName, QStringLiteral("Bia"));
    QCOMPARE(poolLines(QStringLiteral("Lista.txt")), QStringList({"Ana", "Cida"}));
    QVERIFY(!QFile::exists(m_pool + "Bia.txt"));

    // Already without a file: leaves the list, reports no deletion.
    QFile::remove(m_pool + "Cida.txt");
    const Pool::Removal second = Pool::removeParticipant(m_pool, QStringLiteral("cida"));
    QVERIFY(second.found && !second.fileDeleted);
    QCOMPARE(poolLines(QStringLiteral("Lista.txt")), QStringList{"Ana"});

    const auto before = snapshot(m_dir->path());
    QVERIFY(!Pool::removeParticipant(m_pool, QStringLiteral("Zé")).found);
    QVERIFY(!Pool::removeParticipant(m_pool, QString()).found);
    QCOMPARE(snapshot(m_dir->path()), before);
}

void TestPoolRules::unsafeListedNameNeverReachesOutside()
{
    // A list edited by hand with a name that points out of the pool directory.
    standardSeason(0);
    writePool(QStringLiteral("Lista.txt"), {"../Rank"});
    QVERIFY_THROWS_EXCEPTION(VelurinoError,
                             Pool::readParticipant(m_pool, QStringLiteral("../Rank")));
    const Pool::Removal removal = Pool::removeParticipant(m_pool, QStringLiteral("../Rank"));
    QVERIFY(removal.found && !removal.fileDeleted);
    QVERIFY(QFile::exists(m_data + "Rank.txt"));
}

void TestPoolRules::countersPage()
{
    QCOMPARE(Pool::countersPage(participant("Ana", {"7", "1", "2", "2"}), "ANA"),
             QStringLiteral("7<br>1<br>2<br>2<br>"));
    // No end marker: nothing shown; "[Ana] " with a blank is not the header.
    QCOMPARE(Pool::countersPage({"[Ana]", "1"}, "Ana"), QString());
    QCOMPARE(Pool::countersPage({"[Ana] ", "1", "[/Ana]"}, "Ana"),
             QStringLiteral("[Ana] <br>1<br>"));
}

void TestPoolRules::sectionsInAnyOrderAndWithdrawal()
{
    writePool(QStringLiteral("Ana.txt"), participant("Ana"));
    QStringList values[4];
    for (int n : {3, 1, 2}) {
        for (int i = 0; i < 22; ++i)
            values[n] += QString::number(n * 100 + i);
        values[n][0] = QStringLiteral("01");
        Pool::storePredictions(m_pool, QStringLiteral("Ana"), n, values[n]);
    }
    for (int n : {1, 2, 3})
        QCOMPARE(Pool::readPredictions(m_pool, QStringLiteral("ana"), n).value(), values[n]);
    QVERIFY(!Pool::readPredictions(m_pool, QStringLiteral("Ana"), 4));
    QVERIFY(!Pool::readPredictions(m_pool, QStringLiteral("Nobody"), 1));

    Pool::withdrawPredictions(m_pool, QStringLiteral("Ana"), 2);
    QCOMPARE(poolLines(QStringLiteral("Ana.txt")),
             participant("Ana") + block(3, values[3]) + block(1, values[1]));
    // Stored again: one section, at the end.
    Pool::storePredictions(m_pool, QStringLiteral("Ana"), 2, values[2]);
    QCOMPARE(poolLines(QStringLiteral("Ana.txt")),
             participant("Ana") + block(3, values[3]) + block(1, values[1]) + block(2, values[2]));
}

void TestPoolRules::storeRefusesNonDigitsAndSecondSection()
{
    writePool(QStringLiteral("Ana.txt"), participant("Ana"));
    const QByteArray before = bytesOf(m_pool + "Ana.txt");
    QStringList values = goals();
    values[5] = QStringLiteral("1a");
    QVERIFY_THROWS_EXCEPTION(VelurinoError, Pool::storePredictions(m_pool, "Ana", 1, values));
    QVERIFY_THROWS_EXCEPTION(VelurinoError,
                             Pool::storePredictions(m_pool, "Ana", 1, goals().mid(1)));
    QCOMPARE(bytesOf(m_pool + "Ana.txt"), before);
    Pool::storePredictions(m_pool, "Ana", 1, goals());
    const QByteArray once = bytesOf(m_pool + "Ana.txt");
    QVERIFY_THROWS_EXCEPTION(VelurinoError, Pool::storePredictions(m_pool, "Ana", 1, goals()));
    QCOMPARE(bytesOf(m_pool + "Ana.txt"), once);
}

void TestPoolRules::roundClosed_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QList<int>>("blocks");
    QTest::addColumn<int>("round");
    QTest::addColumn<bool>("closed");
    QTest::newRow("count 0, round 1 open") << 0 << QList<int>{} << 1 << false;
    QTest::newRow("count 5, round 5 closed") << 5 << QList<int>{1, 2, 3, 4, 5} << 5 << true;
    QTest::newRow("count 5, round 6 open") << 5 << QList<int>{1, 2, 3, 4, 5} << 6 << false;
    QTest::newRow("count 42, round 42 closed") << 42 << QList<int>{} << 42 << true;
    QTest::newRow("round 2 withdrawn: reopened") << 4 << QList<int>{1, 3, 4, 5} << 2 << true;
    QTest::newRow("round 2 withdrawn: round 5 stays closed")
        << 4 << QList<int>{1, 3, 4, 5} << 5 << true;
    QTest::newRow("round 2 withdrawn: round 6 open") << 4 << QList<int>{1, 3, 4, 5} << 6 << false;
}

void TestPoolRules::roundClosed()
{
    QFETCH(int, stored);
    QFETCH(QList<int>, blocks);
    QStringList results;
    for (int n : blocks)
        results += block(n, goals());
    QFETCH(int, round);
    QTEST(Pool::isRoundClosed(roundFile(stored), results, round), "closed");
}

void TestPoolRules::recomputeNotRunWritesListOrder_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("threshold");
    QTest::addColumn<QStringList>("list");
    QTest::newRow("count equal to line 1") << 2 << 2 << QStringList{"Ana", "Bia"};
    QTest::newRow("count below line 1") << 1 << 2 << QStringList{"Bia", "Ana"};
    QTest::newRow("empty list") << 3 << 0 << QStringList{};
}

void TestPoolRules::recomputeNotRunWritesListOrder()
{
    QFETCH(int, stored);
    QFETCH(int, threshold);
    QFETCH(QStringList, list);
    writeData(QStringLiteral("Rodada.txt"), roundFile(stored, threshold));
    writeData(QStringLiteral("Resultado.txt"), block(1, goals()) + block(2, goals()));
    writeData(QStringLiteral("Rank.txt"), {"Old"});
    writePool(QStringLiteral("Lista.txt"), list);
    writePool(QStringLiteral("Ana.txt"),
              participant("Ana", {"1", "0", "1", "0"}) + block(1, goals()));
    writePool(QStringLiteral("Bia.txt"), participant("Bia", {"9", "2", "1", "2"}));
    const QByteArray ana = bytesOf(m_pool + "Ana.txt");
    const QByteArray bia = bytesOf(m_pool + "Bia.txt");
    QVERIFY(!RecomputeOverallRanking(m_data, m_pool));
    QCOMPARE(TextFile::readLines(m_data, QStringLiteral("Rank.txt")), list);
    QCOMPARE(bytesOf(m_data + "Rank.txt"), joined(list));
    QCOMPARE(bytesOf(m_pool + "Ana.txt"), ana);
    QCOMPARE(bytesOf(m_pool + "Bia.txt"), bia);
}

void TestPoolRules::recomputeScoresEveryRoundWithABlock()
{
    // Rounds 1, 3, 4, 5 stored (round 2 withdrawn, count 4): round 5 counts although beyond the
    // count, round 2 is skipped although within it.
    writeData(QStringLiteral("Rodada.txt"), roundFile(4));
    writeData(QStringLiteral("Resultado.txt"), block(1, goals({{"2", "1"}})) + block(3, goals()) +
                                                   block(4, goals()) +
                                                   block(5, goals({{"1", "1"}})));
    writeData(QStringLiteral("Rank.txt"), {});
    writePool(QStringLiteral("Lista.txt"), {"Ana", "Bia"});
    // Ana: round 1 exact 2-1 in match 1 and 0-0 elsewhere (11 exact: 66); round 2 predicted but
    // no block; round 5 predicts 2-2 for 1-1 (draw: 1) and 0-0 elsewhere (10 exact: 60).
    writePool(QStringLiteral("Ana.txt"), participant("Ana", {"99", "9", "9", "9"}) +
                                             block(1, goals({{"2", "1"}})) + block(2, goals()) +
                                             block(5, goals({{"2", "2"}})));
    // Bia: round 3 only, 1-0 everywhere against 0-0 (away goals right in each: 11).
    QStringList bia;
    for (int k = 0; k < 11; ++k)
        bia += {"1", "0"};
    writePool(QStringLiteral("Bia.txt"), participant("Bia") + block(3, bia));

    const std::optional<Ranking> rows = RecomputeOverallRanking(m_data, m_pool);
    QVERIFY(rows);
    const Ranking expected{{"Ana", 3 * 21 + 22 + 42, 21, 22, 42}, {"Bia", 11, 0, 0, 11}};
    QCOMPARE(*rows, expected);
    QCOMPARE(poolLines("Ana.txt").mid(0, 6), participant("Ana", {"127", "21", "22", "42"}));
    QCOMPARE(poolLines("Ana.txt").size(), 6 + 3 * 24);
    QCOMPARE(poolLines("Bia.txt").mid(1, 4), QStringList({"11", "0", "0", "11"}));
    QCOMPARE(TextFile::readLines(m_data, "Rank.txt"), QStringList({"Ana", "Bia"}));
    QCOMPARE(LoadStoredRanking(m_pool), expected);
}

void TestPoolRules::recomputeStopsBeforeAnyWriteOnBadFile()
{
    writeData(QStringLiteral("Rodada.txt"), roundFile(1));
    writeData(QStringLiteral("Resultado.txt"), block(1, goals()));
    writeData(QStringLiteral("Rank.txt"), {"Old"});
    writePool(QStringLiteral("Lista.txt"), {"Ana", "Bia"});
    writePool(QStringLiteral("Ana.txt"), participant("Ana") + block(1, goals()));
    QStringList bad = goals();
    bad[3] = QStringLiteral("x");
    writePool(QStringLiteral("Bia.txt"), participant("Bia") + block(1, bad));
    const auto before = snapshot(m_dir->path());
    QVERIFY_THROWS_EXCEPTION(VelurinoError, RecomputeOverallRanking(m_data, m_pool));
    QCOMPARE(snapshot(m_dir->path()), before);
}

void TestPoolRules::roundRanking()
{
    writeData(QStringLiteral("Resultado.txt"), block(2, goals({{"3", "1"}})) + block(1, goals()));
    writePool(QStringLiteral("Lista.txt"), {"Ana", "Bia", "Cida"});
    writePool(QStringLiteral("Ana.txt"), participant("Ana") + block(1, goals()));
    // Bia: section of round 2 without its end line, so it does not count for the round.
    writePool(QStringLiteral("Bia.txt"),
              participant("Bia") + block(2, goals({{"3", "1"}})).mid(0, 23));
    writePool(QStringLiteral("Cida.txt"), participant("Cida") + block(2, goals({{"2", "0"}})));
    const auto before = snapshot(m_dir->path());
    const std::optional<Ranking> rows = ComputeRoundRanking(m_data, m_pool, 2);
    QVERIFY(rows);
    // Cida: 2-0 for 3-1 (outcome: 1) and 10 exact 0-0 (60).
    QCOMPARE(*rows, Ranking({{"Cida", 61, 10, 11, 20}, {"Bia", 0}, {"Ana", 0}}));
    QVERIFY(!ComputeRoundRanking(m_data, m_pool, 3));
    QCOMPARE(snapshot(m_dir->path()), before);
}

void TestPoolRules::roundsWithResultsInRoundOrder()
{
    QCOMPARE(Pool::roundsWithResults(block(3, goals()) + block(1, goals()) + block(5, goals())),
             QList<int>({1, 3, 5}));
    QCOMPARE(Pool::roundsWithResults(QStringList{}), QList<int>{});
}

// What the three rankings give when every file is read as a line list by TextFile and every
// marker found by findLine: a ranking, or the error's message.
static QString rankingOrError(const std::function<Ranking()> &compute)
{
    try {
        QStringList text;
        for (const TRankRow &row : compute())
            text << QStringLiteral("%1 %2 %3 %4 %5")
                        .arg(row.name)
                        .arg(row.PG)
                        .arg(row.AC)
                        .arg(row.AR)
                        .arg(row.AG);
        return text.join(QLatin1String(", "));
    } catch (const VelurinoError &error) {
        return QStringLiteral("error: ") + error.message();
    }
}

void TestPoolRules::rankingsReadFilesAsLineListsDo_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("file");
    const QByteArray header = "[Ana]\r\n7\r\n1\r\n2\r\n2\r\n[/Ana]\r\n";
    QByteArray round1 = "[1]\r\n";
    for (int k = 0; k < 11; ++k)
        round1 += k == 0 ? "2\r\n1\r\n" : "0\r\n0\r\n";
    round1 += "[/1]\r\n";
    QByteArray round2 = round1;
    round2.replace("[1]", "[2]").replace("[/1]", "[/2]");
    const QByteArray whole = header + round1 + round2;
    QTest::newRow("CR LF") << "Ana" << whole;
    QTest::newRow("lone LF") << "Ana" << QByteArray(whole).replace("\r\n", "\n");
    QTest::newRow("lone CR") << "Ana" << QByteArray(whole).replace("\r\n", "\r");
    QTest::newRow("mixed ends, no last terminator")
        << "Ana" << QByteArray(whole).replace("0\r\n0\r\n", "0\n0\r").chopped(2);
    QTest::newRow("bytes 0x80 to 0x9F and accents kept")
        << "Ana" << header + "\x80\x81\x8d\x8f\x90\x9d\x9f S\xe3o\r\n" + round1 + round2;
    QTest::newRow("leading zero, sign and blanks")
        << "Ana"
        << QByteArray(whole)
               .replace("[1]\r\n2\r\n1\r\n", "[1]\r\n02\r\n+1\r\n")
               .replace("[2]\r\n2\r\n1\r\n", "[2]\r\n 2\r\n1 \r\n");
    QTest::newRow("marker with a leading zero is no marker")
        << "Ana" << QByteArray(whole).replace("[1]\r\n", "[01]\r\n");
    QTest::newRow("section without its end line") << "Ana" << header + round1.chopped(6) + round2;
    QTest::newRow("end line only before the section")
        << "Ana" << header + "[/1]\r\n" + round1.chopped(6) + round2;
    QTest::newRow("section before the header end") << "Ana"
                                                   << "[Ana]\r\n" + round1 + "0\r\n";
    QTest::newRow("header reads as the marker of round 1")
        << "1" << QByteArray(whole).replace("Ana", "1");
    QTest::newRow("prediction not a number")
        << "Ana" << QByteArray(whole).replace("[2]\r\n2", "[2]\r\nx");
    QTest::newRow("section cut short") << "Ana" << header + round1 + "[2]\r\n1\r\n";
    QTest::newRow("counter not a number")
        << "Ana" << QByteArray(header).replace("7", "sete") + round1;
    QTest::newRow("numbers beyond the integers")
        << "Ana"
        << QByteArray(whole).replace("7", "99999999999").replace("[2]\r\n2", "[2]\r\n2147483648");
    QTest::newRow("counters missing") << "Ana" << QByteArray("[Ana]\r\n7\r\n1\r\n");
    QTest::newRow("header of another participant")
        << "Ana" << QByteArray(whole).replace("[Ana]", "[Bia]");
    QTest::newRow("header end line missing")
        << "Ana" << QByteArray(whole).replace("[/Ana]\r\n", "");
    QTest::newRow("header in other letter case")
        << "Ana" << QByteArray(whole).replace("[Ana]", "[ana]").replace("[/Ana]", "[/ANA]");
    QTest::newRow("bad sections stored out of order")
        << "Ana"
        << header + QByteArray(round2).replace("[2]\r\n2", "[2]\r\ny") +
               QByteArray(round1).replace("[1]\r\n2", "[1]\r\nx");
    QTest::newRow("empty file") << "Ana" << QByteArray();
}

void TestPoolRules::rankingsReadFilesAsLineListsDo()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, file);
    writeData(QStringLiteral("Rodada.txt"), roundFile(2));
    QStringList secondRound = goals({{"1", "1"}, {"3", "0"}});
    secondRound[6] = secondRound[7] = Season::NotPlayed;
    writeData(QStringLiteral("Resultado.txt"),
              block(1, goals({{"2", "1"}})) + block(2, secondRound));
    writeData(QStringLiteral("Rank.txt"), {});
    writePool(QStringLiteral("Lista.txt"), {"Bia", name});
    writePool(QStringLiteral("Bia.txt"), participant("Bia") + block(2, goals({{"1", "1"}})));
    TestFiles::writeBytes(m_pool + name + ".txt", file);

    const QStringList results = TextFile::readLines(m_data, QStringLiteral("Resultado.txt"));
    const auto lines = [this](const QString &who) { return Pool::readParticipant(m_pool, who); };
    const QStringList list{"Bia", name};
    const auto stored = [&] {
        Ranking rows;
        for (const QString &who : list) {
            const QStringList l = lines(who);
            const auto counter = [&](int i) {
                if (i >= l.size())
                    throw VelurinoError(
                        QStringLiteral("O arquivo \"%1.txt\" está incompleto: faltam os pontos.")
                            .arg(who));
                return Season::toInteger(l.at(i), who + ".txt", i);
            };
            rows.append({who, counter(1), counter(2), counter(3), counter(4)});
        }
        SortRanking(rows);
        return rows;
    };
    QCOMPARE(rankingOrError([this] { return LoadStoredRanking(m_pool); }), rankingOrError(stored));

    for (int n : {1, 2}) {
        const QStringList kept =
            results.mid(TextFile::findLine(results, Season::roundMarker(n)), Season::BlockLines);
        const auto round = [&] {
            Ranking rows;
            for (const QString &who : list) {
                const QStringList l = lines(who);
                TRankRow row{who};
                const int s = Pool::findSection(l, n);
                if (s != TextFile::NotFound &&
                    TextFile::findLine(l, Season::roundEndMarker(n), s) != TextFile::NotFound)
                    scoreRoundOracle(n, kept, l, row.AC, row.AR, row.AG, who);
                row.PG = 3 * row.AC + row.AR + row.AG;
                rows.append(row);
            }
            SortRanking(rows);
            return rows;
        };
        QCOMPARE(rankingOrError([&] { return ComputeRoundRanking(m_data, m_pool, n).value(); }),
                 rankingOrError(round));
    }

    // The overall recomputation, and the files it writes: every line kept as text, CR LF after
    // every one, the four counters replaced.
    QMap<QString, QByteArray> written;
    const auto overall = [&] {
        Ranking rows;
        for (const QString &who : list) {
            QStringList l = lines(who);
            if (l.size() < 6)
                throw VelurinoError(
                    QStringLiteral("O arquivo \"%1.txt\" está incompleto: faltam os pontos.")
                        .arg(who));
            const QString head = Pool::headerMarker(who), end = Pool::headerEndMarker(who);
            if (l.at(0).compare(head, Qt::CaseInsensitive) != 0 ||
                l.at(5).compare(end, Qt::CaseInsensitive) != 0)
                throw VelurinoError(
                    QStringLiteral("O arquivo \"%1.txt\" está danificado: falta o cabeçalho do "
                                   "participante (\"%2\" na linha 1 e \"%3\" na linha 6). Nenhum "
                                   "arquivo foi alterado.")
                        .arg(who, head, end));
            TRankRow row{who};
            for (int n : {1, 2})
                scoreRoundOracle(n, results, l, row.AC, row.AR, row.AG, who);
            row.PG = 3 * row.AC + row.AR + row.AG;
            l[1] = QString::number(row.PG);
            l[2] = QString::number(row.AC);
            l[3] = QString::number(row.AR);
            l[4] = QString::number(row.AG);
            written[who] = TextFile::joinLines(l);
            rows.append(row);
        }
        SortRanking(rows);
        return rows;
    };
    const QString expected = rankingOrError(overall);
    const auto before = snapshot(m_dir->path());
    QCOMPARE(rankingOrError([this] { return RecomputeOverallRanking(m_data, m_pool).value(); }),
             expected);
    if (expected.startsWith(QLatin1String("error: "))) {
        QCOMPARE(snapshot(m_dir->path()), before);
        return;
    }
    for (const QString &who : list)
        QCOMPARE(bytesOf(m_pool + who + ".txt"), written.value(who));
}

void TestPoolRules::betSheetTextsAndPositions_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QPoint>("title");
    QTest::addColumn<QPoint>("first");
    QTest::addColumn<QPoint>("last");
    QTest::newRow("600 dpi: as laid out")
        << 600 << QPoint(500, 100) << QPoint(700, 500) << QPoint(700, 3000);
    QTest::newRow("1200 dpi: doubled")
        << 1200 << QPoint(1000, 200) << QPoint(1400, 1000) << QPoint(1400, 6000);
    QTest::newRow("300 dpi: halved")
        << 300 << QPoint(250, 50) << QPoint(350, 250) << QPoint(350, 1500);
}

void TestPoolRules::betSheetTextsAndPositions()
{
    QFETCH(int, dpi);
    QTEST(BetSheet::position(0, dpi), "title");
    QTEST(BetSheet::position(1, dpi), "first");
    QTEST(BetSheet::position(11, dpi), "last");
    const BetSheet sheet = betSheetFor(roundFile(0), 1);
    QCOMPARE(sheet.title, QStringLiteral("Campeonato Velurino 2005  -  Jogos da 1º Rodada"));
    QCOMPARE(sheet.matchLines.size(), 11);
    QCOMPARE(sheet.matchLines.first(), QStringLiteral("Casa1-1_______x_______Fora1-1"));
    QCOMPARE(betSheetFor(roundFile(0), 42).matchLines.last(),
             QStringLiteral("Casa42-11_______x_______Fora42-11"));
}

QTEST_GUILESS_MAIN(TestPoolRules)
#include "test_pool_rules.moc"

Q_DECLARE_METATYPE(QList<TitleChance>)

void TestPoolRules::whoCanStillWin_data()
{
    // Rounds 1 to 41 end 0-0 everywhere, so one round is left, worth 11 x 6 = 66. Each participant
    // predicted 0-0 (66 a round) in rounds 1 to `exact`.
    QTest::addColumn<QList<int>>("exact"); // Ana, Bia, Caio
    QTest::addColumn<bool>("updated");     // the overall ranking was recomputed first
    QTest::addColumn<QList<qint64>>("most");
    QTest::addColumn<QList<TitleChance>>("chances");
    using C = TitleChance;
    QTest::newRow("out of reach with a round left")
        << QList<int>{41, 39, 0} << true << QList<qint64>{2706 + 66, 2574 + 66, 66}
        << QList<TitleChance>{C::Champion, C::Out, C::Out};
    QTest::newRow("a tie reachable keeps both in the race")
        << QList<int>{41, 40, 2} << true << QList<qint64>{2772, 2706, 198}
        << QList<TitleChance>{C::Open, C::Open, C::Out};
    QTest::newRow("no marks on counters not updated")
        << QList<int>{41, 40, 2} << false << QList<qint64>{} << QList<TitleChance>{};
}

void TestPoolRules::whoCanStillWin()
{
    QFETCH(QList<int>, exact);
    QFETCH(bool, updated);
    QFETCH(QList<qint64>, most);
    QFETCH(QList<TitleChance>, chances);
    QCOMPARE(PoolRace::roundMostPoints(), 66);
    writeData(QStringLiteral("Rodada.txt"), roundFile(41));
    QStringList results;
    for (int n = 1; n <= 41; ++n)
        results += block(n, goals());
    writeData(QStringLiteral("Resultado.txt"), results);
    writeData(QStringLiteral("Rank.txt"), {});
    const QStringList names{"Ana", "Bia", "Caio"};
    writePool(QStringLiteral("Lista.txt"), names);
    for (int i = 0; i < names.size(); ++i) {
        QStringList file = participant(names[i]);
        for (int n = 1; n <= exact[i]; ++n)
            file += block(n, goals());
        writePool(names[i] + QStringLiteral(".txt"), file);
    }
    if (updated)
        QVERIFY(RecomputeOverallRanking(m_data, m_pool));

    const std::optional<QList<TitleReach>> reach =
        PoolRace::reach(LoadStoredRanking(m_pool), ScoreRoundByRound(m_data, m_pool));
    QCOMPARE(reach.has_value(), updated);
    if (!reach)
        return;
    QList<qint64> gotMost;
    QList<TitleChance> gotChances;
    for (const TitleReach &r : *reach) {
        gotMost << r.most;
        gotChances << r.chance;
    }
    QCOMPARE(gotMost, most);
    QCOMPARE(gotChances, chances);
}

void TestPoolRules::positionHistory()
{
    // Round 1: Ana exact everywhere (66), Bia 1-0 against 0-0 (away goals: 11), Caio nothing.
    // Round 2 has no results; round 3: Ana nothing, Bia and Caio exact. After round 3 Ana and
    // Caio are equal on every counter: Ana, earlier in the list, stays above Caio.
    writeData(QStringLiteral("Rodada.txt"), roundFile(2));
    writeData(QStringLiteral("Resultado.txt"), block(3, goals()) + block(1, goals()));
    writePool(QStringLiteral("Lista.txt"), {"Ana", "Bia", "Caio"});
    QStringList oneNil;
    for (int k = 0; k < 11; ++k)
        oneNil += {"1", "0"};
    writePool(QStringLiteral("Ana.txt"), participant("Ana") + block(1, goals()));
    writePool(QStringLiteral("Bia.txt"),
              participant("Bia") + block(3, goals()) + block(1, oneNil) + block(2, goals()));
    writePool(QStringLiteral("Caio.txt"), participant("Caio") + block(3, goals()));

    const RoundByRound scores = ScoreRoundByRound(m_data, m_pool);
    QCOMPARE(scores.rounds, QList<int>({1, 3}));
    QCOMPARE(scores.after.last(),
             Ranking({{"Ana", 66, 11, 11, 22}, {"Bia", 77, 11, 11, 33}, {"Caio", 66, 11, 11, 22}}));
    const PositionHistory history = PoolRace::history(scores);
    QCOMPARE(history.names, QStringList({"Ana", "Bia", "Caio"}));
    QCOMPARE(history.lastRound, 3);
    QCOMPARE(history.places, QList<QList<int>>({{1, 1, 2}, {2, 2, 1}, {3, 3, 3}}));
}
