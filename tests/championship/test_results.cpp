// Storing and withdrawing a round's results: what each outcome adds to the team records, the
// exact file effects, the round trip back to the same bytes, and the refusals that leave every
// file as it was.
#include "seasonfixture.h"

#include "championship/rules/results.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"

#include <QTemporaryDir>
#include <QTest>

using namespace SeasonFixture;

class TestResults : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void storeRaisesBothRecords_data();
    void storeRaisesBothRecords();
    void storeAppendsTheBlockAndRaisesTheCount();
    void storeThenWithdrawRestoresEveryByte_data();
    void storeThenWithdrawRestoresEveryByte();
    void withdrawingAMiddleRoundAndStoringItAgain();
    void storeRefusalsChangeNoFile_data();
    void storeRefusalsChangeNoFile();
    void withdrawRefusalsChangeNoFile_data();
    void withdrawRefusalsChangeNoFile();
    void roundTableOpensOnTheNextRound_data();
    void roundTableOpensOnTheNextRound();
    void roundStateFollowsTheCountAndTheResults_data();
    void roundStateFollowsTheCountAndTheResults();
    void roundViewShowsStoredLinesVerbatim();

private:
    QString dir() const { return m_dir->path() + "/"; }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestResults::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    write(dir());
}

void TestResults::storeRaisesBothRecords_data()
{
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("away");
    QTest::addColumn<QStringList>("homeCounters");
    QTest::addColumn<QStringList>("awayCounters");
    // Points, games, wins, draws, losses, goals scored, goals conceded.
    QTest::newRow("home win 2-1") << "2"
                                  << "1" << QStringList{"3", "1", "1", "0", "0", "2", "1"}
                                  << QStringList{"0", "1", "0", "0", "1", "1", "2"};
    QTest::newRow("away win 0-3") << "0"
                                  << "3" << QStringList{"0", "1", "0", "0", "1", "0", "3"}
                                  << QStringList{"3", "1", "1", "0", "0", "3", "0"};
    QTest::newRow("draw 0-0") << "0"
                              << "0" << QStringList{"1", "1", "0", "1", "0", "0", "0"}
                              << QStringList{"1", "1", "0", "1", "0", "0", "0"};
    QTest::newRow("score typed as 02 counts 2")
        << "02"
        << "2" << QStringList{"1", "1", "0", "1", "0", "2", "2"}
        << QStringList{"1", "1", "0", "1", "0", "2", "2"};
    QTest::newRow("ten goals") << "10"
                               << "9" << QStringList{"3", "1", "1", "0", "0", "10", "9"}
                               << QStringList{"0", "1", "0", "0", "1", "9", "10"};
}

void TestResults::storeRaisesBothRecords()
{
    QFETCH(QString, home);
    QFETCH(QString, away);
    QFETCH(QStringList, homeCounters);
    QFETCH(QStringList, awayCounters);
    QStringList boxes = allScores("", "");
    boxes[0] = home;
    boxes[1] = away;
    QCOMPARE(Results::storeRoundResults(dir(), 1, boxes), 1);
    QCOMPARE(counters(dir(), homeOf(1, 0)), homeCounters);
    QCOMPARE(counters(dir(), awayOf(1, 0)), awayCounters);
    // The other 20 clubs did not play.
    QCOMPARE(counters(dir(), homeOf(1, 1)), QStringList(7, "0"));
    const QStringList block = TextFile::readLines(dir(), "Resultado.txt");
    QCOMPARE(block.mid(1, 2), (QStringList{home, away}));
}

void TestResults::storeAppendsTheBlockAndRaisesTheCount()
{
    QStringList boxes = allScores("1", "0");
    boxes[4] = boxes[5] = ""; // match 3 left empty
    Results::storeRoundResults(dir(), 1, boxes);

    QStringList expected{"[1]"};
    for (int k = 0; k < 11; ++k)
        expected << (k == 2 ? QStringList{"NO", "NO"} : QStringList{"1", "0"});
    expected << "[/1]";
    QCOMPARE(TextFile::readLines(dir(), "Resultado.txt"), expected);
    QCOMPARE(TextFile::readLines(dir(), "Rodada.txt").first(), QString("1"));
    QCOMPARE(counters(dir(), homeOf(1, 2)), QStringList(7, "0"));
    QCOMPARE(counters(dir(), awayOf(1, 2)), QStringList(7, "0"));
    QCOMPARE(counters(dir(), homeOf(1, 3)).first(), QString("3"));
    QVERIFY(bytes(dir(), "Times.txt").endsWith("=]\r\n"));
}

void TestResults::storeThenWithdrawRestoresEveryByte_data()
{
    QTest::addColumn<int>("earlierRounds");
    QTest::addColumn<int>("round");
    QTest::addColumn<QStringList>("boxes");
    QStringList mixed = allScores("3", "1");
    mixed[4] = mixed[5] = "";
    mixed[6] = "0";
    mixed[7] = "04";
    QTest::newRow("first round, every match played") << 0 << 1 << allScores("2", "2");
    QTest::newRow("match 3 left empty, leading zero") << 0 << 1 << mixed;
    QTest::newRow("every box empty") << 0 << 1 << allScores("", "");
    QTest::newRow("sixth round after five stored") << 5 << 6 << mixed;
}

void TestResults::storeThenWithdrawRestoresEveryByte()
{
    QFETCH(int, earlierRounds);
    QFETCH(int, round);
    QFETCH(QStringList, boxes);
    for (int r = 1; r <= earlierRounds; ++r)
        Results::storeRoundResults(dir(), r, allScores(QString::number(r % 3), "1"));
    const auto before = snapshot(dir());

    QCOMPARE(Results::storeRoundResults(dir(), round, boxes), earlierRounds + 1);
    QVERIFY(snapshot(dir()) != before);
    QCOMPARE(Results::undoRoundResults(dir(), round), earlierRounds);
    QCOMPARE(snapshot(dir()), before);
}

void TestResults::withdrawingAMiddleRoundAndStoringItAgain()
{
    for (int r = 1; r <= 5; ++r)
        Results::storeRoundResults(dir(), r, allScores(QString::number(r), "0"));
    QCOMPARE(Results::undoRoundResults(dir(), 2), 4);

    QStringList markers;
    for (const QString &line : TextFile::readLines(dir(), "Resultado.txt"))
        if (line.startsWith('['))
            markers << line;
    QCOMPARE(markers, (QStringList{"[1]", "[/1]", "[3]", "[/3]", "[4]", "[/4]", "[5]", "[/5]"}));
    // The records are those of a season in which round 2 was never stored.
    QTemporaryDir other;
    const QString reference = other.path() + "/";
    write(reference);
    for (int r : {1, 3, 4, 5})
        Results::storeRoundResults(reference, r, allScores(QString::number(r), "0"));
    QCOMPARE(bytes(dir(), "Times.txt"), bytes(reference, "Times.txt"));

    QCOMPARE(Results::storeRoundResults(dir(), 2, allScores("7", "7")), 5);
    const QStringList lines = TextFile::readLines(dir(), "Resultado.txt");
    QCOMPARE(lines.size(), 5 * 24);
    QCOMPARE(lines.at(4 * 24), QString("[2]"));
    QCOMPARE(lines.at(4 * 24 + 1), QString("7"));
}

namespace {

// Damages the season in one way before a refused store or withdrawal.
enum class Damage
{
    None,
    RecordKeyRenamed,
    FixtureSectionRemoved,
    RecordCut,
    CounterText,
    RoundStored,
    EndMarkerMissing,
    GoalLineText,
    RoundCountText
};

void damage(const QString &dir, Damage kind, int round)
{
    QStringList times = TextFile::readLines(dir, "Times.txt");
    QStringList rounds = TextFile::readLines(dir, "Rodada.txt");
    QStringList results = TextFile::readLines(dir, "Resultado.txt");
    const int record = TextFile::findLine(times, "[" + homeOf(round, 4) + "]");
    switch (kind) {
    case Damage::None:
        return;
    case Damage::RecordKeyRenamed:
        times[record] = "[Outro Clube]";
        break;
    case Damage::RecordCut:
        times[record + 8] = "";
        break;
    case Damage::CounterText:
        times[record + 6] = "dez";
        break;
    case Damage::FixtureSectionRemoved:
        rounds[TextFile::findLine(rounds, QStringLiteral("[%1]").arg(round))] = "[-]";
        break;
    case Damage::RoundCountText:
        rounds[0] = "um";
        break;
    case Damage::RoundStored:
        Results::storeRoundResults(dir, round, allScores("1", "1"));
        return;
    case Damage::EndMarkerMissing:
        results.removeAll(QStringLiteral("[/%1]").arg(round));
        break;
    case Damage::GoalLineText:
        results[TextFile::findLine(results, QStringLiteral("[%1]").arg(round)) + 9] = "x";
        break;
    }
    TestFiles::writeLines(dir + "Times.txt", times);
    TestFiles::writeLines(dir + "Rodada.txt", rounds);
    TestFiles::writeLines(dir + "Resultado.txt", results);
}

} // namespace

void TestResults::storeRefusalsChangeNoFile_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("damageKind");
    QTest::addColumn<int>("round");
    QTest::addColumn<QString>("message");
    const int none = int(Damage::None);
    QTest::newRow("home box of match 4 empty") << 6 << "" << none << 1 << "jogo 4 da 1ª Rodada";
    QTest::newRow("away box of match 11 empty") << 21 << "" << none << 1 << "jogo 11";
    QTest::newRow("pasted 1a2") << 0 << "1a2" << none << 1 << "\"1a2\"";
    QTest::newRow("minus sign") << 3 << "-1" << none << 1 << "\"-1\"";
    QTest::newRow("blank around digits") << 3 << " 1" << none << 1 << "jogo 2";
    QTest::newRow("beyond 32 bits") << 0 << "99999999999" << none << 1 << "99999999999";
    QTest::newRow("fixture name without record")
        << 0 << "1" << int(Damage::RecordKeyRenamed) << 1 << "não tem registro";
    QTest::newRow("record without its end line")
        << 0 << "1" << int(Damage::RecordCut) << 1 << "incompleto";
    QTest::newRow("counter that is not a number")
        << 0 << "1" << int(Damage::CounterText) << 1 << "\"dez\"";
    QTest::newRow("round without fixture section")
        << 0 << "1" << int(Damage::FixtureSectionRemoved) << 1 << "não tem os jogos da 1ª Rodada";
    QTest::newRow("count that is not a number")
        << 0 << "1" << int(Damage::RoundCountText) << 1 << "Rodada.txt";
    QTest::newRow("round already stored")
        << 0 << "1" << int(Damage::RoundStored) << 1 << "já tem resultados";
    QTest::newRow("no round selected") << 0 << "1" << none << 0 << "Nenhuma rodada";
    QTest::newRow("round 43") << 0 << "1" << none << 43 << "Nenhuma rodada";
}

void TestResults::storeRefusalsChangeNoFile()
{
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(int, damageKind);
    QFETCH(int, round);
    QFETCH(QString, message);
    damage(dir(), Damage(damageKind), std::clamp(round, 1, 42));
    const auto before = snapshot(dir());
    QStringList boxes = allScores("1", "0");
    boxes[box] = text;
    try {
        Results::storeRoundResults(dir(), round, boxes);
        QFAIL("the store was not refused");
    } catch (const VelurinoError &error) {
        QVERIFY2(error.message().contains(message), qPrintable(error.message()));
    }
    QCOMPARE(snapshot(dir()), before);
}

void TestResults::withdrawRefusalsChangeNoFile_data()
{
    QTest::addColumn<int>("damageKind");
    QTest::addColumn<QString>("message");
    QTest::newRow("round without results") << -1 << "não tem resultados";
    QTest::newRow("block without its end line") << int(Damage::EndMarkerMissing) << "[/3]";
    QTest::newRow("goal line that is not a number") << int(Damage::GoalLineText) << "jogo 5";
    QTest::newRow("fixture name without record") << int(Damage::RecordKeyRenamed) << "registro";
    QTest::newRow("round without fixture section")
        << int(Damage::FixtureSectionRemoved) << "não tem os jogos";
}

void TestResults::withdrawRefusalsChangeNoFile()
{
    QFETCH(int, damageKind);
    QFETCH(QString, message);
    Results::storeRoundResults(dir(), 1, allScores("2", "1"));
    Results::storeRoundResults(dir(), 2, allScores("0", "1"));
    if (damageKind >= 0) {
        Results::storeRoundResults(dir(), 3, allScores("3", "3"));
        damage(dir(), Damage(damageKind), 3);
    }
    const auto before = snapshot(dir());
    try {
        Results::undoRoundResults(dir(), 3);
        QFAIL("the withdrawal was not refused");
    } catch (const VelurinoError &error) {
        QVERIFY2(error.message().contains(message), qPrintable(error.message()));
    }
    QCOMPARE(snapshot(dir()), before);
}

void TestResults::roundTableOpensOnTheNextRound_data()
{
    QTest::addColumn<int>("storedRounds");
    QTest::addColumn<int>("round");
    QTest::newRow("new season") << 0 << 1;
    QTest::newRow("three stored") << 3 << 4;
    QTest::newRow("41 stored") << 41 << 42;
    QTest::newRow("all 42 stored shows the last") << 42 << 42;
}

void TestResults::roundTableOpensOnTheNextRound()
{
    QFETCH(int, storedRounds);
    QFETCH(int, round);
    QCOMPARE(Results::initialRound(storedRounds), round);
}

void TestResults::roundStateFollowsTheCountAndTheResults_data()
{
    using State = Season::RoundState;
    QTest::addColumn<int>("storedRounds");
    QTest::addColumn<int>("round");
    QTest::addColumn<bool>("hasResults");
    QTest::addColumn<State>("state");
    QTest::newRow("new season, round 1 next") << 0 << 1 << false << State::Next;
    QTest::newRow("count 3, round 4 next") << 3 << 4 << false << State::Next;
    QTest::newRow("count 3, round 6 waits") << 3 << 6 << false << State::Later;
    QTest::newRow("count 3, round 3 closed") << 3 << 3 << true << State::Closed;
    QTest::newRow("withdrawn out of order: still closed") << 4 << 2 << false << State::Closed;
    QTest::newRow("stored beyond the count: closed") << 1 << 5 << true << State::Closed;
    QTest::newRow("all stored, round 42 closed") << 42 << 42 << true << State::Closed;
}

void TestResults::roundStateFollowsTheCountAndTheResults()
{
    QFETCH(int, storedRounds);
    QFETCH(int, round);
    QFETCH(bool, hasResults);
    QTEST(Season::roundState(storedRounds, round, hasResults), "state");
}

void TestResults::roundViewShowsStoredLinesVerbatim()
{
    QStringList boxes = allScores("02", "1");
    boxes[8] = boxes[9] = "";
    Results::storeRoundResults(dir(), 1, boxes);
    const Results::RoundView view = Results::readRoundView(dir(), 1);
    QVERIFY(view.stored.has_value());
    QCOMPARE(view.stored->at(0), QString("02"));
    QCOMPARE(view.stored->mid(8, 2), (QStringList{"NO", "NO"}));
    QCOMPARE(view.storedRounds, 1);
    QCOMPARE(view.state, Season::RoundState::Closed);
    QVERIFY(view.page.contains("Jogos da rodada 1</p>"));
    QVERIFY(!view.page.contains("never shown"));
    QVERIFY(!Results::readRoundView(dir(), 2).stored.has_value());
}

QTEST_APPLESS_MAIN(TestResults)
#include "test_results.moc"
