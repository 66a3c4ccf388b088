// The frame every screen shares: a borderless black window filling the screen, holding 640 x 480
// panels kept centred. Each screen derives from it and overrides the handlers it has; every
// handler runs inside the guard, so a failure shows the error box and the screen goes on.
#pragma once

#include <QWidget>

#include <functional>
#include <initializer_list>

class TFocusImage;

// A full-size panel of a screen.
class Panel : public QWidget
{
    Q_OBJECT

public:
    Panel(QWidget *parent, const QRect &designBounds);
};

class ScreenForm : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PanelWidth = 640;
    static constexpr int PanelHeight = 480;

    // `name` is the form's object name ("Form1", "FormTabela"); every window's title is the
    // program's.
    explicit ScreenForm(const QString &name, QWidget *parent = nullptr);
    ~ScreenForm() override;

    // The panels that FormResize keeps centred, in panel order.
    void addCentredPanel(QWidget *panel);

    // Fills the screen: full screen under a window manager, the screen's geometry without one.
    void maximise();

    // The main form's close ends the program; every other screen's close only hides it.
    bool closesProgram = false;

    // Escape presses the first of these buttons that is on view, enabled and not covered: the
    // screen's way back (or, on the start panel, the way out).
    void addBackButton(TFocusImage *button);

protected:
    virtual void escapePressed();
    void keyPressEvent(QKeyEvent *event) override;
    // Tab passes by controls that another panel covers.
    bool focusNextPrevChild(bool next) override;
    bool event(QEvent *event) override;

    virtual void FormShow() {}
    virtual void FormResize();
    // The screen's own close steps; a secondary screen is then hidden, never destroyed.
    virtual void FormClose() {}

    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Whether Tab may stop at `w`: on view, enabled and not under another panel.
    bool takesTab(QWidget *w) const;
    bool focusFrom(QWidget *start, bool next);

    QList<QWidget *> m_centredPanels;
    QList<TFocusImage *> m_backButtons;
};

// Left/top of a panel centred in an area: the difference halved, truncated toward zero.
int centredOffset(int area, int panel);

// How much the 640 x 480 panels are enlarged on a screen of `screen` pixels: 1 up to 1024 x 768,
// above that the largest factor, in steps of a quarter, at which a panel still fits the screen.
// Quarter steps keep every edge of the panel and its controls (multiples of 4 pixels) on whole
// pixels, so a lit button covers exactly its place.
double panelScale(const QSize &screen);

// Runs `handler` inside the guard on every click of `button`.
void bindClick(TFocusImage *button, QWidget *owner, std::function<void()> handler);

// Sets the Tab order of `widgets`, first to last.
void setTabOrderChain(std::initializer_list<QWidget *> widgets);
