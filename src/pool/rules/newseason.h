// A fresh season in the data directory: no results, every club's counters at zero, and the pool
// either empty or with its participants kept and their predictions and counters cleared. The
// season's other files (fixture, clubs' pages, round pages, text pages) stay as they are, or are
// taken from the delivered season when its folder is given. One all-or-nothing change; the copy
// that comes before it is the screen's to take.
#pragma once

#include "platform/filechanges.h"

#include <QString>

namespace NewSeason {

// Every change the fresh season makes, computed and checked before anything is written.
// `deliveredDir`, when not empty, is the installed season whose files are put back.
QList<FileChange> changes(const QString &dataDir, const QString &poolDir, bool keepParticipants,
                          const QString &deliveredDir = QString());

void start(const QString &dataDir, const QString &poolDir, bool keepParticipants,
           const QString &deliveredDir = QString());

// A copy's line in the restore list: "5 rodadas gravadas, 4 participantes".
QString describeCopy(const QString &copyDir);

} // namespace NewSeason
