// pool/bolao2
#pragma once

#include "focusimage.h"
#include "screenform.h"

class TFormBolao : public ScreenForm
{
    Q_OBJECT

public:
    explicit TFormBolao(QWidget *parent = nullptr);

    Panel *PanelBolao;
    PictureBox *ImBolao;
    TFocusImage *fiSair;

    void fiSairClick();

private:
    void FormCreate();
};

extern TFormBolao *FormBolao;
