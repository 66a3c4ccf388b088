// The main form: carries the start panel (championship, betting pool, leave) and the championship
// menu on top of each other. Every other screen is
// reached from these two panels and returns to them.
#pragma once

#include "frame/focusimage.h"
#include "frame/hover.h"
#include "frame/screenform.h"

class TForm1 : public ScreenForm
{
    Q_OBJECT

public:
    // The data directory is fixed before, at start (createScreens).
    explicit TForm1(QWidget *parent = nullptr);

    Panel *PanelAbertura;
    PictureBox *ImAbertura;
    Panel *PanelInicio;
    PictureBox *ImInicio;
    TFocusImage *fiTabela;
    TFocusImage *fiClassifica;
    TFocusImage *fiTimes;
    TFocusImage *fiRegulamento;
    TFocusImage *fiHistoria;
    TFocusImage *FocusImage1;
    TFocusImage *fiVelurino;
    TFocusImage *fiBolao;
    TFocusImage *fiOut;
    QWidget *cartao;
    // The season's copies, on the championship menu: a dated copy of the data directory, putting
    // one back, and a fresh season (after a copy).
    TFocusImage *fiCopiar;
    TFocusImage *fiRestaurar;
    TFocusImage *fiNovaTemporada;

    RegionHover menuHover;  // "fundoon.bmp" / "abertura.bmp" on ImAbertura
    RegionHover startHover; // "inicioon.bmp" / "inicio.bmp" on ImInicio

    void fiTabelaClick();
    void fiClassificaClick();
    void fiTimesClick();
    void fiRegulamentoClick();
    void fiHistoriaClick();
    void fiSairClick();
    void fiVelurinoClick();
    void fiBolaoClick();
    void fiOutClick();
    void fiCopiarClick();
    void fiRestaurarClick();
    void fiNovaTemporadaClick();

signals:
    // The main form has closed: the program ends.
    void programClosed();

protected:
    void FormClose() override;

private:
    void FormCreate();
    QString copySeason();
    void seasonReplaced();
};

extern TForm1 *Form1;
