#include "aposta.h"

#include "datadirs.h"
#include "guard.h"
#include "navigation.h"
#include "simplescreen.h"

TFormAposta *FormAposta = nullptr;

TFormAposta::TFormAposta(QWidget *parent) : ScreenForm(QStringLiteral("FormAposta"), parent)
{
    const SimpleScreenParts parts = makeScreenPanel(this, {0, 0, PanelWidth, PanelHeight});
    PanelAposta = parts.panel;
    ImAposta = parts.background;
    BtVolta = new TFocusImage(PanelAposta, {468, 424, 145, 52});
    bindClick(BtVolta, this, [this] { BtVoltaClick(); });
    registerPlace(Place::BetEntry, this, PanelAposta);
    guarded(this, [this] { FormCreate(); });
}

void TFormAposta::FormCreate()
{
    ImAposta->loadPictureIfExists(DataDir(), QStringLiteral("apost.bmp"));
    maximise();
}

void TFormAposta::BtVoltaClick()
{
    goTo(this, Place::PoolHub);
}
