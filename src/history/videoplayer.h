#pragma once

#include <QMediaContent>
#include <QMediaPlayer>
#include <QWidget>
#include <memory>

#include "core/enums.h"
#include "history/trailedvideo.h"

namespace Ui {
class VideoPlayer;
}

// Plays one recorded training, the file named by
// ClientSessionInfo::actualFilename: the picture in a graphics view, play,
// pause and stop, a finger slider with the time, and a volume remembered per
// account. Over the picture, each hand's tracked tip trails behind it, and
// under the slider a strip shows the hands' speeds over the whole training.
// Returns to the anchor screen it was opened from.
class VideoPlayer : public QWidget
{
    Q_OBJECT

public:
    explicit VideoPlayer(QWidget *parent = nullptr);
    ~VideoPlayer() override;

    // Read access for tests and tools.
    const QMediaPlayer *mediaPlayer() const { return player; }
    // The newest point of hand's trail, in pixels of the camera picture.
    std::optional<QPointF> trailHead(int hand) const { return video->trailHead(hand); }

signals:
    void ShowNextForm(FormEnum);
    // Part of every screen's interface to the main window; the player asks
    // for no dialog and announces nothing.
    void ShowDialogForm(DialogOpt);
    void shown();

private slots:
    void on_returnBtn_clicked();
    void on_playBtn_clicked();
    void on_stopBtn_clicked();
    void on_volume_valueChanged(int position);
    void stateChangedHandler(QMediaPlayer::State state);
    void applyNewVideo(QMediaContent mc);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    // Connected by function pointer. They are plain members, not slots, so
    // that the form's binding by name does not look for objects called
    // "positionChanged" or "sliderUserMoved".
    void on_positionChanged(qlonglong pos);
    void on_sliderUserMoved(int percent);

    // Shows one of the common icons, named by its file, on playBtn.
    void setPlayIcon(const char *picture);

    std::unique_ptr<Ui::VideoPlayer> ui;
    TrailedVideo *video;
    QMediaPlayer *player;
};
