#include "tracking/tiptracker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QMediaObject>
#include <QVideoFrame>

#include <opencv2/core/utility.hpp>

#include "tracking/reducedframe.h"
#include "tracking/trackinglogging.h"
#include "tracking/trackingsession.h"

namespace {

// The width of the picture analysed: a band is then some 15 pixels long,
// enough to place its centre within a fraction of a pixel, and a frame costs
// a few milliseconds.
constexpr int kAnalysedWidth = 640;
// One frame analysed and one waiting: a frame arriving behind both is
// dropped, so no frame is analysed more than a frame's time late.
constexpr int kMostFramesWaiting = 2;
constexpr double kUsPerSecond = 1e6;

// A frame to copy once the viewfinder has painted it. Widgets repaint on a
// low-priority posted event, and events of one priority are delivered in
// the order they were posted: posted with low priority after the frame's
// repaint has been asked for, this comes after the paint.
class HeldFrameEvent : public QEvent
{
public:
    static inline const Type kType = static_cast<Type>(registerEventType());

    HeldFrameEvent(const QVideoFrame &frame, const std::shared_ptr<TrackingSession> &session)
        : QEvent(kType)
        , frame(frame)
        , session(session)
    {
    }

    const QVideoFrame frame;
    // The training the frame belongs to: a frame still held when it ends is
    // not given to the next one.
    const std::weak_ptr<TrackingSession> session;
};

} // namespace

TipTracker::TipTracker(QObject *parent)
    : QObject(parent)
    , worker(new QObject)
{
    // For queued connections to measured().
    qRegisterMetaType<TrainingMeasurement>();
    worker->moveToThread(&thread);
    thread.setObjectName(QStringLiteral("tip tracker"));
    thread.start(QThread::LowPriority);
    // The analysis of one small frame is too short to gain from OpenCV's own
    // threads, which would only compete with the encoder.
    QMetaObject::invokeMethod(worker, [] { cv::setNumThreads(0); });
    connect(&probe, &QVideoProbe::videoFrameProbed, this, &TipTracker::takeFrame);
}

TipTracker::~TipTracker()
{
    probe.setSource(static_cast<QMediaObject *>(nullptr));
    // Queued behind the work already given, so that it is all done.
    QMetaObject::invokeMethod(worker, [this] { thread.quit(); });
    thread.wait();
    delete worker;
}

bool TipTracker::start(QMediaObject *camera, const FieldCalibration &calibration)
{
    tracking = false;
    if (!camera || !probe.setSource(camera)) {
        qCWarning(lcTracking) << "the camera offers no frames to track";
        return false;
    }
    session = std::make_shared<TrackingSession>(calibration);
    tracking = true;
    dropped = 0;
    firstFrameUs = -1;
    clock.start();
    return true;
}

void TipTracker::finish(const QString &videoPath, const std::optional<TrainedExercise> &exercise)
{
    if (!tracking)
        return;
    tracking = false;
    ++measuring;
    probe.setSource(static_cast<QMediaObject *>(nullptr));
    QMetaObject::invokeMethod(worker, [this, finished = session, videoPath, dropped = dropped, exercise] {
        TrainingMeasurement measurement = finished->finish(dropped);
        measurement.metrics.exercise = exercise;
        QString problem;
        const bool saved
            = QFileInfo::exists(videoPath) && writeTrainingMeasurement(videoPath, measurement, &problem);
        if (!problem.isEmpty())
            qCWarning(lcTracking) << "cannot keep the tracking:" << problem;
        QMetaObject::invokeMethod(this, [this, videoPath, measurement, saved] {
            --measuring;
            emit measured(videoPath, measurement, saved);
        });
    });
    session.reset();
}

void TipTracker::takeFrame(const QVideoFrame &frame)
{
    if (!tracking)
        return;
    if (framesWaiting.load() >= kMostFramesWaiting) {
        ++dropped;
        return;
    }
    QCoreApplication::postEvent(this, new HeldFrameEvent(frame, session), Qt::LowEventPriority);
}

void TipTracker::customEvent(QEvent *event)
{
    if (event->type() != HeldFrameEvent::kType)
        return QObject::customEvent(event);
    const auto *held = static_cast<HeldFrameEvent *>(event);
    if (tracking && held->session.lock() == session)
        reduceFrame(held->frame);
}

void TipTracker::reduceFrame(const QVideoFrame &frame)
{
    ReducedFrame reduced = ReducedFrame::of(frame, kAnalysedWidth);
    if (reduced.bgr.empty()) {
        ++dropped;
        return;
    }
    reduced.seconds = secondsOf(frame);
    ++framesWaiting;
    QMetaObject::invokeMethod(worker, [this, analysing = session, reduced] {
        analysing->analyse(reduced);
        --framesWaiting;
    });
}

// The camera's own time of the frame where it gives one (a sensor's clock
// does not stall with the GUI thread), else the time the frame arrived.
double TipTracker::secondsOf(const QVideoFrame &frame)
{
    if (frame.startTime() < 0)
        return clock.nsecsElapsed() / (kUsPerSecond * 1000);
    if (firstFrameUs < 0)
        firstFrameUs = frame.startTime();
    return (frame.startTime() - firstFrameUs) / kUsPerSecond;
}
