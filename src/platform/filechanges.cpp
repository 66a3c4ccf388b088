#include "platform/filechanges.h"

#include "platform/textfile.h"
#include "platform/velurinoerror.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <optional>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

constexpr QLatin1StringView RecordHeader("operacao pendente");
constexpr QLatin1StringView RecordEnd("fim");
constexpr QLatin1StringView ReplaceWord("substituir");
constexpr QLatin1StringView RemoveWord("apagar");

std::function<void(const char *)> &stepHook()
{
    static std::function<void(const char *)> hook;
    return hook;
}

void step(const char *name)
{
    if (stepHook())
        stepHook()(name);
}

QString staging(const QString &target)
{
    return target + QLatin1String(FileChanges::StagingSuffix);
}

std::filesystem::path fsPath(const QString &path)
{
    return std::filesystem::path(path.toStdU16String());
}

// Makes every file written so far in the directory's file system durable: one sync of the file
// system costs far less than one per file when an operation writes thousands of them.
void syncToDisk(const QString &dir, const QStringList &files)
{
#if defined(Q_OS_LINUX)
    Q_UNUSED(files);
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY);
    const bool synced = fd >= 0 && ::syncfs(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!synced)
        throw VelurinoError(QStringLiteral("Não foi possível gravar no disco a pasta \"%1\".")
                                .arg(QDir::toNativeSeparators(dir)));
#elif defined(Q_OS_UNIX)
    for (const QString &path : files + QStringList{dir}) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    }
#else
    // Elsewhere the renames below still keep the order; only power loss is not covered.
    Q_UNUSED(dir);
    Q_UNUSED(files);
#endif
}

void syncFile(const QString &path)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!synced)
        throw VelurinoError(QStringLiteral("Não foi possível gravar no disco o arquivo \"%1\".")
                                .arg(QDir::toNativeSeparators(path)));
#else
    Q_UNUSED(path);
#endif
}

void renameOver(const QString &from, const QString &to)
{
    std::error_code error;
    std::filesystem::rename(fsPath(from), fsPath(to), error);
    if (error)
        throw VelurinoError(QStringLiteral("Não foi possível substituir o arquivo \"%1\".")
                                .arg(QDir::toNativeSeparators(to)));
}

// One file replaced on its own: staged beside it, synced, renamed over it. A kill at any moment
// leaves the old file or the new one, and at most a staged file that the next start removes.
void replaceOne(const QString &target, const QByteArray &bytes)
{
    const QString staged = target + QLatin1String(FileChanges::StagingSuffix);
    TextFile::writeStaging(target, staged, bytes);
    try {
        syncFile(staged);
        renameOver(staged, target);
    } catch (const VelurinoError &) {
        QFile::remove(staged);
        throw;
    }
}

struct Entry
{
    FileChange::Kind kind;
    QString relative;
};

QString recordPath(const QString &dir)
{
    return QDir(dir).filePath(QLatin1String(FileChanges::RecordName));
}

// The directory that holds every target, so that one record names them all by relative paths.
QString commonDirectory(const QList<FileChange> &changes)
{
    QString common = QFileInfo(changes.first().path).absolutePath();
    const auto holds = [&common](const QString &dir) {
        const QString prefix = common.endsWith(QLatin1Char('/')) ? common : common + '/';
        return dir == common || dir.startsWith(prefix);
    };
    for (const FileChange &change : changes) {
        const QString dir = QFileInfo(change.path).absolutePath();
        while (!holds(dir))
            common = QFileInfo(common).path();
    }
    return common;
}

// Relative paths of a record must stay inside its directory: a record edited by hand never makes
// the program touch a file elsewhere.
bool isInside(const QString &relative)
{
    if (relative.isEmpty() || QDir::isAbsolutePath(relative) ||
        relative.contains(QLatin1Char('\\')))
        return false;
    const QStringList parts = relative.split(QLatin1Char('/'));
    return !parts.contains(QStringLiteral("..")) && !parts.contains(QStringLiteral(".")) &&
           !parts.contains(QString());
}

QByteArray recordBytes(const QList<Entry> &entries)
{
    QByteArray bytes = QByteArray(RecordHeader.data(), RecordHeader.size()) + '\n';
    for (const Entry &entry : entries) {
        const QLatin1StringView word = entry.kind == FileChange::Replace ? ReplaceWord : RemoveWord;
        bytes += QByteArray(word.data(), word.size()) + '\t' + entry.relative.toUtf8() + '\n';
    }
    return bytes + QByteArray(RecordEnd.data(), RecordEnd.size()) + '\n';
}

// The entries of a complete record; nothing when the record was never finished.
std::optional<QList<Entry>> readRecord(const QString &path)
{
    const QList<QByteArray> lines = TextFile::readBytes(path).split('\n');
    if (lines.size() < 3 || lines.first() != RecordHeader || lines.last() != QByteArray() ||
        lines.at(lines.size() - 2) != RecordEnd)
        return std::nullopt;
    QList<Entry> entries;
    for (qsizetype i = 1; i + 2 < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        const qsizetype tab = line.indexOf('\t');
        const QByteArray word = line.left(tab);
        const QString relative = QString::fromUtf8(line.mid(tab + 1));
        const bool known = word == ReplaceWord || word == RemoveWord;
        if (tab < 0 || !known || !isInside(relative))
            throw VelurinoError(
                QStringLiteral("O registro de gravação pendente \"%1\" está danificado e não foi "
                               "usado. Nenhum arquivo foi alterado por ele.")
                    .arg(QDir::toNativeSeparators(path)));
        entries.append({word == ReplaceWord ? FileChange::Replace : FileChange::Remove, relative});
    }
    return entries;
}

// Moves every staged file over its target and deletes the removed files, then the record.
// Runs again safely after an interruption: a staged file already moved is simply gone.
void complete(const QString &dir, const QList<Entry> &entries)
{
    const QDir base(dir);
    QStringList touched;
    for (const Entry &entry : entries) {
        const QString target = base.filePath(entry.relative);
        touched.append(target);
        if (entry.kind == FileChange::Replace) {
            if (QFileInfo::exists(staging(target)))
                renameOver(staging(target), target);
        } else if (QFileInfo::exists(target) && !QFile::remove(target)) {
            throw VelurinoError(QStringLiteral("Não foi possível apagar o arquivo \"%1\".")
                                    .arg(QDir::toNativeSeparators(target)));
        }
        step("replaced");
    }
    // The new names must be on disk before the record goes: without the record a later start
    // would take the operation for one that never happened.
    syncToDisk(dir, touched);
    QFile::remove(recordPath(dir));
    step("done");
}

void removeStrayStaging(const QString &dir)
{
    const QStringList filters{QLatin1String("*") + QLatin1String(FileChanges::StagingSuffix)};
    for (const QString &name : QDir(dir).entryList(filters, QDir::Files | QDir::Hidden))
        QFile::remove(QDir(dir).filePath(name));
}

} // namespace

namespace FileChanges {

void setStepHook(std::function<void(const char *step)> hook)
{
    stepHook() = std::move(hook);
}

void reportStep(const char *name)
{
    step(name);
}

void syncDirectory(const QString &dir, const QStringList &files)
{
    syncToDisk(dir, files);
}

} // namespace FileChanges

bool recoverChanges(const QString &dir)
{
    bool found = false;
    const QString record = recordPath(dir);
    if (QFileInfo::exists(record)) {
        found = true;
        if (const auto entries = readRecord(record))
            complete(dir, *entries);
        else
            QFile::remove(record);
    }
    const QStringList filters{QLatin1String("*") + QLatin1String(FileChanges::StagingSuffix)};
    found = found || !QDir(dir).entryList(filters, QDir::Files | QDir::Hidden).isEmpty();
    removeStrayStaging(dir);
    return found;
}

void applyChanges(const QList<FileChange> &changes)
{
    if (changes.isEmpty())
        return;
    QList<QByteArray> contents;
    contents.reserve(changes.size());
    for (const FileChange &change : changes)
        contents.append(change.kind != FileChange::Replace ? QByteArray()
                        : change.encoded                   ? change.bytes
                                                           : TextFile::joinLines(change.lines));
    // One file replaced on its own is already all or nothing.
    if (changes.size() == 1 && changes.first().kind == FileChange::Replace) {
        replaceOne(QFileInfo(changes.first().path).absoluteFilePath(), contents.first());
        step("replaced");
        return;
    }

    const QString dir = commonDirectory(changes);
    // An earlier operation that could not be finished is finished first; its record must not be
    // overwritten by this one's.
    if (QFileInfo::exists(recordPath(dir)))
        recoverChanges(dir);

    const QDir base(dir);
    QList<Entry> entries;
    QStringList staged;
    try {
        for (qsizetype i = 0; i < changes.size(); ++i) {
            const QString target = QFileInfo(changes[i].path).absoluteFilePath();
            entries.append({changes[i].kind, base.relativeFilePath(target)});
            if (changes[i].kind != FileChange::Replace)
                continue;
            TextFile::writeStaging(target, staging(target), contents[i]);
            staged.append(staging(target));
            step("staged");
        }
        syncToDisk(dir, staged);
        step("synced");
        replaceOne(recordPath(dir), recordBytes(entries));
    } catch (const VelurinoError &) {
        for (const QString &path : std::as_const(staged))
            QFile::remove(path);
        throw;
    }
    // From here on the operation counts as done, whatever happens to this process.
    step("recorded");
    try {
        complete(dir, entries);
    } catch (const VelurinoError &error) {
        throw VelurinoError(error.message() +
                            QStringLiteral(" A gravação será concluída na próxima vez que o "
                                           "programa for aberto."));
    }
}
