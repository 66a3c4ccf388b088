// The two hover effects of the picture buttons. Region copy: the button's rectangle is copied
// from the screen's lit picture onto its background on entry, and from the plain picture on exit.
// Picture swap: an exit button loads its own lit or unlit picture from the data directory.
#pragma once

#include <QImage>
#include <QString>

class PictureBox;
class TFocusImage;

class RegionHover
{
public:
    RegionHover() = default;
    explicit RegionHover(PictureBox *background) : m_background(background) {}

    void setBackground(PictureBox *background) { m_background = background; }
    // Loads both pictures of the data directory, the lit first; throws when one is missing. A
    // picture that failed to load stays empty, and an empty picture draws nothing.
    void load(const QString &litName, const QString &plainName);
    void release();
    bool isLoaded() const { return !m_lit.isNull() && !m_plain.isNull(); }

    void enter(TFocusImage *button) const;
    void leave(TFocusImage *button) const;

    // Binds the enter and leave events of `button` to this hover.
    void bind(TFocusImage *button) const;

    const QImage &lit() const { return m_lit; }
    const QImage &plain() const { return m_plain; }

private:
    void copy(const QImage &from, TFocusImage *button) const;

    PictureBox *m_background = nullptr;
    QImage m_lit;
    QImage m_plain;
};

// Picture-swap hover of an exit button ("classificaon.bmp" / "classificaoff.bmp"), read from disk
// at every event.
void bindPictureSwap(TFocusImage *button);

// Loads a picture of the data directory; throws when it is missing.
QImage loadDataPicture(const QString &name);
