// The season's 22 clubs as the pictures need them (key, display name, colours, mascot), and the
// drawing of a club's shield and mascot. The key is the file-name stem of the club's shield
// and mascot pictures; the table's order is the team grid's order.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <array>

namespace pictures {

enum class Animal
{
    Rooster,
    Bee,
    Gull,
    Octopus,
    Owl,
    Condor,
    Lion,
    Turtle,
    Bull,
    Hawk,
    Toucan,
    Caiman,
    Shark,
    Fox,
    Wolf,
    Horse,
    Capybara,
    Jaguar,
    Ox,
    Dog,
    Swallow,
    Dolphin,
};

struct Club
{
    const char *key;
    const char *displayName; // UTF-8
    QRgb primary;
    QRgb secondary;
    Animal animal;
    const char *mascotName; // UTF-8
};

extern const std::array<Club, 22> kClubs;

inline constexpr QSize kShieldSize{121, 113};
inline constexpr QSize kMascotSize{121, 185};

// Shield fitted into box, keeping its proportions; index picks the pattern of the field, so
// clubs of similar colours still differ.
void drawShield(QPainter &p, const QRectF &box, const Club &club, int index);
void drawMascot(QPainter &p, const QRectF &box, const Club &club);

} // namespace pictures
