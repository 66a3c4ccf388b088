// championship/times2
#pragma once

#include "focusimage.h"
#include "screenform.h"

class TFormTimes : public ScreenForm
{
    Q_OBJECT

public:
    explicit TFormTimes(QWidget *parent = nullptr);

    Panel *PanelTimes;
    PictureBox *ImTimes;
    TFocusImage *ImTimesSair;

    void ImTimesSairClick();

private:
    void FormCreate();
};

extern TFormTimes *FormTimes;
