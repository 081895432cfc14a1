#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

#include "storage/trainingmetrics.h"

// The tracked tip paths of a training beside its video, as comma-separated
// values: a header line, then one row per analysed frame with its time and
// each instrument's position, two empty cells while it was not found.

struct StoredPaths
{
    StoredStatus status = StoredStatus::Absent;
    TipPaths paths;
};

// Writes the paths file of the video at videoPath; false, with the reason in
// *problem when one is given, when it cannot be written.
bool writeTrainingPaths(const QString &videoPath, const TipPaths &paths, QString *problem);
StoredPaths readTrainingPaths(const QString &videoPath);
// The paths a paths file's content holds; none when it is damaged.
std::optional<TipPaths> parseTrainingPaths(const QByteArray &content);
