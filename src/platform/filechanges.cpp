#include "filechanges.h"

#include "textfile.h"

#include <QFile>

void applyChanges(const QList<FileChange> &changes)
{
    QList<QByteArray> contents;
    contents.reserve(changes.size());
    for (const FileChange &change : changes)
        contents.append(change.kind == FileChange::Replace ? TextFile::joinLines(change.lines)
                                                           : QByteArray());
    for (qsizetype i = 0; i < changes.size(); ++i) {
        if (changes[i].kind == FileChange::Replace)
            TextFile::writeBytes(changes[i].path, contents[i]);
        else
            QFile::remove(changes[i].path);
    }
}
