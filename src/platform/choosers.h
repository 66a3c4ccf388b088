// The platform's choice dialogs the screens use: a folder to write into, and one item of a list.
// Tests answer them through a seam instead of a person, as they do the message boxes.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace Choosers {

// Test seams; an empty function restores the real dialog. The folder answer is the chosen path
// (empty: cancelled); the item answer its index (nothing: cancelled).
void setFolderAnswer(std::function<QString(const QString &caption, const QString &start)> answer);
void setItemAnswer(
    std::function<std::optional<int>(const QString &text, const QStringList &items)> answer);

// The documents folder, or the home folder when there is none.
QString documentsFolder();

// A folder picked in the platform's file dialog, starting at `start`; empty when cancelled.
QString chooseFolder(QWidget *owner, const QString &caption, const QString &start);
// One of `items`, picked from a list; nothing when cancelled.
std::optional<int> chooseItem(QWidget *owner, const QString &text, const QStringList &items);

} // namespace Choosers
