#include "pool/rules/betsheet.h"

#include "championship/rules/seasonfiles.h"
#include "platform/textfile.h"

QPoint BetSheet::position(int i, int dpi)
{
    const QPoint layout = i == 0 ? QPoint(500, 100) : QPoint(700, 500 + 250 * (i - 1));
    // Rounded to the nearest device unit; exact at 600 dpi.
    const auto scale = [dpi](int v) { return int((qint64(v) * dpi + LayoutDpi / 2) / LayoutDpi); };
    return {scale(layout.x()), scale(layout.y())};
}

QStringList BetSheet::texts() const
{
    return QStringList{title} + matchLines;
}

BetSheet betSheetFor(const QStringList &roundFile, int round)
{
    BetSheet sheet;
    sheet.round = round;
    sheet.title = QStringLiteral("Campeonato Velurino 2005  -  Jogos da ") +
                  QString::number(round) + QStringLiteral("º Rodada");
    for (const Season::Match &match : Season::fixtureOf(roundFile, round))
        sheet.matchLines.append(match.home + QStringLiteral("_______x_______") + match.away);
    return sheet;
}

BetSheet readBetSheet(const QString &dataDir, int round)
{
    return betSheetFor(TextFile::readLines(dataDir, Season::RoundFile), round);
}
