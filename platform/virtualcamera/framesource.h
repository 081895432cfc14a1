#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QTimer>

#include <memory>

#include "imageadjustment.h"

class PracticeFieldPainter;

// The sensor of the virtual camera: while running it produces frames at a
// steady rate on the GUI thread, adjusts their colours and hands each one to
// whoever listens (the viewfinder, the recorder, the still capture).
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
    void frameReady(const QImage &frame);
    void stopped();

private:
    void produceFrame();

    std::unique_ptr<PracticeFieldPainter> painter;
    QSize requestedResolution = kDefaultResolution;
    QString label;
    ImageAdjustment adjustment;
    bool running = false;
    QTimer timer;
    QElapsedTimer clock;
    qint64 frameNumber = 0;
    qint64 nextFrameDueNs = 0;
    QImage latest;
};
