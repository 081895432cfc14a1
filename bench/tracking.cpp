// Cost of tracking the instruments: the tracker alone on the virtual camera's
// picture at 720p and 1080p, and a recorded, tracked training in the whole
// application against recording through Camera alone.
//
//   xvfb-run -a -s '-screen 0 1920x1080x24' build/bin/bench_tracking [seconds]
//
// (default 60 for the training; a third of that per picture size). It writes
// a configuration file, so give it a HOME (or XDG_DATA_HOME) of its own.
// Frames come at 30 per second. CPU time is the process's own (getrusage);
// the tracker's worker is measured on its own thread ("tip tracker", from
// /proc). The delay the tracking adds to the preview is the GUI thread's
// time in the tracker's frame handler, which runs after the viewfinder has
// been handed the frame and before the viewfinder paints it.

#include <QApplication>
#include <QCamera>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QVideoProbe>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

#include "benchsupport.h"
#include "camera/previewform.h"
#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "sessionfixture.h"
#include "tracking/reducedframe.h"
#include "tracking/tiptracker.h"

namespace {

constexpr int kDefaultSeconds = 60;
// As the tracker takes it.
constexpr int kAnalysedWidth = 640;
constexpr auto kWorkerName = "tip tracker";

// CPU seconds of the process's threads of that name, from /proc.
double threadCpuSeconds(const char *name)
{
    double seconds = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(task + QStringLiteral("/comm")));
        if (!comm.open(QIODevice::ReadOnly) || comm.readAll().trimmed() != name)
            continue;
        QFile stat(tasks.filePath(task + QStringLiteral("/stat")));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        // After the name in parentheses: state is field 3, utime 14, stime 15.
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        seconds += (fields.value(11).toDouble() + fields.value(12).toDouble()) / sysconf(_SC_CLK_TCK);
    }
    return seconds;
}

struct Span
{
    double cpuPerSecond = 0;
    double workerPerSecond = 0;
    double worstStallMs = 0;
};

Span watchFor(int seconds)
{
    StallProbe probe;
    QElapsedTimer clock;
    const double before = cpuSeconds(RUSAGE_SELF);
    const double workerBefore = threadCpuSeconds(kWorkerName);
    clock.start();
    spinUntil([&clock, seconds] { return clock.elapsed() >= seconds * 1000; }, seconds * 1000 + kWatchMarginMs);
    const double wall = clock.elapsed() / 1000.0;
    return { (cpuSeconds(RUSAGE_SELF) - before) / wall, (threadCpuSeconds(kWorkerName) - workerBefore) / wall,
        probe.worstStallMs() };
}

// The tracker's share of the GUI thread per frame: the small copy it takes
// of each frame, timed on the frames of the running camera.
void timeFrameCopies(QCamera *camera, int seconds, double *meanUs, double *worstUs)
{
    QVideoProbe probe;
    probe.setSource(camera);
    qint64 frames = 0;
    qint64 totalNs = 0;
    qint64 worstNs = 0;
    QObject::connect(&probe, &QVideoProbe::videoFrameProbed, [&](const QVideoFrame &frame) {
        QElapsedTimer clock;
        clock.start();
        const ReducedFrame reduced = ReducedFrame::of(frame, kAnalysedWidth);
        const qint64 ns = clock.nsecsElapsed();
        frames += reduced.bgr.empty() ? 0 : 1;
        totalNs += ns;
        worstNs = std::max(worstNs, ns);
    });
    watchFor(seconds);
    *meanUs = frames ? totalNs / 1e3 / frames : 0;
    *worstUs = worstNs / 1e3;
}

void benchTrackerAlone(const QSize &size, int seconds)
{
    Camera camera;
    VideoWidget viewfinder;
    if (!startPreview(camera, viewfinder, size))
        return;
    QCamera *device = camera.currentDevice();
    spinUntil([device] { return device->status() == QCamera::ActiveStatus; }, kStartTimeoutMs);

    const Span alone = watchFor(seconds);
    TipTracker tracker;
    QSignalSpy measured(&tracker, &TipTracker::measured);
    tracker.start(device, { kStandardFieldWidthMm });
    const Span tracked = watchFor(seconds);
    tracker.finish(QString());
    spinUntil([&measured] { return !measured.isEmpty(); }, kStartTimeoutMs);
    const TrainingMetrics metrics = measured.isEmpty()
        ? TrainingMetrics()
        : measured.first().at(1).value<TrainingMeasurement>().metrics;
    double meanUs = 0;
    double worstUs = 0;
    timeFrameCopies(device, seconds, &meanUs, &worstUs);
    camera.StopPreview();

    std::printf("%4dx%-4d  camera and viewfinder %6.3f CPU s per s, with tracking %6.3f (+%.3f); worst GUI "
                "stall %5.1f ms, with tracking %5.1f ms; tracker thread %6.3f CPU s per s; %lld of %lld "
                "frames dropped; GUI thread per frame %5.0f us (worst %5.0f us)\n",
        size.width(), size.height(), alone.cpuPerSecond, tracked.cpuPerSecond,
        tracked.cpuPerSecond - alone.cpuPerSecond, alone.worstStallMs, tracked.worstStallMs,
        tracked.workerPerSecond, static_cast<long long>(metrics.framesDropped),
        static_cast<long long>(metrics.framesAnalysed + metrics.framesDropped), meanUs, worstUs);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : kDefaultSeconds;
    defaultHandler = qInstallMessageHandler(keepFinishedLine);
    DataFolder folder;

    for (const QSize size : { QSize(1280, 720), QSize(1920, 1080) })
        benchTrackerAlone(size, std::max(1, seconds / 3));

    const double floorPerSecond
        = recordingFloor(QSize(1280, 720), seconds, folder.filePath(QStringLiteral("alone.mp4")));

    prepareInstallation(folder.path());
    MainWindow window;
    window.show();
    if (!waitForScreen(window, window.screenFor(FormMenu)))
        return EXIT_FAILURE;
    PreviewForm *preview = openRecordingTrainingScreen(window);
    if (!preview)
        return EXIT_FAILURE;

    // The training proper, as after a Yes to the full-screen question.
    QSignalSpy measured(preview, &PreviewForm::trainingMeasured);
    preview->showFullScreen();
    spinUntil([] { return ClientSessionInfo::isRecording(); }, kScreenTimeoutMs);
    const Span training = watchFor(seconds);
    preview->closeFullScreen();
    spinUntil([&measured] { return !measured.isEmpty(); }, kScreenTimeoutMs);
    const TrainingMetrics metrics = measured.isEmpty()
        ? TrainingMetrics()
        : measured.first().at(1).value<TrainingMeasurement>().metrics;
    std::printf("training, tracked       %6.3f CPU s per s over %d s = %.2fx recording alone, of it the "
                "tracker thread %.3f; worst GUI stall %5.1f ms; %lld of %lld frames dropped; metrics "
                "%s\n",
        training.cpuPerSecond, seconds, training.cpuPerSecond / floorPerSecond, training.workerPerSecond,
        training.worstStallMs, static_cast<long long>(metrics.framesDropped),
        static_cast<long long>(metrics.framesAnalysed + metrics.framesDropped),
        measured.isEmpty() || !measured.first().at(2).toBool() ? "not saved" : "saved");
    std::printf("%s\n", qPrintable(lastFinishedLine));
    return EXIT_SUCCESS;
}
