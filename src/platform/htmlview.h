// The HTML view of every screen: shows a page given as text, or a whole document from a file's
// bytes, in a fixed rectangle with the fonts, colours, border and scroll bars the screen asks
// for. Pictures resolve inside the data directory; a click on a link is reported with its target
// text and never followed inside the view (no history, no network).
#pragma once

#include <QTextBrowser>

class HtmlView : public QTextBrowser
{
    Q_OBJECT

public:
    enum class Border
    {
        None,
        Single,
        WhenFocused
    };

    explicit HtmlView(QWidget *parent = nullptr);

    // A page held in memory (lines joined with CR LF).
    void setPage(const QString &html);
    // A whole document read from a file: Windows-1252 bytes.
    void loadDocument(const QByteArray &bytes);

    void setDefaultFontFace(const QString &family, int pointSize = 12);
    void setFixedFontFace(const QString &family);
    void setDefaultBackground(const QColor &colour);
    void setBorder(Border border);
    void setScrollBarsVisible(bool visible);
    void setSelectable(bool selectable);
    // Where relative picture names are looked up (the data directory).
    void setPictureDir(const QString &dir);

    QVariant loadResource(int type, const QUrl &name) override;

signals:
    // A link was clicked; `target` is the link's target exactly as the page wrote it.
    void hotSpotClicked(const QString &target);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void applyStyleSheet();
    void updateBorderColour();

    Border m_border = Border::Single;
    QString m_fixedFamily = QStringLiteral("Courier New");
    QString m_pictureDir;
    QString m_pressedAnchor;
};
