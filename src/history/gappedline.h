#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QVector>
#include <optional>

// A line through the points in their order, broken where a point is missing:
// a tip out of sight, a training without measurements.
inline QPainterPath gappedLine(const QVector<std::optional<QPointF>> &points)
{
    QPainterPath line;
    bool drawing = false;
    for (const std::optional<QPointF> &point : points) {
        if (point) {
            if (drawing)
                line.lineTo(*point);
            else
                line.moveTo(*point);
        }
        drawing = point.has_value();
    }
    return line;
}
