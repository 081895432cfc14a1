// Measures the main window's screen transitions at full HD: the interval
// between animation ticks (wanted: 25 ms) and the CPU time spent per tick,
// for a fade from the menu to another screen and for a full blur and
// un-blur under a dialog. Run under Xvfb or with QT_QPA_PLATFORM=offscreen:
//     xvfb-run -a -s '-screen 0 1920x1080x24' build/bin/bench_transitions
// It writes a configuration file, so give it a HOME (or XDG_DATA_HOME) of
// its own.
#include <QApplication>
#include <QElapsedTimer>
#include <QMetaObject>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "benchsupport.h"
#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "sessionfixture.h"

namespace {

double processCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

struct TickLog
{
    std::vector<double> wallMs;
    double cpuStartMs = 0;
    double cpuEndMs = 0;
};

// Records every animation tick of the window until it reports `end`.
TickLog measure(MainWindow &window, graphicsEffectActual end, const std::function<void()> &start)
{
    TickLog log;
    QElapsedTimer clock;
    QList<QMetaObject::Connection> connections;
    for (QTimer *timer : window.findChildren<QTimer *>())
        connections << QObject::connect(
            timer, &QTimer::timeout, [&] { log.wallMs.push_back(clock.nsecsElapsed() / 1e6); });
    bool done = false;
    connections << QObject::connect(&window, &MainWindow::GraphicsEffect,
        [&](graphicsEffectActual reached) { done = done || reached == end; });

    log.cpuStartMs = processCpuMs();
    clock.start();
    start();
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    log.cpuEndMs = processCpuMs();
    for (const auto &connection : connections)
        QObject::disconnect(connection);
    return log;
}

void report(const char *name, const TickLog &log)
{
    std::vector<double> intervals;
    for (size_t i = 1; i < log.wallMs.size(); ++i)
        intervals.push_back(log.wallMs[i] - log.wallMs[i - 1]);
    if (intervals.empty())
        return;
    std::sort(intervals.begin(), intervals.end());
    const double median = intervals[intervals.size() / 2];
    const double worst = intervals.back();
    const double cpuPerTick = (log.cpuEndMs - log.cpuStartMs) / log.wallMs.size();
    std::printf("%-22s ticks %3zu  interval median %6.2f ms  worst %6.2f ms  CPU %6.2f ms/tick\n", name,
        log.wallMs.size(), median, worst, cpuPerTick);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // An installed application with one account starts straight into the menu.
    DataFolder data;
    prepareInstallation(data.path());
    MainWindow window;
    window.setFixedSize(1920, 1080);
    window.show();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 500)
        QCoreApplication::processEvents();

    const int rounds = 5;
    for (int round = 0; round < rounds; ++round) {
        const FormEnum target = round % 2 == 0 ? FormResultsList : FormMenu;
        report("fade (out + in)", measure(window, OpacityMax, [&] {
            QMetaObject::invokeMethod(&window, "ShowNextForm", Q_ARG(FormEnum, target));
        }));
        report("blur to full radius", measure(window, BlurMax, [&] {
            QMetaObject::invokeMethod(&window, "ShowDialogForm", Q_ARG(DialogOpt, DialogShutDown));
        }));
        report("un-blur",
            measure(window, BlurMin, [&] { QMetaObject::invokeMethod(&window, "HideDialogForm"); }));
    }
    return 0;
}
