#include "imageadjustment.h"

#include <QtMath>

#include <cmath>

namespace {

constexpr int kLevels = 256;
using Curve = std::array<uchar, kLevels>;
constexpr int kMaximumLevel = kLevels - 1;
// Contrast stretches or squeezes the tones around the middle grey.
constexpr qreal kMiddleLevel = kMaximumLevel / 2.0;
// At contrast +1 the tones lie twice as far from the middle grey, at -1 half
// as far: a USB camera at either limit still shows the training field.
constexpr qreal kContrastStops = 1;
// Levels added at brightness +1 and taken away at -1: the picture is washed
// out or dark, but the training field can still be made out.
constexpr qreal kBrightnessLevels = 64;
// How strongly the red and blue gains follow a white balance set for the
// wrong light, per mired (a million divided by the colour temperature, the
// scale on which equal steps look like equal colour shifts). Set for 2800 K
// under the box's 4650 K light, blue gets 1.4 times its gain and red 0.7.
constexpr qreal kGainPerMired = 0.0024;
constexpr qreal kMiredsPerKelvin = 1e6;
// The weights of red, green and blue in the grey of a pixel (ITU-R BT.601),
// in 1/256 so that the sum is a shift.
constexpr int kRedWeight = 77;
constexpr int kGreenWeight = 150;
constexpr int kBlueWeight = 29;
constexpr int kWeightShift = 8;
static_assert(kRedWeight + kGreenWeight + kBlueWeight == 1 << kWeightShift, "grey weights sum to one");

int clampLevel(int level)
{
    return qBound(0, level, kMaximumLevel);
}

Curve curveFor(qreal gain, qreal contrastFactor, qreal offset)
{
    Curve curve;
    for (int level = 0; level < kLevels; ++level) {
        const qreal balanced = level * gain;
        curve[level] = static_cast<uchar>(
            clampLevel(qRound((balanced - kMiddleLevel) * contrastFactor + kMiddleLevel + offset)));
    }
    return curve;
}

bool isIdentity(const Curve &curve)
{
    for (int level = 0; level < kLevels; ++level) {
        if (curve[level] != level)
            return false;
    }
    return true;
}

} // namespace

WhiteBalanceGains whiteBalanceGains(qreal cameraKelvin, qreal lightKelvin)
{
    // Positive when the camera expects warmer light than there is.
    const qreal miredShift = kMiredsPerKelvin / cameraKelvin - kMiredsPerKelvin / lightKelvin;
    return { std::exp(-kGainPerMired * miredShift), std::exp(kGainPerMired * miredShift) };
}

ImageAdjustment::ImageAdjustment()
    : ImageAdjustment(Settings())
{
}

ImageAdjustment::ImageAdjustment(const Settings &settings)
{
    const qreal contrastFactor = std::exp2(settings.contrast * kContrastStops);
    const qreal offset = settings.brightness * kBrightnessLevels;
    const WhiteBalanceGains gains = whiteBalanceGains(settings.whiteBalanceKelvin, kSceneLightKelvin);
    red = curveFor(gains.red, contrastFactor, offset);
    green = curveFor(1, contrastFactor, offset);
    blue = curveFor(gains.blue, contrastFactor, offset);
    saturationScale = qRound((1 + settings.saturation) * kFullSaturation);
    // Decided on the tables, not on the settings: values too small to change
    // a level cost nothing either.
    neutral = isIdentity(red) && isIdentity(green) && isIdentity(blue) && saturationScale == kFullSaturation;
}

void ImageAdjustment::apply(QImage &frame) const
{
    if (neutral)
        return;
    Q_ASSERT(frame.format() == QImage::Format_RGB32);
    const bool saturating = saturationScale != kFullSaturation;
    const int greyShare = kFullSaturation - saturationScale;
    constexpr int kRounding = kFullSaturation / 2;
    for (int y = 0; y < frame.height(); ++y) {
        auto *pixel = reinterpret_cast<QRgb *>(frame.scanLine(y));
        QRgb *const end = pixel + frame.width();
        for (; pixel != end; ++pixel) {
            const QRgb colour = *pixel;
            int r = red[qRed(colour)];
            int g = green[qGreen(colour)];
            int b = blue[qBlue(colour)];
            if (saturating) {
                // A mix of the colour and its grey, the grey's share negative
                // when the colour is strengthened.
                const int grey = (r * kRedWeight + g * kGreenWeight + b * kBlueWeight) >> kWeightShift;
                const int greyPart = grey * greyShare + kRounding;
                r = clampLevel((r * saturationScale + greyPart) >> kSaturationShift);
                g = clampLevel((g * saturationScale + greyPart) >> kSaturationShift);
                b = clampLevel((b * saturationScale + greyPart) >> kSaturationShift);
            }
            *pixel = qRgb(r, g, b);
        }
    }
}
