// Start-up time: the median of 10 starts of a process that does what
// KavrinMac's main() does, timed from the start of the process to
//   - its first paint (the end of the first paint event of any widget), and
//   - a menu that takes input: the menu is the current screen and a
//     synthetic press on its TRAINING button is handled (the button reports
//     it). The screen change's fade is left out: the child steps it through
//     at once instead of every 25 ms.
// Beside them, the floor: a bare Qt Widgets window shown full screen with a
// button, to its first paint and to a synthetic press on the button handled
// after it, both from the same run.
//
//   xvfb-run -a -s '-screen 0 1920x1080x24' build/bin/bench_startup
//
// With QT_GSTREAMER_WIDGET_VIDEOSINK= QT_GSTREAMER_WINDOW_VIDEOSINK= (set,
// empty) Qt's GStreamer back end probes for video sinks of its own again, as
// it did before the application chose to paint the video itself.
//
// The driver prepares an installation with one account in a temporary HOME
// and starts itself as the child for each run; the child prints "painted"
// after its first paint, and "ready" and quits when its window takes input.

#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "benchsupport.h"
#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "core/screentransition.h"
#include "core/startup.h"
#include "sessionfixture.h"

namespace {

constexpr int kRuns = 10;
constexpr int kChildTimeoutMs = 60000;
constexpr auto kPainted = "painted";
constexpr auto kReady = "ready";
constexpr auto kApplicationChild = "--application";
constexpr auto kBareChild = "--bare";

void say(const char *line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

// Says "painted" when the first paint event has been handled, and then
// runs next.
void reportFirstPaint(PaintWatchingApplication &app, const std::function<void()> &next)
{
    app.paintEnded = [&app, next](QObject *) {
        app.paintEnded = nullptr;
        say(kPainted);
        next();
    };
}

// Presses button as a tap would; "ready" and quit once it reports the press.
void pressAndReport(QAbstractButton *button)
{
    QObject::connect(button, &QAbstractButton::pressed, [] {
        say(kReady);
        QCoreApplication::exit(0);
    });
    QTest::mousePress(button, Qt::LeftButton);
}

// A tap needs something to see: the menu is pressed once the window has
// been painted.
int runApplicationChild(PaintWatchingApplication &app)
{
    bool painted = false;
    reportFirstPaint(app, [&painted] { painted = true; });
    MainWindow window;
    launch(window);
    auto *transition = window.findChild<ScreenTransition *>();
    QWidget *menu = window.screenFor(FormMenu);
    auto *menuButton = menu->findChild<QAbstractButton *>(QStringLiteral("trainingButton"));
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        // The fade stepped through at once: its 25 ms ticks are left out.
        while (transition->isFading())
            transition->opacityTick();
        if (painted && ClientSessionInfo::actualForm == menu && menuButton->isEnabled()
            && menuButton->isVisible()) {
            poll.stop();
            pressAndReport(menuButton);
        }
    });
    poll.start(1);
    return app.exec();
}

int runBareChild(PaintWatchingApplication &app)
{
    QWidget window;
    QPushButton button(QStringLiteral("button"), &window);
    reportFirstPaint(
        app, [&button] { QTimer::singleShot(0, &button, [&button] { pressAndReport(&button); }); });
    showFullScreenAnywhere(window);
    return app.exec();
}

struct StartTimes
{
    double paintedMs = -1;
    double readyMs = -1;
};

// The time from the start until the child says expected; -1 when it says
// something else or ends first.
double msUntil(QProcess &process, const QElapsedTimer &clock, const char *expected)
{
    while (process.state() != QProcess::NotRunning && !process.canReadLine()
        && clock.elapsed() < kChildTimeoutMs)
        process.waitForReadyRead(kChildTimeoutMs);
    const double ms = clock.nsecsElapsed() / 1e6;
    return process.readLine().trimmed() == expected ? ms : -1;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return (times[kRuns / 2 - 1] + times[kRuns / 2]) / 2;
}

StartTimes medianStart(const QString &program, const char *child, const QProcessEnvironment &environment)
{
    std::vector<double> painted;
    std::vector<double> ready;
    for (int run = 0; run < kRuns; ++run) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer clock;
        clock.start();
        process.start(program, { QLatin1String(child) });
        painted.push_back(msUntil(process, clock, kPainted));
        ready.push_back(msUntil(process, clock, kReady));
        if (painted.back() < 0 || ready.back() < 0) {
            std::printf(
                "%s did not get ready: %s\n", child, process.readAllStandardError().right(500).constData());
            return {};
        }
        process.waitForFinished(kChildTimeoutMs);
    }
    return { median(painted), median(ready) };
}

} // namespace

int main(int argc, char **argv)
{
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == kApplicationChild)
        prepareProcess();
    PaintWatchingApplication app(argc, argv);
    if (mode == kApplicationChild)
        return runApplicationChild(app);
    if (mode == kBareChild)
        return runBareChild(app);

    // The installation the children start on: its configuration, data
    // location and one account, in a HOME of their own.
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto &[name, folder] : { std::pair { "HOME", "" }, { "XDG_DATA_HOME", "/data" },
             { "XDG_CONFIG_HOME", "/config" }, { "XDG_CACHE_HOME", "/cache" } }) {
        environment.insert(QLatin1String(name), home.path() + QLatin1String(folder));
        qputenv(name, (home.path() + QLatin1String(folder)).toLocal8Bit());
    }
    // Where the children find it: the per-user data folder's KavrinMac/Kavrin.
    ClientSessionInfo::configPath = home.path() + QStringLiteral("/data/KavrinMac/Kavrin/config.xml");
    // The data location's folder is the installer's to make.
    const QString records = home.path() + QStringLiteral("/records");
    QDir().mkpath(records);
    prepareInstallation(records);

    const QString program = QCoreApplication::applicationFilePath();
    const StartTimes application = medianStart(program, kApplicationChild, environment);
    const StartTimes bare = medianStart(program, kBareChild, environment);
    std::printf("medians of %d starts      first paint     takes input\n", kRuns);
    std::printf(
        "KavrinMac, to the menu   %8.1f ms     %8.1f ms\n", application.paintedMs, application.readyMs);
    std::printf("bare Qt Widgets window   %8.1f ms     %8.1f ms\n", bare.paintedMs, bare.readyMs);
    std::printf("ratio                    %8.2fx       %8.2fx\n", application.paintedMs / bare.paintedMs,
        application.readyMs / bare.readyMs);
    return application.readyMs > 0 && bare.readyMs > 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
