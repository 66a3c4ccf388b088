#include "testdata.h"

#include "platform/messages.h"

#include <QAccessible>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTableWidget>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

struct PictureFile
{
    const char *name;
    int width;
    int height;
};

constexpr PictureFile Pictures[] = {
    {"inicio.bmp", 640, 480},      {"inicioon.bmp", 640, 480},      {"abertura.bmp", 640, 480},
    {"fundoon.bmp", 640, 480},     {"classifica.bmp", 640, 480},    {"classifica1.bmp", 640, 480},
    {"classificaon.bmp", 145, 56}, {"classificaoff.bmp", 145, 56},  {"tabela.bmp", 640, 480},
    {"tabelaon.bmp", 640, 480},    {"times.bmp", 640, 480},         {"timeson.bmp", 640, 480},
    {"apost.bmp", 640, 480},       {"aposton.bmp", 640, 480},       {"ranking.bmp", 640, 480},
    {"rankingon.bmp", 640, 480},   {"rodada.bmp", 640, 480},        {"bolao.bmp", 640, 480},
    {"bolaoon.bmp", 640, 480},     {"user.bmp", 365, 294},          {"useron.bmp", 365, 294},
    {"apostar.bmp", 365, 294},     {"apostaron.bmp", 365, 294},     {"rank.bmp", 151, 110},
    {"rankon.bmp", 151, 110},      {"classifica1on.bmp", 640, 480}, {"rodadaon.bmp", 640, 480},
};

} // namespace

QColor TestSeason::colourOf(const QString &name)
{
    const QByteArray hash = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Md5);
    return QColor(quint8(hash[0]), quint8(hash[1]), quint8(hash[2]));
}

namespace {

// The pictures are drawn once per test program, into a folder of their own, and each season gets
// them as links: the program only ever reads a picture, and a season made for every test row
// would otherwise write some thirty megabytes of pictures each time.
const QString &pictureTemplate()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        for (const PictureFile &picture : Pictures) {
            QImage image(picture.width, picture.height, QImage::Format_RGB32);
            image.fill(TestSeason::colourOf(QLatin1String(picture.name)));
            image.save(folder.filePath(QLatin1String(picture.name)), "BMP");
        }
        return folder.path() + QLatin1Char('/');
    }();
    return path;
}

void linkOrCopy(const QString &from, const QString &to)
{
#ifdef Q_OS_UNIX
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return;
#endif
    QFile::copy(from, to);
}

} // namespace

TestSeason::TestSeason(bool deliveredSeason)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("dados/player"));
    if (deliveredSeason) {
        const QString from = QStringLiteral(VELURINO_DELIVERED_DIR);
        QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            QFile::copy(source, path(QDir(from).relativeFilePath(source)));
        }
    }
    for (const PictureFile &picture : Pictures)
        linkOrCopy(pictureTemplate() + QLatin1String(picture.name),
                   path(QLatin1String(picture.name)));
    writeText(QStringLiteral("regula.txt"),
              "<h1>Regulamento</h1>\r\n<p>Vale   a\r\nregra.</p>\r\n");
    writeText(QStringLiteral("historia.htm"), "<p>Hist\xf3ria</p>\r\n");
    writeText(QStringLiteral("regra.txt"), "<p>Regras do bol\xe3o</p>\r\n");
}

QString TestSeason::programPath() const
{
    return m_dir.filePath(QStringLiteral("velurino"));
}

QString TestSeason::dataDir() const
{
    return m_dir.filePath(QStringLiteral("dados")) + QLatin1Char('/');
}

QString TestSeason::path(const QString &name) const
{
    return dataDir() + name;
}

void TestSeason::writeText(const QString &name, const QByteArray &bytes) const
{
    QFile::remove(path(name));
    QFile file(path(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

bool TestSeason::savePicture(const QString &name, const QImage &image) const
{
    QFile::remove(path(name));
    return image.save(path(name), "BMP");
}

void TestSeason::remove(const QString &name) const
{
    QFile::remove(path(name));
}

MessageRecorder::MessageRecorder(bool answer) : answer(answer)
{
    Messages::setHandler([this](const MessageCall &call) {
        calls.append({call.kind, call.caption, call.text});
        return this->answer;
    });
}

MessageRecorder::~MessageRecorder()
{
    Messages::setHandler({});
}

QStringList accessibleColumnHeaders(QTableWidget *grid)
{
    QStringList names;
    QAccessibleTableInterface *table =
        QAccessible::queryAccessibleInterface(grid)->tableInterface();
    for (int c = 0; c < grid->columnCount(); ++c) {
        const QList<QAccessibleInterface *> headers =
            table->cellAt(0, c)->tableCellInterface()->columnHeaderCells();
        names << (headers.isEmpty() ? QString() : headers.first()->text(QAccessible::Name));
        // The header cells are made for each call and handed over unregistered: registered here
        // only to be deleted the way interfaces are.
        for (QAccessibleInterface *header : headers)
            QAccessible::deleteAccessibleInterface(
                QAccessible::registerAccessibleInterface(header));
    }
    return names;
}
