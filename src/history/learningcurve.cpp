#include "history/learningcurve.h"

#include <QPainter>
#include <algorithm>

#include "history/gappedline.h"
#include "history/metricstable.h"

namespace {

constexpr QMargins kPlotMargins(60, 15, 15, 30);
constexpr qreal kPointRadius = 4;
constexpr qreal kLineWidth = 2;
constexpr qreal kTargetLabelHeight = 16;
const QColor kAxisColour(150, 160, 175);
const QColor kTextColour(200, 200, 200);
// The training time is one line, drawn where the left instrument's would be.
constexpr int kWholeTrainingLine = InstrumentLeft;

} // namespace

LearningCurve::LearningCurve(QWidget *parent)
    : QWidget(parent)
{
    setMinimumSize(300, 200);
}

QString LearningCurve::figureName(Figure figure)
{
    // The names of the figures' rows in the table, translated once.
    switch (figure) {
    case PathLength:
        return MetricsTable::tr("Path length");
    case ActiveTime:
        return MetricsTable::tr("Active time");
    case IdleTime:
        return MetricsTable::tr("Idle time");
    case MeanSpeed:
        return MetricsTable::tr("Mean speed");
    case Economy:
        return MetricsTable::tr("Economy of motion");
    case MovementUnits:
        return MetricsTable::tr("Movement units");
    default:
        return tr("Training time");
    }
}

std::optional<double> LearningCurve::figureOf(const StoredMetrics &stored, int instrument, Figure figure)
{
    if (stored.status != StoredStatus::Present)
        return std::nullopt;
    if (figure == TrainingTime)
        return instrument == kWholeTrainingLine ? std::optional<double>(stored.metrics.durationSeconds)
                                                : std::nullopt;
    const InstrumentMetrics &metrics = stored.metrics.instruments.at(instrument);
    if (!metrics.seen)
        return std::nullopt;
    switch (figure) {
    case PathLength:
        return metrics.pathLength;
    case ActiveTime:
        return metrics.activeSeconds;
    case IdleTime:
        return metrics.idleSeconds;
    case MeanSpeed:
        return metrics.meanSpeed;
    case Economy:
        return metrics.economy;
    default:
        return metrics.movementUnits;
    }
}

void LearningCurve::setTrainings(
    const QVector<StoredMetrics> &shownTrainings, const ExerciseTargets &exerciseTargets)
{
    trainings = shownTrainings;
    targets = exerciseTargets;
    update();
}

void LearningCurve::setFigure(Figure figure)
{
    shown = figure;
    update();
}

QVector<std::optional<double>> LearningCurve::points(int instrument) const
{
    return pointsOf(trainings, instrument, shown);
}

QVector<std::optional<double>> LearningCurve::pointsOf(
    const QVector<StoredMetrics> &trainings, int instrument, Figure figure)
{
    QVector<std::optional<double>> values;
    for (const StoredMetrics &stored : trainings)
        values << figureOf(stored, instrument, figure);
    return values;
}

std::optional<double> LearningCurve::target(int instrument) const
{
    return targetOf(trainings, targets, instrument, shown);
}

std::optional<double> LearningCurve::targetOf(
    const QVector<StoredMetrics> &trainings, const ExerciseTargets &targets, int instrument, Figure figure)
{
    // A target in millimetres says nothing about lengths in pixels.
    const bool millimetres
        = std::none_of(trainings.cbegin(), trainings.cend(), [](const StoredMetrics &stored) {
              return stored.status == StoredStatus::Present && stored.metrics.unit != LengthUnit::Millimetres;
          });
    double value = 0;
    if (figure == PathLength && millimetres)
        value = targets.pathLengthMm.at(instrument);
    else if (figure == IdleTime)
        value = targets.idleSeconds.at(instrument);
    else if (figure == TrainingTime && instrument == kWholeTrainingLine)
        value = targets.seconds;
    return value > 0 ? std::optional<double>(value) : std::nullopt;
}

void LearningCurve::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    draw(painter, rect(), trainings, targets, shown, kTextColour);
}

void LearningCurve::draw(QPainter &painter, const QRectF &area, const QVector<StoredMetrics> &trainings,
    const ExerciseTargets &targets, Figure figure, const QColor &ink)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plot = area.marginsRemoved(kPlotMargins);
    painter.setPen(kAxisColour);
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());

    std::array<QVector<std::optional<double>>, kInstrumentCount> series;
    double top = 0;
    for (int instrument = 0; instrument < kInstrumentCount; ++instrument) {
        series[instrument] = pointsOf(trainings, instrument, figure);
        for (const std::optional<double> &value : series[instrument])
            top = std::max(top, value.value_or(0));
        top = std::max(top, targetOf(trainings, targets, instrument, figure).value_or(0));
    }
    painter.setPen(ink);
    painter.drawText(QRectF(area.left(), plot.top() - 8, kPlotMargins.left() - 6, 16),
        Qt::AlignRight | Qt::AlignVCenter, QString::number(top, 'g', 3));
    painter.drawText(QRectF(area.left(), plot.bottom() - 8, kPlotMargins.left() - 6, 16),
        Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    const int count = trainings.size();
    painter.drawText(QRectF(plot.left(), plot.bottom() + 4, plot.width(), kPlotMargins.bottom() - 4),
        Qt::AlignHCenter | Qt::AlignTop, tr("Trainings: %1").arg(count));
    const auto at = [&](int index, double value) {
        const qreal x = count == 1 ? plot.center().x() : plot.left() + plot.width() * index / (count - 1);
        return QPointF(x, plot.bottom() - plot.height() * value / top);
    };
    for (int instrument = 0; count > 0 && top > 0 && instrument < kInstrumentCount; ++instrument) {
        // The training time is one line, in the colour of the texts.
        const QColor colour = figure == TrainingTime ? ink : instrumentColour(instrument);
        QVector<std::optional<QPointF>> points;
        for (int index = 0; index < count; ++index) {
            const std::optional<double> &value = series[instrument].at(index);
            points << (value ? std::optional<QPointF>(at(index, *value)) : std::nullopt);
        }
        painter.setPen(QPen(colour, kLineWidth));
        painter.setBrush(Qt::NoBrush);
        drawGappedLine(painter, points);
        painter.setBrush(colour);
        for (const std::optional<QPointF> &point : qAsConst(points)) {
            if (point)
                painter.drawEllipse(*point, kPointRadius, kPointRadius);
        }
        if (const std::optional<double> value = targetOf(trainings, targets, instrument, figure)) {
            const qreal y = at(0, *value).y();
            painter.setPen(QPen(colour, kLineWidth, Qt::DashLine));
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
            painter.drawText(QRectF(plot.left(), y - kTargetLabelHeight, plot.width(), kTargetLabelHeight),
                Qt::AlignRight | Qt::AlignBottom, tr("target"));
        }
    }
    painter.restore();
}
