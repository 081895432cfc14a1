#include "history/tiptrails.h"

#include <QPainter>
#include <algorithm>

#include "history/gappedline.h"
#include "history/metricstable.h"

namespace {

constexpr qreal kTrailWidth = 4;
constexpr qreal kHeadRadius = 6;
constexpr double kMsPerSecond = 1000.0;

} // namespace

TipTrails::TipTrails()
{
    // Above the video item, which stays at the default of 0.
    setZValue(1);
}

void TipTrails::setPaths(const TipPaths &shownPaths)
{
    paths = shownPaths;
    times.clear();
    times.reserve(paths.at(InstrumentLeft).size());
    for (const TipSample &sample : paths.at(InstrumentLeft))
        times << sample.seconds;
    update();
}

void TipTrails::setPicture(const QRectF &rect, const QSize &size)
{
    prepareGeometryChange();
    pictureRect = rect;
    pictureSize = size;
    update();
}

void TipTrails::setPositionMs(qint64 positionMs)
{
    seconds = positionMs / kMsPerSecond;
    update();
}

int TipTrails::trailEnd() const
{
    return static_cast<int>(std::upper_bound(times.cbegin(), times.cend(), seconds) - times.cbegin());
}

int TipTrails::trailBegin(int end) const
{
    const double from = seconds - kTrailSeconds;
    return static_cast<int>(std::upper_bound(times.cbegin(), times.cbegin() + end, from) - times.cbegin());
}

std::optional<QPointF> TipTrails::trailHead(int hand) const
{
    const int end = trailEnd();
    const TipPath &path = paths.at(hand);
    for (int sample = end - 1; sample >= trailBegin(end) && sample < path.size(); --sample) {
        if (path.at(sample).position)
            return path.at(sample).position;
    }
    return std::nullopt;
}

QRectF TipTrails::boundingRect() const
{
    return pictureRect.adjusted(-kHeadRadius, -kHeadRadius, kHeadRadius, kHeadRadius);
}

void TipTrails::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    Q_UNUSED(option)
    Q_UNUSED(widget)
    if (pictureSize.isEmpty() || pictureRect.isEmpty() || times.isEmpty())
        return;
    const qreal scaleX = pictureRect.width() / pictureSize.width();
    const qreal scaleY = pictureRect.height() / pictureSize.height();
    const auto shown = [&](const QPointF &pixel) {
        return QPointF(pictureRect.left() + pixel.x() * scaleX, pictureRect.top() + pixel.y() * scaleY);
    };
    const int end = trailEnd();
    const int begin = trailBegin(end);
    painter->setRenderHint(QPainter::Antialiasing);
    for (int hand = 0; hand < kInstrumentCount; ++hand) {
        const TipPath &path = paths.at(hand);
        QVector<std::optional<QPointF>> points;
        points.reserve(end - begin);
        for (int sample = begin; sample < end && sample < path.size(); ++sample) {
            const std::optional<QPointF> &position = path.at(sample).position;
            points << (position ? std::optional<QPointF>(shown(*position)) : std::nullopt);
        }
        const QColor colour = instrumentColour(hand);
        painter->setPen(QPen(colour, kTrailWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->setBrush(Qt::NoBrush);
        drawGappedLine(*painter, points);
        if (const std::optional<QPointF> head = trailHead(hand)) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(colour);
            painter->drawEllipse(shown(*head), kHeadRadius, kHeadRadius);
        }
    }
}
