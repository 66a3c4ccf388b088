// The pictures of the data directory, each decoded once and shared by every screen that shows
// it (the plain pictures of the hover double as backgrounds, "classifica.bmp" serves four
// screens). A picture is decoded the first time it is asked for, not when its screen is built,
// so the start screen paints before the other screens' pictures are read.
#pragma once

#include <QImage>
#include <QString>

namespace PictureCache {

// The picture of file `path`, decoded at its first request and kept while the file stays as it
// was (same size and time of change). Asked again, the file is looked at but not read. Throws
// VelurinoError naming the file when it is missing or cannot be read as a picture.
QImage picture(const QString &path);

// Throws the error `picture` would throw for a missing file, without reading it.
void requireFile(const QString &path);

// Lets every decoded picture go (the program is ending, or a test starts afresh).
void release();

// Whether file `path` is held decoded.
bool isDecoded(const QString &path);

} // namespace PictureCache
