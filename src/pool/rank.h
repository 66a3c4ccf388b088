// The ranking screen: the pool ranking as a table, overall (with the update button that
// recomputes and stores every participant's counters) or for one chosen round. The pool hub picks
// the mode when it opens the screen.
#pragma once

#include "frame/focusimage.h"
#include "frame/hover.h"
#include "frame/screenform.h"
#include "platform/tableexport.h"
#include "pool/rules/ranking.h"
#include "pool/rules/roundbets.h"

#include <QComboBox>
#include <QLabel>
#include <QTableWidget>

class TFormRank : public ScreenForm
{
    Q_OBJECT

public:
    explicit TFormRank(QWidget *parent = nullptr);

    static constexpr int GridTop = 232;
    static constexpr int RowHeight = 24;
    // The table never runs past the panel's bottom edge; more rows scroll inside it.
    static constexpr int GridMaxHeight = PanelHeight - GridTop - 4;

    Panel *PanelRank;
    PictureBox *ImRank;
    TFocusImage *BtAtualizaBolao;
    TFocusImage *fiVolta;
    // Row 0 is the fixed header row (the table's header); column 0 the position labels.
    QTableWidget *SGGeral;
    QComboBox *CbRank;
    // The table as shown, printed or written out for a spreadsheet (both modes).
    TFocusImage *fiImprimir;
    TFocusImage *fiExportar;
    // Per-round mode: everyone's predictions for the chosen round once its results are stored,
    // in place of the ranking table; pressed again, the ranking comes back.
    TFocusImage *fiApostas;
    QTableWidget *SGApostas; // row 0 the results; then one row per participant
    QLabel *LbApostas;       // the notice shown instead while no closed round is chosen
    QLabel *LbMarcas;        // what the cell colours mean

    RegionHover hover;      // "rankingon.bmp" / "ranking.bmp" on ImRank
    RegionHover roundHover; // "rodadaon.bmp" / "rodada.bmp", for "Apostas"

    // The text in column `col` of grid row `row`, row 0 being the header.
    QString Cells(int col, int row) const;
    // The grid's height as computed from the participants: n x 24 + 38.
    int designGridHeight() const { return m_designHeight; }

    // The two modes, set by the pool hub after showing the screen.
    void showOverallMode();
    void showRoundMode();

    void BtAtualizaBolaoClick();
    void CbRankChange();
    void fiVoltaClick();
    void fiImprimirClick();
    void fiExportarClick();
    void fiApostasClick();

    bool betsShown() const { return m_betsShown; }
    ExportTable shownTable() const;

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void FormCreate();
    void fillRows(const Ranking &rows);
    void showBets(bool shown);
    void fillBets();
    bool tableOnView();

    int m_designHeight = 0;
    int m_shownRound = 0; // the round whose ranking the table shows; 0 for the overall ranking
    bool m_betsShown = false;
};

extern TFormRank *FormRank;
