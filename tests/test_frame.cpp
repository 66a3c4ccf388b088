// The program's frame as a user meets it: the start panel, the championship menu, the picture
// buttons lighting up, the red card, leaving the program, and the three text pages.
#include "testdata.h"

#include "app/form1.h"
#include "app/program.h"
#include "app/textpages.h"
#include "frame/picturecache.h"
#include "frame/screenform.h"
#include "platform/datadirs.h"
#include "platform/messages.h"
#include "platform/velurinoerror.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

class TestFrame : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void centringHalvesTowardZero_data();
    void centringHalvesTowardZero();
    void startsOnTheStartPanel();
    void hoverLightsExactlyTheButton_data();
    void hoverLightsExactlyTheButton();
    void redCardFollowsTheExitButton();
    void championshipMenuAndBack();
    void navigationShowsTargetBeforeHiding_data();
    void navigationShowsTargetBeforeHiding();
    void exitAsksFirst_data();
    void exitAsksFirst();
    void missingHoverPictureIsReportedAndDrawsNothing();
    void picturesAreDecodedOnceWhenFirstNeeded();
    void screensAreMadeWhenFirstOpened();
    void textPageTxtIsShownAsHtml();
    void historyIsReadAtEveryShowingRegulationOnce();
    void missingPageShowsTheErrorBox();
    void pageExitAndCloseReturn_data();
    void pageExitAndCloseReturn();
    void exitButtonSwapsPicture();

private:
    void start();
    QImage panelImage(QWidget *panelPicture) const;

    TestSeason *m_season = nullptr;
    MessageRecorder *m_messages = nullptr;
};

void TestFrame::init()
{
    m_season = new TestSeason(true);
    m_messages = new MessageRecorder(false);
}

void TestFrame::cleanup()
{
    destroyScreens();
    delete m_messages;
    delete m_season;
}

void TestFrame::start()
{
    createScreens(m_season->dataDir());
    Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form1));
}

QImage TestFrame::panelImage(QWidget *panelPicture) const
{
    return static_cast<PictureBox *>(panelPicture)->picture();
}

void TestFrame::centringHalvesTowardZero_data()
{
    QTest::addColumn<int>("area");
    QTest::addColumn<int>("offset");
    QTest::newRow("635 wide gives -2") << 635 << -2;
    QTest::newRow("645 wide gives 2") << 645 << 2;
    QTest::newRow("exact fit") << 640 << 0;
    QTest::newRow("1024 wide") << 1024 << 192;
    QTest::newRow("odd difference rounds down") << 1025 << 192;
}

void TestFrame::centringHalvesTowardZero()
{
    QFETCH(int, area);
    QFETCH(int, offset);
    QCOMPARE(centredOffset(area, 640), offset);

    ScreenForm form(QStringLiteral("x"));
    auto *panel = new Panel(&form, {7, 9, 640, 480});
    form.addCentredPanel(panel);
    form.resize(area, 470);
    form.show();
    QTRY_COMPARE(panel->pos(), QPoint(offset, -5));
}

void TestFrame::startsOnTheStartPanel()
{
    start();
    QCOMPARE(DataDir(), m_season->dataDir());
    QCOMPARE(PoolDir(), m_season->dataDir() + "player/");
    QVERIFY(Form1->PanelInicio->isVisible());
    QVERIFY(Form1->PanelAbertura->isVisible());
    // The start panel was created second, so it covers the menu.
    QCOMPARE(Form1->childAt(Form1->PanelInicio->geometry().center())->window(), Form1);
    QVERIFY(Form1->PanelInicio->geometry().contains(Form1->rect().center()));
    QCOMPARE(Form1->childAt(Form1->rect().center())->parentWidget(), Form1->PanelInicio);
    QVERIFY(!Form1->cartao->isVisible());
    QCOMPARE(Form1->geometry(), Form1->screen()->geometry());
    QCOMPARE(Form1->PanelInicio->pos(),
             QPoint(centredOffset(Form1->width(), 640), centredOffset(Form1->height(), 480)));
    QCOMPARE(panelImage(Form1->ImInicio).pixelColor(0, 0), TestSeason::colourOf("inicio.bmp"));
    QVERIFY(m_messages->calls.isEmpty());
}

void TestFrame::hoverLightsExactlyTheButton_data()
{
    QTest::addColumn<QString>("button");
    for (const char *name : {"fiVelurino", "fiBolao", "fiOut", "fiTabela", "fiClassifica",
                             "fiTimes", "fiRegulamento", "fiHistoria", "FocusImage1"})
        QTest::newRow(name) << name;
}

void TestFrame::hoverLightsExactlyTheButton()
{
    QFETCH(QString, button);
    start();
    const QMap<QString, TFocusImage *> buttons{{"fiVelurino", Form1->fiVelurino},
                                               {"fiBolao", Form1->fiBolao},
                                               {"fiOut", Form1->fiOut},
                                               {"fiTabela", Form1->fiTabela},
                                               {"fiClassifica", Form1->fiClassifica},
                                               {"fiTimes", Form1->fiTimes},
                                               {"fiRegulamento", Form1->fiRegulamento},
                                               {"fiHistoria", Form1->fiHistoria},
                                               {"FocusImage1", Form1->FocusImage1}};
    TFocusImage *fi = buttons.value(button);
    const bool onStart = fi->parentWidget() == Form1->PanelInicio;
    if (!onStart)
        Form1->fiVelurinoClick();
    PictureBox *background = onStart ? Form1->ImInicio : Form1->ImAbertura;
    const QColor plain = TestSeason::colourOf(onStart ? "inicio.bmp" : "abertura.bmp");
    const QColor lit = TestSeason::colourOf(onStart ? "inicioon.bmp" : "fundoon.bmp");

    emit fi->OnMouseEnter(fi);
    const QImage shown = background->picture();
    const QRect area = fi->geometry();
    // Lit inside the button's own rectangle, plain one pixel outside it.
    QCOMPARE(shown.pixelColor(area.topLeft()), lit);
    QCOMPARE(shown.pixelColor(area.bottomRight()), lit);
    QCOMPARE(shown.pixelColor(area.topLeft() - QPoint(1, 0)), plain);
    QCOMPARE(shown.pixelColor(area.topLeft() - QPoint(0, 1)), plain);
    QCOMPARE(shown.pixelColor(area.bottomRight() + QPoint(1, 0)), plain);
    QCOMPARE(shown.pixelColor(area.bottomRight() + QPoint(0, 1)), plain);
    int litPixels = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            litPixels += shown.pixelColor(x, y) == lit;
    QCOMPARE(litPixels, area.width() * area.height());

    emit fi->OnMouseLeave(fi);
    QCOMPARE(background->picture().pixelColor(area.center()), plain);
}

void TestFrame::redCardFollowsTheExitButton()
{
    start();
    const QPoint onButton = Form1->fiOut->mapTo(Form1, QPoint(100, 20));
    QTest::mouseMove(Form1, onButton);
    QTRY_VERIFY(Form1->cartao->isVisible());
    QCOMPARE(Form1->cartao->geometry(), QRect(504, 414, 19, 25));
    QCOMPARE(Form1->cartao->parentWidget(), Form1->PanelInicio);
    // Over the card itself the pointer is still over the button.
    QTest::mouseMove(Form1, Form1->cartao->mapTo(Form1, QPoint(5, 5)));
    QVERIFY(Form1->cartao->isVisible());
    QTest::mouseMove(Form1, Form1->PanelInicio->mapTo(Form1, QPoint(10, 10)));
    QTRY_VERIFY(!Form1->cartao->isVisible());
}

void TestFrame::championshipMenuAndBack()
{
    start();
    QTest::mouseClick(Form1->fiVelurino, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(Form1->PanelAbertura->isVisible());
    QVERIFY(!Form1->PanelInicio->isVisible());
    QTest::mouseClick(Form1->FocusImage1, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(Form1->PanelInicio->isVisible());
    QVERIFY(Form1->isVisible());
}

namespace {

// Records the order in which the program's windows are shown and hidden.
class WindowLog : public QObject
{
public:
    QStringList events;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
            auto *w = qobject_cast<QWidget *>(watched);
            if (w && w->isWindow())
                events.append((event->type() == QEvent::Show ? "show " : "hide ") +
                              w->objectName());
        }
        return false;
    }
};

} // namespace

void TestFrame::navigationShowsTargetBeforeHiding_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("target");
    QTest::newRow("regulation") << "fiRegulamento"
                                << "Regulamento";
    QTest::newRow("history") << "fiHistoria"
                             << "FormHistoria";
    QTest::newRow("round table") << "fiTabela"
                                 << "FormTabela";
    QTest::newRow("standings") << "fiClassifica"
                               << "FormClassifica";
    QTest::newRow("teams") << "fiTimes"
                           << "FormTimes";
    QTest::newRow("pool hub") << "fiBolao"
                              << "FormBolao";
}

void TestFrame::navigationShowsTargetBeforeHiding()
{
    QFETCH(QString, button);
    QFETCH(QString, target);
    start();
    const QMap<QString, TFocusImage *> buttons{{"fiRegulamento", Form1->fiRegulamento},
                                               {"fiHistoria", Form1->fiHistoria},
                                               {"fiTabela", Form1->fiTabela},
                                               {"fiClassifica", Form1->fiClassifica},
                                               {"fiTimes", Form1->fiTimes},
                                               {"fiBolao", Form1->fiBolao}};
    if (button != "fiBolao")
        Form1->fiVelurinoClick();
    WindowLog log;
    qApp->installEventFilter(&log);
    QTest::mouseClick(buttons.value(button), Qt::LeftButton, {}, QPoint(3, 3));
    qApp->removeEventFilter(&log);
    QCOMPARE(log.events, QStringList({"show " + target, "hide Form1"}));
    QVERIFY(m_messages->calls.isEmpty());
}

void TestFrame::exitAsksFirst_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("No keeps running") << false;
    QTest::newRow("Yes ends the program") << true;
}

void TestFrame::exitAsksFirst()
{
    QFETCH(bool, answer);
    start();
    m_messages->answer = answer;
    QSignalSpy closed(Form1, &TForm1::programClosed);
    QTest::mouseClick(Form1->fiOut, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(m_messages->calls.size(), 1);
    QCOMPARE(m_messages->calls[0].kind, int(MessageCall::Confirm));
    QCOMPARE(m_messages->calls[0].text, QStringLiteral("Deseja realmente sair?"));
    QCOMPARE(m_messages->calls[0].caption, QStringLiteral("Campeonato Velurino 2005"));
    QCOMPARE(closed.size(), answer ? 1 : 0);
    QCOMPARE(Form1->isVisible(), !answer);
    QVERIFY(Form1->PanelInicio->isVisibleTo(Form1));
}

void TestFrame::missingHoverPictureIsReportedAndDrawsNothing()
{
    m_season->remove("fundoon.bmp");
    start();
    QCOMPARE(m_messages->calls.size(), 1);
    QCOMPARE(m_messages->calls[0].kind, int(MessageCall::Error));
    QVERIFY(m_messages->calls[0].text.contains("fundoon.bmp"));
    // The remaining start steps did not run: the backgrounds stay empty.
    QVERIFY(Form1->ImAbertura->picture().isNull());
    emit Form1->fiTabela->OnMouseEnter(Form1->fiTabela);
    QVERIFY(Form1->ImAbertura->picture().isNull());
}

void TestFrame::picturesAreDecodedOnceWhenFirstNeeded()
{
    start();
    const QString page = m_season->dataDir() + "classifica.bmp";
    QVERIFY(!PictureCache::isDecoded(page));
    QVERIFY(!PictureCache::isDecoded(m_season->dataDir() + "inicioon.bmp"));
    Form1->fiVelurinoClick();
    Form1->fiRegulamentoClick();
    const QImage shown = FormRegulamento->ImRegulamento->picture();
    QCOMPARE(shown.pixelColor(0, 0), TestSeason::colourOf("classifica.bmp"));
    // The other screens on the same background share the one decoded picture.
    QCOMPARE(FormHistoria->ImHistoria->picture().cacheKey(), shown.cacheKey());

    // A picture replaced on disk is read again; one removed is reported by name.
    QImage green(640, 480, QImage::Format_RGB32);
    green.fill(Qt::green);
    QVERIFY(m_season->savePicture("classifica.bmp", green));
    QCOMPARE(PictureCache::picture(page).pixelColor(0, 0), QColor(Qt::green));
    m_season->remove("classifica.bmp");
    QVERIFY_THROWS_EXCEPTION(VelurinoError, PictureCache::picture(page));
    QVERIFY(m_messages->calls.isEmpty());
}

void TestFrame::screensAreMadeWhenFirstOpened()
{
    createStartScreen(m_season->dataDir());
    Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form1));
    QVERIFY(!FormRegulamento && !FormHistoria && !FormRegras);

    Form1->fiVelurinoClick();
    Form1->fiRegulamentoClick();
    QVERIFY(FormRegulamento && FormRegulamento->isVisible());
    QVERIFY(!Form1->isVisible() && !FormHistoria);
    QCOMPARE(FormRegulamento->htmlRegulamento->document()->toPlainText().simplified(),
             QStringLiteral("Regulamento Vale a regra."));
    // Made once: back and in again shows the same screen.
    TFormRegulamento *made = FormRegulamento;
    FormRegulamento->close();
    QVERIFY(Form1->isVisible());
    Form1->fiRegulamentoClick();
    QCOMPARE(FormRegulamento, made);
    QVERIFY(m_messages->calls.isEmpty());
}

void TestFrame::textPageTxtIsShownAsHtml()
{
    start();
    const QTextDocument *page = FormRegulamento->htmlRegulamento->document();
    QCOMPARE(page->blockCount(), 2);
    QCOMPARE(page->toPlainText().simplified(), QStringLiteral("Regulamento Vale a regra."));
    QVERIFY(page->firstBlock().charFormat().fontWeight() > QFont::Normal ||
            page->firstBlock().blockFormat().headingLevel() == 1);
    QCOMPARE(FormRegras->htmlRegras->document()->toPlainText().trimmed(),
             QStringLiteral("Regras do bolão"));
    QCOMPARE(FormRegulamento->htmlRegulamento->geometry(), QRect(0, 120, 640, 269));
    QCOMPARE(FormRegulamento->ImRegulamento->picture().pixelColor(0, 0),
             TestSeason::colourOf("classifica.bmp"));
}

void TestFrame::historyIsReadAtEveryShowingRegulationOnce()
{
    start();
    m_season->writeText("historia.htm", "<p>Nova hist\xf3ria</p>");
    m_season->writeText("regula.txt", "<p>Novo regulamento</p>");
    Form1->fiVelurinoClick();
    Form1->fiHistoriaClick();
    QCOMPARE(FormHistoria->htmlHistoria->document()->toPlainText(),
             QStringLiteral("Nova história"));
    FormHistoria->exitClick();
    Form1->fiRegulamentoClick();
    QCOMPARE(FormRegulamento->htmlRegulamento->document()->toPlainText().simplified(),
             QStringLiteral("Regulamento Vale a regra."));
}

void TestFrame::missingPageShowsTheErrorBox()
{
    m_season->remove("historia.htm");
    start();
    QCOMPARE(m_messages->calls.size(), 1);
    QCOMPARE(m_messages->calls[0].kind, int(MessageCall::Error));
    QVERIFY(m_messages->calls[0].text.contains("historia.htm"));
    Form1->fiVelurinoClick();
    Form1->fiHistoriaClick();
    QCOMPARE(m_messages->calls.size(), 2);
    QVERIFY(FormHistoria->isVisible());
    QVERIFY(FormHistoria->htmlHistoria->document()->isEmpty());
    FormHistoria->exitClick();
    QVERIFY(Form1->isVisible());
}

void TestFrame::pageExitAndCloseReturn_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("byClose");
    QTest::newRow("regulation exit button") << 0 << false;
    QTest::newRow("regulation closed by the system") << 0 << true;
    QTest::newRow("history exit button") << 1 << false;
    QTest::newRow("history closed by the system") << 1 << true;
    QTest::newRow("pool rules exit button") << 2 << false;
    QTest::newRow("pool rules closed by the system") << 2 << true;
}

void TestFrame::pageExitAndCloseReturn()
{
    QFETCH(int, page);
    QFETCH(bool, byClose);
    start();
    Form1->fiVelurinoClick();
    TextPageForm *form = page == 0   ? static_cast<TextPageForm *>(FormRegulamento)
                         : page == 1 ? static_cast<TextPageForm *>(FormHistoria)
                                     : static_cast<TextPageForm *>(FormRegras);
    goTo(Form1, page == 0 ? Place::Regulation : page == 1 ? Place::History : Place::PoolRules);
    QVERIFY(form->isVisible());
    if (byClose)
        form->close();
    else
        QTest::mouseClick(form->exitButton(), Qt::LeftButton, {}, QPoint(3, 3));
    QVERIFY(!form->isVisible());
    if (page == 2) {
        // The pool rules return to the pool hub, never to the main form.
        QVERIFY(placeForm(Place::PoolHub)->isVisible());
        QVERIFY(!Form1->isVisible());
    } else {
        QVERIFY(Form1->isVisible());
        QVERIFY(Form1->PanelAbertura->isVisible());
        QVERIFY(!Form1->PanelInicio->isVisible());
    }
}

void TestFrame::exitButtonSwapsPicture()
{
    start();
    TFocusImage *exit = FormRegulamento->fiSairRegulamento;
    QVERIFY(exit->picture().isNull());
    emit exit->OnMouseEnter(exit);
    QCOMPARE(exit->picture().pixelColor(1, 1), TestSeason::colourOf("classificaon.bmp"));
    emit exit->OnMouseLeave(exit);
    QCOMPARE(exit->picture().pixelColor(1, 1), TestSeason::colourOf("classificaoff.bmp"));
    // Read from disk at every event: a missing file is reported, the screen goes on.
    m_season->remove("classificaon.bmp");
    emit exit->OnMouseEnter(exit);
    QCOMPARE(m_messages->calls.size(), 1);
    QVERIFY(m_messages->calls[0].text.contains("classificaon.bmp"));
}

QTEST_MAIN(TestFrame)
#include "test_frame.moc"
