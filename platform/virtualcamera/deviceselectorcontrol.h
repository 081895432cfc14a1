#pragma once

#include <QVideoDeviceSelectorControl>

// Lets QCamera bind the device named by a QCameraInfo: the names here are the
// ones the plugin enumerates, else QCamera reports ServiceMissingError.
class VirtualDeviceSelectorControl : public QVideoDeviceSelectorControl
{
    Q_OBJECT

public:
    explicit VirtualDeviceSelectorControl(QObject *parent = nullptr);

    int deviceCount() const override;
    QString deviceName(int index) const override;
    QString deviceDescription(int index) const override;
    int defaultDevice() const override { return 0; }
    int selectedDevice() const override { return selected; }
    void setSelectedDevice(int index) override;

private:
    int selected = 0;
};
