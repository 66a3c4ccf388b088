#include "championship/tabela.h"

#include "championship/rules/results.h"
#include "championship/rules/seasonfiles.h"
#include "frame/navigation.h"
#include "frame/simplescreen.h"
#include "platform/datadirs.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/velurinoerror.h"

TFormTabela *FormTabela = nullptr;

namespace {

constexpr int BoxTops[Season::MatchesPerRound] = {126, 152, 178, 205, 230, 256,
                                                  282, 309, 334, 360, 386};

} // namespace

TFormTabela::TFormTabela(QWidget *parent) : ScreenForm(QStringLiteral("FormTabela"), parent)
{
    const SimpleScreenParts parts = makeScreenPanel(this, {0, 0, PanelWidth, PanelHeight});
    PanelTabela = parts.panel;
    ImTabela = parts.background;
    BtAtualiza = new TFocusImage(PanelTabela, {24, 423, 147, 53});
    BtDesfaz = new TFocusImage(PanelTabela, {182, 423, 147, 53});
    BtVolta = new TFocusImage(PanelTabela, {477, 423, 147, 53});

    CbRodadas = new QComboBox(PanelTabela);
    CbRodadas->setGeometry(8, 86, 153, 21);
    CbRodadas->setEditable(false);
    CbRodadas->setMaxVisibleItems(16);

    htmlLite1 = new HtmlView(PanelTabela);
    setupRoundPageView(htmlLite1, true);
    htmlLite1->move(9, 110);

    for (int k = 0; k < Season::MatchesPerRound; ++k) {
        homeBoxes[k] = new ScoreBox(PanelTabela);
        homeBoxes[k]->setGeometry(168, BoxTops[k], 33, 19);
        homeBoxes[k]->setObjectName(QStringLiteral("c%1").arg(k + 1));
        awayBoxes[k] = new ScoreBox(PanelTabela);
        awayBoxes[k]->setGeometry(216, BoxTops[k], 33, 19);
        awayBoxes[k]->setObjectName(QStringLiteral("v%1").arg(k + 1));
    }
    ScoreBox **home[] = {&c1, &c2, &c3, &c4, &c5, &c6, &c7, &c8, &c9, &c10, &c11};
    ScoreBox **away[] = {&v1, &v2, &v3, &v4, &v5, &v6, &v7, &v8, &v9, &v10, &v11};
    for (int k = 0; k < Season::MatchesPerRound; ++k) {
        *home[k] = homeBoxes[k];
        *away[k] = awayBoxes[k];
    }

    // Tab walks the round list, then each match home then away, then the page.
    QWidget *previous = CbRodadas;
    for (int k = 0; k < Season::MatchesPerRound; ++k) {
        setTabOrder(previous, homeBoxes[k]);
        setTabOrder(homeBoxes[k], awayBoxes[k]);
        previous = awayBoxes[k];
    }
    setTabOrder(previous, htmlLite1);

    hover.setBackground(ImTabela);
    for (TFocusImage *button : {BtAtualiza, BtDesfaz, BtVolta})
        hover.bind(button);
    bindClick(BtAtualiza, this, [this] { BtAtualizaClick(); });
    bindClick(BtDesfaz, this, [this] { BtDesfazClick(); });
    bindClick(BtVolta, this, [this] { BtVoltaClick(); });
    connect(CbRodadas, &QComboBox::currentIndexChanged, this,
            [this] { guarded(this, [this] { CbRodadasChange(); }); });

    registerPlace(Place::RoundTable, this, PanelTabela);
    guarded(this, [this] { FormCreate(); });
}

void TFormTabela::FormCreate()
{
    hover.load(QStringLiteral("tabelaon.bmp"), QStringLiteral("tabela.bmp"));
    ImTabela->loadPictureIfExists(DataDir(), QStringLiteral("tabela.bmp"));
    {
        const QSignalBlocker quiet(CbRodadas);
        CbRodadas->clear();
        for (int round = 1; round <= Season::Rounds; ++round)
            CbRodadas->addItem(Season::roundLabel(round));
        // With every round stored there is no next round: the last one is shown instead, so
        // that a round is always selected.
        CbRodadas->setCurrentIndex(Results::initialRound(Season::readStoredRounds(DataDir())) - 1);
    }
    CbRodadasChange();
    maximise();
}

void TFormTabela::reloadSeason()
{
    FormCreate();
}

void TFormTabela::FormShow()
{
    // Closing the screen let its hover pictures go; they come back before it is seen again.
    if (!hover.isLoaded())
        hover.load(QStringLiteral("tabelaon.bmp"), QStringLiteral("tabela.bmp"));
}

void TFormTabela::lockRound()
{
    htmlLite1->setPage(QString());
    clearBoxes();
    setBoxes(false);
    BtAtualiza->setEnabled(false);
    BtDesfaz->setEnabled(false);
}

int TFormTabela::shownRound() const
{
    return CbRodadas->currentIndex() + 1;
}

void TFormTabela::setBoxes(bool enabled)
{
    for (int k = 0; k < Season::MatchesPerRound; ++k) {
        homeBoxes[k]->setEnabled(enabled);
        awayBoxes[k]->setEnabled(enabled);
    }
}

void TFormTabela::clearBoxes()
{
    for (int k = 0; k < Season::MatchesPerRound; ++k) {
        homeBoxes[k]->clear();
        awayBoxes[k]->clear();
    }
}

void TFormTabela::CbRodadasChange()
{
    const int n = shownRound();
    if (n < 1)
        return;
    Results::RoundView view;
    try {
        view = Results::readRoundView(DataDir(), n);
    } catch (const VelurinoError &) {
        // The list already names the new round: nothing of the round shown before may stay
        // open for entry under that name.
        lockRound();
        throw;
    }
    htmlLite1->setPage(view.page);
    BtAtualiza->setEnabled(true);
    BtDesfaz->setEnabled(false);
    clearBoxes();
    setBoxes(true);
    if (view.stored) {
        for (int k = 0; k < Season::MatchesPerRound; ++k) {
            homeBoxes[k]->setText(view.stored->at(2 * k));
            awayBoxes[k]->setText(view.stored->at(2 * k + 1));
        }
        BtAtualiza->setEnabled(false);
        BtDesfaz->setEnabled(true);
        setBoxes(false);
    }
    storedRounds = view.storedRounds;
    if (n - 1 > storedRounds) {
        setBoxes(false);
        BtAtualiza->setEnabled(false);
    }
}

void TFormTabela::BtAtualizaClick()
{
    const int n = shownRound();
    if (n < 1)
        return;
    QStringList boxes;
    for (int k = 0; k < Season::MatchesPerRound; ++k)
        boxes << homeBoxes[k]->text() << awayBoxes[k]->text();
    storedRounds = Results::storeRoundResults(DataDir(), n, boxes);
    setBoxes(false);
    BtAtualiza->setEnabled(false);
    BtDesfaz->setEnabled(true);
    inform(this, QStringLiteral("Tabela Atualizada. "));
}

void TFormTabela::BtDesfazClick()
{
    const int n = shownRound();
    if (n < 1)
        return;
    storedRounds = Results::undoRoundResults(DataDir(), n);
    clearBoxes();
    setBoxes(true);
    BtAtualiza->setEnabled(true);
    BtDesfaz->setEnabled(false);
}

void TFormTabela::BtVoltaClick()
{
    goTo(this, Place::ChampionshipMenu);
}

void TFormTabela::FormClose()
{
    goTo(this, Place::ChampionshipMenu);
    hover.release();
}
