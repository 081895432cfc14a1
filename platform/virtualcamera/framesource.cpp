#include "framesource.h"

#include <QDateTime>

#include "practicefieldpainter.h"

namespace {

constexpr qint64 kFrameIntervalNs = 1000000000LL / FrameSource::kFrameRate;
constexpr qint64 kNsPerMs = 1000000;

} // namespace

FrameSource::FrameSource(QObject *parent)
    : QObject(parent)
{
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, &FrameSource::produceFrame);
}

FrameSource::~FrameSource() = default;

void FrameSource::start()
{
    if (isRunning())
        return;
    if (!painter || painter->frameSize() != requestedResolution)
        painter = std::make_unique<PracticeFieldPainter>(requestedResolution);
    running = true;
    clock.start();
    nextFrameDueNs = 0;
    timer.start(0);
}

void FrameSource::stop()
{
    if (!isRunning())
        return;
    running = false;
    timer.stop();
    emit stopped();
}

void FrameSource::produceFrame()
{
    latest = painter->paint(
        frameNumber, static_cast<double>(frameNumber) / kFrameRate, QDateTime::currentDateTime(), label);
    ++frameNumber;
    adjustment.apply(latest);
    emit frameReady(latest);
    // A listener may have stopped the camera.
    if (!running)
        return;

    // Frames are due on a fixed grid so that the rate does not drift with
    // the millisecond rounding of the timer. After a stall of the GUI thread
    // the grid restarts from now instead of bursting to catch up.
    const qint64 now = clock.nsecsElapsed();
    nextFrameDueNs = qMax(nextFrameDueNs + kFrameIntervalNs, now);
    timer.start(static_cast<int>((nextFrameDueNs - now + kNsPerMs / 2) / kNsPerMs));
}
