// Start-up on a real X server: from exec to the start screen's pixels on the screen, for the
// program and for the floor (startup_floor: one frameless window showing the same picture), with
// an empty pool and with a large one; and the program's peak memory once the start screen is up.
//
//   bench_startup_x --program=P --floor=F [--data-root=DIR] [--sizes="0 10000"] [--runs=N]
//                   [--out=FILE]
//
// Needs DISPLAY (scripts/bench starts an Xvfb of its own with no window manager). Each run starts
// a fresh process; this client then reads the centred 640 x 480 area of the root window until it
// equals "inicio.bmp" pixel for pixel. Runs of the program and of the floor alternate, so that
// other work on the machine weighs on both alike. Printed and written as JSON: the median wall
// time, the median CPU time of the started process up to that moment (all its threads), and the
// median peak resident memory (VmHWM) half a second after the start screen appeared.
#include "seasondata.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void fail(const std::string &text)
{
    std::fprintf(stderr, "bench_startup_x: %s\n", text.c_str());
    std::exit(1);
}

struct Screen
{
    xcb_connection_t *connection = nullptr;
    xcb_window_t root = 0;
    int left = 0;
    int top = 0;
};

Screen openScreen()
{
    Screen screen;
    screen.connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(screen.connection))
        fail("no X display (set DISPLAY)");
    const xcb_screen_t *first = xcb_setup_roots_iterator(xcb_get_setup(screen.connection)).data;
    screen.root = first->root;
    screen.left = (first->width_in_pixels - 640) / 2;
    screen.top = (first->height_in_pixels - 480) / 2;
    return screen;
}

// True when the centred panel area of the screen shows `expected` (640 x 480, RGB32).
bool showing(const Screen &screen, const QImage &expected)
{
    xcb_get_image_reply_t *reply =
        xcb_get_image_reply(screen.connection,
                            xcb_get_image(screen.connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen.root,
                                          int16_t(screen.left), int16_t(screen.top), 640, 480, ~0u),
                            nullptr);
    if (!reply)
        return false;
    bool same = xcb_get_image_data_length(reply) == 640 * 480 * 4;
    const auto *pixels = reinterpret_cast<const uint32_t *>(xcb_get_image_data(reply));
    for (int y = 0; same && y < 480; ++y) {
        const auto *want = reinterpret_cast<const uint32_t *>(expected.constScanLine(y));
        for (int x = 0; x < 640; ++x)
            if (((pixels[y * 640 + x] ^ want[x]) & 0xffffffu) != 0) {
                same = false;
                break;
            }
    }
    std::free(reply);
    return same;
}

// CPU time of every thread of process `pid` so far, in ms (scheduler statistics, nanoseconds).
double cpuMs(pid_t pid)
{
    double total = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (stat.open(QIODevice::ReadOnly))
            total += stat.readAll().split(' ').value(0).toDouble() / 1e6;
    }
    return total;
}

long peakKiB(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

struct Run
{
    double wallMs;
    double cpuMs;
    long peakKiB;
};

Run timeStart(const Screen &screen, const QImage &expected, const std::vector<std::string> &args)
{
    // The last run's window is gone before the clock starts.
    for (int i = 0; showing(screen, expected); ++i) {
        if (i > 2000)
            fail("the start screen is still on view before the start");
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::vector<char *> argv;
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        unsetenv("QT_QPA_PLATFORM");
        execv(argv[0], argv.data());
        _exit(127);
    }
    Run run{};
    for (;;) {
        if (showing(screen, expected)) {
            run.wallMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            run.cpuMs = cpuMs(pid);
            break;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            fail(args[0] + " ended before its start screen was on view");
        if (Clock::now() - start > std::chrono::seconds(30)) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            fail(args[0] + " did not show its start screen within 30 s");
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    // What the start screen holds once whatever follows its first paint has run.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    run.peakKiB = peakKiB(pid);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The program file beside its data, as the user has it: a copy, since the program finds its
// data directory from its own resolved path.
void placeProgram(const QString &built, const QString &target)
{
    const QFileInfo from(built), to(target);
    if (to.exists() && to.size() == from.size() && to.lastModified() >= from.lastModified())
        return;
    QFile::remove(target);
    if (!QFile::copy(built, target))
        fail("cannot copy the program to " + target.toStdString());
}

} // namespace

int main(int argc, char **argv)
{
    std::string program, floor, root, sizes = "0 10000", runs = "7", out;
    for (int i = 1; i < argc; ++i)
        if (!BenchSeason::takeOption(argv[i], "--program", program) &&
            !BenchSeason::takeOption(argv[i], "--floor", floor) &&
            !BenchSeason::takeOption(argv[i], "--data-root", root) &&
            !BenchSeason::takeOption(argv[i], "--sizes", sizes) &&
            !BenchSeason::takeOption(argv[i], "--runs", runs) &&
            !BenchSeason::takeOption(argv[i], "--out", out))
            fail(std::string("unknown option ") + argv[i]);
    if (program.empty() || floor.empty())
        fail("--program and --floor are needed");
    QCoreApplication app(argc, argv);
    const Screen screen = openScreen();
    const int count = std::max(1, std::stoi(runs));

    std::string json = "{\n  \"benchmarks\": [";
    const auto add = [&json](const std::string &name, double wall, double cpu, double peak) {
        char entry[512];
        std::snprintf(entry, sizeof entry,
                      "%s\n    {\n      \"name\": \"%s\",\n      \"real_time\": %.3f,\n"
                      "      \"cpu_time\": %.3f,\n      \"time_unit\": \"ms\",\n"
                      "      \"peak_kib\": %.0f\n    }",
                      json.back() == '[' ? "" : ",", name.c_str(), wall, cpu, peak);
        json += entry;
        std::printf("%-22s %8.1f ms wall %8.1f ms cpu %8.1f MB peak\n", name.c_str(), wall, cpu,
                    peak / 1024);
        std::fflush(stdout);
    };

    for (const QString &size : QString::fromStdString(sizes).split(' ', Qt::SkipEmptyParts)) {
        const BenchSeason::Paths paths = BenchSeason::prepare(
            root.empty() ? BenchSeason::defaultRoot() : QString::fromStdString(root), size.toInt(),
            true);
        placeProgram(QString::fromStdString(program), paths.programPath);
        const QString picture = paths.dataDir + QStringLiteral("inicio.bmp");
        const QImage expected = QImage(picture).convertToFormat(QImage::Format_RGB32);
        if (expected.size() != QSize(640, 480))
            fail("no 640 x 480 inicio.bmp in " + paths.dataDir.toStdString());

        std::vector<double> wall[2], cpu[2], peak[2];
        const std::vector<std::string> commands[2] = {{paths.programPath.toStdString()},
                                                      {floor, picture.toStdString()}};
        for (int i = 0; i < count; ++i)
            for (int which = 0; which < 2; ++which) {
                const Run run = timeStart(screen, expected, commands[which]);
                wall[which].push_back(run.wallMs);
                cpu[which].push_back(run.cpuMs);
                peak[which].push_back(double(run.peakKiB));
            }
        const std::string n = "/" + size.toStdString();
        add("StartupX" + n, median(wall[0]), median(cpu[0]), median(peak[0]));
        add("StartupX_Floor" + n, median(wall[1]), median(cpu[1]), median(peak[1]));
    }
    json += "\n  ]\n}\n";
    if (!out.empty()) {
        QFile file(QString::fromStdString(out));
        if (!file.open(QIODevice::WriteOnly) || file.write(json.c_str()) < 0)
            fail("cannot write " + out);
    }
    xcb_disconnect(screen.connection);
    return 0;
}
