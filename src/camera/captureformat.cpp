#include "camera/captureformat.h"

#include <algorithm>
#include <tuple>

namespace {

constexpr auto kMp4 = "mp4";
constexpr auto kH264 = "h264";
constexpr auto kAac = "aac";
// GStreamer's caps for MP4, H.264 and AAC.
constexpr auto kGstMp4 = "video/quicktime, variant=(string)iso";
constexpr auto kGstH264 = "video/x-h264";
constexpr auto kGstH264Main = "video/x-h264, profile=(string)main";
constexpr auto kGstAac = "audio/mpeg, mpegversion=(int)4";

constexpr int kTrainingWidth = 1280;
constexpr int kTrainingHeight = 720;
constexpr qreal kTrainingFrameRate = 25;

bool fitForTraining(const QCameraViewfinderSettings &mode)
{
    return mode.resolution().width() >= kTrainingWidth && mode.resolution().height() >= kTrainingHeight
        && mode.maximumFrameRate() >= kTrainingFrameRate;
}

qint64 pixels(const QCameraViewfinderSettings &mode)
{
    return qint64(mode.resolution().width()) * mode.resolution().height();
}

} // namespace

namespace CaptureFormat {

QString mp4Container(const QStringList &supportedContainers)
{
    if (supportedContainers.isEmpty() || supportedContainers.contains(QLatin1String(kMp4)))
        return QLatin1String(kMp4);
    // Not "variant=(string)iso-fragmented", listed before it: that is ISML,
    // whose muxer cannot run with the back end's settings and aborts the
    // process.
    if (supportedContainers.contains(QLatin1String(kGstMp4)))
        return QLatin1String(kGstMp4);
    for (const QString &container : supportedContainers) {
        if (container.contains(QLatin1String(kMp4), Qt::CaseInsensitive))
            return container;
    }
    return QLatin1String(kMp4);
}

QString h264Codec(const QStringList &supportedCodecs)
{
    if (supportedCodecs.contains(QLatin1String(kGstH264)))
        return QLatin1String(kGstH264Main);
    return QLatin1String(kH264);
}

QString aacCodec(const QStringList &supportedCodecs)
{
    if (supportedCodecs.contains(QLatin1String(kGstAac)))
        return QLatin1String(kGstAac);
    return QLatin1String(kAac);
}

QCameraViewfinderSettings bestViewfinderSettings(const QList<QCameraViewfinderSettings> &supported)
{
    if (supported.isEmpty())
        return QCameraViewfinderSettings();
    QList<QCameraViewfinderSettings> fit;
    std::copy_if(supported.begin(), supported.end(), std::back_inserter(fit), fitForTraining);
    if (fit.isEmpty()) {
        return *std::max_element(supported.begin(), supported.end(),
            [](const QCameraViewfinderSettings &a, const QCameraViewfinderSettings &b) {
                return std::make_tuple(pixels(a), a.maximumFrameRate())
                    < std::make_tuple(pixels(b), b.maximumFrameRate());
            });
    }
    // The first of the fit modes in this order: fewest pixels, MJPEG, highest rate.
    return *std::min_element(
        fit.begin(), fit.end(), [](const QCameraViewfinderSettings &a, const QCameraViewfinderSettings &b) {
            const bool aJpeg = a.pixelFormat() == QVideoFrame::Format_Jpeg;
            const bool bJpeg = b.pixelFormat() == QVideoFrame::Format_Jpeg;
            return std::make_tuple(pixels(a), !aJpeg, -a.maximumFrameRate())
                < std::make_tuple(pixels(b), !bJpeg, -b.maximumFrameRate());
        });
}

} // namespace CaptureFormat
