#include "testfiles.h"

#include "platform/textfile.h"

#include <QDir>
#include <QFile>

namespace TestFiles {

QByteArray joined(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

void write(const QString &path, const QStringList &lines)
{
    writeBytes(path, joined(lines));
}

void writeLines(const QString &path, const QStringList &lines)
{
    writeBytes(path, TextFile::joinLines(lines));
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    const QDir source(from);
    for (const QString &name : source.entryList(QDir::Files | QDir::Hidden))
        QFile::copy(source.filePath(name), QDir(to).filePath(name));
    for (const QString &sub : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        copyTree(source.filePath(sub), QDir(to).filePath(sub));
}

Snapshot snapshot(const QString &dir)
{
    Snapshot files;
    QDir root(dir);
    const auto hidden = QDir::Hidden | QDir::System;
    for (const QString &name : root.entryList(QDir::Files | hidden))
        files.insert(name, bytesOf(root.filePath(name)));
    for (const QString &sub : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot | hidden))
        for (auto [name, bytes] : snapshot(root.filePath(sub)).asKeyValueRange())
            files.insert(sub + QLatin1Char('/') + name, bytes);
    return files;
}

} // namespace TestFiles
