#include "history/videoplayer.h"

#include <QHideEvent>
#include <QIcon>
#include <QShowEvent>

#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "core/logging.h"
#include "core/touchfeedback.h"
#include "history/slider.h"
#include "history/speedstrip.h"
#include "storage/user.h"
#include "ui_videoplayer.h"

namespace {

constexpr auto kIconFolder = ":/graphics/common_icons/";
constexpr auto kPlayIcon = "play.png";
constexpr auto kPauseIcon = "pause.png";
constexpr auto kStopIcon = "stop.png";
constexpr QSize kIconSize(50, 50);
constexpr auto kStartTime = "00:00:00";
constexpr float kPercent = 100.0f;

QIcon commonIcon(const char *picture)
{
    return QIcon(QLatin1String(kIconFolder) + QLatin1String(picture));
}

} // namespace

VideoPlayer::VideoPlayer(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::VideoPlayer>())
{
    ui->setupUi(this);
    video = new TrailedVideo(ui->graphicsView, this);
    player = video->player();

    connect(player, &QMediaPlayer::stateChanged, this, &VideoPlayer::stateChangedHandler);
    connect(player, &QMediaPlayer::positionChanged, this, &VideoPlayer::on_positionChanged);
    connect(player, &QMediaPlayer::currentMediaChanged, this, &VideoPlayer::applyNewVideo);
    connect(ui->slider, &Slider::userMove, this, &VideoPlayer::on_sliderUserMoved);
    connect(player, &QMediaPlayer::durationChanged, ui->speedStrip, &SpeedStrip::setDurationMs);
    connect(ui->speedStrip, &SpeedStrip::seekRequested, player, &QMediaPlayer::setPosition);
    connect(video, &TrailedVideo::pathsRead, ui->speedStrip, &SpeedStrip::setPaths);
    connect(ui->trailsBtn, &QPushButton::toggled, video, &TrailedVideo::setTrailsVisible);

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

VideoPlayer::~VideoPlayer() = default;

void VideoPlayer::showEvent(QShowEvent *event)
{
    ui->retranslateUi(this);
    ui->trailsBtn->setText(tr("TRAILS"));
    ClientSessionInfo::actualForm = this;
    if (const User *user = ClientSessionInfo::actualUser())
        ui->volume->setValue(user->volume);
    // The paths of the last training played must not trail over this one's
    // picture while its own are read.
    ui->speedStrip->setPaths({});
    video->load(ClientSessionInfo::actualFilename);
    event->accept();
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
    ui->time->setText(timeReadOut(static_cast<qint64>(position), static_cast<qint64>(duration)));
    ui->speedStrip->setPositionMs(pos);
}

void VideoPlayer::on_sliderUserMoved(int percent)
{
    const float duration = static_cast<float>(player->duration());
    player->setPosition(static_cast<qint64>(duration * static_cast<float>(percent) / kPercent));
    ui->time->setText(timeReadOut(static_cast<qint64>(duration * (static_cast<float>(percent) / kPercent)),
        static_cast<qint64>(duration)));
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
