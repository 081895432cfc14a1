#include "history/pairedplayback.h"

#include <algorithm>

#include "history/trailedvideo.h"

PairedPlayback::PairedPlayback(TrailedVideo *first, TrailedVideo *second, QObject *parent)
    : QObject(parent)
    , videos { first, second }
{
    for (TrailedVideo *video : videos) {
        QMediaPlayer *player = video->player();
        connect(player, &QMediaPlayer::positionChanged, this, [this, video](qint64 positionMs) {
            // Caught a frame before its end, a video stops on its last
            // picture without the end's blank; the end itself is the
            // fallback.
            if (video->player()->state() == QMediaPlayer::PlayingState
                && positionMs >= lastPictureMs(video) - TrailedVideo::kFrameMs)
                holdAtEnd(video);
            emit positionChanged(position());
        });
        connect(player, &QMediaPlayer::durationChanged, this, [this] { emit positionChanged(position()); });
        // Qt's GStreamer back end stops at the end and then shows no
        // picture: the video goes back to its last one and waits there.
        connect(
            player, &QMediaPlayer::mediaStatusChanged, this, [this, video](QMediaPlayer::MediaStatus status) {
                if (status == QMediaPlayer::EndOfMedia)
                    holdAtEnd(video);
            });
    }
}

qint64 PairedPlayback::duration() const
{
    return std::max(videos[0]->player()->duration(), videos[1]->player()->duration());
}

qint64 PairedPlayback::position() const
{
    // A video that holds at its end is behind the other, which is where the
    // pair is.
    return std::max(videos[0]->player()->position(), videos[1]->player()->position());
}

qint64 PairedPlayback::lastPictureMs(const TrailedVideo *video)
{
    return std::max<qint64>(0, video->player()->duration() - TrailedVideo::kFrameMs);
}

bool PairedPlayback::holds(const TrailedVideo *video)
{
    const QMediaPlayer *player = video->player();
    return player->mediaStatus() == QMediaPlayer::EndOfMedia || player->position() >= lastPictureMs(video);
}

void PairedPlayback::holdAtEnd(TrailedVideo *video)
{
    // Set while stopped, the position is where the pause picks up.
    video->player()->setPosition(lastPictureMs(video));
    video->player()->pause();
    if (std::all_of(videos.cbegin(), videos.cend(), holds))
        setPlaying(false);
}

void PairedPlayback::play()
{
    if (std::all_of(videos.cbegin(), videos.cend(), holds))
        seek(TrailedVideo::kFirstPictureMs);
    for (TrailedVideo *video : videos) {
        if (!holds(video))
            video->player()->play();
    }
    setPlaying(true);
}

void PairedPlayback::pause()
{
    for (TrailedVideo *video : videos)
        video->player()->pause();
    setPlaying(false);
}

void PairedPlayback::seek(qint64 positionMs)
{
    for (TrailedVideo *video : videos) {
        QMediaPlayer *player = video->player();
        const qint64 last = lastPictureMs(video);
        player->setPosition(std::min(positionMs, last));
        if (playing && positionMs < last)
            player->play();
        else
            player->pause();
    }
    emit positionChanged(position());
}

void PairedPlayback::setPlaying(bool on)
{
    if (playing == on)
        return;
    playing = on;
    emit playingChanged(playing);
}
