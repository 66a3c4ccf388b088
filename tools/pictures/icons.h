// The program's icon, at the sizes desktops look for in the "hicolor" icon theme.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace pictures {

inline const QList<int> kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

// Writes outDir/NxN/apps/velurino.png for every size and returns the files that could not be
// written; empty means success.
QStringList drawIcons(const QString &outDir);

} // namespace pictures
