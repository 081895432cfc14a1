#pragma once

#include <QCameraViewfinderSettingsControl2>

class FrameSource;

// The picture size of the virtual camera, chosen like a USB camera's mode
// through QCamera::setViewfinderSettings(). Recordings have this size too.
class VirtualViewfinderSettingsControl : public QCameraViewfinderSettingsControl2
{
    Q_OBJECT

public:
    explicit VirtualViewfinderSettingsControl(FrameSource *source, QObject *parent = nullptr);

    QList<QCameraViewfinderSettings> supportedViewfinderSettings() const override;
    QCameraViewfinderSettings viewfinderSettings() const override;
    void setViewfinderSettings(const QCameraViewfinderSettings &settings) override;

private:
    FrameSource *source;
};
