#pragma once

#include <QMetaType>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <optional>

// What the instrument tracking measured of a recorded training, kept beside
// its video in two files:
//     2024_03_07T14_05_09.metrics.json   the figures (small, read by the history)
//     2024_03_07T14_05_09.paths.csv      the tracked tip paths, one row per frame
// The paths are a file of their own: an hour's training holds a hundred
// thousand rows, which the history's figures and the learning curve never
// need to parse. Both files are written whole or not at all, the paths
// first, so a metrics file always has its paths beside it. Each file's
// format has its reader and writer of its own: trainingmetricsfile.h and
// trainingpathsfile.h.

// The instruments are told apart by the colour of the band on their tips:
// green on the left hand's, magenta on the right hand's.
enum Instrument { InstrumentLeft = 0, InstrumentRight = 1 };
constexpr int kInstrumentCount = InstrumentRight + 1;

// Where one instrument's band was in one analysed frame, in pixels of the
// camera picture; no position while it was not found there.
struct TipSample
{
    // From the first analysed frame of the training.
    double seconds = 0;
    std::optional<QPointF> position;
};
using TipPath = QVector<TipSample>;
// Both instruments' paths share their times: each analysed frame adds one
// sample to each.
using TipPaths = std::array<TipPath, kInstrumentCount>;

enum class LengthUnit { Pixels, Millimetres };

struct InstrumentMetrics
{
    // False when the instrument never appeared in the picture; then only
    // offScreenSeconds means anything, and a screen shows "not seen".
    bool seen = false;
    // Time in the picture moving (faster than the idle speed) and resting.
    double activeSeconds = 0;
    double idleSeconds = 0;
    // Time the band was not found in the picture.
    double offScreenSeconds = 0;
    // Lengths in the training's unit; speeds in that unit per second.
    double pathLength = 0;
    double meanSpeed = 0;
    double peakSpeed = 0;
    // Path length over the straight distance between the first and the last
    // position seen, 1 for a straight path and more for a roundabout one
    // (the path out of the picture is not part of it); none when the ends
    // are too close together for the ratio to mean anything (a tip put back
    // where it started).
    std::optional<double> economy;
    // Smoothness: the number of movement units, the separate peaks of the
    // tip's speed. A skilled, smooth movement is one unit; hesitating and
    // correcting splits it into many.
    int movementUnits = 0;
    // Smoothness as the normalised jerk, dimensionless, lower for smoother.
    // A stretch in which the tip was seen without a break is taken from the
    // first to the last step it moved (faster than the idle speed), widened
    // at both ends by the two steps the speeds are averaged over, for the
    // slow start and stop, where a movement's jerk is greatest. Of each such
    // stretch, with T its duration and L its path length,
    //     NJ = sqrt(1/2 * integral over T of |d3x/dt3|^2 dt * T^5 / L^2),
    // the third derivative taken as a rate of a rate of a rate, each across
    // two frames on either side like the speeds (fewer at a stretch's ends).
    // A pause within a stretch counts against it, a wait before or after it
    // does not. The instrument's figure is the stretches' mean weighted by
    // their durations; none when no stretch moved along at least 2 % of the
    // picture's width. A minimum-jerk reach from rest to rest has sqrt(360),
    // about 19, one that stops half way four times as much; with the jerk
    // taken over a few frames, a second's reach filmed at 30 frames per
    // second comes out at 17.5 and 65.
    std::optional<double> normalisedJerk;
    // This instrument's part of both instruments' path length, 0 to 1; none
    // while neither moved.
    std::optional<double> workShare;
};

// What a trainee aims at in an exercise, in the figures the tracking
// measures; 0 means no target. See exercisetargets.h.
struct ExerciseTargets
{
    int seconds = 0;
    std::array<double, kInstrumentCount> pathLengthMm {};
    std::array<double, kInstrumentCount> idleSeconds {};
};

// The exercise a training was a training of, with the targets it had then:
// a lab may change an exercise's targets later, and the trainings before
// are still judged by the ones they were trained for.
struct TrainedExercise
{
    int id = 0;
    ExerciseTargets targets;
};

struct TrainingMetrics
{
    // From the first to the end of the last analysed frame.
    double durationSeconds = 0;
    // The camera picture the positions are measured in; empty when no frame
    // was analysed.
    QSize pictureSize { 0, 0 };
    LengthUnit unit = LengthUnit::Pixels;
    // The practice field's scale, when its size is known; 0 otherwise.
    double millimetresPerPixel = 0;
    qint64 framesAnalysed = 0;
    // Frames the tracker had no time for; their time counts for the frame
    // analysed before them.
    qint64 framesDropped = 0;
    std::array<InstrumentMetrics, kInstrumentCount> instruments;
    // Bimanual coordination: the mean distance between the two tips over the
    // analysed frames in which both were seen, each frame counting once, in
    // the training's unit; none when no frame saw both. Over time it is
    // tipDistances() of the paths.
    std::optional<double> meanTipDistance;
    // None in free training.
    std::optional<TrainedExercise> exercise;
};

// A training as the tracker leaves it: the figures and the paths they come from.
struct TrainingMeasurement
{
    TrainingMetrics metrics;
    TipPaths paths;
};
Q_DECLARE_METATYPE(TrainingMeasurement)

// The distance between the tips in one analysed frame, in pixels of the
// camera picture (times millimetresPerPixel in millimetres); none while
// either tip was not found.
struct TipDistance
{
    double seconds = 0;
    std::optional<double> distance;
};
QVector<TipDistance> tipDistances(const TipPaths &paths);

// The unit's label as it follows a length: "mm" or "px".
QString lengthUnitLabel(LengthUnit unit);

// The files beside a video: its ".mp4" ending becomes ".metrics.json" or
// ".paths.csv".
QString trainingMetricsPath(const QString &videoPath);
QString trainingPathsPath(const QString &videoPath);
// Both, for deleting and exporting a training with its video.
QStringList trainingMeasurementPaths(const QString &videoPath);

// Writes the metrics and paths files of the video at videoPath. False, with
// the reason in *problem, when either cannot be written; nothing is left
// half-written.
bool writeTrainingMeasurement(
    const QString &videoPath, const TrainingMeasurement &measurement, QString *problem = nullptr);

enum class StoredStatus {
    Present,
    // No file: a training recorded before tracking, or one whose tracking
    // could not be saved.
    Absent,
    // A file that cannot be read: damaged, cut short, or written by a newer
    // version of the format.
    Corrupt
};
