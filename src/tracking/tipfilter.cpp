#include "tracking/tipfilter.h"

namespace {

// How far a band's found centre scatters around the true one, in picture
// pixels: about half a pixel of the reduced picture.
constexpr float kMeasurementSigma = 0.7f;
// How quickly a hand may change its tip's velocity, as the spectral density
// of a random acceleration, in pixels squared per second cubed. Large
// enough that the filter follows a quick change of direction within a frame
// or two, small enough to take out most of the measurement jitter.
constexpr float kAccelerationDensity = 40000.0f;
// The velocity is unknown when a tip appears: anything up to a fast hand's
// speed, in pixels per second.
constexpr float kInitialSpeedSigma = 1000.0f;

} // namespace

TipFilter::TipFilter()
    : filter(4, 2, 0, CV_32F)
{
    // State x, y, vx, vy; measured x, y.
    cv::setIdentity(filter.measurementMatrix);
    cv::setIdentity(filter.measurementNoiseCov, cv::Scalar::all(kMeasurementSigma * kMeasurementSigma));
}

std::optional<QPointF> TipFilter::update(const std::optional<QPointF> &measured, double seconds)
{
    if (!measured) {
        tracking = false;
        return std::nullopt;
    }
    const float x = static_cast<float>(measured->x());
    const float y = static_cast<float>(measured->y());
    if (!tracking) {
        tracking = true;
        lastSeconds = seconds;
        filter.statePost = (cv::Mat_<float>(4, 1) << x, y, 0, 0);
        const float position = kMeasurementSigma * kMeasurementSigma;
        const float speed = kInitialSpeedSigma * kInitialSpeedSigma;
        filter.errorCovPost
            = (cv::Mat_<float>(4, 4) << position, 0, 0, 0, 0, position, 0, 0, 0, 0, speed, 0, 0, 0, 0, speed);
        return measured;
    }

    // Constant velocity over the interval, disturbed by a random
    // acceleration (the continuous white-noise acceleration model).
    const auto dt = static_cast<float>(seconds - lastSeconds);
    lastSeconds = seconds;
    filter.transitionMatrix = (cv::Mat_<float>(4, 4) << 1, 0, dt, 0, 0, 1, 0, dt, 0, 0, 1, 0, 0, 0, 0, 1);
    const float q = kAccelerationDensity;
    const float pp = q * dt * dt * dt / 3;
    const float pv = q * dt * dt / 2;
    const float vv = q * dt;
    filter.processNoiseCov
        = (cv::Mat_<float>(4, 4) << pp, 0, pv, 0, 0, pp, 0, pv, pv, 0, vv, 0, 0, pv, 0, vv);
    filter.predict();
    const cv::Mat corrected = filter.correct((cv::Mat_<float>(2, 1) << x, y));
    return QPointF(corrected.at<float>(0), corrected.at<float>(1));
}
