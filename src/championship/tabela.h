// championship/tabela2
#pragma once

#include "focusimage.h"
#include "screenform.h"

class TFormTabela : public ScreenForm
{
    Q_OBJECT

public:
    explicit TFormTabela(QWidget *parent = nullptr);

    Panel *PanelTabela;
    PictureBox *ImTabela;
    TFocusImage *BtVolta;

    void BtVoltaClick();

private:
    void FormCreate();
};

extern TFormTabela *FormTabela;
