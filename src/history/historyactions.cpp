#include "history/historyactions.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QtConcurrent>

#include "history/outcomelines.h"
#include "history/recordingrepair.h"
#include "history/videoexport.h"
#include "storage/trainingmetrics.h"

namespace {

// A removal that fails is tried again this often, this far apart.
constexpr int kRemovalAttempts = 101;
constexpr unsigned long kRemovalRetryMs = 50;

// True when the file is gone. A folder that cannot be written to (a
// read-only disk) gives its files no second chance.
bool removeTrainingFile(const QString &path)
{
    const int attempts = QFileInfo(QFileInfo(path).absolutePath()).isWritable() ? kRemovalAttempts : 1;
    for (int attempt = 1; QFile::exists(path) && !QFile::remove(path) && attempt < attempts; ++attempt)
        QThread::msleep(kRemovalRetryMs);
    return !QFileInfo::exists(path) && !QFileInfo(path).isSymLink();
}

// The files of the videos that could not be removed.
QStringList removeTrainings(const QStringList &videos)
{
    QStringList kept;
    for (const QString &video : videos) {
        if (!removeTrainingFile(video)) {
            kept << video;
            continue;
        }
        for (const QString &companion : QStringList { trainingPicturePath(video) } + trainingMeasurementPaths(video)) {
            if (!removeTrainingFile(companion))
                kept << companion;
        }
    }
    return kept;
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
    connect(&removal, &QFutureWatcher<QStringList>::finished, this, [this] {
        const QStringList kept = removal.result();
        QStringList names;
        for (const QString &path : kept)
            names << QFileInfo(path).fileName();
        emit removed(kept.isEmpty() ? QString() : tr("Could not be deleted: %1").arg(names.join(QStringLiteral(", "))));
    });
}

void HistoryActions::remove(const QStringList &videos)
{
    removal.setFuture(QtConcurrent::run(removeTrainings, videos));
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
    emit exportFinished(outcomeLines(tr("Exported: %1").arg(copied), tr("Already in the folder, not copied: %1"),
        skipped, tr("Could not be copied: %1"), failed));
}

void HistoryActions::repairCut(const QVector<TrainingRecord> &trainings)
{
    QStringList videos;
    for (const TrainingRecord &training : trainings)
        videos << training.videoPath;
    repair->start(videos);
}

void HistoryActions::stopRepair()
{
    repair->stop();
}
