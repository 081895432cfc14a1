#pragma once

#include <QFutureWatcher>
#include <QGraphicsVideoItem>
#include <QMediaPlayer>
#include <QObject>
#include <optional>

#include "history/tiptrails.h"

class QGraphicsScene;
class QGraphicsView;

// What the tracking kept of the training played, read on a worker.
struct TrackedReplay
{
    TipPaths paths;
    // Of the camera picture; empty when the figures do not tell it.
    QSize pictureSize;
};

// What a player's time says: "elapsed/total", both as hh:mm:ss.
QString timeReadOut(qint64 elapsedMs, qint64 durationMs);

// One recorded training's picture in a graphics view with each hand's tip
// trailing over it: the media player, the video item its frames are painted
// by on the GUI thread, and the tracking's paths, read on a worker thread. A
// loaded video waits paused on its first picture while its view is shown.
class TrailedVideo : public QObject
{
    Q_OBJECT

public:
    // A loaded video is moved just past its start, to its first picture.
    static constexpr qint64 kFirstPictureMs = 5;
    // The player reports its position once a frame (at 30 frames per
    // second), so that the trails keep up with the picture.
    static constexpr int kFrameMs = 33;

    TrailedVideo(QGraphicsView *view, QObject *parent);
    ~TrailedVideo() override;

    QMediaPlayer *player() const { return mediaPlayer; }
    const QGraphicsVideoItem *item() const { return &videoItem; }
    // Plays videoPath from now on; the trails of the video before are gone
    // until this one's paths are read.
    void load(const QString &videoPath);
    void setTrailsVisible(bool visible) { trails.setVisible(visible); }
    // The newest point of hand's trail, in pixels of the camera picture.
    std::optional<QPointF> trailHead(int hand) const { return trails.trailHead(hand); }

signals:
    void pathsRead(const TipPaths &paths);

private:
    void onMediaStatusChanged(QMediaPlayer::MediaStatus status);
    void showTracks();
    // Lays the trails over the picture where the video item shows it.
    void placeTrails();

    QGraphicsView *view;
    QMediaPlayer *mediaPlayer;
    QGraphicsScene *scene;
    QGraphicsVideoItem videoItem;
    TipTrails trails;
    QFutureWatcher<TrackedReplay> reading;
    QSize trackedPictureSize;
};
