#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QThread>
#include <QVideoProbe>

#include <atomic>
#include <memory>

#include "storage/trainingmetrics.h"
#include "tracking/motionmetrics.h"

class QMediaObject;
class QVideoFrame;
class TrackingSession;

// Tracks the instruments' tips through a training from a camera's frames
// and keeps the result beside the training's video.
//
// Frames come from a QVideoProbe on the GUI thread; each costs the GUI
// thread a small copy of the picture (ReducedFrame) and is analysed on the
// tracker's own thread. The copy waits until the viewfinder has painted the
// frame: it is taken behind the viewfinder's repaint in the GUI thread's
// queue, so the preview is not held back by it. When the tracker's thread is
// behind, frames are dropped and counted rather than queued: the preview
// and the recording never wait for the tracking. Measuring the training and
// writing its files happen on that thread too.
class TipTracker : public QObject
{
    Q_OBJECT

public:
    explicit TipTracker(QObject *parent = nullptr);
    // Lets the worker finish what it was given, such as writing the last
    // training's files.
    ~TipTracker() override;

    // Starts tracking a training on camera's frames (a QCamera). False when
    // the camera offers no frames to watch; the training then goes
    // untracked. A training still running is ended without a measurement.
    bool start(QMediaObject *camera, const FieldCalibration &calibration);
    // Ends the training: no further frames are taken. The worker measures
    // it and, when videoPath names an existing file (the recording came
    // about), writes the metrics and paths beside it, with the exercise
    // trained if any; then measured() is emitted. Nothing happens while no
    // training is tracked.
    void finish(const QString &videoPath, const std::optional<TrainedExercise> &exercise = std::nullopt);
    bool isTracking() const { return tracking; }
    // True from finish() until measured() has been emitted.
    bool isMeasuring() const { return measuring > 0; }
    // Of the training tracked now or last.
    qint64 droppedFrames() const { return dropped; }

signals:
    // After finish(), on the GUI thread. saved tells whether the files beside
    // the video were written.
    void measured(const QString &videoPath, const TrainingMeasurement &measurement, bool saved);

protected:
    void customEvent(QEvent *event) override;

private:
    void takeFrame(const QVideoFrame &frame);
    void reduceFrame(const QVideoFrame &frame);
    double secondsOf(const QVideoFrame &frame);

    QVideoProbe probe;
    // Trainings finished and not yet reported, counted on the GUI thread.
    int measuring = 0;
    QThread thread;
    // Lives on the worker thread: what is posted to it runs there, in order.
    QObject *worker;
    std::shared_ptr<TrackingSession> session;
    std::atomic<int> framesWaiting { 0 };
    bool tracking = false;
    qint64 dropped = 0;
    qint64 firstFrameUs = -1;
    QElapsedTimer clock;
};
