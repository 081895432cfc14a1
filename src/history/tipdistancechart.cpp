#include "history/tipdistancechart.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

#include "history/gappedline.h"

namespace {

constexpr int kChartHeight = 90;
constexpr int kTextMargin = 4;
const QColor kLine(220, 220, 220);
const QColor kMean(120, 180, 230);
const QColor kText(180, 180, 180);

} // namespace

TipDistanceChart::TipDistanceChart(QWidget *parent)
    : QWidget(parent)
{
    setMinimumHeight(kChartHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TipDistanceChart::showDistances(const TrainingMeasurement &measurement)
{
    const TrainingMetrics &metrics = measurement.metrics;
    distances = tipDistances(measurement.paths);
    scale = metrics.unit == LengthUnit::Millimetres ? metrics.millimetresPerPixel : 1;
    unit = lengthUnitLabel(metrics.unit);
    mean = metrics.meanTipDistance;
    update();
}

void TipDistanceChart::paintEvent(QPaintEvent *)
{
    if (!mean || distances.size() < 2)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The same words as the figures' row of it.
    const QString title = QCoreApplication::translate("MetricsTable", "Distance between the tips");
    const int textHeight = fontMetrics().height();
    painter.setPen(kText);
    painter.drawText(QRect(0, 0, width(), textHeight), Qt::AlignLeft | Qt::AlignVCenter, title);
    const QRectF plot(0, textHeight + kTextMargin, width(), height() - textHeight - kTextMargin);

    double largest = *mean;
    for (const TipDistance &distance : qAsConst(distances))
        largest = std::max(largest, distance.distance.value_or(0) * scale);
    const double start = distances.first().seconds;
    const double span = std::max(distances.last().seconds - start, 1e-9);
    const auto at = [&](double seconds, double length) {
        return QPointF(plot.left() + (seconds - start) / span * plot.width(),
            plot.bottom() - length / largest * plot.height());
    };
    QVector<std::optional<QPointF>> points;
    points.reserve(distances.size());
    for (const TipDistance &distance : qAsConst(distances)) {
        points.append(distance.distance ? std::optional<QPointF>(at(distance.seconds, *distance.distance * scale))
                                      : std::nullopt);
    }
    painter.setPen(QPen(kLine, 1.5));
    drawGappedLine(painter, thinnedToColumns(points));
    painter.setPen(QPen(kMean, 1.5, Qt::DashLine));
    const double meanY = at(start, *mean).y();
    painter.drawLine(QPointF(plot.left(), meanY), QPointF(plot.right(), meanY));
    painter.setPen(kText);
    painter.drawText(QRectF(plot.left(), plot.top(), plot.width(), textHeight), Qt::AlignRight | Qt::AlignVCenter,
        QStringLiteral("%1 %2").arg(largest, 0, 'f', 0).arg(unit));
}
