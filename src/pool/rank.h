// The ranking screen: the pool ranking as a table, overall (with the update button that
// recomputes and stores every participant's counters) or for one chosen round. The pool hub picks
// the mode when it opens the screen.
#pragma once

#include "frame/focusimage.h"
#include "frame/hover.h"
#include "frame/positionchart.h"
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

    // Overall mode: who can still win, column "Máx" (the most points a participant can still
    // reach) and beside it the mark in column "Tít", "C" champion already, "F" out of the race;
    // both stay empty while the table is not what the stored results and predictions give.
    static constexpr int MaxColumn = 6;
    static constexpr int MarkColumn = 7;
    // Overall mode: a participant's place round by round, in place of the table; pressed again,
    // the table comes back.
    TFocusImage *fiPosicoes;
    PositionChart *ChartPosicoes;

    RegionHover hover;      // "rankingon.bmp" / "ranking.bmp" on ImRank
    RegionHover roundHover; // "rodadaon.bmp" / "rodada.bmp", for "Apostas"

    // The text in column `col` of grid row `row`, row 0 being the header.
    QString Cells(int col, int row) const;
    // The grid's height as computed from the participants: n x 24 + 38.

    // The two modes, set by the pool hub after showing the screen.
    void showOverallMode();
    void showRoundMode();

    void BtAtualizaBolaoClick();
    void CbRankChange();
    void fiVoltaClick();
    void fiImprimirClick();
    void fiExportarClick();
    void fiApostasClick();
    void fiPosicoesClick();

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

    void addRaceColumns();
    void showRaceColumns(bool shown);
    void placeGrid();
    void fillRace();
    void showChart(int row);

    Ranking m_shownRows; // the rows on view, in their order
    int m_pickedRow = 0;
    int m_shownRound = 0; // the round whose ranking the table shows; 0 for the overall ranking
    bool m_betsShown = false;
};

extern TFormRank *FormRank;
