#include "virtualcameradevices.h"

#include <QtGlobal>

namespace {

constexpr auto kCountVariable = "KAVRIN_VIRTUAL_CAMERAS";
constexpr int kDefaultCount = 1;
// A typo in the variable must not make the machine look like a camera shop.
constexpr int kMaximumCount = 16;
constexpr auto kNamePrefix = "kavrin-virtual-camera-";

int deviceCount()
{
    if (!qEnvironmentVariableIsSet(kCountVariable))
        return kDefaultCount;
    bool ok = false;
    const int count = qEnvironmentVariableIntValue(kCountVariable, &ok);
    return ok ? qBound(0, count, kMaximumCount) : kDefaultCount;
}

} // namespace

namespace VirtualCameraDevices {

QList<QByteArray> deviceNames()
{
    QList<QByteArray> names;
    const int count = deviceCount();
    for (int i = 0; i < count; ++i)
        names << QByteArray(kNamePrefix) + QByteArray::number(i);
    return names;
}

QString description(const QByteArray &deviceName)
{
    const QList<QByteArray> names = deviceNames();
    const int index = names.indexOf(deviceName);
    if (index < 0)
        return QString();
    if (names.size() == 1)
        return QStringLiteral("Virtual Camera");
    return QStringLiteral("Virtual Camera %1").arg(index + 1);
}

} // namespace VirtualCameraDevices
