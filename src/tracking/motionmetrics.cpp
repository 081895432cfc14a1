#include "tracking/motionmetrics.h"

#include "tracking/normalisedjerk.h"

#include <QLineF>

#include <algorithm>

namespace {

// A tip slower than this, in picture widths per second (5 mm/s on a
// standard field), is resting: a hand holding still drifts about that much.
constexpr double kIdleWidthsPerSecond = 0.02;
// A movement unit is a rise and fall of the speed by at least this much, in
// picture widths per second, so that jitter on a steady movement does not
// split it.
constexpr double kUnitSwingWidthsPerSecond = 0.02;
// Speeds are averaged over this many steps between frames on either side,
// a sixth of a second at 30 frames per second.
constexpr int kSpeedHalfWindow = 2;
// Ends closer than this, in picture widths, give no economy of motion.
constexpr double kShortestStraightWidths = 0.02;

// One step of a tip between two consecutive samples in which it was seen.
struct Step
{
    QPointF from;
    QPointF to;
    double seconds;
    // Whether the step continues the previous one without a gap.
    bool continues;
};

struct Steps
{
    QVector<Step> steps;
    double visibleSeconds = 0;
    double offScreenSeconds = 0;
    std::optional<QPointF> first;
    std::optional<QPointF> last;
};

QVector<double> sampleDurations(const TipPath &path)
{
    QVector<double> durations(path.size(), 0);
    for (int i = 0; i + 1 < path.size(); ++i)
        durations[i] = path.at(i + 1).seconds - path.at(i).seconds;
    if (path.size() > 1)
        durations.last() = (path.last().seconds - path.first().seconds) / (path.size() - 1);
    return durations;
}

Steps stepsOf(const TipPath &path, const QVector<double> &durations)
{
    Steps result;
    bool previousStep = false;
    for (int i = 0; i < path.size(); ++i) {
        const std::optional<QPointF> &here = path.at(i).position;
        if (!here) {
            result.offScreenSeconds += durations.at(i);
            previousStep = false;
            continue;
        }
        result.visibleSeconds += durations.at(i);
        if (!result.first)
            result.first = here;
        result.last = here;
        const bool nextSeen = i + 1 < path.size() && path.at(i + 1).position;
        if (nextSeen)
            result.steps.append({ *here, *path.at(i + 1).position, durations.at(i), previousStep });
        previousStep = nextSeen;
    }
    return result;
}

double lengthOf(const Step &step)
{
    return QLineF(step.from, step.to).length();
}

// The speed at each step: the distance covered over the steps around it,
// without crossing a gap. Jitter to and fro cancels out; a movement does not.
QVector<double> smoothedSpeeds(const QVector<Step> &steps)
{
    QVector<double> speeds(steps.size(), 0);
    for (int i = 0; i < steps.size(); ++i) {
        int first = i;
        while (first > 0 && i - first < kSpeedHalfWindow && steps.at(first).continues)
            --first;
        int last = i;
        while (last + 1 < steps.size() && last - i < kSpeedHalfWindow && steps.at(last + 1).continues)
            ++last;
        double seconds = 0;
        for (int j = first; j <= last; ++j)
            seconds += steps.at(j).seconds;
        speeds[i] = seconds > 0 ? QLineF(steps.at(first).from, steps.at(last).to).length() / seconds : 0;
    }
    return speeds;
}

// Counts the rises of the speed by at least swing above the idle speed,
// each ended by a fall by as much again or by the tip leaving the picture.
// A tip coming into the picture comes as if from rest.
int movementUnits(const QVector<Step> &steps, const QVector<double> &speeds, double idleSpeed, double swing)
{
    int units = 0;
    bool rising = false;
    double valley = 0;
    double peak = 0;
    for (int i = 0; i < speeds.size(); ++i) {
        const double speed = speeds.at(i);
        if (!steps.at(i).continues) {
            rising = false;
            valley = 0;
        }
        if (rising) {
            peak = std::max(peak, speed);
            if (speed <= peak - swing) {
                rising = false;
                valley = speed;
            }
        } else {
            valley = std::min(valley, speed);
            if (speed >= valley + swing && speed >= idleSpeed) {
                rising = true;
                peak = speed;
                ++units;
            }
        }
    }
    return units;
}

// The steps again as the stretches they make up, each step marked moving
// when its speed is at least the idle speed.
QVector<SeenStretch> seenStretches(
    const QVector<Step> &steps, const QVector<double> &speeds, double idleSpeed)
{
    QVector<SeenStretch> stretches;
    for (int i = 0; i < steps.size(); ++i) {
        const Step &step = steps.at(i);
        if (!step.continues)
            stretches.append({ { 0 }, { step.from }, {} });
        SeenStretch &stretch = stretches.last();
        stretch.seconds.append(stretch.seconds.last() + step.seconds);
        stretch.positions.append(step.to);
        stretch.moving.append(speeds.at(i) >= idleSpeed);
    }
    return stretches;
}

std::optional<double> meanOf(const QVector<TipDistance> &distances)
{
    double sum = 0;
    int count = 0;
    for (const TipDistance &distance : distances) {
        if (distance.distance) {
            sum += *distance.distance;
            ++count;
        }
    }
    return count > 0 ? std::optional<double>(sum / count) : std::nullopt;
}

InstrumentMetrics measureInstrument(
    const TipPath &path, const QVector<double> &durations, double pictureWidth)
{
    const Steps steps = stepsOf(path, durations);
    InstrumentMetrics metrics;
    metrics.offScreenSeconds = steps.offScreenSeconds;
    metrics.seen = steps.first.has_value();
    if (!metrics.seen)
        return metrics;

    const double idleSpeed = kIdleWidthsPerSecond * pictureWidth;
    const QVector<double> speeds = smoothedSpeeds(steps.steps);
    double followedSeconds = 0;
    for (int i = 0; i < steps.steps.size(); ++i) {
        const Step &step = steps.steps.at(i);
        metrics.pathLength += lengthOf(step);
        followedSeconds += step.seconds;
        if (speeds.at(i) >= idleSpeed)
            metrics.activeSeconds += step.seconds;
    }
    metrics.idleSeconds = steps.visibleSeconds - metrics.activeSeconds;
    metrics.meanSpeed = followedSeconds > 0 ? metrics.pathLength / followedSeconds : 0;
    metrics.peakSpeed = speeds.isEmpty() ? 0 : *std::max_element(speeds.cbegin(), speeds.cend());
    const double straight = QLineF(*steps.first, *steps.last).length();
    if (straight >= kShortestStraightWidths * pictureWidth)
        metrics.economy = metrics.pathLength / straight;
    metrics.movementUnits
        = movementUnits(steps.steps, speeds, idleSpeed, kUnitSwingWidthsPerSecond * pictureWidth);
    metrics.normalisedJerk = normalisedJerk(seenStretches(steps.steps, speeds, idleSpeed), kSpeedHalfWindow,
        kShortestStraightWidths * pictureWidth);
    return metrics;
}

} // namespace

TrainingMetrics measureTraining(const TipPaths &paths, const QSize &pictureSize,
    const FieldCalibration &calibration, qint64 framesDropped)
{
    TrainingMetrics training;
    training.pictureSize = pictureSize;
    training.framesAnalysed = paths[InstrumentLeft].size();
    training.framesDropped = framesDropped;
    const QVector<double> durations = sampleDurations(paths[InstrumentLeft]);
    for (const double duration : durations)
        training.durationSeconds += duration;

    double totalPath = 0;
    for (int i = 0; i < kInstrumentCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        training.instruments[index] = measureInstrument(paths[index], durations, pictureSize.width());
        totalPath += training.instruments[index].pathLength;
    }
    for (InstrumentMetrics &instrument : training.instruments) {
        if (instrument.seen && totalPath > 0)
            instrument.workShare = instrument.pathLength / totalPath;
    }
    training.meanTipDistance = meanOf(tipDistances(paths));

    if (calibration.pictureWidthMm > 0 && pictureSize.width() > 0) {
        training.unit = LengthUnit::Millimetres;
        training.millimetresPerPixel = calibration.pictureWidthMm / pictureSize.width();
        for (InstrumentMetrics &instrument : training.instruments) {
            instrument.pathLength *= training.millimetresPerPixel;
            instrument.meanSpeed *= training.millimetresPerPixel;
            instrument.peakSpeed *= training.millimetresPerPixel;
        }
        if (training.meanTipDistance)
            *training.meanTipDistance *= training.millimetresPerPixel;
    }
    return training;
}
