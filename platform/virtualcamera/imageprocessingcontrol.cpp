#include "imageprocessingcontrol.h"

#include "framesource.h"
#include "virtualcameralogging.h"

namespace {

// Qt's scale for the adjustments.
constexpr qreal kAdjustmentLimit = 1;
// The white balance range of a typical USB camera.
constexpr qreal kMinimumKelvin = 2800;
constexpr qreal kMaximumKelvin = 6500;

using Adjustment = qreal ImageAdjustment::Settings::*;

Adjustment adjustmentFor(QCameraImageProcessingControl::ProcessingParameter parameter)
{
    switch (parameter) {
    case QCameraImageProcessingControl::BrightnessAdjustment:
        return &ImageAdjustment::Settings::brightness;
    case QCameraImageProcessingControl::ContrastAdjustment:
        return &ImageAdjustment::Settings::contrast;
    case QCameraImageProcessingControl::SaturationAdjustment:
        return &ImageAdjustment::Settings::saturation;
    default:
        return nullptr;
    }
}

} // namespace

VirtualImageProcessingControl::VirtualImageProcessingControl(FrameSource *source, QObject *parent)
    : QCameraImageProcessingControl(parent)
    , source(source)
{
}

bool VirtualImageProcessingControl::isParameterSupported(ProcessingParameter parameter) const
{
    return adjustmentFor(parameter) || parameter == WhiteBalancePreset || parameter == ColorTemperature;
}

bool VirtualImageProcessingControl::isParameterValueSupported(
    ProcessingParameter parameter, const QVariant &value) const
{
    if (parameter == WhiteBalancePreset) {
        const auto mode = value.value<QCameraImageProcessing::WhiteBalanceMode>();
        return mode == QCameraImageProcessing::WhiteBalanceAuto
            || mode == QCameraImageProcessing::WhiteBalanceManual;
    }
    bool number = false;
    const qreal amount = value.toReal(&number);
    if (!number)
        return false;
    if (parameter == ColorTemperature)
        return amount >= kMinimumKelvin && amount <= kMaximumKelvin;
    return adjustmentFor(parameter) && qAbs(amount) <= kAdjustmentLimit;
}

QVariant VirtualImageProcessingControl::parameter(ProcessingParameter parameter) const
{
    if (parameter == WhiteBalancePreset)
        return QVariant::fromValue(whiteBalance);
    if (parameter == ColorTemperature)
        return manualKelvin;
    if (const Adjustment adjustment = adjustmentFor(parameter))
        return adjustments.*adjustment;
    return QVariant();
}

void VirtualImageProcessingControl::setParameter(ProcessingParameter parameter, const QVariant &value)
{
    if (!isParameterValueSupported(parameter, value)) {
        qCWarning(lcVirtualCamera) << "unsupported image setting" << parameter << value;
        return;
    }
    if (parameter == WhiteBalancePreset)
        whiteBalance = value.value<QCameraImageProcessing::WhiteBalanceMode>();
    else if (parameter == ColorTemperature)
        manualKelvin = value.toReal();
    else
        adjustments.*adjustmentFor(parameter) = value.toReal();

    // Automatic white balance corrects for the scene's light exactly.
    adjustments.whiteBalanceKelvin = whiteBalance == QCameraImageProcessing::WhiteBalanceManual
        ? manualKelvin
        : ImageAdjustment::kSceneLightKelvin;
    source->setAdjustment(ImageAdjustment(adjustments));
}
