// Text files of the data directory: Windows-1252 bytes read into a list of lines and written back
// whole. Owns line splitting, the encoding, the whole-line lookup, case-insensitive file names and
// the atomic replacement of a file. Knows nothing of what the lines mean.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace TextFile {

// Index of a lookup that found nothing.
constexpr int NotFound = -1;

QString decode(const QByteArray &bytes);
// Throws when the text holds a character that Windows-1252 cannot represent.
QByteArray encode(const QString &text);
bool isEncodable(const QString &text);

// Splits at CR LF, lone CR and lone LF; a last line without terminator is a line, an empty text
// has no lines.
QStringList splitLines(const QString &text);
// Every line followed by CR LF, the last one included.
QByteArray joinLines(const QStringList &lines);

// The first line, from line 0, whose whole text equals `text` ignoring letter case.
int findLine(const QStringList &lines, const QString &text, int from = 0);

// The entry of `dir` named `name`: the exact name when it exists, else the one entry that matches
// ignoring letter case, else the exact name (for a file still to be created).
QString resolve(const QString &dir, const QString &name);

bool exists(const QString &dir, const QString &name);

// Whole file, as bytes; throws VelurinoError when it cannot be opened.
QByteArray readBytes(const QString &path);
QStringList readLines(const QString &path);
QStringList readLines(const QString &dir, const QString &name);

// Replaces the file atomically: a failure leaves the old content whole.
void writeLines(const QString &path, const QStringList &lines);
void writeLines(const QString &dir, const QString &name, const QStringList &lines);
void writeBytes(const QString &path, const QByteArray &bytes);
// Writes the new content of `target` into the file `staging` as it stands, not yet synced to disk;
// a failure removes `staging` and names `target`, the file the user knows.
void writeStaging(const QString &target, const QString &staging, const QByteArray &bytes);

// Removes the file; false when it did not exist or could not be removed.
bool removeFile(const QString &path);

// Test seam: called before every replacement (and every staging write) with the target path;
// returning false makes that write fail as a full disk would. Pass an empty function to restore
// normal writing.
void setWriteFilter(std::function<bool(const QString &path)> filter);

} // namespace TextFile
