#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QPointF>
#include <QVideoProbe>
#include <QWidget>

#include <array>
#include <optional>

#include "storage/trainingmetrics.h"

class QLabel;
class QMediaObject;
class QVideoFrame;

// A lab's check of its camera and bands before the first training: the
// live picture with each band the tracker finds circled in its colour, and
// a line per band saying whether it is found. A band's colour is learnt
// afresh from every picture checked, as at the start of a training, so the
// check follows the image settings as they are moved.
//
// A few pictures a second are checked, on the GUI thread: a small copy of
// the picture and its analysis take a few milliseconds.
class BandCheckView : public QWidget
{
    Q_OBJECT

public:
    explicit BandCheckView(QWidget *parent = nullptr);

    // The camera (a QCamera) whose pictures are checked; none stops.
    void watch(QMediaObject *camera);
    void translate();

    // Of the last picture checked: where each band is, in its pixels.
    using Found = std::array<std::optional<QPointF>, kInstrumentCount>;
    const Found &found() const { return bands; }
    // Whether the band was seen in any of the last few pictures: one
    // picture without it (a hand passing over) is no reason to warn.
    bool isFound(int instrument) const { return sightings[static_cast<std::size_t>(instrument)] > 0; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void check(const QVideoFrame &frame);

    QVideoProbe probe;
    QElapsedTimer sinceChecked;
    QImage picture;
    // The camera's picture size, in which the bands are placed.
    QSize pictureSize;
    Found bands;
    std::array<int, kInstrumentCount> sightings {};
    std::array<QLabel *, kInstrumentCount> lines {};
    QWidget *pictureArea;
};
