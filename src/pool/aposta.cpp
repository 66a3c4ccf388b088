#include "pool/aposta.h"

#include "championship/rules/seasonfiles.h"
#include "frame/navigation.h"
#include "frame/scorebox.h"
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

QLabel *whiteLabel(QWidget *parent, const QRect &bounds)
{
    auto *label = new QLabel(parent);
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

    LabelUser = whiteLabel(PanelAposta, {566, 2, 73, 20});
    QFont userFont(QStringLiteral("MS Sans Serif"));
    userFont.setPixelSize(16);
    LabelUser->setFont(userFont);

    CbRodada = new QComboBox(PanelAposta);
    CbRodada->setGeometry(8, 72, 145, 21);
    CbRodada->setEditable(false);

    LbAviso = whiteLabel(PanelAposta, {9, 97, 38, 13});
    QFont noticeFont = LbAviso->font();
    noticeFont.setPixelSize(11);
    LbAviso->setFont(noticeFont);

    htmlAposta = new HtmlView(PanelAposta);
    setupRoundPageView(htmlAposta, false);
    htmlAposta->move(9, 111);

    ScoreBox **homes[11] = {&c1, &c2, &c3, &c4, &c5, &c6, &c7, &c8, &c9, &c10, &c11};
    ScoreBox **aways[11] = {&v1, &v2, &v3, &v4, &v5, &v6, &v7, &v8, &v9, &v10, &v11};
    for (int k = 0; k < 11; ++k) {
        for (auto [box, x, name] : {std::tuple{homes[k], 168, QStringLiteral("c%1")},
                                    std::tuple{aways[k], 216, QStringLiteral("v%1")}}) {
            *box = new ScoreBox(PanelAposta);
            (*box)->setObjectName(name.arg(k + 1));
            (*box)->setGeometry(x, BoxTops[k], 33, 19);
        }
        m_home[k] = *homes[k];
        m_away[k] = *aways[k];
    }
    QWidget *previous = CbRodada;
    setTabOrder(previous, htmlAposta);
    previous = htmlAposta;
    for (int k = 0; k < 11; ++k) {
        setTabOrder(previous, m_home[k]);
        setTabOrder(m_home[k], m_away[k]);
        previous = m_away[k];
    }

    BtAtualiza = new TFocusImage(PanelAposta, {14, 424, 145, 51});
    BtDesfaz = new TFocusImage(PanelAposta, {167, 424, 145, 52});
    BtImprime = new TFocusImage(PanelAposta, {317, 424, 145, 52});
    BtVolta = new TFocusImage(PanelAposta, {468, 424, 145, 52});

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
    // Prepared again at every showing, where a missing or damaged file is reported; at program
    // start it would only stack error boxes over the start screen before the pool is even used.
    try {
        FormCreate();
    } catch (const VelurinoError &) {
        maximise();
    }
}

void TFormAposta::FormCreate()
{
    ImAposta->loadPictureIfExists(DataDir(), QStringLiteral("apost.bmp"));
    hover.load(QStringLiteral("aposton.bmp"), QStringLiteral("apost.bmp"));
    htmlAposta->setPictureDir(DataDir());
    if (CbRodada->count() < 10)
        for (int n = 1; n <= Season::Rounds; ++n)
            CbRodada->addItem(Season::roundLabel(n));
    CbRodada->setCurrentIndex(0);
    maximise();
    CbRodadaChange();
}

void TFormAposta::FormShow()
{
    LabelUser->setText(CurrentUser);
    FormCreate();
}

void TFormAposta::FormClose()
{
    goTo(this, Place::PoolHub);
}

void TFormAposta::setBoxesEnabled(bool enabled)
{
    for (int k = 1; k <= 11; ++k) {
        home(k)->setEnabled(enabled);
        away(k)->setEnabled(enabled);
    }
}

void TFormAposta::clearBoxes()
{
    for (int k = 1; k <= 11; ++k) {
        home(k)->clear();
        away(k)->clear();
    }
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
        clearBoxes();
        setBoxesEnabled(false);
        BtAtualiza->setEnabled(false);
        BtDesfaz->setEnabled(false);
        throw;
    }
    htmlAposta->setPage(page);
    BtAtualiza->setEnabled(true);
    BtDesfaz->setEnabled(false);
    clearBoxes();
    setBoxesEnabled(true);
    if (!CurrentUser.isEmpty()) {
        if (const std::optional<QStringList> stored =
                Pool::readPredictions(PoolDir(), CurrentUser, n)) {
            for (int k = 1; k <= 11; ++k) {
                home(k)->setText(stored->at(2 * k - 2));
                away(k)->setText(stored->at(2 * k - 1));
            }
            BtAtualiza->setEnabled(false);
            BtDesfaz->setEnabled(true);
            setBoxesEnabled(false);
        }
    }
    LbAviso->clear();
    // An empty notice would still show as a small white box.
    LbAviso->hide();
    if (Pool::isRoundClosed(DataDir(), n)) {
        setBoxesEnabled(false);
        LbAviso->setText(MsgClosed);
        LbAviso->adjustSize();
        LbAviso->show();
    }
}

void TFormAposta::BtAtualizaClick()
{
    QStringList values;
    for (int k = 1; k <= 11; ++k)
        for (QLineEdit *box : {home(k), away(k)}) {
            if (box->text().isEmpty()) {
                inform(this, MsgFillAll);
                return;
            }
            values.append(box->text());
        }
    Pool::storePredictions(PoolDir(), CurrentUser, round(), values);
    setBoxesEnabled(false);
    BtAtualiza->setEnabled(false);
    BtDesfaz->setEnabled(true);
}

void TFormAposta::BtDesfazClick()
{
    Pool::withdrawPredictions(PoolDir(), CurrentUser, round());
    setBoxesEnabled(true);
    clearBoxes();
    BtAtualiza->setEnabled(true);
    BtDesfaz->setEnabled(false);
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
