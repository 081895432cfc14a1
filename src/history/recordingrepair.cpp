#include "history/recordingrepair.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryFile>
#include <QThreadPool>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

#include "core/logging.h"
#include "history/recordingremux.h"
#include "storage/filemoves.h"
#include "storage/mp4timeline.h"

namespace {

// Hidden, and not ending in .mp4, so that the history never lists it.
constexpr auto kTemporaryName = ".%1.XXXXXX.repair";
constexpr auto kTemporaryFilter = ".*.repair";
// A file written this recently is left for a later visit.
constexpr qint64 kQuietMs = 10000;

bool sameFile(const struct stat &before, const struct stat &now)
{
    return before.st_ino == now.st_ino && before.st_size == now.st_size
        && before.st_mtim.tv_sec == now.st_mtim.tv_sec && before.st_mtim.tv_nsec == now.st_mtim.tv_nsec;
}

// Puts the repaired file in place of the original, with the original's
// permissions and modification time (the history orders trainings by it),
// and on disk first, so that even a power cut leaves one of the two
// complete. The two are swapped in one step, which a training deleted
// meanwhile refuses, so that the repair never brings it back; and the
// original is checked once more after the swap, which is undone when a
// writer changed the file since it was looked at.
QString replace(const QString &original, const struct stat &before, QTemporaryFile &repaired)
{
    struct stat now = {};
    if (::stat(QFile::encodeName(original).constData(), &now) != 0 || !sameFile(before, now))
        return QStringLiteral("the file changed while it was repaired");
    const int descriptor = repaired.handle();
    // File systems without Unix permissions, such as a FAT stick, refuse the
    // change; there is nothing to keep on them.
    static_cast<void>(::fchmod(descriptor, before.st_mode & ALLPERMS));
    const struct timespec times[] = { { 0, UTIME_OMIT }, before.st_mtim };
    if (::futimens(descriptor, times) != 0 || ::fsync(descriptor) != 0)
        return qt_error_string(errno);
    switch (swapFiles(repaired.fileName(), original)) {
    case Swapped::TargetGone:
        return QStringLiteral("the training was deleted while it was repaired");
    case Swapped::Failed:
        return qt_error_string(errno);
    case Swapped::Done:
        break;
    }
    // The original now has the temporary name, and goes with it.
    struct stat swappedOut = {};
    if (::stat(QFile::encodeName(repaired.fileName()).constData(), &swappedOut) == 0
        && !sameFile(before, swappedOut)) {
        swapFiles(repaired.fileName(), original);
        return QStringLiteral("the file changed while it was repaired");
    }
    return QString();
}

// Repairs `video` when it is cut off; whatever goes wrong, it stays as it
// was and the temporary file goes.
bool repairIfCut(const QString &video, const std::atomic_bool &cancelled)
{
    // A file written a moment ago may still be recorded, and looks cut off
    // until its recording ends.
    if (QFileInfo(video).lastModified().msecsTo(QDateTime::currentDateTime()) < kQuietMs)
        return false;
    const std::optional<Mp4Timeline> timeline = readMp4Timeline(video);
    if (!timeline || !timeline->isCut())
        return false;
    struct stat before = {};
    const QFileInfo info(video);
    QTemporaryFile repaired(info.dir().filePath(QString::fromLatin1(kTemporaryName).arg(info.fileName())));
    if (::stat(QFile::encodeName(video).constData(), &before) != 0 || !repaired.open()) {
        qCWarning(lcHistory) << "cannot repair" << video << "in its folder";
        return false;
    }
    const RecordingRemux remux(*timeline, cancelled);
    QString problem = remux.remux(video, repaired.fileName());
    if (problem.isEmpty())
        problem = remux.verify(repaired.fileName());
    if (problem.isEmpty())
        problem = replace(video, before, repaired);
    if (problem.isEmpty()) {
        qCInfo(lcHistory) << "repaired" << video << "which stated" << timeline->statedMs << "ms";
        return true;
    }
    if (cancelled)
        qCInfo(lcHistory) << "repair cancelled, left as it was:" << video;
    else
        qCWarning(lcHistory) << "could not repair" << video << problem;
    return false;
}

// The program's start: a temporary file last written before it is the
// leftover of a repair cut off by a crash, as large as its video.
const QDateTime &programStart()
{
    static const QDateTime start = QDateTime::currentDateTimeUtc();
    return start;
}

// The video a leftover ".<video>.XXXXXX.repair" was made for.
QString originalOf(const QFileInfo &leftover)
{
    const QString name = leftover.fileName().mid(1).section(QLatin1Char('.'), 0, -3);
    return leftover.dir().filePath(name);
}

// A leftover may be the only copy of a training whose own file a crash cut
// during its swap; it goes only when the video itself is whole.
bool isWholeVideo(const QString &video)
{
    const std::optional<Mp4Timeline> timeline = readMp4Timeline(video);
    return timeline && !timeline->isCut();
}

void removeLeftovers(const QStringList &videos)
{
    QSet<QString> folders;
    for (const QString &video : videos)
        folders.insert(QFileInfo(video).absolutePath());
    for (const QString &folder : qAsConst(folders)) {
        const QFileInfoList temporaries = QDir(folder).entryInfoList(
            { QLatin1String(kTemporaryFilter) }, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
        for (const QFileInfo &file : temporaries) {
            if (file.lastModified() < programStart() && isWholeVideo(originalOf(file))
                && QFile::remove(file.absoluteFilePath()))
                qCInfo(lcHistory) << "removed the leftover of a repair" << file.absoluteFilePath();
        }
    }
}

} // namespace

// Lives on the GUI thread and is emitted from the worker: its signals reach
// the repair queued, and not at all once it is disconnected or gone.
class RepairRun : public QObject
{
    Q_OBJECT

public:
    void cancel() { cancelled = true; }
    const std::atomic_bool &cancellation() const { return cancelled; }

signals:
    void repaired(const QString &video);
    void finished();

private:
    std::atomic_bool cancelled { false };
};

RecordingRepair::RecordingRepair(QObject *parent)
    : QObject(parent)
{
    RecordingRemux::initialise();
    programStart();
}

RecordingRepair::~RecordingRepair()
{
    stop();
}

void RecordingRepair::start(const QStringList &videos)
{
    stop();
    auto *next = new RepairRun;
    connect(next, &RepairRun::repaired, this, &RecordingRepair::repaired);
    connect(next, &RepairRun::finished, this, [this] {
        run.clear();
        emit finished();
    });
    run = next;
    QThreadPool::globalInstance()->start([next, videos] {
        removeLeftovers(videos);
        for (const QString &video : videos) {
            if (next->cancellation())
                break;
            if (repairIfCut(video, next->cancellation()))
                emit next->repaired(video);
        }
        emit next->finished();
        next->deleteLater();
    });
}

void RecordingRepair::stop()
{
    if (!run)
        return;
    run->cancel();
    run->disconnect(this);
    run.clear();
}

#include "recordingrepair.moc"
