// The layout of every picture of the data directory: which buttons lie where, which controls a
// picture leaves room for, and the captions beside them. Drawing itself is style.cpp's and
// clubs.cpp's.
#pragma once

#include <QString>
#include <QStringList>

namespace pictures {

// Draws every picture into outDir (which must exist, with "escudo" and "mascote" inside) and
// returns the files that could not be written; empty means success.
QStringList drawAllPictures(const QString &outDir);

} // namespace pictures
