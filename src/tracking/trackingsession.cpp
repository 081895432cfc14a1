#include "tracking/trackingsession.h"

TrackingSession::TrackingSession(const FieldCalibration &calibration)
    : calibration(calibration)
{
}

void TrackingSession::analyse(const ReducedFrame &frame)
{
    if (frame.bgr.empty())
        return;
    pictureSize = frame.pictureSize;
    const TipFinder::Found found = finder.find(frame.bgr);
    for (std::size_t i = 0; i < found.size(); ++i) {
        std::optional<QPointF> measured;
        if (found[i])
            measured = *found[i] * frame.step;
        paths[i].append({ frame.seconds, filters[i].update(measured, frame.seconds) });
    }
}

TrainingMeasurement TrackingSession::finish(qint64 framesDropped) const
{
    return { measureTraining(paths, pictureSize, calibration, framesDropped), paths };
}
