#include "platform/htmlview.h"

#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

// Pages are laid out in pixels, so that they look the same whatever the screen's resolution.
int pointsToPixels(int points)
{
    return (points * 96 + 36) / 72;
}

// A relative picture name resolved step by step, each step ignoring letter case as the data
// directory's names do.
QString resolveRelative(const QString &dir, const QString &relative)
{
    QString path = dir;
    const QStringList parts = QDir::fromNativeSeparators(relative).split(u'/', Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        if (part == QLatin1String(".."))
            return {};
        path = TextFile::resolve(path, part);
    }
    return path;
}

} // namespace

HtmlView::HtmlView(QWidget *parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setUndoRedoEnabled(false);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    setDefaultFontFace(QStringLiteral("Times New Roman"));
    setDefaultBackground(Qt::white);
    setSelectable(true);
    applyStyleSheet();
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
        const QString target = m_pressedAnchor.isEmpty() ? url.toString() : m_pressedAnchor;
        m_pressedAnchor.clear();
        emit hotSpotClicked(target);
    });
}

void HtmlView::setPage(const QString &html)
{
    setHtml(html);
}

void HtmlView::loadDocument(const QByteArray &bytes)
{
    setHtml(TextFile::decode(bytes));
}

void HtmlView::setDefaultFontFace(const QString &family, int pointSize)
{
    QFont font(family);
    font.setPixelSize(pointsToPixels(pointSize));
    font.setStyleHint(QFont::Serif);
    document()->setDefaultFont(font);
}

void HtmlView::setFixedFontFace(const QString &family)
{
    m_fixedFamily = family;
    applyStyleSheet();
}

void HtmlView::applyStyleSheet()
{
    document()->setDefaultStyleSheet(
        QStringLiteral("pre, code, tt, kbd, samp { font-family: \"%1\"; }").arg(m_fixedFamily));
}

void HtmlView::setDefaultBackground(const QColor &colour)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, colour);
    pal.setColor(QPalette::Window, colour);
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
    updateBorderColour();
}

void HtmlView::setBorder(Border border)
{
    m_border = border;
    setFrameShape(border == Border::None ? QFrame::NoFrame : QFrame::Box);
    updateBorderColour();
}

void HtmlView::updateBorderColour()
{
    // A border shown only with the focus keeps its line (in the background colour) when unfocused,
    // so the page does not move by a pixel each time the focus comes and goes.
    QPalette pal = palette();
    const bool drawn =
        m_border == Border::Single || (m_border == Border::WhenFocused && hasFocus());
    pal.setColor(QPalette::WindowText, drawn ? QColor(Qt::black) : pal.color(QPalette::Base));
    setPalette(pal);
}

void HtmlView::setScrollBarsVisible(bool visible)
{
    const Qt::ScrollBarPolicy policy = visible ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    setHorizontalScrollBarPolicy(policy);
    setVerticalScrollBarPolicy(policy);
}

void HtmlView::setSelectable(bool selectable)
{
    setTextInteractionFlags(selectable
                                ? Qt::TextBrowserInteraction
                                : Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
}

void HtmlView::setPictureDir(const QString &dir)
{
    m_pictureDir = dir;
    setSearchPaths({dir});
}

QVariant HtmlView::loadResource(int type, const QUrl &name)
{
    // Only pictures of the data directory: nothing from the network or elsewhere on the disk.
    if (type != QTextDocument::ImageResource || m_pictureDir.isEmpty() || !name.isRelative())
        return {};
    const QString path = resolveRelative(m_pictureDir, name.path());
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    QImage image(path);
    if (image.isNull())
        return {};
    return image;
}

void HtmlView::focusInEvent(QFocusEvent *event)
{
    QTextBrowser::focusInEvent(event);
    updateBorderColour();
}

void HtmlView::focusOutEvent(QFocusEvent *event)
{
    QTextBrowser::focusOutEvent(event);
    updateBorderColour();
}

void HtmlView::mouseReleaseEvent(QMouseEvent *event)
{
    m_pressedAnchor = anchorAt(event->position().toPoint());
    QTextBrowser::mouseReleaseEvent(event);
    m_pressedAnchor.clear();
}
