// The program-wide data directory and pool directory ("player" inside it), and the choice of the
// data directory at start. Both end in a path separator, so a file name is appended to them as it
// stands.
#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace DataDirs {

// The directory of `programPath` (up to its last separator, or drive colon on Windows), with a
// separator added when it does not end in one, followed by "dados" and a separator.
QString dataDirFor(const QString &programPath, QChar separator);

// The pool directory of data directory `dataDir` ("player" inside it), ending in a separator.
QString poolDirFor(const QString &dataDir);
// Points both directories at `dataDir`. The program does so once, as it makes its main form.
void setDataDir(const QString &dataDir);

// The places a data directory can come from.
struct Places
{
    QString option;      // the folder given on the command line ("--dados"), empty when none
    QString programPath; // the program file; "dados" beside it is a portable or build-tree season
    QString userDir;     // the season in the user's own data folder
    // Where an installed season may lie, to copy from into `userDir` on the first start.
    QStringList installedSeasons;
};

// The places of this program: the user's data folder (the application data location,
// ".../velurino/dados") and the installed season ("share/velurino/dados" beside the program's
// "bin", then the system's data folders).
Places standardPlaces(const QString &option, const QString &programPath);

// The data directory to use, ready for writing, chosen in this order: the folder of the option;
// "dados" beside the program when it exists and can be written (the build tree, a portable
// copy); else the user's folder, created on its first start as a whole copy of the installed
// season (or of a read-only "dados" beside the program). Throws VelurinoError with a message
// naming the folder when the chosen one is missing, holds no season or cannot be written, so
// that no screen ever meets a folder where the first store would fail.
QString prepare(const Places &places);

} // namespace DataDirs

const QString &DataDir();
const QString &PoolDir();
