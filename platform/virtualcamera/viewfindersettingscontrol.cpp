#include "viewfindersettingscontrol.h"

#include <algorithm>
#include <iterator>

#include "framesource.h"
#include "virtualcameralogging.h"

namespace {

constexpr QSize kSupportedResolutions[] = { { 640, 480 }, { 1280, 720 }, { 1920, 1080 } };

QCameraViewfinderSettings settingsFor(const QSize &resolution)
{
    QCameraViewfinderSettings settings;
    settings.setResolution(resolution);
    settings.setMinimumFrameRate(FrameSource::kFrameRate);
    settings.setMaximumFrameRate(FrameSource::kFrameRate);
    settings.setPixelFormat(QVideoFrame::Format_RGB32);
    settings.setPixelAspectRatio(1, 1);
    return settings;
}

} // namespace

VirtualViewfinderSettingsControl::VirtualViewfinderSettingsControl(FrameSource *source, QObject *parent)
    : QCameraViewfinderSettingsControl2(parent)
    , source(source)
{
}

QList<QCameraViewfinderSettings> VirtualViewfinderSettingsControl::supportedViewfinderSettings() const
{
    QList<QCameraViewfinderSettings> all;
    for (const QSize &resolution : kSupportedResolutions)
        all << settingsFor(resolution);
    return all;
}

QCameraViewfinderSettings VirtualViewfinderSettingsControl::viewfinderSettings() const
{
    return settingsFor(source->resolution());
}

void VirtualViewfinderSettingsControl::setViewfinderSettings(const QCameraViewfinderSettings &settings)
{
    // Unset fields keep their value, as QCameraViewfinderSettings intends.
    const QSize wanted = settings.resolution();
    if (wanted.isEmpty())
        return;
    if (std::find(std::begin(kSupportedResolutions), std::end(kSupportedResolutions), wanted)
        == std::end(kSupportedResolutions)) {
        qCWarning(lcVirtualCamera) << "unsupported picture size" << wanted;
        return;
    }
    source->setResolution(wanted);
}
