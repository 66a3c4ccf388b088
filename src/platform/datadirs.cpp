#include "platform/datadirs.h"

#include "platform/filechanges.h"
#include "platform/textfile.h"
#include "platform/velurinoerror.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString &dataDirValue()
{
    static QString value;
    return value;
}

QString &poolDirValue()
{
    static QString value;
    return value;
}

} // namespace

namespace DataDirs {

QString dataDirFor(const QString &programPath, QChar separator)
{
    qsizetype cut = programPath.lastIndexOf(separator);
    // A drive colon ends the directory part as a separator would ("C:velurino.exe").
    if (separator == u'\\')
        cut = std::max(cut, programPath.lastIndexOf(u':'));
    QString dir = programPath.left(cut + 1);
    if (!dir.endsWith(separator))
        dir += separator;
    return dir + QStringLiteral("dados") + separator;
}

namespace {

QString nativeDir(const QString &dir)
{
    const QChar separator = QDir::separator();
    const QString native = QDir::toNativeSeparators(dir);
    return native.endsWith(separator) ? native : native + separator;
}

} // namespace

QString poolDirFor(const QString &dataDir)
{
    return nativeDir(dataDir) + QStringLiteral("player") + QDir::separator();
}

void setDataDir(const QString &dataDir)
{
    dataDirValue() = nativeDir(dataDir);
    poolDirValue() = poolDirFor(dataDir);
}

namespace {

const QString SeasonMark = QStringLiteral("Rodada.txt");
const QString PoolName = QStringLiteral("player");

QString withSeparator(const QString &dir)
{
    QString path = QDir::cleanPath(QDir(dir).absolutePath());
    return path.endsWith(u'/') ? path : path + u'/';
}

bool holdsSeason(const QString &dir)
{
    return QFileInfo(TextFile::resolve(dir, SeasonMark)).isFile();
}

bool isWritableDir(const QString &dir)
{
    const QFileInfo info(dir);
    return info.isDir() && info.isWritable();
}

QString shown(const QString &dir)
{
    return QDir::toNativeSeparators(QDir::cleanPath(dir));
}

// A season folder the program can run on: it holds the season and it and its pool folder can be
// written (the pool folder is made when missing, as the build does).
void requireUsable(const QString &dir)
{
    if (!QFileInfo(dir).isDir())
        throw VelurinoError(QStringLiteral("A pasta de dados \"%1\" não existe.").arg(shown(dir)));
    if (!holdsSeason(dir))
        throw VelurinoError(QStringLiteral("A pasta de dados \"%1\" não contém uma temporada "
                                           "(falta o arquivo %2).")
                                .arg(shown(dir), SeasonMark));
    const QString pool = TextFile::resolve(dir, PoolName);
    if (!QFileInfo(pool).isDir())
        QDir().mkpath(pool);
    for (const QString &folder : {dir, pool})
        if (!isWritableDir(folder))
            throw VelurinoError(QStringLiteral("Não é possível gravar na pasta de dados \"%1\". "
                                               "Os resultados e as apostas não poderiam ser "
                                               "guardados. Verifique as permissões da pasta ou "
                                               "escolha outra com a opção --dados.")
                                    .arg(shown(folder)));
}

} // namespace

Places standardPlaces(const QString &option, const QString &programPath)
{
    Places places;
    places.option = option;
    places.programPath = programPath;
    // The program's application data location, whatever the application's name is set to later.
    places.userDir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                     QStringLiteral("/velurino/dados");
    const QString bin = QFileInfo(programPath).absolutePath();
    places.installedSeasons.append(
        QDir::cleanPath(bin + QStringLiteral("/" VELURINO_INSTALLED_SEASON)));
    for (const QString &dir : QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                                        QStringLiteral("velurino/dados"),
                                                        QStandardPaths::LocateDirectory))
        if (!places.installedSeasons.contains(QDir::cleanPath(dir)))
            places.installedSeasons.append(QDir::cleanPath(dir));
    return places;
}

QString prepare(const Places &places)
{
    if (!places.option.isEmpty()) {
        const QString dir = withSeparator(places.option);
        requireUsable(dir);
        return dir;
    }
    const QString beside = withSeparator(dataDirFor(places.programPath, u'/'));
    if (isWritableDir(beside)) {
        requireUsable(beside);
        return beside;
    }
    const QString user = withSeparator(places.userDir);
    discardUnfinishedCopy(user);
    if (!QFileInfo::exists(user)) {
        QStringList sources = places.installedSeasons;
        sources.prepend(beside);
        const auto from = std::find_if(sources.cbegin(), sources.cend(), [&](const QString &dir) {
            return withSeparator(dir) != user && holdsSeason(dir);
        });
        if (from == sources.cend())
            throw VelurinoError(QStringLiteral("Não foi encontrada a temporada instalada do "
                                               "programa para criar a pasta de dados \"%1\". "
                                               "Instale o programa de novo ou escolha uma pasta "
                                               "com a opção --dados.")
                                    .arg(shown(user)));
        copyDirectoryWhole(*from, user);
    }
    requireUsable(user);
    return user;
}

} // namespace DataDirs

const QString &DataDir()
{
    return dataDirValue();
}

const QString &PoolDir()
{
    return poolDirValue();
}
