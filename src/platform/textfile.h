// Text files of the data directory: Windows-1252 bytes read into a list of lines and written back
// whole. Owns line splitting, the encoding, the whole-line lookup, case-insensitive file names and
// the writing of a staged file; putting staged files in place is FileChanges'. Knows nothing of
// what the lines mean.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>

namespace TextFile {

// Index of a lookup that found nothing.
constexpr int NotFound = -1;

QString decode(const QByteArray &bytes);
// Throws when the text holds a character that Windows-1252 cannot represent.
QByteArray encode(const QString &text);
bool isEncodable(const QString &text);

// One line of a text: where it starts, how many characters it holds, and whether CR LF ends it
// (the end every line is written with).
struct LineSpan
{
    qsizetype begin = 0;
    qsizetype length = 0;
    bool crlf = false;
};

// The line splitter of every text file: cuts at CR LF, lone CR and lone LF; a last line without
// terminator is a line, an empty text has no lines. Works on bytes and on decoded text alike: the
// code page maps every byte to one character and only CR and LF to CR and LF, so both cut at the
// same places.
template <typename Char> class LineCursor
{
public:
    LineCursor(const Char *data, qsizetype size) : m_data(data), m_size(size) {}

    // The next line, or false at the end of the text.
    bool next(LineSpan &line)
    {
        if (m_at >= m_size)
            return false;
        qsizetype i = m_at;
        while (i < m_size && m_data[i] != Char('\r') && m_data[i] != Char('\n'))
            ++i;
        line.begin = m_at;
        line.length = i - m_at;
        line.crlf = i + 1 < m_size && m_data[i] == Char('\r') && m_data[i + 1] == Char('\n');
        m_at = i + (line.crlf ? 2 : 1);
        return true;
    }
    // Where the next line starts.
    qsizetype position() const { return m_at; }

private:
    const Char *m_data;
    qsizetype m_size;
    qsizetype m_at = 0;
};

inline LineCursor<char> lineCursor(QByteArrayView bytes)
{
    return {bytes.data(), bytes.size()};
}

QStringList splitLines(const QString &text);
// Every line followed by CR LF, the last one included.
QByteArray joinLines(const QStringList &lines);

// The number parser of every data file: a decimal integer that fits 32 bits, as typed (an
// optional sign and surrounding blanks allowed); no value when the text is not one. The bytes are
// read in the code page.
std::optional<int> toInteger(QStringView text);
std::optional<int> toIntegerInCodePage(QByteArrayView bytes);
// Plain digits, the form every score and counter is written in, are read inline: a pool's
// recomputation reads millions of them.
inline std::optional<int> toInteger(QByteArrayView bytes)
{
    if (bytes.size() >= 1 && bytes.size() <= 9) {
        int value = 0;
        for (const char c : bytes) {
            if (c < '0' || c > '9')
                return toIntegerInCodePage(bytes);
            value = 10 * value + (c - '0');
        }
        return value;
    }
    return toIntegerInCodePage(bytes);
}

// The first line, from line 0, whose whole text equals `text` ignoring letter case.
int findLine(const QStringList &lines, const QString &text, int from = 0);

// The entry of `dir` named `name`: the exact name when it exists, else the one entry that matches
// ignoring letter case, else the exact name (for a file still to be created).
QString resolve(const QString &dir, const QString &name);

bool exists(const QString &dir, const QString &name);

// The entries of one directory listed once, for an operation that resolves many names in it:
// resolves as `resolve` does, without touching the disk again.
class DirectoryIndex
{
public:
    explicit DirectoryIndex(const QString &dir);
    QString resolve(const QString &name) const;

private:
    QString m_dir; // ends in a separator
    QSet<QString> m_exact;
    mutable QHash<QString, QString> m_folded; // an empty value: two entries differ only in case
    mutable bool m_foldedBuilt = false;
};

// Whole file, as bytes; throws VelurinoError when it cannot be opened.
QByteArray readBytes(const QString &path);
// The same into `bytes`, whose storage is reused from one file to the next.
void readBytes(const QString &path, QByteArray &bytes);
QStringList readLines(const QString &path);
QStringList readLines(const QString &dir, const QString &name);
// The bytes of the entry of `dir` named `name`, resolved as `resolve` does.
QByteArray readBytes(const QString &dir, const QString &name);

// Writes the new content of `target` into the file `staging` as it stands, not yet synced to disk;
// a failure removes `staging` and names `target`, the file the user knows.
void writeStaging(const QString &target, const QString &staging, const QByteArray &bytes);
// The same with the content given in pieces, written one after the other.
void writeStaging(const QString &target, const QString &staging,
                  std::initializer_list<QByteArrayView> pieces);

// Test seam: called before every staging write with the target path;
// returning false makes that write fail as a full disk would. Pass an empty function to restore
// normal writing.
void setWriteFilter(std::function<bool(const QString &path)> filter);

} // namespace TextFile
