// Entry of the picture tool: draws every bitmap of the data directory into the directory given
// as the only argument, or with "--icons DIR" the program's icon at every size into DIR. Run by
// the build, so it must need no display and give the same bytes on every run.
#include "icons.h"
#include "screens.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // Drawing needs fonts but no screen; the build machine may have none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc == 3 && QString::fromLocal8Bit(argv[1]) == QLatin1String("--icons")) {
        const QStringList failed = pictures::drawIcons(QString::fromLocal8Bit(argv[2]));
        for (const QString &name : failed)
            err << "velurino-pictures: cannot write " << name << "\n";
        return failed.isEmpty() ? 0 : 1;
    }
    if (argc != 2) {
        err << "usage: velurino-pictures OUTPUT_DIR | --icons ICON_DIR\n";
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QDir dir(out);
    if (!dir.mkpath(QStringLiteral("escudo")) || !dir.mkpath(QStringLiteral("mascote"))) {
        err << "velurino-pictures: cannot create " << out << "\n";
        return 1;
    }
    const QStringList failed = pictures::drawAllPictures(out);
    for (const QString &name : failed)
        err << "velurino-pictures: cannot write " << name << "\n";
    return failed.isEmpty() ? 0 : 1;
}
