#pragma once

#include <QGraphicsItem>
#include <QSize>
#include <optional>

#include "storage/trainingmetrics.h"

// Each hand's tracked tip over the playing video: the last two seconds of
// its path up to the player's position, in the hand's band colour. Lies over
// the video item, in its coordinates; the positions are pixels of the camera
// picture, which the video's frames have the size of.
//
// The paths count their seconds from the first frame the tracker analysed,
// the video from its first recorded frame. The tracker starts on the camera's
// frames in the same step that starts the recording, so the two differ by a
// frame or two at most: paths seconds are taken as video seconds.
class TipTrails : public QGraphicsItem
{
public:
    static constexpr double kTrailSeconds = 2.0;

    TipTrails();

    void setPaths(const TipPaths &paths);
    // Where the video's picture stands in the item's coordinates, and the
    // size of the camera picture it shows.
    void setPicture(const QRectF &rect, const QSize &pictureSize);
    void setPositionMs(qint64 positionMs);

    // The newest point of hand's trail in picture pixels; none while the
    // trail is empty (no paths, or the tip unseen for the last two seconds).
    std::optional<QPointF> trailHead(int hand) const;

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    // The samples of the trail shown now: from first up to, not including, end.
    int trailEnd() const;
    int trailBegin(int end) const;

    TipPaths paths;
    // Both hands share their times: one sample per analysed frame.
    QVector<double> times;
    QSize pictureSize;
    QRectF pictureRect;
    double seconds = 0;
};
