// A screen that shows one page file of the data directory as HTML over the common frame, with an
// exit button back to where it was opened from. The regulation, history and pool rules screens.
#pragma once

#include "frame/controls.h"
#include "frame/focusimage.h"
#include "frame/navigation.h"
#include "frame/screenform.h"
#include "platform/htmlview.h"

class TextPageForm : public ScreenForm
{
    Q_OBJECT

public:
    struct Layout
    {
        QString caption;
        QString pageFile;
        QRect backgroundBounds;
        Place place;     // the place this screen is
        Place returnsTo; // where its exit button leads
        bool backgroundIsButton = false;
        QString title; // the page's name, shown as its heading and said by a screen reader
        // The shared background carries no page's name: each page shows its own.
        QString bandSubtitle;
        QString tagline;
    };

    explicit TextPageForm(const Layout &layout, QWidget *parent = nullptr);

    Panel *panel() const { return m_panel; }
    PictureBox *background() const { return m_background; }
    // The background as a button, or nullptr when it is a plain picture.
    TFocusImage *backgroundButton() const { return m_backgroundButton; }
    TFocusImage *exitButton() const { return m_exit; }
    HtmlView *html() const { return m_html; }
    PageTitle *title() const { return m_title; }

    void exitClick();

protected:
    // Loads the background and the page, then fills the screen.
    void FormCreate();
    void FormClose() override;

private:
    Layout m_layout;
    Panel *m_panel;
    PictureBox *m_background;
    TFocusImage *m_backgroundButton = nullptr;
    TFocusImage *m_exit;
    HtmlView *m_html;
    PageTitle *m_title;
};
