#pragma once

#include <QCameraImageProcessing>
#include <QCameraImageProcessingControl>

#include "imageadjustment.h"

class FrameSource;

// The picture settings that QCameraImageProcessing offers the application:
// brightness, contrast and saturation, and white balance, automatic or set
// to a colour temperature. Every change gives the frame source a new
// adjustment, so the viewfinder, recordings and still pictures all show it.
class VirtualImageProcessingControl : public QCameraImageProcessingControl
{
    Q_OBJECT

public:
    explicit VirtualImageProcessingControl(FrameSource *source, QObject *parent = nullptr);

    bool isParameterSupported(ProcessingParameter parameter) const override;
    bool isParameterValueSupported(ProcessingParameter parameter, const QVariant &value) const override;
    QVariant parameter(ProcessingParameter parameter) const override;
    void setParameter(ProcessingParameter parameter, const QVariant &value) override;

private:
    FrameSource *source;
    ImageAdjustment::Settings adjustments;
    QCameraImageProcessing::WhiteBalanceMode whiteBalance = QCameraImageProcessing::WhiteBalanceAuto;
    // Kept while the white balance is automatic, for the next manual mode.
    qreal manualKelvin = ImageAdjustment::kSceneLightKelvin;
};
