// The pool's screens as a user meets them: the hub with its two panels and both modes, bet entry
// with its closing rule and filters, the printed bet sheet, and the ranking in both modes, over
// one whole round played from registration to the table.
#include "poolseason.h"
#include "testdata.h"

#include "app/form1.h"
#include "app/program.h"
#include "app/textpages.h"
#include "frame/tableactions.h"
#include "platform/choosers.h"
#include "platform/datadirs.h"
#include "platform/messages.h"
#include "platform/printing.h"
#include "platform/seasoncopies.h"
#include "platform/textfile.h"
#include "pool/aposta.h"
#include "pool/betsheetprinter.h"
#include "pool/bolao.h"
#include "pool/rank.h"
#include "pool/rules/poolfiles.h"

#include <QApplication>
#include <QClipboard>
#include <QPrinter>
#include <QScrollBar>
#include <QTest>

using namespace PoolSeason;

class TestPoolScreens : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void registerAndRemoveMessages();
    void refusedNameNeverReachesTheListBox_data();
    void refusedNameNeverReachesTheListBox();
    void registerFailureLeavesListBoxAsItWas();
    void panelModesAndCounters();
    void betButtonWithoutSelectionStaysOnTheHub();
    void digitFilterOnTypedAndPastedText_data();
    void digitFilterOnTypedAndPastedText();
    void storeNeedsEveryBoxAndWithdrawReopens();
    void closedRounds_data();
    void closedRounds();
    void betSheetOnRecordingCanvas();
    void cancelledDialogPrintsNothing();
    void betSheetToPdf_data();
    void betSheetToPdf();
    void wholePoolRound();
    void nineParticipantsScrollInsideThePanel();
    void rulesPageClosedReturnsToTheHub();
    void closedRoundBetsPrintedAndExported();
    void seasonCopyNewSeasonAndRestore();

private:
    void start(int stored = 0, const QStringList &results = {});
    void openHub();
    void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, 3)); }
    void registerName(const QString &name);
    QString poolPath(const QString &name) const { return m_season->dataDir() + "player/" + name; }
    QStringList messages() const;

    TestSeason *m_season = nullptr;
    MessageRecorder *m_messages = nullptr;
};

void TestPoolScreens::init()
{
    m_season = new TestSeason;
    m_messages = new MessageRecorder(true);
}

void TestPoolScreens::cleanup()
{
    destroyScreens();
    Printing::setDialogRunner({});
    Choosers::setFolderAnswer({});
    Choosers::setItemAnswer({});
    TextFile::setWriteFilter({});
    CurrentUser.clear();
    delete m_messages;
    delete m_season;
}

void TestPoolScreens::start(int stored, const QStringList &results)
{
    write(m_season->path("Rodada.txt"), roundFile(stored));
    write(m_season->path("Resultado.txt"), results);
    write(m_season->path("tabela1.htm"), pageFile());
    write(m_season->path("Rank.txt"), {});
    // The championship screens, created with the pool's, read their own files at start.
    write(m_season->path("Times.txt"), {});
    write(m_season->path("Nomes.txt"), {});
    if (!QFile::exists(poolPath("Lista.txt")))
        write(poolPath("Lista.txt"), {});
    createScreens(m_season->dataDir());
    Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form1));
    const QStringList atStart = messages();
    QVERIFY2(atStart.isEmpty(), qPrintable(atStart.join(" | ")));
}

void TestPoolScreens::openHub()
{
    click(Form1->fiBolao);
    QVERIFY(FormBolao->isVisible());
    QVERIFY(!Form1->isVisible());
}

void TestPoolScreens::registerName(const QString &name)
{
    FormBolao->Nome->setText(name);
    click(FormBolao->BtOK);
}

QStringList TestPoolScreens::messages() const
{
    QStringList texts;
    for (const auto &call : m_messages->calls)
        texts += call.text;
    m_messages->calls.clear();
    return texts;
}

void TestPoolScreens::registerAndRemoveMessages()
{
    start();
    openHub();
    click(FormBolao->fiUsers);
    QVERIFY(FormBolao->PanelUsers->isVisible());
    registerName("Ana");
    registerName("Ana");
    registerName("");
    QCOMPARE(messages(), QStringList({"Usuário Cadastrado. ", "Nome de usuário já existente. ",
                                      "Digite o nome do novo participante."}));
    QCOMPARE(FormBolao->LbUsers->count(), 1);
    QVERIFY(FormBolao->Nome->text().isEmpty());

    FormBolao->Nome->setText("Zé");
    click(FormBolao->BtRemove);
    QCOMPARE(messages(), QStringList{"Selecione o participante a ser removido."});
    QCOMPARE(FormBolao->Nome->text(), QStringLiteral("Zé"));

    FormBolao->Nome->setText("ANA");
    click(FormBolao->BtRemove);
    QCOMPARE(messages(), QStringList{"Usuário removido."});
    QCOMPARE(FormBolao->LbUsers->count(), 0);
    QCOMPARE(TextFile::readLines(poolPath("Lista.txt")), QStringList{});
    QVERIFY(!QFile::exists(poolPath("Ana.txt")));

    // A name too long for its box is cut on screen only: the whole name is the tooltip and what
    // a screen reader says, in the list and on the bet screen.
    const QString longName = QStringLiteral("Maria Aparecida dos Santos");
    registerName(longName);
    registerName("Bia");
    messages();
    QListWidgetItem *item = FormBolao->LbUsers->item(0);
    QCOMPARE(item->toolTip(), longName);
    QCOMPARE(item->data(Qt::AccessibleTextRole).toString(), longName);
    CurrentUser = longName;
    FormAposta->show();
    QVERIFY(FormAposta->LabelUser->text().endsWith(QChar(0x2026)));
    QCOMPARE(FormAposta->LabelUser->toolTip(), longName);
    QCOMPARE(FormAposta->LabelUser->accessibleName(), longName);
    FormAposta->hide();

    // Removing the chosen participant leaves no one chosen and no one's counters on view.
    QTest::mouseClick(FormBolao->LbUsers->viewport(), Qt::LeftButton, {},
                      FormBolao->LbUsers->visualItemRect(item).center());
    QVERIFY(!FormBolao->htmlDados->toPlainText().isEmpty());
    click(FormBolao->BtRemove);
    QCOMPARE(messages(), QStringList{"Usuário removido."});
    QCOMPARE(FormBolao->LbUsers->count(), 1);
    QCOMPARE(FormBolao->LbUsers->currentRow(), -1);
    QCOMPARE(FormBolao->LbUsers->selectedItems().size(), 0);
    QCOMPARE(FormBolao->htmlDados->toPlainText(), QString());
}

void TestPoolScreens::refusedNameNeverReachesTheListBox_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("path separator") << "a/b";
    QTest::newRow("case twin") << "ana";
    QTest::newRow("round number") << "12";
    QTest::newRow("participants list") << "LISTA";
}

void TestPoolScreens::refusedNameNeverReachesTheListBox()
{
    QFETCH(QString, name);
    start();
    openHub();
    click(FormBolao->fiUsers);
    registerName("Ana");
    messages();
    const auto before = snapshot(m_season->dataDir());
    registerName(name);
    const QStringList shown = messages();
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown.first() != Pool::MsgRegistered);
    QCOMPARE(FormBolao->LbUsers->count(), 1);
    QCOMPARE(snapshot(m_season->dataDir()), before);
}

void TestPoolScreens::registerFailureLeavesListBoxAsItWas()
{
    start();
    openHub();
    click(FormBolao->fiUsers);
    const auto before = snapshot(m_season->dataDir());
    TextFile::setWriteFilter([](const QString &path) { return !path.endsWith("Lista.txt"); });
    registerName("Bia");
    QCOMPARE(m_messages->calls.size(), 1);
    QCOMPARE(m_messages->calls.first().kind, int(MessageCall::Error));
    messages();
    QCOMPARE(FormBolao->LbUsers->count(), 0);
    QCOMPARE(snapshot(m_season->dataDir()), before);
}

void TestPoolScreens::panelModesAndCounters()
{
    write(poolPath("Lista.txt"), {"Ana", "Bia"});
    write(poolPath("Ana.txt"), participant("Ana", {"7", "1", "2", "2"}));
    write(poolPath("Bia.txt"), participant("Bia", {"3", "0", "2", "1"}));
    start();
    openHub();
    click(FormBolao->fiAposta);
    QVERIFY(FormBolao->BtAposta->isVisible());
    QVERIFY(!FormBolao->BtOK->isVisible() && !FormBolao->Nome->isVisible());
    // Nothing is selected, so no one's counters show.
    QCOMPARE(FormBolao->htmlDados->toPlainText(), QString());
    QCOMPARE(FormBolao->LbUsers->selectedItems().size(), 0);

    click(FormBolao->fiUsers);
    QVERIFY(!FormBolao->BtAposta->isVisible());
    QVERIFY(FormBolao->BtOK->isVisible() && FormBolao->BtRemove->isVisible());
    QVERIFY(FormBolao->Nome->isVisible());
    QCOMPARE(FormBolao->LbUsers->count(), 2);

    QListWidget *list = FormBolao->LbUsers;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QCOMPARE(FormBolao->Nome->text(), QStringLiteral("Bia"));
    QCOMPARE(FormBolao->htmlDados->toPlainText().left(1), QStringLiteral("3"));

    click(FormBolao->fiRank);
    QVERIFY(FormBolao->PanelRanking->isVisible() && !FormBolao->PanelUsers->isVisible());
    click(FormBolao->ImBolao);
    QVERIFY(!FormBolao->PanelRanking->isVisible() && !FormBolao->PanelUsers->isVisible());
}

void TestPoolScreens::betButtonWithoutSelectionStaysOnTheHub()
{
    write(poolPath("Lista.txt"), {"Ana"});
    write(poolPath("Ana.txt"), participant("Ana"));
    start();
    openHub();
    click(FormBolao->fiAposta);
    click(FormBolao->BtAposta);
    QCOMPARE(messages(), QStringList{"Selecione um participante."});
    QVERIFY(FormBolao->isVisible());
    QVERIFY(!FormAposta->isVisible());
    QVERIFY(CurrentUser.isEmpty());
}

void TestPoolScreens::digitFilterOnTypedAndPastedText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letters and minus typed") << "1a-2"
                                             << ""
                                             << "12";
    QTest::newRow("leading zero kept") << "01"
                                       << ""
                                       << "01";
    QTest::newRow("pasted text with letters refused whole") << ""
                                                            << "3x 4!"
                                                            << "";
    QTest::newRow("pasted digits after typed") << "1"
                                               << "05"
                                               << "105";
    QTest::newRow("pasted score 2-1 not read as 21") << "1"
                                                     << "2-1"
                                                     << "1";
    QTest::newRow("pasted letters only") << "2"
                                         << "abc"
                                         << "2";
}

void TestPoolScreens::digitFilterOnTypedAndPastedText()
{
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    start();
    QLineEdit *box = FormAposta->c3;
    QTest::keyClicks(box, typed);
    if (!pasted.isEmpty()) {
        QGuiApplication::clipboard()->setText(pasted);
        box->paste();
    }
    QFETCH(QString, shown);
    QCOMPARE(box->text(), shown);
    QTest::keyClick(box, Qt::Key_Backspace);
    // chopped() must not be asked for more characters than there are.
    QCOMPARE(box->text(), shown.isEmpty() ? shown : shown.chopped(1));
}

void TestPoolScreens::storeNeedsEveryBoxAndWithdrawReopens()
{
    write(poolPath("Lista.txt"), {"Ana"});
    write(poolPath("Ana.txt"), participant("Ana"));
    start();
    CurrentUser = "Ana";
    FormAposta->show();
    FormAposta->CbRodada->setCurrentIndex(2);
    FormAposta->CbRodadaChange();
    for (int k = 1; k <= 11; ++k) {
        FormAposta->home(k)->setText(QString::number(k));
        if (k != 7)
            FormAposta->away(k)->setText("0");
    }
    click(FormAposta->BtAtualiza);
    QCOMPARE(messages(), QStringList{"Todos os jogos devem ser preenchidos."});
    QCOMPARE(TextFile::readLines(poolPath("Ana.txt")), participant("Ana"));

    FormAposta->away(7)->setText("0");
    click(FormAposta->BtAtualiza);
    QCOMPARE(messages(), QStringList{});
    QVERIFY(!FormAposta->BtAtualiza->isEnabled() && FormAposta->BtDesfaz->isEnabled());
    QVERIFY(!FormAposta->c1->isEnabled());
    QCOMPARE(TextFile::readLines(poolPath("Ana.txt")).mid(6, 2), QStringList({"[3]", "1"}));

    // Round 4 then round 3 again: the stored values, read-only.
    FormAposta->CbRodada->setCurrentIndex(3);
    FormAposta->CbRodadaChange();
    QVERIFY(FormAposta->c1->text().isEmpty() && FormAposta->c1->isEnabled());
    FormAposta->CbRodada->setCurrentIndex(2);
    FormAposta->CbRodadaChange();
    QCOMPARE(FormAposta->c11->text(), QStringLiteral("11"));
    QVERIFY(!FormAposta->c11->isEnabled());

    click(FormAposta->BtDesfaz);
    QCOMPARE(TextFile::readLines(poolPath("Ana.txt")), participant("Ana"));
    QVERIFY(FormAposta->c11->text().isEmpty() && FormAposta->c11->isEnabled());
    QVERIFY(FormAposta->BtAtualiza->isEnabled() && !FormAposta->BtDesfaz->isEnabled());
}

void TestPoolScreens::closedRounds_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QList<int>>("blocks");
    QTest::addColumn<int>("round");
    QTest::addColumn<bool>("closed");
    QTest::newRow("count 0: round 1 open") << 0 << QList<int>{} << 1 << false;
    QTest::newRow("count 1: round 1 closed") << 1 << QList<int>{1} << 1 << true;
    QTest::newRow("count 1: round 2 open") << 1 << QList<int>{1} << 2 << false;
    QTest::newRow("round 2 withdrawn: round 5 stays closed")
        << 4 << QList<int>{1, 3, 4, 5} << 5 << true;
    QTest::newRow("round 2 withdrawn: round 2 reopened")
        << 4 << QList<int>{1, 3, 4, 5} << 2 << true;
}

void TestPoolScreens::closedRounds()
{
    QFETCH(int, stored);
    QFETCH(QList<int>, blocks);
    QFETCH(int, round);
    QFETCH(bool, closed);
    QStringList results;
    for (int n : blocks)
        results += block(n, goals());
    start(stored, results);
    FormAposta->show();
    FormAposta->CbRodada->setCurrentIndex(round - 1);
    FormAposta->CbRodadaChange();
    QCOMPARE(FormAposta->LbAviso->text(),
             closed ? QStringLiteral("As apostas estão finalizadas para essa rodada.") : QString());
    QCOMPARE(FormAposta->LbAviso->isVisibleTo(FormAposta), closed);
    QCOMPARE(FormAposta->c1->isEnabled(), !closed);
    QCOMPARE(FormAposta->v11->isEnabled(), !closed);
    QVERIFY(FormAposta->BtAtualiza->isEnabled());
    QVERIFY(FormAposta->htmlAposta->toPlainText().contains(
        QStringLiteral("Jogos da rodada %1").arg(round)));
}

namespace {

class RecordingCanvas : public BetSheetCanvas
{
public:
    explicit RecordingCanvas(int dpi) : m_dpi(dpi) {}
    int dpi() const override { return m_dpi; }
    void setFontPointSize(int points) override { fontSizes.append(points); }
    void drawText(const QPoint &topLeft, const QString &text) override
    {
        positions.append(topLeft);
        texts.append(text);
    }
    QList<int> fontSizes;
    QList<QPoint> positions;
    QStringList texts;

private:
    int m_dpi;
};

} // namespace

void TestPoolScreens::betSheetOnRecordingCanvas()
{
    const BetSheet sheet = betSheetFor(roundFile(0), 7);
    for (int dpi : {600, 1200}) {
        RecordingCanvas canvas(dpi);
        drawBetSheet(sheet, canvas);
        QCOMPARE(canvas.fontSizes, QList<int>{16});
        QCOMPARE(canvas.texts.size(), 12);
        QCOMPARE(canvas.texts.first(),
                 QStringLiteral("Campeonato Velurino 2005  -  Jogos da 7º Rodada"));
        QCOMPARE(canvas.texts.at(3), QStringLiteral("Casa7-3_______x_______Fora7-3"));
        const int scale = dpi / 600;
        QCOMPARE(canvas.positions.first(), QPoint(500, 100) * scale);
        for (int k = 1; k <= 11; ++k)
            QCOMPARE(canvas.positions.at(k), QPoint(700, 500 + 250 * (k - 1)) * scale);
    }
}

void TestPoolScreens::cancelledDialogPrintsNothing()
{
    start();
    FormAposta->show();
    const QString pdf = m_season->path("sheet.pdf");
    int dialogs = 0;
    Printing::setDialogRunner([&](QPrinter &printer, QWidget *) {
        ++dialogs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return false;
    });
    const auto before = snapshot(m_season->dataDir());
    click(FormAposta->BtImprime);
    QCOMPARE(dialogs, 1);
    QVERIFY(!QFile::exists(pdf));
    QCOMPARE(messages(), QStringList{});
    QCOMPARE(snapshot(m_season->dataDir()), before);
}

void TestPoolScreens::betSheetToPdf_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("written");
    QTest::newRow("saved and told where") << QString() << true;
    // The file cannot be made: the user hears so, never that it was saved.
    QTest::newRow("folder missing") << QStringLiteral("sumida/") << false;
}

void TestPoolScreens::betSheetToPdf()
{
    QFETCH(QString, folder);
    QFETCH(bool, written);
    start();
    FormAposta->show();
    const QString pdf = written && qEnvironmentVariableIsSet("VELURINO_SHEET_PDF")
                            ? qEnvironmentVariable("VELURINO_SHEET_PDF")
                            : m_season->path(folder + "sheet.pdf");
    int resolution = 0;
    Printing::setDialogRunner([&](QPrinter &printer, QWidget *) {
        resolution = printer.resolution();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    FormAposta->CbRodada->setCurrentIndex(4);
    click(FormAposta->BtImprime);
    const QString path = QFileInfo(pdf).absoluteFilePath();
    QCOMPARE(m_messages->calls.size(), 1);
    QCOMPARE(m_messages->calls.first().kind,
             int(written ? MessageCall::Inform : MessageCall::Error));
    QCOMPARE(messages(), QStringList{written ? pdfSavedMessage(path) : pdfFailedMessage(path)});
    QCOMPARE(resolution, 1200);
    QCOMPARE(QFile::exists(pdf), written);
    if (!written)
        return;
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                 bytes.count("/Type /Page "),
             1);
}

void TestPoolScreens::wholePoolRound()
{
    start();
    openHub();
    click(FormBolao->fiUsers);
    for (const char *name : {"Ana", "Bia", "Caio"})
        registerName(QLatin1String(name));
    QCOMPARE(messages(), QStringList(3, "Usuário Cadastrado. "));

    // Round 1 results: match 1 ends 2-1, match 2 ends 0-0, match 3 not played, the rest 1-1.
    QList<QPair<QString, QString>> result{{"2", "1"}, {"0", "0"}, {"NO", "NO"}};
    while (result.size() < 11)
        result.append(qMakePair(QStringLiteral("1"), QStringLiteral("1")));
    // Ana: exact everywhere (10 scored matches: 60). Bia: 3-0 for match 1 (1), 1-1 elsewhere
    // (match 2: draw, 1; 8 exact: 48) = 50. Caio: 1-2 for match 1 (0), 01-01 elsewhere (draws
    // without the goal texts: 9) = 9.
    const QMap<QString, QList<QPair<QString, QString>>> bets{
        {"Ana", result},
        {"Bia", {{"3", "0"}, {"1", "1"}}},
        {"Caio", {{"1", "2"}}},
    };
    click(FormBolao->fiAposta);
    for (auto [name, pairs] : bets.asKeyValueRange()) {
        QListWidget *list = FormBolao->LbUsers;
        const int row = QStringList({"Ana", "Bia", "Caio"}).indexOf(name);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
        click(FormBolao->BtAposta);
        QVERIFY(FormAposta->isVisible());
        QCOMPARE(FormAposta->LabelUser->text(), name);
        QCOMPARE(FormAposta->round(), 1);
        for (int k = 1; k <= 11; ++k) {
            QPair<QString, QString> bet = k <= pairs.size() ? pairs.at(k - 1)
                                          : name == "Bia"   ? qMakePair(QString("1"), QString("1"))
                                                          : qMakePair(QString("01"), QString("01"));
            if (bet.first == "NO")
                bet = {"5", "5"};
            QTest::keyClicks(FormAposta->home(k), bet.first);
            QTest::keyClicks(FormAposta->away(k), bet.second);
        }
        click(FormAposta->BtAtualiza);
        QVERIFY(!FormAposta->BtAtualiza->isEnabled());
        click(FormAposta->BtVolta);
        QVERIFY(FormBolao->isVisible());
    }
    QCOMPARE(messages(), QStringList{});

    // The results of round 1 are stored as the round table stores them.
    QStringList goalLines;
    for (const auto &pair : result)
        goalLines += {pair.first, pair.second};
    write(m_season->path("Resultado.txt"), block(1, goalLines));
    QStringList rounds = roundFile(1);
    write(m_season->path("Rodada.txt"), rounds);

    click(FormBolao->fiRank);
    click(FormBolao->fiGeral);
    QVERIFY(FormRank->isVisible());
    QVERIFY(FormRank->BtAtualizaBolao->isVisible() && !FormRank->CbRank->isVisible());
    QCOMPARE(FormRank->Cells(2, 1), QStringLiteral("0"));
    // Counters from before round 1's results: no marks until the update.
    QCOMPARE(FormRank->Cells(TFormRank::MaxColumn, 1), QString());
    click(FormRank->BtAtualizaBolao);
    const QList<QStringList> expected{
        {"Pos.", "Usuário", "PG", "AC", "AR", "AG"},
        {"1º", "Ana", "60", "10", "10", "20"},
        {"2º", "Bia", "50", "8", "10", "16"},
        {"3º", "Caio", "9", "0", "9", "0"},
    };
    for (int row = 0; row < expected.size(); ++row)
        for (int col = 0; col < 6; ++col)
            QCOMPARE(FormRank->Cells(col, row), expected[row][col]);
    // Overall, who can still win follows the table's columns.
    QCOMPARE(accessibleColumnHeaders(FormRank->SGGeral),
             expected.first() + QStringList({"Máx", "Tít"}));
    QCOMPARE(FormRank->SGGeral->item(0, 1)->toolTip(), QStringLiteral("Ana"));
    QCOMPARE(TextFile::readLines(m_season->path("Rank.txt")), QStringList({"Ana", "Bia", "Caio"}));
    QCOMPARE(FormRank->SGGeral->rowHeight(0), 24);
    // The grid ends with its last row: the header and three rows, inside a 1-pixel frame.
    QCOMPARE(FormRank->SGGeral->height(), 4 * 24 + 2);
    // Who can still win: 41 rounds left at 66 points each (11 exact scores), nobody decided.
    for (int row = 1; row <= 3; ++row) {
        QCOMPARE(FormRank->Cells(TFormRank::MaxColumn, row),
                 QString::number(expected[row][2].toInt() + 41 * 66));
        QCOMPARE(FormRank->Cells(TFormRank::MarkColumn, row), QString());
    }
    // Bia's chart: second after round 1.
    FormRank->SGGeral->setCurrentCell(1, 1);
    FormRank->fiPosicoesClick();
    QVERIFY(FormRank->ChartPosicoes->isVisible() && !FormRank->SGGeral->isVisible());
    QCOMPARE(FormRank->ChartPosicoes->CbNome->currentText(), QStringLiteral("Bia"));
    QCOMPARE(FormRank->ChartPosicoes->shownPlaces(), QList<int>{2});

    // Per round: the list offers round 1 only; the table follows the chosen round.
    click(FormRank->fiVolta);
    click(FormBolao->fiRank);
    click(FormBolao->fiRodada);
    QVERIFY(FormRank->CbRank->isVisible() && !FormRank->BtAtualizaBolao->isVisible());
    QVERIFY(FormRank->SGGeral->isVisible() && !FormRank->fiPosicoes->isVisible());
    QVERIFY(FormRank->SGGeral->isColumnHidden(TFormRank::MaxColumn));
    QCOMPARE(FormRank->CbRank->count(), 1);
    QCOMPARE(FormRank->CbRank->itemText(0), QStringLiteral("1ª Rodada"));
    FormRank->CbRank->setCurrentIndex(0);
    FormRank->CbRankChange();
    QCOMPARE(FormRank->Cells(1, 3), QStringLiteral("Caio"));
    QCOMPARE(FormRank->Cells(2, 2), QStringLiteral("50"));

    // A late joiner starts with the last-ranked participant's counters.
    click(FormRank->fiVolta);
    click(FormBolao->fiUsers);
    registerName("Duda");
    QCOMPARE(TextFile::readLines(poolPath("Duda.txt")), participant("Duda", {"9", "0", "9", "0"}));
    // ... and bet entry keeps round 1 closed.
    QCOMPARE(messages(), QStringList{"Usuário Cadastrado. "});
    CurrentUser = "Duda";
    FormBolao->hide();
    FormAposta->show();
    QVERIFY(!FormAposta->c1->isEnabled());
}

void TestPoolScreens::nineParticipantsScrollInsideThePanel()
{
    QStringList names;
    for (int i = 1; i <= 12; ++i) {
        names += QStringLiteral("P%1").arg(i);
        write(poolPath(names.last() + ".txt"),
              participant(names.last(), {QString::number(i), "0", "0", "0"}));
    }
    write(poolPath("Lista.txt"), names);
    start();
    FormRank->show();
    QCOMPARE(FormRank->SGGeral->height(), TFormRank::GridMaxHeight);
    QVERIFY(FormRank->SGGeral->geometry().bottom() < ScreenForm::PanelHeight);
    QVERIFY(FormRank->SGGeral->verticalScrollBar()->maximum() > 0);
    QCOMPARE(FormRank->Cells(1, 1), QStringLiteral("P12"));
    QCOMPARE(FormRank->Cells(0, 12), QStringLiteral("12º"));
}

void TestPoolScreens::rulesPageClosedReturnsToTheHub()
{
    start();
    openHub();
    click(FormBolao->fiRegras);
    QVERIFY(FormRegras->isVisible());
    FormRegras->close();
    QVERIFY(FormBolao->isVisible());
    QVERIFY(FormBolao->PanelBolao->isVisible());
    QVERIFY(!FormRegras->isVisible());
    QVERIFY(!Form1->isVisible());
}

// Round 1 stored (match 1 ended 2-1); Ana predicted it exactly and has bets for the open round 2.
void TestPoolScreens::closedRoundBetsPrintedAndExported()
{
    write(poolPath("Lista.txt"), {"Ana"});
    write(poolPath("Ana.txt"),
          participant("Ana") + block(1, goals({{"2", "1"}})) + block(2, goals({{"4", "4"}})));
    start(1, block(1, goals({{"2", "1"}})));
    openHub();
    FormBolao->fiRankClick();
    FormBolao->fiRodadaClick();
    QVERIFY(FormRank->fiApostas->isVisible());
    click(FormRank->fiApostas);
    // No round chosen yet: a notice, nobody's bets.
    QVERIFY(FormRank->LbApostas->isVisible());
    QVERIFY(!FormRank->SGApostas->isVisible());
    FormRank->CbRank->setCurrentIndex(0);
    FormRank->CbRankChange();
    QVERIFY(FormRank->SGApostas->isVisible());
    QCOMPARE(FormRank->SGApostas->item(0, 1)->text(), QStringLiteral("2x1"));
    QCOMPARE(FormRank->SGApostas->item(1, 0)->text(), QStringLiteral("Ana"));
    QCOMPARE(FormRank->SGApostas->item(1, 0)->toolTip(), QStringLiteral("Ana"));
    // As the ranking's, the bets table ends with its last row: header, results and Ana.
    QCOMPARE(FormRank->SGApostas->height(), 3 * 24 + 2);
    QCOMPARE(FormRank->SGApostas->item(1, 12)->text(), QStringLiteral("66")); // 11 exact
    QCOMPARE(FormRank->CbRank->count(), 1); // the open round 2 is never offered

    const QString folder = m_season->path("exportados");
    QDir().mkpath(folder);
    Choosers::setFolderAnswer([&](const QString &, const QString &) { return folder; });
    click(FormRank->fiExportar);
    const QString csv = folder + QStringLiteral("/Apostas da 1ª Rodada.csv");
    QCOMPARE(messages(),
             QStringList{exportedMessage({csv, folder + "/Apostas da 1ª Rodada.html"})});
    QVERIFY(bytesOf(csv).contains("\r\nAna;2x1;0x0;"));
    QVERIFY(
        bytesOf(folder + "/Apostas da 1ª Rodada.html").contains("<td class=\"exato\">2x1</td>"));

    const QString pdf = m_season->path("ranking.pdf");
    Printing::setDialogRunner([&](QPrinter &printer, QWidget *) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    click(FormRank->fiApostas); // back to the round's ranking
    QVERIFY(FormRank->SGGeral->isVisible());
    click(FormRank->fiImprimir);
    QCOMPARE(messages(), QStringList{Printing::savedMessage(pdf)});
    QVERIFY(bytesOf(pdf).startsWith("%PDF"));
    QCOMPARE(FormRank->shownTable().title, QStringLiteral("Ranking da 1ª Rodada"));
}

void TestPoolScreens::seasonCopyNewSeasonAndRestore()
{
    write(poolPath("Lista.txt"), {"Ana"});
    write(poolPath("Ana.txt"), participant("Ana") + block(1, goals({{"2", "1"}})));
    start(1, block(1, goals({{"2", "1"}})));
    const QString copies = SeasonCopies::copiesDirFor(m_season->dataDir());
    click(Form1->fiCopiar);
    QCOMPARE(SeasonCopies::listCopies(copies).size(), 1);
    QVERIFY(messages().first().startsWith("Cópia da temporada gravada em"));
    const auto season = snapshot(m_season->dataDir());

    m_messages->answer = false;
    click(Form1->fiNovaTemporada);
    QCOMPARE(messages().size(), 1);
    QCOMPARE(snapshot(m_season->dataDir()), season);

    m_messages->answer = true; // a new season, and the participants kept
    click(Form1->fiNovaTemporada);
    QCOMPARE(SeasonCopies::listCopies(copies).size(), 2);
    QCOMPARE(bytesOf(m_season->path("Rodada.txt")), joined(roundFile(0)));
    QCOMPARE(bytesOf(poolPath("Ana.txt")), joined(participant("Ana")));
    QCOMPARE(messages().size(), 3);

    QStringList offered;
    Choosers::setItemAnswer([&](const QString &, const QStringList &items) {
        offered = items;
        return std::optional<int>(1);
    });
    click(Form1->fiRestaurar);
    QCOMPARE(offered.size(), 2);
    QVERIFY(offered.at(0).endsWith(" - 1 rodada gravada, 1 participante"));
    auto restored = snapshot(m_season->dataDir());
    QCOMPARE(restored, season);
    QCOMPARE(SeasonCopies::listCopies(copies).size(), 3);
}

QTEST_MAIN(TestPoolScreens)
#include "test_pool_screens.moc"
