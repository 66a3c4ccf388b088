// The standings: the championship table rebuilt from the team records every time the screen is
// shown, so results stored on the round table appear the next time it is opened.
#pragma once

#include "frame/focusimage.h"
#include "frame/hover.h"
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
    // Row 0 is the header and column 0 the position; both are drawn as fixed cells.
    QTableWidget *StringGrid1;
    // The table as shown, printed or written out for a spreadsheet.
    TFocusImage *fiImprimir;
    TFocusImage *fiExportar;

    RegionHover tableHover; // "classifica1on.bmp" / "classifica1.bmp", for the two above

    void imVoltaClick();
    void fiImprimirClick();
    void fiExportarClick();
    ExportTable shownTable() const;

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void FormCreate();
    void setCell(int row, int column, const QString &text);
};

extern TFormClassifica *FormClassifica;
