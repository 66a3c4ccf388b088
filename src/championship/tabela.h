// The round table: one round's page with 22 score boxes over it, open for typing on the next
// round to enter, locked on stored and later rounds; storing and withdrawing the shown round's
// results. The files are read and written by the championship rules; this screen only sets its
// controls from their answers.
#pragma once

#include "frame/focusimage.h"
#include "frame/hover.h"
#include "frame/scoregrid.h"
#include "frame/screenform.h"
#include "platform/htmlview.h"

#include <QComboBox>

class TFormTabela : public ScreenForm, public ScoreGrid
{
    Q_OBJECT

public:
    explicit TFormTabela(QWidget *parent = nullptr);

    Panel *PanelTabela;
    PictureBox *ImTabela;
    TFocusImage *BtAtualiza;
    TFocusImage *BtDesfaz;
    TFocusImage *BtVolta;
    QComboBox *CbRodadas;
    HtmlView *htmlLite1;

    RegionHover hover; // "tabelaon.bmp" / "tabela.bmp" on ImTabela

    // The stored-rounds count as last read or changed here.
    int storedRounds = 0;

    void CbRodadasChange();
    void BtAtualizaClick();
    void BtDesfazClick();
    void BtVoltaClick();
    // The season's files were replaced as a whole (a copy put back, a new season): the round
    // list and the shown round are taken afresh.
    void reloadSeason();

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void FormCreate();
    // The round shown, or 0 when none is selected.
    int shownRound() const;
    void lockRound();
};

extern TFormTabela *FormTabela;
