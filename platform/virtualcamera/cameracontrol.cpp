#include "cameracontrol.h"

#include <QTimer>

#include "framesource.h"

namespace {

constexpr auto kUnpluggedText = "The camera has been unplugged.";

} // namespace

VirtualCameraControl::VirtualCameraControl(FrameSource *source, QObject *parent)
    : QCameraControl(parent)
    , source(source)
{
    // Active means frames flow: the first one ends the start.
    connect(source, &FrameSource::frameReady, this, [this] {
        if (currentStatus == QCamera::StartingStatus)
            setStatus(QCamera::ActiveStatus);
    });
}

void VirtualCameraControl::setState(QCamera::State state)
{
    if (state == currentState)
        return;
    if (!plugged && state != QCamera::UnloadedState) {
        reportUnplugged();
        return;
    }
    const QCamera::State previous = currentState;
    currentState = state;
    emit stateChanged(state);

    if (previous == QCamera::ActiveState) {
        // Listeners (the recorder) finish their work while frames still flow.
        setStatus(QCamera::StoppingStatus);
        source->stop();
        setStatus(QCamera::LoadedStatus);
    }
    if (state == QCamera::UnloadedState) {
        setStatus(QCamera::UnloadingStatus);
        setStatus(QCamera::UnloadedStatus);
        return;
    }
    if (previous == QCamera::UnloadedState) {
        setStatus(QCamera::LoadingStatus);
        setStatus(QCamera::LoadedStatus);
    }
    if (state == QCamera::ActiveState) {
        setStatus(QCamera::StartingStatus);
        QTimer::singleShot(0, this, &VirtualCameraControl::startSensor);
    }
}

void VirtualCameraControl::startSensor()
{
    // The request may have been withdrawn before the event loop came round.
    if (currentState == QCamera::ActiveState)
        source->start();
}

void VirtualCameraControl::setPluggedIn(bool pluggedIn)
{
    if (pluggedIn == plugged)
        return;
    plugged = pluggedIn;
    if (!plugged && currentState != QCamera::UnloadedState) {
        // The error comes first, so that a recording knows why the frames stop.
        reportUnplugged();
        setState(QCamera::UnloadedState);
    }
}

void VirtualCameraControl::reportUnplugged()
{
    emit error(QCamera::CameraError, QLatin1String(kUnpluggedText));
}

void VirtualCameraControl::setStatus(QCamera::Status status)
{
    if (status == currentStatus)
        return;
    currentStatus = status;
    emit statusChanged(status);
}

void VirtualCameraControl::setCaptureMode(QCamera::CaptureModes newMode)
{
    if (newMode == mode || !isCaptureModeSupported(newMode))
        return;
    mode = newMode;
    emit captureModeChanged(newMode);
}

bool VirtualCameraControl::isCaptureModeSupported(QCamera::CaptureModes candidate) const
{
    QCamera::CaptureModes supported(QCamera::CaptureStillImage);
    supported |= QCamera::CaptureVideo;
    return (candidate & ~supported) == 0;
}

bool VirtualCameraControl::canChangeProperty(PropertyChangeType changeType, QCamera::Status status) const
{
    // The picture size is fixed while the sensor runs; QCamera restarts the
    // camera to apply it.
    return changeType != ViewfinderSettings || status != QCamera::ActiveStatus;
}

bool VirtualCameraControl::isReadyToRecord() const
{
    return currentStatus == QCamera::ActiveStatus && mode.testFlag(QCamera::CaptureVideo);
}
