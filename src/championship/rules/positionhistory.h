// The place of every club, or every participant, after each stored round, computed again from the
// stored results (and predictions) and ordered by the very rules of the screens that show the
// table. The club side lives here; the pool's is in pool/rules/poolrace.h. Reads only.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct PositionHistory
{
    QStringList names; // who, in file order (display names, or participant names)
    int lastRound = 0; // the last round with results; rounds 1 to it are charted
    // places[i][r - 1]: the place of entrant i after round r, 1 being the top.
    QList<QList<int>> places;
};

// The standings after rounds 1, 2, ... up to the last round with results, each built from
// counters at zero plus the stored results of the rounds so far; a round without results adds
// nothing.
PositionHistory buildClubHistory(const QStringList &teamFile, const QStringList &nameFile,
                                 const QStringList &roundFile, const QStringList &resultFile);
PositionHistory buildClubHistory(const QString &dataDir);
