#include "championship/classifica.h"

#include "championship/rules/seasonfiles.h"
#include "championship/rules/standings.h"
#include "frame/hover.h"
#include "frame/navigation.h"
#include "frame/simplescreen.h"
#include "frame/tableactions.h"
#include "platform/datadirs.h"
#include "platform/guard.h"
#include "platform/textfile.h"

#include <QHeaderView>

TFormClassifica *FormClassifica = nullptr;

namespace {

constexpr int Columns = 10;
constexpr int GridRows = Season::Teams + 1;
constexpr int ColumnWidths[Columns] = {30, 113, 30, 30, 30, 30, 30, 30, 30, 30};
const QColor FixedCellColour(0xd4, 0xd0, 0xc8);

} // namespace

TFormClassifica::TFormClassifica(QWidget *parent)
    : ScreenForm(QStringLiteral("FormClassifica"), parent)
{
    const SimpleScreenParts parts = makeScreenPanel(this, {72, 16, PanelWidth, PanelHeight});
    PanelClassifica = parts.panel;
    ImClassifica = parts.background;
    imVolta = new TFocusImage(PanelClassifica, {480, 387, 145, 56});
    bindPictureSwap(imVolta);
    bindClick(imVolta, this, [this] { imVoltaClick(); });
    fiImprimir = new TFocusImage(PanelClassifica, {480, 446, 71, 30});
    fiImprimir->setAccessibleName(QStringLiteral("Imprimir a classificação"));
    fiExportar = new TFocusImage(PanelClassifica, {554, 446, 71, 30});
    fiExportar->setAccessibleName(QStringLiteral("Exportar a classificação"));
    tableHover.setBackground(ImClassifica);
    for (TFocusImage *button : {fiImprimir, fiExportar})
        tableHover.bind(button);
    bindClick(fiImprimir, this, [this] { fiImprimirClick(); });
    bindClick(fiExportar, this, [this] { fiExportarClick(); });

    StringGrid1 = new QTableWidget(GridRows, Columns, PanelClassifica);
    StringGrid1->setGeometry(24, 119, 415, 329);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    StringGrid1->verticalHeader()->setDefaultSectionSize(24);
    StringGrid1->horizontalHeader()->setMinimumSectionSize(1);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(30);
    for (int column = 0; column < Columns; ++column)
        StringGrid1->setColumnWidth(column, ColumnWidths[column]);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    StringGrid1->setWordWrap(false);
    // "Pos." and "22º" must fit their 30 pixels whole, as on a fixed grid cell.
    StringGrid1->setTextElideMode(Qt::ElideNone);
    StringGrid1->setFocusPolicy(Qt::NoFocus);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(13);
    StringGrid1->setFont(font);
    StringGrid1->setStyleSheet(
        QStringLiteral("QTableWidget { background: white; gridline-color: "
                       "#808080; } QTableWidget::item { padding: 0px 1px; }"));
    for (int row = 0; row < GridRows; ++row)
        for (int column = 0; column < Columns; ++column)
            setCell(row, column, QString());

    registerPlace(Place::Standings, this, PanelClassifica);
    guarded(this, [this] { FormCreate(); });
}

void TFormClassifica::setCell(int row, int column, const QString &text)
{
    QTableWidgetItem *item = StringGrid1->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled |
                       (row > 0 && column > 0 ? Qt::ItemIsSelectable : Qt::NoItemFlags));
        if (row == 0 || column == 0)
            item->setBackground(FixedCellColour);
        StringGrid1->setItem(row, column, item);
    }
    item->setText(text);
}

void TFormClassifica::FormCreate()
{
    ImClassifica->setPicture(loadDataPicture(QStringLiteral("classifica1.bmp")));
    // Everything is read and checked before the grid changes, so a damaged file leaves the last
    // table on view.
    const QList<StandingRow> rows = buildStandings(DataDir());

    const int needed = std::max<int>(GridRows, int(rows.size()) + 1);
    if (StringGrid1->rowCount() < needed)
        StringGrid1->setRowCount(needed);
    for (int r = 1; r < StringGrid1->rowCount(); ++r)
        setCell(r, 0, QString::number(r) + QStringLiteral("º"));
    const QString headers[Columns] = {
        QStringLiteral("Pos."), QStringLiteral("Times"), QStringLiteral("PG"), QStringLiteral("J"),
        QStringLiteral("V"),    QStringLiteral("E"),     QStringLiteral("D"),  QStringLiteral("GP"),
        QStringLiteral("GC"),   QStringLiteral("SG")};
    for (int column = 0; column < Columns; ++column)
        setCell(0, column, headers[column]);
    for (int r = 1; r < StringGrid1->rowCount(); ++r) {
        // Rows past the last team are emptied rather than left showing an older table.
        const StandingRow row = r <= rows.size() ? rows.at(r - 1) : StandingRow{};
        const QString cells[Columns - 1] = {row.name,   row.points,   row.games,
                                            row.wins,   row.draws,    row.losses,
                                            row.scored, row.conceded, row.difference};
        for (int column = 1; column < Columns; ++column)
            setCell(r, column, cells[column - 1]);
    }
    maximise();
}

void TFormClassifica::FormShow()
{
    // Read when the screen is first seen rather than at start; the table buttons light up only
    // where their lit picture was drawn.
    if (!tableHover.isLoaded() && TextFile::exists(DataDir(), QStringLiteral("classifica1on.bmp")))
        tableHover.load(QStringLiteral("classifica1on.bmp"), QStringLiteral("classifica1.bmp"));
    FormCreate();
}

void TFormClassifica::imVoltaClick()
{
    goTo(this, Place::ChampionshipMenu);
}

ExportTable TFormClassifica::shownTable() const
{
    return gridTable(StringGrid1, true, QStringLiteral("Classificação"),
                     QStringLiteral("Classificação"));
}

void TFormClassifica::fiImprimirClick()
{
    printTable(this, shownTable());
}

void TFormClassifica::fiExportarClick()
{
    exportTable(this, shownTable());
}

void TFormClassifica::FormClose()
{
    goTo(this, Place::ChampionshipMenu);
}
