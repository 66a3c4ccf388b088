// The round table: one round's page with 22 score boxes over it, open for typing on the next
// round to enter, locked on stored and later rounds; storing and withdrawing the shown round's
// results. The files are read and written by the championship rules; this screen only sets its
// controls from their answers.
#pragma once

#include "frame/focusimage.h"
#include "frame/hover.h"
#include "frame/scorebox.h"
#include "frame/screenform.h"
#include "platform/htmlview.h"

#include <QComboBox>

#include <array>

class TFormTabela : public ScreenForm
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
    ScoreBox *c1, *c2, *c3, *c4, *c5, *c6, *c7, *c8, *c9, *c10, *c11;
    ScoreBox *v1, *v2, *v3, *v4, *v5, *v6, *v7, *v8, *v9, *v10, *v11;
    // c1..c11 and v1..v11 by match.
    std::array<ScoreBox *, 11> homeBoxes;
    std::array<ScoreBox *, 11> awayBoxes;

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
    void setBoxes(bool enabled);
    void clearBoxes();
};

extern TFormTabela *FormTabela;
