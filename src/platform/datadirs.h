// The program-wide data directory ("dados" beside the program file) and pool directory ("player"
// inside it). Both end in a path separator, so a file name is appended to them as it stands.
#pragma once

#include <QChar>
#include <QString>

namespace DataDirs {

// The directory of `programPath` (up to its last separator, or drive colon on Windows), with a
// separator added when it does not end in one, followed by "dados" and a separator.
QString dataDirFor(const QString &programPath, QChar separator);

// Fixes both directories from the program file's path.
void setFromProgramPath(const QString &programPath);
// Points both directories at `dataDir` (tests and tools that run outside the program).
void setDataDir(const QString &dataDir);

} // namespace DataDirs

const QString &DataDir();
const QString &PoolDir();
