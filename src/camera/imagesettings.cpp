#include "camera/imagesettings.h"

#include <QCamera>
#include <QCameraImageProcessing>

namespace {

// Qt's image processing takes adjustments from -1 to 1, 0 leaving the
// picture as it is.
constexpr qreal kAdjustmentLimit = 1;
// The manual white balance of a typical USB camera: the slider runs from
// warm light (a tungsten lamp) to daylight and asks for the middle
// temperature in its neutral position.
constexpr qreal kLowestKelvin = 2800;
constexpr qreal kHighestKelvin = 6500;
constexpr qreal kMiddleKelvin = (kLowestKelvin + kHighestKelvin) / 2;

// Linear on either side of the neutral position, which is not quite the
// middle of the range but must give exactly no change.
qreal adjustmentFor(long position)
{
    const long offset = qBound(ImageSettings::kPropMinimum, position, ImageSettings::kPropMaximum)
        - ImageSettings::kPropNeutral;
    const long halfRange = offset < 0 ? ImageSettings::kPropNeutral - ImageSettings::kPropMinimum
                                      : ImageSettings::kPropMaximum - ImageSettings::kPropNeutral;
    return kAdjustmentLimit * static_cast<qreal>(offset) / static_cast<qreal>(halfRange);
}

qreal kelvinFor(long position)
{
    return kMiddleKelvin + adjustmentFor(position) * (kHighestKelvin - kMiddleKelvin);
}

bool takesImageSettings(const QCamera *camera)
{
    const QCamera::Status status = camera->status();
    return status == QCamera::LoadedStatus || status == QCamera::StartingStatus
        || status == QCamera::ActiveStatus;
}

} // namespace

void ImageSettings::applyTo(QCamera *camera) const
{
    for (const CameraPropCategory category :
        { PropBrightness, PropContrast, PropSaturation, PropWhiteBalance })
        applyTo(camera, category);
}

void ImageSettings::applyTo(QCamera *camera, CameraPropCategory category) const
{
    if (!camera || !takesImageSettings(camera))
        return;
    QCameraImageProcessing *processing = camera->imageProcessing();
    const long position = positions[category];
    switch (category) {
    case PropBrightness:
        processing->setBrightness(adjustmentFor(position));
        break;
    case PropContrast:
        processing->setContrast(adjustmentFor(position));
        break;
    case PropSaturation:
        processing->setSaturation(adjustmentFor(position));
        break;
    case PropWhiteBalance:
        if (automaticWhiteBalance) {
            processing->setWhiteBalanceMode(QCameraImageProcessing::WhiteBalanceAuto);
        } else {
            // The temperature only counts once the camera stops balancing by itself.
            processing->setWhiteBalanceMode(QCameraImageProcessing::WhiteBalanceManual);
            processing->setManualWhiteBalance(kelvinFor(position));
        }
        break;
    }
}
