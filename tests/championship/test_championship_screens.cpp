// The round table, the standings and the teams screen as a user meets them: the lock states of
// the round table, typing and pasting into the score boxes, a whole store and withdrawal by
// clicks, the standings after it, the teams grid and its details, links and the hover pictures
// after a screen was closed.
#include "seasonfixture.h"
#include "testdata.h"

#include "app/form1.h"
#include "app/program.h"
#include "championship/classifica.h"
#include "championship/rules/positionhistory.h"
#include "championship/rules/results.h"
#include "championship/rules/titlerace.h"
#include "championship/tabela.h"
#include "championship/times.h"
#include "platform/browser.h"
#include "platform/choosers.h"
#include "platform/messages.h"

#include <QApplication>
#include <QClipboard>
#include <QRegularExpression>
#include <QTest>

using namespace SeasonFixture;

class TestChampionshipScreens : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void roundTableLockStates_data();
    void roundTableLockStates();
    void allRoundsStoredShowsTheLastRound();
    void scoreBoxesTakeOnlyDigits_data();
    void scoreBoxesTakeOnlyDigits();
    void storeAndWithdrawByClicks();
    void refusedStoreKeepsTheBoxesOpen();
    void changingRoundDropsWhatWasTyped();
    void hoverWorksAfterTheScreenWasClosed_data();
    void hoverWorksAfterTheScreenWasClosed();
    void standingsGrid();
    void teamDetails();
    void missingDetailsFileIsReported();
    void detailsLinks_data();
    void detailsLinks();

private:
    void start(int storedRounds = 0);
    QStringList boxTexts() const;
    QList<MessageRecorder::Call> callsOf(int kind) const;

    TestSeason *m_season = nullptr;
    MessageRecorder *m_messages = nullptr;
};

void TestChampionshipScreens::init()
{
    m_season = new TestSeason;
    m_messages = new MessageRecorder(false);
    write(m_season->dataDir());
}

void TestChampionshipScreens::cleanup()
{
    destroyScreens();
    Browser::setHandler({});
    delete m_messages;
    delete m_season;
}

void TestChampionshipScreens::start(int storedRounds)
{
    for (int r = 1; r <= storedRounds; ++r) {
        QStringList boxes = allScores("1", "0");
        boxes[8] = boxes[9] = ""; // match 5 not played
        Results::storeRoundResults(m_season->dataDir(), r, boxes);
    }
    createScreens(m_season->dataDir());
    m_messages->calls.clear();
    Form1->fiVelurinoClick();
    Form1->fiTabelaClick();
    QVERIFY(QTest::qWaitForWindowExposed(FormTabela));
}

QStringList TestChampionshipScreens::boxTexts() const
{
    QStringList texts;
    for (int k = 0; k < 11; ++k)
        texts << FormTabela->home(k + 1)->text() << FormTabela->away(k + 1)->text();
    return texts;
}

QList<MessageRecorder::Call> TestChampionshipScreens::callsOf(int kind) const
{
    QList<MessageRecorder::Call> found;
    for (const MessageRecorder::Call &call : m_messages->calls)
        if (call.kind == kind)
            found << call;
    return found;
}

void TestChampionshipScreens::roundTableLockStates_data()
{
    QTest::addColumn<int>("storedRounds");
    QTest::addColumn<int>("round");
    QTest::addColumn<bool>("boxesOpen");
    QTest::addColumn<bool>("storeEnabled");
    QTest::addColumn<bool>("withdrawEnabled");
    QTest::addColumn<QString>("match5");
    QTest::newRow("count 0 opens round 1") << 0 << 0 << true << true << false << "";
    QTest::newRow("count 3 opens round 4") << 3 << 0 << true << true << false << "";
    QTest::newRow("count 3, round 4 picked") << 3 << 4 << true << true << false << "";
    QTest::newRow("count 3, round 6 locked") << 3 << 6 << false << false << false << "";
    QTest::newRow("count 3, stored round 2 shows NO") << 3 << 2 << false << false << true << "NO";
}

void TestChampionshipScreens::roundTableLockStates()
{
    QFETCH(int, storedRounds);
    QFETCH(int, round);
    QFETCH(bool, boxesOpen);
    QFETCH(bool, storeEnabled);
    QFETCH(bool, withdrawEnabled);
    QFETCH(QString, match5);
    start(storedRounds);
    QCOMPARE(FormTabela->CbRodadas->count(), 42);
    QCOMPARE(FormTabela->CbRodadas->currentIndex(), storedRounds);
    QCOMPARE(FormTabela->CbRodadas->currentText(), QString::number(storedRounds + 1) + "ª Rodada");
    if (round)
        FormTabela->CbRodadas->setCurrentIndex(round - 1);
    const int shown = round ? round : storedRounds + 1;
    QVERIFY(FormTabela->htmlLite1->toPlainText().contains(
        QRegularExpression(QStringLiteral("Jogos da rodada %1\\b").arg(shown))));
    for (int k = 0; k < 11; ++k) {
        QCOMPARE(FormTabela->home(k + 1)->isEnabled(), boxesOpen);
        QCOMPARE(FormTabela->away(k + 1)->isEnabled(), boxesOpen);
    }
    QCOMPARE(FormTabela->BtAtualiza->isEnabled(), storeEnabled);
    QCOMPARE(FormTabela->BtDesfaz->isEnabled(), withdrawEnabled);
    QCOMPARE(FormTabela->c5->text(), match5);
    QCOMPARE(FormTabela->v5->text(), match5);
    QCOMPARE(FormTabela->storedRounds, storedRounds);
}

void TestChampionshipScreens::allRoundsStoredShowsTheLastRound()
{
    start(42);
    QCOMPARE(FormTabela->CbRodadas->currentIndex(), 41);
    QCOMPARE(FormTabela->c1->text(), QString("1"));
    QVERIFY(!FormTabela->c1->isEnabled());
    QVERIFY(!FormTabela->BtAtualiza->isEnabled());
    QVERIFY(FormTabela->BtDesfaz->isEnabled());
    QVERIFY(callsOf(MessageCall::Error).isEmpty());
}

void TestChampionshipScreens::scoreBoxesTakeOnlyDigits_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letters, minus and blank are dropped") << "1a- 2"
                                                          << ""
                                                          << "12";
    QTest::newRow("leading zero kept") << "02"
                                       << ""
                                       << "02";
    QTest::newRow("digits pasted") << "1"
                                   << "34"
                                   << "134";
    QTest::newRow("paste of 1a2 refused whole") << "5"
                                                << "1a2"
                                                << "5";
    QTest::newRow("paste of a negative number refused") << ""
                                                        << "-3"
                                                        << "";
}

void TestChampionshipScreens::scoreBoxesTakeOnlyDigits()
{
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    start();
    ScoreBox *box = FormTabela->c3;
    box->setFocus();
    QTest::keyClicks(box, typed);
    if (!pasted.isEmpty()) {
        QApplication::clipboard()->setText(pasted);
        box->paste();
    }
    QCOMPARE(box->text(), shown);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), shown.left(shown.size() - 1));
}

void TestChampionshipScreens::storeAndWithdrawByClicks()
{
    start();
    const auto before = snapshot(m_season->dataDir());
    // Tab walks each match home then away.
    FormTabela->c1->setFocus();
    for (int k = 0; k < 11; ++k) {
        if (k == 2) { // match 3 left empty
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            continue;
        }
        QTest::keyClicks(QApplication::focusWidget(), k == 0 ? "02" : "1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "0");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(FormTabela->c1->text(), QString("02"));
    QCOMPARE(FormTabela->v11->text(), QString("0"));
    QCOMPARE(FormTabela->c3->text(), QString());

    QTest::mouseClick(FormTabela->BtAtualiza, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(callsOf(MessageCall::Inform).size(), 1);
    QCOMPARE(callsOf(MessageCall::Inform).first().text, QString("Tabela Atualizada. "));
    QCOMPARE(callsOf(MessageCall::Inform).first().caption, QString("Campeonato Velurino 2005"));
    QVERIFY(!FormTabela->c1->isEnabled());
    QVERIFY(!FormTabela->BtAtualiza->isEnabled());
    QVERIFY(FormTabela->BtDesfaz->isEnabled());
    QCOMPARE(FormTabela->storedRounds, 1);
    QCOMPARE(counters(m_season->dataDir(), homeOf(1, 0)),
             (QStringList{"3", "1", "1", "0", "0", "2", "0"}));

    // The standings opened next carry the new counters.
    FormTabela->BtVoltaClick();
    Form1->fiClassificaClick();
    QCOMPARE(FormClassifica->Cells(2, 1), QString("3"));
    QCOMPARE(FormClassifica->Cells(7, 1), QString("2"));
    QCOMPARE(FormClassifica->Cells(2, 22), QString("0"));
    FormClassifica->imVoltaClick();

    // Back on the table the stored round is as it was left.
    Form1->fiTabelaClick();
    QCOMPARE(FormTabela->c1->text(), QString("02"));
    QTest::mouseClick(FormTabela->BtDesfaz, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(snapshot(m_season->dataDir()), before);
    QCOMPARE(boxTexts(), QStringList(22, QString()));
    QVERIFY(FormTabela->c1->isEnabled());
    QVERIFY(FormTabela->BtAtualiza->isEnabled());
    QVERIFY(!FormTabela->BtDesfaz->isEnabled());
    QCOMPARE(FormTabela->storedRounds, 0);
    QVERIFY(callsOf(MessageCall::Error).isEmpty());

    FormTabela->BtVoltaClick();
    Form1->fiClassificaClick();
    QCOMPARE(FormClassifica->Cells(2, 1), QString("0"));
}

void TestChampionshipScreens::refusedStoreKeepsTheBoxesOpen()
{
    start();
    const auto before = snapshot(m_season->dataDir());
    QTest::keyClicks(FormTabela->c4, "2");
    QTest::mouseClick(FormTabela->BtAtualiza, Qt::LeftButton, {}, QPoint(5, 5));
    // Told in a plain box, like the screen's other messages, and in plain Portuguese.
    const QList<MessageRecorder::Call> told = callsOf(MessageCall::Inform);
    QCOMPARE(told.size(), 1);
    QVERIFY2(told.first().text.startsWith("Preencha os dois placares do jogo 4 da 1ª Rodada"),
             qPrintable(told.first().text));
    QVERIFY(callsOf(MessageCall::Error).isEmpty());
    QCOMPARE(snapshot(m_season->dataDir()), before);
    QVERIFY(FormTabela->c4->isEnabled());
    QVERIFY(FormTabela->BtAtualiza->isEnabled());
    QCOMPARE(FormTabela->c4->text(), QString("2"));
}

void TestChampionshipScreens::changingRoundDropsWhatWasTyped()
{
    start(3);
    QTest::keyClicks(FormTabela->c1, "4");
    FormTabela->CbRodadas->setCurrentIndex(5);
    FormTabela->CbRodadas->setCurrentIndex(3);
    QCOMPARE(FormTabela->c1->text(), QString());
    QVERIFY(FormTabela->c1->isEnabled());
}

void TestChampionshipScreens::hoverWorksAfterTheScreenWasClosed_data()
{
    QTest::addColumn<bool>("teams");
    QTest::newRow("round table") << false;
    QTest::newRow("teams grid") << true;
}

void TestChampionshipScreens::hoverWorksAfterTheScreenWasClosed()
{
    QFETCH(bool, teams);
    start();
    ScreenForm *form = teams ? static_cast<ScreenForm *>(FormTimes) : FormTabela;
    TFocusImage *button = teams ? FormTimes->FocusImage5 : FormTabela->BtAtualiza;
    PictureBox *background = teams ? FormTimes->ImTimes : FormTabela->ImTabela;
    const QColor lit = TestSeason::colourOf(teams ? "timeson.bmp" : "tabelaon.bmp");
    const QColor plain = TestSeason::colourOf(teams ? "times.bmp" : "tabela.bmp");
    if (teams)
        Form1->fiTimesClick();
    form->close();
    QVERIFY(Form1->isVisible());
    QVERIFY(Form1->PanelAbertura->isVisible());
    QVERIFY(!form->isVisible());

    teams ? Form1->fiTimesClick() : Form1->fiTabelaClick();
    emit button->OnMouseEnter(button);
    QCOMPARE(background->picture().pixelColor(button->geometry().center()), lit);
    emit button->OnMouseLeave(button);
    QCOMPARE(background->picture().pixelColor(button->geometry().center()), plain);
    QVERIFY(callsOf(MessageCall::Error).isEmpty());
}

void TestChampionshipScreens::standingsGrid()
{
    start(2);
    FormTabela->BtVoltaClick();
    Form1->fiClassificaClick();
    QVERIFY(FormClassifica->isVisible());
    QTableWidget *grid = FormClassifica->StringGrid1;
    // The column titles are the grid's fixed header, above the 22 rows.
    QCOMPARE(grid->rowCount(), 22);
    // The ten columns of the table, then who can still win: "Máx" and the mark.
    QCOMPARE(grid->columnCount(), 12);
    QCOMPARE(grid->columnWidth(1), 87);
    QCOMPARE(grid->rowHeight(5), 24);
    QStringList header;
    for (int c = 0; c < 12; ++c)
        header << FormClassifica->Cells(c, 0);
    QCOMPARE(header, (QStringList{"Pos.", "Times", "PG", "J", "V", "E", "D", "GP", "GC", "SG",
                                  "Máx", "Tít"}));
    QCOMPARE(accessibleColumnHeaders(grid), header);
    QCOMPARE(FormClassifica->Cells(0, 1), QString("1º"));
    QCOMPARE(FormClassifica->Cells(0, 22), QString("22º"));
    QVERIFY(!(grid->item(2, 4)->flags() & Qt::ItemIsEditable));
    // The top clubs won both rounds 1-0; match 5's clubs did not play.
    QCOMPARE(FormClassifica->Cells(2, 1), QString("6"));
    QCOMPARE(FormClassifica->Cells(9, 1), QString("2"));
    QVERIFY(FormClassifica->Cells(1, 1).endsWith(" F.C."));
    QCOMPARE(FormClassifica->Cells(9, 22), QString("-2"));
    // Two rounds played, 40 left: 6 + 3 x 40, and nobody is decided yet.
    QCOMPARE(FormClassifica->Cells(10, 1), QString("126"));
    QCOMPARE(FormClassifica->Cells(11, 1), QString());
    const StandingsRace race = buildStandingsRace(m_season->dataDir());
    for (int r = 1; r <= 22; ++r)
        QCOMPARE(FormClassifica->Cells(10, r), QString::number(race.reach.at(r - 1).most));

    // The chart of the club on the picked row, its places from the rules.
    grid->setCurrentCell(2, 1);
    FormClassifica->fiPosicoesClick();
    QVERIFY(FormClassifica->ChartPosicoes->isVisible());
    QVERIFY(!grid->isVisible());
    QCOMPARE(FormClassifica->ChartPosicoes->CbNome->currentText(), FormClassifica->Cells(1, 3));
    const PositionHistory history = buildClubHistory(m_season->dataDir());
    QCOMPARE(FormClassifica->ChartPosicoes->shownPlaces(),
             history.places.at(race.rows.at(2).record));
    QCOMPARE(FormClassifica->ChartPosicoes->shownPlaces().last(), 3);
    FormClassifica->fiPosicoesClick();
    QVERIFY(grid->isVisible());

    // Exported as shown: the header row, then the 22 rows in their order.
    Choosers::setFolderAnswer(
        [this](const QString &, const QString &) { return m_season->path(""); });
    FormClassifica->fiExportarClick();
    Choosers::setFolderAnswer({});
    QFile csv(m_season->path("Classificação.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(csv.readAll()).split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 23);
    QCOMPARE(lines.first(), QStringLiteral("Pos.;Times;PG;J;V;E;D;GP;GC;SG;Máx;Tít"));
    QCOMPARE(lines.at(22).split(';').first(), QStringLiteral("22º"));
    QCOMPARE(lines.at(22).split(';').at(9), QStringLiteral("-2"));

    FormClassifica->close();
    QVERIFY(Form1->PanelAbertura->isVisible());
}

void TestChampionshipScreens::teamDetails()
{
    start();
    QDir(m_season->dataDir()).mkpath("escudo");
    QImage shield(121, 113, QImage::Format_RGB32);
    shield.fill(Qt::green);
    shield.save(m_season->dataDir() + "escudo/Cometa.bmp", "BMP");

    Form1->fiTimesClick();
    QVERIFY(FormTimes->PanelTimes->isVisible());
    QCOMPARE(FormTimes->FocusImage4->Hint, QString("Cometa"));
    QTest::mouseClick(FormTimes->FocusImage4, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(FormTimes->PanelDetalhe->isVisible());
    QVERIFY(!FormTimes->PanelTimes->isVisible());
    QCOMPARE(FormTimes->htmlDetalhe->toPlainText().simplified(), QString("Clube Cometa site"));
    QCOMPARE(FormTimes->ImEscudo->picture().pixelColor(3, 3), QColor(Qt::green));

    // A club without pictures keeps the shield shown before.
    QTest::mouseClick(FormTimes->ImSairDetalhes, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(FormTimes->PanelTimes->isVisible());
    QTest::mouseClick(FormTimes->FocusImage21, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(FormTimes->htmlDetalhe->toPlainText().simplified(), QString("Clube Veraneio site"));
    QCOMPARE(FormTimes->ImEscudo->picture().pixelColor(3, 3), QColor(Qt::green));

    // Leaving and coming back opens on the grid.
    FormTimes->fiTimesSairClick();
    Form1->fiTimesClick();
    QVERIFY(FormTimes->PanelTimes->isVisible());
    QVERIFY(!FormTimes->PanelDetalhe->isVisible());
    QVERIFY(m_messages->calls.isEmpty());
}

void TestChampionshipScreens::missingDetailsFileIsReported()
{
    start();
    QFile::remove(m_season->dataDir() + "Times.txt");
    Form1->fiTimesClick();
    QTest::mouseClick(FormTimes->FocusImage1, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(callsOf(MessageCall::Inform).size(), 1);
    QCOMPARE(callsOf(MessageCall::Inform).first().text, QString("Erro. Reinstale o programa."));
    QVERIFY(FormTimes->PanelDetalhe->isVisible());
    QCOMPARE(FormTimes->htmlDetalhe->toPlainText().trimmed(), QString());
}

void TestChampionshipScreens::detailsLinks_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("browserAnswers");
    QTest::addColumn<bool>("handedOver");
    QTest::addColumn<bool>("stopBoxShown");
    QTest::newRow("web address opened") << "http://cometa.example.org/" << true << true << false;
    QTest::newRow("no browser") << "https://cometa.example.org/" << false << true << true;
    QTest::newRow("mail address") << "mailto:clube@example.org" << true << true << false;
    QTest::newRow("file path ignored") << "file:///etc/passwd" << true << false << false;
    QTest::newRow("program ignored") << "/usr/bin/xterm -e rm" << true << false << false;
    QTest::newRow("relative link ignored") << "historia.htm" << false << false << false;
}

void TestChampionshipScreens::detailsLinks()
{
    QFETCH(QString, link);
    QFETCH(bool, browserAnswers);
    QFETCH(bool, handedOver);
    QFETCH(bool, stopBoxShown);
    start();
    QStringList handed;
    Browser::setHandler([&](const QString &url) {
        handed << url;
        return browserAnswers;
    });
    Form1->fiTimesClick();
    QTest::mouseClick(FormTimes->FocusImage4, Qt::LeftButton, {}, QPoint(5, 5));
    emit FormTimes->htmlDetalhe->hotSpotClicked(link);
    QCOMPARE(handed, handedOver ? QStringList{link} : QStringList());
    const QList<MessageRecorder::Call> stops = callsOf(MessageCall::Stop);
    QCOMPARE(stops.size(), stopBoxShown ? 1 : 0);
    if (stopBoxShown) {
        QCOMPARE(stops.first().caption, QString("Campeontato Velurino"));
        QCOMPARE(stops.first().text,
                 "Não existe browser instalado em seu computador" + QString(15, ' ') + ".");
    }
    QVERIFY(FormTimes->PanelDetalhe->isVisible());
}

QTEST_MAIN(TestChampionshipScreens)
#include "test_championship_screens.moc"
