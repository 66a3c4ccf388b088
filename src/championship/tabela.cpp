#include "championship/tabela.h"

#include "championship/rules/results.h"
#include "championship/rules/seasonfiles.h"
#include "frame/controls.h"
#include "frame/navigation.h"
#include "frame/simplescreen.h"
#include "platform/datadirs.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/velurinoerror.h"

TFormTabela *FormTabela = nullptr;

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
    keepDropDownInPanel(CbRodadas);

    htmlLite1 = new HtmlView(PanelTabela);
    setupRoundPageView(htmlLite1, true);
    htmlLite1->move(9, 110);

    placeScoreBoxes(PanelTabela);
    // Tab walks the round list, then each match home then away, then the page.
    chainScoreTabs(CbRodadas, htmlLite1);
    setTabOrderChain({htmlLite1, BtAtualiza, BtDesfaz, BtVolta});
    setEntryButtons(BtAtualiza, BtDesfaz);
    setAccessibleName(QStringLiteral("Tabela de jogos"));
    CbRodadas->setAccessibleName(QStringLiteral("Rodada"));
    htmlLite1->setAccessibleName(QStringLiteral("Jogos da rodada"));
    BtAtualiza->setAccessibleName(QStringLiteral("Gravar"));
    BtDesfaz->setAccessibleName(QStringLiteral("Desfazer"));
    BtVolta->setAccessibleName(QStringLiteral("Voltar"));
    addBackButton(BtVolta);

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
    showEntry(Entry::Locked);
}

int TFormTabela::shownRound() const
{
    return CbRodadas->currentIndex() + 1;
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
    nameScoreBoxes(Season::readRoundClubs(DataDir(), n));
    storedRounds = view.storedRounds;
    if (view.stored) {
        setScoreTexts(*view.stored);
        showEntry(Entry::Stored);
    } else {
        // A round before the count without results (one withdrawn out of order) opens again.
        showEntry(view.state == Season::RoundState::Later ? Entry::Locked : Entry::Open);
    }
}

void TFormTabela::BtAtualizaClick()
{
    const int n = shownRound();
    if (n < 1)
        return;
    storedRounds = Results::storeRoundResults(DataDir(), n, scoreTexts());
    showEntry(Entry::Stored);
    inform(this, QStringLiteral("Tabela Atualizada. "));
}

void TFormTabela::BtDesfazClick()
{
    const int n = shownRound();
    if (n < 1)
        return;
    storedRounds = Results::undoRoundResults(DataDir(), n);
    showEntry(Entry::Open);
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
