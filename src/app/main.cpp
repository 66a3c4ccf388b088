#include "app/form1.h"
#include "app/program.h"

#include "platform/datadirs.h"

#include <QApplication>
#include <QLockFile>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installTranslations(app);
    DataDirs::setFromProgramPath(QCoreApplication::applicationFilePath());
    QLockFile lock(DataDir() + LockFileName);
    if (!openDataDirectory(DataDir(), PoolDir(), lock))
        return 1;
    createScreens(QCoreApplication::applicationFilePath());
    Form1->show();
    const int status = QApplication::exec();
    destroyScreens();
    return status;
}
