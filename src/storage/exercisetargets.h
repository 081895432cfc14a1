#pragma once

#include <QVector>

#include <optional>

#include "storage/scenariodescription.h"
#include "storage/trainingmetrics.h"
#include "storage/trainingmetricsfile.h"

// An exercise's targets. A scenario file holds them in its limit groups, four numbers
// each, 0 meaning no target:
//
//     max_time       the time target in seconds (a single number)
//     max_distance   left path length mm, right path length mm, 0, 0
//     max_eff_cnt    left idle s, right idle s, 0, 0
//
// The other groups (max_fft, max_acc, max_vel, max_eff_vel) hold no target.
//
// The time targets of the built-in exercises are the proficiency levels of
// the Fundamentals of Laparoscopic Surgery skills curriculum (Ritter EM,
// Scott DJ: Design of a proficiency-based skills training curriculum for the
// Fundamentals of Laparoscopic Surgery. Surgical Innovation 2007;14:107-112):
// peg transfer 48 s, precision cutting 98 s, ligating loop 53 s,
// intracorporeal knot 112 s.
//
// The path-length and idle-time targets are our own estimates of expert
// performance, not published figures. A hand's path length is the time
// target times a typical expert mean tip speed in a box trainer: about
// 30 mm/s for a hand that carries objects, 20 mm/s for one that cuts, loops
// or ties, 10 mm/s for one that mostly holds; rounded to 50 mm. A hand's idle
// time is a fifth of the time target for a working hand and half of it for a
// holding one, rounded to the second:
//
//     exercise             left path  right path  left idle  right idle
//     peg transfer          1450 mm    1450 mm      10 s       10 s
//     precision cutting     1000 mm    1950 mm      49 s       20 s
//     ligating loop          550 mm    1050 mm      27 s       11 s
//     intracorporeal knot   2250 mm    2250 mm      22 s       22 s
ExerciseTargets exerciseTargets(const ScenarioDescription &scenario);

// One target of an exercise against what a training achieved. Every target
// is an upper bound: a training meets it with the figure at or below it. A
// figure the tracking did not measure (the instrument never seen, or lengths
// in pixels because the field's size is unknown) meets no target.
enum class TargetFigure { Time, LeftPath, RightPath, LeftIdle, RightIdle };
struct TargetResult
{
    TargetFigure figure = TargetFigure::Time;
    double target = 0;
    std::optional<double> achieved;
    bool met = false;
    // The figure as a percentage of the target; none when not measured.
    std::optional<double> percent;
};
// The targets the exercise has (those that are not 0), in the order of
// TargetFigure.
QVector<TargetResult> assessTargets(const TrainingMetrics &metrics, const ExerciseTargets &targets);
// Whether a training of an exercise met every target it had; false for free
// training and for an exercise without targets.
bool metEveryTarget(const TrainingMetrics &metrics);

// An exercise is passed once two of its trainings in a row, counting only
// the trainings of that exercise, each met every target they had.
struct ExerciseProgress
{
    int trainings = 0;
    std::optional<double> bestSeconds;
    bool passed = false;
};
// trainings oldest first, as listTrainingMetrics() gives them.
ExerciseProgress exerciseProgress(int exerciseId, const QVector<TrainingWithMetrics> &trainings);

// The best training of an exercise among trainings: the
// shortest of those that met every target, else the shortest of them all;
// none without a measured training of the exercise. Of two as short, the
// older.
std::optional<TrainingRecord> bestTraining(int exerciseId, const QVector<TrainingWithMetrics> &trainings);
