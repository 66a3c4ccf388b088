#include "frame/picturebox.h"

#include "frame/picturecache.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include <utility>

QImage readPicture(const QString &path)
{
    return PictureCache::picture(path);
}

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {}

const QImage &PictureBox::picture() const
{
    decodePending();
    return m_picture;
}

void PictureBox::decodePending() const
{
    if (m_pending.isEmpty())
        return;
    const QString path = std::exchange(m_pending, QString());
    try {
        m_picture = PictureCache::picture(path);
    } catch (const VelurinoError &e) {
        // The file was there when the screen named it but is gone or damaged now. This may run
        // inside a paint, so the box comes once the event loop is back; the picture stays empty.
        m_picture = QImage();
        QPointer<QWidget> owner = window();
        const QString message = e.message();
        QTimer::singleShot(0, qApp, [owner, message] { errorBox(owner, message); });
    }
}

void PictureBox::setPicture(const QImage &picture)
{
    m_pending.clear();
    m_picture = picture;
    update();
}

void PictureBox::loadPicture(const QString &path)
{
    setPicture(readPicture(path));
}

bool PictureBox::loadPictureIfExists(const QString &dir, const QString &name)
{
    const QString path = TextFile::resolve(dir, name);
    if (!QFileInfo(path).isFile())
        return false;
    m_picture = QImage();
    m_pending = path;
    update();
    return true;
}

void PictureBox::copyRegion(const QImage &source, const QRect &area)
{
    if (source.isNull())
        return;
    decodePending();
    // An empty picture gets a canvas of the control's size first, as drawing on it would.
    if (m_picture.isNull()) {
        m_picture = QImage(size(), QImage::Format_RGB32);
        m_picture.fill(Qt::white);
    }
    QPainter painter(&m_picture);
    painter.drawImage(area, source, area);
    painter.end();
    // On an enlarged screen the smoothed edge of the area reaches a device pixel beyond it.
    update(area.adjusted(-1, -1, 1, 1));
}

void PictureBox::paintEvent(QPaintEvent *)
{
    decodePending();
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    // Enlarged on a large screen, a picture is smoothed rather than blown up into blocks.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(0, 0, m_picture);
}
