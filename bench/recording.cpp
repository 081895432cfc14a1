// Cost of recording through Camera, with the virtual camera and with a USB
// camera through Qt's GStreamer back end (the tests' stand-in camera), each
// against the plain GStreamer encoding of the same picture with the same
// encoder settings as its floor.
//
//   bench_recording [seconds]     (default 60; run offscreen or under xvfb-run -a)
//
// KAVRIN_STAND_IN_PATTERN=snow gives the stand-in camera and its floor a
// picture of noise, the encoder's worst case, instead of the moving ball.
//
// The picture size is chosen like a USB camera's mode, with
// QCamera::setViewfinderSettings() before the preview starts; the recording
// has the camera's size. The recording is muted, as the floors have no
// sound. CPU time is the process's own (getrusage) while recording, the
// floors' that of the gst-launch-1.0 child. Frames dropped come from the
// virtual camera's "recording finished" line, and for the back end from the
// frames the recording holds against 30 a second.

#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

#include "benchsupport.h"
#include "camera/gstreamerbackend.h"
#include "mediainspection.h"
#include "standincamera.h"

namespace {

constexpr int kDefaultSeconds = 60;
constexpr int kFrameRate = 30;
// The virtual camera's encoding, and the one the application gives Qt's back
// end (the stand-in's picture in the USB camera's format, the kiosk encoder
// in the Main profile, one-second fragments).
constexpr auto kVirtualCameraFloor
    = "videotestsrc num-buffers=%1 pattern=%6 ! video/x-raw,width=%2,height=%3,framerate=%4/1 "
      "! x264enc speed-preset=ultrafast tune=zerolatency key-int-max=30 "
      "! mp4mux fragment-duration=1000 ! filesink location=%5";
constexpr auto kBackEndFloor
    = "videotestsrc num-buffers=%1 pattern=%6 foreground-color=0xff20c020 background-color=0xff000000 "
      "! video/x-raw,format=YUY2,width=%2,height=%3,framerate=%4/1 ! videoconvert "
      "! x264enc speed-preset=ultrafast tune=zerolatency key-int-max=30 bitrate=3000 "
      "! video/x-h264,profile=main ! mp4mux fragment-duration=1000 ! filesink location=%5";

// The stand-in's picture: its green ball, or the pattern the environment asks for.
QString standInPattern()
{
    const QString pattern = qEnvironmentVariable("KAVRIN_STAND_IN_PATTERN");
    return pattern.isEmpty() ? QStringLiteral("ball") : pattern;
}

Result encodeFloor(
    const char *description, const QString &pattern, const QSize &size, int seconds, const QString &path)
{
    const QString pipeline = QString::fromLatin1(description)
                                 .arg(seconds * kFrameRate)
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(kFrameRate)
                                 .arg(path, pattern);
    const double before = cpuSeconds(RUSAGE_CHILDREN);
    QProcess launch;
    launch.start(QStringLiteral("gst-launch-1.0"),
        QStringList { QStringLiteral("-q") } + pipeline.split(QLatin1Char(' '), Qt::SkipEmptyParts));
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
    std::printf("%-22s %4dx%-4d  %6.1f s recorded  %6.3f CPU s per s  %5s dropped  %6.1f MB\n", what,
        size.width(), size.height(), result.recordedSeconds, result.cpuSeconds / result.recordedSeconds,
        dropped.constData(), result.fileBytes / 1e6);
    std::fflush(stdout);
}

void compare(const char *camera, const char *floorPipeline, const QString &floorPattern, unsigned int index,
    int seconds, const QTemporaryDir &folder)
{
    for (const QSize &size : { QSize(1280, 720), QSize(1920, 1080) }) {
        const QString name = QStringLiteral("%1-%2x%3").arg(index).arg(size.width()).arg(size.height());
        const QString path = folder.filePath(name + QStringLiteral(".mp4"));
        Result recorded = recordThroughCamera(size, seconds, path, index);
        if (recorded.droppedFrames < 0)
            recorded.droppedFrames
                = qMax(0.0, recorded.recordedSeconds * kFrameRate - decodeVideo(path).frames);
        report(camera, size, recorded);
        const Result floor = encodeFloor(
            floorPipeline, floorPattern, size, seconds, folder.filePath(name + QStringLiteral("-floor.mp4")));
        report("gst-launch floor", size, floor);
        std::printf("%-22s %4dx%-4d  %.2fx the floor's CPU\n\n", "ratio", size.width(), size.height(),
            (recorded.cpuSeconds / recorded.recordedSeconds) / (floor.cpuSeconds / floor.recordedSeconds));
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : kDefaultSeconds;
    defaultHandler = qInstallMessageHandler(keepFinishedLine);
    if (!useStandInCamera() || standInCameraIndex() < 0) {
        std::fprintf(stderr, "the stand-in camera needs gstreamer1.0-plugins-bad\n");
        return EXIT_FAILURE;
    }
    GStreamerBackEnd::prepare();
    QTemporaryDir folder;
    // The virtual camera's own picture has no videotestsrc pattern; its floor
    // encodes the default one.
    compare("virtual camera", kVirtualCameraFloor, QStringLiteral("smpte"),
        static_cast<unsigned int>(cameraIndexOf("Virtual Camera")), seconds, folder);
    compare("USB camera via back end", kBackEndFloor, standInPattern(),
        static_cast<unsigned int>(standInCameraIndex()), seconds, folder);
    return EXIT_SUCCESS;
}
