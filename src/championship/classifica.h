// championship/classifica2
#pragma once

#include "focusimage.h"
#include "screenform.h"

class TFormClassifica : public ScreenForm
{
    Q_OBJECT

public:
    explicit TFormClassifica(QWidget *parent = nullptr);

    Panel *PanelClassifica;
    PictureBox *ImClassifica;
    TFocusImage *imVolta;

    void imVoltaClick();

private:
    void FormCreate();
};

extern TFormClassifica *FormClassifica;
