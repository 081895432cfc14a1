#pragma once

#include <QFutureWatcher>
#include <QWidget>
#include <array>
#include <optional>

#include "storage/trainingmetricsfile.h"

class QGraphicsView;
class QLabel;
class QMediaPlayer;
class QPushButton;
class ComparisonTable;
class PairedPlayback;
class Slider;
class TrailedVideo;

// Two trainings side by side over the history screen it covers: both videos
// with their tips' trails, played together by one set of controls (play and
// pause, a slider and the time, TRAILS for both), and under them the two
// trainings' figures with the better of each marked. BACK uncovers the
// history as it was left.
class CompareView : public QWidget
{
    Q_OBJECT

public:
    explicit CompareView(QWidget *covered);
    ~CompareView() override;

    // Shows the trainings, the first on the left, each waiting on its first
    // picture; their figures are read on a worker thread.
    void compare(const TrainingRecord &first, const TrainingRecord &second);

    // Read access for tests and tools.
    const QMediaPlayer *mediaPlayer(int side) const;
    const TrailedVideo *video(int side) const { return videos.at(side); }
    const ComparisonTable *table() const { return figures; }
    // True while the trainings' figures are still being read.
    bool isReading() const { return reading.isRunning(); }

protected:
    bool eventFilter(QObject *object, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *buildControls();
    void translate();
    void togglePlay();
    void showPosition(qint64 positionMs);
    void seekTo(int percent);
    void showFigures();

    std::array<QGraphicsView *, 2> views;
    std::array<QLabel *, 2> titles;
    std::array<TrailedVideo *, 2> videos;
    PairedPlayback *playback;
    QPushButton *backButton;
    QPushButton *playButton;
    QPushButton *trailsButton;
    Slider *slider;
    QLabel *time;
    ComparisonTable *figures;
    QFutureWatcher<std::array<StoredMetrics, 2>> reading;
};
