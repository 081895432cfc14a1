// Cost of a recorded training in the whole application, against recording
// through Camera alone as the floor, and of blurring the running training
// under a dialog.
//
//   xvfb-run -a -s '-screen 0 1920x1080x24' build/bin/bench_training [seconds]
//
// (default 60). It writes a configuration file, so give it a HOME (or
// XDG_DATA_HOME) of its own. Both recordings are 1280x720 at 30 frames per
// second, without sound. CPU time is the process's own (getrusage). The GUI
// thread's stalls are the longest gaps between the ticks of a 5 ms timer.
// At the end it prints the process's peak memory.

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "benchsupport.h"
#include "camera/previewform.h"
#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "sessionfixture.h"

namespace {

constexpr int kDefaultSeconds = 60;
const QSize kRecordingSize(1280, 720);
// How long the blurred training is watched at full radius.
constexpr int kBlurHoldSeconds = 10;

struct Span
{
    double cpuSeconds = 0;
    double wallSeconds = 0;
    double worstStallMs = 0;
    double cpuPerSecond() const { return cpuSeconds / wallSeconds; }
};

Span watchFor(int seconds)
{
    StallProbe probe;
    QElapsedTimer clock;
    const double before = cpuSeconds(RUSAGE_SELF);
    clock.start();
    spinUntil([&clock, seconds] { return clock.elapsed() >= seconds * 1000; }, seconds * 1000 + kPollMs);
    Span span;
    span.cpuSeconds = cpuSeconds(RUSAGE_SELF) - before;
    span.wallSeconds = clock.elapsed() / 1000.0;
    span.worstStallMs = probe.worstStallMs();
    return span;
}

// Opens the finish question over the current screen and measures the blur up
// to its full radius (ticks and CPU) and then held there, beside the CPU the
// screen takes without a dialog.
void measureBlur(MainWindow &window, const char *over, double screenCpuPerSecond)
{
    int ticks = 0;
    QList<QMetaObject::Connection> connections;
    for (QTimer *timer : window.findChildren<QTimer *>())
        connections << QObject::connect(timer, &QTimer::timeout, [&ticks] { ++ticks; });
    bool blurred = false;
    connections << QObject::connect(&window, &MainWindow::GraphicsEffect,
        [&blurred](graphicsEffectActual end) { blurred = blurred || end == BlurMax; });

    QElapsedTimer clock;
    const double before = cpuSeconds(RUSAGE_SELF);
    clock.start();
    QMetaObject::invokeMethod(&window, "ShowDialogForm", Q_ARG(DialogOpt, DialogFinishTraining));
    spinUntil([&blurred] { return blurred; }, kScreenTimeoutMs);
    const double cpuMs = (cpuSeconds(RUSAGE_SELF) - before) * 1e3;
    const double wallMs = clock.elapsed();
    for (const auto &connection : connections)
        QObject::disconnect(connection);
    const double perTickMs = cpuMs / std::max(ticks, 1);
    const double screenPerTickMs = screenCpuPerSecond * wallMs / std::max(ticks, 1);
    std::printf("blur over %-12s %3d ticks in %5.0f ms   %5.1f CPU ms per tick (%5.1f beyond the "
                "screen's own)\n",
        over, ticks, wallMs, perTickMs, perTickMs - screenPerTickMs);

    const Span held = watchFor(kBlurHoldSeconds);
    std::printf("held at full blur      %6.3f CPU s per s (%+.3f beyond the screen's own)   worst GUI "
                "stall %5.1f ms\n",
        held.cpuPerSecond(), held.cpuPerSecond() - screenCpuPerSecond, held.worstStallMs);
    std::fflush(stdout);
    QMetaObject::invokeMethod(&window, "HideDialogForm");
    spinUntil([&window] { return window.lastEffect() == BlurMin; }, kScreenTimeoutMs);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : kDefaultSeconds;
    defaultHandler = qInstallMessageHandler(keepFinishedLine);
    QTemporaryDir folder;

    const double floorPerSecond
        = recordingFloor(kRecordingSize, seconds, folder.filePath(QStringLiteral("alone.mp4")));

    prepareInstallation(folder.path());
    MainWindow window;
    window.show();
    if (!waitForScreen(window, window.screenFor(FormMenu)))
        return EXIT_FAILURE;
    // The first dialog of a run also lays out and polishes the dialog host;
    // the menu, a still screen, takes that cost and is the reference.
    measureBlur(window, "menu, first", watchFor(kBlurHoldSeconds).cpuPerSecond());
    measureBlur(window, "the menu", watchFor(kBlurHoldSeconds).cpuPerSecond());
    User *user = ClientSessionInfo::actualUser();
    user->recordVideo = 1;
    user->recordSound = 0;
    user->stopwatchOn = 1;
    ClientSessionInfo::updateActualUser();
    QMetaObject::invokeMethod(&window, "ShowNextForm", Q_ARG(FormEnum, FormPreview));
    auto *preview = qobject_cast<PreviewForm *>(window.screenFor(FormPreview));
    if (!waitForScreen(window, preview))
        return EXIT_FAILURE;

    // The training proper, as after a Yes to the full-screen question.
    preview->showFullScreen();
    spinUntil([] { return ClientSessionInfo::isRecording(); }, kScreenTimeoutMs);
    const Span training = watchFor(seconds);
    std::printf("training, full screen %6.3f CPU s per s over %.1f s = %.2fx recording alone   worst GUI "
                "stall %5.1f ms   (window %dx%d)\n",
        training.cpuPerSecond(), training.wallSeconds, training.cpuPerSecond() / floorPerSecond,
        training.worstStallMs, window.width(), window.height());
    std::fflush(stdout);

    measureBlur(window, "the training", training.cpuPerSecond());
    preview->closeFullScreen();
    std::printf("%s\n", qPrintable(lastFinishedLine));
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    // Linux reports the largest resident set in kilobytes.
    std::printf("peak memory (largest resident set) %.1f MB\n", usage.ru_maxrss / 1024.0);
    return EXIT_SUCCESS;
}
