// pool/rank2
#pragma once

#include "focusimage.h"
#include "screenform.h"

class TFormRank : public ScreenForm
{
    Q_OBJECT

public:
    explicit TFormRank(QWidget *parent = nullptr);

    Panel *PanelRank;
    PictureBox *ImRank;
    TFocusImage *fiVolta;

    void fiVoltaClick();

private:
    void FormCreate();
};

extern TFormRank *FormRank;
