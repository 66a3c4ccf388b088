#include "times.h"

#include "datadirs.h"
#include "guard.h"
#include "navigation.h"
#include "simplescreen.h"

TFormTimes *FormTimes = nullptr;

TFormTimes::TFormTimes(QWidget *parent) : ScreenForm(QStringLiteral("FormTimes"), parent)
{
    const SimpleScreenParts parts = makeScreenPanel(this, {0, 0, PanelWidth, PanelHeight});
    PanelTimes = parts.panel;
    ImTimes = parts.background;
    ImTimesSair = new TFocusImage(PanelTimes, {480, 387, 145, 56});
    bindClick(ImTimesSair, this, [this] { ImTimesSairClick(); });
    registerPlace(Place::Teams, this, PanelTimes);
    guarded(this, [this] { FormCreate(); });
}

void TFormTimes::FormCreate()
{
    ImTimes->loadPictureIfExists(DataDir(), QStringLiteral("times.bmp"));
    maximise();
}

void TFormTimes::ImTimesSairClick()
{
    goTo(this, Place::ChampionshipMenu);
}
