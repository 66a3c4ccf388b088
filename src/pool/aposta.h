// Bet entry: one participant's score predictions for the 11 matches of a round, typed into 22
// boxes over the round page, stored once and withdrawn again; a round is closed for predictions
// once its results are stored. Also prints the blank bet sheet of the round.
#pragma once

#include "frame/controls.h"
#include "frame/focusimage.h"
#include "frame/hover.h"
#include "frame/scoregrid.h"
#include "frame/screenform.h"
#include "platform/htmlview.h"

#include <QComboBox>
#include <QLabel>

class TFormAposta : public ScreenForm, public ScoreGrid
{
    Q_OBJECT

public:
    explicit TFormAposta(QWidget *parent = nullptr);

    static const QString MsgFillAll; // "Todos os jogos devem ser preenchidos."
    static const QString MsgClosed;  // "As apostas estão finalizadas para essa rodada."

    Panel *PanelAposta;
    PictureBox *ImAposta;
    NameLabel *LabelUser;
    QComboBox *CbRodada;
    QLabel *LbAviso;
    HtmlView *htmlAposta;
    TFocusImage *BtAtualiza;
    TFocusImage *BtDesfaz;
    TFocusImage *BtImprime;
    TFocusImage *BtVolta;

    RegionHover hover; // "aposton.bmp" / "apost.bmp" on ImAposta

    // The selected round, 1 to 42.
    int round() const { return CbRodada->currentIndex() + 1; }

    void CbRodadaChange();
    void BtAtualizaClick();
    void BtDesfazClick();
    void BtImprimeClick();
    void BtVoltaClick();

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void FormCreate();
};

extern TFormAposta *FormAposta;
