#include "tabela.h"

#include "datadirs.h"
#include "guard.h"
#include "navigation.h"
#include "simplescreen.h"

TFormTabela *FormTabela = nullptr;

TFormTabela::TFormTabela(QWidget *parent) : ScreenForm(QStringLiteral("FormTabela"), parent)
{
    const SimpleScreenParts parts = makeScreenPanel(this, {0, 0, PanelWidth, PanelHeight});
    PanelTabela = parts.panel;
    ImTabela = parts.background;
    BtVolta = new TFocusImage(PanelTabela, {477, 423, 147, 53});
    bindClick(BtVolta, this, [this] { BtVoltaClick(); });
    registerPlace(Place::RoundTable, this, PanelTabela);
    guarded(this, [this] { FormCreate(); });
}

void TFormTabela::FormCreate()
{
    ImTabela->loadPictureIfExists(DataDir(), QStringLiteral("tabela.bmp"));
    maximise();
}

void TFormTabela::BtVoltaClick()
{
    goTo(this, Place::ChampionshipMenu);
}
