// Every screen from the keyboard and through a screen reader's eyes: Tab reaches every control on
// view once, boxes and lists before the picture buttons, the buttons of a panel in reading order;
// a focused button lights as under the mouse; every control reads with a name, every button as a
// push button that can be pressed; Escape goes back.
#include "testdata.h"

#include "app/form1.h"
#include "app/program.h"
#include "app/textpages.h"
#include "championship/rules/results.h"
#include "championship/tabela.h"
#include "championship/times.h"
#include "frame/focusimage.h"
#include "platform/datadirs.h"
#include "pool/bolao.h"
#include "pool/rank.h"
#include "pool/rules/poolfiles.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <functional>

namespace {

void press(TFocusImage *button)
{
    QVERIFY2(button->isVisible() && button->isEnabled(), qPrintable(button->accessibleName()));
    button->click();
}

QWidget *shownWindow()
{
    QWidget *shown = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<ScreenForm *>(w)) {
            if (shown)
                return nullptr;
            shown = w;
        }
    return shown;
}

QString readName(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

QString describe(QWidget *w)
{
    return QStringLiteral("%1 \"%2\"").arg(w->metaObject()->className(), readName(w));
}

bool isButton(QWidget *w)
{
    const auto *button = qobject_cast<TFocusImage *>(w);
    return button && !button->isBackdrop();
}

// Whether `later`, reached after `earlier`, would be read before it: above it (its middle above
// the other's top), or in the same row (each one's middle within the other's height) and left
// of it.
bool readBefore(const QRect &later, const QRect &earlier)
{
    if (later.center().y() < earlier.top())
        return true;
    const bool sameRow =
        earlier.top() <= later.center().y() && later.center().y() <= earlier.bottom() &&
        later.top() <= earlier.center().y() && earlier.center().y() <= later.bottom();
    return sameRow && later.right() < earlier.left();
}

// The controls Tab should reach: taking the focus from Tab, enabled, on view and not under
// another panel.
QList<QWidget *> reachable(QWidget *window)
{
    QList<QWidget *> found;
    for (QWidget *w : window->findChildren<QWidget *>())
        if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy() &&
            w->isEnabled() && w->isVisibleTo(window) && !coveredInWindow(w))
            found << w;
    return found;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyScreenByTab_data();
    void everyScreenByTab();
    void scoreBoxesSayTheShownNames();

private:
    TestSeason *m_season = nullptr;
    MessageRecorder *m_messages = nullptr;
};

void TestKeyboard::init()
{
    m_season = new TestSeason(true);
    m_messages = new MessageRecorder(false);
    createScreens(m_season->dataDir());
    Form1->show();
    Form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
}

void TestKeyboard::cleanup()
{
    destroyScreens();
    CurrentUser.clear();
    delete m_messages;
    delete m_season;
}

using Road = std::function<void()>;
Q_DECLARE_METATYPE(Road)

void TestKeyboard::everyScreenByTab_data()
{
    QTest::addColumn<Road>("road");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("afterEscape");

    const Road menu = [] { press(Form1->fiVelurino); };
    const Road hub = [] { press(Form1->fiBolao); };
    const Road teams = [=] { menu(), press(Form1->fiTimes); };
    const Road participant = [=] {
        hub();
        press(FormBolao->fiUsers);
        FormBolao->Nome->setText(QStringLiteral("Ana"));
        press(FormBolao->BtOK);
        press(FormBolao->fiAposta);
        FormBolao->LbUsers->setCurrentRow(0);
    };
    const Road ranking = [=] { hub(), press(FormBolao->fiRank); };

    QTest::newRow("start panel") << Road([] {}) << "Início"
                                 << "Início";
    QTest::newRow("championship menu") << menu << "Campeonato"
                                       << "Início";
    QTest::newRow("round table") << Road([=] { menu(), press(Form1->fiTabela); })
                                 << "Tabela de jogos"
                                 << "Campeonato";
    QTest::newRow("standings") << Road([=] { menu(), press(Form1->fiClassifica); })
                               << "Classificação"
                               << "Campeonato";
    QTest::newRow("teams") << teams << "Times"
                           << "Campeonato";
    QTest::newRow("team details") << Road([=] { teams(), press(FormTimes->FocusImage4); })
                                  << "Cometa"
                                  << "Times";
    QTest::newRow("regulation") << Road([=] { menu(), press(Form1->fiRegulamento); })
                                << "Regulamento"
                                << "Campeonato";
    QTest::newRow("history") << Road([=] { menu(), press(Form1->fiHistoria); }) << "História"
                             << "Campeonato";
    QTest::newRow("pool hub") << hub << "Bolão"
                              << "Início";
    QTest::newRow("participants panel")
        << Road([=] { hub(), press(FormBolao->fiUsers); }) << "Bolão"
        << "Bolão";
    QTest::newRow("participant to bet") << participant << "Bolão"
                                        << "Bolão";
    QTest::newRow("ranking sub-menu") << ranking << "Bolão"
                                      << "Bolão";
    QTest::newRow("bet screen") << Road([=] { participant(), press(FormBolao->BtAposta); })
                                << "Apostas"
                                << "Bolão";
    QTest::newRow("overall ranking")
        << Road([=] { ranking(), press(FormBolao->fiGeral); }) << "Ranking geral"
        << "Bolão";
    QTest::newRow("round ranking")
        << Road([=] { ranking(), press(FormBolao->fiRodada); }) << "Ranking da rodada"
        << "Bolão";
    QTest::newRow("round ranking bets")
        << Road([=] { ranking(), press(FormBolao->fiRodada), press(FormRank->fiApostas); })
        << "Ranking da rodada"
        << "Bolão";
    QTest::newRow("stored round's bets") << Road([=] {
        Results::storeRoundResults(DataDir(), 1, QStringList(22, QStringLiteral("1")));
        participant(), press(FormBolao->fiRank), press(FormBolao->fiRodada);
        press(FormRank->fiApostas);
        FormRank->CbRank->setCurrentIndex(0);
        FormRank->CbRankChange();
        QVERIFY(FormRank->SGApostas->isVisible());
    }) << "Ranking da rodada"
                                         << "Bolão";
    QTest::newRow("pool rules") << Road([=] { hub(), press(FormBolao->fiRegras); })
                                << "Regras do bolão"
                                << "Bolão";
}

void TestKeyboard::everyScreenByTab()
{
    QFETCH(Road, road);
    QFETCH(QString, title);
    QFETCH(QString, afterEscape);
    road();
    QWidget *window = shownWindow();
    QVERIFY(window);
    QTRY_COMPARE(QApplication::activeWindow(), window);
    QCOMPARE(readName(window), title);

    const QList<QWidget *> expected = reachable(window);
    QVERIFY(!expected.isEmpty());
    // Lists, grids and boxes on view are for the keyboard too.
    for (QWidget *w : window->findChildren<QWidget *>())
        if ((qobject_cast<QAbstractItemView *>(w) || qobject_cast<QLineEdit *>(w)) &&
            w->isEnabled() && w->isVisibleTo(window) && !coveredInWindow(w) &&
            !qobject_cast<QAbstractItemView *>(w->parentWidget()))
            QVERIFY2(expected.contains(w), qPrintable(describe(w)));
    // A round of Tab from wherever the focus is, one more than there are controls, so that the
    // first key (which only shows where the focus is) cannot hide a control.
    QList<QWidget *> visited;
    for (int i = 0; i <= expected.size(); ++i) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus && focus->window() == window);
        QTest::keyClick(focus, Qt::Key_Tab);
        focus = QApplication::focusWidget();
        if (!visited.contains(focus))
            visited << focus;
        if (auto *button = qobject_cast<TFocusImage *>(focus))
            QVERIFY2(button->isLit(), qPrintable(describe(button)));
    }
    QStringList missed;
    for (QWidget *w : expected)
        if (!visited.contains(w))
            missed << describe(w);
    QVERIFY2(missed.isEmpty(), qPrintable(missed.join(", ")));

    QStringList reading;
    for (QWidget *w : std::as_const(visited))
        reading << describe(w);
    const QString seen = reading.join(QStringLiteral(" > "));
    QVERIFY2(visited.size() == expected.size(), qPrintable(seen));

    QList<QWidget *> order = visited;
    const auto place = [window](QWidget *w) {
        return QRect(w->mapTo(window, QPoint()), w->size());
    };
    // The round read from the box or list that follows the last button, or on a screen of
    // buttons from the top left one.
    auto first = order.end();
    for (int i = 0; i < order.size(); ++i)
        if (!isButton(order.at(i)) && isButton(order.at((i + order.size() - 1) % order.size())))
            first = order.begin() + i;
    if (first == order.end())
        first = std::find_if(order.begin(), order.end(), [&](QWidget *w) {
            return std::none_of(order.begin(), order.end(),
                                [&](QWidget *o) { return readBefore(place(o), place(w)); });
        });
    QVERIFY(first != order.end());
    std::rotate(order.begin(), first, order.end());
    bool buttonsBegun = false;
    for (int i = 0; i < order.size(); ++i) {
        QWidget *w = order.at(i);
        QVERIFY2(!readName(w).isEmpty(), qPrintable(describe(w)));
        buttonsBegun = buttonsBegun || isButton(w);
        QVERIFY2(isButton(w) || !buttonsBegun, qPrintable("box after a button: " + seen));
        for (int j = 0; j < i; ++j)
            if (isButton(w) && isButton(order.at(j)) &&
                order.at(j)->parentWidget() == w->parentWidget())
                QVERIFY2(!readBefore(w->geometry(), order.at(j)->geometry()),
                         qPrintable(describe(w) + " read before " + describe(order.at(j)) + " in " +
                                    seen));
    }

    // Every button on view reads as a push button that can be pressed, disabled ones too.
    for (TFocusImage *button : window->findChildren<TFocusImage *>()) {
        if (button->isBackdrop() || !button->isVisibleTo(window) || button->isCovered())
            continue;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(button);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Button);
        QVERIFY2(!iface->text(QAccessible::Name).isEmpty(), qPrintable(describe(button)));
        QVERIFY(iface->actionInterface());
        QVERIFY(iface->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        QCOMPARE(bool(iface->state().disabled), !button->isEnabled());
    }

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QWidget *back = shownWindow();
    QVERIFY(back);
    QCOMPARE(readName(back), afterEscape);
    if (title == QLatin1String("Início")) {
        QCOMPARE(m_messages->calls.size(), 1);
        QCOMPARE(m_messages->calls.at(0).text, QStringLiteral("Deseja realmente sair?"));
    }
}

void TestKeyboard::scoreBoxesSayTheShownNames()
{
    // The fixture's keys have no accents; a screen reader says the clubs as the standings show
    // them.
    Form1->fiTabelaClick();
    QCOMPARE(FormTabela->home(4)->accessibleName(), QStringLiteral("Gavião, gols"));
    QCOMPARE(FormTabela->away(6)->accessibleName(), QStringLiteral("União, gols"));
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
