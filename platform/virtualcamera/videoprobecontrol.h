#pragma once

#include <QMediaVideoProbeControl>

class FrameSource;

// Lets QVideoProbe watch the camera: every frame the viewfinder gets, on the
// GUI thread as it is produced, and a flush when the camera stops. All probes
// of a camera share this control; a probe's handler runs in the sensor's
// time, so it must be quick.
class VirtualVideoProbeControl : public QMediaVideoProbeControl
{
    Q_OBJECT

public:
    explicit VirtualVideoProbeControl(FrameSource *source, QObject *parent = nullptr);
};
