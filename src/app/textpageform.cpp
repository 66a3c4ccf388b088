#include "app/textpageform.h"

#include "frame/hover.h"
#include "platform/datadirs.h"
#include "platform/guard.h"
#include "platform/textfile.h"

TextPageForm::TextPageForm(const Layout &layout, QWidget *parent)
    : ScreenForm(layout.caption, parent), m_layout(layout)
{
    m_panel = new Panel(this, {0, 0, PanelWidth, PanelHeight});
    if (layout.backgroundIsButton)
        m_background = m_backgroundButton = new TFocusImage(m_panel);
    else
        m_background = new PictureBox(m_panel);
    m_background->setGeometry(layout.backgroundBounds);
    m_title = new PageTitle(m_panel);
    m_title->setTexts(layout.bandSubtitle, layout.title, layout.tagline);
    m_exit = new TFocusImage(m_panel, {480, 387, 145, 56});
    m_html = new HtmlView(m_panel);
    m_html->setGeometry(0, 120, 640, 269);
    m_html->setDefaultFontFace(QStringLiteral("Times New Roman"));
    m_html->setFixedFontFace(QStringLiteral("Courier New"));
    m_html->setDefaultBackground(Qt::white);
    m_html->setBorder(HtmlView::Border::WhenFocused);
    m_html->setScrollBarsVisible(true);
    styleScrollBars(m_html);
    m_html->setSelectable(true);
    addCentredPanel(m_panel);

    if (m_backgroundButton)
        m_backgroundButton->setBackdrop();
    setAccessibleName(layout.title);
    m_background->setAccessibleName(layout.title);
    m_html->setAccessibleName(layout.title);
    m_exit->setAccessibleName(QStringLiteral("Voltar"));
    setTabOrder(m_html, m_exit);
    addBackButton(m_exit);

    bindPictureSwap(m_exit);
    bindClick(m_exit, this, [this] { exitClick(); });
    registerPlace(layout.place, this, m_panel);
}

void TextPageForm::FormCreate()
{
    m_background->loadPictureIfExists(DataDir(), QStringLiteral("classifica.bmp"));
    m_html->setPictureDir(DataDir());
    // The page is read as HTML whatever its name ends in.
    m_html->loadDocument(TextFile::readBytes(DataDir(), m_layout.pageFile));
    maximise();
}

void TextPageForm::exitClick()
{
    goTo(this, m_layout.returnsTo);
}

void TextPageForm::FormClose()
{
    // Closed by the window system: return as the exit button would, so that a screen of the
    // program stays on view.
    goTo(this, m_layout.returnsTo);
}
