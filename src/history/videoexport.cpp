#include "history/videoexport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThreadPool>

#include "core/logging.h"
#include "storage/trainingmetrics.h"

namespace {

constexpr auto kVideoSuffix = ".mp4";
// Large enough to copy at disk speed, small enough to keep memory flat.
constexpr qint64 kChunkBytes = 4 * 1024 * 1024;

// Lives on the GUI thread and is emitted from the worker: its signals reach
// the export queued, and not at all once the export is gone.
class ExportJob : public QObject
{
    Q_OBJECT

signals:
    void progress(int done, int total);
    void finished(int copied, const QStringList &skipped, const QStringList &failed);
};

bool copyFile(const QString &from, const QString &to)
{
    QFile source(from);
    QSaveFile target(to);
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
        return false;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(kChunkBytes);
        if (chunk.isEmpty() || target.write(chunk) != chunk.size()) {
            target.cancelWriting();
            return false;
        }
    }
    return target.commit();
}

// The tracking's files go beside the copied video, under its name, on the
// same terms as the video; a training recorded before tracking has none.
void copyMeasurement(const QString &video, const QString &target, QStringList *skipped, QStringList *failed)
{
    const QStringList from = trainingMeasurementPaths(video);
    const QStringList to = trainingMeasurementPaths(target);
    for (int i = 0; i < from.size(); ++i) {
        const QString name = QFileInfo(to.at(i)).fileName();
        if (!QFileInfo::exists(from.at(i)))
            continue;
        if (QFileInfo::exists(to.at(i))) {
            *skipped << name;
        } else if (!copyFile(from.at(i), to.at(i))) {
            qCWarning(lcHistory) << "export failed:" << from.at(i) << "to" << to.at(i);
            *failed << name;
        }
    }
}

} // namespace

VideoExport::VideoExport(QObject *parent)
    : QObject(parent)
{
}

QString VideoExport::destinationFor(const QString &video, const QString &folder)
{
    return QDir(folder).filePath(QFileInfo(video).baseName() + QLatin1String(kVideoSuffix));
}

void VideoExport::start(const QStringList &videos, const QString &folder)
{
    auto *job = new ExportJob;
    connect(job, &ExportJob::progress, this, &VideoExport::progress);
    connect(job, &ExportJob::finished, this,
        [this](int copied, const QStringList &skipped, const QStringList &failed) {
            running = false;
            emit finished(copied, skipped, failed);
        });
    running = true;
    QThreadPool::globalInstance()->start([job, videos, folder] {
        int copied = 0;
        QStringList skipped;
        QStringList failed;
        for (int i = 0; i < videos.size(); ++i) {
            const QString target = destinationFor(videos.at(i), folder);
            const QString name = QFileInfo(target).fileName();
            if (QFileInfo::exists(target)) {
                skipped << name;
            } else if (copyFile(videos.at(i), target)) {
                ++copied;
                copyMeasurement(videos.at(i), target, &skipped, &failed);
            } else {
                qCWarning(lcHistory) << "export failed:" << videos.at(i) << "to" << target;
                failed << name;
            }
            emit job->progress(i + 1, videos.size());
        }
        emit job->finished(copied, skipped, failed);
        job->deleteLater();
    });
}

#include "videoexport.moc"
