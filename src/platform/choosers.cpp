#include "platform/choosers.h"

#include "platform/messages.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QStandardPaths>

namespace {

std::function<QString(const QString &, const QString &)> &folderAnswer()
{
    static std::function<QString(const QString &, const QString &)> value;
    return value;
}

std::function<std::optional<int>(const QString &, const QStringList &)> &itemAnswer()
{
    static std::function<std::optional<int>(const QString &, const QStringList &)> value;
    return value;
}

} // namespace

namespace Choosers {

void setFolderAnswer(std::function<QString(const QString &, const QString &)> answer)
{
    folderAnswer() = std::move(answer);
}

void setItemAnswer(std::function<std::optional<int>(const QString &, const QStringList &)> answer)
{
    itemAnswer() = std::move(answer);
}

QString documentsFolder()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !dir.isEmpty() && QDir(dir).exists() ? dir : QDir::homePath();
}

QString chooseFolder(QWidget *owner, const QString &caption, const QString &start)
{
    if (folderAnswer())
        return folderAnswer()(caption, start);
    return QFileDialog::getExistingDirectory(owner, caption, start, QFileDialog::ShowDirsOnly);
}

std::optional<int> chooseItem(QWidget *owner, const QString &text, const QStringList &items)
{
    if (itemAnswer())
        return itemAnswer()(text, items);
    bool ok = false;
    const QString chosen =
        QInputDialog::getItem(owner, AppTitle, text, items, 0, false, &ok, Qt::Dialog);
    if (!ok)
        return std::nullopt;
    const qsizetype index = items.indexOf(chosen);
    return index < 0 ? std::nullopt : std::optional<int>(int(index));
}

} // namespace Choosers
