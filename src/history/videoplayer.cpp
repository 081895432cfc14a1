#include "history/videoplayer.h"

#include <QAbstractVideoSurface>
#include <QGraphicsScene>
#include <QHideEvent>
#include <QIcon>
#include <QShowEvent>
#include <QUrl>
#include <QtConcurrent>

#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "core/logging.h"
#include "core/touchfeedback.h"
#include "history/slider.h"
#include "history/speedstrip.h"
#include "storage/trainingmetricsfile.h"
#include "storage/trainingpathsfile.h"
#include "storage/user.h"
#include "ui_videoplayer.h"

namespace {

constexpr auto kIconFolder = ":/graphics/common_icons/";
constexpr auto kPlayIcon = "play.png";
constexpr auto kPauseIcon = "pause.png";
constexpr auto kStopIcon = "stop.png";
constexpr QSize kIconSize(50, 50);
constexpr auto kStartTime = "00:00:00";
// The picture keeps a small border inside the view.
constexpr qreal kVideoInset = 10;
// A loaded video is moved just past its start, to its first picture.
constexpr qint64 kFirstPictureMs = 5;
constexpr float kMsPerSecond = 1000.0f;
constexpr float kPercent = 100.0f;
// percent / kPercentToSeconds turns a percentage of a duration in
// milliseconds into seconds.
constexpr float kPercentToSeconds = 100000.0f;
// The player reports its position once a frame (at 30 frames per second),
// so that the trails keep up with the picture.
constexpr int kFrameMs = 33;

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

QIcon commonIcon(const char *picture)
{
    return QIcon(QLatin1String(kIconFolder) + QLatin1String(picture));
}

// "elapsed/total", both as hh:mm:ss.
QString timeReadOut(int elapsedSeconds, float durationMs)
{
    return toDurationString(elapsedSeconds) + QLatin1Char('/')
        + toDurationString(static_cast<int>(durationMs / kMsPerSecond));
}

} // namespace

VideoPlayer::VideoPlayer(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::VideoPlayer>())
{
    ui->setupUi(this);
    player = new QMediaPlayer(this);
    // The item's surface is handed over now rather than the item itself: an
    // item attaches itself only when it is first painted, and should that be
    // after a video has been loaded, the GStreamer back end never completes
    // the change of its video sink and from then on ignores pauses and seeks.
    player->setVideoOutput(videoItem.videoSurface());
    scene = new QGraphicsScene(this);
    ui->graphicsView->setScene(scene);
    scene->addItem(&videoItem);
    scene->addItem(&trails);
    player->setNotifyInterval(kFrameMs);

    connect(player, &QMediaPlayer::stateChanged, this, &VideoPlayer::stateChangedHandler);
    connect(player, &QMediaPlayer::mediaStatusChanged, this, &VideoPlayer::on_mediaStatusChanged);
    connect(player, &QMediaPlayer::positionChanged, this, &VideoPlayer::on_positionChanged);
    connect(player, &QMediaPlayer::currentMediaChanged, this, &VideoPlayer::applyNewVideo);
    connect(ui->slider, &Slider::userMove, this, &VideoPlayer::on_sliderUserMoved);
    connect(player, &QMediaPlayer::durationChanged, ui->speedStrip, &SpeedStrip::setDurationMs);
    connect(ui->speedStrip, &SpeedStrip::seekRequested, player, &QMediaPlayer::setPosition);
    connect(&videoItem, &QGraphicsVideoItem::nativeSizeChanged, this, &VideoPlayer::placeTrails);
    connect(&reading, &QFutureWatcher<TrackedReplay>::finished, this, &VideoPlayer::showTracks);
    connect(ui->trailsBtn, &QPushButton::toggled, this, [this](bool on) { trails.setVisible(on); });

    for (QWidget *button : { ui->returnBtn, ui->playBtn, ui->stopBtn, ui->trailsBtn })
        button->installEventFilter(this);
    ui->playBtn->setIconSize(kIconSize);
    ui->stopBtn->setIconSize(kIconSize);
    setPlayIcon(kPlayIcon);
    ui->stopBtn->setIcon(commonIcon(kStopIcon));
    ui->time->setText(QLatin1String(kStartTime));
    // The volume slider and the player agree from the start; later the
    // slider's changes carry over.
    player->setVolume(ui->volume->value());
    player->stop();
}

VideoPlayer::~VideoPlayer()
{
    // The video item is a member, but the scene and the player are children
    // that outlive it: the scene would delete it, the player would keep
    // presenting frames to its surface.
    player->setVideoOutput(static_cast<QAbstractVideoSurface *>(nullptr));
    scene->removeItem(&videoItem);
    scene->removeItem(&trails);
    reading.waitForFinished();
}

void VideoPlayer::showEvent(QShowEvent *event)
{
    ui->retranslateUi(this);
    ui->trailsBtn->setText(tr("TRAILS"));
    ClientSessionInfo::actualForm = this;
    media = QMediaContent(QUrl::fromLocalFile(ClientSessionInfo::actualFilename));
    if (const User *user = ClientSessionInfo::actualUser())
        ui->volume->setValue(user->volume);
    // The paths of the last training played must not trail over this one's
    // picture while its own are read.
    trails.setPaths({});
    trackedPictureSize = QSize();
    ui->speedStrip->setPaths({});
    reading.setFuture(QtConcurrent::run(readTrackedReplay, ClientSessionInfo::actualFilename));
    player->setMedia(media);
    event->accept();
}

void VideoPlayer::showTracks()
{
    const TrackedReplay replay = reading.result();
    trackedPictureSize = replay.pictureSize;
    trails.setPaths(replay.paths);
    trails.setPositionMs(player->position());
    ui->speedStrip->setPaths(replay.paths);
    placeTrails();
}

void VideoPlayer::placeTrails()
{
    // The picture's frames have the size of the camera picture the paths
    // were measured in; the figures tell it, the video too.
    const QSize picture = trackedPictureSize.isEmpty() ? videoItem.nativeSize().toSize() : trackedPictureSize;
    trails.setPicture(videoItem.boundingRect(), picture);
}

void VideoPlayer::hideEvent(QHideEvent *event)
{
    player->stop();
    event->accept();
}

bool VideoPlayer::eventFilter(QObject *object, QEvent *event)
{
    applyTouchFeedback(object, event);
    return false;
}

void VideoPlayer::on_mediaStatusChanged(QMediaPlayer::MediaStatus m)
{
    if (m != QMediaPlayer::LoadedMedia && m != QMediaPlayer::BufferedMedia)
        return;
    const QSize view = ui->graphicsView->size();
    videoItem.setSize(QSizeF(view.width() - kVideoInset, view.height() - kVideoInset));
    placeTrails();
    player->setPosition(kFirstPictureMs);
    // Qt's GStreamer back end shows no picture while stopped: a loaded video
    // waits paused, on its first picture, for PLAY. A player that was left
    // stays stopped.
    if (m == QMediaPlayer::LoadedMedia && player->state() == QMediaPlayer::StoppedState && isVisible())
        player->pause();
}

void VideoPlayer::on_playBtn_clicked()
{
    qCDebug(lcHistory) << "actual player state" << player->state() << player->mediaStatus();
    switch (player->state()) {
    case QMediaPlayer::StoppedState:
        player->play();
        qCDebug(lcHistory) << player->errorString() << player->error();
        break;
    case QMediaPlayer::PlayingState:
        player->pause();
        setPlayIcon(kPlayIcon);
        break;
    case QMediaPlayer::PausedState:
        player->play();
        setPlayIcon(kPauseIcon);
        break;
    }
}

void VideoPlayer::stateChangedHandler(QMediaPlayer::State state)
{
    setPlayIcon(state == QMediaPlayer::PlayingState ? kPauseIcon : kPlayIcon);
    // A pause may fall between two reports of the position.
    trails.setPositionMs(player->position());
}

void VideoPlayer::on_stopBtn_clicked()
{
    player->stop();
    setPlayIcon(kPlayIcon);
}

void VideoPlayer::on_positionChanged(qlonglong pos)
{
    const float duration = static_cast<float>(player->duration());
    const float position = static_cast<float>(pos);
    ui->slider->setPosition(duration == 0.0f ? 0 : static_cast<int>(kPercent * position / duration));
    ui->time->setText(timeReadOut(static_cast<int>(position / kMsPerSecond), duration));
    trails.setPositionMs(pos);
    ui->speedStrip->setPositionMs(pos);
}

void VideoPlayer::on_sliderUserMoved(int percent)
{
    const float duration = static_cast<float>(player->duration());
    player->setPosition(static_cast<qint64>(duration * static_cast<float>(percent) / kPercent));
    ui->time->setText(timeReadOut(
        static_cast<int>(duration * (static_cast<float>(percent) / kPercentToSeconds)), duration));
}

void VideoPlayer::on_volume_valueChanged(int position)
{
    player->setVolume(position);
}

void VideoPlayer::on_returnBtn_clicked()
{
    if (User *user = ClientSessionInfo::actualUser()) {
        user->volume = ui->volume->value();
        ClientSessionInfo::updateActualUser();
    }
    emit ShowNextForm(ClientSessionInfo::whereIAM);
}

void VideoPlayer::applyNewVideo(QMediaContent)
{
    qCDebug(lcHistory) << "vvvvvvvvvvv";
}

void VideoPlayer::setPlayIcon(const char *picture)
{
    ui->playBtn->setIcon(commonIcon(picture));
}
