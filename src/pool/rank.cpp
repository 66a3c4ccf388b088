#include "pool/rank.h"

#include "championship/rules/seasonfiles.h"
#include "frame/controls.h"
#include "frame/navigation.h"
#include "platform/datadirs.h"
#include "platform/guard.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"
#include "pool/bolao.h"
#include "pool/rules/poolfiles.h"

#include <QHeaderView>
#include <QScrollBar>

TFormRank *FormRank = nullptr;

namespace {

const QStringList Headers{QStringLiteral("Pos."), QStringLiteral("Usuário"), QStringLiteral("PG"),
                          QStringLiteral("AC"),   QStringLiteral("AR"),      QStringLiteral("AG")};
constexpr int ColumnWidths[6] = {50, 137, 50, 50, 50, 50};
constexpr int GridWidth = 397;

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
    SGGeral->setFocusPolicy(Qt::NoFocus);
    SGGeral->setAccessibleName(QStringLiteral("Ranking do bolão"));
    for (int col = 0; col < 6; ++col) {
        SGGeral->setColumnWidth(col, ColumnWidths[col]);
        auto *header = new QTableWidgetItem(Headers.at(col));
        header->setTextAlignment(cellAlignment(kindOf(col)));
        SGGeral->setHorizontalHeaderItem(col, header);
    }

    CbRank = new QComboBox(PanelRank);
    CbRank->setGeometry(16, 200, 145, 21);
    CbRank->setEditable(false);
    keepDropDownInPanel(CbRank);

    hover.setBackground(ImRank);
    hover.bind(BtAtualizaBolao);
    hover.bind(fiVolta);
    bindClick(BtAtualizaBolao, this, [this] { BtAtualizaBolaoClick(); });
    bindClick(fiVolta, this, [this] { fiVoltaClick(); });
    connect(CbRank, &QComboBox::activated, this,
            [this] { guarded(this, [this] { CbRankChange(); }); });

    registerPlace(Place::Ranking, this, PanelRank);
    // Prepared again at every showing, where a missing or damaged file is reported; at program
    // start it would only stack error boxes over the start screen before the pool is even used.
    try {
        FormCreate();
    } catch (const VelurinoError &) {
        maximise();
    }
}

void TFormRank::FormCreate()
{
    hover.load(QStringLiteral("rankingon.bmp"), QStringLiteral("ranking.bmp"));
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

    m_designHeight = n * RowHeight + 38;
    // The table ends with its last row: the header, the n rows and the frame, no empty strip
    // below them. Past the panel's edge the rows scroll inside the table instead.
    const int fitted = (n + 1) * RowHeight + 2 * SGGeral->frameWidth();
    const bool scrolls = fitted > GridMaxHeight;
    const int scrollWidth = scrolls ? SGGeral->verticalScrollBar()->sizeHint().width() : 0;
    SGGeral->setGeometry(16, GridTop, GridWidth + scrollWidth, std::min(fitted, GridMaxHeight));

    if (n >= 1)
        fillRows(LoadStoredRanking(PoolDir()));
    maximise();
}

void TFormRank::FormShow()
{
    FormCreate();
}

void TFormRank::fillRows(const Ranking &rows)
{
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
    CbRank->hide();
    BtAtualizaBolao->show();
    ImRank->loadPicture(TextFile::resolve(DataDir(), QStringLiteral("ranking.bmp")));
}

void TFormRank::showRoundMode()
{
    CbRank->show();
    BtAtualizaBolao->hide();
    ImRank->loadPicture(TextFile::resolve(DataDir(), QStringLiteral("rodada.bmp")));
}

void TFormRank::BtAtualizaBolaoClick()
{
    if (const std::optional<Ranking> rows = RecomputeOverallRanking(DataDir(), PoolDir()))
        fillRows(*rows);
}

void TFormRank::CbRankChange()
{
    const QVariant round = CbRank->currentData();
    if (!round.isValid())
        return;
    if (const std::optional<Ranking> rows =
            ComputeRoundRanking(DataDir(), PoolDir(), round.toInt()))
        fillRows(*rows);
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
}
