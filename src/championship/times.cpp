#include "championship/times.h"

#include "championship/rules/teamdetails.h"
#include "frame/navigation.h"
#include "frame/simplescreen.h"
#include "platform/browser.h"
#include "platform/datadirs.h"
#include "platform/guard.h"
#include "platform/messages.h"

TFormTimes *FormTimes = nullptr;

namespace {

struct TeamPicture
{
    QRect bounds;
    const char *key;  // the club's name in "times.txt" and in its picture files
    const char *name; // as a screen reader says it
};

// Four columns, six rows; the keys run alphabetically left to right, top to bottom.
const TeamPicture TeamGrid[22] = {
    {{15, 10, 148, 79}, "Alvorada", "Alvorada"},
    {{163, 11, 148, 79}, "Aurense", "Aurense"},
    {{311, 9, 148, 80}, "Brisamar", "Brisamar"},
    {{459, 10, 148, 79}, "Caravela", "Caravela"},
    {{15, 88, 148, 70}, "Cometa", "Cometa"},
    {{163, 89, 148, 67}, "Cordilheira", "Cordilheira"},
    {{311, 88, 148, 69}, "Estrela", "Estrela"},
    {{459, 88, 148, 68}, "Farol", "Farol"},
    {{15, 157, 148, 69}, "Ferroviario", "Ferroviário"},
    {{163, 155, 148, 71}, "Gaviao", "Gavião"},
    {{311, 156, 148, 67}, "Jequitiba", "Jequitibá"},
    {{459, 155, 148, 71}, "Lagoense", "Lagoense"},
    {{15, 225, 148, 66}, "Marujos", "Marujos"},
    {{163, 225, 148, 68}, "Mirante", "Mirante"},
    {{311, 222, 148, 70}, "Operario", "Operário"},
    {{459, 225, 148, 67}, "Pioneiro", "Pioneiro"},
    {{15, 290, 148, 71}, "Ribeirinho", "Ribeirinho"},
    {{163, 292, 148, 69}, "Serrano", "Serrano"},
    {{311, 291, 148, 75}, "Tropeiro", "Tropeiro"},
    {{459, 291, 148, 74}, "Uniao", "União"},
    {{15, 360, 148, 79}, "Ventania", "Ventania"},
    {{163, 360, 148, 76}, "Veraneio", "Veraneio"},
};

} // namespace

TFormTimes::TFormTimes(QWidget *parent) : ScreenForm(QStringLiteral("FormTimes"), parent)
{
    const SimpleScreenParts grid = makeScreenPanel(this, {32, 16, PanelWidth, PanelHeight});
    PanelTimes = grid.panel;
    ImTimes = grid.background;
    for (int i = 0; i < 22; ++i) {
        teamPictures[i] =
            new TFocusImage(PanelTimes, TeamGrid[i].bounds, QString::fromLatin1(TeamGrid[i].key));
        teamPictures[i]->setAccessibleName(QString::fromUtf8(TeamGrid[i].name));
        connect(teamPictures[i], &TFocusImage::clicked, this, [this](TFocusImage *sender) {
            guarded(this, [this, sender] { TimeClick(sender); });
        });
    }
    TFocusImage **named[22] = {
        &FocusImage1,  &ImTime,       &FocusImage2,  &FocusImage3,  &FocusImage4,  &FocusImage5,
        &FocusImage6,  &FocusImage7,  &FocusImage8,  &FocusImage9,  &FocusImage10, &FocusImage11,
        &FocusImage12, &FocusImage13, &FocusImage14, &FocusImage15, &FocusImage16, &FocusImage17,
        &FocusImage18, &FocusImage19, &FocusImage20, &FocusImage21};
    for (int i = 0; i < 22; ++i)
        *named[i] = teamPictures[i];
    ImTimesSair = new TFocusImage(PanelTimes, {480, 387, 145, 56});

    const SimpleScreenParts details = makeScreenPanel(this, {136, 72, PanelWidth, PanelHeight});
    PanelDetalhe = details.panel;
    ImDetalhe = details.background;
    TitleDetalhe = new PageTitle(PanelDetalhe);
    ImEscudo = new PictureBox(PanelDetalhe);
    ImEscudo->setGeometry(36, 80, 121, 113);
    ImMascote = new PictureBox(PanelDetalhe);
    ImMascote->setGeometry(36, 200, 121, 185);
    ImSairDetalhes = new TFocusImage(PanelDetalhe, {480, 387, 145, 56});
    htmlDetalhe = new HtmlView(PanelDetalhe);
    htmlDetalhe->setGeometry(224, 80, 385, 305);
    htmlDetalhe->setDefaultBackground(Qt::white);
    htmlDetalhe->setDefaultFontFace(QStringLiteral("Times New Roman"), 8);
    htmlDetalhe->setFixedFontFace(QStringLiteral("Courier New"));
    htmlDetalhe->setBorder(HtmlView::Border::WhenFocused);
    htmlDetalhe->setSelectable(true);
    styleScrollBars(htmlDetalhe);

    setAccessibleName(QStringLiteral("Times"));
    ImTimesSair->setAccessibleName(QStringLiteral("Voltar"));
    ImSairDetalhes->setAccessibleName(QStringLiteral("Voltar"));
    htmlDetalhe->setAccessibleName(QStringLiteral("Detalhes do time"));
    // The clubs in reading order (the arrow keys move between them too), then the way back;
    // the details panel's page before its own way back.
    QWidget *previous = teamPictures[0];
    for (TFocusImage *picture : teamPictures) {
        if (picture != previous)
            setTabOrder(previous, picture);
        previous = picture;
    }
    setTabOrderChain({previous, ImTimesSair, htmlDetalhe, ImSairDetalhes});
    addBackButton(ImSairDetalhes);
    addBackButton(ImTimesSair);

    hover.setBackground(ImTimes);
    for (TFocusImage *picture : teamPictures)
        hover.bind(picture);
    hover.bind(ImTimesSair);
    bindPictureSwap(ImSairDetalhes);
    bindClick(ImTimesSair, this, [this] { fiTimesSairClick(); });
    bindClick(ImSairDetalhes, this, [this] { ImSairDetalhesClick(); });
    connect(htmlDetalhe, &HtmlView::hotSpotClicked, this, [this](const QString &url) {
        guarded(this, [this, url] { htmlDetalheHotSpotClick(url); });
    });

    registerPlace(Place::Teams, this, PanelTimes);
    guarded(this, [this] { FormCreate(); });
}

void TFormTimes::FormCreate()
{
    ImTimes->loadPictureIfExists(DataDir(), QStringLiteral("times.bmp"));
    ImDetalhe->loadPictureIfExists(DataDir(), QStringLiteral("classifica.bmp"));
    htmlDetalhe->setPictureDir(DataDir());
    // Each showing starts on the grid, whatever the last bitmaps load did.
    PanelTimes->setVisible(true);
    PanelDetalhe->setVisible(false);
    setAccessibleName(QStringLiteral("Times"));
    hover.load(QStringLiteral("timeson.bmp"), QStringLiteral("times.bmp"));
    maximise();
}

void TFormTimes::FormShow()
{
    FormCreate();
}

void TFormTimes::TimeClick(TFocusImage *sender)
{
    const QString key = sender->Hint;
    // The page is read first: a damaged section is refused before anything on screen changes.
    const std::optional<QString> page = TeamDetails::readDetailsPage(DataDir(), key);
    // A club without its own pictures keeps the ones shown before.
    ImEscudo->loadPictureIfExists(DataDir() + QStringLiteral("escudo/"),
                                  key + QStringLiteral(".bmp"));
    ImMascote->loadPictureIfExists(DataDir() + QStringLiteral("mascote/"),
                                   key + QStringLiteral(".bmp"));
    const QString club = TeamDetails::readDisplayName(DataDir(), key);
    TitleDetalhe->setTexts(club);
    // A screen reader names the window after the club on view.
    setAccessibleName(club);
    if (!page)
        inform(this, QStringLiteral("Erro. Reinstale o programa."));
    htmlDetalhe->setPage(page.value_or(QString()));
    PanelDetalhe->setVisible(true);
    PanelTimes->setVisible(false);
}

void TFormTimes::ImSairDetalhesClick()
{
    PanelTimes->setVisible(true);
    PanelDetalhe->setVisible(false);
    setAccessibleName(QStringLiteral("Times"));
}

void TFormTimes::fiTimesSairClick()
{
    goTo(this, Place::ChampionshipMenu);
}

void TFormTimes::htmlDetalheHotSpotClick(const QString &url)
{
    // Only web and mail addresses leave the program; a link to anything else is ignored.
    if (!Browser::isWebAddress(url))
        return;
    if (!openWebAddress(url))
        stopBox(this, QStringLiteral("Campeontato Velurino"),
                QStringLiteral("Não existe browser instalado em seu computador               ."));
}

void TFormTimes::FormClose()
{
    goTo(this, Place::ChampionshipMenu);
    hover.release();
}
