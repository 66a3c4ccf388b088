// The printed bet sheet of a round: a title line and one line per match with a blank between the
// two team names, where a participant writes the predicted score by hand. Laid out in 600-dpi
// units and scaled to the printer's resolution, so the sheet looks the same on any printer.
#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

struct BetSheet
{
    int round = 0;
    QString title;
    QStringList matchLines; // 11 lines, home + "_______x_______" + away

    // The resolution the positions are laid out for.
    static constexpr int LayoutDpi = 600;
    static constexpr int FontPointSize = 16;

    // Top-left corner of text i (0 the title, 1 to 11 the match lines) at `dpi` dots per inch.
    static QPoint position(int i, int dpi);
    // The title and the match lines, in drawing order.
    QStringList texts() const;
};

BetSheet betSheetFor(const QStringList &roundFile, int round);
BetSheet readBetSheet(const QString &dataDir, int round);
