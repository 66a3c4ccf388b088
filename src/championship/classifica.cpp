#include "championship/classifica.h"

#include "championship/racecolumns.h"
#include "championship/rules/positionhistory.h"
#include "championship/rules/seasonfiles.h"
#include "championship/rules/standings.h"
#include "championship/rules/titlerace.h"
#include "frame/controls.h"
#include "frame/gridkeys.h"
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
constexpr int ColumnWidths[Columns] = {36, 107, 30, 30, 30, 30, 30, 30, 30, 30};
const QString Headers[Columns] = {
    QStringLiteral("Pos."), QStringLiteral("Times"), QStringLiteral("PG"), QStringLiteral("J"),
    QStringLiteral("V"),    QStringLiteral("E"),     QStringLiteral("D"),  QStringLiteral("GP"),
    QStringLiteral("GC"),   QStringLiteral("SG")};

CellKind kindOf(int column)
{
    return column == 0 ? CellKind::Position : column == 1 ? CellKind::Name : CellKind::Figure;
}

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

    // Row 0 of the table is the grid's header, so it stays put while the 22 rows scroll; the
    // position column is never scrolled sideways, as every column fits.
    StringGrid1 = new QTableWidget(GridRows - 1, Columns, PanelClassifica);
    StringGrid1->setGeometry(24, 119, 415, 329);
    styleTable(StringGrid1, 24);
    for (int column = 0; column < Columns; ++column)
        StringGrid1->setColumnWidth(column, ColumnWidths[column]);
    StringGrid1->setAccessibleName(QStringLiteral("Tabela de classificação"));
    for (int column = 0; column < Columns; ++column) {
        auto *header = new QTableWidgetItem(Headers[column]);
        header->setTextAlignment(cellAlignment(kindOf(column)));
        StringGrid1->setHorizontalHeaderItem(column, header);
    }

    addRaceColumns();
    makeGridKeyboardReady(StringGrid1, QStringLiteral("Classificação"));
    setAccessibleName(QStringLiteral("Classificação"));
    imVolta->setAccessibleName(QStringLiteral("Voltar"));
    setTabOrderChain(
        {StringGrid1, ChartPosicoes->CbNome, fiPosicoes, imVolta, fiImprimir, fiExportar});
    addBackButton(imVolta);

    registerPlace(Place::Standings, this, PanelClassifica);
    // The table is built from the files at every showing; building it here too would read them
    // at program start for a screen not yet on view.
    maximise();
}

void TFormClassifica::setCell(int row, int column, const QString &text)
{
    StringGrid1->setItem(row - 1, column, tableCell(text, kindOf(column)));
}

QString TFormClassifica::Cells(int column, int row) const
{
    const QTableWidgetItem *item =
        row == 0 ? StringGrid1->horizontalHeaderItem(column) : StringGrid1->item(row - 1, column);
    return item ? item->text() : QString();
}

void TFormClassifica::FormCreate()
{
    ImClassifica->setPicture(loadDataPicture(QStringLiteral("classifica1.bmp")));
    // Everything is read and checked before the grid changes, so a damaged file leaves the last
    // table on view.
    const QList<StandingRow> rows = buildStandings(DataDir());

    const int needed = std::max<int>(GridRows - 1, int(rows.size()));
    if (StringGrid1->rowCount() < needed)
        StringGrid1->setRowCount(needed);
    for (int r = 1; r <= StringGrid1->rowCount(); ++r)
        setCell(r, 0, QString::number(r) + QStringLiteral("º"));
    for (int r = 1; r <= StringGrid1->rowCount(); ++r) {
        // Rows past the last team are emptied rather than left showing an older table.
        const StandingRow row = r <= rows.size() ? rows.at(r - 1) : StandingRow{};
        const QString cells[Columns - 1] = {row.name,   row.points,   row.games,
                                            row.wins,   row.draws,    row.losses,
                                            row.scored, row.conceded, row.difference};
        for (int column = 1; column < Columns; ++column)
            setCell(r, column, cells[column - 1]);
    }
    fillRace(rows);
    maximise();
}

void TFormClassifica::FormShow()
{
    // Read when the screen is first seen rather than at start; the table buttons light up only
    // where their lit picture was drawn.
    if (!tableHover.isLoaded() && TextFile::exists(DataDir(), QStringLiteral("classifica1on.bmp")))
        tableHover.load(QStringLiteral("classifica1on.bmp"), QStringLiteral("classifica1.bmp"));
    // Every opening starts on the table.
    ChartPosicoes->hide();
    StringGrid1->show();
    FormCreate();
}

void TFormClassifica::imVoltaClick()
{
    goTo(this, Place::ChampionshipMenu);
}

ExportTable TFormClassifica::shownTable() const
{
    return gridTable(StringGrid1, QStringLiteral("Classificação"), QStringLiteral("Classificação"));
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

void TFormClassifica::addRaceColumns()
{
    // The two columns take their room from the names, which still fit the longest club's.
    StringGrid1->setGeometry(24, 119, 439, 329);
    addRaceHeaders(StringGrid1, MaxColumn, QStringLiteral("o time"));
    StringGrid1->setColumnWidth(1, 87);
    StringGrid1->setColumnWidth(MaxColumn, 34);
    StringGrid1->setColumnWidth(MarkColumn, 28);

    fiPosicoes = new TFocusImage(PanelClassifica, {480, 346, 145, 34});
    fiPosicoes->setAccessibleName(QStringLiteral("Posições do time rodada a rodada"));
    tableHover.bind(fiPosicoes);
    bindClick(fiPosicoes, this, [this] { fiPosicoesClick(); });
    ChartPosicoes = new PositionChart(PanelClassifica, QStringLiteral("Time"));
    ChartPosicoes->setGeometry(24, 84, 439, 364);
    ChartPosicoes->hide();

    connect(StringGrid1, &QTableWidget::cellClicked, this, [this](int row) { m_pickedRow = row; });
    connect(StringGrid1, &QTableWidget::currentCellChanged, this,
            [this](int row) { m_pickedRow = std::max(row, 0); });
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this,
            [this](int row) { guarded(this, [this, row] { showChart(row); }); });
}

void TFormClassifica::fillRace(const QList<StandingRow> &rows)
{
    m_records.clear();
    for (const StandingRow &row : rows)
        m_records.append(row.record);
    fillRaceColumns(StringGrid1, MaxColumn, [&] {
        // The marks need the fixture and the results as well: the round table reports a fault.
        const StandingsRace race = buildStandingsRace(DataDir());
        return race.rows.size() == rows.size() ? race.reach : QList<TitleReach>();
    });
}

void TFormClassifica::showChart(int row)
{
    const PositionHistory history = buildClubHistory(DataDir());
    QStringList names;
    QList<QList<int>> places;
    for (int r = 0; r < m_records.size(); ++r) {
        const int record = m_records.at(r);
        names << (record >= 0 && record < history.names.size() ? history.names.at(record)
                                                               : Cells(1, r + 1));
        places << history.places.value(record);
    }
    ChartPosicoes->setEntrants(names, places, int(history.names.size()));
    ChartPosicoes->showInsteadOf(StringGrid1, row);
}

void TFormClassifica::fiPosicoesClick()
{
    if (!ChartPosicoes->giveBackTo(StringGrid1))
        showChart(m_pickedRow);
}
