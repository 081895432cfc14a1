#pragma once

#include <QVector>
#include <QWidget>
#include <array>

#include "storage/trainingmetrics.h"

// Under the player's slider, the whole training at a glance: each hand's
// speed as a thin line in its band colour, and shaded where that hand's tip
// was out of sight (the left hand's in the upper half, the right's in the
// lower). A tap asks the player to go to the time under the finger.
class SpeedStrip : public QWidget
{
    Q_OBJECT

public:
    explicit SpeedStrip(QWidget *parent = nullptr);

    // Paths seconds are taken as video seconds; see TipTrails.
    void setPaths(const TipPaths &paths);
    void setDurationMs(qint64 durationMs);
    void setPositionMs(qint64 positionMs);

    // The video time at x, clamped to the video.
    qint64 timeAt(int x) const;

signals:
    void seekRequested(qint64 positionMs);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    // The speeds are averaged over at most this many stretches of the paths,
    // so that painting costs the same for a minute's training as an hour's;
    // a short training has fewer, each at least two frames long.
    static constexpr int kBins = 480;
    struct Bin
    {
        double speed = 0;
        bool offScreen = false;
    };

    qreal xOf(double seconds) const;

    std::array<QVector<Bin>, kInstrumentCount> bins;
    double binSeconds = 0;
    double fastest = 0;
    qint64 durationMs = 0;
    qint64 positionMs = 0;
};
