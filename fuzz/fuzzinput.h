// What every harness shares: how one fuzz input carries several files, the check that turns a
// broken property into a crash libFuzzer keeps, and the one failure the rules may end with.
//
// An input is the bytes of its files one after the other, separated by the ASCII file separator
// (0x1C), which no data file of the season holds. The last file takes the rest of the input,
// separators included, and a file the input does not reach is empty. The seed corpus is built
// the same way (corpus.cmake).
#pragma once

#include "platform/textfile.h"
#include "platform/velurinoerror.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace Fuzz {

constexpr char FileSeparator = '\x1c';

inline QList<QByteArray> splitFiles(const uint8_t *data, size_t size, int count)
{
    const QByteArray input =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<QByteArray> files;
    qsizetype start = 0;
    for (int i = 0; i < count; ++i) {
        const qsizetype end = i + 1 < count ? input.indexOf(FileSeparator, start) : -1;
        if (start > input.size()) {
            files.append(QByteArray());
        } else if (end < 0) {
            files.append(input.mid(start));
            start = input.size() + 1;
        } else {
            files.append(input.mid(start, end - start));
            start = end + 1;
        }
    }
    return files;
}

// Whether the input held the file at `index` at all (a separator before it).
inline bool hasFile(const uint8_t *data, size_t size, int index)
{
    int separators = 0;
    for (size_t i = 0; i < size && separators < index; ++i)
        separators += data[i] == uint8_t(FileSeparator);
    return separators >= index;
}

inline QStringList linesOf(const QByteArray &bytes)
{
    return TextFile::splitLines(TextFile::decode(bytes));
}

// The whole-line comparison of the data files, written out here so that the harnesses do not
// check the lookup against itself.
inline bool sameLine(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

inline int firstLine(const QStringList &lines, const QString &text, int from = 0)
{
    for (int i = std::max(from, 0); i < lines.size(); ++i)
        if (sameLine(lines.at(i), text))
            return i;
    return -1;
}

// A decimal integer as the rules read one; no value when the text is not one.
inline std::optional<int> integer(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

[[noreturn]] inline void fail(const char *what, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, what);
    std::abort();
}

// A directory of its own for the harnesses that go through files, emptied for every input so
// that each run sees only the files of its own input. In memory when the system has a tmpfs:
// every replacement of a file waits for the disk otherwise.
inline QString freshDirectory()
{
    static QTemporaryDir dir((QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                  ? QStringLiteral("/dev/shm")
                                  : QDir::tempPath()) +
                             QStringLiteral("/velurino-fuzz-XXXXXX"));
    if (!dir.isValid())
        fail("a temporary directory can be made", __FILE__, __LINE__);
    QDir(dir.path()).removeRecursively();
    QDir().mkpath(dir.path());
    return dir.path() + QLatin1Char('/');
}

// Puts an input's file in place as it is, for the rules to read.
inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        fail("an input file can be written", __FILE__, __LINE__);
}

// The same for a file the harness makes itself, in lines as the program writes them.
inline void writeLines(const QString &path, const QStringList &lines)
{
    writeFile(path, TextFile::joinLines(lines));
}

} // namespace Fuzz

// Variadic, so that a condition may hold braced lists.
#define FUZZ_CHECK(...)                                                                            \
    do {                                                                                           \
        if (!(__VA_ARGS__))                                                                        \
            Fuzz::fail(#__VA_ARGS__, __FILE__, __LINE__);                                          \
    } while (false)

// The entry point of a harness whose `run` may end with VelurinoError: the rules' way of refusing
// damaged data, which is what they must do with most fuzz inputs. Any other way out (another
// exception, a crash, a sanitizer report, a broken FUZZ_CHECK) is a finding.
#define FUZZ_ENTRY(run)                                                                            \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)                        \
    {                                                                                              \
        try {                                                                                      \
            run(data, size);                                                                       \
        } catch (const VelurinoError &) {                                                          \
        }                                                                                          \
        return 0;                                                                                  \
    }
