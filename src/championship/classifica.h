// The standings: the championship table rebuilt from the team records every time the screen is
// shown, so results stored on the round table appear the next time it is opened.
#pragma once

#include "championship/rules/standings.h"
#include "frame/focusimage.h"
#include "frame/hover.h"
#include "frame/positionchart.h"
#include "frame/screenform.h"
#include "platform/tableexport.h"

#include <QTableWidget>

class TFormClassifica : public ScreenForm
{
    Q_OBJECT

public:
    explicit TFormClassifica(QWidget *parent = nullptr);

    Panel *PanelClassifica;
    PictureBox *ImClassifica;
    TFocusImage *imVolta;
    // The grid's header row is the table's own header (it stays put while the rows scroll);
    // column 0 is the position.
    QTableWidget *StringGrid1;
    // The table as shown, printed or written out for a spreadsheet.
    TFocusImage *fiImprimir;
    TFocusImage *fiExportar;

    // Who can still win: column "Máx" (the most points a club can still reach) and beside it the
    // mark, "C" champion already, "F" out of the title race, empty while still in it (column
    // "Tít").
    static constexpr int MaxColumn = 10;
    static constexpr int MarkColumn = 11;
    // A club's place round by round, in place of the table; pressed again, the table comes back.
    TFocusImage *fiPosicoes;
    PositionChart *ChartPosicoes;

    RegionHover tableHover; // "classifica1on.bmp" / "classifica1.bmp", for the buttons above

    // The text in `column` of grid row `row`, row 0 being the header.
    QString Cells(int column, int row) const;

    void imVoltaClick();
    void fiImprimirClick();
    void fiExportarClick();
    void fiPosicoesClick();
    ExportTable shownTable() const;

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void FormCreate();
    // Grid row `row` (1 for the first team).
    void setCell(int row, int column, const QString &text);
    void addRaceColumns();
    void fillRace(const QList<StandingRow> &rows);
    void showChart(int row);

    QList<int> m_records; // the record (file place) of the club on each grid row
    int m_pickedRow = 0;
};

extern TFormClassifica *FormClassifica;
