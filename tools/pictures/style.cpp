// The visual identity shared by every picture: pitch, title band, plaques, wells, captions and
// emblems. Nothing here knows a screen; every size is in picture pixels and every font is set
// by pixel size, so the pictures do not depend on the display's resolution.
#include "style.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegion>

#include <algorithm>
#include <cmath>

namespace pictures {

namespace {

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

QLinearGradient vertical(const QRectF &r, std::initializer_list<std::pair<qreal, QColor>> stops)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    for (const auto &[at, colour] : stops)
        g.setColorAt(at, colour);
    return g;
}

// Text with a one-pixel shadow, which keeps it legible over stripes and gradients alike.
void shadowedText(QPainter &p, const QRectF &box, int flags, const QString &text,
                  const QColor &colour, const QColor &shadow)
{
    p.setPen(shadow);
    p.drawText(box.translated(0, 1), flags, text);
    p.setPen(colour);
    p.drawText(box, flags, text);
}

int fittedPixelSize(const QString &family, int preferred, const QString &text, qreal width)
{
    int px = preferred;
    while (px > 9 && QFontMetrics(font(family, px)).horizontalAdvance(text) > width)
        --px;
    return px;
}

} // namespace

QFont font(const QString &family, int pixelSize, bool bold, bool italic)
{
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

double luminance(const QColor &c)
{
    return (0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue()) / 255.0;
}

QImage pitchBackdrop(QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const int stripe = 40;
    for (int x = 0, i = 0; x < size.width(); x += stripe, ++i)
        p.fillRect(x, 0, stripe, size.height(),
                   i % 2 ? QColor(0x12, 0x58, 0x2d) : QColor(0x0f, 0x4c, 0x27));

    // Faint pitch markings, centred below the title band.
    const QRectF field(14, 74, size.width() - 28, size.height() - 88);
    p.setPen(QPen(QColor(255, 255, 255, 22), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(field);
    p.drawLine(QPointF(field.center().x(), field.top()),
               QPointF(field.center().x(), field.bottom()));
    p.drawEllipse(field.center(), 62, 62);
    const qreal boxH = field.height() * 0.55;
    p.drawRect(QRectF(field.left(), field.center().y() - boxH / 2, 80, boxH));
    p.drawRect(QRectF(field.right() - 80, field.center().y() - boxH / 2, 80, boxH));

    QRadialGradient vignette(QPointF(size.width() / 2.0, size.height() / 2.0),
                             std::hypot(size.width(), size.height()) / 1.7);
    vignette.setColorAt(0.0, QColor(0, 0, 0, 0));
    vignette.setColorAt(0.6, QColor(0, 0, 0, 30));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 150));
    p.fillRect(img.rect(), vignette);
    return img;
}

QImage popupBackdrop(QSize size, int visibleHeight)
{
    QImage img(size, QImage::Format_RGB32);
    QPainter p(&img);
    p.fillRect(img.rect(), QColor(0x08, 0x2a, 0x16));
    const QRectF shown(0, 0, size.width(), visibleHeight);
    p.fillRect(shown,
               vertical(shown, {{0, QColor(0x13, 0x4f, 0x2b)}, {1, QColor(0x09, 0x30, 0x19)}}));
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(palette::kGold, 2));
    p.drawRect(shown.adjusted(1, 1, -1, -1));
    return img;
}

void drawTrophy(QPainter &p, const QRectF &sq)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(sq.topLeft());
    p.scale(sq.width() / 100.0, sq.height() / 100.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0a, 0x33, 0x1b));
    p.drawEllipse(QRectF(0, 0, 100, 100));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(palette::kGold, 4));
    p.drawEllipse(QRectF(3, 3, 94, 94));

    QLinearGradient gold(QPointF(25, 0), QPointF(75, 0));
    gold.setColorAt(0, QColor(0xb8, 0x86, 0x1e));
    gold.setColorAt(0.45, QColor(0xff, 0xe8, 0x8f));
    gold.setColorAt(1, QColor(0xb0, 0x7c, 0x14));
    QPainterPath cup;
    cup.moveTo(28, 22);
    cup.lineTo(72, 22);
    cup.cubicTo(72, 48, 62, 58, 54, 60);
    cup.lineTo(54, 70);
    cup.lineTo(64, 76);
    cup.lineTo(64, 80);
    cup.lineTo(36, 80);
    cup.lineTo(36, 76);
    cup.lineTo(46, 70);
    cup.lineTo(46, 60);
    cup.cubicTo(38, 58, 28, 48, 28, 22);
    p.setPen(QPen(QColor(0x5a, 0x3d, 0x08), 1.5));
    p.setBrush(gold);
    p.drawPath(cup);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, 4.5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(17, 26, 18, 20), 90 * 16, 180 * 16);
    p.drawArc(QRectF(65, 26, 18, 20), 270 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5a, 0x3d, 0x08));
    p.drawRect(QRectF(32, 80, 36, 6));
    p.restore();
}

void drawBall(QPainter &p, const QRectF &sq)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(sq.center());
    p.scale(sq.width() / 100.0, sq.height() / 100.0);
    QRadialGradient shade(QPointF(-14, -16), 60);
    shade.setColorAt(0, Qt::white);
    shade.setColorAt(1, QColor(0xc9, 0xcf, 0xc6));
    p.setPen(QPen(QColor(0x22, 0x22, 0x22), 2.5));
    p.setBrush(shade);
    p.drawEllipse(QPointF(0, 0), 47, 47);

    auto pentagon = [](QPointF c, qreal r, qreal turn) {
        QPolygonF poly;
        for (int i = 0; i < 5; ++i) {
            const qreal a = (turn + i * 72.0 - 90.0) * M_PI / 180.0;
            poly << c + QPointF(r * std::cos(a), r * std::sin(a));
        }
        return poly;
    };
    p.setClipRegion(QRegion(-46, -46, 92, 92, QRegion::Ellipse));
    p.setBrush(QColor(0x1e, 0x1e, 0x1e));
    p.setPen(Qt::NoPen);
    p.drawPolygon(pentagon({0, 0}, 15, 0));
    p.setPen(QPen(QColor(0x2a, 0x2a, 0x2a), 2));
    for (int i = 0; i < 5; ++i) {
        const qreal a = (i * 72.0 - 90.0) * M_PI / 180.0;
        const QPointF inner(15 * std::cos(a), 15 * std::sin(a));
        const QPointF outer(40 * std::cos(a), 40 * std::sin(a));
        p.drawLine(inner, outer);
        p.setPen(Qt::NoPen);
        p.drawPolygon(pentagon(QPointF(50 * std::cos(a), 50 * std::sin(a)), 14, i * 72.0 + 36));
        p.setPen(QPen(QColor(0x2a, 0x2a, 0x2a), 2));
    }
    p.restore();
}

void drawTitleBand(QPainter &p, const QString &subtitle)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF band(0, 0, kScreenSize.width(), 60);
    p.fillRect(band,
               vertical(band, {{0, QColor(0x03, 0x1c, 0x0d)}, {1, QColor(0x0a, 0x36, 0x1c)}}));
    p.fillRect(QRectF(0, 60, kScreenSize.width(), 2), palette::kGold);
    p.fillRect(QRectF(0, 62, kScreenSize.width(), 1), QColor(0, 0, 0, 120));

    drawBall(p, QRectF(14, 9, 42, 42));

    QLinearGradient gold(QPointF(0, 8), QPointF(0, 38));
    gold.setColorAt(0, QColor(0xff, 0xf0, 0xb0));
    gold.setColorAt(0.55, QColor(0xe9, 0xc4, 0x6a));
    gold.setColorAt(1, QColor(0xb8, 0x8a, 0x26));
    p.setFont(font(QStringLiteral("Liberation Serif"), 28, true, true));
    const QRectF title(68, 4, 420, 34);
    p.setPen(QColor(0, 0, 0, 170));
    p.drawText(title.translated(1, 2), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Campeonato Velurino 2005"));
    p.setPen(QPen(QBrush(gold), 1));
    p.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Campeonato Velurino 2005"));

    QFont sub = font(QStringLiteral("Liberation Sans"), 12);
    sub.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(sub);
    shadowedText(p, QRectF(70, 38, 420, 18), Qt::AlignLeft | Qt::AlignVCenter, subtitle.toUpper(),
                 palette::kCream, QColor(0, 0, 0, 160));
    p.restore();
}

void drawWell(QPainter &p, const QRect &control, const QMargins &frame)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(control.marginsAdded(frame));
    p.setPen(QPen(withAlpha(palette::kGold, 170), 1));
    p.setBrush(QColor(0x06, 0x24, 0x12, 220));
    p.drawRoundedRect(outer.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.fillRect(control, QColor(0xf3, 0xf1, 0xe8));
    p.restore();
}

void drawCaption(QPainter &p, const QRect &box, const QString &text, int pixelSize,
                 Qt::Alignment align, const QColor &colour)
{
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font(QStringLiteral("Liberation Sans"), pixelSize));
    shadowedText(p, box, int(align) | Qt::TextWordWrap, text, colour, QColor(0, 0, 0, 170));
    p.restore();
}

void drawHeading(QPainter &p, const QRect &box, const QString &title, const QString &tagline)
{
    p.save();
    p.setFont(font(QStringLiteral("Liberation Serif"), 30, true));
    const QRect top(box.left(), box.top(), box.width(), box.height() * 3 / 5);
    shadowedText(p, top, Qt::AlignLeft | Qt::AlignBottom, title, palette::kGold,
                 QColor(0, 0, 0, 190));
    p.setFont(font(QStringLiteral("Liberation Sans"), 14, false, true));
    const QRect bottom(box.left() + 2, top.bottom() + 4, box.width(), box.bottom() - top.bottom());
    shadowedText(p, bottom, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, tagline,
                 palette::kCream, QColor(0, 0, 0, 170));
    p.restore();
}

void drawLegend(QPainter &p, const QRect &box, const QString &caption, const QList<QString> &lines,
                int gap)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(withAlpha(palette::kGold, 150), 1));
    p.setBrush(QColor(0x04, 0x20, 0x10, 190));
    p.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.setFont(font(QStringLiteral("Liberation Sans"), 14));
    const QRect head(box.left() + 12, box.top() + 8, box.width() - 24, 20);
    shadowedText(p, head, Qt::AlignLeft | Qt::AlignVCenter, caption, palette::kGold,
                 QColor(0, 0, 0, 170));
    p.fillRect(QRect(head.left(), head.bottom() + 3, head.width(), 1),
               withAlpha(palette::kGold, 120));
    // "KEY  meaning" lines set the key in a column of its own; other lines run full width.
    const QFont keyFont = font(QStringLiteral("DejaVu Sans"), 12, true);
    const QFont textFont = font(QStringLiteral("DejaVu Sans"), 12, false);
    const int keyWidth = 30;
    int y = head.bottom() + 10;
    for (const QString &line : lines) {
        const qsizetype split = line.indexOf(QLatin1String("  "));
        QRect row(head.left(), y, head.width(), 100);
        if (split > 0) {
            p.setFont(keyFont);
            shadowedText(p, row, Qt::AlignLeft | Qt::AlignTop, line.left(split), palette::kGold,
                         QColor(0, 0, 0, 150));
            row.setLeft(row.left() + keyWidth);
        }
        const QString text = split > 0 ? line.mid(split + 2) : line;
        p.setFont(textFont);
        const QRect used = p.fontMetrics().boundingRect(row, Qt::TextWordWrap, text);
        shadowedText(p, row, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text, palette::kCream,
                     QColor(0, 0, 0, 150));
        y += used.height() + gap;
    }
    p.restore();
}

void drawPlaque(QPainter &p, const Button &b, ButtonState state)
{
    const bool lit = state == ButtonState::Lit;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r(b.rect);
    const qreal margin = std::clamp(std::min(r.width(), r.height()) / 12.0, 3.0, 6.0);
    const QRectF face = r.adjusted(margin, margin, -margin, -margin - 1);
    const qreal radius = std::min(11.0, std::min(face.width(), face.height()) * 0.24);

    p.setPen(Qt::NoPen);
    if (lit) {
        for (int i = int(margin); i >= 1; --i) {
            p.setBrush(QColor(0xff, 0xd8, 0x5a, 40));
            p.drawRoundedRect(face.adjusted(-i, -i, i, i), radius + i, radius + i);
        }
    }
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawRoundedRect(face.translated(0, 1.5), radius, radius);

    p.setBrush(
        lit ? vertical(face, {{0, QColor(0xff, 0xf8, 0xd0)}, {1, QColor(0xe6, 0xae, 0x38)}})
            : vertical(face, {{0, QColor(0xf0, 0xd0, 0x7c)}, {1, QColor(0x86, 0x60, 0x14)}}));
    p.drawRoundedRect(face, radius, radius);

    const QRectF body = face.adjusted(2, 2, -2, -2);
    const qreal inner = std::max(1.0, radius - 2);
    p.setBrush(lit ? vertical(body, {{0, QColor(0xff, 0xef, 0xa6)},
                                     {0.5, QColor(0xf6, 0xc8, 0x48)},
                                     {1, QColor(0xd6, 0x9c, 0x1e)}})
                   : vertical(body, {{0, QColor(0x2c, 0x8e, 0x54)},
                                     {0.5, QColor(0x17, 0x66, 0x37)},
                                     {1, QColor(0x0c, 0x40, 0x22)}}));
    p.drawRoundedRect(body, inner, inner);

    QPainterPath gloss;
    gloss.addRoundedRect(body.adjusted(1, 1, -1, 0), inner, inner);
    QPainterPath upper;
    upper.addRect(QRectF(body.left(), body.top(), body.width(), body.height() * 0.46));
    p.setBrush(QColor(255, 255, 255, lit ? 80 : 34));
    p.drawPath(gloss.intersected(upper));

    QRectF labelArea = body.adjusted(4, 0, -4, 0);
    if (b.emblem) {
        if (body.height() > body.width() * 0.8) {
            const qreal side = std::min(body.width() * 0.72, body.height() * 0.62);
            const QRectF sq(body.center().x() - side / 2, body.top() + body.height() * 0.09, side,
                            side);
            b.emblem(p, sq);
            labelArea.setTop(sq.bottom());
        } else {
            const qreal side = body.height() * 0.84;
            const QRectF sq(body.left() + 5, body.center().y() - side / 2, side, side);
            b.emblem(p, sq);
            labelArea.setLeft(sq.right() + 4);
        }
    }
    if (b.reserveLeft > 0)
        labelArea.setLeft(std::max(labelArea.left(), r.left() + b.reserveLeft));

    const bool tall = body.height() > body.width() * 0.8;
    const int preferred = b.pixelSize > 0 ? b.pixelSize
                          : tall          ? 28
                                 : std::clamp(int(std::lround(body.height() * 0.42)), 11, 22);
    const QString family = QStringLiteral("Liberation Sans");
    p.setFont(font(family, fittedPixelSize(family, preferred, b.label, labelArea.width() - 4)));
    shadowedText(p, labelArea, Qt::AlignCenter, b.label,
                 lit ? QColor(0x10, 0x3a, 0x1e) : QColor(0xff, 0xfb, 0xea),
                 lit ? QColor(255, 255, 255, 130) : QColor(0, 0, 0, 170));
    p.restore();
}

QImage withButtons(const QImage &scene, const QImage &backdrop, const QList<Button> &buttons,
                   ButtonState state)
{
    QImage img = scene.copy();
    QPainter p(&img);
    for (const Button &b : buttons)
        p.drawImage(b.rect.topLeft(), backdrop, b.rect);
    for (const Button &b : buttons) {
        QRegion own(b.rect);
        for (const Button &other : buttons)
            if (&other != &b)
                own -= QRegion(other.rect);
        p.setClipRegion(own);
        drawPlaque(p, b, state);
    }
    return img;
}

} // namespace pictures
