#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

#include "storage/trainingmetrics.h"
#include "storage/trainingrecords.h"

// The figures of a training beside its video, as a small JSON document that
// names its format and version and the paths file they were measured from.

struct StoredMetrics
{
    StoredStatus status = StoredStatus::Absent;
    // Meaningful when present.
    TrainingMetrics metrics;
};

// Writes the metrics file of the video at videoPath; false, with the reason
// in *problem when one is given, when it cannot be written. The file names
// its paths file, which writeTrainingMeasurement() writes first.
bool writeTrainingMetrics(const QString &videoPath, const TrainingMetrics &metrics, QString *problem);
StoredMetrics readTrainingMetrics(const QString &videoPath);
// The figures a metrics file's content holds; none when it is not one of
// this version or an earlier one, or is damaged. The figures an earlier
// version did not hold are none.
std::optional<TrainingMetrics> parseTrainingMetrics(const QByteArray &content);

// The trainings of a recording folder as listTrainings() finds them, oldest
// first, each with its stored metrics: the points of a learning curve. Reads
// one small file per training; for a long history, call it off the GUI
// thread.
struct TrainingWithMetrics
{
    TrainingRecord record;
    StoredMetrics stored;
};
QVector<TrainingWithMetrics> listTrainingMetrics(const QString &folder);
