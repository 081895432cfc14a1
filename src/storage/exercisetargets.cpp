#include "storage/exercisetargets.h"

#include <algorithm>
#include <utility>

ExerciseTargets exerciseTargets(const ScenarioDescription &scenario)
{
    ExerciseTargets targets;
    targets.seconds = scenario.maxTime;
    for (int hand = InstrumentLeft; hand < kInstrumentCount; ++hand) {
        targets.pathLengthMm[hand] = scenario.maxDistance[hand];
        targets.idleSeconds[hand] = scenario.maxEffCnt[hand];
    }
    return targets;
}

namespace {

std::optional<double> pathLengthMm(const TrainingMetrics &metrics, int hand)
{
    const InstrumentMetrics &instrument = metrics.instruments[static_cast<std::size_t>(hand)];
    if (!instrument.seen || metrics.unit != LengthUnit::Millimetres)
        return std::nullopt;
    return instrument.pathLength;
}

std::optional<double> idleSeconds(const TrainingMetrics &metrics, int hand)
{
    const InstrumentMetrics &instrument = metrics.instruments[static_cast<std::size_t>(hand)];
    return instrument.seen ? std::optional<double>(instrument.idleSeconds) : std::nullopt;
}

void addTarget(
    QVector<TargetResult> &results, TargetFigure figure, double target, std::optional<double> achieved)
{
    if (target <= 0)
        return;
    TargetResult result { figure, target, achieved, false, std::nullopt };
    if (achieved) {
        result.met = *achieved <= target;
        result.percent = *achieved / target * 100;
    }
    results.append(result);
}

} // namespace

QVector<TargetResult> assessTargets(const TrainingMetrics &metrics, const ExerciseTargets &targets)
{
    QVector<TargetResult> results;
    addTarget(results, TargetFigure::Time, targets.seconds, metrics.durationSeconds);
    addTarget(results, TargetFigure::LeftPath, targets.pathLengthMm[InstrumentLeft],
        pathLengthMm(metrics, InstrumentLeft));
    addTarget(results, TargetFigure::RightPath, targets.pathLengthMm[InstrumentRight],
        pathLengthMm(metrics, InstrumentRight));
    addTarget(results, TargetFigure::LeftIdle, targets.idleSeconds[InstrumentLeft],
        idleSeconds(metrics, InstrumentLeft));
    addTarget(results, TargetFigure::RightIdle, targets.idleSeconds[InstrumentRight],
        idleSeconds(metrics, InstrumentRight));
    return results;
}

bool metEveryTarget(const TrainingMetrics &metrics)
{
    if (!metrics.exercise)
        return false;
    const QVector<TargetResult> results = assessTargets(metrics, metrics.exercise->targets);
    return !results.isEmpty()
        && std::all_of(results.begin(), results.end(), [](const TargetResult &result) { return result.met; });
}

namespace {

bool isTrainingOf(int exerciseId, const TrainingWithMetrics &training)
{
    const TrainingMetrics &metrics = training.stored.metrics;
    return training.stored.status == StoredStatus::Present && metrics.exercise
        && metrics.exercise->id == exerciseId;
}

} // namespace

ExerciseProgress exerciseProgress(int exerciseId, const QVector<TrainingWithMetrics> &trainings)
{
    ExerciseProgress progress;
    bool lastMetAll = false;
    for (const TrainingWithMetrics &training : trainings) {
        const TrainingMetrics &metrics = training.stored.metrics;
        if (!isTrainingOf(exerciseId, training))
            continue;
        ++progress.trainings;
        progress.bestSeconds
            = std::min(progress.bestSeconds.value_or(metrics.durationSeconds), metrics.durationSeconds);
        const bool metAll = metEveryTarget(metrics);
        progress.passed = progress.passed || (metAll && lastMetAll);
        lastMetAll = metAll;
    }
    return progress;
}

std::optional<TrainingRecord> bestTraining(int exerciseId, const QVector<TrainingWithMetrics> &trainings)
{
    const TrainingWithMetrics *best = nullptr;
    // Meeting every target comes before the time: (false, seconds) sorts
    // before (true, seconds).
    const auto rank = [](const TrainingWithMetrics &training) {
        return std::make_pair(
            !metEveryTarget(training.stored.metrics), training.stored.metrics.durationSeconds);
    };
    for (const TrainingWithMetrics &training : trainings) {
        if (isTrainingOf(exerciseId, training) && (!best || rank(training) < rank(*best)))
            best = &training;
    }
    return best ? std::optional<TrainingRecord>(best->record) : std::nullopt;
}
