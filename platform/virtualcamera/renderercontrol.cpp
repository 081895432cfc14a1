#include "renderercontrol.h"

#include <QAbstractVideoSurface>
#include <QVideoSurfaceFormat>

#include "framesource.h"
#include "virtualcameralogging.h"

VirtualRendererControl::VirtualRendererControl(FrameSource *source, QObject *parent)
    : QVideoRendererControl(parent)
{
    connect(source, &FrameSource::frameReady, this, &VirtualRendererControl::present);
    connect(source, &FrameSource::stopped, this, &VirtualRendererControl::stopSurface);
}

void VirtualRendererControl::setSurface(QAbstractVideoSurface *surface)
{
    if (surface == target)
        return;
    stopSurface();
    target = surface;
    formatRefused = false;
}

void VirtualRendererControl::present(const QImage &frame, qint64 timeUs)
{
    if (!target || formatRefused)
        return;
    if (!target->isActive() || target->surfaceFormat().frameSize() != frame.size()) {
        target->stop();
        const QVideoSurfaceFormat format(
            frame.size(), QVideoFrame::pixelFormatFromImageFormat(frame.format()));
        if (!target->start(format)) {
            // Asking again on every frame would only flood the log.
            formatRefused = true;
            qCWarning(lcVirtualCamera) << "the video surface refused" << format << target->error();
            return;
        }
    }
    target->present(sensorFrame(frame, timeUs));
}

void VirtualRendererControl::stopSurface()
{
    if (target && target->isActive())
        target->stop();
}
