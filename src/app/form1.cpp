#include "app/form1.h"

#include "championship/tabela.h"
#include "frame/navigation.h"
#include "platform/choosers.h"
#include "platform/datadirs.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/seasoncopies.h"
#include "platform/textfile.h"
#include "pool/rules/newseason.h"
#include "pool/rules/poolfiles.h"

#include <QCoreApplication>
#include <QDir>

#include <QEvent>

TForm1 *Form1 = nullptr;

TForm1::TForm1(QWidget *parent) : ScreenForm(QStringLiteral("Form1"), parent)
{
    closesProgram = true;
    setWindowFlag(Qt::WindowStaysOnTopHint);
    resize(688, 524);

    PanelAbertura = new Panel(this, {24, 16, 640, 480});
    ImAbertura = new PictureBox(PanelAbertura);
    ImAbertura->setGeometry(0, 0, 640, 480);
    PanelInicio = new Panel(this, {56, 60, 640, 480});
    ImInicio = new PictureBox(PanelInicio);
    ImInicio->setGeometry(0, 0, 640, 480);

    fiTabela = new TFocusImage(PanelAbertura, {32, 144, 241, 57});
    fiClassifica = new TFocusImage(PanelAbertura, {32, 206, 241, 56});
    fiTimes = new TFocusImage(PanelAbertura, {31, 266, 243, 56});
    fiRegulamento = new TFocusImage(PanelAbertura, {30, 327, 243, 56});
    fiHistoria = new TFocusImage(PanelAbertura, {30, 386, 243, 56});
    FocusImage1 = new TFocusImage(PanelAbertura, {480, 385, 145, 57});
    fiVelurino = new TFocusImage(PanelInicio, {56, 128, 209, 225});
    fiBolao = new TFocusImage(PanelInicio, {368, 128, 217, 225});
    fiOut = new TFocusImage(PanelInicio, {472, 400, 153, 53});
    fiCopiar = new TFocusImage(PanelAbertura, {300, 304, 160, 36});
    fiCopiar->setAccessibleName(QStringLiteral("Copiar temporada"));
    fiRestaurar = new TFocusImage(PanelAbertura, {466, 304, 159, 36});
    fiRestaurar->setAccessibleName(QStringLiteral("Restaurar uma cópia da temporada"));
    fiNovaTemporada = new TFocusImage(PanelAbertura, {300, 344, 160, 36});
    fiNovaTemporada->setAccessibleName(QStringLiteral("Nova temporada"));

    // The red card beside the exit button; it takes no mouse input, so hovering it is still
    // hovering the button underneath.
    cartao = new QWidget(PanelInicio);
    cartao->setGeometry(504, 414, 19, 25);
    cartao->setAutoFillBackground(true);
    QPalette red = cartao->palette();
    red.setColor(QPalette::Window, Qt::red);
    cartao->setPalette(red);
    cartao->setEnabled(false);
    cartao->setAttribute(Qt::WA_TransparentForMouseEvents);

    addCentredPanel(PanelAbertura);
    addCentredPanel(PanelInicio);

    menuHover.setBackground(ImAbertura);
    startHover.setBackground(ImInicio);
    for (TFocusImage *button : {fiTabela, fiClassifica, fiTimes, fiRegulamento, fiHistoria,
                                FocusImage1, fiCopiar, fiRestaurar, fiNovaTemporada})
        menuHover.bind(button);
    for (TFocusImage *button : {fiVelurino, fiBolao, fiOut})
        startHover.bind(button);
    connect(fiOut, &TFocusImage::OnMouseEnter, cartao, &QWidget::show);
    connect(fiOut, &TFocusImage::OnMouseLeave, cartao, &QWidget::hide);

    bindClick(fiTabela, this, [this] { fiTabelaClick(); });
    bindClick(fiClassifica, this, [this] { fiClassificaClick(); });
    bindClick(fiTimes, this, [this] { fiTimesClick(); });
    bindClick(fiRegulamento, this, [this] { fiRegulamentoClick(); });
    bindClick(fiHistoria, this, [this] { fiHistoriaClick(); });
    bindClick(FocusImage1, this, [this] { fiSairClick(); });
    bindClick(fiVelurino, this, [this] { fiVelurinoClick(); });
    bindClick(fiBolao, this, [this] { fiBolaoClick(); });
    bindClick(fiOut, this, [this] { fiOutClick(); });
    bindClick(fiCopiar, this, [this] { fiCopiarClick(); });
    bindClick(fiRestaurar, this, [this] { fiRestaurarClick(); });
    bindClick(fiNovaTemporada, this, [this] { fiNovaTemporadaClick(); });

    const std::pair<TFocusImage *, const char *> labels[] = {{fiTabela, "Tabela"},
                                                             {fiClassifica, "Classificação"},
                                                             {fiTimes, "Times"},
                                                             {fiRegulamento, "Regulamento"},
                                                             {fiHistoria, "História"},
                                                             {FocusImage1, "Voltar"},
                                                             {fiVelurino, "Campeonato"},
                                                             {fiBolao, "Bolão"},
                                                             {fiOut, "Sair"}};
    for (const auto &[button, label] : labels)
        button->setAccessibleName(QString::fromUtf8(label));
    // The start panel's buttons first, so that the first focus never falls under it on the menu.
    setTabOrderChain({fiVelurino, fiBolao, fiOut, fiTabela, fiClassifica, fiTimes, fiCopiar,
                      fiRestaurar, fiRegulamento, fiNovaTemporada, fiHistoria, FocusImage1});
    addBackButton(fiOut);
    addBackButton(FocusImage1);
    PanelInicio->installEventFilter(this);
    updateScreenName();

    registerPlace(Place::StartPanel, this, PanelInicio);
    registerPlace(Place::ChampionshipMenu, this, PanelAbertura);

    guarded(this, [&] { FormCreate(); });
}

void TForm1::FormCreate()
{
    cartao->hide();
    menuHover.load(QStringLiteral("fundoon.bmp"), QStringLiteral("abertura.bmp"));
    startHover.load(QStringLiteral("inicioon.bmp"), QStringLiteral("inicio.bmp"));
    ImAbertura->loadPictureIfExists(DataDir(), QStringLiteral("abertura.bmp"));
    ImInicio->loadPictureIfExists(DataDir(), QStringLiteral("inicio.bmp"));
    maximise();
}

void TForm1::fiTabelaClick()
{
    goTo(this, Place::RoundTable);
}

void TForm1::fiClassificaClick()
{
    goTo(this, Place::Standings);
}

void TForm1::fiTimesClick()
{
    goTo(this, Place::Teams);
}

void TForm1::fiRegulamentoClick()
{
    goTo(this, Place::Regulation);
}

void TForm1::fiHistoriaClick()
{
    goTo(this, Place::History);
}

void TForm1::fiSairClick()
{
    PanelInicio->setVisible(true);
    PanelAbertura->setVisible(false);
}

void TForm1::fiVelurinoClick()
{
    PanelAbertura->setVisible(true);
    PanelInicio->setVisible(false);
}

void TForm1::fiBolaoClick()
{
    goTo(this, Place::PoolHub);
}

void TForm1::fiOutClick()
{
    if (confirm(this, QStringLiteral("Deseja realmente sair?")))
        close();
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == PanelInicio && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        updateScreenName();
    return ScreenForm::eventFilter(watched, event);
}

void TForm1::updateScreenName()
{
    setAccessibleName(PanelInicio->isVisibleTo(this) ? QStringLiteral("Início")
                                                     : QStringLiteral("Campeonato"));
}

void TForm1::FormClose()
{
    menuHover.release();
    startHover.release();
    emit programClosed();
}

namespace {

QString copiesDir()
{
    return SeasonCopies::copiesDirFor(DataDir());
}

QString whenText(const QDateTime &when)
{
    return when.toString(QStringLiteral("dd/MM/yyyy 'às' HH:mm:ss"));
}

// The season as installed with the program, when the program was installed; a build or portable
// copy has none, and a new season then starts from the season's own files.
QString installedSeasonDir()
{
    const QString dir = QDir(QCoreApplication::applicationDirPath())
                            .filePath(QStringLiteral("../share/velurino/dados"));
    return TextFile::exists(dir, QStringLiteral("Rodada.txt")) ? QDir::cleanPath(dir) : QString();
}

} // namespace

QString TForm1::copySeason()
{
    return SeasonCopies::makeCopy(DataDir(), copiesDir(), QDateTime::currentDateTime());
}

void TForm1::seasonReplaced()
{
    // Every other screen reads the files afresh when shown; the round table keeps its state and
    // the pool hub its chosen participant, so both start over.
    CurrentUser.clear();
    if (FormTabela)
        FormTabela->reloadSeason();
}

void TForm1::fiCopiarClick()
{
    inform(this, QStringLiteral("Cópia da temporada gravada em \"%1\".")
                     .arg(QDir::toNativeSeparators(copySeason())));
}

void TForm1::fiRestaurarClick()
{
    const QList<SeasonCopies::CopyInfo> copies = SeasonCopies::listCopies(copiesDir());
    if (copies.isEmpty()) {
        inform(this, QStringLiteral("Nenhuma cópia da temporada foi encontrada em \"%1\".")
                         .arg(QDir::toNativeSeparators(copiesDir())));
        return;
    }
    QStringList items;
    for (const SeasonCopies::CopyInfo &copy : copies)
        items << whenText(copy.when) + QStringLiteral(" - ") + NewSeason::describeCopy(copy.path);
    const std::optional<int> chosen = Choosers::chooseItem(
        this, QStringLiteral("Escolha a cópia da temporada a restaurar:"), items);
    if (!chosen)
        return;
    const SeasonCopies::CopyInfo &copy = copies.at(*chosen);
    if (!confirm(this, QStringLiteral("Restaurar a cópia de %1? Todos os arquivos da temporada "
                                      "atual serão substituídos pelos da cópia; antes disso, uma "
                                      "cópia da temporada atual será gravada.")
                           .arg(whenText(copy.when))))
        return;
    const QString safety = copySeason();
    SeasonCopies::restoreCopy(copy.path, DataDir());
    seasonReplaced();
    inform(this, QStringLiteral("Temporada restaurada da cópia de %1. A temporada anterior foi "
                                "copiada em \"%2\".")
                     .arg(whenText(copy.when), QDir::toNativeSeparators(safety)));
}

void TForm1::fiNovaTemporadaClick()
{
    if (!confirm(this, QStringLiteral("Começar uma nova temporada? Os resultados e os palpites "
                                      "serão apagados; antes disso, uma cópia da temporada atual "
                                      "será gravada.")))
        return;
    const bool keep = confirm(this, QStringLiteral("Manter os participantes do bolão "
                                                   "cadastrados, com os palpites apagados?"));
    // Everything is read and checked before the copy, so a damaged file stops both.
    NewSeason::changes(DataDir(), PoolDir(), keep, installedSeasonDir());
    const QString safety = copySeason();
    NewSeason::start(DataDir(), PoolDir(), keep, installedSeasonDir());
    seasonReplaced();
    inform(this, QStringLiteral("Nova temporada iniciada. A temporada anterior foi copiada em "
                                "\"%1\".")
                     .arg(QDir::toNativeSeparators(safety)));
}
