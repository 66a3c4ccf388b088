#include "pool/aposta.h"

#include "championship/rules/seasonfiles.h"
#include "frame/controls.h"
#include "frame/navigation.h"
#include "platform/datadirs.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/velurinoerror.h"
#include "pool/betsheetprinter.h"
#include "pool/rules/poolfiles.h"

TFormAposta *FormAposta = nullptr;

const QString TFormAposta::MsgFillAll = QStringLiteral("Todos os jogos devem ser preenchidos.");
const QString TFormAposta::MsgClosed =
    QStringLiteral("As apostas estão finalizadas para essa rodada.");

namespace {

template <class Label> Label *whiteLabel(QWidget *parent, const QRect &bounds)
{
    auto *label = new Label(parent);
    label->setGeometry(bounds);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(pal);
    return label;
}

} // namespace

TFormAposta::TFormAposta(QWidget *parent) : ScreenForm(QStringLiteral("FormAposta"), parent)
{
    PanelAposta = new Panel(this, {32, 16, PanelWidth, PanelHeight});
    addCentredPanel(PanelAposta);
    ImAposta = new PictureBox(PanelAposta);
    ImAposta->setGeometry(0, 0, PanelWidth, PanelHeight);

    // A long name ends in "…" in its box; the whole name is its tooltip and accessible name.
    LabelUser = whiteLabel<NameLabel>(PanelAposta, {566, 2, 73, 20});
    QFont userFont(QStringLiteral("MS Sans Serif"));
    userFont.setPixelSize(16);
    LabelUser->setFont(userFont);

    CbRodada = new QComboBox(PanelAposta);
    CbRodada->setGeometry(8, 72, 145, 21);
    CbRodada->setEditable(false);
    keepDropDownInPanel(CbRodada);

    // The closed-round notice: a white card framed like the screen's wells, standing clear of
    // the page's frame below it.
    LbAviso = whiteLabel<QLabel>(PanelAposta, {9, 94, 38, 15});
    LbAviso->setStyleSheet(
        QStringLiteral("QLabel { background: white; color: #0b3a1e; border: 1px solid #b8862a;"
                       " border-radius: 3px; padding: 0px 6px; font-size: 11px;"
                       " font-weight: bold; }"));

    htmlAposta = new HtmlView(PanelAposta);
    setupRoundPageView(htmlAposta, false);
    htmlAposta->move(9, 111);

    placeScoreBoxes(PanelAposta);

    BtAtualiza = new TFocusImage(PanelAposta, {14, 424, 145, 51});
    BtDesfaz = new TFocusImage(PanelAposta, {167, 424, 145, 52});
    BtImprime = new TFocusImage(PanelAposta, {317, 424, 145, 52});
    BtVolta = new TFocusImage(PanelAposta, {468, 424, 145, 52});

    QWidget::setTabOrder(CbRodada, htmlAposta);
    chainScoreTabs(htmlAposta, BtAtualiza);
    setTabOrderChain({BtAtualiza, BtDesfaz, BtImprime, BtVolta});
    setEntryButtons(BtAtualiza, BtDesfaz);
    setAccessibleName(QStringLiteral("Apostas"));
    CbRodada->setAccessibleName(QStringLiteral("Rodada"));
    htmlAposta->setAccessibleName(QStringLiteral("Jogos da rodada"));
    BtAtualiza->setAccessibleName(QStringLiteral("Apostar"));
    BtDesfaz->setAccessibleName(QStringLiteral("Desfazer"));
    BtImprime->setAccessibleName(QStringLiteral("Imprimir"));
    BtVolta->setAccessibleName(QStringLiteral("Voltar"));
    addBackButton(BtVolta);

    hover.setBackground(ImAposta);
    for (TFocusImage *button : {BtAtualiza, BtDesfaz, BtImprime, BtVolta})
        hover.bind(button);
    bindClick(BtAtualiza, this, [this] { BtAtualizaClick(); });
    bindClick(BtDesfaz, this, [this] { BtDesfazClick(); });
    bindClick(BtImprime, this, [this] { BtImprimeClick(); });
    bindClick(BtVolta, this, [this] { BtVoltaClick(); });
    connect(CbRodada, &QComboBox::activated, this,
            [this] { guarded(this, [this] { CbRodadaChange(); }); });

    registerPlace(Place::BetEntry, this, PanelAposta);
    // The screen is prepared at every showing, for the participant chosen then, which is also
    // where a missing or damaged file is reported; there is nothing to show before that.
    maximise();
}

void TFormAposta::FormCreate()
{
    ImAposta->loadPictureIfExists(DataDir(), QStringLiteral("apost.bmp"));
    hover.load(QStringLiteral("aposton.bmp"), QStringLiteral("apost.bmp"));
    htmlAposta->setPictureDir(DataDir());
    // The round list is filled once, at the first showing.
    if (CbRodada->count() < Season::Rounds)
        for (int n = 1; n <= Season::Rounds; ++n)
            CbRodada->addItem(Season::roundLabel(n));
    CbRodada->setCurrentIndex(0);
    maximise();
    CbRodadaChange();
}

void TFormAposta::FormShow()
{
    LabelUser->setName(CurrentUser);
    FormCreate();
}

void TFormAposta::FormClose()
{
    goTo(this, Place::PoolHub);
}

void TFormAposta::CbRodadaChange()
{
    const int n = round();
    QString page;
    try {
        page = Season::readRoundPage(DataDir(), n);
    } catch (const VelurinoError &) {
        // The list already names the new round: the boxes of the one shown before close.
        htmlAposta->setPage(QString());
        showEntry(Entry::Locked);
        throw;
    }
    htmlAposta->setPage(page);
    nameScoreBoxes(Season::readRoundClubs(DataDir(), n));
    showEntry(Entry::Open);
    if (!CurrentUser.isEmpty()) {
        if (const std::optional<QStringList> stored =
                Pool::readPredictions(PoolDir(), CurrentUser, n)) {
            setScoreTexts(*stored);
            showEntry(Entry::Stored);
        }
    }
    LbAviso->clear();
    // An empty notice would still show as a small white box.
    LbAviso->hide();
    if (Pool::isRoundClosed(DataDir(), n)) {
        // Only the boxes close: the store button stays as it was, and on a round without
        // predictions answers that every match must be filled.
        setScoresEnabled(false);
        LbAviso->setText(MsgClosed);
        LbAviso->adjustSize();
        LbAviso->resize(LbAviso->width(), 15);
        LbAviso->show();
    }
}

void TFormAposta::BtAtualizaClick()
{
    const QStringList values = scoreTexts();
    if (values.contains(QString())) {
        inform(this, MsgFillAll);
        return;
    }
    Pool::storePredictions(PoolDir(), CurrentUser, round(), values);
    showEntry(Entry::Stored);
}

void TFormAposta::BtDesfazClick()
{
    Pool::withdrawPredictions(PoolDir(), CurrentUser, round());
    showEntry(Entry::Open);
}

void TFormAposta::BtImprimeClick()
{
    const BetSheet sheet = readBetSheet(DataDir(), round());
    printBetSheet(sheet, this);
}

void TFormAposta::BtVoltaClick()
{
    goTo(this, Place::PoolHub);
}
