#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QTimer>
#include <QVideoFrame>

#include <memory>

#include "imageadjustment.h"

class PracticeFieldPainter;
class SensorSimulation;
class TruthLog;

// A sensor frame as Qt Multimedia hands it on: its start time is the moment
// it was captured, in microseconds, on the sensor's clock (below). Its
// meta-data kCaptureMomentKey holds the moment it actually left the sensor,
// also on the monotonic clock in microseconds: the two part when the GUI
// thread falls behind, and a measure of the time from capture to the screen
// wants the second.
QVideoFrame sensorFrame(const QImage &frame, qint64 timeUs);
constexpr auto kCaptureMomentKey = "captureMomentUs";

// Now on the monotonic clock, in microseconds: the clock a USB camera's
// driver (V4L2) stamps each frame with as it is captured, so that the time
// from capture to the picture on screen can be read off any frame.
qint64 captureMomentUs();

// The sensor of the virtual camera: while running it produces frames at a
// steady rate on the GUI thread, adjusts their colours and hands each one to
// whoever listens (the viewfinder, the probes, the recorder, the still
// capture), stamped with its time on the sensor's clock, which counts frames:
// frame n of a run is captured, and shows the field, n / kFrameRate seconds
// after the start (captureMomentUs()), whatever the GUI thread's delays. So
// the stamp is the capture moment while the GUI thread keeps up, and the
// tracker's times match what the picture shows when it does not.
//
// Environment variables, read at each start, serve tests:
// KAVRIN_VIRTUAL_CAMERA_INSTRUMENTS=hidden shows the box without
// instruments, KAVRIN_VIRTUAL_CAMERA_TRUTH (see TruthLog) logs where the
// instruments' bands really are, and the imperfections of a real USB
// camera's picture are asked for one by one (see Imperfections).
class FrameSource : public QObject
{
    Q_OBJECT

public:
    static constexpr int kFrameRate = 30;
    static constexpr QSize kDefaultResolution { 1280, 720 };

    explicit FrameSource(QObject *parent = nullptr);
    ~FrameSource() override;

    // Takes effect at the next start, as with a real sensor.
    void setResolution(const QSize &size) { requestedResolution = size; }
    QSize resolution() const { return requestedResolution; }
    void setLabel(const QString &text) { label = text; }
    // From the next frame on, as a sensor's own colour processing.
    void setAdjustment(const ImageAdjustment &next) { adjustment = next; }

    void start();
    void stop();
    bool isRunning() const { return running; }
    QImage lastFrame() const { return latest; }

signals:
    void frameReady(const QImage &frame, qint64 timeUs);
    void stopped();

private:
    void produceFrame();

    std::unique_ptr<PracticeFieldPainter> painter;
    std::unique_ptr<SensorSimulation> sensor;
    std::unique_ptr<TruthLog> truth;
    QSize requestedResolution = kDefaultResolution;
    QString label;
    ImageAdjustment adjustment;
    bool running = false;
    QTimer timer;
    QElapsedTimer clock;
    qint64 frameNumber = 0;
    // The run's start on the monotonic clock, and its first frame.
    qint64 startUs = 0;
    qint64 startFrame = 0;
    qint64 nextFrameDueNs = 0;
    QImage latest;
};
