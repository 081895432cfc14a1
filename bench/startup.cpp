// Start-up time to the menu: the median of 10 starts of a process that does
// what KavrinMac's main() does, timed from the start of the process to the
// menu on screen with its fade finished, beside the same for a bare Qt
// Widgets window (shown full screen and painted once) as the floor.
//
//   xvfb-run -a -s '-screen 0 1920x1080x24' build/bin/bench_startup
//
// With QT_GSTREAMER_WIDGET_VIDEOSINK= QT_GSTREAMER_WINDOW_VIDEOSINK= (set,
// empty) Qt's GStreamer back end probes for video sinks of its own again, as
// it did before the application chose to paint the video itself.
//
// The driver prepares an installation with one account in a temporary HOME
// and starts itself as the child for each run; the child prints "ready" and
// quits when its window is there.

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "core/startup.h"
#include "sessionfixture.h"

namespace {

constexpr int kRuns = 10;
constexpr int kChildTimeoutMs = 60000;
constexpr auto kReady = "ready";
constexpr auto kApplicationChild = "--application";
constexpr auto kBareChild = "--bare";

void reportReady()
{
    std::printf("%s\n", kReady);
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

int runApplicationChild(QApplication &app)
{
    MainWindow window;
    launch(window);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&window] {
        if (ClientSessionInfo::actualForm == window.screenFor(FormMenu) && window.lastEffect() == OpacityMax)
            reportReady();
    });
    poll.start(1);
    return app.exec();
}

// A full-screen window that reports its first paint.
class BareWindow : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!painted)
            QTimer::singleShot(0, reportReady);
        painted = true;
    }

private:
    bool painted = false;
};

int runBareChild(QApplication &app)
{
    BareWindow window;
    window.showFullScreen();
    return app.exec();
}

double medianStartMs(const QString &program, const char *child, const QProcessEnvironment &environment)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer clock;
        clock.start();
        process.start(program, { QLatin1String(child) });
        while (process.state() != QProcess::NotRunning && !process.canReadLine())
            process.waitForReadyRead(kChildTimeoutMs);
        const double ms = clock.nsecsElapsed() / 1e6;
        if (process.readLine().trimmed() != kReady) {
            std::printf(
                "%s did not get ready: %s\n", child, process.readAllStandardError().right(500).constData());
            return -1;
        }
        times.push_back(ms);
        process.waitForFinished(kChildTimeoutMs);
    }
    std::sort(times.begin(), times.end());
    return (times[kRuns / 2 - 1] + times[kRuns / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == kApplicationChild)
        prepareProcess();
    QApplication app(argc, argv);
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
    prepareInstallation(home.path() + QStringLiteral("/records"));

    const QString program = QCoreApplication::applicationFilePath();
    const double application = medianStartMs(program, kApplicationChild, environment);
    const double bare = medianStartMs(program, kBareChild, environment);
    std::printf("start-up to the menu      %8.1f ms (median of %d)\n", application, kRuns);
    std::printf("bare Qt Widgets window    %8.1f ms (median of %d)\n", bare, kRuns);
    return application > 0 && bare > 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
