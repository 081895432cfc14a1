#include "storage/trainingmetrics.h"

#include <QLineF>

#include "storage/trainingmetricsfile.h"
#include "storage/trainingpathsfile.h"

namespace {

constexpr auto kVideoSuffix = ".mp4";
constexpr auto kMetricsSuffix = ".metrics.json";
constexpr auto kPathsSuffix = ".paths.csv";

QString withSuffix(const QString &videoPath, const char *suffix)
{
    // Only the ending changes: a folder name holding ".mp4" stays as it is.
    const QString video = QLatin1String(kVideoSuffix);
    const QString stem
        = videoPath.endsWith(video, Qt::CaseInsensitive) ? videoPath.chopped(video.size()) : videoPath;
    return stem + QLatin1String(suffix);
}

} // namespace

QVector<TipDistance> tipDistances(const TipPaths &paths)
{
    const TipPath &left = paths[InstrumentLeft];
    const TipPath &right = paths[InstrumentRight];
    QVector<TipDistance> distances;
    distances.reserve(left.size());
    for (int i = 0; i < left.size() && i < right.size(); ++i) {
        const std::optional<QPointF> &one = left.at(i).position;
        const std::optional<QPointF> &other = right.at(i).position;
        distances.append({ left.at(i).seconds,
            one && other ? std::optional<double>(QLineF(*one, *other).length()) : std::nullopt });
    }
    return distances;
}

QString lengthUnitLabel(LengthUnit unit)
{
    return unit == LengthUnit::Millimetres ? QStringLiteral("mm") : QStringLiteral("px");
}

QString trainingMetricsPath(const QString &videoPath)
{
    return withSuffix(videoPath, kMetricsSuffix);
}

QString trainingPathsPath(const QString &videoPath)
{
    return withSuffix(videoPath, kPathsSuffix);
}

QStringList trainingMeasurementPaths(const QString &videoPath)
{
    return { trainingMetricsPath(videoPath), trainingPathsPath(videoPath) };
}

bool writeTrainingMeasurement(
    const QString &videoPath, const TrainingMeasurement &measurement, QString *problem)
{
    return writeTrainingPaths(videoPath, measurement.paths, problem)
        && writeTrainingMetrics(videoPath, measurement.metrics, problem);
}
