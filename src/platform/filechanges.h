// One operation's writes to the data directory, applied together: every new file content is
// computed first, then the files are replaced in the order given, each atomically. Operations
// that change more than one file go through here so that they all share one way of writing.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct FileChange
{
    enum Kind
    {
        Replace,
        Remove
    };

    Kind kind = Replace;
    QString path;
    QStringList lines; // the new content, for Replace

    static FileChange replace(QString path, QStringList lines)
    {
        return {Replace, std::move(path), std::move(lines)};
    }
    static FileChange remove(QString path) { return {Remove, std::move(path), {}}; }
};

// Encodes every content first (a text that cannot be written fails before any file changes),
// then applies the changes in order. Removing a file that does not exist is no failure.
void applyChanges(const QList<FileChange> &changes);
