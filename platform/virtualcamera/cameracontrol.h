#pragma once

#include <QCameraControl>

class FrameSource;

// Camera states and statuses as a real camera reports them: loading and
// stopping finish at once, starting finishes from the event loop with the
// sensor's first frame, so QCamera::start() and stop() behave as with a USB
// camera. Unplugged, it reports an error and unloads, as Qt's GStreamer back
// end does when a USB camera's driver loses the device, and it cannot be
// loaded again until it is plugged back in.
class VirtualCameraControl : public QCameraControl
{
    Q_OBJECT

public:
    explicit VirtualCameraControl(FrameSource *source, QObject *parent = nullptr);

    QCamera::State state() const override { return currentState; }
    void setState(QCamera::State state) override;
    QCamera::Status status() const override { return currentStatus; }

    QCamera::CaptureModes captureMode() const override { return mode; }
    void setCaptureMode(QCamera::CaptureModes mode) override;
    bool isCaptureModeSupported(QCamera::CaptureModes mode) const override;
    bool canChangeProperty(PropertyChangeType changeType, QCamera::Status status) const override;

    // True while frames flow in a mode that includes video recording.
    bool isReadyToRecord() const;
    void setPluggedIn(bool pluggedIn);

private:
    void setStatus(QCamera::Status status);
    void startSensor();
    void reportUnplugged();

    FrameSource *source;
    QCamera::State currentState = QCamera::UnloadedState;
    QCamera::Status currentStatus = QCamera::UnloadedStatus;
    QCamera::CaptureModes mode = QCamera::CaptureStillImage;
    bool plugged = true;
};
