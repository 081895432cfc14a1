// Cost of recording through Camera with the virtual camera, against the
// plain GStreamer encoding of the same picture size and rate as the floor.
//
//   bench_recording [seconds]     (default 60; run offscreen or under xvfb-run -a)
//
// The picture size is chosen like a USB camera's mode, with
// QCamera::setViewfinderSettings() before the preview starts; the recording
// has the camera's size. The recording is muted, as the floor has no sound.
// CPU time is the process's own (getrusage) while recording, the floor's that
// of the gst-launch-1.0 child. Frames dropped come from the virtual camera's
// "recording finished" line.

#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

#include "benchsupport.h"

namespace {

constexpr int kDefaultSeconds = 60;
constexpr int kFrameRate = 30;
constexpr auto kEncoder = "x264enc speed-preset=ultrafast tune=zerolatency key-int-max=30";

Result encodeFloor(const QSize &size, int seconds, const QString &path)
{
    const QString pipeline = QStringLiteral("videotestsrc num-buffers=%1 ! video/x-raw,width=%2,height=%3,"
                                            "framerate=%4/1 ! %5 ! mp4mux ! filesink location=%6")
                                 .arg(seconds * kFrameRate)
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(kFrameRate)
                                 .arg(QLatin1String(kEncoder), path);
    const double before = cpuSeconds(RUSAGE_CHILDREN);
    QProcess launch;
    launch.start(QStringLiteral("gst-launch-1.0"),
        QStringList { QStringLiteral("-q") } + pipeline.split(QLatin1Char(' ')));
    launch.waitForFinished(-1);
    Result result;
    result.cpuSeconds = cpuSeconds(RUSAGE_CHILDREN) - before;
    result.recordedSeconds = seconds;
    result.fileBytes = QFileInfo(path).size();
    return result;
}

void report(const char *what, const QSize &size, const Result &result)
{
    const QByteArray dropped
        = result.droppedFrames < 0 ? QByteArrayLiteral("-") : QByteArray::number(result.droppedFrames);
    std::printf("%-18s %4dx%-4d  %6.1f s recorded  %6.3f CPU s per s  %5s dropped  %6.1f MB\n", what,
        size.width(), size.height(), result.recordedSeconds, result.cpuSeconds / result.recordedSeconds,
        dropped.constData(), result.fileBytes / 1e6);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : kDefaultSeconds;
    defaultHandler = qInstallMessageHandler(keepFinishedLine);
    QTemporaryDir folder;

    for (const QSize &size : { QSize(1280, 720), QSize(1920, 1080) }) {
        const QString name = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        const Result camera
            = recordThroughCamera(size, seconds, folder.filePath(name + QStringLiteral(".mp4")));
        report("virtual camera", size, camera);
        const Result floor = encodeFloor(size, seconds, folder.filePath(name + QStringLiteral("-floor.mp4")));
        report("gst-launch floor", size, floor);
        std::printf("%-18s %4dx%-4d  %.2fx the floor's CPU\n\n", "ratio", size.width(), size.height(),
            (camera.cpuSeconds / camera.recordedSeconds) / (floor.cpuSeconds / floor.recordedSeconds));
    }
    return EXIT_SUCCESS;
}
