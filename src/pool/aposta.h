// Bet entry: one participant's score predictions for the 11 matches of a round, typed into 22
// boxes over the round page, stored once and withdrawn again; a round is closed for predictions
// once its results are stored. Also prints the blank bet sheet of the round.
#pragma once

#include "frame/controls.h"
#include "frame/focusimage.h"
#include "frame/hover.h"
#include "frame/screenform.h"
#include "platform/htmlview.h"

#include "frame/scorebox.h"
#include <QComboBox>
#include <QLabel>

#include <array>

class TFormAposta : public ScreenForm
{
    Q_OBJECT

public:
    explicit TFormAposta(QWidget *parent = nullptr);

    static const QString MsgFillAll; // "Todos os jogos devem ser preenchidos."
    static const QString MsgClosed;  // "As apostas estão finalizadas para essa rodada."
    static constexpr int BoxTops[11] = {126, 152, 178, 205, 230, 256, 282, 309, 334, 360, 386};

    Panel *PanelAposta;
    PictureBox *ImAposta;
    NameLabel *LabelUser;
    QComboBox *CbRodada;
    QLabel *LbAviso;
    HtmlView *htmlAposta;
    ScoreBox *c1, *c2, *c3, *c4, *c5, *c6, *c7, *c8, *c9, *c10, *c11;
    ScoreBox *v1, *v2, *v3, *v4, *v5, *v6, *v7, *v8, *v9, *v10, *v11;
    TFocusImage *BtAtualiza;
    TFocusImage *BtDesfaz;
    TFocusImage *BtImprime;
    TFocusImage *BtVolta;

    RegionHover hover; // "aposton.bmp" / "apost.bmp" on ImAposta

    // Score boxes of match k (1 to 11).
    QLineEdit *home(int k) const { return m_home.at(k - 1); }
    QLineEdit *away(int k) const { return m_away.at(k - 1); }
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
    void setBoxesEnabled(bool enabled);
    void clearBoxes();

    std::array<QLineEdit *, 11> m_home{};
    std::array<QLineEdit *, 11> m_away{};
};

extern TFormAposta *FormAposta;
