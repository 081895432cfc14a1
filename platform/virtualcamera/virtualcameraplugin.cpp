#include "virtualcameraplugin.h"

#include "virtualcameradevices.h"
#include "virtualcameraservice.h"

namespace {

// KAVRIN_VIRTUAL_CAMERA_SERVICE=missing lists the cameras but makes none,
// as Qt's GStreamer back end does without GStreamer's camerabin element.
constexpr auto kServiceVariable = "KAVRIN_VIRTUAL_CAMERA_SERVICE";
constexpr auto kServiceMissing = "missing";

} // namespace

QMediaService *VirtualCameraPlugin::create(const QString &key)
{
    if (key != QLatin1String(Q_MEDIASERVICE_CAMERA) || qgetenv(kServiceVariable) == kServiceMissing)
        return nullptr;
    return new VirtualCameraService;
}

void VirtualCameraPlugin::release(QMediaService *service)
{
    delete service;
}

QList<QByteArray> VirtualCameraPlugin::devices(const QByteArray &service) const
{
    if (service != Q_MEDIASERVICE_CAMERA)
        return {};
    return VirtualCameraDevices::deviceNames();
}

QString VirtualCameraPlugin::deviceDescription(const QByteArray &service, const QByteArray &device)
{
    if (service != Q_MEDIASERVICE_CAMERA)
        return QString();
    return VirtualCameraDevices::description(device);
}

QByteArray VirtualCameraPlugin::defaultDevice(const QByteArray &service) const
{
    return devices(service).value(0);
}
