#include "tracking/tipfilter.h"

#include <opencv2/core.hpp>

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
        state = cv::Matx41f(x, y, 0, 0);
        const float position = kMeasurementSigma * kMeasurementSigma;
        const float speed = kInitialSpeedSigma * kInitialSpeedSigma;
        covariance = cv::Matx44f::diag(cv::Matx41f(position, position, speed, speed));
        return measured;
    }

    // Constant velocity over the interval, disturbed by a random
    // acceleration (the continuous white-noise acceleration model).
    const auto dt = static_cast<float>(seconds - lastSeconds);
    lastSeconds = seconds;
    const cv::Matx44f transition(1, 0, dt, 0, 0, 1, 0, dt, 0, 0, 1, 0, 0, 0, 0, 1);
    const float q = kAccelerationDensity;
    const float pp = q * dt * dt * dt / 3;
    const float pv = q * dt * dt / 2;
    const float vv = q * dt;
    const cv::Matx44f processNoise(pp, 0, pv, 0, 0, pp, 0, pv, pv, 0, vv, 0, 0, pv, 0, vv);
    // Predicted.
    state = transition * state;
    covariance = transition * covariance * transition.t() + processNoise;
    // Corrected by the measured position, which is the state's first two
    // values.
    const cv::Matx<float, 2, 4> measuring(1, 0, 0, 0, 0, 1, 0, 0);
    const cv::Matx<float, 4, 2> spread = covariance * measuring.t();
    const cv::Matx22f innovationCovariance
        = measuring * spread + cv::Matx22f::eye() * (kMeasurementSigma * kMeasurementSigma);
    const cv::Matx<float, 4, 2> gain = spread * innovationCovariance.inv();
    state += gain * (cv::Matx21f(x, y) - measuring * state);
    covariance -= gain * spread.t();
    return QPointF(state(0), state(1));
}
