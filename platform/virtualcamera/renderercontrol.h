#pragma once

#include <QAbstractVideoSurface>
#include <QPointer>
#include <QVideoRendererControl>

class FrameSource;
class QImage;

// Presents the camera's frames to the surface of a QVideoWidget or
// QGraphicsVideoItem. The surface is (re)started with the frame's format on
// the first frame and whenever the picture size changes.
class VirtualRendererControl : public QVideoRendererControl
{
    Q_OBJECT

public:
    explicit VirtualRendererControl(FrameSource *source, QObject *parent = nullptr);

    QAbstractVideoSurface *surface() const override { return target; }
    void setSurface(QAbstractVideoSurface *surface) override;

private:
    void present(const QImage &frame, qint64 timeUs);
    void stopSurface();

    QPointer<QAbstractVideoSurface> target;
    bool formatRefused = false;
};
