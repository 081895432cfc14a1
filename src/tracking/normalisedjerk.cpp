#include "tracking/normalisedjerk.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace {

// The rate of change of values at each sample, across up to halfWindow
// samples on either side, fewer at the ends of the stretch.
QVector<QPointF> derivative(const QVector<QPointF> &values, const QVector<double> &seconds, int halfWindow)
{
    QVector<QPointF> rates(values.size());
    const int last = values.size() - 1;
    for (int i = 0; i <= last; ++i) {
        const int from = std::max(0, i - halfWindow);
        const int to = std::min(last, i + halfWindow);
        const double span = seconds.at(to) - seconds.at(from);
        rates[i] = span > 0 ? (values.at(to) - values.at(from)) / span : QPointF();
    }
    return rates;
}

double squaredLength(const QPointF &vector)
{
    return QPointF::dotProduct(vector, vector);
}

struct Smoothness
{
    double seconds;
    double normalisedJerk;
};

std::optional<Smoothness> smoothnessOf(const SeenStretch &stretch, int halfWindow, double shortestPath)
{
    const int firstMoving = stretch.moving.indexOf(true);
    if (firstMoving < 0)
        return std::nullopt;
    const int begin = std::max(0, firstMoving - halfWindow);
    const int end = std::min(
        static_cast<int>(stretch.moving.size()), stretch.moving.lastIndexOf(true) + 1 + halfWindow);
    const auto rate
        = [&](const QVector<QPointF> &values) { return derivative(values, stretch.seconds, halfWindow); };
    const QVector<QPointF> jerk = rate(rate(rate(stretch.positions)));
    double squaredJerk = 0;
    double length = 0;
    for (int i = begin; i < end; ++i) {
        const double step = stretch.seconds.at(i + 1) - stretch.seconds.at(i);
        squaredJerk += (squaredLength(jerk.at(i)) + squaredLength(jerk.at(i + 1))) / 2 * step;
        length += QLineF(stretch.positions.at(i), stretch.positions.at(i + 1)).length();
    }
    const double duration = stretch.seconds.at(end) - stretch.seconds.at(begin);
    if (length < shortestPath || duration <= 0)
        return std::nullopt;
    return Smoothness { duration, std::sqrt(squaredJerk / 2 * std::pow(duration, 5) / (length * length)) };
}

} // namespace

std::optional<double> normalisedJerk(
    const QVector<SeenStretch> &stretches, int halfWindow, double shortestPath)
{
    double seconds = 0;
    double weighted = 0;
    for (const SeenStretch &stretch : stretches) {
        if (const std::optional<Smoothness> smoothness = smoothnessOf(stretch, halfWindow, shortestPath)) {
            seconds += smoothness->seconds;
            weighted += smoothness->seconds * smoothness->normalisedJerk;
        }
    }
    return seconds > 0 ? std::optional<double>(weighted / seconds) : std::nullopt;
}
