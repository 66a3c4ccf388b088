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
    // Takes both pictures of the data directory, the lit first; throws when one is missing, and
    // then holds neither. They are decoded (once for the whole program, through the picture
    // cache) when a button is first entered or left; an empty picture draws nothing.
    void load(const QString &litName, const QString &plainName);
    void release();
    bool isLoaded() const { return !m_litPath.isEmpty() && !m_plainPath.isEmpty(); }

    void enter(TFocusImage *button) const;
    void leave(TFocusImage *button) const;

    // Binds the enter and leave events of `button` to this hover.
    void bind(TFocusImage *button) const;

    const QImage &lit() const;
    const QImage &plain() const;

private:
    void decode() const;
    void copy(const QImage &from, TFocusImage *button) const;

    PictureBox *m_background = nullptr;
    // Emptied when a decode fails, so a damaged picture is reported only once.
    mutable QString m_litPath;
    mutable QString m_plainPath;
    mutable QImage m_lit;
    mutable QImage m_plain;
};

// Picture-swap hover of an exit button ("classificaon.bmp" / "classificaoff.bmp"), read from disk
// at every event.
void bindPictureSwap(TFocusImage *button);

// Loads a picture of the data directory; throws when it is missing.
QImage loadDataPicture(const QString &name);
