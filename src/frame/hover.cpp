#include "frame/hover.h"

#include "frame/focusimage.h"
#include "frame/picturecache.h"
#include "platform/datadirs.h"
#include "platform/guard.h"
#include "platform/textfile.h"

QImage loadDataPicture(const QString &name)
{
    return readPicture(TextFile::resolve(DataDir(), name));
}

void RegionHover::load(const QString &litName, const QString &plainName)
{
    release();
    const QString lit = TextFile::resolve(DataDir(), litName);
    const QString plain = TextFile::resolve(DataDir(), plainName);
    PictureCache::requireFile(lit);
    PictureCache::requireFile(plain);
    m_litPath = lit;
    m_plainPath = plain;
}

void RegionHover::release()
{
    m_litPath.clear();
    m_plainPath.clear();
    m_lit = QImage();
    m_plain = QImage();
}

void RegionHover::decode() const
{
    if (!isLoaded() || (!m_lit.isNull() && !m_plain.isNull()))
        return;
    QWidget *owner = m_background ? m_background->window() : nullptr;
    // A file damaged or removed since the screen was built: reported once, then the buttons
    // light nothing, as with a picture that never loaded.
    if (!guarded(owner, [this] {
            m_lit = PictureCache::picture(m_litPath);
            m_plain = PictureCache::picture(m_plainPath);
        })) {
        m_litPath.clear();
        m_plainPath.clear();
        m_lit = QImage();
        m_plain = QImage();
    }
}

const QImage &RegionHover::lit() const
{
    decode();
    return m_lit;
}

const QImage &RegionHover::plain() const
{
    decode();
    return m_plain;
}

void RegionHover::copy(const QImage &from, TFocusImage *button) const
{
    if (m_background && button)
        m_background->copyRegion(from, button->geometry());
}

void RegionHover::enter(TFocusImage *button) const
{
    copy(lit(), button);
}

void RegionHover::leave(TFocusImage *button) const
{
    copy(plain(), button);
}

void RegionHover::bind(TFocusImage *button) const
{
    QObject::connect(button, &TFocusImage::OnMouseEnter, button,
                     [this](TFocusImage *sender) { enter(sender); });
    QObject::connect(button, &TFocusImage::OnMouseLeave, button,
                     [this](TFocusImage *sender) { leave(sender); });
}

void bindPictureSwap(TFocusImage *button)
{
    const auto swapTo = [](TFocusImage *sender, const QString &name) {
        guarded(sender->window(), [&] { sender->setPicture(loadDataPicture(name)); });
    };
    QObject::connect(button, &TFocusImage::OnMouseEnter, button, [=](TFocusImage *sender) {
        swapTo(sender, QStringLiteral("classificaon.bmp"));
    });
    QObject::connect(button, &TFocusImage::OnMouseLeave, button, [=](TFocusImage *sender) {
        swapTo(sender, QStringLiteral("classificaoff.bmp"));
    });
}
