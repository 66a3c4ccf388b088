#include "frame/hover.h"

#include "frame/focusimage.h"
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
    QImage lit = loadDataPicture(litName);
    QImage plain = loadDataPicture(plainName);
    m_lit = std::move(lit);
    m_plain = std::move(plain);
}

void RegionHover::release()
{
    m_lit = QImage();
    m_plain = QImage();
}

void RegionHover::copy(const QImage &from, TFocusImage *button) const
{
    if (m_background && button)
        m_background->copyRegion(from, button->geometry());
}

void RegionHover::enter(TFocusImage *button) const
{
    copy(m_lit, button);
}

void RegionHover::leave(TFocusImage *button) const
{
    copy(m_plain, button);
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
