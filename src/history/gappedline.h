#pragma once

#include <QLineF>
#include <QPainter>
#include <QPointF>
#include <QVector>
#include <optional>

// Draws a line through the points in their order with the painter's pen,
// broken where a point is missing: a tip out of sight, a training without
// measurements.
//
// A ten-minute training gives each tip 18,000 points. Stroked as one path,
// its crossing segments cost the raster engine about a quarter of a second
// and 10 MB to outline and fill; drawn as short polylines that share their
// end points they cost a seventh, and an opaque pen shows no seam. A point
// within half a pixel of the last one drawn adds nothing a pen shows and is
// left out, unless it ends a stretch.
inline void drawGappedLine(QPainter &painter, const QVector<std::optional<QPointF>> &points)
{
    constexpr int kPointsPerPiece = 64;
    constexpr qreal kSmallestStep = 0.5;
    QVector<QPointF> piece;
    piece.reserve(kPointsPerPiece);
    const auto drawPiece = [&painter, &piece] {
        if (piece.size() > 1)
            painter.drawPolyline(piece.constData(), piece.size());
    };
    for (int i = 0; i < points.size(); ++i) {
        const std::optional<QPointF> &point = points.at(i);
        if (!point) {
            drawPiece();
            piece.clear();
            continue;
        }
        const bool endsStretch = i + 1 == points.size() || !points.at(i + 1);
        if (!piece.isEmpty() && !endsStretch && QLineF(piece.last(), *point).length() < kSmallestStep)
            continue;
        piece.append(*point);
        if (piece.size() == kPointsPerPiece) {
            drawPiece();
            // The next piece starts where this one ends.
            piece.remove(0, piece.size() - 1);
        }
    }
    drawPiece();
}
