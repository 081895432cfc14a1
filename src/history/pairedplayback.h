#pragma once

#include <QObject>
#include <array>

class TrailedVideo;

// Two videos played together from their starts on one time line, the longer
// one's: one play and pause, one position to seek to. A video that ends
// before the other holds its last picture, paused there, while the other
// goes on; the pair has ended when both hold.
class PairedPlayback : public QObject
{
    Q_OBJECT

public:
    PairedPlayback(TrailedVideo *first, TrailedVideo *second, QObject *parent);

    bool isPlaying() const { return playing; }
    // Of the longer video, in milliseconds.
    qint64 duration() const;
    qint64 position() const;

    // Plays on from the position; from the start once both have ended.
    void play();
    void pause();
    // Puts both at positionMs, or at its last picture a video shorter than that.
    void seek(qint64 positionMs);

signals:
    void positionChanged(qint64 positionMs);
    void playingChanged(bool playing);

private:
    // Where a video holds at its end: its last picture.
    static qint64 lastPictureMs(const TrailedVideo *video);
    static bool holds(const TrailedVideo *video);
    void holdAtEnd(TrailedVideo *video);
    void setPlaying(bool on);

    std::array<TrailedVideo *, 2> videos;
    bool playing = false;
};
