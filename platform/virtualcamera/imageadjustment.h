#pragma once

#include <QImage>

#include <array>

// The gains on red and blue of a camera balanced for one light under
// another; green keeps its level.
struct WhiteBalanceGains
{
    qreal red = 1;
    qreal blue = 1;
};
// A camera balanced for a lower temperature than its light's over-corrects
// towards blue, one balanced for a higher one towards orange.
WhiteBalanceGains whiteBalanceGains(qreal cameraKelvin, qreal lightKelvin);

// The colour processing of the virtual camera, done where a USB camera does
// it, before the picture leaves the sensor: white balance gains, contrast and
// brightness through one lookup table per colour channel, then saturation.
// The tables are built once per change of the settings; a neutral adjustment
// leaves frames untouched and costs nothing.
class ImageAdjustment
{
public:
    // The light in the virtual training box, a white LED light in the middle
    // of a USB camera's white balance range. The scene is painted as a camera
    // balanced for it sees it.
    static constexpr qreal kSceneLightKelvin = 4650;

    // The adjustments on Qt's scale, -1 to 1 with 0 neutral.
    struct Settings
    {
        qreal brightness = 0;
        qreal contrast = 0;
        qreal saturation = 0;
        // The colour temperature of the light the white balance corrects for.
        qreal whiteBalanceKelvin = kSceneLightKelvin;
    };

    // Neutral.
    ImageAdjustment();
    explicit ImageAdjustment(const Settings &settings);

    bool isNeutral() const { return neutral; }
    // For frames in QImage::Format_RGB32; does nothing when neutral.
    void apply(QImage &frame) const;

private:
    using Curve = std::array<uchar, 256>;
    // Saturation is a fixed-point factor in 1/kFullSaturation.
    static constexpr int kSaturationShift = 8;
    static constexpr int kFullSaturation = 1 << kSaturationShift;

    Curve red;
    Curve green;
    Curve blue;
    // How much of each colour's distance from grey is kept.
    int saturationScale;
    bool neutral;
};
