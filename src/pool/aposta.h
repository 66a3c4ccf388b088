// pool/aposta2
#pragma once

#include "focusimage.h"
#include "screenform.h"

class TFormAposta : public ScreenForm
{
    Q_OBJECT

public:
    explicit TFormAposta(QWidget *parent = nullptr);

    Panel *PanelAposta;
    PictureBox *ImAposta;
    TFocusImage *BtVolta;

    void BtVoltaClick();

private:
    void FormCreate();
};

extern TFormAposta *FormAposta;
