#include "icons.h"

#include "style.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace pictures {

namespace {

// A ball on a green badge with a gold rim: the emblem of the start panel, legible down to 16
// pixels. Each size is drawn for itself rather than shrunk from the largest, so edges stay sharp.
QImage icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal rim = std::max(1.0, size / 24.0);
    const QRectF badge = QRectF(0, 0, size, size).adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2);
    QLinearGradient green(badge.topLeft(), badge.bottomLeft());
    green.setColorAt(0, QColor(0x2f, 0x8a, 0x4e));
    green.setColorAt(1, palette::kDeepGreen);
    p.setPen(QPen(palette::kGold, rim));
    p.setBrush(green);
    p.drawRoundedRect(badge, size * 0.2, size * 0.2);
    const qreal inset = size * (size <= 24 ? 0.12 : 0.16);
    drawBall(p, QRectF(0, 0, size, size).adjusted(inset, inset, -inset, -inset));
    p.end();
    return image;
}

} // namespace

QStringList drawIcons(const QString &outDir)
{
    QStringList failed;
    for (int size : kIconSizes) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
        const QString file = dir + QStringLiteral("/velurino.png");
        if (!QDir().mkpath(dir) || !icon(size).save(file, "PNG"))
            failed.append(file);
    }
    return failed;
}

} // namespace pictures
