#include "videoprobecontrol.h"

#include "framesource.h"

VirtualVideoProbeControl::VirtualVideoProbeControl(FrameSource *source, QObject *parent)
    : QMediaVideoProbeControl(parent)
{
    connect(source, &FrameSource::frameReady, this,
        [this](const QImage &frame, qint64 timeUs) { emit videoFrameProbed(sensorFrame(frame, timeUs)); });
    connect(source, &FrameSource::stopped, this, &VirtualVideoProbeControl::flush);
}
