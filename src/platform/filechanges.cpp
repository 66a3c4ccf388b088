#include "platform/filechanges.h"

#include "platform/textfile.h"
#include "platform/velurinoerror.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <optional>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <filesystem>
#include <system_error>
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

// Makes every file written so far in the directory's file system durable: one sync of the file
// system costs far less than one per file when an operation writes thousands of them.
// `relative` names the files inside `dir`, each followed by `suffix`.
void syncToDisk(const QString &dir, const QStringList &relative, const QString &suffix = {})
{
#if defined(Q_OS_LINUX)
    Q_UNUSED(relative);
    Q_UNUSED(suffix);
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY);
    const bool synced = fd >= 0 && ::syncfs(fd) == 0;
    if (fd >= 0)
        ::close(fd);
    if (!synced)
        throw VelurinoError(QStringLiteral("Não foi possível gravar no disco a pasta \"%1\".")
                                .arg(QDir::toNativeSeparators(dir)));
#elif defined(Q_OS_UNIX)
    QStringList files{dir};
    for (const QString &name : relative)
        files.append(QDir(dir).filePath(name) + suffix);
    for (const QString &path : std::as_const(files)) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        if (fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    }
#else
    // Elsewhere the renames below still keep the order; only power loss is not covered.
    Q_UNUSED(dir);
    Q_UNUSED(relative);
    Q_UNUSED(suffix);
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

// Renames `from` over `to`; false when `from` is not there (already moved by an earlier run).
bool renameOver(const QString &from, const QString &to)
{
#ifdef Q_OS_UNIX
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    const bool gone = errno == ENOENT;
#else
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()),
                            std::filesystem::path(to.toStdU16String()), error);
    if (!error)
        return true;
    const bool gone = error == std::errc::no_such_file_or_directory;
#endif
    if (gone && !QFileInfo::exists(from))
        return false;
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
QString commonDirectory(const QStringList &dirs)
{
    QString common = QFileInfo(dirs.first()).absoluteFilePath();
    const auto holds = [&common](const QString &dir) {
        const QString prefix = common.endsWith(QLatin1Char('/')) ? common : common + '/';
        return dir == common || dir.startsWith(prefix);
    };
    for (const QString &each : dirs) {
        const QString dir = QFileInfo(each).absoluteFilePath();
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
        touched.append(entry.relative);
        if (entry.kind == FileChange::Replace) {
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

QStringList stagedFiles(const QString &dir, bool subfolders)
{
    QStringList found;
#ifdef Q_OS_UNIX
    // The names as the system gives them, compared as bytes: a folder of ten thousand participant
    // files would otherwise cost a conversion and a pattern match per name.
    DIR *folder = opendir(QFile::encodeName(dir).constData());
    if (!folder)
        return found;
    const size_t suffixSize = std::strlen(StagingSuffix);
    const QString prefix = dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
    while (const dirent *entry = readdir(folder)) {
        const char *name = entry->d_name;
        unsigned char type = entry->d_type;
        const size_t size = std::strlen(name);
        const bool staged = size > suffixSize &&
                            std::memcmp(name + size - suffixSize, StagingSuffix, suffixSize) == 0;
        const bool dot = std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
        if (dot || (!staged && !subfolders))
            continue;
        if (type == DT_UNKNOWN || type == DT_LNK) {
            // A link to a file counts as a file, as everywhere else in the program; a link to a
            // folder is not followed.
            struct stat info;
            const QByteArray path = QFile::encodeName(prefix) + name;
            if (stat(path.constData(), &info) != 0)
                continue;
            if (S_ISREG(info.st_mode))
                type = DT_REG;
            else if (S_ISDIR(info.st_mode) && type == DT_UNKNOWN)
                type = DT_DIR;
            else
                continue;
        }
        if (staged && type == DT_REG)
            found << prefix + QFile::decodeName(name);
        else if (subfolders && type == DT_DIR)
            found << stagedFiles(prefix + QFile::decodeName(name), true);
    }
    closedir(folder);
#else
    const QStringList filters{QLatin1String("*") + QLatin1String(StagingSuffix)};
    QDirIterator it(dir, filters, QDir::Files | QDir::Hidden,
                    subfolders ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext())
        found << it.next();
#endif
    return found;
}

} // namespace FileChanges

namespace {

QString unfinishedCopyOf(const QString &to)
{
    QString path = QDir::cleanPath(to);
    return path + QStringLiteral(".copiando");
}

VelurinoError copyFailure(const QString &to, const QString &what)
{
    return VelurinoError(QStringLiteral("Não foi possível criar a pasta \"%1\": %2")
                             .arg(QDir::toNativeSeparators(QDir::cleanPath(to)), what));
}

} // namespace

bool discardUnfinishedCopy(const QString &to)
{
    QDir unfinished(unfinishedCopyOf(to));
    return unfinished.exists() && unfinished.removeRecursively();
}

void copyDirectoryWhole(const QString &from, const QString &to)
{
    const QString target = QDir::cleanPath(to);
    const QString work = unfinishedCopyOf(target);
    discardUnfinishedCopy(target);
    if (QFileInfo::exists(target))
        throw copyFailure(target, QStringLiteral("ela já existe."));
    const QString parent = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(parent) || !QDir().mkpath(work))
        throw copyFailure(target, QStringLiteral("a pasta \"%1\" não pode ser gravada.")
                                      .arg(QDir::toNativeSeparators(parent)));
    const QDir source(QDir::cleanPath(from));
    QStringList written;
    try {
        QDirIterator it(source.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo entry(it.next());
            const QString copy = QDir(work).filePath(source.relativeFilePath(entry.filePath()));
            if (entry.isDir()) {
                if (!QDir().mkpath(copy))
                    throw copyFailure(target, QStringLiteral("a pasta \"%1\" não pode ser criada.")
                                                  .arg(QDir::toNativeSeparators(copy)));
                continue;
            }
            // A lock or a half-done write of the season copied from is no part of the season.
            if (entry.fileName().endsWith(QLatin1String(".lock")) ||
                entry.fileName().endsWith(QLatin1String(FileChanges::StagingSuffix)) ||
                entry.fileName() == QLatin1String(FileChanges::RecordName))
                continue;
            QFile in(entry.filePath());
            if (!in.open(QIODevice::ReadOnly))
                throw copyFailure(target, QStringLiteral("o arquivo \"%1\" não pode ser lido.")
                                              .arg(QDir::toNativeSeparators(entry.filePath())));
            const QByteArray bytes = in.readAll();
            QFile out(copy);
            if (!QDir().mkpath(QFileInfo(copy).path()) || !out.open(QIODevice::WriteOnly) ||
                out.write(bytes) != bytes.size() || !out.flush())
                throw copyFailure(target, QStringLiteral("o arquivo \"%1\" não pode ser gravado.")
                                              .arg(QDir::toNativeSeparators(copy)));
            written.append(copy);
            step("copied");
        }
        syncToDisk(work, written);
        step("synced");
        std::error_code error;
        std::filesystem::rename(std::filesystem::path(work.toStdU16String()),
                                std::filesystem::path(target.toStdU16String()), error);
        if (error)
            throw copyFailure(target, QString::fromStdString(error.message()));
    } catch (const VelurinoError &) {
        discardUnfinishedCopy(target);
        throw;
    }
    step("renamed");
    // The new name on disk too, so that a power cut soon after cannot take the copy away; the copy
    // is whole already, so a failure here is no reason to refuse it.
    try {
        syncToDisk(parent, {});
    } catch (const VelurinoError &) {
    }
}

bool completeRecordedChanges(const QString &dir)
{
    const QString record = recordPath(dir);
    if (!QFileInfo::exists(record))
        return false;
    if (const auto entries = readRecord(record))
        complete(dir, *entries);
    else
        QFile::remove(record);
    return true;
}

bool recoverChanges(const QString &dir)
{
    bool found = completeRecordedChanges(dir);
    // Staged files that no record names: an operation stopped before its record was written.
    for (const QString &path : FileChanges::stagedFiles(dir)) {
        found = true;
        QFile::remove(path);
    }
    return found;
}

StagedChanges::StagedChanges(const QStringList &dirs) : m_dir(commonDirectory(dirs))
{
    while (m_dir.size() > 1 && m_dir.endsWith(QLatin1Char('/')))
        m_dir.chop(1);
    m_prefix = m_dir.endsWith(QLatin1Char('/')) ? m_dir : m_dir + QLatin1Char('/');
    // An earlier operation that could not be finished is finished first; its record must not be
    // overwritten by this one's.
    if (QFileInfo::exists(recordPath(m_dir)))
        recoverChanges(m_dir);
}

StagedChanges::~StagedChanges()
{
    if (!m_committed)
        for (qsizetype i = 0; i < m_targets.size(); ++i)
            if (m_kinds.at(i) == FileChange::Replace)
                QFile::remove(staging(m_prefix + m_targets.at(i)));
}

QString StagedChanges::relative(const QString &target) const
{
    QString inside = target.startsWith(m_prefix)
                         ? target.mid(m_prefix.size())
                         : QDir(m_dir).relativeFilePath(QFileInfo(target).absoluteFilePath());
    if (!isInside(inside))
        throw VelurinoError(
            QStringLiteral("O arquivo \"%1\" está fora da pasta \"%2\".")
                .arg(QDir::toNativeSeparators(target), QDir::toNativeSeparators(m_dir)));
    return inside;
}

void StagedChanges::replace(const QString &target, std::initializer_list<QByteArrayView> pieces)
{
    const QString inside = relative(target);
    const QString path = m_prefix + inside;
    TextFile::writeStaging(path, staging(path), pieces);
    m_kinds.append(FileChange::Replace);
    m_targets.append(inside);
    step("staged");
}

void StagedChanges::remove(const QString &target)
{
    m_kinds.append(FileChange::Remove);
    m_targets.append(relative(target));
}

void StagedChanges::commit()
{
    QList<Entry> entries;
    entries.reserve(m_targets.size());
    for (qsizetype i = 0; i < m_targets.size(); ++i)
        entries.append({m_kinds.at(i), m_targets.at(i)});
    syncToDisk(m_dir, m_targets, QLatin1String(FileChanges::StagingSuffix));
    step("synced");
    replaceOne(recordPath(m_dir), recordBytes(entries));
    // From here on the operation counts as done, whatever happens to this process.
    m_committed = true;
    step("recorded");
    try {
        complete(m_dir, entries);
    } catch (const VelurinoError &error) {
        throw VelurinoError(error.message() +
                            QStringLiteral(" A gravação será concluída na próxima vez que o "
                                           "programa for aberto."));
    }
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

    QStringList targets, dirs;
    for (const FileChange &change : changes) {
        const QFileInfo target(change.path);
        targets.append(target.absoluteFilePath());
        dirs.append(target.absolutePath());
    }
    StagedChanges staged(dirs);
    for (qsizetype i = 0; i < changes.size(); ++i) {
        const QString &target = targets.at(i);
        if (changes[i].kind == FileChange::Replace)
            staged.replace(target, {contents[i]});
        else
            staged.remove(target);
    }
    staged.commit();
}
