// The club table and the drawing of shields and mascots. Mascots are drawn in a 100 × 100
// space centred on the medallion, as flat parts with a white halo and a dark outline, the look
// of a sticker, which stays legible over any club colour.
#include "clubs.h"

#include "style.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <cmath>
#include <vector>

namespace pictures {

// Colour names as the clubs give them; the values are this program's reading of them.
namespace {
constexpr QRgb kWhite = 0xffffff, kBlack = 0x1a1a1a, kOrange = 0xf07f1a, kYellow = 0xf5c400,
               kSky = 0x5fb4e8, kNavy = 0x13295e, kRed = 0xc8202f, kPurple = 0x5b2a86,
               kDarkGreen = 0x0f4d2a, kBlue = 0x1f5fbf, kGarnet = 0x7a1a2a, kGreen = 0x1e8c3a,
               kWine = 0x6d1230, kGilt = 0xd4a52a, kBrown = 0x6b3f1f, kChestnut = 0x8a5a2b,
               kGrey = 0x8a9099;
} // namespace

const std::array<Club, 22> kClubs{{
    {"Alvorada", "Alvorada", kOrange, kWhite, Animal::Rooster, "Galo"},
    {"Aurense", "Aurense", kYellow, kBlack, Animal::Bee, "Abelha"},
    {"Brisamar", "Brisamar", kSky, kWhite, Animal::Gull, "Gaivota"},
    {"Caravela", "Caravela", kNavy, kRed, Animal::Octopus, "Polvo"},
    {"Cometa", "Cometa", kPurple, kWhite, Animal::Owl, "Coruja"},
    {"Cordilheira", "Cordilheira", kDarkGreen, kWhite, Animal::Condor, "Condor"},
    {"Estrela", "Estrela", kRed, kWhite, Animal::Lion, "Leão"},
    {"Farol", "Farol", kBlue, kYellow, Animal::Turtle, "Tartaruga"},
    {"Ferroviario", "Ferroviário", kGarnet, kWhite, Animal::Bull, "Touro"},
    {"Gaviao", "Gavião", kBlack, kWhite, Animal::Hawk, "Gavião"},
    {"Jequitiba", "Jequitibá", kGreen, kYellow, Animal::Toucan, "Tucano"},
    {"Lagoense", "Lagoense", kBlue, kGreen, Animal::Caiman, "Jacaré"},
    {"Marujos", "Marujos", kNavy, kWhite, Animal::Shark, "Tubarão"},
    {"Mirante", "Mirante", kWine, kGilt, Animal::Fox, "Raposa"},
    {"Operario", "Operário", kBlack, kRed, Animal::Wolf, "Lobo"},
    {"Pioneiro", "Pioneiro", kGreen, kWhite, Animal::Horse, "Cavalo"},
    {"Ribeirinho", "Ribeirinho", kSky, kYellow, Animal::Capybara, "Capivara"},
    {"Serrano", "Serrano", kBrown, kWhite, Animal::Jaguar, "Onça"},
    {"Tropeiro", "Tropeiro", kChestnut, kGreen, Animal::Ox, "Boi"},
    {"Uniao", "União", kBlue, kWhite, Animal::Dog, "Cão"},
    {"Ventania", "Ventania", kGrey, kBlue, Animal::Swallow, "Andorinha"},
    {"Veraneio", "Veraneio", kYellow, kBlue, Animal::Dolphin, "Golfinho"},
}};

namespace {

// ---- shields ---------------------------------------------------------------------------

QPainterPath shieldOutline()
{
    QPainterPath s;
    s.moveTo(6, 6);
    s.lineTo(50, 2);
    s.lineTo(94, 6);
    s.lineTo(94, 50);
    s.cubicTo(94, 78, 70, 96, 50, 104);
    s.cubicTo(30, 96, 6, 78, 6, 50);
    s.closeSubpath();
    return s;
}

void fillField(QPainter &p, int pattern, const QColor &a, const QColor &b)
{
    p.fillRect(QRectF(0, 0, 100, 106), a);
    p.setBrush(b);
    p.setPen(Qt::NoPen);
    switch (pattern % 5) {
    case 0:
        p.drawRect(QRectF(50, 0, 50, 106));
        break;
    case 1:
        for (int i = 1; i < 7; i += 2)
            p.drawRect(QRectF(6 + i * 88.0 / 7, 0, 88.0 / 7, 106));
        break;
    case 2:
        p.drawPolygon(
            QPolygonF{{QPointF(-10, 10), QPointF(10, -10), QPointF(110, 90), QPointF(90, 110)}});
        break;
    case 3:
        p.drawPolygon(QPolygonF{{QPointF(0, 100), QPointF(50, 64), QPointF(100, 100),
                                 QPointF(100, 78), QPointF(50, 42), QPointF(0, 78)}});
        break;
    default:
        p.drawRect(QRectF(50, 0, 50, 51));
        p.drawRect(QRectF(0, 51, 50, 55));
        break;
    }
}

QPolygonF star(QPointF c, qreal outer, qreal inner)
{
    QPolygonF poly;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 ? inner : outer;
        const qreal a = (i * 36.0 - 90.0) * M_PI / 180.0;
        poly << c + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return poly;
}

// ---- mascots ---------------------------------------------------------------------------

struct Part
{
    QPainterPath path;
    QColor fill;
    bool outlined = true;
};
using Parts = std::vector<Part>;

QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry)
{
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), rx, ry);
    return p;
}

QPainterPath poly(std::initializer_list<QPointF> pts)
{
    QPainterPath p;
    p.addPolygon(QPolygonF(QList<QPointF>(pts)));
    p.closeSubpath();
    return p;
}

QPainterPath thick(const QPainterPath &centre, qreal width)
{
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(Qt::RoundCap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(centre);
}

QPainterPath line(QPointF a, QPointF b, qreal width)
{
    QPainterPath c(a);
    c.lineTo(b);
    return thick(c, width);
}

QPainterPath mirrored(const QPainterPath &p)
{
    return QTransform::fromScale(-1, 1).map(p);
}

void eye(Parts &parts, qreal cx, qreal cy, qreal r, QColor iris = Qt::white)
{
    parts.push_back({ellipse(cx, cy, r, r), iris});
    parts.push_back({ellipse(cx + r * 0.1, cy, r * 0.52, r * 0.52), QColor(0x14, 0x14, 0x14)});
    parts.push_back({ellipse(cx - r * 0.15, cy - r * 0.25, r * 0.2, r * 0.2), Qt::white, false});
}

const QColor kInk(0x1c, 0x1c, 0x1c);

Parts animalParts(Animal a)
{
    Parts s;
    auto add = [&s](const QPainterPath &p, QRgb c) { s.push_back({p, QColor(c)}); };
    switch (a) {
    case Animal::Rooster:
        add(poly({{-22, 48}, {-28, 10}, {-10, -4}, {20, 10}, {24, 48}}), 0xc8621e);
        add(ellipse(2, -8, 20, 20), 0xf6f0e2);
        add(ellipse(-10, -28, 7, 9).united(ellipse(0, -32, 8, 10)).united(ellipse(10, -28, 7, 9)),
            0xd8242b);
        add(poly({{18, -13}, {38, -5}, {18, 2}}), 0xf2b81c);
        add(ellipse(16, 11, 5, 9), 0xd8242b);
        eye(s, 8, -12, 4.5);
        break;
    case Animal::Bee: {
        const QPainterPath body = ellipse(6, 6, 30, 20);
        add(ellipse(-6, -22, 13, 18), 0xe6f2ff);
        add(ellipse(13, -20, 12, 16), 0xe6f2ff);
        add(poly({{33, 1}, {47, 6}, {33, 11}}), 0x1c1c1c);
        add(body, 0xf5c518);
        QPainterPath bands;
        bands.addRect(-4, -20, 8, 50);
        bands.addRect(14, -20, 8, 50);
        s.push_back({body.intersected(bands), kInk, false});
        add(line({-32, -8}, {-40, -28}, 2.5).united(line({-25, -10}, {-24, -30}, 2.5)), 0x1c1c1c);
        add(ellipse(-28, 2, 13, 13), 0x1c1c1c);
        eye(s, -32, 0, 4);
        break;
    }
    case Animal::Gull: {
        QPainterPath w(QPointF(-48, -10));
        w.quadTo(-26, -30, -4, -4);
        w.lineTo(4, -4);
        w.quadTo(26, -30, 48, -10);
        w.quadTo(26, -14, 6, 8);
        w.lineTo(-6, 8);
        w.quadTo(-26, -14, -48, -10);
        add(w, 0xf4f6f8);
        QPainterPath tips;
        tips.addRect(-60, -40, 24, 60);
        tips.addRect(36, -40, 24, 60);
        s.push_back({w.intersected(tips), QColor(0x3b, 0x3f, 0x45), false});
        add(ellipse(0, 6, 10, 20), 0xf4f6f8);
        add(ellipse(0, -12, 9, 9), 0xf4f6f8);
        add(poly({{-3, -8}, {3, -8}, {0, 2}}), 0xf2b81c);
        s.push_back({ellipse(-4, -14, 1.8, 1.8).united(ellipse(4, -14, 1.8, 1.8)), kInk, false});
        break;
    }
    case Animal::Octopus: {
        QPainterPath arms;
        for (int i = 0; i < 6; ++i) {
            const qreal x = -25 + i * 10;
            QPainterPath c(QPointF(x, 4));
            c.cubicTo(x - 6, 22, x + 10, 30, x + (i < 3 ? -8 : 8), 44);
            arms = arms.united(thick(c, 9));
        }
        add(arms, 0xd0486a);
        add(ellipse(0, -12, 28, 26), 0xd0486a);
        s.push_back({ellipse(-14, -26, 4, 3).united(ellipse(12, -28, 5, 3.5)),
                     QColor(0xe8, 0x86, 0x9e), false});
        eye(s, -10, -8, 6);
        eye(s, 10, -8, 6);
        break;
    }
    case Animal::Owl:
        add(poly({{-26, -26}, {-16, -46}, {-8, -28}})
                .united(poly({{26, -26}, {16, -46}, {8, -28}})),
            0x6e4522);
        add(ellipse(0, 4, 30, 40), 0x8b5a2b);
        add(ellipse(-28, 10, 8, 24).united(ellipse(28, 10, 8, 24)), 0x6e4522);
        add(ellipse(0, 26, 18, 16), 0xc9a06a);
        add(ellipse(-12, -10, 14, 14).united(ellipse(12, -10, 14, 14)), 0xe9d3a8);
        eye(s, -12, -10, 9, QColor(0xf2, 0xb8, 0x1c));
        eye(s, 12, -10, 9, QColor(0xf2, 0xb8, 0x1c));
        add(poly({{-4, 0}, {4, 0}, {0, 10}}), 0xe3a21a);
        break;
    case Animal::Condor: {
        QPainterPath w(QPointF(-50, -2));
        w.quadTo(-30, -26, 0, -8);
        w.quadTo(30, -26, 50, -2);
        for (QPointF pt :
             {QPointF(42, 4), QPointF(36, 0), QPointF(30, 8), QPointF(22, 4), QPointF(12, 14),
              QPointF(-12, 14), QPointF(-22, 4), QPointF(-30, 8), QPointF(-36, 0), QPointF(-42, 4)})
            w.lineTo(pt);
        w.closeSubpath();
        add(poly({{-10, 20}, {10, 20}, {6, 46}, {-6, 46}}), 0x1e1e1e);
        add(w, 0x1e1e1e);
        add(ellipse(0, 18, 12, 18), 0x1e1e1e);
        add(ellipse(0, -4, 15, 8), 0xf4f4f0);
        add(ellipse(0, -18, 9, 10), 0xc9675a);
        add(poly({{-3, -14}, {3, -14}, {2, -5}, {0, -3}}), 0xe8dcc4);
        s.push_back({ellipse(-4, -20, 1.8, 1.8).united(ellipse(4, -20, 1.8, 1.8)), kInk, false});
        break;
    }
    case Animal::Lion: {
        QPainterPath mane = ellipse(0, 0, 36, 36);
        for (int i = 0; i < 14; ++i) {
            const qreal t = i * 2 * M_PI / 14;
            mane = mane.united(ellipse(36 * std::cos(t), 36 * std::sin(t), 10, 10));
        }
        add(mane, 0xb8621b);
        add(ellipse(-20, -22, 8, 8).united(ellipse(20, -22, 8, 8)), 0xe8a83e);
        add(ellipse(0, 2, 25, 27), 0xf0b548);
        add(ellipse(-7, 15, 9, 7).united(ellipse(7, 15, 9, 7)), 0xf8e2b0);
        add(poly({{-6, 6}, {6, 6}, {0, 13}}), 0x3a2416);
        eye(s, -10, -5, 4.5);
        eye(s, 10, -5, 4.5);
        break;
    }
    case Animal::Turtle: {
        add(ellipse(-20, 18, 8, 10).united(ellipse(18, 18, 8, 10)), 0x8cc63f);
        add(poly({{-36, 8}, {-47, 12}, {-36, 15}}), 0x8cc63f);
        add(ellipse(38, 2, 12, 10), 0x8cc63f);
        eye(s, 42, -1, 3);
        QPainterPath shell(QPointF(-37, 12));
        shell.cubicTo(-37, -38, 35, -38, 35, 12);
        shell.closeSubpath();
        add(shell, 0x3f8f3a);
        QPainterPath rim;
        rim.addRoundedRect(QRectF(-40, 9, 78, 7), 3, 3);
        add(rim, 0x2f6d2a);
        QPainterPath plates;
        plates.addPolygon(
            QPolygonF{{QPointF(-10, -16), QPointF(8, -16), QPointF(14, -4), QPointF(8, 8),
                       QPointF(-10, 8), QPointF(-16, -4), QPointF(-10, -16)}});
        s.push_back({thick(plates, 2.2)
                         .united(line({-16, -4}, {-32, -2}, 2.2))
                         .united(line({14, -4}, {30, -2}, 2.2)),
                     QColor(0x24, 0x5a, 0x20), false});
        break;
    }
    case Animal::Bull:
    case Animal::Ox: {
        const bool ox = a == Animal::Ox;
        QPainterPath horn(QPointF(-16, -22));
        if (ox) {
            horn.cubicTo(-34, -24, -42, -28, -47, -36);
            horn.cubicTo(-40, -20, -30, -16, -14, -14);
        } else {
            horn.cubicTo(-36, -20, -44, -34, -38, -48);
            horn.cubicTo(-34, -34, -26, -30, -12, -28);
        }
        horn.closeSubpath();
        add(horn.united(mirrored(horn)), ox ? 0xb9b2a2 : 0xefe6cf);
        add(ellipse(-29, -12, 11, 6).united(ellipse(29, -12, 11, 6)), ox ? 0xefe4cc : 0x4a2e1a);
        const qreal w = ox ? 24 : 20;
        QPainterPath head(QPointF(-w, -28));
        head.lineTo(w, -28);
        head.cubicTo(w + 6, -8, w, 18, 14, 30);
        head.lineTo(-14, 30);
        head.cubicTo(-w, 18, -w - 6, -8, -w, -28);
        add(head, ox ? 0xefe4cc : 0x5a3a22);
        if (ox)
            s.push_back(
                {head.intersected(ellipse(-12, -16, 11, 13)), QColor(0x7a, 0x4a, 0x26), false});
        add(ellipse(0, 25, ox ? 20 : 18, 12), ox ? 0xe6b8a0 : 0xd9a98a);
        s.push_back({ellipse(-7, 26, 3, 4).united(ellipse(7, 26, 3, 4)), kInk, false});
        if (!ox)
            add(thick(ellipse(0, 37, 6, 5), 2.2), 0xe9c46a);
        eye(s, -11, -5, 4.5);
        eye(s, 11, -5, 4.5);
        break;
    }
    case Animal::Hawk: {
        QPainterPath head(QPointF(-30, 48));
        head.cubicTo(-34, 10, -24, -30, 4, -32);
        head.cubicTo(22, -32, 30, -20, 30, -10);
        head.lineTo(14, 2);
        head.cubicTo(10, 20, 12, 36, 20, 48);
        head.closeSubpath();
        add(head, 0x6b4a2e);
        s.push_back({head.intersected(ellipse(4, 6, 13, 15)), QColor(0xf2, 0xec, 0xe0), false});
        QPainterPath beak(QPointF(24, -17));
        beak.cubicTo(40, -17, 45, -4, 38, 9);
        beak.cubicTo(36, 0, 32, -4, 22, -2);
        beak.closeSubpath();
        add(beak, 0xf2b81c);
        eye(s, 10, -12, 5, QColor(0xf0, 0xb0, 0x30));
        add(poly({{-3, -21}, {23, -21}, {18, -15}, {0, -16}}), 0x3d2a18);
        break;
    }
    case Animal::Toucan: {
        add(ellipse(-14, 16, 22, 32), 0x1c1c1c);
        add(ellipse(-10, -16, 17, 16), 0x1c1c1c);
        add(ellipse(-5, -2, 11, 10), 0xf7e27a);
        QPainterPath beak(QPointF(2, -28));
        beak.cubicTo(30, -32, 48, -22, 50, -8);
        beak.cubicTo(40, -8, 20, -6, 2, -6);
        beak.closeSubpath();
        add(beak, 0xf28a1c);
        QPainterPath tip;
        tip.addRect(38, -40, 20, 40);
        s.push_back({beak.intersected(tip), QColor(0xc8, 0x20, 0x2f), false});
        add(ellipse(-6, -18, 6.5, 6.5), 0x3d7fd6);
        eye(s, -6, -18, 3.4);
        break;
    }
    case Animal::Caiman: {
        QPainterPath upper(QPointF(-46, -4));
        upper.cubicTo(-40, -26, -10, -28, 0, -16);
        upper.lineTo(46, -10);
        upper.cubicTo(51, -8, 51, 0, 46, 2);
        upper.lineTo(-10, 2);
        upper.closeSubpath();
        QPainterPath lower(QPointF(-40, 2));
        lower.lineTo(44, 4);
        lower.cubicTo(44, 10, 40, 13, 34, 13);
        lower.lineTo(-30, 15);
        lower.closeSubpath();
        add(lower, 0x6f9f3f);
        QPainterPath teeth;
        for (int x = -6; x <= 38; x += 8)
            teeth.addPolygon(
                QPolygonF{{QPointF(x, 1), QPointF(x + 3, 8), QPointF(x + 6, 1), QPointF(x, 1)}});
        add(teeth, 0xffffff);
        add(upper, 0x4f7f2f);
        add(ellipse(-16, -21, 9, 7), 0x4f7f2f);
        eye(s, -16, -22, 4, QColor(0xe8, 0xd0, 0x30));
        s.push_back({ellipse(42, -7, 2, 1.5), kInk, false});
        break;
    }
    case Animal::Shark: {
        add(poly({{-6, -15}, {2, -38}, {13, -15}}), 0x5a7d9a);
        add(poly({{-40, 0}, {-52, -22}, {-47, 0}, {-52, 17}}), 0x5a7d9a);
        QPainterPath body(QPointF(-46, 0));
        body.cubicTo(-30, -18, 20, -22, 46, -2);
        body.cubicTo(30, 10, -20, 14, -46, 0);
        add(body, 0x6b8fae);
        QPainterPath under;
        under.addRect(-50, 2, 100, 20);
        s.push_back({body.intersected(under), QColor(0xee, 0xf2, 0xf5), false});
        add(poly({{6, 6}, {-1, 23}, {17, 8}}), 0x5a7d9a);
        s.push_back({line({16, -7}, {14, 3}, 1.8)
                         .united(line({21, -8}, {19, 3}, 1.8))
                         .united(line({26, -8}, {24, 2}, 1.8)),
                     QColor(0x3e, 0x5a, 0x70), false});
        eye(s, 33, -6, 3);
        break;
    }
    case Animal::Fox:
    case Animal::Wolf: {
        const bool wolf = a == Animal::Wolf;
        const QRgb fur = wolf ? 0x8a8f98 : 0xe0782a;
        const QPainterPath ear = poly({{-27, -14}, {-30, wolf ? -48.0 : -44.0}, {-8, -26}});
        add(ear.united(mirrored(ear)), fur);
        const QPainterPath inner = poly({{-24, -18}, {-26, wolf ? -40.0 : -37.0}, {-13, -26}});
        s.push_back({inner.united(mirrored(inner)), QColor(0x3a, 0x24, 0x16), false});
        QPainterPath head(QPointF(-30, -18));
        head.cubicTo(-30, -30, 30, -30, 30, -18);
        head.lineTo(30, -6);
        head.cubicTo(26, 10, 10, 30, 0, 38);
        head.cubicTo(-10, 30, -26, 10, -30, -6);
        head.closeSubpath();
        add(head, fur);
        if (wolf)
            s.push_back(
                {head.intersected(ellipse(0, 20, 15, 18)), QColor(0xd9, 0xdd, 0xe2), false});
        else
            s.push_back({head.intersected(ellipse(-15, 14, 13, 11)
                                              .united(ellipse(15, 14, 13, 11))
                                              .united(ellipse(0, 28, 8, 10))),
                         QColor(0xfb, 0xf4, 0xe6), false});
        add(ellipse(0, 33, 5, 4), 0x1c1c1c);
        const QColor iris = wolf ? QColor(0xf2, 0xd0, 0x2a) : QColor(0xe8, 0xa0, 0x30);
        eye(s, -11, -6, 4.5, iris);
        eye(s, 11, -6, 4.5, iris);
        break;
    }
    case Animal::Horse: {
        QPainterPath head(QPointF(-20, -34));
        head.cubicTo(-4, -40, 10, -30, 36, 6);
        head.cubicTo(42, 16, 34, 26, 24, 24);
        head.lineTo(6, 18);
        head.cubicTo(-4, 30, -10, 44, -14, 48);
        head.lineTo(-40, 48);
        head.cubicTo(-36, 20, -34, -20, -20, -34);
        add(poly({{-16, -30}, {-12, -48}, {-4, -33}}), 0x8b5a2b);
        add(head, 0x8b5a2b);
        QPainterPath mane(QPointF(-20, -34));
        mane.cubicTo(-36, -26, -44, 0, -46, 48);
        mane.lineTo(-37, 48);
        mane.cubicTo(-35, 10, -30, -16, -14, -31);
        mane.closeSubpath();
        add(mane, 0x2e1e10);
        s.push_back(
            {head.intersected(line({4, -24}, {30, 10}, 6)), QColor(0xf4, 0xee, 0xe2), false});
        eye(s, -2, -16, 4);
        s.push_back({ellipse(30, 14, 2.5, 3), kInk, false});
        break;
    }
    case Animal::Capybara: {
        QPainterPath legs;
        legs.addRect(-32, 26, 9, 16);
        legs.addRect(2, 26, 9, 16);
        add(legs, 0x7a5232);
        add(ellipse(-12, 10, 34, 24), 0xa0714a);
        QPainterPath head;
        head.addRoundedRect(QRectF(8, -20, 40, 32), 13, 13);
        add(head, 0xa0714a);
        add(ellipse(14, -21, 5, 5), 0x7a5232);
        eye(s, 24, -8, 3.2);
        s.push_back({ellipse(44, -6, 2, 2), kInk, false});
        break;
    }
    case Animal::Jaguar: {
        add(ellipse(-22, -26, 10, 10).united(ellipse(22, -26, 10, 10)), 0xe8a030);
        s.push_back({ellipse(-22, -26, 5, 5).united(ellipse(22, -26, 5, 5)),
                     QColor(0x3a, 0x24, 0x16), false});
        add(ellipse(0, 0, 32, 30), 0xf0b040);
        QPainterPath spots;
        for (QPointF c : {QPointF(-22, -12), QPointF(-25, 6), QPointF(22, -12), QPointF(25, 6),
                          QPointF(-7, -22), QPointF(8, -22), QPointF(0, -14), QPointF(-17, 18),
                          QPointF(17, 18)})
            spots.addEllipse(c, 3, 2.6);
        s.push_back({spots, QColor(0x3a, 0x24, 0x16), false});
        add(ellipse(-7, 14, 10, 8).united(ellipse(7, 14, 10, 8)), 0xfbf0d8);
        add(poly({{-6, 6}, {6, 6}, {0, 12}}), 0x8a3a2a);
        eye(s, -12, -4, 5, QColor(0xc8, 0xd0, 0x40));
        eye(s, 12, -4, 5, QColor(0xc8, 0xd0, 0x40));
        break;
    }
    case Animal::Dog:
        add(ellipse(-28, 2, 10, 20).united(ellipse(28, 2, 10, 20)), 0x7a4a26);
        add(ellipse(0, -2, 26, 28), 0xc8955a);
        add(ellipse(0, 27, 6, 7), 0xe36a7a);
        add(ellipse(0, 16, 16, 12), 0xf2dcc0);
        add(ellipse(0, 9, 7, 5), 0x1c1c1c);
        eye(s, -10, -8, 5);
        eye(s, 10, -8, 5);
        break;
    case Animal::Swallow: {
        QPainterPath left(QPointF(-4, -4));
        left.cubicTo(-20, -30, -40, -40, -50, -42);
        left.cubicTo(-36, -28, -24, -10, -8, 6);
        left.closeSubpath();
        QPainterPath right(QPointF(4, -2));
        right.cubicTo(20, -26, 38, -36, 48, -40);
        right.cubicTo(34, -20, 22, -4, 8, 8);
        right.closeSubpath();
        add(left.united(right), 0x1f3a6e);
        add(poly({{-6, 18}, {-15, 48}, {0, 28}, {15, 48}, {6, 18}}), 0x1f3a6e);
        add(ellipse(0, 6, 9, 18), 0x1f3a6e);
        add(ellipse(0, 10, 6, 11), 0xf7f4ec);
        add(ellipse(0, -12, 8, 8), 0x1f3a6e);
        add(ellipse(0, -5, 5, 3.5), 0xc8202f);
        s.push_back(
            {ellipse(-3, -14, 1.8, 1.8).united(ellipse(3, -14, 1.8, 1.8)), Qt::white, false});
        break;
    }
    case Animal::Dolphin: {
        add(poly({{-2, -18}, {-12, -34}, {10, -20}}), 0x4d7aa0);
        add(poly({{-44, 22}, {-56, 14}, {-50, 28}, {-40, 38}}), 0x4d7aa0);
        QPainterPath body(QPointF(-46, 20));
        body.cubicTo(-30, -14, 10, -28, 38, -10);
        body.cubicTo(44, -6, 48, -4, 50, -2);
        body.cubicTo(44, 0, 40, 0, 36, 2);
        body.cubicTo(10, -6, -20, 6, -36, 28);
        body.closeSubpath();
        add(body, 0x5f8fb8);
        QPainterPath belly(QPointF(-36, 28));
        belly.cubicTo(-20, 6, 10, -6, 36, 2);
        belly.cubicTo(20, 4, -10, 10, -30, 30);
        belly.closeSubpath();
        s.push_back({belly, QColor(0xd7, 0xe6, 0xf2), false});
        add(poly({{8, -2}, {2, 13}, {17, 0}}), 0x4d7aa0);
        eye(s, 27, -10, 2.6);
        break;
    }
    }
    return s;
}

void drawParts(QPainter &p, const Parts &parts)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 235), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const Part &part : parts)
        if (part.outlined)
            p.drawPath(part.path);
    for (const Part &part : parts) {
        p.setBrush(part.fill);
        p.setPen(part.outlined ? QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                               : QPen(Qt::NoPen));
        p.drawPath(part.path);
    }
}

QRectF fitted(const QRectF &box, qreal aspect)
{
    QSizeF s(box.width(), box.width() / aspect);
    if (s.height() > box.height())
        s = QSizeF(box.height() * aspect, box.height());
    return QRectF(box.center().x() - s.width() / 2, box.center().y() - s.height() / 2, s.width(),
                  s.height());
}

} // namespace

void drawShield(QPainter &p, const QRectF &box, const Club &club, int index)
{
    const QRectF r = fitted(box, 100.0 / 106.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(r.topLeft());
    p.scale(r.width() / 100.0, r.height() / 106.0);
    const QPainterPath outline = shieldOutline();
    const QColor primary(club.primary), secondary(club.secondary);

    p.fillPath(outline.translated(2, 3), QColor(0, 0, 0, 90));
    p.save();
    p.setClipPath(outline);
    fillField(p, index, primary, secondary);
    QLinearGradient sheen(QPointF(0, 0), QPointF(100, 106));
    sheen.setColorAt(0, QColor(255, 255, 255, 70));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    sheen.setColorAt(1, QColor(0, 0, 0, 60));
    p.fillRect(QRectF(0, 0, 100, 106), sheen);
    p.restore();

    p.setPen(QPen(palette::kGold, 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    p.setPen(QPen(QColor(0x4a, 0x34, 0x06), 1.2));
    p.drawPath(outline);

    const QRectF ribbon(-1, 42, 102, 22);
    p.setPen(QPen(QColor(0x8a, 0x64, 0x14), 1.5));
    p.setBrush(palette::kCream);
    p.drawRect(ribbon);
    const QColor ink = luminance(primary) < luminance(secondary) ? primary : secondary;
    p.setPen(luminance(ink) > 0.4 ? ink.darker(240) : ink);
    p.setFont(font(QStringLiteral("Liberation Serif"), 19));
    p.drawText(ribbon.adjusted(0, 1, 0, 0), Qt::AlignCenter,
               QString::fromUtf8(club.displayName).left(3).toUpper());

    p.setPen(QPen(QColor(0x4a, 0x34, 0x06), 1));
    p.setBrush(palette::kGold);
    p.drawPolygon(star(QPointF(50, 24), 10, 4.2));
    p.restore();
}

void drawMascot(QPainter &p, const QRectF &box, const Club &club)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QColor primary(club.primary), secondary(club.secondary);
    const QPointF centre(box.center().x(), box.top() + 60);
    const qreal radius = 54;

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(centre + QPointF(2, 3), radius, radius);
    p.setBrush(palette::kGold);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(secondary);
    p.drawEllipse(centre, radius - 3, radius - 3);
    QRadialGradient field(centre - QPointF(14, 18), radius * 1.2);
    field.setColorAt(0, primary.lighter(135));
    field.setColorAt(1, primary.darker(125));
    p.setBrush(field);
    p.drawEllipse(centre, radius - 8, radius - 8);

    p.save();
    QPainterPath disc;
    disc.addEllipse(centre, radius - 8, radius - 8);
    p.setClipPath(disc);
    p.translate(centre);
    p.scale(0.84, 0.84);
    drawParts(p, animalParts(club.animal));
    p.restore();

    const QRectF plate(box.left() + 6, box.top() + 124, box.width() - 12, 30);
    QLinearGradient gold(plate.topLeft(), plate.bottomLeft());
    gold.setColorAt(0, QColor(0xff, 0xf0, 0xb0));
    gold.setColorAt(1, QColor(0xc8, 0x94, 0x2a));
    p.setPen(QPen(QColor(0x6a, 0x4a, 0x0a), 1.2));
    p.setBrush(gold);
    p.drawRoundedRect(plate, 6, 6);
    const QString name = QString::fromUtf8(club.mascotName);
    int px = 20;
    while (px > 10 &&
           QFontMetricsF(font(QStringLiteral("Liberation Serif"), px)).horizontalAdvance(name) >
               plate.width() - 10)
        --px;
    p.setFont(font(QStringLiteral("Liberation Serif"), px));
    p.setPen(palette::kDeepGreen);
    p.drawText(plate, Qt::AlignCenter, name);

    p.setFont(font(QStringLiteral("Liberation Sans"), 12, false, true));
    p.setPen(QColor(0, 0, 0, 160));
    const QRectF nameLine(box.left(), plate.bottom() + 4, box.width(), 18);
    p.drawText(nameLine.translated(0, 1), Qt::AlignCenter, QString::fromUtf8(club.displayName));
    p.setPen(palette::kCream);
    p.drawText(nameLine, Qt::AlignCenter, QString::fromUtf8(club.displayName));
    p.restore();
}

} // namespace pictures
