#include "frame/screenform.h"

#include "frame/focusimage.h"
#include "platform/guard.h"
#include "platform/messages.h"

#include "frame/navigation.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

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
    // The taskbar and the window switcher show the program's title, not a form's name.
    setWindowTitle(AppTitle);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
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
    if (!event->spontaneous())
        guarded(this, [this] { FormShow(); });
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

void bindClick(TFocusImage *button, QWidget *owner, std::function<void()> handler)
{
    QObject::connect(button, &TFocusImage::clicked, owner,
                     [owner, handler = std::move(handler)] { guarded(owner, handler); });
}
