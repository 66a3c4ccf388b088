#include "pool/bolao.h"

#include "frame/navigation.h"
#include "platform/datadirs.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "pool/rank.h"
#include "pool/rules/poolfiles.h"

TFormBolao *FormBolao = nullptr;

namespace {

// A name too long for the list ends in "…"; the whole name is its tooltip and what a screen
// reader says.
void addName(QListWidget *list, const QString &name)
{
    auto *item = new QListWidgetItem(name, list);
    item->setToolTip(name);
    item->setData(Qt::AccessibleTextRole, name);
}

QWidget *makePopup(QWidget *parent, const QRect &bounds)
{
    auto *panel = new QWidget(parent);
    panel->setGeometry(bounds);
    panel->setAutoFillBackground(true);
    return panel;
}

// Columns of the ranking sub-menu that lie over the hub's buttons (their right ends reach x 273).
constexpr int RankMenuCut = 9;

} // namespace

TFormBolao::TFormBolao(QWidget *parent) : ScreenForm(QStringLiteral("FormBolao"), parent)
{
    PanelBolao = new Panel(this, {48, 16, PanelWidth, PanelHeight});
    addCentredPanel(PanelBolao);
    ImBolao = new TFocusImage(PanelBolao, {0, 0, PanelWidth, PanelHeight});
    ImBolao->setBackdrop();
    fiUsers = new TFocusImage(PanelBolao, {24, 178, 246, 52});
    fiAposta = new TFocusImage(PanelBolao, {24, 239, 246, 52});
    fiRank = new TFocusImage(PanelBolao, {25, 299, 246, 52});
    fiRegras = new TFocusImage(PanelBolao, {27, 357, 246, 53});
    fiSair = new TFocusImage(PanelBolao, {472, 384, 142, 53});

    PanelUsers = makePopup(PanelBolao, {274, 157, 365, 220});
    ImUsers = new PictureBox(PanelUsers);
    ImUsers->setGeometry(0, 0, 365, 294);
    BtAposta = new TFocusImage(PanelUsers, {121, 14, 81, 30});
    BtOK = new TFocusImage(PanelUsers, {168, 56, 73, 33});
    BtRemove = new TFocusImage(PanelUsers, {248, 56, 81, 33});
    LbUsers = new QListWidget(PanelUsers);
    LbUsers->setGeometry(8, 16, 113, 201);
    LbUsers->setSelectionMode(QAbstractItemView::SingleSelection);
    LbUsers->setUniformItemSizes(true);
    LbUsers->setStyleSheet(QStringLiteral("QListWidget { font-size: 11px; }"
                                          "QListWidget::item { height: 13px; padding: 0px; }"));
    Nome = new QLineEdit(PanelUsers);
    Nome->setGeometry(168, 32, 129, 21);
    htmlDados = new HtmlView(PanelUsers);
    htmlDados->setGeometry(253, 124, 24, 75);
    htmlDados->setDefaultBackground(Qt::white);
    htmlDados->setDefaultFontFace(QStringLiteral("Times New Roman"), 10);
    htmlDados->setFixedFontFace(QStringLiteral("Courier New"));
    htmlDados->setBorder(HtmlView::Border::None);
    htmlDados->setScrollBarsVisible(false);
    htmlDados->setSelectable(true);
    setTabOrder(LbUsers, Nome);

    PanelRanking = makePopup(PanelBolao, {265, 297, 151, 110});
    // The sub-menu's left strip lies over the rounded ends of "Ranking" and "Regras": it is cut
    // away, so those buttons show whole (and take their clicks) and the frame starts beside them.
    PanelRanking->setMask(QRegion(RankMenuCut, 0, 151 - RankMenuCut, 110));
    imRanking = new PictureBox(PanelRanking);
    imRanking->setGeometry(0, 0, 151, 110);
    fiGeral = new TFocusImage(PanelRanking, {0, 2, 149, 52}, QStringLiteral("Geral"));
    fiRodada = new TFocusImage(PanelRanking, {0, 53, 149, 52}, QStringLiteral("Rodada"));

    setAccessibleName(QStringLiteral("Bolão"));
    const std::pair<TFocusImage *, const char *> labels[] = {
        {fiUsers, "Participantes"}, {fiAposta, "Apostas"}, {fiRank, "Ranking"},
        {fiRegras, "Regras"},       {fiSair, "Voltar"},    {BtAposta, "Apostar"},
        {BtOK, "Incluir"},          {BtRemove, "Excluir"}, {fiGeral, "Geral"},
        {fiRodada, "Por rodada"}};
    for (const auto &[button, label] : labels)
        button->setAccessibleName(QString::fromUtf8(label));
    ImBolao->setAccessibleName(QStringLiteral("Bolão"));
    LbUsers->setAccessibleName(QStringLiteral("Participantes"));
    Nome->setAccessibleName(QStringLiteral("Nome"));
    htmlDados->setAccessibleName(QStringLiteral("Pontuação"));
    // The participants pop-up's list, name box and buttons come first when it is open; the
    // ranking sub-menu's buttons follow the button that opens it.
    setTabOrderChain({LbUsers, Nome, htmlDados, BtAposta, BtOK, BtRemove, fiUsers, fiAposta, fiRank,
                      fiGeral, fiRodada, fiRegras, fiSair});
    addBackButton(fiSair);
    // Return in the name box registers, as the register button does.
    connect(Nome, &QLineEdit::returnPressed, BtOK, [this] {
        if (BtOK->isVisible())
            BtOK->click();
    });

    bolaoHover.setBackground(ImBolao);
    rankHover.setBackground(imRanking);
    userHover.setBackground(ImUsers);
    apostarHover.setBackground(ImUsers);
    for (TFocusImage *button : {fiUsers, fiAposta, fiRank, fiRegras, fiSair})
        bolaoHover.bind(button);
    for (TFocusImage *button : {fiGeral, fiRodada})
        rankHover.bind(button);
    for (TFocusImage *button : {BtOK, BtRemove})
        userHover.bind(button);
    apostarHover.bind(BtAposta);

    bindClick(fiUsers, this, [this] { fiUsersClick(fiUsers, UsersMode::Registering); });
    bindClick(fiAposta, this, [this] { fiUsersClick(fiAposta, UsersMode::Betting); });
    bindClick(BtOK, this, [this] { BtOKClick(); });
    bindClick(BtRemove, this, [this] { BtRemoveClick(); });
    bindClick(BtAposta, this, [this] { BtApostaClick(); });
    bindClick(fiRank, this, [this] { fiRankClick(); });
    bindClick(ImBolao, this, [this] { ImBolaoClick(); });
    bindClick(fiGeral, this, [this] { fiGeralClick(); });
    bindClick(fiRodada, this, [this] { fiRodadaClick(); });
    bindClick(fiRegras, this, [this] { fiRegrasClick(); });
    bindClick(fiSair, this, [this] { fiSairClick(); });
    connect(LbUsers, &QListWidget::itemClicked, this,
            [this] { guarded(this, [this] { LbUsersClick(); }); });
    // Return on a participant chosen with the arrow keys takes it, as a click does: chosen too
    // when the list only showed where its focus was, so the counters on view are always those
    // of the participant "Apostar" takes.
    connect(LbUsers, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        guarded(this, [this, item] {
            LbUsers->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
            LbUsersClick();
        });
    });

    registerPlace(Place::PoolHub, this, PanelBolao);
    guarded(this, [this] { FormCreate(); });
}

void TFormBolao::FormCreate()
{
    ImBolao->loadPictureIfExists(DataDir(), QStringLiteral("bolao.bmp"));
    imRanking->loadPictureIfExists(DataDir(), QStringLiteral("rank.bmp"));
    PanelUsers->hide();
    PanelRanking->hide();
    LbUsers->setSelectionMode(QAbstractItemView::SingleSelection);
    maximise();
    bolaoHover.load(QStringLiteral("bolaoon.bmp"), QStringLiteral("bolao.bmp"));
    rankHover.load(QStringLiteral("rankon.bmp"), QStringLiteral("rank.bmp"));
    userHover.load(QStringLiteral("useron.bmp"), QStringLiteral("user.bmp"));
    apostarHover.load(QStringLiteral("apostaron.bmp"), QStringLiteral("apostar.bmp"));
}

void TFormBolao::FormClose()
{
    goTo(this, Place::ChampionshipMenu);
}

void TFormBolao::fiUsersClick(TFocusImage *sender, UsersMode mode)
{
    BtOK->hide();
    BtRemove->hide();
    BtAposta->hide();
    PanelRanking->hide();
    LbUsers->clear();
    Nome->clear();

    // Nothing is selected yet, so no participant's counters show: the counters are always
    // those of the selected participant, or none.
    const QStringList list = Pool::readList(PoolDir());
    for (const QString &name : list)
        addName(LbUsers, name);
    LbUsers->setCurrentRow(-1);
    LbUsers->clearSelection();
    htmlDados->setPage(QString());

    if (mode == UsersMode::Registering) {
        BtOK->show();
        BtRemove->show();
        Nome->show();
        ImUsers->loadPictureIfExists(DataDir(), QStringLiteral("user.bmp"));
    } else {
        BtAposta->show();
        PanelRanking->hide();
        Nome->hide();
        ImUsers->loadPictureIfExists(DataDir(), QStringLiteral("apostar.bmp"));
    }
    PanelUsers->show();
    PanelUsers->raise();
    // Opened from the keyboard: the focus goes where the typing is.
    if (sender && sender->hasFocus()) {
        if (Nome->isVisibleTo(this))
            Nome->setFocus(Qt::TabFocusReason);
        else
            LbUsers->setFocus(Qt::TabFocusReason);
    }
}

void TFormBolao::BtOKClick()
{
    const QString name = Nome->text();
    const Pool::Registration result = Pool::registerParticipant(DataDir(), PoolDir(), name);
    // The list box shows the name only once both files hold it.
    if (result.registered)
        addName(LbUsers, name);
    inform(this, result.message);
    Nome->clear();
}

void TFormBolao::BtRemoveClick()
{
    // An empty box means nothing is chosen, unless the chosen entry is a blank line put into the
    // list by hand: that line can only leave the list this way.
    const QListWidgetItem *chosen = LbUsers->currentItem();
    const bool blankChosen = chosen && chosen->isSelected() && chosen->text().isEmpty();
    if (Nome->text().isEmpty() && !blankChosen) {
        inform(this, Pool::MsgSelectToRemove);
        return;
    }
    const Pool::Removal result = Pool::removeParticipant(PoolDir(), Nome->text());
    if (!result.found) {
        inform(this, Pool::MsgSelectToRemove);
        return;
    }
    for (int i = 0; i < LbUsers->count(); ++i)
        if (LbUsers->item(i)->text().compare(result.removedName, Qt::CaseInsensitive) == 0) {
            delete LbUsers->takeItem(i);
            break;
        }
    // Taking the item moves the list's current row to a neighbour; the counters on view were the
    // removed participant's. Nothing stays selected and no counters show.
    LbUsers->setCurrentRow(-1);
    LbUsers->clearSelection();
    htmlDados->setPage(QString());
    if (result.fileDeleted)
        inform(this, Pool::MsgRemoved);
    Nome->clear();
}

void TFormBolao::LbUsersClick()
{
    QListWidgetItem *item = LbUsers->currentItem();
    if (!item)
        return;
    Nome->setText(item->text());
    showCounters(item->text());
}

void TFormBolao::showCounters(const QString &name)
{
    htmlDados->setPage(Pool::countersPage(Pool::readParticipant(PoolDir(), name), name));
}

void TFormBolao::BtApostaClick()
{
    if (LbUsers->count() >= 1) {
        const QList<QListWidgetItem *> selected = LbUsers->selectedItems();
        if (selected.isEmpty()) {
            inform(this, QStringLiteral("Selecione um participante."));
        } else {
            CurrentUser = selected.first()->text();
            goTo(this, Place::BetEntry);
        }
    }
    Nome->clear();
}

void TFormBolao::fiRankClick()
{
    PanelRanking->show();
    PanelRanking->raise();
    PanelUsers->hide();
    if (fiRank->hasFocus())
        fiGeral->setFocus(Qt::TabFocusReason);
}

void TFormBolao::escapePressed()
{
    // Escape first closes an open pop-up, as a click on the picture does; then it leaves.
    if (PanelUsers->isVisible() || PanelRanking->isVisible()) {
        ImBolao->click();
        return;
    }
    ScreenForm::escapePressed();
}

void TFormBolao::ImBolaoClick()
{
    PanelRanking->hide();
    PanelUsers->hide();
}

void TFormBolao::fiGeralClick()
{
    goTo(this, Place::Ranking);
    FormRank->showOverallMode();
}

void TFormBolao::fiRodadaClick()
{
    goTo(this, Place::Ranking);
    FormRank->showRoundMode();
}

void TFormBolao::fiRegrasClick()
{
    goTo(this, Place::PoolRules);
}

void TFormBolao::fiSairClick()
{
    goTo(this, Place::StartPanel);
}
