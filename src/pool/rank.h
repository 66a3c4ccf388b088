// The ranking screen: the pool ranking as a table, overall (with the update button that
// recomputes and stores every participant's counters) or for one chosen round. The pool hub picks
// the mode when it opens the screen.
#pragma once

#include "frame/focusimage.h"
#include "frame/hover.h"
#include "frame/screenform.h"
#include "pool/rules/ranking.h"

#include <QComboBox>
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

    RegionHover hover; // "rankingon.bmp" / "ranking.bmp" on ImRank

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

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void FormCreate();
    void fillRows(const Ranking &rows);

    int m_designHeight = 0;
};

extern TFormRank *FormRank;
