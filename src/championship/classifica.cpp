#include "classifica.h"

#include "datadirs.h"
#include "guard.h"
#include "navigation.h"
#include "simplescreen.h"

TFormClassifica *FormClassifica = nullptr;

TFormClassifica::TFormClassifica(QWidget *parent) : ScreenForm(QStringLiteral("FormClassifica"), parent)
{
    const SimpleScreenParts parts = makeScreenPanel(this, {0, 0, PanelWidth, PanelHeight});
    PanelClassifica = parts.panel;
    ImClassifica = parts.background;
    imVolta = new TFocusImage(PanelClassifica, {480, 387, 145, 56});
    bindClick(imVolta, this, [this] { imVoltaClick(); });
    registerPlace(Place::Standings, this, PanelClassifica);
    guarded(this, [this] { FormCreate(); });
}

void TFormClassifica::FormCreate()
{
    ImClassifica->loadPictureIfExists(DataDir(), QStringLiteral("classifica1.bmp"));
    maximise();
}

void TFormClassifica::imVoltaClick()
{
    goTo(this, Place::ChampionshipMenu);
}
