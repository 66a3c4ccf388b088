// Plain file helpers for tests: write lines or bytes as the program would find them, read a file
// back, and a picture of a whole directory tree to prove that "nothing changed".
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

namespace TestFiles {

// Every line followed by CR LF, as Latin-1 bytes.
QByteArray joined(const QStringList &lines);
void write(const QString &path, const QStringList &lines);
// Every line followed by CR LF in the data files' code page, as the program writes them.
void writeLines(const QString &path, const QStringList &lines);
void writeBytes(const QString &path, const QByteArray &bytes);
// The file's bytes, or "<missing>" when it cannot be read.
QByteArray bytesOf(const QString &path);

// Copies the tree `from` into `to`, creating `to` as needed.
void copyTree(const QString &from, const QString &to);

// Every file of a directory tree, by path relative to `dir`, with its bytes.
using Snapshot = QMap<QString, QByteArray>;
Snapshot snapshot(const QString &dir);

} // namespace TestFiles
