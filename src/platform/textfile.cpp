#include "platform/textfile.h"

#include "platform/velurinoerror.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>
#endif

namespace TextFile {

namespace {

constexpr const char *CodePage = "windows-1252";

std::function<bool(const QString &)> &writeFilter()
{
    static std::function<bool(const QString &)> filter;
    return filter;
}

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

VelurinoError writeFailure(const QString &path)
{
    return VelurinoError(
        QStringLiteral("Não foi possível gravar o arquivo \"%1\". Verifique se há espaço em "
                       "disco e permissão de escrita; nenhuma alteração foi feita nele.")
            .arg(shownPath(path)));
}

} // namespace

QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder(CodePage);
    return decoder.decode(bytes);
}

bool isEncodable(const QString &text)
{
    QStringEncoder encoder(CodePage);
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError() && decode(bytes) == text;
}

QByteArray encode(const QString &text)
{
    QStringEncoder encoder(CodePage);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError() || decode(bytes) != text)
        throw VelurinoError(QStringLiteral(
            "O texto contém caracteres que não podem ser gravados em Windows-1252."));
    return bytes;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    LineCursor<QChar> cursor(text.constData(), text.size());
    for (LineSpan line; cursor.next(line);)
        lines.append(text.mid(line.begin, line.length));
    return lines;
}

QByteArray joinLines(const QStringList &lines)
{
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    QByteArray bytes(size, Qt::Uninitialized);
    char *out = bytes.data();
    // One encoder for the whole list, built only when a line needs it.
    std::optional<QStringEncoder> encoder;
    for (const QString &line : lines) {
        // Plain ASCII, nearly every line of the data files, is its own bytes; any other line goes
        // through the code page, which refuses what it cannot hold.
        const QChar *in = line.constData();
        const qsizetype n = line.size();
        qsizetype i = 0;
        while (i < n && in[i].unicode() < 0x80)
            ++i;
        if (i == n) {
            for (qsizetype j = 0; j < n; ++j)
                out[j] = char(in[j].unicode());
            out += n;
        } else {
            if (!encoder)
                encoder.emplace(CodePage);
            const QByteArray encoded = encoder->encode(line);
            if (encoder->hasError() || decode(encoded) != line)
                throw VelurinoError(QStringLiteral(
                    "O texto contém caracteres que não podem ser gravados em Windows-1252."));
            const qsizetype at = out - bytes.data();
            // A Windows-1252 character is one byte, so the size still holds.
            memcpy(out, encoded.constData(), size_t(encoded.size()));
            out = bytes.data() + at + encoded.size();
        }
        *out++ = '\r';
        *out++ = '\n';
    }
    bytes.truncate(out - bytes.data());
    return bytes;
}

std::optional<int> toInteger(QStringView text)
{
    // Plain digits, the form every score and counter is written in, are read here; any other
    // text (a sign, blanks, a number past 32 bits) goes through the general conversion.
    if (text.size() >= 1 && text.size() <= 9) {
        int value = 0;
        qsizetype i = 0;
        for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
            value = 10 * value + (text[i].unicode() - '0');
        if (i == text.size())
            return value;
    }
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<int> toIntegerInCodePage(QByteArrayView bytes)
{
    return toInteger(QStringView(decode(bytes.toByteArray())));
}

int findLine(const QStringList &lines, const QString &text, int from)
{
    for (qsizetype i = std::max(from, 0); i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.size() == text.size() && line.compare(text, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return NotFound;
}

QString resolve(const QString &dir, const QString &name)
{
    const QString exact = QDir(dir).filePath(name);
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries =
        QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QString match;
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        // Two entries that differ only in case: neither is "the" file, so take the exact name.
        if (!match.isEmpty())
            return exact;
        match = entry;
    }
    return match.isEmpty() ? exact : QDir(dir).filePath(match);
}

DirectoryIndex::DirectoryIndex(const QString &dir) : m_dir(dir)
{
    if (!m_dir.endsWith(QLatin1Char('/')))
        m_dir += QLatin1Char('/');
    // Unsorted and without file information: only the names are kept.
    QDirIterator entries(dir,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext())
        m_exact.insert(entries.nextFileInfo().fileName());
}

QString DirectoryIndex::resolve(const QString &name) const
{
    if (m_exact.contains(name))
        return m_dir + name;
    // A name in other letters than its file's: the entries by folded name, built once.
    if (!m_foldedBuilt) {
        for (const QString &entry : m_exact) {
            const QString folded = entry.toCaseFolded();
            const auto found = m_folded.constFind(folded);
            if (found == m_folded.constEnd())
                m_folded.insert(folded, entry);
            else
                m_folded[folded] = QString(); // two entries differ only in case
        }
        m_foldedBuilt = true;
    }
    const QString match = m_folded.value(name.toCaseFolded());
    return m_dir + (match.isEmpty() ? name : match);
}

bool exists(const QString &dir, const QString &name)
{
    return QFileInfo(resolve(dir, name)).isFile();
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw VelurinoError(
            QStringLiteral("Não foi possível abrir o arquivo \"%1\".").arg(shownPath(path)));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw VelurinoError(
            QStringLiteral("Não foi possível ler o arquivo \"%1\".").arg(shownPath(path)));
    return bytes;
}

void readBytes(const QString &path, QByteArray &bytes)
{
#ifdef Q_OS_UNIX
    // The pool's operations read thousands of small files: one open, one size and a read or two
    // each, into storage kept from the last file.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    struct stat status;
    if (fd < 0 || ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        throw VelurinoError(
            QStringLiteral("Não foi possível abrir o arquivo \"%1\".").arg(shownPath(path)));
    }
    qsizetype size = 0;
    bytes.resize(qsizetype(status.st_size) + 1);
    for (;;) {
        if (size == bytes.size())
            bytes.resize(2 * bytes.size());
        const ssize_t got = ::read(fd, bytes.data() + size, size_t(bytes.size() - size));
        if (got < 0) {
            ::close(fd);
            throw VelurinoError(
                QStringLiteral("Não foi possível ler o arquivo \"%1\".").arg(shownPath(path)));
        }
        size += got;
        // A regular file read short has been read to its end.
        if (got == 0 || size < bytes.size())
            break;
    }
    ::close(fd);
    bytes.resize(size);
#else
    bytes = readBytes(path);
#endif
}

QStringList readLines(const QString &path)
{
    return splitLines(decode(readBytes(path)));
}

QStringList readLines(const QString &dir, const QString &name)
{
    return readLines(resolve(dir, name));
}

QByteArray readBytes(const QString &dir, const QString &name)
{
    return readBytes(resolve(dir, name));
}

void writeStaging(const QString &target, const QString &staging, const QByteArray &bytes)
{
    if (writeFilter() && !writeFilter()(target))
        throw writeFailure(target);
    QFile file(staging);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         file.write(bytes) == bytes.size() && file.flush();
    if (!written) {
        file.close();
        QFile::remove(staging);
        throw writeFailure(target);
    }
}

void writeStaging(const QString &target, const QString &staging,
                  std::initializer_list<QByteArrayView> pieces)
{
    if (writeFilter() && !writeFilter()(target))
        throw writeFailure(target);
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(staging);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    // All the pieces in one call; what a partial write left is written piece by piece.
    std::array<iovec, 8> parts;
    int count = 0;
    for (const QByteArrayView piece : pieces) {
        Q_ASSERT(count < int(parts.size()));
        parts[size_t(count++)] = {const_cast<char *>(piece.data()), size_t(piece.size())};
    }
    qsizetype skip = fd >= 0 ? qsizetype(::writev(fd, parts.data(), count)) : -1;
    bool written = skip >= 0;
    for (const QByteArrayView piece : pieces) {
        qsizetype at = std::min(skip, piece.size());
        skip -= at;
        while (written && at < piece.size()) {
            const ssize_t n = ::write(fd, piece.data() + at, size_t(piece.size() - at));
            written = n > 0;
            at += written ? n : 0;
        }
    }
    if (fd >= 0 && ::close(fd) != 0)
        written = false;
    if (!written) {
        if (fd >= 0)
            ::unlink(name.constData());
        throw writeFailure(target);
    }
#else
    QByteArray bytes;
    for (const QByteArrayView piece : pieces)
        bytes += piece;
    writeStaging(target, staging, bytes);
#endif
}

void setWriteFilter(std::function<bool(const QString &path)> filter)
{
    writeFilter() = std::move(filter);
}

} // namespace TextFile
