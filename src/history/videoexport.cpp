#include "history/videoexport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThreadPool>

#include "core/logging.h"

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
