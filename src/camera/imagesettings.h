#pragma once

#include <array>

class QCamera;

enum CameraPropCategory { PropBrightness = 0, PropContrast = 1, PropSaturation = 2, PropWhiteBalance = 3 };
constexpr int kCameraPropCount = PropWhiteBalance + 1;

// The image settings of the session, as the settings dialog's slider
// positions, and their translation to Qt's image processing of a camera.
// They are kept apart from any camera because each bound camera starts with
// its own defaults and gets them again.
class ImageSettings
{
public:
    // The picture as the camera delivers it at kPropNeutral, where the
    // default buttons put the sliders.
    static constexpr long kPropMinimum = 0;
    static constexpr long kPropNeutral = 49;
    static constexpr long kPropMaximum = 99;

    void set(CameraPropCategory category, long position) { positions[category] = position; }
    void setAutomaticWhiteBalance(bool on) { automaticWhiteBalance = on; }

    // Only a camera that is open takes settings: Qt's GStreamer back end
    // learns a USB camera's controls when it loads it.
    void applyTo(QCamera *camera) const;
    void applyTo(QCamera *camera, CameraPropCategory category) const;

private:
    std::array<long, kCameraPropCount> positions { kPropNeutral, kPropNeutral, kPropNeutral, kPropNeutral };
    bool automaticWhiteBalance = true;
};
