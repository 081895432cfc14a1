#pragma once

#include <QPointF>

#include <optional>

#include <opencv2/core/matx.hpp>

// Smooths one tip's measured positions with a Kalman filter over position
// and velocity: the jitter of finding a band's centre anew in every frame
// would otherwise add to the path length. A frame without the band gives no
// position, and the next sighting starts the filter afresh: a tip that left
// the picture is not followed by guessing.
//
// Four states and two measurements make fixed-size matrices enough, and
// keep OpenCV's video module, with the neural-network and feature modules
// it depends on, out of the process.
class TipFilter
{
public:
    // The smoothed position for a measurement seconds after the previous
    // one, or none without a measurement.
    std::optional<QPointF> update(const std::optional<QPointF> &measured, double seconds);

private:
    // State x, y, vx, vy, and its error covariance.
    cv::Matx41f state;
    cv::Matx44f covariance;
    bool tracking = false;
    double lastSeconds = 0;
};
