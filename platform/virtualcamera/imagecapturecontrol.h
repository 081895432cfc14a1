#pragma once

#include <QCameraImageCaptureControl>

class FrameSource;
class VirtualCameraControl;

// Still pictures: ready whenever the camera delivers frames; a capture saves
// the latest frame as a JPEG file. Results arrive from the event loop, as
// QCameraImageCapture expects of a real camera.
class VirtualImageCaptureControl : public QCameraImageCaptureControl
{
    Q_OBJECT

public:
    VirtualImageCaptureControl(
        const VirtualCameraControl *camera, const FrameSource *source, QObject *parent = nullptr);

    bool isReadyForCapture() const override;
    QCameraImageCapture::DriveMode driveMode() const override
    {
        return QCameraImageCapture::SingleImageCapture;
    }
    void setDriveMode(QCameraImageCapture::DriveMode) override { }
    int capture(const QString &fileName) override;
    // Captures complete at once; there is nothing in flight to cancel.
    void cancelCapture() override { }

private:
    void deliver(int id, const QString &fileName);

    const VirtualCameraControl *camera;
    const FrameSource *source;
    int lastId = 0;
    bool ready = false;
};
