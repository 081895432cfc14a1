// Cost of a recorded, tracked training in the whole application, against
// recording through Camera alone as the floor; the GUI thread's worst stall
// in each phase of a training from the training screen's start to its
// results; the blur of the running training under a dialog; and the
// resident memory minute by minute.
//
//   xvfb-run -a -s '-screen 0 1920x1080x24' build/bin/bench_training [seconds [repair|export]]
//
// (default 60). It writes a configuration file, so give it a HOME (or
// XDG_DATA_HOME) of its own. Both recordings are 1280x720 at 30 frames per
// second, without sound. CPU time is the process's own (getrusage). The GUI
// thread's stalls are the longest gaps between the ticks of a 5 ms timer;
// beside each phase's worst stall stand the time the thread ran in it and
// the time it was ready but waited for a core (the kernel's scheduler
// statistics), the rest it was blocked or asleep, and how long a watching
// thread that only sleeps was held in the same span (the machine's own
// stall). The floor's GUI thread is watched alike.
// With "repair" or "export" the history's repair of a cut recording, or its
// export of one, runs over and over in the background from the training
// screen's start to the results' end, and the floor is left out. The floor
// records in a child process of its own, so that the peak memory printed is
// the training's alone.
#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QThreadPool>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <unistd.h>

#include "benchsupport.h"
#include "camera/previewform.h"
#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "core/startup.h"
#include "cutrecording.h"
#include "history/recordingrepair.h"
#include "history/videoexport.h"
#include "sessionfixture.h"
#include "traineesteps.h"

namespace {

constexpr int kDefaultSeconds = 60;
const QSize kRecordingSize(1280, 720);
// How long the blurred training is watched at full radius.
constexpr int kBlurHoldSeconds = 10;
// How long the results are looked at before they are closed.
constexpr int kResultsSeconds = 3;
constexpr int kSecondsPerMinute = 60;
// The recording the background work repairs or exports: 20 s at the
// virtual camera's size, cut off by killing its recorder.
constexpr int kCutRecordingMs = 20000;
constexpr auto kFloorArgument = "--floor";
constexpr double kBytesPerMb = 1024.0 * 1024.0;

struct Span
{
    double cpuSeconds = 0;
    double wallSeconds = 0;
    double worstStallMs = 0;
    // The GUI thread's own.
    ThreadClock::Times guiSpent;
    double cpuPerSecond() const { return cpuSeconds / wallSeconds; }
};

double residentMb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.size() > 1 ? pages.at(1).toLongLong() * sysconf(_SC_PAGESIZE) / kBytesPerMb : 0;
}

void printGuiThread(const char *over, const ThreadClock::Times &spent, double seconds)
{
    std::printf("  GUI thread over %-16s ran %5.1f ms per s, waited for a core %5.1f ms per s\n", over,
        spent.ranMs / seconds, spent.queuedMs / seconds);
    std::fflush(stdout);
}

// Watches the running application for `seconds`; with everyMinute, prints
// the resident memory at the end of each minute.
Span watchFor(int seconds, bool everyMinute = false)
{
    StallProbe probe;
    int minute = 0;
    const auto report = [&minute] {
        std::printf("  resident memory after minute %2d: %6.1f MB\n", ++minute, residentMb());
        std::fflush(stdout);
    };
    QTimer minutes;
    QObject::connect(&minutes, &QTimer::timeout, report);
    if (everyMinute)
        minutes.start(kSecondsPerMinute * 1000);
    QElapsedTimer clock;
    const double before = cpuSeconds(RUSAGE_SELF);
    clock.start();
    spinUntil([&clock, seconds] { return clock.elapsed() >= seconds * 1000; }, seconds * 1000 + kWatchMarginMs);
    Span span;
    span.cpuSeconds = cpuSeconds(RUSAGE_SELF) - before;
    span.guiSpent = probe.spentSinceMade();
    span.wallSeconds = clock.elapsed() / 1000.0;
    span.worstStallMs = probe.worstStallMs();
    // The timer's last minute may end a moment after the watch.
    if (everyMinute && minute < seconds / kSecondsPerMinute)
        report();
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

// The history's work left running while the trainee trains: the repair of
// a cut recording or the export of one, started again each time it ends.
// Each round removes the last round's files and gets a fresh copy of the cut
// recording, dated a minute back so that the repair takes it up, on a worker:
// removing a 20 s recording takes 4-10 ms, which the GUI thread would be
// charged with.
class BackgroundWork : public QObject
{
public:
    BackgroundWork(const QString &kind, const QString &folder)
        : exporting(kind == QLatin1String("export"))
        , folder(folder)
        , cut(QDir(folder).filePath(QStringLiteral("cut.source")))
    {
        connect(&repair, &RecordingRepair::finished, this, &BackgroundWork::nextRound);
        connect(&copier, &VideoExport::finished, this, &BackgroundWork::nextRound);
    }

    // Records the cut recording in a child process.
    bool prepare()
    {
        return killWhileRecording(recordingChild(cut, false), kCutRecordingMs, kStartTimeoutMs);
    }
    void start() { copyForNextRound(); }
    void stop()
    {
        stopped = true;
        repair.stop();
        copier.cancel();
    }
    int rounds() const { return done; }

private:
    QString roundFile() const { return QDir(folder).filePath(QStringLiteral("round.mp4")); }

    void nextRound()
    {
        ++done;
        copyForNextRound();
    }

    QString exportFolder() const { return QDir(folder).filePath(QStringLiteral("export")); }

    void copyForNextRound()
    {
        if (stopped)
            return;
        QThreadPool::globalInstance()->start([this, from = cut, to = roundFile(),
                                                 exported = VideoExport::destinationFor(roundFile(), exportFolder())] {
            QFile::remove(to);
            QFile::remove(exported);
            QFile::copy(from, to);
            QFile copy(to);
            if (copy.open(QIODevice::ReadWrite))
                copy.setFileTime(QDateTime::currentDateTime().addSecs(-kSecondsPerMinute),
                    QFileDevice::FileModificationTime);
            QMetaObject::invokeMethod(this, [this] {
                if (stopped)
                    return;
                if (exporting) {
                    QDir().mkpath(exportFolder());
                    copier.start({ roundFile() }, exportFolder());
                } else {
                    repair.start({ roundFile() });
                }
            });
        });
    }

    const bool exporting;
    const QString folder;
    const QString cut;
    RecordingRepair repair;
    VideoExport copier;
    bool stopped = false;
    int done = 0;
};

// The GUI thread's worst stall and the largest resident memory in each phase
// of a sequence.
class Phases
{
public:
    Phases()
    {
        QObject::connect(&memoryProbe, &QTimer::timeout, [this] { peakMb = std::max(peakMb, residentMb()); });
        memoryProbe.start(kMemoryProbeMs);
    }

    bool measure(const char *phase, const std::function<bool()> &step)
    {
        const bool completed = step();
        const Stall worst = probe.takeWorstStall();
        worstOfAllMs = std::max(worstOfAllMs, worst.ms);
        std::printf("  %-24s %s   resident peak %6.1f MB%s\n", phase, qPrintable(describe(worst)),
            std::max(std::exchange(peakMb, 0.0), residentMb()), completed ? "" : "   (not completed)");
        std::fflush(stdout);
        return completed;
    }
    double worstOfAll() const { return worstOfAllMs; }

private:
    static constexpr int kMemoryProbeMs = 20;
    StallProbe probe;
    QTimer memoryProbe;
    double worstOfAllMs = 0;
    double peakMb = 0;
};

// The floor in a child process, whose output is passed on; its CPU seconds
// per recorded second, or 0.
double floorInChild(int seconds)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(
        QCoreApplication::applicationFilePath(), { QLatin1String(kFloorArgument), QString::number(seconds) });
    child.waitForFinished(-1);
    const QByteArray output = child.readAllStandardOutput();
    std::printf("%s", output.constData());
    const QRegularExpressionMatch floor
        = QRegularExpression(QStringLiteral("alone +([0-9.]+) CPU")).match(QString::fromLatin1(output));
    return floor.hasMatch() ? floor.captured(1).toDouble() : 0;
}

} // namespace

int main(int argc, char **argv)
{
    prepareProcess();
    QApplication application(argc, argv);
    if (isRecordingChild(argc, argv))
        return runRecordingChild(argv);
    const bool floorOnly = argc > 1 && qstrcmp(argv[1], kFloorArgument) == 0;
    const int seconds
        = argc > 1 + floorOnly ? QString::fromLocal8Bit(argv[1 + floorOnly]).toInt() : kDefaultSeconds;
    defaultHandler = qInstallMessageHandler(keepFinishedLine);
    DataFolder folder;
    if (floorOnly) {
        // Its GUI thread, watched from the recording's start.
        std::optional<StallProbe> probe;
        recordingFloor(kRecordingSize, seconds, folder.filePath(QStringLiteral("alone.mp4")),
            [&probe](Camera &) { probe.emplace(); });
        if (probe) {
            printGuiThread("recording alone", probe->spentSinceMade(), probe->secondsSinceMade());
            std::printf("  recording alone          %s\n", qPrintable(describe(probe->takeWorstStall())));
        }
        return EXIT_SUCCESS;
    }
    const QString kind = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    BackgroundWork background(kind, folder.path());
    if (!kind.isEmpty() && !background.prepare())
        return EXIT_FAILURE;

    prepareInstallation(folder.path());
    MainWindow window;
    window.show();
    if (!waitForScreen(window, window.screenFor(FormMenu)))
        return EXIT_FAILURE;
    // The first dialog of a run also lays out and polishes the dialog host;
    // the menu, a still screen, takes that cost and is the reference.
    measureBlur(window, "menu, first", watchFor(kBlurHoldSeconds).cpuPerSecond());
    measureBlur(window, "the menu", watchFor(kBlurHoldSeconds).cpuPerSecond());
    chooseRecordedStopwatchTraining();
    auto *preview = qobject_cast<PreviewForm *>(window.screenFor(FormPreview));
    TraineeSteps::TrainingSteps steps(&window);

    // A training as a trainee goes through it, phase by phase.
    std::printf("phases%s\n", kind.isEmpty() ? "" : qPrintable(QLatin1String(", with a background ") + kind));
    if (!kind.isEmpty())
        background.start();
    Phases phases;
    Span training;
    const bool completed = phases.measure("to the training screen", [&] {
        QMetaObject::invokeMethod(&window, "ShowNextForm", Q_ARG(FormEnum, FormPreview));
        return waitForScreen(window, preview);
    }) && phases.measure("full-screen switch", [&] {
        return steps.tryStart() && TraineeSteps::waitUntil(&ClientSessionInfo::isRecording);
    }) && phases.measure("the picture taken", [&] {
        return TraineeSteps::waitUntil([&] { return QFile::exists(preview->currentPicturePath()); });
    }) && phases.measure("training", [&] {
        training = watchFor(seconds, true);
        printGuiThread("the training", training.guiSpent, training.wallSeconds);
        return true;
    }) && phases.measure("finish question", [&] {
        measureBlur(window, "the training", training.cpuPerSecond());
        return true;
    }) && phases.measure("stopping", [&] {
        return steps.tryFinishByTap() && TraineeSteps::waitUntil([&] {
            return ClientSessionInfo::actualForm == window.screenFor(FormLoading);
        });
    }) && phases.measure("loading screen", [&] {
        return TraineeSteps::tryWaitForScreen(&window, FormPreview);
    }) && phases.measure("results dialog", [&] {
        auto *results = TraineeSteps::awaitDialog<TrainingResultsDialog>();
        watchFor(kResultsSeconds);
        return TraineeSteps::tryClick(results, "pushButton")
            && TraineeSteps::waitUntil([&] { return preview->isEnabled(); });
    });
    background.stop();
    std::printf("worst GUI stall of the whole training %5.1f ms%s\n", phases.worstOfAll(),
        kind.isEmpty()
            ? ""
            : qPrintable(QStringLiteral(", %1 %2 rounds beside it").arg(background.rounds()).arg(kind)));
    std::printf("%s\n", qPrintable(lastFinishedLine));
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    // Linux reports the largest resident set in kilobytes.
    std::printf("peak memory (largest resident set) %.1f MB\n", usage.ru_maxrss / 1024.0);
    std::fflush(stdout);
    ClientSessionInfo::stopPreview();
    window.hide();

    // Beside background work the CPU taken is not the training's own.
    if (!kind.isEmpty())
        return completed ? EXIT_SUCCESS : EXIT_FAILURE;
    const double floorPerSecond = floorInChild(seconds);
    std::printf(
        "training, full screen %6.3f CPU s per s over %.1f s = %.2fx recording alone   (window %dx%d)\n",
        training.cpuPerSecond(), training.wallSeconds, training.cpuPerSecond() / floorPerSecond,
        window.width(), window.height());
    return completed ? EXIT_SUCCESS : EXIT_FAILURE;
}
