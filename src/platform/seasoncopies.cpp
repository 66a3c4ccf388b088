#include "platform/seasoncopies.h"

#include "platform/filechanges.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QStandardPaths>

namespace {

const QString NameFormat = QStringLiteral("yyyy-MM-dd HH-mm-ss");
const QString CopiesFolder = QStringLiteral("copias");

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The lock belongs to the running program, and staged files and the record to a write still in
// progress: none of them is part of the season.
bool isSeasonFile(const QString &relative)
{
    const QString name = QFileInfo(relative).fileName();
    return !name.endsWith(QLatin1String(FileChanges::StagingSuffix)) &&
           name != QLatin1String(FileChanges::RecordName) &&
           !name.startsWith(QLatin1String("velurino.lock"));
}

// Every season file under `dir`, by path relative to it ("player/Ana.txt").
QStringList seasonFiles(const QString &dir)
{
    QStringList files;
    const QString root = QFileInfo(dir).absoluteFilePath();
    const QDir base(root);
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = base.relativeFilePath(it.next());
        if (isSeasonFile(relative))
            files << relative;
    }
    files.sort();
    return files;
}

void removeStrayStaging(const QString &dir)
{
    for (const QString &path : FileChanges::stagedFiles(dir, true))
        QFile::remove(path);
}

} // namespace

namespace SeasonCopies {

QString copiesDirFor(const QString &dataDir)
{
    QDir parent(QDir::cleanPath(dataDir));
    if (parent.cdUp() && QFileInfo(parent.absolutePath()).isWritable())
        return parent.filePath(CopiesFolder);
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(CopiesFolder);
}

QString copyName(const QDateTime &when)
{
    return when.toString(NameFormat);
}

QString makeCopy(const QString &dataDir, const QString &copiesDir, const QDateTime &when)
{
    const QDir copies(copiesDir);
    if (!copies.mkpath(QStringLiteral(".")))
        throw VelurinoError(QStringLiteral("Não foi possível criar a pasta de cópias \"%1\".")
                                .arg(shown(copiesDir)));
    // Two copies in the same second keep apart.
    QString name = copyName(when);
    for (int n = 2; QFileInfo::exists(copies.filePath(name)); ++n)
        name = copyName(when) + QStringLiteral(" (%1)").arg(n);
    const QString target = copies.filePath(name);
    const QString staging = target + QLatin1String(FileChanges::StagingSuffix);
    QDir(staging).removeRecursively();

    const QDir from(dataDir);
    const QDir to(staging);
    QStringList written;
    try {
        for (const QString &relative : seasonFiles(dataDir)) {
            const QString destination = to.filePath(relative);
            if (!QDir().mkpath(QFileInfo(destination).absolutePath()))
                throw VelurinoError(QStringLiteral("Não foi possível criar a pasta \"%1\".")
                                        .arg(shown(QFileInfo(destination).absolutePath())));
            TextFile::writeStaging(destination, destination,
                                   TextFile::readBytes(from.filePath(relative)));
            written << destination;
            FileChanges::reportStep("copied");
        }
        FileChanges::syncDirectory(staging, written);
        FileChanges::reportStep("synced");
        if (!QDir().rename(staging, target))
            throw VelurinoError(
                QStringLiteral("Não foi possível concluir a cópia \"%1\".").arg(shown(target)));
    } catch (const VelurinoError &) {
        QDir(staging).removeRecursively();
        throw;
    }
    FileChanges::syncDirectory(copiesDir, {copiesDir});
    FileChanges::reportStep("renamed");
    return target;
}

QList<CopyInfo> listCopies(const QString &copiesDir)
{
    QList<CopyInfo> copies;
    const QDir dir(copiesDir);
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDateTime when = QDateTime::fromString(name.left(NameFormat.size()), NameFormat);
        if (when.isValid() && !name.endsWith(QLatin1String(FileChanges::StagingSuffix)))
            copies.append({dir.filePath(name), when});
    }
    std::sort(copies.begin(), copies.end(), [](const CopyInfo &a, const CopyInfo &b) {
        return a.when != b.when ? a.when > b.when : a.path > b.path;
    });
    return copies;
}

void restoreCopy(const QString &copyPath, const QString &dataDir)
{
    const QStringList copied = seasonFiles(copyPath);
    if (copied.isEmpty())
        throw VelurinoError(QStringLiteral("A cópia \"%1\" está vazia ou não pode ser lida. Nada "
                                           "foi alterado.")
                                .arg(shown(copyPath)));
    const QDir from(copyPath);
    const QDir to(dataDir);
    QList<FileChange> changes;
    QStringList folders;
    for (const QString &relative : copied) {
        const QByteArray bytes = TextFile::readBytes(from.filePath(relative));
        const QString target = to.filePath(relative);
        // Unchanged files (the pictures, mostly) are left alone: less to write, less to lose.
        if (QFileInfo(target).isFile() && TextFile::readBytes(target) == bytes)
            continue;
        changes.append(FileChange::replaceBytes(target, bytes));
        folders << QFileInfo(target).absolutePath();
    }
    for (const QString &relative : seasonFiles(dataDir))
        if (!copied.contains(relative))
            changes.append(FileChange::remove(to.filePath(relative)));
    for (const QString &folder : std::as_const(folders))
        if (!QDir().mkpath(folder))
            throw VelurinoError(
                QStringLiteral("Não foi possível criar a pasta \"%1\".").arg(shown(folder)));
    applyChanges(changes);
}

void recover(const QString &dataDir, const QString &copiesDir, const QString &sweptLater)
{
    const QDir copies(copiesDir);
    const QStringList filters{QLatin1String("*") + QLatin1String(FileChanges::StagingSuffix)};
    for (const QString &name : copies.entryList(filters, QDir::Dirs | QDir::NoDotAndDotDot))
        QDir(copies.filePath(name)).removeRecursively();
    const QString later = QDir::cleanPath(sweptLater);
    for (const QString &sub : QDir(dataDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString path = QDir(dataDir).filePath(sub);
        if (sweptLater.isEmpty() || QDir::cleanPath(path) != later)
            removeStrayStaging(path);
    }
}

} // namespace SeasonCopies
