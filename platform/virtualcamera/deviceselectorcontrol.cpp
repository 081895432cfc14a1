#include "deviceselectorcontrol.h"

#include "virtualcameradevices.h"

VirtualDeviceSelectorControl::VirtualDeviceSelectorControl(QObject *parent)
    : QVideoDeviceSelectorControl(parent)
{
}

int VirtualDeviceSelectorControl::deviceCount() const
{
    return VirtualCameraDevices::deviceNames().size();
}

QString VirtualDeviceSelectorControl::deviceName(int index) const
{
    return QString::fromLatin1(VirtualCameraDevices::deviceNames().value(index));
}

QString VirtualDeviceSelectorControl::deviceDescription(int index) const
{
    return VirtualCameraDevices::description(VirtualCameraDevices::deviceNames().value(index));
}

void VirtualDeviceSelectorControl::setSelectedDevice(int index)
{
    if (index == selected || index < 0 || index >= deviceCount())
        return;
    selected = index;
    emit selectedDeviceChanged(index);
    emit selectedDeviceChanged(deviceName(index));
}
