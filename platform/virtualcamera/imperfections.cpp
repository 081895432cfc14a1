#include "imperfections.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QtMath>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include "imageadjustment.h"

namespace {

// How far apart in the noise field two frames' parts may lie.
constexpr int kNoiseMargin = 64;
constexpr quint32 kNoiseSeed = 11;
// At full strength the corners get this much less light than the middle...
constexpr double kVignetting = 0.55;
// ...and an LED's bright spot up front on the left doubles and more the light
// where it falls, washing out colours there.
constexpr double kSpotGain = 1.2;
constexpr double kSpotX = 0.33;
constexpr double kSpotY = 0.35;
constexpr double kSpotRadius = 0.14;

double number(const char *variable)
{
    return qEnvironmentVariable(variable).toDouble();
}

} // namespace

Imperfections Imperfections::fromEnvironment()
{
    Imperfections read;
    read.noiseSigma = number("KAVRIN_VIRTUAL_CAMERA_NOISE");
    read.jpegQuality = qBound(0, qRound(number("KAVRIN_VIRTUAL_CAMERA_JPEG")), 100);
    read.exposure = qBound(0.0, number("KAVRIN_VIRTUAL_CAMERA_BLUR"), 1.0);
    read.unevenLight = qBound(0.0, number("KAVRIN_VIRTUAL_CAMERA_LIGHT"), 1.0);
    read.lightKelvin = number("KAVRIN_VIRTUAL_CAMERA_CAST");
    read.highlights = qBound(0.0, number("KAVRIN_VIRTUAL_CAMERA_HIGHLIGHTS"), 1.0);
    read.crossing = qBound(0.0, number("KAVRIN_VIRTUAL_CAMERA_CROSSING"), 1.0);
    return read;
}

SensorSimulation::SensorSimulation(const Imperfections &imperfections, const QSize &frameSize)
    : imperfections(imperfections)
{
    const int width = frameSize.width();
    const int height = frameSize.height();
    const bool cast = imperfections.lightKelvin > 0;
    if (imperfections.unevenLight > 0 || cast) {
        // The camera stays balanced for the box's usual light; a warmer or
        // colder one tints the picture as a camera set for the wrong light
        // would.
        const WhiteBalanceGains tint = cast
            ? whiteBalanceGains(ImageAdjustment::kSceneLightKelvin, imperfections.lightKelvin)
            : WhiteBalanceGains {};
        lightGain.create(height, width, CV_32FC4);
        const double corner = std::hypot(width / 2.0, height / 2.0);
        const QPointF spot(kSpotX * width, kSpotY * height);
        const double spotRadius = kSpotRadius * width;
        for (int y = 0; y < height; ++y) {
            auto *gain = lightGain.ptr<cv::Vec4f>(y);
            for (int x = 0; x < width; ++x) {
                const double r = std::hypot(x - width / 2.0, y - height / 2.0) / corner;
                const double d2 = (x - spot.x()) * (x - spot.x()) + (y - spot.y()) * (y - spot.y());
                const double light = (1 - kVignetting * imperfections.unevenLight * r * r)
                    * (1 + kSpotGain * imperfections.unevenLight * std::exp(-d2 / (2 * spotRadius * spotRadius)));
                // Blue, green, red, alpha: the bytes of a QImage::Format_RGB32 pixel.
                gain[x] = cv::Vec4f(
                    static_cast<float>(light * tint.blue), static_cast<float>(light), static_cast<float>(light * tint.red), 1);
            }
        }
    }
    if (imperfections.noiseSigma > 0) {
        noise.create(height + kNoiseMargin, width + kNoiseMargin, CV_16SC4);
        cv::RNG field(kNoiseSeed);
        field.fill(noise, cv::RNG::NORMAL, cv::Scalar::all(0), cv::Scalar::all(imperfections.noiseSigma));
        // The alpha byte of an RGB32 pixel stays opaque.
        noise.forEach<cv::Vec4s>([](cv::Vec4s &pixel, const int *) { pixel[3] = 0; });
    }
}

void SensorSimulation::expose(QImage &frame, qint64 frameNumber) const
{
    if (lightGain.empty() && noise.empty())
        return;
    Q_ASSERT(frame.format() == QImage::Format_RGB32);
    cv::Mat pixels(frame.height(), frame.width(), CV_8UC4, frame.bits(), frame.bytesPerLine());
    if (!lightGain.empty())
        cv::multiply(pixels, lightGain, pixels, 1, CV_8U);
    if (!noise.empty()) {
        QRandomGenerator where(static_cast<quint32>(frameNumber));
        const cv::Rect part(where.bounded(kNoiseMargin), where.bounded(kNoiseMargin), frame.width(), frame.height());
        cv::add(pixels, noise(part), pixels, cv::noArray(), CV_8U);
    }
}

void SensorSimulation::compress(QImage &frame) const
{
    if (imperfections.jpegQuality <= 0)
        return;
    // Through Qt's JPEG plug-in: OpenCV's image codecs bring GDAL and some
    // ninety libraries with them, 33 MB of the resident memory of every
    // process that lists the cameras.
    QBuffer jpeg;
    jpeg.open(QIODevice::WriteOnly);
    frame.save(&jpeg, "JPG", imperfections.jpegQuality);
    frame = QImage::fromData(jpeg.data(), "JPG").convertToFormat(QImage::Format_RGB32);
}
