#include "framesource.h"

#include <QAbstractVideoBuffer>
#include <QDateTime>

#include <chrono>

#include "imperfections.h"
#include "practicefieldpainter.h"
#include "truthlog.h"

namespace {

constexpr qint64 kFrameIntervalNs = 1000000000LL / FrameSource::kFrameRate;
constexpr qint64 kNsPerMs = 1000000;
constexpr qint64 kUsPerSecond = 1000000;
constexpr auto kInstrumentsVariable = "KAVRIN_VIRTUAL_CAMERA_INSTRUMENTS";

// A frame's pixels as a camera hands them on, read in place. Qt's own image
// buffer asks its image for writable bits even when mapped for reading, so
// every reader (the viewfinder's paint, the tracker, a probe) would copy the
// whole picture; a USB camera's GStreamer buffer is read without a copy.
class SensorBuffer : public QAbstractVideoBuffer
{
public:
    explicit SensorBuffer(const QImage &image)
        : QAbstractVideoBuffer(NoHandle)
        , image(image)
    {
    }

    MapMode mapMode() const override { return mode; }

    uchar *map(MapMode requested, int *numBytes, int *bytesPerLine) override
    {
        if (mode != NotMapped || requested == NotMapped)
            return nullptr;
        mode = requested;
        if (numBytes)
            *numBytes = static_cast<int>(image.sizeInBytes());
        if (bytesPerLine)
            *bytesPerLine = image.bytesPerLine();
        // Only a writer gets pixels of its own.
        return requested & WriteOnly ? image.bits() : const_cast<uchar *>(image.constBits());
    }

    void unmap() override { mode = NotMapped; }

private:
    QImage image;
    MapMode mode = NotMapped;
};

} // namespace

QVideoFrame sensorFrame(const QImage &frame, qint64 timeUs)
{
    QVideoFrame video(
        new SensorBuffer(frame), frame.size(), QVideoFrame::pixelFormatFromImageFormat(frame.format()));
    video.setStartTime(timeUs);
    video.setMetaData(QLatin1String(kCaptureMomentKey), captureMomentUs());
    return video;
}

qint64 captureMomentUs()
{
    // steady_clock is CLOCK_MONOTONIC on Linux, the clock V4L2 stamps with.
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::microseconds>(now).count();
}

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
    const Imperfections imperfections = Imperfections::fromEnvironment();
    painter = std::make_unique<PracticeFieldPainter>(requestedResolution, imperfections.scene());
    sensor = std::make_unique<SensorSimulation>(imperfections, requestedResolution);
    painter->setInstrumentsShown(qEnvironmentVariable(kInstrumentsVariable) != QLatin1String("hidden"));
    truth = TruthLog::fromEnvironment();
    running = true;
    clock.start();
    startUs = captureMomentUs();
    startFrame = frameNumber;
    nextFrameDueNs = 0;
    timer.start(0);
}

void FrameSource::stop()
{
    if (!isRunning())
        return;
    running = false;
    timer.stop();
    truth.reset();
    emit stopped();
}

void FrameSource::produceFrame()
{
    const double seconds = static_cast<double>(frameNumber) / kFrameRate;
    latest = painter->paint(frameNumber, seconds, QDateTime::currentDateTime(), label);
    if (truth)
        truth->write(frameNumber, seconds, painter->bandCentres(seconds));
    const qint64 timeUs = startUs + (frameNumber - startFrame) * kUsPerSecond / kFrameRate;
    sensor->expose(latest, frameNumber);
    ++frameNumber;
    adjustment.apply(latest);
    sensor->compress(latest);
    emit frameReady(latest, timeUs);
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
