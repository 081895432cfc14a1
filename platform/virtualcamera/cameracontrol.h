#pragma once

#include <QCameraControl>

class FrameSource;

// Camera states and statuses as a real camera reports them: loading and
// stopping finish at once, starting finishes from the event loop with the
// sensor's first frame, so QCamera::start() and stop() behave as with a USB
// camera.
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

private:
    void setStatus(QCamera::Status status);
    void startSensor();

    FrameSource *source;
    QCamera::State currentState = QCamera::UnloadedState;
    QCamera::Status currentStatus = QCamera::UnloadedStatus;
    QCamera::CaptureModes mode = QCamera::CaptureStillImage;
};
