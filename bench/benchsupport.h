#pragma once

// Measuring helpers shared by the benchmarks: process CPU time, waiting on
// the event loop, and a recording through Camera with the virtual camera,
// which is the floor the whole application's training is compared with.

#include <QApplication>
#include <QCamera>
#include <QCameraViewfinderSettings>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMediaRecorder>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <mutex>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

#include "camera/camera.h"
#include "camera/previewform.h"
#include "camera/videowidget.h"
#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "eventwait.h"
#include "storage/user.h"

inline constexpr int kStartTimeoutMs = 20000;
inline constexpr int kScreenTimeoutMs = 20000;
inline constexpr int kStallProbeMs = 5;
// A watch of some seconds gives up this long after them.
inline constexpr int kWatchMarginMs = 50;
inline const QSize kViewfinderSize(960, 540);
inline constexpr auto kFinishedLine = "recording finished:";

struct Result
{
    double cpuSeconds = 0;
    double recordedSeconds = 0;
    qint64 droppedFrames = -1;
    qint64 fileBytes = 0;
};

// Shows the window full screen also where no window manager acts on the
// request: under a bare X server such as Xvfb it would keep its default size
// (100x30 for an empty widget), and a floor drawn that small is no floor.
inline void showFullScreenAnywhere(QWidget &window)
{
    window.setGeometry(window.screen()->geometry());
    window.showFullScreen();
}

inline double cpuSeconds(int who)
{
    rusage usage {};
    getrusage(who, &usage);
    const auto seconds = [](const timeval &t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The virtual camera's last "recording finished" line, which counts the
// frames it dropped; install keepFinishedLine as the message handler.
inline QString lastFinishedLine;
inline QtMessageHandler defaultHandler = nullptr;

inline void keepFinishedLine(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String(kFinishedLine)))
        lastFinishedLine = message;
    defaultHandler(type, context, message);
}

// The preview of camera number index (the virtual camera by default) at size
// in viewfinder; false without that camera.
inline bool startPreview(Camera &camera, VideoWidget &viewfinder, const QSize &size, unsigned int index = 0)
{
    camera.setActualDevice(index);
    if (!camera.currentDevice())
        return false;
    QCameraViewfinderSettings settings;
    settings.setResolution(size);
    camera.currentDevice()->setViewfinderSettings(settings);
    viewfinder.resize(kViewfinderSize);
    viewfinder.show();
    camera.StartPreview(&viewfinder);
    return true;
}

// A bench's data location, removed only after the session has let go of
// its current account: the session's accounts outlive main(), and the
// account's lock file would be gone with its folder before they release it.
class DataFolder : public QTemporaryDir
{
public:
    ~DataFolder() { ClientSessionInfo::accounts.unlockCurrent(); }
};

// Tells of the end of every paint: the moment notify() returns from
// delivering a paint event to its widget.
class PaintWatchingApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        const bool handled = QApplication::notify(receiver, event);
        if (event->type() == QEvent::Paint && paintEnded) {
            // A copy runs: the handler may replace itself.
            const auto handler = paintEnded;
            handler(receiver);
        }
        return handled;
    }

    std::function<void(QObject *)> paintEnded;
};

// The calling thread's time by the kernel's account: on a core, and ready
// but waiting for one. Zero where the kernel keeps no scheduler statistics.
class ThreadClock
{
public:
    struct Times
    {
        double ranMs = 0;
        double queuedMs = 0;
        Times operator-(const Times &earlier) const
        {
            return { ranMs - earlier.ranMs, queuedMs - earlier.queuedMs };
        }
    };

    // Resolved now, to the thread that makes the clock.
    ThreadClock()
        : schedstat(::open("/proc/thread-self/schedstat", O_RDONLY | O_CLOEXEC))
    {
    }
    ~ThreadClock()
    {
        if (schedstat >= 0)
            ::close(schedstat);
    }
    ThreadClock(const ThreadClock &) = delete;
    ThreadClock &operator=(const ThreadClock &) = delete;

    Times now() const
    {
        char text[kSchedstatBytes] {};
        unsigned long long ranNs = 0;
        unsigned long long queuedNs = 0;
        if (schedstat < 0 || ::pread(schedstat, text, sizeof text - 1, 0) <= 0
            || std::sscanf(text, "%llu %llu", &ranNs, &queuedNs) != 2)
            return {};
        return { ranNs / 1e6, queuedNs / 1e6 };
    }

private:
    static constexpr int kSchedstatBytes = 128;
    const int schedstat;
};

inline double monotonicMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// A thread that only sleeps 2 ms at a time, beside the GUI thread.
// Where it woke late in the same span as a stall of the GUI thread, the
// machine held every thread: a virtual machine's host not running its
// processors, or every core busy. The kernel charges a held thread the
// time as run or as waited for a core alike, so only this tells it apart.
class MachineWatch
{
public:
    MachineWatch()
        : thread([this] { watch(); })
    {
    }
    ~MachineWatch()
    {
        stopped = true;
        thread.join();
    }
    MachineWatch(const MachineWatch &) = delete;
    MachineWatch &operator=(const MachineWatch &) = delete;

    // The longest the watching thread was held within [fromMs, toMs], on
    // monotonicMs()'s clock.
    double heldWithin(double fromMs, double toMs) const
    {
        const std::lock_guard<std::mutex> lock(mutex);
        double longest = 0;
        for (const Hold &hold : holds)
            longest = std::max(longest, std::min(toMs, hold.endMs) - std::max(fromMs, hold.startMs));
        return longest;
    }

private:
    struct Hold
    {
        double startMs;
        double endMs;
    };
    void watch()
    {
        for (double last = monotonicMs(); !stopped;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(kSleepMs));
            const double now = monotonicMs();
            if (now - last > kSleepMs + kHeldMs) {
                const std::lock_guard<std::mutex> lock(mutex);
                holds.push_back({ last + kSleepMs, now });
            }
            last = now;
        }
    }

    static constexpr int kSleepMs = 2;
    // Later than this counts as held; a wake-up on a quiet machine is some
    // tens of microseconds late.
    static constexpr double kHeldMs = 5;
    mutable std::mutex mutex;
    std::vector<Hold> holds;
    std::atomic_bool stopped { false };
    std::thread thread;
};

// A gap in the GUI thread's ticks beyond their interval, and how the thread
// spent the span between the two ticks. The rest of the span it was blocked
// (on the X server, a lock, the disk) or asleep until its timer was due.
// machineHeldMs is the longest the machine held an idle thread in that span.
struct Stall
{
    double ms = 0;
    ThreadClock::Times spent;
    double machineHeldMs = 0;
};

inline QString describe(const Stall &stall)
{
    return QString::asprintf("worst GUI stall %6.1f ms (ran %5.1f, waited for a core %5.1f; machine held "
                             "%5.1f)",
        stall.ms, stall.spent.ranMs, stall.spent.queuedMs, stall.machineHeldMs);
}

// One for the process, started at its first use.
inline const MachineWatch &machineWatch()
{
    static const MachineWatch watch;
    return watch;
}

// The longest the GUI thread let a 5 ms timer wait, beyond its interval.
// Made on the GUI thread.
class StallProbe
{
public:
    StallProbe()
    {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(kStallProbeMs);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const double now = monotonicMs();
            const ThreadClock::Times times = threadClock.now();
            if (now - lastMs - kStallProbeMs > worst.ms) {
                worst = { now - lastMs - kStallProbeMs, times - lastTimes };
                worstStartMs = lastMs;
            }
            lastMs = now;
            lastTimes = times;
        });
        machineWatch();
        lastTimes = madeTimes = threadClock.now();
        lastMs = madeMs = monotonicMs();
        timer.start();
    }
    double worstStallMs() const { return worst.ms; }
    // The GUI thread's time, and the time passed, since the probe was made.
    ThreadClock::Times spentSinceMade() const { return threadClock.now() - madeTimes; }
    double secondsSinceMade() const { return (monotonicMs() - madeMs) / 1000.0; }
    // The worst stall since the last call, for a sequence measured phase by
    // phase; a gap across two phases counts in the later one.
    Stall takeWorstStall()
    {
        worst.machineHeldMs
            = machineWatch().heldWithin(worstStartMs, worstStartMs + worst.ms + kStallProbeMs);
        return std::exchange(worst, Stall {});
    }

private:
    const ThreadClock threadClock;
    QTimer timer;
    ThreadClock::Times madeTimes;
    double madeMs = 0;
    double lastMs = 0;
    ThreadClock::Times lastTimes;
    Stall worst;
    double worstStartMs = 0;
};

inline bool waitForScreen(MainWindow &window, QWidget *screen)
{
    spinUntil([&] { return ClientSessionInfo::actualForm == screen && window.lastEffect() == OpacityMax; },
        kScreenTimeoutMs);
    return ClientSessionInfo::actualForm == screen;
}

// The current account set to record a stopwatch training without sound.
inline void chooseRecordedStopwatchTraining()
{
    User *user = ClientSessionInfo::actualUser();
    user->recordVideo = 1;
    user->recordSound = 0;
    user->stopwatchOn = 1;
    ClientSessionInfo::updateActualUser();
}

// The training screen so set, opened from the menu; null when it does not
// come up.
inline PreviewForm *openRecordingTrainingScreen(MainWindow &window)
{
    chooseRecordedStopwatchTraining();
    QMetaObject::invokeMethod(&window, "ShowNextForm", Q_ARG(FormEnum, FormPreview));
    auto *preview = qobject_cast<PreviewForm *>(window.screenFor(FormPreview));
    return waitForScreen(window, preview) ? preview : nullptr;
}

// beforeRecording, if given, is called once the preview has started.
inline Result recordThroughCamera(const QSize &size, int seconds, const QString &path, unsigned int index = 0,
    const std::function<void(Camera &)> &beforeRecording = {})
{
    Camera camera;
    VideoWidget viewfinder;
    if (!startPreview(camera, viewfinder, size, index))
        return {};
    if (beforeRecording)
        beforeRecording(camera);
    camera.StartRecording(path, false);
    QMediaRecorder *recorder = camera.currentRecorder();
    spinUntil([recorder] { return recorder->status() == QMediaRecorder::RecordingStatus; }, kStartTimeoutMs);

    const double before = cpuSeconds(RUSAGE_SELF);
    spinUntil([recorder, seconds] { return recorder->duration() >= seconds * 1000; },
        seconds * 2000 + kStartTimeoutMs);
    // Qt's GStreamer back end knows the duration only while it records.
    const qint64 recordedMs = recorder->duration();
    camera.StopPreview();
    Result result;
    result.cpuSeconds = cpuSeconds(RUSAGE_SELF) - before;
    result.recordedSeconds = recordedMs / 1000.0;
    const QRegularExpressionMatch dropped
        = QRegularExpression(QStringLiteral("(\\d+) dropped")).match(lastFinishedLine);
    result.droppedFrames = dropped.hasMatch() ? dropped.captured(1).toLongLong() : -1;
    result.fileBytes = QFileInfo(path).size();
    return result;
}

// The floor a whole training is compared with: recording through Camera
// alone, printed and returned as CPU seconds per recorded second.
inline double recordingFloor(const QSize &size, int seconds, const QString &path,
    const std::function<void(Camera &)> &beforeRecording = {})
{
    const Result alone = recordThroughCamera(size, seconds, path, 0, beforeRecording);
    const double perSecond = alone.cpuSeconds / alone.recordedSeconds;
    std::printf("recording alone       %6.3f CPU s per s over %.1f s\n", perSecond, alone.recordedSeconds);
    std::fflush(stdout);
    return perSecond;
}
