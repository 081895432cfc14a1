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
//
//   bench_recording quality [seconds]     (default 10)
//
// The picture quality of the encoding, and of alternatives: the virtual
// camera's practice field recorded through Camera at 1280x720 while every
// frame the viewfinder gets is kept raw, the recording decoded and set
// against those frames (luma PSNR and SSIM), and beside it gst-launch-1.0
// encoding the same raw frames at the virtual camera's settings (its floor)
// and at others, each with its CPU, rate and quality.

#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

#include "benchsupport.h"
#include "camera/gstreamerbackend.h"
#include "mediainspection.h"
#include "recordingquality.h"
#include "standincamera.h"

namespace {

constexpr int kDefaultSeconds = 60;
constexpr int kDefaultQualitySeconds = 10;
constexpr auto kQualityMode = "quality";
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

// Runs a gst-launch-1.0 pipeline that encodes seconds of picture into path.
Result launchEncoding(const QString &pipeline, double seconds, const QString &path)
{
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

Result encodeFloor(
    const char *description, const QString &pattern, const QSize &size, int seconds, const QString &path)
{
    const QString pipeline = QString::fromLatin1(description)
                                 .arg(seconds * kFrameRate)
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(kFrameRate)
                                 .arg(path, pattern);
    return launchEncoding(pipeline, seconds, path);
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

// The encoder settings compared: the virtual camera's (x264enc's default
// rate), the one the application gives Qt's back end, and others.
struct EncoderChoice
{
    const char *name;
    const char *settings;
};
const EncoderChoice kEncoderChoices[] = {
    { "ultrafast 2048 (virtual camera)", "speed-preset=ultrafast tune=zerolatency key-int-max=30" },
    { "ultrafast 3000 main (back end)",
        "speed-preset=ultrafast tune=zerolatency key-int-max=30 bitrate=3000 ! video/x-h264,profile=main" },
    { "ultrafast 6000 main",
        "speed-preset=ultrafast tune=zerolatency key-int-max=30 bitrate=6000 ! video/x-h264,profile=main" },
    { "superfast 3000 main",
        "speed-preset=superfast tune=zerolatency key-int-max=30 bitrate=3000 ! video/x-h264,profile=main" },
    { "veryfast 3000 main",
        "speed-preset=veryfast tune=zerolatency key-int-max=30 bitrate=3000 ! video/x-h264,profile=main" },
};
constexpr auto kClipEncoding = "filesrc location=%1 ! rawvideoparse width=%2 height=%3 format=bgrx "
                               "framerate=%4/1 ! videoconvert ! video/x-raw,format=I420 ! x264enc %5 "
                               "! mp4mux fragment-duration=1000 ! filesink location=%6";

void reportQuality(const char *what, const Result &result, const Quality &quality)
{
    std::printf("%-34s %6.3f CPU s per s  %6.0f kbit/s  PSNR %5.2f dB  SSIM %.4f  (%d frames)\n", what,
        result.cpuSeconds / result.recordedSeconds, result.fileBytes * 8 / result.recordedSeconds / 1000,
        quality.psnrDb, quality.ssim, quality.frames);
    std::fflush(stdout);
}

void compareQuality(unsigned int index, int seconds, const QTemporaryDir &folder)
{
    const QString clipPath = folder.filePath(QStringLiteral("clip.bgrx"));
    const QString recorded = folder.filePath(QStringLiteral("quality.mp4"));
    std::unique_ptr<SourceClip> source;
    const Result ours = recordThroughCamera(
        QSize(1280, 720), seconds, recorded, index, [&source, &clipPath](Camera &camera) {
            source = std::make_unique<SourceClip>(camera.currentDevice(), clipPath);
        });
    const QSize size = source->frameSize();
    source.reset();
    const std::vector<cv::Mat> clip = readClip(clipPath, size);
    std::printf("clip of %zu frames %dx%d; the recording's CPU includes keeping the clip\n", clip.size(),
        size.width(), size.height());
    reportQuality("virtual camera, through Camera", ours, qualityOf(recorded, clip));

    const double clipSeconds = static_cast<double>(clip.size()) / kFrameRate;
    int number = 0;
    for (const EncoderChoice &choice : kEncoderChoices) {
        const QString path = folder.filePath(QStringLiteral("choice%1.mp4").arg(++number));
        const QString pipeline = QString::fromLatin1(kClipEncoding)
                                     .arg(clipPath)
                                     .arg(size.width())
                                     .arg(size.height())
                                     .arg(kFrameRate)
                                     .arg(QLatin1String(choice.settings), path);
        const Result encoded = launchEncoding(pipeline, clipSeconds, path);
        reportQuality(choice.name, encoded, qualityOf(path, clip));
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const bool qualityOnly = argc > 1 && QByteArray(argv[1]) == kQualityMode;
    const char *secondsArgument = argc > (qualityOnly ? 2 : 1) ? argv[qualityOnly ? 2 : 1] : nullptr;
    const int seconds = secondsArgument ? QString::fromLocal8Bit(secondsArgument).toInt()
                                        : (qualityOnly ? kDefaultQualitySeconds : kDefaultSeconds);
    defaultHandler = qInstallMessageHandler(keepFinishedLine);
    if (!useStandInCamera() || standInCameraIndex() < 0) {
        std::fprintf(stderr, "the stand-in camera needs gstreamer1.0-plugins-bad\n");
        return EXIT_FAILURE;
    }
    GStreamerBackEnd::prepare();
    QTemporaryDir folder;
    const auto virtualCamera = static_cast<unsigned int>(cameraIndexOf("Virtual Camera"));
    if (qualityOnly) {
        compareQuality(virtualCamera, seconds, folder);
        return EXIT_SUCCESS;
    }
    // The virtual camera's own picture has no videotestsrc pattern; its floor
    // encodes the default one.
    compare("virtual camera", kVirtualCameraFloor, QStringLiteral("smpte"), virtualCamera, seconds, folder);
    compare("USB camera via back end", kBackEndFloor, standInPattern(),
        static_cast<unsigned int>(standInCameraIndex()), seconds, folder);
    return EXIT_SUCCESS;
}
