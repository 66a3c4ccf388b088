// What the robustness tests share: a picture of the whole program directory (the data directory
// and everything beside it, empty directories included) to prove that nothing changed or that only
// the expected files did, and the two ways a person puts text into a box: typing and pasting.
#pragma once

#include "testdata.h"

#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMap>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace ProgramTree {

// A text file is kept whole; a picture (the program never writes one) by size and time, so that
// taking a picture of the tree stays cheap enough to do around every single click.
struct Entry
{
    bool directory = false;
    QByteArray bytes;
    qint64 size = 0;
    qint64 modified = 0;

    bool operator==(const Entry &) const = default;
};

using Tree = QMap<QString, Entry>;

inline Tree snapshot(const QString &root)
{
    Tree tree;
    const QDir base(root);
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        Entry entry;
        entry.directory = info.isDir();
        if (!entry.directory) {
            entry.size = info.size();
            if (path.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)) {
                entry.modified = info.lastModified().toMSecsSinceEpoch();
            } else {
                QFile file(path);
                entry.bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
            }
        }
        tree.insert(base.relativeFilePath(path), entry);
    }
    return tree;
}

// The paths that were added, removed or changed between two pictures.
inline QStringList differences(const Tree &before, const Tree &after)
{
    QStringList paths;
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        if (!after.contains(it.key()))
            paths << QStringLiteral("-") + it.key();
        else if (!(after.value(it.key()) == it.value()))
            paths << QStringLiteral("~") + it.key();
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        if (!before.contains(it.key()))
            paths << QStringLiteral("+") + it.key();
    return paths;
}

// The changed paths without their +/-/~ mark.
inline QStringList changedPaths(const Tree &before, const Tree &after)
{
    QStringList paths = differences(before, after);
    for (QString &path : paths)
        path.remove(0, 1);
    return paths;
}

// Puts the tree back as it was in `tree`: files written, files and directories that were not
// there removed. `now` is what the tree holds at this moment.
inline void restore(const QString &root, const Tree &tree, const Tree &now)
{
    QStringList extra;
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        if (!tree.contains(it.key()))
            extra << it.key();
    // Deepest first, so that a directory is empty when its turn comes.
    std::sort(extra.begin(), extra.end(), [](const QString &a, const QString &b) { return a > b; });
    for (const QString &path : std::as_const(extra)) {
        const QString full = QDir(root).filePath(path);
        if (QFileInfo(full).isDir())
            QDir(full).removeRecursively();
        else
            QFile::remove(full);
    }
    for (auto it = tree.cbegin(); it != tree.cend(); ++it) {
        const QString full = QDir(root).filePath(it.key());
        if (it.value().directory) {
            QDir().mkpath(full);
            continue;
        }
        if (it.key().endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
            continue;
        if (now.value(it.key()) == it.value())
            continue;
        QFile file(full);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(it.value().bytes);
    }
}

inline void restore(const QString &root, const Tree &tree)
{
    restore(root, tree, snapshot(root));
}

// One season for a whole test program, its pictures and the delivered season copied once: each row
// starts from the tree as `keepAsStart` found it, put back by `reset` with no message recorded.
struct SharedSeason
{
    TestSeason season{true};
    MessageRecorder messages{true};
    const QString root = QFileInfo(season.programPath()).absolutePath(); // the program directory
    Tree start;

    void keepAsStart() { start = snapshot(root); }
    void reset()
    {
        restore(root, start);
        messages.calls.clear();
    }
};

} // namespace ProgramTree

namespace Input {

// The key a keyboard sends with a control character.
inline Qt::Key keyOf(QChar c)
{
    switch (c.unicode()) {
    case '\r':
    case '\n':
        return Qt::Key_Return;
    case '\t':
        return Qt::Key_Tab;
    case '\b':
        return Qt::Key_Backspace;
    case 0x1b:
        return Qt::Key_Escape;
    case 0x7f:
        return Qt::Key_Delete;
    default:
        return Qt::Key_unknown;
    }
}

// Types `text` key by key as a keyboard would: printable ASCII through QTest::keyClicks, a
// control character as its key, and any other character (an accented letter, an emoji) as one
// key event carrying it, as an input method delivers it.
inline void type(QWidget *box, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype length = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size())
            length = 2;
        const QString unit = text.mid(i, length);
        const char16_t c = unit.at(0).unicode();
        if (length == 1 && c >= 0x20 && c < 0x7f)
            QTest::keyClicks(box, unit);
        else if (length == 1 && (c < 0x20 || c == 0x7f))
            QTest::sendKeyEvent(QTest::Click, box, keyOf(unit.at(0)), unit, Qt::NoModifier);
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, unit, Qt::NoModifier);
        i += length - 1;
    }
}

// Pastes `text` through the clipboard with the paste shortcut.
inline void paste(QWidget *box, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    box->setFocus();
    QTest::keySequence(box, QKeySequence::Paste);
}

} // namespace Input
