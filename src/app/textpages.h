// The three text pages: the championship regulation and history, and the pool's rules. The
// history is read anew at every showing; the other two are read once, when the program starts.
#pragma once

#include "app/textpageform.h"

class TFormRegulamento : public TextPageForm
{
    Q_OBJECT

public:
    explicit TFormRegulamento(QWidget *parent = nullptr);

    Panel *PanelRegulamento;
    PictureBox *ImRegulamento;
    TFocusImage *fiSairRegulamento;
    HtmlView *htmlRegulamento;
};

class TFormHistoria : public TextPageForm
{
    Q_OBJECT

public:
    explicit TFormHistoria(QWidget *parent = nullptr);

    Panel *PanelHistoria;
    PictureBox *ImHistoria;
    TFocusImage *imHistoriaSair;
    HtmlView *htmlHistoria;

protected:
    void FormShow() override;
};

class TFormRegras : public TextPageForm
{
    Q_OBJECT

public:
    explicit TFormRegras(QWidget *parent = nullptr);

    Panel *PanelRegras;
    TFocusImage *ImRegras; // a button with no events, as drawn over the whole panel
    TFocusImage *fiSairRegras;
    HtmlView *htmlRegras;
};

extern TFormRegulamento *FormRegulamento;
extern TFormHistoria *FormHistoria;
extern TFormRegras *FormRegras;
