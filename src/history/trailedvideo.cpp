#include "history/trailedvideo.h"

#include <QAbstractVideoSurface>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QUrl>
#include <QtConcurrent>

#include "core/apptext.h"
#include "storage/trainingmetricsfile.h"
#include "storage/trainingpathsfile.h"

namespace {

// The picture keeps a small border inside the view.
constexpr qreal kVideoInset = 10;
constexpr qint64 kMsPerSecond = 1000;

TrackedReplay readTrackedReplay(const QString &videoPath)
{
    TrackedReplay replay;
    const StoredPaths stored = readTrainingPaths(videoPath);
    if (stored.status != StoredStatus::Present)
        return replay;
    replay.paths = stored.paths;
    replay.pictureSize = readTrainingMetrics(videoPath).metrics.pictureSize;
    return replay;
}

} // namespace

QString timeReadOut(qint64 elapsedMs, qint64 durationMs)
{
    return toDurationString(static_cast<int>(elapsedMs / kMsPerSecond)) + QLatin1Char('/')
        + toDurationString(static_cast<int>(durationMs / kMsPerSecond));
}

TrailedVideo::TrailedVideo(QGraphicsView *shownIn, QObject *parent)
    : QObject(parent)
    , view(shownIn)
    , mediaPlayer(new QMediaPlayer(this))
    , scene(new QGraphicsScene(this))
{
    // The item's surface is handed over now rather than the item itself: an
    // item attaches itself only when it is first painted, and should that be
    // after a video has been loaded, the GStreamer back end never completes
    // the change of its video sink and from then on ignores pauses and seeks.
    mediaPlayer->setVideoOutput(videoItem.videoSurface());
    view->setScene(scene);
    scene->addItem(&videoItem);
    scene->addItem(&trails);
    mediaPlayer->setNotifyInterval(kFrameMs);
    connect(mediaPlayer, &QMediaPlayer::mediaStatusChanged, this, &TrailedVideo::onMediaStatusChanged);
    connect(
        mediaPlayer, &QMediaPlayer::positionChanged, this, [this](qint64 pos) { trails.setPositionMs(pos); });
    // A pause may fall between two reports of the position.
    connect(mediaPlayer, &QMediaPlayer::stateChanged, this,
        [this] { trails.setPositionMs(mediaPlayer->position()); });
    connect(&videoItem, &QGraphicsVideoItem::nativeSizeChanged, this, &TrailedVideo::placeTrails);
    connect(&reading, &QFutureWatcher<TrackedReplay>::finished, this, &TrailedVideo::showTracks);
}

TrailedVideo::~TrailedVideo()
{
    // The video item is a member, but the scene and the player are children
    // that outlive it: the scene would delete it, the player would keep
    // presenting frames to its surface.
    mediaPlayer->setVideoOutput(static_cast<QAbstractVideoSurface *>(nullptr));
    scene->removeItem(&videoItem);
    scene->removeItem(&trails);
    reading.waitForFinished();
}

void TrailedVideo::load(const QString &videoPath)
{
    trails.setPaths({});
    trackedPictureSize = QSize();
    reading.setFuture(QtConcurrent::run(readTrackedReplay, videoPath));
    mediaPlayer->setMedia(QUrl::fromLocalFile(videoPath));
}

void TrailedVideo::showTracks()
{
    const TrackedReplay replay = reading.result();
    trackedPictureSize = replay.pictureSize;
    trails.setPaths(replay.paths);
    trails.setPositionMs(mediaPlayer->position());
    placeTrails();
    emit pathsRead(replay.paths);
}

void TrailedVideo::placeTrails()
{
    // The picture's frames have the size of the camera picture the paths
    // were measured in; the figures tell it, the video too.
    const QSize picture = trackedPictureSize.isEmpty() ? videoItem.nativeSize().toSize() : trackedPictureSize;
    trails.setPicture(videoItem.boundingRect(), picture);
}

void TrailedVideo::onMediaStatusChanged(QMediaPlayer::MediaStatus status)
{
    if (status != QMediaPlayer::LoadedMedia && status != QMediaPlayer::BufferedMedia)
        return;
    const QSize shown = view->size();
    videoItem.setSize(QSizeF(shown.width() - kVideoInset, shown.height() - kVideoInset));
    placeTrails();
    mediaPlayer->setPosition(kFirstPictureMs);
    // Qt's GStreamer back end shows no picture while stopped: a loaded video
    // waits paused, on its first picture, for PLAY. A player that was left
    // stays stopped.
    if (status == QMediaPlayer::LoadedMedia && mediaPlayer->state() == QMediaPlayer::StoppedState
        && view->isVisible())
        mediaPlayer->pause();
}
