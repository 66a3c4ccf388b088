#include "platform/datadirs.h"

#include <QDir>

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

void setDataDir(const QString &dataDir)
{
    const QChar separator = QDir::separator();
    QString dir = QDir::toNativeSeparators(dataDir);
    if (!dir.endsWith(separator))
        dir += separator;
    dataDirValue() = dir;
    poolDirValue() = dir + QStringLiteral("player") + separator;
}

void setFromProgramPath(const QString &programPath)
{
    setDataDir(dataDirFor(QDir::toNativeSeparators(programPath), QDir::separator()));
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
