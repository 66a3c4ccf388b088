#include "frame/picturecache.h"

#include "platform/velurinoerror.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>

namespace {

struct Entry
{
    qint64 size = -1;
    QDateTime changed;
    QImage image;
};

QHash<QString, Entry> &entries()
{
    static QHash<QString, Entry> value;
    return value;
}

[[noreturn]] void cannotOpen(const QString &path)
{
    throw VelurinoError(QStringLiteral("Não foi possível abrir a imagem \"%1\".")
                            .arg(QDir::toNativeSeparators(path)));
}

} // namespace

namespace PictureCache {

QImage picture(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile()) {
        entries().remove(path);
        cannotOpen(path);
    }
    const auto found = entries().constFind(path);
    if (found != entries().cend() && found->size == file.size() &&
        found->changed == file.lastModified())
        return found->image;

    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull()) {
        entries().remove(path);
        cannotOpen(path);
    }
    // The screens paint and copy regions in this format; converting once here spares it later.
    image.convertTo(QImage::Format_RGB32);
    entries().insert(path, {file.size(), file.lastModified(), image});
    return image;
}

void requireFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        cannotOpen(path);
}

void release()
{
    entries().clear();
}

bool isDecoded(const QString &path)
{
    return entries().contains(path);
}

} // namespace PictureCache
