// The layout of every picture: button rectangles (the hot spots of the screens, in picture
// pixels), the wells left for controls, and the captions. A screen with a hover has a plain and
// a lit picture that differ only inside the button rectangles, because the hover copies those
// rectangles from one onto the other.
#include "screens.h"

#include "clubs.h"
#include "style.h"

#include <QDir>
#include <QImage>
#include <QList>

#include <functional>

namespace pictures {

namespace {

struct Screen
{
    QString plainFile;
    QString litFile; // empty: the screen has no region-copy hover
    QImage backdrop;
    std::function<void(QPainter &)> decorate;
    QList<Button> buttons;
};

struct Rendered
{
    QImage plain;
    QImage lit;
};

Rendered render(const Screen &screen)
{
    QImage scene = screen.backdrop.copy();
    {
        QPainter p(&scene);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        screen.decorate(p);
    }
    return {withButtons(scene, screen.backdrop, screen.buttons, ButtonState::Plain),
            withButtons(scene, screen.backdrop, screen.buttons, ButtonState::Lit)};
}

// The exit button of the text pages, the standings and the team details sits at the same place
// on each, and one pair of small pictures serves them all.
const QRect kPageExit(480, 387, 145, 56);
const QString kBack = QStringLiteral("Voltar");

// "Imprimir" and "Exportar" of the standings and the ranking: two small plaques under the exit
// button, where both screens have room beside their tables.
const QString kPrint = QStringLiteral("Imprimir");
const QString kExport = QStringLiteral("Exportar");
constexpr int kSmallLabel = 13;
const QList<Button> kStandingsTableButtons = {
    {QRect(480, 446, 71, 30), kPrint, {}, 0, kSmallLabel},
    {QRect(554, 446, 71, 30), kExport, {}, 0, kSmallLabel}};
const QList<Button> kRankingTableButtons = {{QRect(472, 440, 71, 36), kPrint, {}, 0, kSmallLabel},
                                            {QRect(546, 440, 71, 36), kExport, {}, 0, kSmallLabel}};

// "Posições": the chart of one club's or participant's place round by round, in the room between
// the legend and the exit button.
const QString kPlaces = QStringLiteral("Posições");
const Button kStandingsPlacesButton{QRect(480, 346, 145, 34), kPlaces, {}, 0, 15};
const Button kRankingPlacesButton{QRect(472, 334, 145, 40), kPlaces, {}, 0, 15};

// Who can still win: the most points still within reach and the two marks beside it.
const QList<QString> kRaceLegend = {
    QStringLiteral("Máx  teto de pontos"),
    QStringLiteral("C  já é campeão"),
    QStringLiteral("F  fora da disputa"),
};

// The team grid's cells, in the key order of the club table.
const QRect kTeamCells[22] = {
    {15, 10, 148, 79},  {163, 11, 148, 79},  {311, 9, 148, 80},   {459, 10, 148, 79},
    {15, 88, 148, 70},  {163, 89, 148, 67},  {311, 88, 148, 69},  {459, 88, 148, 68},
    {15, 157, 148, 69}, {163, 155, 148, 71}, {311, 156, 148, 67}, {459, 155, 148, 71},
    {15, 225, 148, 66}, {163, 225, 148, 68}, {311, 222, 148, 70}, {459, 225, 148, 67},
    {15, 290, 148, 71}, {163, 292, 148, 69}, {311, 291, 148, 75}, {459, 291, 148, 74},
    {15, 360, 148, 79}, {163, 360, 148, 76},
};

const QList<QString> kPoolLegend = {
    QStringLiteral("AC  placar exato"),
    QStringLiteral("AR  resultado certo"),
    QStringLiteral("AG  gols de um time"),
    QStringLiteral("PG  3 × AC + AR + AG"),
};

// The counters page of a participant shows PG, AC, AR, AG one under another in a 13-pixel
// font; the labels beside it follow those lines.
void drawCounterLabels(QPainter &p)
{
    drawCaption(p, QRect(196, 104, 100, 16), QStringLiteral("Pontuação"), 12, Qt::AlignCenter,
                palette::kGold);
    drawWell(p, QRect(253, 124, 24, 75), {2, 2, 2, 2});
    const char *names[] = {"PG", "AC", "AR", "AG"};
    const char *meanings[] = {"pontos", "placar exato", "resultado", "gols"};
    for (int i = 0; i < 4; ++i) {
        const int top = 128 + 15 * i;
        drawCaption(p, QRect(200, top, 48, 15), QString::fromLatin1(names[i]), 12,
                    Qt::AlignRight | Qt::AlignVCenter);
        drawCaption(p, QRect(283, top, 78, 15), QString::fromLatin1(meanings[i]), 10,
                    Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void drawParticipantList(QPainter &p)
{
    drawCaption(p, QRect(8, 1, 113, 15), QStringLiteral("Participantes"), 11,
                Qt::AlignLeft | Qt::AlignVCenter, palette::kGold);
    drawWell(p, QRect(8, 16, 113, 201), {2, 1, 0, 2});
}

void drawRankingPage(QPainter &p, const QString &title, const QString &tagline, bool race)
{
    drawTitleBand(p, QStringLiteral("Ranking do bolão"));
    drawHeading(p, QRect(16, 72, 400, 96), title, tagline);
    if (race)
        drawLegend(p, QRect(432, 80, 192, 208), QStringLiteral("Pontuação"),
                   kPoolLegend + kRaceLegend +
                       QList<QString>{QStringLiteral("Máx, C e F contam após Atualizar ranking")},
                   4);
    else
        drawLegend(p, QRect(432, 80, 192, 118), QStringLiteral("Pontuação"), kPoolLegend);
    // No well under the table: the table is only as tall as its rows, and a well reaching the
    // panel's edge would stand empty below them.
}

QList<Screen> screens()
{
    const QImage pitch = pitchBackdrop();
    QList<Screen> list;

    list.append({QStringLiteral("inicio.bmp"),
                 QStringLiteral("inicioon.bmp"),
                 pitch,
                 [](QPainter &p) {
                     drawTitleBand(p, QStringLiteral("Temporada oficial"));
                     drawCaption(p, QRect(0, 80, 640, 30),
                                 QStringLiteral("Escolha uma seção para começar"), 17,
                                 Qt::AlignCenter, palette::kGold);
                     drawCaption(p, QRect(46, 360, 229, 36),
                                 QStringLiteral("Tabela, classificação, times e a história"), 12,
                                 Qt::AlignHCenter | Qt::AlignTop);
                     drawCaption(p, QRect(358, 360, 237, 36),
                                 QStringLiteral("Participantes, apostas e ranking do bolão"), 12,
                                 Qt::AlignHCenter | Qt::AlignTop);
                 },
                 {{QRect(56, 128, 209, 225), QStringLiteral("Campeonato"), drawTrophy},
                  {QRect(368, 128, 217, 225), QStringLiteral("Bolão"), drawBall},
                  // The red card of the hover stands at 504..523: the label starts right of it.
                  {QRect(472, 400, 153, 53), QStringLiteral("Sair"), {}, 56}}});

    list.append({QStringLiteral("abertura.bmp"),
                 QStringLiteral("fundoon.bmp"),
                 pitch,
                 [](QPainter &p) {
                     drawTitleBand(p, QStringLiteral("Menu do campeonato"));
                     drawHeading(p, QRect(32, 70, 400, 66), QStringLiteral("Campeonato"),
                                 QStringLiteral("Escolha uma opção"));
                     drawTrophy(p, QRectF(410, 96, 120, 120));
                     drawCaption(p, QRect(320, 220, 300, 24),
                                 QStringLiteral("22 clubes · 42 rodadas · 462 jogos"), 16,
                                 Qt::AlignCenter, palette::kGold);
                     drawCaption(p, QRect(330, 246, 280, 36),
                                 QStringLiteral("Pontos corridos, turno e returno: "
                                                "vitória vale 3 pontos, empate vale 1"),
                                 12, Qt::AlignHCenter | Qt::AlignTop);
                     drawCaption(p, QRect(300, 284, 325, 18), QStringLiteral("Cópias da temporada"),
                                 13, Qt::AlignLeft | Qt::AlignVCenter, palette::kGold);
                 },
                 {{QRect(32, 144, 241, 57), QStringLiteral("Tabela")},
                  {QRect(32, 206, 241, 56), QStringLiteral("Classificação")},
                  {QRect(31, 266, 243, 56), QStringLiteral("Times")},
                  {QRect(30, 327, 243, 56), QStringLiteral("Regulamento")},
                  {QRect(30, 386, 243, 56), QStringLiteral("História")},
                  {QRect(480, 385, 145, 57), kBack},
                  {QRect(300, 304, 160, 36), QStringLiteral("Copiar temporada"), {}, 0, 14},
                  {QRect(466, 304, 159, 36), QStringLiteral("Restaurar"), {}, 0, 14},
                  {QRect(300, 344, 160, 36), QStringLiteral("Nova temporada"), {}, 0, 14}}});

    // Background of the three text pages and of the team details; the page's HTML view covers
    // the strip, and on the details panel the shield and mascot pictures are cut from it.
    list.append({QStringLiteral("classifica.bmp"),
                 {},
                 pitch,
                 [](QPainter &p) {
                     // Four screens share this picture, so each draws its own subtitle and title
                     // over it; and no rule crosses it, as one would run behind the shield.
                     drawTitleBand(p, QString());
                 },
                 {{kPageExit, kBack}}});

    // Its lit twin lights the table's buttons; the exit button has pictures of its own.
    list.append(
        {QStringLiteral("classifica1.bmp"), QStringLiteral("classifica1on.bmp"), pitch,
         [](QPainter &p) {
             drawTitleBand(p, QStringLiteral("Classificação"));
             drawCaption(p, QRect(24, 84, 415, 26), QStringLiteral("Tabela de classificação"), 18,
                         Qt::AlignLeft | Qt::AlignVCenter, palette::kGold);
             drawWell(p, QRect(24, 119, 439, 329));
             drawLegend(p, QRect(472, 84, 152, 252), QStringLiteral("Legenda"),
                        QList<QString>{QStringLiteral("PG  pontos ganhos"),
                                       QStringLiteral("J  jogos"), QStringLiteral("V  vitórias"),
                                       QStringLiteral("E  empates"), QStringLiteral("D  derrotas"),
                                       QStringLiteral("GP  gols pró"),
                                       QStringLiteral("GC  gols contra"),
                                       QStringLiteral("SG  saldo de gols")} +
                            kRaceLegend + QList<QString>{QStringLiteral("Desempate V, SG, GP")},
                        2);
         },
         QList<Button>{{kPageExit, kBack}, kStandingsPlacesButton} + kStandingsTableButtons});

    list.append({QStringLiteral("tabela.bmp"),
                 QStringLiteral("tabelaon.bmp"),
                 pitch,
                 [](QPainter &p) {
                     drawTitleBand(p, QStringLiteral("Tabela de jogos"));
                     drawWell(p, QRect(8, 86, 153, 21), {2, 2, 2, 2});
                     drawCaption(p, QRect(170, 86, 200, 21), QStringLiteral("Escolha a rodada"));
                     drawCaption(p, QRect(380, 86, 252, 21),
                                 QStringLiteral("Digite os placares na tabela"), 12,
                                 Qt::AlignRight | Qt::AlignVCenter);
                     drawWell(p, QRect(9, 110, 625, 313), {2, 1, 2, 0});
                 },
                 {{QRect(24, 423, 147, 53), QStringLiteral("Gravar")},
                  {QRect(182, 423, 147, 53), QStringLiteral("Desfazer")},
                  {QRect(477, 423, 147, 53), kBack}}});

    list.append({QStringLiteral("apost.bmp"),
                 QStringLiteral("aposton.bmp"),
                 pitch,
                 [](QPainter &p) {
                     drawTitleBand(p, QStringLiteral("Apostas do bolão"));
                     drawCaption(p, QRect(440, 2, 120, 20), QStringLiteral("Participante:"), 13,
                                 Qt::AlignRight | Qt::AlignVCenter, palette::kGold);
                     drawWell(p, QRect(566, 2, 73, 20), {2, 2, 1, 2});
                     drawWell(p, QRect(8, 72, 145, 21), {2, 2, 2, 2});
                     drawCaption(p, QRect(162, 72, 200, 21), QStringLiteral("Escolha a rodada"));
                     drawCaption(p, QRect(380, 72, 252, 21),
                                 QStringLiteral("Digite seus palpites na tabela"), 12,
                                 Qt::AlignRight | Qt::AlignVCenter);
                     drawWell(p, QRect(9, 111, 625, 313), {2, 1, 2, 0});
                 },
                 {{QRect(14, 424, 145, 51), QStringLiteral("Apostar")},
                  {QRect(167, 424, 145, 52), QStringLiteral("Desfazer")},
                  {QRect(317, 424, 145, 52), QStringLiteral("Imprimir")},
                  {QRect(468, 424, 145, 52), kBack}}});

    const Button rankingExit{QRect(472, 382, 145, 54), kBack};
    list.append({QStringLiteral("ranking.bmp"), QStringLiteral("rankingon.bmp"), pitch,
                 [](QPainter &p) {
                     drawRankingPage(p, QStringLiteral("Ranking geral"),
                                     QStringLiteral("Pontos acumulados em todas as rodadas"), true);
                 },
                 QList<Button>{{QRect(16, 178, 257, 54), QStringLiteral("Atualizar ranking")},
                               rankingExit,
                               kRankingPlacesButton} +
                     kRankingTableButtons});

    // Shown in per-round mode under the overall ranking's hover pictures, so its exit, print and
    // export buttons must match those of "ranking.bmp" pixel for pixel; the update button is
    // hidden there. Its lit twin serves the round's own button, "Apostas".
    list.append({QStringLiteral("rodada.bmp"), QStringLiteral("rodadaon.bmp"), pitch,
                 [](QPainter &p) {
                     drawRankingPage(p, QStringLiteral("Ranking da rodada"),
                                     QStringLiteral("Pontos de uma única rodada"), false);
                     drawCaption(p, QRect(16, 178, 150, 20), QStringLiteral("Escolha a rodada"), 13,
                                 Qt::AlignLeft | Qt::AlignVCenter, palette::kGold);
                     drawWell(p, QRect(16, 200, 145, 21), {2, 2, 2, 2});
                 },
                 QList<Button>{rankingExit, {QRect(176, 188, 130, 40), QStringLiteral("Apostas")}} +
                     kRankingTableButtons});

    list.append({QStringLiteral("bolao.bmp"),
                 QStringLiteral("bolaoon.bmp"),
                 pitch,
                 [](QPainter &p) {
                     drawTitleBand(p, QStringLiteral("Bolão Velurino"));
                     drawHeading(p, QRect(24, 72, 246, 96), QStringLiteral("Bolão"),
                                 QStringLiteral("Palpites, pontos e ranking"));
                     drawCaption(p, QRect(300, 84, 320, 60),
                                 QStringLiteral("Registre os participantes, aposte nos placares "
                                                "de cada rodada e acompanhe o ranking."),
                                 13, Qt::AlignRight | Qt::AlignVCenter);
                     p.setOpacity(0.14);
                     drawBall(p, QRectF(360, 172, 200, 200));
                     p.setOpacity(1);
                 },
                 {{QRect(24, 178, 246, 52), QStringLiteral("Participantes")},
                  {QRect(24, 239, 246, 52), QStringLiteral("Apostas")},
                  {QRect(25, 299, 246, 52), QStringLiteral("Ranking")},
                  {QRect(27, 357, 246, 53), QStringLiteral("Regras")},
                  {QRect(472, 384, 142, 53), kBack}}});

    // The participants panel shows only its top 220 rows.
    const QImage popup = popupBackdrop(QSize(365, 294), 220);
    list.append({QStringLiteral("user.bmp"),
                 QStringLiteral("useron.bmp"),
                 popup,
                 [](QPainter &p) {
                     drawParticipantList(p);
                     drawCaption(p, QRect(168, 14, 129, 16), QStringLiteral("Nome:"), 12);
                     drawWell(p, QRect(168, 32, 129, 21), {2, 2, 2, 2});
                     drawCounterLabels(p);
                 },
                 {{QRect(168, 56, 73, 33), QStringLiteral("Incluir")},
                  {QRect(248, 56, 81, 33), QStringLiteral("Excluir")}}});

    list.append({QStringLiteral("apostar.bmp"),
                 QStringLiteral("apostaron.bmp"),
                 popup,
                 [](QPainter &p) {
                     drawParticipantList(p);
                     drawCaption(p, QRect(210, 12, 146, 60),
                                 QStringLiteral("Escolha um participante na lista e clique em "
                                                "Apostar."),
                                 11, Qt::AlignLeft | Qt::AlignTop);
                     drawCounterLabels(p);
                 },
                 {{QRect(121, 14, 81, 30), QStringLiteral("Apostar")}}});

    // The sub-menu's left strip lies over the hub's buttons and is cut away on screen: its frame
    // and plaques start right of it.
    constexpr int kRankMenuCut = 9;
    QImage rankMenu(151, 110, QImage::Format_RGB32);
    rankMenu.fill(QColor(0x08, 0x2a, 0x16));
    {
        QPainter p(&rankMenu);
        p.drawImage(kRankMenuCut, 0, popupBackdrop(QSize(151 - kRankMenuCut, 110), 110));
    }
    list.append({QStringLiteral("rank.bmp"),
                 QStringLiteral("rankon.bmp"),
                 rankMenu,
                 [](QPainter &) {},
                 {{QRect(kRankMenuCut + 2, 2, 138, 52), QStringLiteral("Geral")},
                  {QRect(kRankMenuCut + 2, 53, 138, 52), QStringLiteral("Por rodada")}}});

    // One size for every club name, so that no club looks bigger than another.
    constexpr int kTeamNamePixels = 14;
    QList<Button> cells;
    for (int i = 0; i < 22; ++i) {
        const Club &club = kClubs[i];
        cells.append({kTeamCells[i], QString::fromUtf8(club.displayName),
                      [&club, i](QPainter &p, const QRectF &sq) { drawShield(p, sq, club, i); }, 0,
                      kTeamNamePixels});
    }
    cells.append({kPageExit, kBack});
    list.append({QStringLiteral("times.bmp"), QStringLiteral("timeson.bmp"), pitch,
                 [](QPainter &p) {
                     drawHeading(p, QRect(318, 368, 156, 64), QStringLiteral("Clubes"),
                                 QStringLiteral("Velurino 2005"));
                     drawCaption(p, QRect(15, 446, 300, 28),
                                 QStringLiteral("Clique em um clube para ver seus detalhes"), 12,
                                 Qt::AlignLeft | Qt::AlignVCenter);
                 },
                 cells});
    return list;
}

} // namespace

QStringList drawAllPictures(const QString &outDir)
{
    const QDir dir(outDir);
    QStringList failed;
    auto save = [&](const QImage &img, const QString &name) {
        if (!img.save(dir.filePath(name), "BMP"))
            failed << name;
    };

    QImage details;
    for (const Screen &screen : screens()) {
        const Rendered r = render(screen);
        save(r.plain, screen.plainFile);
        if (!screen.litFile.isEmpty())
            save(r.lit, screen.litFile);
        if (screen.plainFile == QLatin1String("classifica.bmp")) {
            details = r.plain;
            save(r.plain.copy(kPageExit), QStringLiteral("classificaoff.bmp"));
            save(r.lit.copy(kPageExit), QStringLiteral("classificaon.bmp"));
        }
    }

    // Shield and mascot are cut from the details background at the places the details panel
    // shows them, so each picture blends into the panel.
    const QRect shieldAt(QPoint(36, 80), kShieldSize);
    const QRect mascotAt(QPoint(36, 200), kMascotSize);
    for (int i = 0; i < int(kClubs.size()); ++i) {
        const Club &club = kClubs[i];
        QImage shield = details.copy(shieldAt);
        {
            QPainter p(&shield);
            drawShield(p, QRectF(4, 3, kShieldSize.width() - 8, kShieldSize.height() - 7), club, i);
        }
        save(shield, QStringLiteral("escudo/%1.bmp").arg(QLatin1String(club.key)));
        QImage mascot = details.copy(mascotAt);
        {
            QPainter p(&mascot);
            drawMascot(p, QRectF(QPointF(0, 0), kMascotSize), club);
        }
        save(mascot, QStringLiteral("mascote/%1.bmp").arg(QLatin1String(club.key)));
    }
    return failed;
}

} // namespace pictures
