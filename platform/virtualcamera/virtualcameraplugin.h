#pragma once

#include <QMediaServiceProviderPlugin>

// Offers the virtual cameras to Qt Multimedia beside any real camera. Qt asks
// for the device list on every QCameraInfo::availableCameras(), also from
// the camera detection thread; the list is derived from the environment only,
// so no state is shared between threads.
class VirtualCameraPlugin : public QMediaServiceProviderPlugin,
                            public QMediaServiceSupportedDevicesInterface,
                            public QMediaServiceDefaultDeviceInterface
{
    Q_OBJECT
    Q_INTERFACES(QMediaServiceSupportedDevicesInterface)
    Q_INTERFACES(QMediaServiceDefaultDeviceInterface)
    Q_PLUGIN_METADATA(IID "org.qt-project.qt.mediaserviceproviderfactory/5.0" FILE "virtualcamera.json")

public:
    QMediaService *create(const QString &key) override;
    void release(QMediaService *service) override;

    QList<QByteArray> devices(const QByteArray &service) const override;
    QString deviceDescription(const QByteArray &service, const QByteArray &device) override;
    QByteArray defaultDevice(const QByteArray &service) const override;
};
