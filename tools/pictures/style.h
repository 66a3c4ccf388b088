// The visual identity shared by every picture of the data directory: the pitch backdrop, the
// title band, the button plaque in its two states, calm wells under controls, captions and the
// two emblems. Screen layouts live in screens.cpp; the clubs' shields and mascots in clubs.cpp.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QMargins>
#include <QPainter>
#include <QRect>
#include <QString>

#include <functional>

namespace pictures {

inline constexpr QSize kScreenSize{640, 480};

namespace palette {
inline const QColor kGold{0xe9, 0xc4, 0x6a};
inline const QColor kCream{0xfb, 0xf4, 0xdc};
inline const QColor kDeepGreen{0x0b, 0x3a, 0x1e};
} // namespace palette

enum class ButtonState
{
    Plain,
    Lit
};

// A picture button: its hot-spot rectangle in picture pixels, the label, an optional emblem
// drawn into a square, room kept free at the left of the label (the start panel's exit button
// shows the red card there while hovered), and the label's size.
struct Button
{
    QRect rect;
    QString label;
    std::function<void(QPainter &, const QRectF &)> emblem = {};
    int reserveLeft = 0;
    int pixelSize = 0; // 0: sized to the plaque; a set size keeps a family of buttons alike
};

QFont font(const QString &family, int pixelSize, bool bold = true, bool italic = false);

QImage pitchBackdrop(QSize size = kScreenSize);
// A pop-up panel's backdrop: only the top visibleHeight rows show on screen, so the frame is
// drawn around those.
QImage popupBackdrop(QSize size, int visibleHeight);

void drawTitleBand(QPainter &p, const QString &subtitle);
void drawWell(QPainter &p, const QRect &control, const QMargins &frame = {3, 3, 3, 3});
void drawCaption(QPainter &p, const QRect &box, const QString &text, int pixelSize = 13,
                 Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter,
                 const QColor &colour = palette::kCream);
void drawHeading(QPainter &p, const QRect &box, const QString &title, const QString &tagline);
// A dark card with a gold caption and one line per entry, for legends beside grids.
// `gap` is the space between lines, smaller for a long legend.
void drawLegend(QPainter &p, const QRect &box, const QString &caption, const QList<QString> &lines,
                int gap = 6);

void drawPlaque(QPainter &p, const Button &button, ButtonState state);

// The scene with every button drawn in one state. Each button's rectangle is first restored
// from the backdrop, so the same button looks the same on every picture that carries it, and
// a plaque never reaches into a strip shared with a neighbouring button: the hover copies
// whole rectangles, so such a strip must look alike in both states.
QImage withButtons(const QImage &scene, const QImage &backdrop, const QList<Button> &buttons,
                   ButtonState state);

void drawTrophy(QPainter &p, const QRectF &square);
void drawBall(QPainter &p, const QRectF &square);

// Luminance in 0..1, to choose a legible text colour over a club colour.
double luminance(const QColor &c);

} // namespace pictures
