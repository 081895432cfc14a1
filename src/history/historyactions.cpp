#include "history/historyactions.h"

#include <QFile>
#include <QThread>

#include "history/recordingrepair.h"
#include "history/videoexport.h"
#include "storage/trainingmetrics.h"

namespace {

// A removal that fails is tried again this often, this far apart.
constexpr int kRemovalAttempts = 101;
constexpr unsigned long kRemovalRetryMs = 50;

void removeTrainingFile(const QString &path)
{
    for (int attempt = 1; QFile::exists(path) && !QFile::remove(path) && attempt < kRemovalAttempts;
         ++attempt)
        QThread::msleep(kRemovalRetryMs);
}

QString progressLine(int done, int total)
{
    return HistoryActions::tr("Exporting: %1 of %2").arg(done).arg(total);
}

} // namespace

HistoryActions::HistoryActions(QObject *parent)
    : QObject(parent)
    , videoExport(new VideoExport(this))
    , repair(new RecordingRepair(this))
{
    connect(videoExport, &VideoExport::progress, this,
        [this](int done, int total) { emit exportProgress(progressLine(done, total), done, total); });
    connect(videoExport, &VideoExport::finished, this, &HistoryActions::reportExport);
}

void HistoryActions::remove(const QStringList &videos) const
{
    for (const QString &video : videos) {
        removeTrainingFile(video);
        removeTrainingFile(trainingPicturePath(video));
        for (const QString &measurement : trainingMeasurementPaths(video))
            removeTrainingFile(measurement);
    }
}

void HistoryActions::exportTo(const QStringList &videos, const QString &folder)
{
    emit exportProgress(progressLine(0, videos.size()), 0, videos.size());
    videoExport->start(videos, folder);
}

bool HistoryActions::isExporting() const
{
    return videoExport->isRunning();
}

void HistoryActions::reportExport(int copied, const QStringList &skipped, const QStringList &failed)
{
    QStringList lines { tr("Exported: %1").arg(copied) };
    if (!skipped.isEmpty())
        lines << tr("Already in the folder, not copied: %1").arg(skipped.join(QStringLiteral(", ")));
    if (!failed.isEmpty())
        lines << tr("Could not be copied: %1").arg(failed.join(QStringLiteral(", ")));
    emit exportFinished(lines.join(QLatin1Char('\n')));
}

void HistoryActions::repairCut(const QVector<TrainingRecord> &trainings)
{
    QStringList videos;
    for (const TrainingRecord &training : trainings)
        videos << training.videoPath;
    repair->start(videos);
}
