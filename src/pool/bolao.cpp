#include "bolao.h"

#include "datadirs.h"
#include "guard.h"
#include "navigation.h"
#include "simplescreen.h"

TFormBolao *FormBolao = nullptr;

TFormBolao::TFormBolao(QWidget *parent) : ScreenForm(QStringLiteral("FormBolao"), parent)
{
    const SimpleScreenParts parts = makeScreenPanel(this, {0, 0, PanelWidth, PanelHeight});
    PanelBolao = parts.panel;
    ImBolao = parts.background;
    fiSair = new TFocusImage(PanelBolao, {472, 384, 142, 53});
    bindClick(fiSair, this, [this] { fiSairClick(); });
    registerPlace(Place::PoolHub, this, PanelBolao);
    guarded(this, [this] { FormCreate(); });
}

void TFormBolao::FormCreate()
{
    ImBolao->loadPictureIfExists(DataDir(), QStringLiteral("bolao.bmp"));
    maximise();
}

void TFormBolao::fiSairClick()
{
    goTo(this, Place::StartPanel);
}
