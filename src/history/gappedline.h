#pragma once

#include <QLineF>
#include <QPainter>
#include <QPointF>
#include <QVector>
#include <algorithm>
#include <array>
#include <cmath>
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

// A line over time with more points than pixel columns, thinned to what a
// pen shows: of the points one after the other within one column, the
// first, the lowest, the highest and the last, in their order. The line
// goes into and out of the column where it did, and spans from the lowest
// to the highest as all of them did. A ten-minute training's 18,000 tip
// distances on a chart 1,200 pixels wide become at most 4,800 points,
// stroked in a third to a half of the time, and a missing point still
// breaks the line.
inline QVector<std::optional<QPointF>> thinnedToColumns(const QVector<std::optional<QPointF>> &points)
{
    QVector<std::optional<QPointF>> kept;
    kept.reserve(points.size());
    int first = 0;
    while (first < points.size()) {
        if (!points.at(first)) {
            kept.append(std::nullopt);
            ++first;
            continue;
        }
        const qreal column = std::floor(points.at(first)->x());
        int end = first;
        int lowest = first;
        int highest = first;
        for (; end < points.size() && points.at(end) && std::floor(points.at(end)->x()) == column; ++end) {
            if (points.at(end)->y() < points.at(lowest)->y())
                lowest = end;
            if (points.at(end)->y() > points.at(highest)->y())
                highest = end;
        }
        std::array<int, 4> chosen { first, lowest, highest, end - 1 };
        std::sort(chosen.begin(), chosen.end());
        const auto distinctEnd = std::unique(chosen.begin(), chosen.end());
        for (auto index = chosen.begin(); index != distinctEnd; ++index)
            kept.append(points.at(*index));
        first = end;
    }
    return kept;
}
