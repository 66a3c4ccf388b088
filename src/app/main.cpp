#include "form1.h"
#include "program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installTranslations(app);
    createScreens(QCoreApplication::applicationFilePath());
    Form1->show();
    const int status = QApplication::exec();
    destroyScreens();
    return status;
}
