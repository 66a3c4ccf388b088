// One operation's writes to the data directory, applied all or nothing, even when the program is
// killed or the machine loses power half way.
//
// How: every new content is written beside its target ("Times.txt.gravando"), then all of them
// are synced to disk, then a small record, "operacao.pendente", naming the replacements and
// removals is written atomically in the directory that holds every target. From the moment that
// record exists the operation counts as done: the staged files are renamed over their targets,
// the removed files deleted, and the record deleted last. At start, before anything reads the
// files, `recoverChanges` finishes an operation whose record exists and throws away staged files
// that no record names, so the files are always as before or as after the operation. The data
// files themselves keep their formats; only these two kinds of transient files are added. A single
// file is replaced the same way without a record: staged, synced, renamed over its target.
#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

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
    QByteArray bytes;  // or the new content already encoded, when `encoded`
    bool encoded = false;

    static FileChange replace(QString path, QStringList lines)
    {
        return {Replace, std::move(path), std::move(lines), {}, false};
    }
    // An operation that writes thousands of files keeps each one as bytes, a tenth of its lines.
    static FileChange replaceBytes(QString path, QByteArray bytes)
    {
        return {Replace, std::move(path), {}, std::move(bytes), true};
    }
    static FileChange remove(QString path) { return {Remove, std::move(path), {}, {}, false}; }
};

namespace FileChanges {

// The record of an operation in progress, and the suffix of a staged file.
inline constexpr const char *RecordName = "operacao.pendente";
inline constexpr const char *StagingSuffix = ".gravando";

// Test seam: called at every step of `applyChanges` (after each staged file, after the sync,
// after the record, after each replacement or removal, after the record's removal) with the step's
// name. Pass an empty function to remove it.
void setStepHook(std::function<void(const char *step)> hook);
// A write step of an operation that does not go through `applyChanges` (a season copy), reported
// to the same hook.
void reportStep(const char *step);
// Makes every file written so far under `dir` (`files` where the whole file system cannot be
// synced at once) durable; throws when the disk refuses.
void syncDirectory(const QString &dir, const QStringList &files = {});

// The staged files in `dir` (with `subfolders`, in every folder below it too), as paths. Only the
// folder's names are read, so a pool of many participant files is one quick pass at start.
QStringList stagedFiles(const QString &dir, bool subfolders = false);

} // namespace FileChanges

// The same, for an operation whose new contents are produced one by one: each is staged on disk
// as soon as it is given, so the operation never holds them all in memory. Nothing has changed
// until `commit`; an object destroyed without it (an error part way) removes what it staged.
// Every target lies in one of `dirs` (or below one).
class StagedChanges
{
public:
    explicit StagedChanges(const QStringList &dirs);
    ~StagedChanges();
    StagedChanges(const StagedChanges &) = delete;
    StagedChanges &operator=(const StagedChanges &) = delete;

    // `target` is an absolute path; its new content is the pieces one after the other.
    void replace(const QString &target, std::initializer_list<QByteArrayView> pieces);
    void remove(const QString &target);
    // Syncs, writes the record, and puts every change in place.
    void commit();

private:
    QString relative(const QString &target) const;

    QString m_dir;    // absolute, without a trailing separator
    QString m_prefix; // m_dir and a separator
    QList<FileChange::Kind> m_kinds;
    QStringList m_targets; // relative to m_dir; the staged ones are on disk
    bool m_committed = false;
};

// Encodes every content first (a text that cannot be written fails before any file changes),
// then applies the changes all or nothing. Removing a file that does not exist is no failure.
// A failure while staging (a full disk, say) throws with nothing changed.
void applyChanges(const QList<FileChange> &changes);

// Finishes or discards what an interrupted `applyChanges` left in `dir`: with a complete record,
// the operation is completed; without one, staged files are removed. Returns true when anything
// was found. Throws when a record cannot be completed.
bool recoverChanges(const QString &dir);
// Its first half: only the operation a record names is finished (or an incomplete record thrown
// away); true when a record was found. Staged files that no record names stay.
bool completeRecordedChanges(const QString &dir);

// Creates directory `to` as a copy of directory `from` (sub-directories included), all or
// nothing: the copy is made and synced under a name of its own beside `to` ("dados.copiando"),
// then renamed to `to` in one step. A copy killed half way therefore leaves no `to` at all, only
// that unfinished copy, which the next call (or `discardUnfinishedCopy`) removes. Throws, with
// nothing created, when a file cannot be read or written or `to` already exists.
void copyDirectoryWhole(const QString &from, const QString &to);
// Removes what a killed `copyDirectoryWhole` into `to` left behind; true when there was any.
bool discardUnfinishedCopy(const QString &to);
