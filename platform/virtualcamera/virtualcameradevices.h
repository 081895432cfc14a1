#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The virtual devices currently "plugged in". The count is read from the
// environment on every call, so that tests can plug and unplug cameras while
// the application runs; reading the environment is thread-safe in Qt, which
// lets the camera detection thread enumerate from its own thread.
namespace VirtualCameraDevices {

QList<QByteArray> deviceNames();
// Empty for a device that is not plugged in (any more).
QString description(const QByteArray &deviceName);

} // namespace VirtualCameraDevices
