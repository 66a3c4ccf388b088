#include "app/program.h"
#include "app/startoptions.h"

#include "app/form1.h"
#include "frame/screenform.h"
#include "platform/datadirs.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/velurinoerror.h"

#include <QApplication>
#include <QIcon>
#include <QLockFile>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

// The program's arguments, copied for each application object: one takes its window-system
// options out of the list it is given, and the program may need to make it twice.
class Arguments
{
public:
    Arguments(int argc, char *argv[]) : m_strings(argv, argv + argc) {}

    std::unique_ptr<QApplication> makeApplication()
    {
        m_pointers.clear();
        for (std::string &text : m_strings)
            m_pointers.push_back(text.data());
        m_pointers.push_back(nullptr);
        m_count = int(m_strings.size());
        return std::make_unique<QApplication>(m_count, m_pointers.data());
    }

private:
    std::vector<std::string> m_strings;
    std::vector<char *> m_pointers;
    int m_count = 0;
};

// The panels are enlarged by the toolkit's own scaling, set before the application starts:
// fonts are then laid out at the screen's resolution and every control keeps its place. What the
// user set in QT_SCALE_FACTOR still applies, multiplied. Programs started later (the browser)
// get the user's value back.
std::unique_ptr<QApplication> applicationAt(Arguments &arguments, double scale)
{
    const QByteArray own = qgetenv("QT_SCALE_FACTOR");
    if (scale != 1) {
        const double user = own.isEmpty() ? 1 : own.toDouble();
        qputenv("QT_SCALE_FACTOR", QByteArray::number(user > 0 ? user * scale : scale));
    }
    std::unique_ptr<QApplication> app = arguments.makeApplication();
    if (own.isEmpty())
        qunsetenv("QT_SCALE_FACTOR");
    else
        qputenv("QT_SCALE_FACTOR", own);
    return app;
}

// Runs `then` once `window` has been put on view and painted for the first time. What the start
// screen's first picture does not need (the window icon for the window manager's lists) waits
// until then.
class AfterFirstExpose : public QObject
{
public:
    AfterFirstExpose(QWidget *window, std::function<void()> then)
        : QObject(window), m_window(window), m_then(std::move(then))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && watched == m_window->windowHandle()) {
            qApp->removeEventFilter(this);
            // Queued: the exposed window paints before this runs.
            QTimer::singleShot(0, this, [this] {
                m_then();
                deleteLater();
            });
        }
        return false;
    }

private:
    QWidget *m_window;
    std::function<void()> m_then;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("velurino"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELURINO_VERSION));
    Arguments arguments(argc, argv);
    StartOptions options;
    {
        // No window system yet: --help and --version must answer without a display.
        QCoreApplication reader(argc, argv);
        installTranslations(reader);
        if (const int status = readStartOptions(QCoreApplication::arguments(), options);
            status >= 0)
            return status;
    }

    std::unique_ptr<QApplication> app = applicationAt(arguments, options.scale ? options.scale : 1);
    if (!options.scale) {
        // The screen's size is known only once the window system is up; on a large screen the
        // application is made again, enlarged.
        const QScreen *screen = QGuiApplication::primaryScreen();
        const double scale = screen ? panelScale(screen->geometry().size()) : 1;
        if (scale != 1) {
            app.reset();
            app = applicationAt(arguments, scale);
        }
    }
    QGuiApplication::setDesktopFileName(QStringLiteral("velurino"));
    installTranslations(*app);

    QString dataDir;
    try {
        dataDir = DataDirs::prepare(
            DataDirs::standardPlaces(options.dataDir, QCoreApplication::applicationFilePath()));
    } catch (const VelurinoError &error) {
        std::fprintf(stderr, "velurino: %s\n", error.what());
        errorBox(nullptr, error.message());
        return 1;
    }
    QLockFile lock(dataDir + LockFileName);
    if (!openDataDirectory(dataDir, lock))
        return 1;
    createStartScreen(dataDir);
    new AfterFirstExpose(Form1, [] {
        guarded(nullptr, [] { removeStrayPoolStaging(DataDir()); });
#ifdef VELURINO_HAS_ICON
        QIcon icon;
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            icon.addFile(QStringLiteral(":/icons/%1x%1/apps/velurino.png").arg(size));
        QApplication::setWindowIcon(icon);
#endif
    });
    Form1->show();
    // Without a window manager nobody else gives the first window the keyboard.
    Form1->activateWindow();
    const int status = QApplication::exec();
    destroyScreens();
    return status;
}
