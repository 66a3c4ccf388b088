// Dated copies of the whole data directory, kept in a folder of their own, and putting one back.
// A copy is written into a staging folder and renamed into place once complete, so a copy that
// is listed is always whole; putting one back is one all-or-nothing change of the data directory
// (`applyChanges`). Knows nothing of what the season's files mean.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace SeasonCopies {

// The folder of the copies: "copias" beside the data directory, or in the user's data folder when
// nothing can be written beside it.
QString copiesDirFor(const QString &dataDir);

// The folder name of a copy taken at `when`: "2026-12-09 14-05-33" (no colon, which Windows
// refuses in a name).
QString copyName(const QDateTime &when);

// Copies every file of `dataDir` (its sub-folders included, the lock file and the files of an
// unfinished write left out) into a new folder of `copiesDir` named after `when`. Returns the
// copy's path. Throws with nothing left behind when a file cannot be read or written.
QString makeCopy(const QString &dataDir, const QString &copiesDir, const QDateTime &when);

struct CopyInfo
{
    QString path;
    QDateTime when;
};
// The complete copies of `copiesDir`, newest first.
QList<CopyInfo> listCopies(const QString &copiesDir);

// Makes `dataDir` hold exactly the files of the copy (the lock file apart), all or nothing: files
// that differ are replaced, files the copy lacks are removed. Throws, changing nothing, when the
// copy is not a complete copy or cannot be read.
void restoreCopy(const QString &copyPath, const QString &dataDir);

// What an interrupted copy or restore left behind at start: unfinished copies, and staged files
// in the data directory's sub-folders that no record names, but for the sub-folder `sweptLater`
// (the pool's, swept once the start screen is up). Runs after `recoverChanges`.
void recover(const QString &dataDir, const QString &copiesDir, const QString &sweptLater = {});

} // namespace SeasonCopies
