// Preview latency: the time from a frame's capture (the moment the virtual
// camera hands it on, on the monotonic clock; for another camera its start
// time, which a USB camera's driver stamps on that clock) to the end of the viewfinder's paint of that frame, as median and
// 95th percentile, during a recorded, tracked, full-screen training in the
// whole application. Beside it, in the same process and run, the floor: the
// same camera in a plain full-screen QVideoWidget.
//
//   xvfb-run -a -s '-screen 0 1920x1080x24' build/bin/bench_latency [seconds]
//
// (default 30 each, after a warm-up). It writes a configuration file, so
// give it a HOME (or XDG_DATA_HOME) of its own. Both are 1280x720 at 30
// frames per second. A frame counts once, at the first paint that shows it;
// frames replaced before a paint showed them count as not shown.

#include <QApplication>
#include <QCameraInfo>
#include <QVideoProbe>
#include <QVideoWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "benchsupport.h"
#include "camera/previewform.h"
#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "framesource.h"
#include "sessionfixture.h"

namespace {

constexpr int kDefaultSeconds = 30;
constexpr int kWarmUpSeconds = 3;
constexpr double kFramePeriodMs = 1000.0 / 30;
const QSize kPictureSize(1280, 720);

qint64 monotonicUs()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::microseconds>(now).count();
}

// Which frame a viewfinder shows and when its paints end. The probe's
// handler runs as the frame reaches the viewfinder, so at the end of a
// paint the last frame probed is the one painted.
class LatencyLog : public QObject
{
public:
    void watch(QMediaObject *camera, QWidget *viewfinder)
    {
        probe.setSource(camera);
        connect(&probe, &QVideoProbe::videoFrameProbed, this, [this](const QVideoFrame &frame) {
            // The virtual camera's moment of capture, where it tells it;
            // otherwise the frame's time stamp, as a USB camera's driver sets.
            const QVariant moment = frame.metaData(QLatin1String(kCaptureMomentKey));
            lastStampUs = moment.isValid() ? moment.toLongLong() : frame.startTime();
            ++probed;
        });
        painter = viewfinder;
    }
    // Starts counting from the next frame.
    void reset()
    {
        latenciesMs.clear();
        probed = 0;
        shownStampUs = lastStampUs;
    }
    void paintEnded(QObject *widget)
    {
        if (widget != painter || lastStampUs < 0 || lastStampUs == shownStampUs)
            return;
        shownStampUs = lastStampUs;
        latenciesMs.push_back((monotonicUs() - lastStampUs) / 1000.0);
    }
    void report(const char *what)
    {
        std::sort(latenciesMs.begin(), latenciesMs.end());
        if (latenciesMs.empty()) {
            std::printf("%-34s no frame painted\n", what);
            return;
        }
        const auto at = [this](double share) {
            return latenciesMs[static_cast<std::size_t>(share * (latenciesMs.size() - 1))];
        };
        std::printf("%-34s median %6.1f ms   p95 %6.1f ms   max %6.1f ms   %zu of %lld frames shown\n", what,
            at(0.5), at(0.95), latenciesMs.back(), latenciesMs.size(), probed);
        std::fflush(stdout);
    }

private:
    QVideoProbe probe;
    QWidget *painter = nullptr;
    qint64 lastStampUs = -1;
    qint64 shownStampUs = -1;
    long long probed = 0;
    std::vector<double> latenciesMs;
};

void measure(PaintWatchingApplication &application, QMediaObject *camera, QWidget *viewfinder, int seconds,
    const char *what)
{
    LatencyLog log;
    log.watch(camera, viewfinder);
    application.paintEnded = [&log](QObject *widget) { log.paintEnded(widget); };
    spinUntil([] { return false; }, kWarmUpSeconds * 1000);
    log.reset();
    spinUntil([] { return false; }, seconds * 1000);
    application.paintEnded = nullptr;
    log.report(what);
}

// The floor: the camera shown by Qt alone.
void measurePlainWidget(PaintWatchingApplication &application, int seconds)
{
    QCamera camera(QCameraInfo::availableCameras().value(0));
    QCameraViewfinderSettings settings;
    settings.setResolution(kPictureSize);
    camera.setViewfinderSettings(settings);
    QVideoWidget viewfinder;
    showFullScreenAnywhere(viewfinder);
    camera.setViewfinder(&viewfinder);
    camera.start();
    measure(application, &camera, &viewfinder, seconds, "plain QVideoWidget (floor)");
    camera.stop();
}

} // namespace

int main(int argc, char **argv)
{
    PaintWatchingApplication application(argc, argv);
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : kDefaultSeconds;
    std::printf("two frame periods: %.1f ms\n", 2 * kFramePeriodMs);
    measurePlainWidget(application, seconds);

    DataFolder folder;
    prepareInstallation(folder.path());
    MainWindow window;
    window.showFullScreen();
    if (!waitForScreen(window, window.screenFor(FormMenu)))
        return EXIT_FAILURE;
    PreviewForm *preview = openRecordingTrainingScreen(window);
    if (!preview)
        return EXIT_FAILURE;
    // The training proper, as after a Yes to the full-screen question.
    preview->showFullScreen();
    spinUntil([] { return ClientSessionInfo::isRecording(); }, kScreenTimeoutMs);
    measure(application, ClientSessionInfo::camera->currentDevice(), preview->trainingViewfinder(), seconds,
        "recorded, tracked training");
    preview->closeFullScreen();
    return EXIT_SUCCESS;
}
