#pragma once

#include <array>

#include "storage/trainingmetrics.h"
#include "tracking/motionmetrics.h"
#include "tracking/reducedframe.h"
#include "tracking/tipfilter.h"
#include "tracking/tipfinder.h"

// The tracking of one training, frame after frame: finds both bands,
// smooths their positions and keeps the paths, from which finish() takes
// the figures. Not tied to a thread; TipTracker runs it on its worker.
class TrackingSession
{
public:
    explicit TrackingSession(const FieldCalibration &calibration);

    // Frames come in the order of their times; an unreadable one is skipped.
    void analyse(const ReducedFrame &frame);
    TrainingMeasurement finish(qint64 framesDropped) const;

private:
    FieldCalibration calibration;
    TipFinder finder;
    std::array<TipFilter, kInstrumentCount> filters;
    TipPaths paths;
    QSize pictureSize { 0, 0 };
};
