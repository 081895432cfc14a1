#pragma once

#include <QPointF>
#include <QVector>

#include <optional>

// A stretch of a tip's path seen without a break: the time and position of
// each of its samples, and whether the tip moved over each step from one
// sample to the next (one fewer than the samples).
struct SeenStretch
{
    QVector<double> seconds;
    QVector<QPointF> positions;
    QVector<bool> moving;
};

// The normalised jerk of a tip's stretches as TrainingMetrics defines it.
// Each derivative is taken across up to halfWindow steps on either side, so
// that the jitter of finding the band, which a third derivative magnifies
// most, does not make every movement look jerky. Stretches moving along less
// than shortestPath say nothing.
std::optional<double> normalisedJerk(
    const QVector<SeenStretch> &stretches, int halfWindow, double shortestPath);
