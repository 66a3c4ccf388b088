// Damaged data files under every screen and operation of the program. A season in progress (two
// rounds stored, two participants with predictions, the ranking computed) has one of its files
// cut short, stripped of a marker, given a word where a number belongs, a block that ends early,
// a line of a megabyte, random bytes, or taken away. Then every screen is opened and every
// operation run on it: each reports the damage in the error box or copes with it as the rules
// say, nothing escapes the handlers, an operation that stopped on an error wrote nothing, no
// operation writes a file it does not own, and once the file is whole again every screen works.
#include "programtree.h"
#include "testdata.h"
#include "testfiles.h"

#include "app/form1.h"
#include "app/program.h"
#include "championship/classifica.h"
#include "championship/rules/results.h"
#include "championship/tabela.h"
#include "championship/times.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "pool/aposta.h"
#include "pool/bolao.h"
#include "pool/rank.h"
#include "pool/rules/poolfiles.h"
#include "pool/rules/ranking.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <functional>

using ProgramTree::Tree;

namespace {

const QString ReinstallNotice = QStringLiteral("Erro. Reinstale o programa.");
// A message box the user can still read: no damaged line is shown whole.
constexpr int LongestMessage = 1000;
constexpr int Megabyte = 1 << 20;

QStringList scores(const QString &home, const QString &away)
{
    QStringList boxes;
    for (int k = 1; k <= 11; ++k)
        boxes << (k == 5 ? QString() : home) << (k == 5 ? QString() : away);
    return boxes;
}

QStringList predictions(const QString &value)
{
    return QStringList(22, value);
}

// One screen or operation: `prepare` brings the program to where the user acts, on whole files;
// `act` is the user's action, run on the damaged files. `writes` are the files it may change.
struct Operation
{
    QString name;
    std::function<void()> prepare;
    std::function<void()> act;
    QStringList writes;
};

} // namespace

class TestMalformedFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void damagedFile_data();
    void damagedFile();

private:
    void buildSeason();
    void damage(const QString &file, const QString &kind);
    QList<Operation> operations();

    QString data(const QString &name) const { return m_season->dataDir() + name; }
    QStringList lines(const QString &name) const { return TextFile::readLines(data(name)); }
    void setLines(const QString &name, const QStringList &lines) const
    {
        TestFiles::writeLines(data(name), lines);
    }
    int lineOf(const QString &name, const QString &text) const;
    // The file's bytes up to the middle of line `line`, without its line end.
    void cutInsideLine(const QString &name, int line) const;

    void click(QWidget *widget);
    void toMenu();
    void toHub(QWidget *panelButton);
    void showRound(int round);
    void chooseBetRound(int round);
    void selectParticipant(const QString &name);

    std::unique_ptr<ProgramTree::SharedSeason> m_shared;
    TestSeason *m_season = nullptr;
    MessageRecorder *m_messages = nullptr;
    QString m_root;
};

// Every row starts from the season in progress, built once.
void TestMalformedFiles::initTestCase()
{
    m_shared = std::make_unique<ProgramTree::SharedSeason>();
    m_season = &m_shared->season;
    m_messages = &m_shared->messages;
    m_root = m_shared->root;
    buildSeason();
    m_shared->keepAsStart();
}

void TestMalformedFiles::init()
{
    m_shared->reset();
}

void TestMalformedFiles::cleanup()
{
    destroyScreens();
    CurrentUser.clear();
}

void TestMalformedFiles::cleanupTestCase()
{
    m_shared.reset();
}

// Rounds 1 and 2 stored (match 5 not played), Ana with predictions for rounds 1 and 2, Bia for
// round 1, and the ranking recomputed, so that every file holds what a season in progress holds.
void TestMalformedFiles::buildSeason()
{
    const QString dir = m_season->dataDir();
    const QString pool = dir + QStringLiteral("player/");
    QCOMPARE(Results::storeRoundResults(dir, 1, scores("2", "1")), 1);
    QCOMPARE(Results::storeRoundResults(dir, 2, scores("0", "0")), 2);
    for (const QString name : {"Ana", "Bia"})
        QVERIFY(Pool::registerParticipant(dir, pool, name).registered);
    Pool::storePredictions(pool, "Ana", 1, predictions("2"));
    Pool::storePredictions(pool, "Ana", 2, predictions("1"));
    Pool::storePredictions(pool, "Bia", 1, predictions("0"));
    QVERIFY(RecomputeOverallRanking(dir, pool).has_value());
}

int TestMalformedFiles::lineOf(const QString &name, const QString &text) const
{
    const int line = TextFile::findLine(lines(name), text);
    if (line == TextFile::NotFound)
        qFatal("no line %s in %s", qPrintable(text), qPrintable(name));
    return line;
}

void TestMalformedFiles::cutInsideLine(const QString &name, int line) const
{
    const QStringList all = lines(name);
    QByteArray bytes = TextFile::joinLines(all.mid(0, line));
    bytes += TextFile::encode(all.at(line).left(std::max<int>(1, all.at(line).size() / 2)));
    TestFiles::writeBytes(data(name), bytes);
}

// Each kind of damage, as it would hit that file.
void TestMalformedFiles::damage(const QString &file, const QString &kind)
{
    const QStringList whole = lines(file);
    QStringList all = whole;
    const QString big(Megabyte, QLatin1Char('9'));
    if (kind == "missing") {
        QVERIFY(QFile::remove(data(file)));
    } else if (kind == "empty") {
        TestFiles::writeBytes(data(file), {});
    } else if (kind == "random bytes") {
        QRandomGenerator random(2005);
        QByteArray bytes(std::max<qsizetype>(4096, TestFiles::bytesOf(data(file)).size()), '\0');
        for (char &byte : bytes)
            byte = char(random.bounded(256));
        TestFiles::writeBytes(data(file), bytes);
    } else if (file == "Rodada.txt") {
        const int third = lineOf(file, "[3]");
        if (kind == "truncated")
            cutInsideLine(file, third + 10);
        else if (kind == "missing marker")
            all = all.filter(QRegularExpression("^(?!\\[[23]\\]$)"));
        else if (kind == "not a number")
            all[0] = "dois";
        else if (kind == "second number not a number")
            all[1] = "zero";
        else if (kind == "count past 32 bits")
            all[0] = "99999999999";
        else if (kind == "count beyond the season")
            all[0] = "99";
        else if (kind == "negative count")
            all[0] = "-1";
        else if (kind == "short block")
            all.remove(third + 11, 12);
        else if (kind == "megabyte line")
            all[third + 1] = big;
    } else if (file == "Resultado.txt") {
        const int second = lineOf(file, "[2]");
        if (kind == "truncated")
            cutInsideLine(file, second + 12);
        else if (kind == "missing marker")
            all.removeAll("[/2]");
        else if (kind == "missing block header")
            all.removeAll("[2]");
        else if (kind == "not a number")
            all[second + 1] = "x";
        else if (kind == "one side not played")
            all[second + 1] = "NO";
        else if (kind == "short block")
            all.remove(1, 10);
        else if (kind == "megabyte line")
            all[second + 1] = big;
    } else if (file == "Times.txt") {
        const int alvorada = lineOf(file, "[Alvorada]");
        if (kind == "truncated")
            cutInsideLine(file, 11 * 9 + 4);
        else if (kind == "missing marker")
            all.removeAt(alvorada + 8);
        else if (kind == "missing details end")
            all.removeAt(lineOf(file, "=]"));
        else if (kind == "key in capitals")
            all[alvorada] = "[ALVORADA]";
        else if (kind == "not a number")
            all[alvorada + 3] = "três";
        else if (kind == "short block")
            all.remove(alvorada + 1, 2);
        else if (kind == "megabyte line")
            all[alvorada + 1] = big;
    } else if (file == "Nomes.txt") {
        if (kind == "truncated")
            cutInsideLine(file, 10);
        else if (kind == "one name missing")
            all.removeLast();
        else if (kind == "more names than teams")
            setLines(file, all + all.mid(0, 8));
        else if (kind == "megabyte line")
            all[0] = QString(Megabyte, QLatin1Char('N'));
    } else if (file == "tabela1.htm") {
        const int number = lineOf(file, "3");
        if (kind == "truncated")
            cutInsideLine(file, number + 6);
        else if (kind == "missing marker")
            all.removeAll("[=");
        else if (kind == "missing end marker")
            all.removeAll("[3]");
        else if (kind == "not a number")
            all[number] = "três";
        else if (kind == "short block")
            all.remove(number + 3, lineOf(file, "[3]") - number - 3);
        else if (kind == "megabyte line")
            all[number + 1] = QString(Megabyte, QLatin1Char('x'));
        else if (kind == "megabyte word on a shown page")
            all[number + 2] = QString(Megabyte, QLatin1Char('x'));
    } else if (file == "Rank.txt") {
        if (kind == "truncated")
            cutInsideLine(file, 1);
        else if (kind == "names nobody has")
            setLines(file, {"Zé", "Xu"});
        else if (kind == "megabyte line")
            setLines(file, all + QStringList{QString(Megabyte, QLatin1Char('R'))});
    } else if (file == "player/Lista.txt") {
        if (kind == "truncated")
            cutInsideLine(file, 1);
        else if (kind == "blank line")
            setLines(file, {"Ana", "", "Bia"});
        else if (kind == "name without a file")
            setLines(file, {"Ana", "Bia", "Zé"});
        else if (kind == "round number as a name") {
            setLines(file, {"Ana", "7", "Bia"});
            setLines("player/7.txt", QStringList{"[7]", "1", "0", "1", "0", "[/7]", "[1]"} +
                                         predictions("2") + QStringList{"[/1]"});
        } else if (kind == "the list's own name")
            setLines(file, {"Ana", "Lista", "Bia"});
        else if (kind == "megabyte line")
            setLines(file, {QString(Megabyte, QLatin1Char('L')), "Ana", "Bia"});
    } else if (file == "player/Ana.txt") {
        const int second = lineOf(file, "[2]");
        if (kind == "truncated")
            cutInsideLine(file, second + 12);
        else if (kind == "missing marker")
            all.removeAll("[/Ana]");
        else if (kind == "missing header")
            all.removeAll("[Ana]");
        else if (kind == "not a number")
            all[1] = "muitos";
        else if (kind == "prediction not a number")
            all[second + 1] = "x";
        else if (kind == "short block")
            all.remove(lineOf(file, "[1]") + 1, 12);
        else if (kind == "megabyte line")
            all[second + 1] = QString(Megabyte, QLatin1Char('1'));
    }
    if (all != whole)
        setLines(file, all);
}

void TestMalformedFiles::click(QWidget *widget)
{
    QVERIFY2(widget->isVisible(), qPrintable(widget->objectName()));
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, 3));
}

void TestMalformedFiles::toMenu()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window != Form1 && qobject_cast<ScreenForm *>(window))
            window->hide();
    Form1->show();
    Form1->fiVelurinoClick();
}

void TestMalformedFiles::toHub(QWidget *panelButton)
{
    toMenu();
    Form1->fiSairClick();
    click(Form1->fiBolao);
    QVERIFY(FormBolao->isVisible());
    if (panelButton)
        click(panelButton);
}

void TestMalformedFiles::showRound(int round)
{
    QComboBox *rounds = FormTabela->CbRodadas;
    if (rounds->currentIndex() == round - 1)
        rounds->setCurrentIndex(round == 42 ? 0 : 41);
    rounds->setCurrentIndex(round - 1);
}

void TestMalformedFiles::chooseBetRound(int round)
{
    FormAposta->CbRodada->setCurrentIndex(round - 1);
    emit FormAposta->CbRodada->activated(round - 1);
}

void TestMalformedFiles::selectParticipant(const QString &name)
{
    QListWidget *list = FormBolao->LbUsers;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text() == name) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(i)).center());
            return;
        }
    QFAIL(qPrintable("no participant " + name));
}

QList<Operation> TestMalformedFiles::operations()
{
    const QStringList championship{"dados/Resultado.txt", "dados/Times.txt", "dados/Rodada.txt"};
    const auto table = [this](int round) {
        toMenu();
        click(Form1->fiTabela);
        showRound(round);
    };
    const auto betEntry = [this](int round) {
        toHub(FormBolao->fiAposta);
        selectParticipant("Ana");
        click(FormBolao->BtAposta);
        QVERIFY(FormAposta->isVisible());
        chooseBetRound(round);
    };
    const auto ranking = [this](bool overall) {
        toHub(FormBolao->fiRank);
        click(overall ? FormBolao->fiGeral : FormBolao->fiRodada);
        QVERIFY(FormRank->isVisible());
    };
    return {
        {"start",
         [] {},
         [this] {
             createStartScreen(m_season->dataDir());
             Form1->show();
             QVERIFY(QTest::qWaitForWindowExposed(Form1));
         },
         {}},
        // The round table is made, and reads its files, when it is first opened.
        {"table open", [this] { toMenu(); }, [this] { click(Form1->fiTabela); }, {}},
        {"table round 2",
         [=, this] { table(1); },
         [this] { FormTabela->CbRodadas->setCurrentIndex(1); },
         {}},
        {"table round 3",
         [=, this] { table(1); },
         [this] { FormTabela->CbRodadas->setCurrentIndex(2); },
         {}},
        {"table store",
         [=, this] {
             table(3);
             const QStringList boxes = scores("3", "1");
             for (int k = 0; k < 11; ++k) {
                 FormTabela->home(k + 1)->setText(boxes.at(2 * k));
                 FormTabela->away(k + 1)->setText(boxes.at(2 * k + 1));
             }
         },
         [this] { click(FormTabela->BtAtualiza); }, championship},
        {"table withdraw", [=, this] { table(2); }, [this] { click(FormTabela->BtDesfaz); },
         championship},
        {"standings", [this] { toMenu(); }, [this] { click(Form1->fiClassifica); }, {}},
        {"teams", [this] { toMenu(); }, [this] { click(Form1->fiTimes); }, {}},
        {"club details",
         [this] {
             toMenu();
             click(Form1->fiTimes);
         },
         [this] { click(FormTimes->FocusImage1); },
         {}},
        {"hub panel", [this] { toHub(nullptr); }, [this] { click(FormBolao->fiUsers); }, {}},
        {"hub select",
         [this] { toHub(FormBolao->fiUsers); },
         [this] { selectParticipant("Ana"); },
         {}},
        {"hub register",
         [this] {
             toHub(FormBolao->fiUsers);
             FormBolao->Nome->setText("Caio");
         },
         [this] { click(FormBolao->BtOK); },
         {"dados/player/Lista.txt", "dados/player/Caio.txt"}},
        {"hub remove",
         [this] {
             toHub(FormBolao->fiUsers);
             FormBolao->Nome->setText("Bia");
         },
         [this] { click(FormBolao->BtRemove); },
         {"dados/player/Lista.txt", "dados/player/Bia.txt"}},
        {"bet open",
         [this] {
             toHub(FormBolao->fiAposta);
             selectParticipant("Ana");
         },
         [this] { click(FormBolao->BtAposta); },
         {}},
        {"bet round", [=, this] { betEntry(3); }, [this] { chooseBetRound(2); }, {}},
        {"bet store",
         [=, this] {
             betEntry(4);
             for (int k = 1; k <= 11; ++k) {
                 FormAposta->home(k)->setText("2");
                 FormAposta->away(k)->setText("2");
             }
         },
         [this] { click(FormAposta->BtAtualiza); },
         {"dados/player/Ana.txt"}},
        {"bet withdraw",
         [=, this] { betEntry(2); },
         [this] { click(FormAposta->BtDesfaz); },
         {"dados/player/Ana.txt"}},
        {"rank open",
         [this] { toHub(FormBolao->fiRank); },
         [this] { click(FormBolao->fiGeral); },
         {}},
        {"rank recompute",
         [=, this] { ranking(true); },
         [this] { click(FormRank->BtAtualizaBolao); },
         {"dados/Rank.txt", "dados/player/*"}},
        {"round rank open",
         [this] { toHub(FormBolao->fiRank); },
         [this] { click(FormBolao->fiRodada); },
         {}},
        {"round rank choose",
         [=, this] { ranking(false); },
         [this] {
             QCOMPARE(FormRank->CbRank->count(), 2);
             FormRank->CbRank->setCurrentIndex(1);
             emit FormRank->CbRank->activated(1);
         },
         {}},
    };
}

// One row per damaged file: the operations that must report it in the error box (or, on the
// teams screen, with its own notice); every other operation copes without an error.
void TestMalformedFiles::damagedFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("reported");

    const auto row = [](const QString &file, const QString &kind, const QStringList &reported) {
        QTest::newRow(qPrintable(file + ": " + kind)) << file << kind << reported;
    };

    const QStringList everyRodadaReader{
        "table open", "table round 2", "table round 3", "table store",    "table withdraw",
        "bet open",   "bet round",     "rank open",     "rank recompute", "round rank open"};
    row("Rodada.txt", "truncated", {"table store"});
    row("Rodada.txt", "missing marker", {"table store", "table withdraw"});
    row("Rodada.txt", "not a number", everyRodadaReader);
    row("Rodada.txt", "second number not a number", {"rank recompute"});
    row("Rodada.txt", "count past 32 bits", everyRodadaReader);
    row("Rodada.txt", "count beyond the season", {});
    row("Rodada.txt", "negative count", {});
    row("Rodada.txt", "short block", {"table store"});
    row("Rodada.txt", "megabyte line", {"table store"});
    row("Rodada.txt", "random bytes", everyRodadaReader);
    row("Rodada.txt", "empty", everyRodadaReader + QStringList{"hub register"});
    row("Rodada.txt", "missing", everyRodadaReader + QStringList{"hub register"});

    const QStringList everyResultReader{"table open",      "table round 2",    "table round 3",
                                        "table store",     "table withdraw",   "bet open",
                                        "bet round",       "rank open",        "rank recompute",
                                        "round rank open", "round rank choose"};
    row("Resultado.txt", "truncated", {"table round 2", "table withdraw", "rank recompute"});
    row("Resultado.txt", "missing marker", {"table withdraw"});
    row("Resultado.txt", "missing block header", {"table withdraw"});
    row("Resultado.txt", "not a number", {"table withdraw", "rank recompute", "round rank choose"});
    row("Resultado.txt", "one side not played", {"table withdraw"});
    row("Resultado.txt", "short block", {"rank recompute"});
    row("Resultado.txt", "megabyte line",
        {"table withdraw", "rank recompute", "round rank choose"});
    row("Resultado.txt", "random bytes", {"table withdraw"});
    row("Resultado.txt", "empty", {"table withdraw"});
    row("Resultado.txt", "missing", everyResultReader);

    row("Times.txt", "truncated", {"standings", "club details", "table store", "table withdraw"});
    row("Times.txt", "missing marker", {"table store", "standings"});
    row("Times.txt", "missing details end", {});
    row("Times.txt", "key in capitals", {});
    row("Times.txt", "not a number", {"table store", "standings"});
    row("Times.txt", "short block", {"table store", "standings"});
    row("Times.txt", "megabyte line", {"table store", "standings"});
    row("Times.txt", "random bytes",
        {"standings", "club details", "table store", "table withdraw"});
    row("Times.txt", "empty", {"standings", "club details", "table store", "table withdraw"});
    row("Times.txt", "missing", {"table store", "table withdraw", "standings", "club details"});

    row("Nomes.txt", "truncated", {"standings"});
    row("Nomes.txt", "one name missing", {"standings"});
    row("Nomes.txt", "more names than teams", {"standings"});
    row("Nomes.txt", "megabyte line", {});
    row("Nomes.txt", "random bytes", {"standings"});
    row("Nomes.txt", "empty", {"standings"});
    row("Nomes.txt", "missing", {"standings"});

    const QStringList everyPageReader{"table open", "table round 2", "table round 3", "bet open",
                                      "bet round"};
    row("tabela1.htm", "truncated", {});
    row("tabela1.htm", "missing marker", {});
    row("tabela1.htm", "missing end marker", {});
    row("tabela1.htm", "not a number", {});
    row("tabela1.htm", "short block", {});
    row("tabela1.htm", "megabyte line", {});
    // Round 3 is the one the round table opens on.
    row("tabela1.htm", "megabyte word on a shown page", {"table open", "table round 3"});
    row("tabela1.htm", "random bytes", {});
    row("tabela1.htm", "empty", {});
    row("tabela1.htm", "missing", everyPageReader);

    row("Rank.txt", "truncated", {});
    row("Rank.txt", "names nobody has", {});
    row("Rank.txt", "megabyte line", {});
    row("Rank.txt", "random bytes", {});
    row("Rank.txt", "empty", {});
    row("Rank.txt", "missing", {"hub register"});

    const QStringList everyListReader{"hub panel",        "hub register",   "hub remove",
                                      "rank open",        "rank recompute", "round rank open",
                                      "round rank choose"};
    row("player/Lista.txt", "truncated",
        {"rank open", "rank recompute", "round rank open", "round rank choose"});
    row("player/Lista.txt", "blank line",
        {"rank open", "rank recompute", "round rank open", "round rank choose"});
    row("player/Lista.txt", "name without a file",
        {"rank open", "rank recompute", "round rank open", "round rank choose"});
    row("player/Lista.txt", "round number as a name", {});
    row("player/Lista.txt", "the list's own name",
        {"rank open", "rank recompute", "round rank open", "round rank choose"});
    row("player/Lista.txt", "megabyte line",
        {"rank open", "rank recompute", "round rank open", "round rank choose"});
    row("player/Lista.txt", "random bytes",
        {"rank open", "rank recompute", "round rank open", "round rank choose"});
    row("player/Lista.txt", "empty", {});
    row("player/Lista.txt", "missing", everyListReader);

    row("player/Ana.txt", "truncated", {"bet round", "rank recompute"});
    row("player/Ana.txt", "missing marker", {"rank recompute"});
    row("player/Ana.txt", "missing header", {"rank open", "rank recompute", "round rank open"});
    row("player/Ana.txt", "not a number", {"rank open", "round rank open"});
    row("player/Ana.txt", "prediction not a number", {"rank recompute", "round rank choose"});
    row("player/Ana.txt", "short block", {"rank recompute"});
    row("player/Ana.txt", "megabyte line", {"rank recompute", "round rank choose"});
    row("player/Ana.txt", "random bytes", {"rank open", "rank recompute", "round rank open"});
    row("player/Ana.txt", "empty", {"rank open", "rank recompute", "round rank open"});
    row("player/Ana.txt", "missing",
        {"hub select", "bet store", "bet withdraw", "rank open", "rank recompute",
         "round rank open", "round rank choose"});
}

void TestMalformedFiles::damagedFile()
{
    QFETCH(QString, file);
    QFETCH(QString, kind);
    QFETCH(QStringList, reported);

    const Tree whole = ProgramTree::snapshot(m_root);
    damage(file, kind);
    const Tree damaged = ProgramTree::snapshot(m_root);
    QVERIFY(!ProgramTree::differences(whole, damaged).isEmpty());

    QStringList shown;      // the operations that reported the damage
    Tree current = damaged; // what the tree holds between two operations
    for (const Operation &op : operations()) {
        if (Form1) {
            ProgramTree::restore(m_root, whole, current);
            op.prepare();
            if (QTest::currentTestFailed())
                return;
            QVERIFY2(m_messages->calls.isEmpty(),
                     qPrintable(op.name + ", on whole files: " +
                                (m_messages->calls.isEmpty() ? QString()
                                                             : m_messages->calls.first().text)));
            ProgramTree::restore(m_root, damaged);
        }
        // Each operation acts on the damaged files exactly as they were left.
        const Tree &before = damaged;
        try {
            op.act();
        } catch (const std::exception &e) {
            QFAIL(qPrintable(op.name + ": an exception escaped: " + e.what()));
        } catch (...) {
            QFAIL(qPrintable(op.name + ": an exception escaped"));
        }
        if (QTest::currentTestFailed())
            return;
        const Tree after = ProgramTree::snapshot(m_root);
        current = after;
        const QList<MessageRecorder::Call> calls = m_messages->calls;
        m_messages->calls.clear();

        bool reportedHere = false;
        for (const MessageRecorder::Call &call : calls) {
            QVERIFY2(call.text.size() <= LongestMessage,
                     qPrintable(QStringLiteral("%1: a message of %2 characters: %3...")
                                    .arg(op.name)
                                    .arg(call.text.size())
                                    .arg(call.text.left(120))));
            if (call.kind == MessageCall::Error ||
                (call.kind == MessageCall::Inform && call.text == ReinstallNotice))
                reportedHere = true;
        }
        if (reportedHere)
            shown << op.name;

        const QStringList changed = ProgramTree::changedPaths(before, after);
        if (reportedHere)
            QVERIFY2(changed.isEmpty(),
                     qPrintable(op.name + " stopped on an error but wrote " + changed.join(", ")));
        for (const QString &path : changed) {
            const bool allowed = std::any_of(op.writes.begin(), op.writes.end(), [&](auto &w) {
                return w == path || (w.endsWith('*') && path.startsWith(w.chopped(1)) &&
                                     path != QLatin1String("dados/player/Lista.txt"));
            });
            QVERIFY2(allowed, qPrintable(op.name + " wrote " + path));
        }

        // The program goes on: one of its windows is on view.
        const QWidgetList windows = QApplication::topLevelWidgets();
        QVERIFY2(
            std::any_of(windows.begin(), windows.end(),
                        [](QWidget *w) { return qobject_cast<ScreenForm *>(w) && w->isVisible(); }),
            qPrintable(op.name + " left no window on view"));
    }
    shown.sort();
    reported.sort();
    QVERIFY2(shown == reported, qPrintable("reported by: " + shown.join(", ")));

    // With the file whole again, every screen that reported it works as before.
    ProgramTree::restore(m_root, whole);
    for (const Operation &op : operations()) {
        if (op.name == "start" || !shown.contains(op.name))
            continue;
        op.prepare();
        op.act();
        if (QTest::currentTestFailed())
            return;
        for (const MessageRecorder::Call &call : std::as_const(m_messages->calls))
            QVERIFY2(call.kind != MessageCall::Error && call.text != ReinstallNotice,
                     qPrintable(op.name + ", on whole files: " + call.text));
        m_messages->calls.clear();
        ProgramTree::restore(m_root, whole);
    }
}

QTEST_MAIN(TestMalformedFiles)
#include "test_malformed_files.moc"
