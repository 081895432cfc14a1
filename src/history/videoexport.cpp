#include "history/videoexport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QThread>
#include <QThreadPool>

#include "core/logging.h"
#include "storage/filemoves.h"
#include "storage/trainingmetrics.h"

namespace {

constexpr auto kVideoSuffix = ".mp4";
// Large enough to copy at disk speed, small enough to keep memory flat and
// to notice a cancellation within a fraction of a second.
constexpr qint64 kChunkBytes = 4 * 1024 * 1024;
// How long quitting waits for a copy under way to stop and take its
// temporary file away.
constexpr int kCancelWaitMs = 1000;
constexpr unsigned long kCancelPollMs = 10;

// Lives on the GUI thread and is emitted from the worker: its signals reach
// the export queued, and not at all once the export is gone.
class ExportJob : public QObject
{
    Q_OBJECT

signals:
    void progress(int done, int total);
    void finished(int copied, const QStringList &skipped, const QStringList &failed);
};

enum class Copy { Done, Exists, Failed, Cancelled };

// Copies into a hidden temporary file beside the target, which only a
// complete copy turns into the target, and never over a file of that name:
// a copy that fails or is cancelled leaves nothing behind.
Copy copyFile(const QString &from, const QString &to, const std::atomic_bool &cancelled)
{
    if (QFileInfo::exists(to))
        return Copy::Exists;
    QFile source(from);
    const QFileInfo target(to);
    QTemporaryFile copy(target.absolutePath() + QStringLiteral("/.%1.XXXXXX.export").arg(target.fileName()));
    if (!source.open(QIODevice::ReadOnly) || !copy.open())
        return Copy::Failed;
    while (!source.atEnd()) {
        if (cancelled)
            return Copy::Cancelled;
        const QByteArray chunk = source.read(kChunkBytes);
        if (chunk.isEmpty() || copy.write(chunk) != chunk.size())
            return Copy::Failed;
    }
    if (!copy.flush() || !copy.setPermissions(source.permissions()))
        return Copy::Failed;
    switch (placeWithoutReplacing(copy.fileName(), to)) {
    case Placed::Done:
        return Copy::Done;
    case Placed::TargetExists:
        return Copy::Exists;
    case Placed::Failed:
        break;
    }
    return Copy::Failed;
}

struct Report
{
    int copied = 0;
    QStringList skipped;
    QStringList failed;

    // True when the export goes on.
    bool note(Copy result, const QString &from, const QString &to)
    {
        const QString name = QFileInfo(to).fileName();
        if (result == Copy::Exists)
            skipped << name;
        else if (result == Copy::Failed)
            failed << name;
        if (result == Copy::Failed)
            qCWarning(lcHistory) << "export failed:" << from << "to" << to;
        return result != Copy::Cancelled;
    }
};

// The tracking's files go beside the copied video, under its name, on the
// same terms as the video; a training recorded before tracking has none.
bool copyMeasurement(const QString &video, const QString &target, Report *report, const std::atomic_bool &cancelled)
{
    const QStringList from = trainingMeasurementPaths(video);
    const QStringList to = trainingMeasurementPaths(target);
    for (int i = 0; i < from.size(); ++i) {
        if (QFileInfo::exists(from.at(i)) && !report->note(copyFile(from.at(i), to.at(i), cancelled), from.at(i), to.at(i)))
            return false;
    }
    return true;
}

} // namespace

VideoExport::VideoExport(QObject *parent)
    : QObject(parent)
    , cancelled(std::make_shared<std::atomic_bool>(false))
    , working(std::make_shared<std::atomic_bool>(false))
{
    // Quitting does not wait for gigabytes to be copied: the copy under way
    // stops and its temporary file goes.
    if (QCoreApplication *application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, this, &VideoExport::cancel);
}

VideoExport::~VideoExport() = default;

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
    *cancelled = false;
    *working = true;
    QThreadPool::globalInstance()->start([job, videos, folder, cancelled = cancelled, working = working] {
        Report report;
        for (int i = 0; i < videos.size(); ++i) {
            const QString target = destinationFor(videos.at(i), folder);
            const Copy result = copyFile(videos.at(i), target, *cancelled);
            if (!report.note(result, videos.at(i), target)
                || (result == Copy::Done && !copyMeasurement(videos.at(i), target, &report, *cancelled)))
                break;
            if (result == Copy::Done)
                ++report.copied;
            emit job->progress(i + 1, videos.size());
        }
        emit job->finished(report.copied, report.skipped, report.failed);
        job->deleteLater();
        *working = false;
    });
}

void VideoExport::cancel()
{
    *cancelled = true;
    for (int waited = 0; *working && waited < kCancelWaitMs; waited += kCancelPollMs)
        QThread::msleep(kCancelPollMs);
}

#include "videoexport.moc"
