#include "platform/textfile.h"

#include "platform/velurinoerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>

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
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QByteArray joinLines(const QStringList &lines)
{
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    QByteArray bytes(size, Qt::Uninitialized);
    char *out = bytes.data();
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
            const QByteArray encoded = encode(line);
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

QStringList readLines(const QString &path)
{
    return splitLines(decode(readBytes(path)));
}

QStringList readLines(const QString &dir, const QString &name)
{
    return readLines(resolve(dir, name));
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    if (writeFilter() && !writeFilter()(path))
        throw writeFailure(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw writeFailure(path);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        throw writeFailure(path);
    }
    if (!file.commit())
        throw writeFailure(path);
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

void writeLines(const QString &path, const QStringList &lines)
{
    writeBytes(path, joinLines(lines));
}

void writeLines(const QString &dir, const QString &name, const QStringList &lines)
{
    writeLines(resolve(dir, name), lines);
}

bool removeFile(const QString &path)
{
    return QFile::remove(path);
}

void setWriteFilter(std::function<bool(const QString &path)> filter)
{
    writeFilter() = std::move(filter);
}

} // namespace TextFile
