// Where an exit button leads. Each screen registers the places it offers (a form and the panel to
// make visible on it); any screen can then go there without knowing the other screen's class.
#pragma once

#include <functional>

class QWidget;

enum class Place
{
    StartPanel,       // main form, start panel
    ChampionshipMenu, // main form, championship menu
    Regulation,
    History,
    Teams,
    RoundTable,
    Standings,
    PoolHub,
    BetEntry,
    Ranking,
    PoolRules,
};

void registerPlace(Place place, QWidget *form, QWidget *panel);

// How the screen offering `place` is built when it is first asked for, so that a screen nobody
// opens costs nothing at start. The maker must register the place as it builds the screen.
void setPlaceMaker(Place place, std::function<void()> make);

// Makes the place's panel visible (building its screen first if need be) and shows its form, then
// hides `from` (unless it is that form), so that one of the program's windows is always on screen.
void goTo(QWidget *from, Place place);

QWidget *placeForm(Place place);
