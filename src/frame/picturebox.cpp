#include "frame/picturebox.h"

#include "platform/textfile.h"
#include "platform/velurinoerror.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

QImage readPicture(const QString &path)
{
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull())
        throw VelurinoError(QStringLiteral("Não foi possível abrir a imagem \"%1\".")
                                .arg(QDir::toNativeSeparators(path)));
    return image.convertToFormat(QImage::Format_RGB32);
}

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::clearPicture()
{
    m_picture = QImage();
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
    loadPicture(path);
    return true;
}

void PictureBox::copyRegion(const QImage &source, const QRect &area)
{
    if (source.isNull())
        return;
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
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    // Enlarged on a large screen, a picture is smoothed rather than blown up into blocks.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(0, 0, m_picture);
}
