#include "pool/rank.h"

#include "championship/racecolumns.h"
#include "championship/rules/seasonfiles.h"
#include "frame/controls.h"
#include "frame/gridkeys.h"
#include "frame/navigation.h"
#include "frame/tableactions.h"
#include "platform/datadirs.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/textfile.h"
#include "pool/bolao.h"
#include "pool/rules/poolfiles.h"
#include "pool/rules/poolrace.h"

#include <QHeaderView>
#include <QScrollBar>

TFormRank *FormRank = nullptr;

namespace {

const QStringList Headers{QStringLiteral("Pos."), QStringLiteral("Usuário"), QStringLiteral("PG"),
                          QStringLiteral("AC"),   QStringLiteral("AR"),      QStringLiteral("AG")};
constexpr int RankColumns = 6; // position, name and four counters
constexpr int ColumnWidths[RankColumns] = {50, 137, 50, 50, 50, 50};
constexpr int GridWidth = 397;

// The bets grid: name, the 11 matches, the round's points; it keeps clear of the exit button.
constexpr int BetsNameWidth = 90;
constexpr int BetsMatchWidth = 28;
constexpr int BetsPointsWidth = 36;
constexpr int BetsWidth = BetsNameWidth + 11 * BetsMatchWidth + BetsPointsWidth + 2;
const QColor ExactColour(0x2e, 0x8b, 0x57);
const QColor OutcomeColour(0xf3, 0xe1, 0x9a);
const QColor ResultRowColour(0xd4, 0xd0, 0xc8);

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

CellKind kindOf(int col)
{
    return col == 0 ? CellKind::Position : col == 1 ? CellKind::Name : CellKind::Figure;
}

QTableWidgetItem *cell(int col, const QString &text)
{
    return tableCell(text, kindOf(col));
}

} // namespace

TFormRank::TFormRank(QWidget *parent) : ScreenForm(QStringLiteral("FormRank"), parent)
{
    PanelRank = new Panel(this, {0, 0, PanelWidth, PanelHeight});
    addCentredPanel(PanelRank);
    ImRank = new PictureBox(PanelRank);
    ImRank->setGeometry(0, 0, PanelWidth, PanelHeight);
    BtAtualizaBolao = new TFocusImage(PanelRank, {16, 178, 257, 54});
    fiVolta = new TFocusImage(PanelRank, {472, 382, 145, 54});

    SGGeral = new QTableWidget(0, 6, PanelRank);
    SGGeral->setGeometry(16, GridTop, GridWidth, 169);
    styleTable(SGGeral, RowHeight);
    SGGeral->setAccessibleName(QStringLiteral("Ranking do bolão"));
    for (int col = 0; col < RankColumns; ++col) {
        SGGeral->setColumnWidth(col, ColumnWidths[col]);
        auto *header = new QTableWidgetItem(Headers.at(col));
        header->setTextAlignment(cellAlignment(kindOf(col)));
        SGGeral->setHorizontalHeaderItem(col, header);
    }

    CbRank = new QComboBox(PanelRank);
    CbRank->setGeometry(16, 200, 145, 21);
    CbRank->setEditable(false);
    keepDropDownInPanel(CbRank);

    fiImprimir = new TFocusImage(PanelRank, {472, 440, 71, 36});
    fiImprimir->setAccessibleName(QStringLiteral("Imprimir a tabela"));
    fiExportar = new TFocusImage(PanelRank, {546, 440, 71, 36});
    fiExportar->setAccessibleName(QStringLiteral("Exportar a tabela"));
    fiApostas = new TFocusImage(PanelRank, {176, 188, 130, 40});
    fiApostas->setAccessibleName(QStringLiteral("Apostas da rodada"));
    fiApostas->hide();

    SGApostas = new QTableWidget(0, Season::MatchesPerRound + 2, PanelRank);
    SGApostas->setGeometry(16, GridTop, BetsWidth, PanelHeight - GridTop - 4);
    styleTable(SGApostas, RowHeight);
    SGApostas->setColumnWidth(Season::MatchesPerRound + 1, BetsPointsWidth);
    SGApostas->setColumnWidth(0, BetsNameWidth);
    QStringList betHeaders{QStringLiteral("Usuário")};
    for (int k = 1; k <= Season::MatchesPerRound; ++k) {
        SGApostas->setColumnWidth(k, BetsMatchWidth);
        betHeaders << QString::number(k);
    }
    betHeaders << QStringLiteral("PG");
    SGApostas->setHorizontalHeaderLabels(betHeaders);
    SGApostas->horizontalHeaderItem(0)->setTextAlignment(cellAlignment(CellKind::Name));
    QFont small = SGApostas->font();
    small.setPixelSize(11);
    SGApostas->setFont(small);
    SGApostas->setAccessibleName(QStringLiteral("Apostas da rodada"));
    SGApostas->hide();

    LbApostas = new QLabel(PanelRank);
    LbApostas->setGeometry(16, GridTop, GridWidth, 84);
    LbApostas->setWordWrap(true);
    LbApostas->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LbApostas->setStyleSheet(QStringLiteral("QLabel { background: #0b3a1e; color: #fbf4dc; "
                                            "border: 1px solid #e9c46a; padding: 6px; "
                                            "font-size: 13px; }"));
    LbApostas->hide();
    LbMarcas = new QLabel(PanelRank);
    LbMarcas->setGeometry(312, 188, 156, 40);
    LbMarcas->setTextFormat(Qt::RichText);
    LbMarcas->setText(
        QStringLiteral("<span style=\"background:%1; color:white\">&nbsp;2x1&nbsp;</span> placar "
                       "exato<br><span style=\"background:%2; color:black\">&nbsp;2x1&nbsp;</span> "
                       "resultado certo")
            .arg(ExactColour.name(), OutcomeColour.name()));
    LbMarcas->setStyleSheet(QStringLiteral("QLabel { color: #fbf4dc; font-size: 11px; }"));
    LbMarcas->hide();
    makeGridKeyboardReady(SGGeral, QStringLiteral("Ranking"));
    setAccessibleName(QStringLiteral("Ranking"));
    CbRank->setAccessibleName(QStringLiteral("Rodada"));
    BtAtualizaBolao->setAccessibleName(QStringLiteral("Atualizar ranking"));
    fiVolta->setAccessibleName(QStringLiteral("Voltar"));
    makeGridKeyboardReady(SGApostas, QStringLiteral("Apostas da rodada"));
    addBackButton(fiVolta);

    hover.setBackground(ImRank);
    hover.bind(BtAtualizaBolao);
    hover.bind(fiVolta);
    hover.bind(fiImprimir);
    hover.bind(fiExportar);
    roundHover.setBackground(ImRank);
    roundHover.bind(fiApostas);
    bindClick(fiImprimir, this, [this] { fiImprimirClick(); });
    bindClick(fiExportar, this, [this] { fiExportarClick(); });
    bindClick(fiApostas, this, [this] { fiApostasClick(); });
    bindClick(BtAtualizaBolao, this, [this] { BtAtualizaBolaoClick(); });
    bindClick(fiVolta, this, [this] { fiVoltaClick(); });
    connect(CbRank, &QComboBox::activated, this,
            [this] { guarded(this, [this] { CbRankChange(); }); });

    addRaceColumns();
    registerPlace(Place::Ranking, this, PanelRank);
    // The screen is prepared at every showing, which is also where a missing or damaged file is
    // reported; preparing it here as well would read every participant file at program start
    // for a table nobody sees until the screen is opened.
    maximise();
}

void TFormRank::FormCreate()
{
    ChartPosicoes->hide();
    m_shownRows.clear();
    hover.load(QStringLiteral("rankingon.bmp"), QStringLiteral("ranking.bmp"));
    // Every opening starts on the ranking table.
    showBets(false);
    m_shownRound = 0;
    const QStringList list = Pool::readList(PoolDir());
    const int n = list.size();

    SGGeral->clearContents();
    SGGeral->setRowCount(n);
    for (int r = 1; r <= n; ++r)
        SGGeral->setItem(r - 1, 0, cell(0, QString::number(r) + QStringLiteral("º")));

    CbRank->clear();
    // The stored-rounds count must still be readable, as it was always read here.
    Season::readStoredRounds(DataDir());
    for (int round : Pool::roundsWithResults(DataDir()))
        CbRank->addItem(Season::roundLabel(round), round);
    CbRank->setCurrentIndex(-1);

    placeGrid();

    if (n >= 1)
        fillRows(LoadStoredRanking(PoolDir()));
    if (!SGGeral->isColumnHidden(MaxColumn))
        fillRace();
    maximise();
}

void TFormRank::FormShow()
{
    FormCreate();
}

void TFormRank::fillRows(const Ranking &rows)
{
    m_shownRows = rows;
    const int count = std::min<int>(rows.size(), SGGeral->rowCount());
    for (int i = 0; i < count; ++i) {
        const TRankRow &row = rows.at(i);
        SGGeral->setItem(i, 1, cell(1, row.name));
        SGGeral->setItem(i, 2, cell(2, QString::number(row.PG)));
        SGGeral->setItem(i, 3, cell(3, QString::number(row.AC)));
        SGGeral->setItem(i, 4, cell(4, QString::number(row.AR)));
        SGGeral->setItem(i, 5, cell(5, QString::number(row.AG)));
    }
}

QString TFormRank::Cells(int col, int row) const
{
    if (row == 0) {
        const QTableWidgetItem *header = SGGeral->horizontalHeaderItem(col);
        return header ? header->text() : QString();
    }
    const QTableWidgetItem *item = SGGeral->item(row - 1, col);
    return item ? item->text() : QString();
}

void TFormRank::showOverallMode()
{
    showRaceColumns(true);
    showBets(false);
    fiApostas->hide();
    CbRank->hide();
    BtAtualizaBolao->show();
    setAccessibleName(QStringLiteral("Ranking geral"));
    ImRank->loadPicture(TextFile::resolve(DataDir(), QStringLiteral("ranking.bmp")));
}

void TFormRank::showRoundMode()
{
    showRaceColumns(false);
    // Read when the mode is first used rather than at start.
    if (!roundHover.isLoaded() && TextFile::exists(DataDir(), QStringLiteral("rodadaon.bmp")))
        roundHover.load(QStringLiteral("rodadaon.bmp"), QStringLiteral("rodada.bmp"));
    fiApostas->show();
    CbRank->show();
    BtAtualizaBolao->hide();
    setAccessibleName(QStringLiteral("Ranking da rodada"));
    ImRank->loadPicture(TextFile::resolve(DataDir(), QStringLiteral("rodada.bmp")));
}

void TFormRank::BtAtualizaBolaoClick()
{
    if (const std::optional<Ranking> rows = RecomputeOverallRanking(DataDir(), PoolDir())) {
        fillRows(*rows);
        fillRace();
    }
}

void TFormRank::CbRankChange()
{
    const QVariant round = CbRank->currentData();
    if (!round.isValid())
        return;
    if (const std::optional<Ranking> rows =
            ComputeRoundRanking(DataDir(), PoolDir(), round.toInt())) {
        fillRows(*rows);
        m_shownRound = round.toInt();
    }
    if (m_betsShown)
        fillBets();
}

void TFormRank::showBets(bool shown)
{
    m_betsShown = shown;
    SGGeral->setVisible(!shown);
    if (!shown) {
        SGApostas->hide();
        LbApostas->hide();
        LbMarcas->hide();
    }
}

void TFormRank::fillBets()
{
    const QVariant round = CbRank->currentData();
    const RoundBets bets =
        round.isValid() ? Pool::roundBets(DataDir(), PoolDir(), round.toInt()) : RoundBets{};
    LbMarcas->setVisible(bets.closed);
    if (!bets.closed) {
        SGApostas->hide();
        LbApostas->setText(round.isValid() ? Pool::MsgBetsHidden
                                           : QStringLiteral("Escolha uma rodada para ver as "
                                                            "apostas de todos os participantes. ") +
                                                 Pool::MsgBetsHidden);
        LbApostas->show();
        return;
    }
    LbApostas->hide();
    SGApostas->clearContents();
    SGApostas->setRowCount(int(bets.rows.size()) + 1);
    const auto put = [this](int row, int col, const QString &text, BetCell::Hit hit) {
        QTableWidgetItem *item = cell(text);
        item->setTextAlignment(col == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        if (col == 0)
            item->setToolTip(text); // a long name is cut with "…" in the narrow column
        if (hit == BetCell::Exact) {
            item->setBackground(ExactColour);
            item->setForeground(Qt::white);
            item->setData(Qt::UserRole, QStringLiteral("exato"));
        } else if (hit == BetCell::Outcome) {
            item->setBackground(OutcomeColour);
            item->setData(Qt::UserRole, QStringLiteral("resultado"));
        }
        SGApostas->setItem(row, col, item);
    };
    put(0, 0, QStringLiteral("Resultado"), BetCell::Miss);
    // Each match column says its clubs as the standings show them ("Gavião"), the file's keys
    // ("Gaviao") when the names cannot be read.
    const QStringList clubs = Season::readRoundClubs(DataDir(), bets.round);
    const bool named = clubs.size() == 2 * Season::MatchesPerRound;
    for (int k = 0; k < Season::MatchesPerRound; ++k) {
        put(0, k + 1, bets.results.value(k), BetCell::Miss);
        SGApostas->horizontalHeaderItem(k + 1)->setToolTip(
            (named ? clubs.at(2 * k) : bets.fixture.at(k).home) + QStringLiteral(" x ") +
            (named ? clubs.at(2 * k + 1) : bets.fixture.at(k).away));
    }
    // The results row stands apart as a fixed row does.
    for (int col = 0; col < SGApostas->columnCount(); ++col)
        if (QTableWidgetItem *item = SGApostas->item(0, col))
            item->setBackground(ResultRowColour);
    for (int r = 0; r < bets.rows.size(); ++r) {
        const RoundBetsRow &row = bets.rows.at(r);
        put(r + 1, 0, row.counters.name, BetCell::Miss);
        for (int k = 0; k < row.bets.size(); ++k)
            put(r + 1, k + 1, row.bets.at(k).text, row.bets.at(k).hit);
        put(r + 1, Season::MatchesPerRound + 1, QString::number(row.counters.PG), BetCell::Miss);
    }
    // As the ranking's table, this one ends with its last row; past the panel's edge it scrolls.
    const int room = PanelHeight - GridTop - 4;
    const int fitted = (SGApostas->rowCount() + 1) * RowHeight + 2 * SGApostas->frameWidth();
    const bool scrolls = fitted > room;
    SGApostas->setGeometry(
        16, GridTop, BetsWidth + (scrolls ? SGApostas->verticalScrollBar()->sizeHint().width() : 0),
        std::min(fitted, room));
    SGApostas->show();
}

void TFormRank::fiApostasClick()
{
    showBets(!m_betsShown);
    if (m_betsShown)
        fillBets();
}

ExportTable TFormRank::shownTable() const
{
    if (m_betsShown && SGApostas->isVisible()) {
        const QString title = QStringLiteral("Apostas da ") + CbRank->currentText();
        ExportTable table = gridTable(SGApostas, title, title);
        table.legend = {{QStringLiteral("exato"), QStringLiteral("placar exato")},
                        {QStringLiteral("resultado"), QStringLiteral("resultado certo")}};
        return table;
    }
    const QString title = m_shownRound > 0
                              ? QStringLiteral("Ranking da ") + Season::roundLabel(m_shownRound)
                              : QStringLiteral("Ranking geral");
    return gridTable(SGGeral, title, title);
}

bool TFormRank::tableOnView()
{
    // While the notice stands in place of the bets there is no table to give out.
    if (m_betsShown && !SGApostas->isVisible()) {
        inform(this, LbApostas->text());
        return false;
    }
    return true;
}

void TFormRank::fiImprimirClick()
{
    if (tableOnView())
        printTable(this, shownTable());
}

void TFormRank::fiExportarClick()
{
    if (tableOnView())
        exportTable(this, shownTable());
}

void TFormRank::fiVoltaClick()
{
    goTo(this, Place::PoolHub);
}

void TFormRank::FormClose()
{
    goTo(this, Place::PoolHub);
    if (FormBolao)
        FormBolao->PanelRanking->hide();
    hover.release();
    roundHover.release();
}

void TFormRank::placeGrid()
{
    // The table ends with its last row: the header, the n rows and the frame, no empty strip
    // below them. Past the panel's edge the rows scroll inside the table instead.
    const int fitted = (SGGeral->rowCount() + 1) * RowHeight + 2 * SGGeral->frameWidth();
    const bool scrolls = fitted > GridMaxHeight;
    const int scrollWidth = scrolls ? SGGeral->verticalScrollBar()->sizeHint().width() : 0;
    SGGeral->setGeometry(16, GridTop, GridWidth + scrollWidth, std::min(fitted, GridMaxHeight));
}

void TFormRank::addRaceColumns()
{
    addRaceHeaders(SGGeral, MaxColumn, QStringLiteral("o participante"));

    fiPosicoes = new TFocusImage(PanelRank, {472, 334, 145, 40});
    fiPosicoes->setAccessibleName(QStringLiteral("Posições do participante rodada a rodada"));
    hover.bind(fiPosicoes);
    bindClick(fiPosicoes, this, [this] { fiPosicoesClick(); });
    ChartPosicoes = new PositionChart(PanelRank, QStringLiteral("Participante"));
    ChartPosicoes->setGeometry(16, GridTop, 410, PanelHeight - GridTop - 4);
    ChartPosicoes->hide();
    // The round list and the table (or chart) on view, then the buttons as they read: the button
    // beside the list (one or the other, by mode), the chart's, the way back, print and export.
    setTabOrderChain({CbRank, SGGeral, SGApostas, ChartPosicoes->CbNome, BtAtualizaBolao, fiApostas,
                      fiPosicoes, fiVolta, fiImprimir, fiExportar});

    connect(SGGeral, &QTableWidget::cellClicked, this, [this](int row) { m_pickedRow = row; });
    connect(SGGeral, &QTableWidget::currentCellChanged, this,
            [this](int row) { m_pickedRow = std::max(row, 0); });
    connect(SGGeral, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        if (fiPosicoes->isVisible())
            guarded(this, [this, row] { showChart(row); });
    });
    showRaceColumns(false);
}

void TFormRank::showRaceColumns(bool shown)
{
    const bool wasShown = !SGGeral->isColumnHidden(MaxColumn);
    ChartPosicoes->hide();
    SGGeral->setVisible(!m_betsShown);
    fiPosicoes->setVisible(shown);
    SGGeral->setColumnHidden(MaxColumn, !shown);
    SGGeral->setColumnHidden(MarkColumn, !shown);
    // The race columns take their room from the name and the counters, so the table keeps its
    // width, clear of the legend; per-round mode has the full widths again.
    const int name = shown ? 117 : ColumnWidths[1];
    const int counter = shown ? 38 : ColumnWidths[2];
    SGGeral->setColumnWidth(1, name);
    for (int col = 2; col < RankColumns; ++col)
        SGGeral->setColumnWidth(col, counter);
    SGGeral->setColumnWidth(MaxColumn, 40);
    SGGeral->setColumnWidth(MarkColumn, 28);
    placeGrid();
    if (shown && !wasShown)
        fillRace();
}

void TFormRank::fillRace()
{
    fillRaceColumns(SGGeral, MaxColumn, [this] {
        // Every participant's predictions scored again: the update button reports a fault.
        return PoolRace::reach(m_shownRows, ScoreRoundByRound(DataDir(), PoolDir()))
            .value_or(QList<TitleReach>());
    });
}

void TFormRank::showChart(int row)
{
    const PositionHistory history = PoolRace::history(ScoreRoundByRound(DataDir(), PoolDir()));
    QStringList names;
    QList<QList<int>> places;
    for (const TRankRow &shown : std::as_const(m_shownRows)) {
        names << shown.name;
        places << history.places.value(history.names.indexOf(shown.name));
    }
    ChartPosicoes->setEntrants(names, places, int(history.names.size()));
    ChartPosicoes->showInsteadOf(SGGeral, row);
}

void TFormRank::fiPosicoesClick()
{
    if (!ChartPosicoes->giveBackTo(SGGeral))
        showChart(m_pickedRow);
}
