#include "frame/simplescreen.h"

SimpleScreenParts makeScreenPanel(ScreenForm *form, const QRect &designBounds)
{
    auto *panel = new Panel(form, designBounds);
    auto *background = new PictureBox(panel);
    background->setGeometry(0, 0, ScreenForm::PanelWidth, ScreenForm::PanelHeight);
    form->addCentredPanel(panel);
    return {panel, background};
}
