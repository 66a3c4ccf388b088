#include "frame/screenform.h"

#include "frame/appfilter.h"

#include "frame/focusimage.h"
#include "platform/guard.h"
#include "platform/messages.h"

#include "frame/navigation.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include <cmath>

namespace {

// Gives the keyboard back to the screen under a message box or dialog once it closes: without a
// window manager nobody else does, and every key after the box would go nowhere.
class DialogCloseWatcher : public QObject
{
public:
    using QObject::QObject;

    static void install() { installApplicationFilterOnce<DialogCloseWatcher>(); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && watched->isWidgetType()) {
            auto *dialog = qobject_cast<QDialog *>(watched);
            QWidget *owner =
                dialog && dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
            if (owner && qobject_cast<ScreenForm *>(owner))
                QMetaObject::invokeMethod(
                    owner,
                    [owner] {
                        if (owner->isVisible() && !QApplication::activeModalWidget() &&
                            QApplication::activeWindow() != owner)
                            owner->activateWindow();
                    },
                    Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int centredOffset(int area, int panel)
{
    return (area - panel) / 2;
}

double panelScale(const QSize &screen)
{
    if (screen.width() <= 1024 && screen.height() <= 768)
        return 1;
    const double fits = std::min(screen.width() / double(ScreenForm::PanelWidth),
                                 screen.height() / double(ScreenForm::PanelHeight));
    return std::max(1.0, std::floor(fits * 4) / 4);
}

Panel::Panel(QWidget *parent, const QRect &designBounds) : QWidget(parent)
{
    setGeometry(designBounds);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
}

ScreenForm::ScreenForm(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    DialogCloseWatcher::install();
    // The taskbar and the window switcher show the program's title, not a form's name.
    setWindowTitle(AppTitle);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
}

ScreenForm::~ScreenForm()
{
    // The screen's hover pictures are gone by now; a button losing the focus as the window
    // closes must not light or darken anything.
    for (TFocusImage *button : findChildren<TFocusImage *>())
        button->blockSignals(true);
}

void ScreenForm::addCentredPanel(QWidget *panel)
{
    m_centredPanels.append(panel);
}

void ScreenForm::maximise()
{
    // Asked the standard way, so that a window manager knows the window fills the screen and
    // keeps panels and taskbars off it; a bare X server, which acts on no such request, gets the
    // screen's geometry instead.
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen)
        setGeometry(screen->geometry());
    setWindowState(windowState() | Qt::WindowFullScreen);
}

void ScreenForm::FormResize()
{
    for (QWidget *panel : std::as_const(m_centredPanels))
        panel->move(centredOffset(width(), panel->width()),
                    centredOffset(height(), panel->height()));
}

void ScreenForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    guarded(this, [this] { FormShow(); });
    // A screen opens at its first control; the main form's menus keep the button last used, so
    // that a user coming back finds his place.
    if (!closesProgram)
        focusFirst();
}

void ScreenForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    guarded(this, [this] { FormResize(); });
}

void ScreenForm::closeEvent(QCloseEvent *event)
{
    guarded(this, [this] { FormClose(); });
    if (closesProgram) {
        event->accept();
        return;
    }
    event->ignore();
    hide();
    // Whatever a screen's close did, the program must not be left with no window on view.
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool anyShown = std::any_of(windows.begin(), windows.end(), [](QWidget *w) {
        return w->isVisible() && qobject_cast<ScreenForm *>(w);
    });
    if (!anyShown)
        if (QWidget *main = placeForm(Place::ChampionshipMenu))
            main->show();
}

void ScreenForm::addBackButton(TFocusImage *button)
{
    m_backButtons.append(button);
}

void ScreenForm::escapePressed()
{
    for (TFocusImage *button : std::as_const(m_backButtons))
        if (button->isVisibleTo(this) && button->isEnabled() && !button->isCovered()) {
            button->click();
            return;
        }
}

void ScreenForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        if (!event->isAutoRepeat())
            escapePressed();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool ScreenForm::takesTab(QWidget *w) const
{
    return w != this && w->window() == this && !w->focusProxy() &&
           (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isEnabled() &&
           w->isVisibleTo(this) && !coveredInWindow(w);
}

bool ScreenForm::focusFrom(QWidget *start, bool next)
{
    QWidget *w = start;
    do {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (takesTab(w)) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (w != start);
    return false;
}

void ScreenForm::focusFirst()
{
    QList<QWidget *> ring;
    for (QWidget *w = nextInFocusChain(); w != this; w = w->nextInFocusChain())
        if (takesTab(w))
            ring << w;
    if (ring.isEmpty())
        return;
    const auto isButton = [](QWidget *w) {
        const auto *button = qobject_cast<TFocusImage *>(w);
        return button && !button->isBackdrop();
    };
    // The boxes and lists come first and the buttons after them, so the round starts where the
    // buttons end; on a screen of buttons only, at the top left one.
    for (qsizetype i = 0; i < ring.size(); ++i)
        if (!isButton(ring.at(i)) && isButton(ring.at((i + ring.size() - 1) % ring.size()))) {
            ring.at(i)->setFocus(Qt::TabFocusReason);
            return;
        }
    const auto place = [this](QWidget *w) {
        const QPoint at = w->mapTo(this, QPoint());
        return std::pair(at.y(), at.x());
    };
    (*std::min_element(ring.begin(), ring.end(), [&](QWidget *a, QWidget *b) {
        return place(a) < place(b);
    }))->setFocus(Qt::TabFocusReason);
}

bool ScreenForm::focusNextPrevChild(bool next)
{
    return focusFrom(focusWidget() ? focusWidget() : this, next);
}

bool ScreenForm::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    // The window system hands the focus to the first control that takes it, even one under
    // another panel; the keyboard starts at the first control the user sees instead.
    if (event->type() == QEvent::WindowActivate) {
        QWidget *focus = focusWidget();
        if (!focus || !takesTab(focus))
            focusFirst();
    }
    return handled;
}

void setTabOrderChain(std::initializer_list<QWidget *> widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void bindClick(TFocusImage *button, QWidget *owner, std::function<void()> handler)
{
    QObject::connect(button, &TFocusImage::clicked, owner,
                     [owner, handler = std::move(handler)] { guarded(owner, handler); });
}
