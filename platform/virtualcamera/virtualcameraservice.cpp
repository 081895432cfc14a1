#include "virtualcameraservice.h"

#include <cstring>
#include <utility>

namespace {

// A USB camera's driver notices a pulled cable within a few frames; the list
// of plugged-in devices is looked at as often.
constexpr int kPlugWatchIntervalMs = 100;

} // namespace

VirtualCameraService::VirtualCameraService(QObject *parent)
    : QMediaService(parent)
    , camera(&source)
    , viewfinderSettings(&source)
    , imageProcessing(&source)
    , renderer(&source)
    , probe(&source)
    , videoEncoder(settings, &source)
    , audioEncoder(settings)
    , metaDataWriter(settings)
    , imageCapture(&camera, &source)
    , recorder(&camera, &source, settings)
{
    const auto showSelectedDevice
        = [this] { source.setLabel(deviceSelector.deviceDescription(deviceSelector.selectedDevice())); };
    connect(&deviceSelector, QOverload<int>::of(&VirtualDeviceSelectorControl::selectedDeviceChanged), this,
        showSelectedDevice);
    showSelectedDevice();

    plugWatch.setInterval(kPlugWatchIntervalMs);
    connect(&plugWatch, &QTimer::timeout, this, [this] {
        camera.setPluggedIn(!deviceSelector.deviceDescription(deviceSelector.selectedDevice()).isEmpty());
    });
    plugWatch.start();
}

QMediaControl *VirtualCameraService::requestControl(const char *name)
{
    if (std::strcmp(name, QVideoRendererControl_iid) == 0) {
        // One viewfinder at a time, until it is released.
        if (rendererInUse)
            return nullptr;
        rendererInUse = true;
        return &renderer;
    }
    const std::pair<const char *, QMediaControl *> controls[] = {
        { QCameraControl_iid, &camera },
        { QVideoDeviceSelectorControl_iid, &deviceSelector },
        { QCameraViewfinderSettingsControl2_iid, &viewfinderSettings },
        { QCameraImageProcessingControl_iid, &imageProcessing },
        { QMediaContainerControl_iid, &container },
        { QVideoEncoderSettingsControl_iid, &videoEncoder },
        { QAudioEncoderSettingsControl_iid, &audioEncoder },
        { QMetaDataWriterControl_iid, &metaDataWriter },
        { QCameraImageCaptureControl_iid, &imageCapture },
        { QMediaVideoProbeControl_iid, &probe },
        { QMediaRecorderControl_iid, &recorder },
    };
    for (const auto &[iid, control] : controls) {
        if (std::strcmp(name, iid) == 0)
            return control;
    }
    return nullptr;
}

void VirtualCameraService::releaseControl(QMediaControl *control)
{
    if (control == &renderer) {
        renderer.setSurface(nullptr);
        rendererInUse = false;
    }
}
