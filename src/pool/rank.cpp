#include "rank.h"

#include "datadirs.h"
#include "guard.h"
#include "navigation.h"
#include "simplescreen.h"

TFormRank *FormRank = nullptr;

TFormRank::TFormRank(QWidget *parent) : ScreenForm(QStringLiteral("FormRank"), parent)
{
    const SimpleScreenParts parts = makeScreenPanel(this, {0, 0, PanelWidth, PanelHeight});
    PanelRank = parts.panel;
    ImRank = parts.background;
    fiVolta = new TFocusImage(PanelRank, {472, 382, 145, 54});
    bindClick(fiVolta, this, [this] { fiVoltaClick(); });
    registerPlace(Place::Ranking, this, PanelRank);
    guarded(this, [this] { FormCreate(); });
}

void TFormRank::FormCreate()
{
    ImRank->loadPictureIfExists(DataDir(), QStringLiteral("ranking.bmp"));
    maximise();
}

void TFormRank::fiVoltaClick()
{
    goTo(this, Place::PoolHub);
}
