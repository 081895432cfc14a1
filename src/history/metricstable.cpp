#include "history/metricstable.h"

#include <QGridLayout>
#include <QLabel>
#include <QVariant>

namespace {

using MT = MetricsTable;

constexpr auto kStyle = "QLabel {color: rgb(220, 220, 220);}"
                        "QLabel[heading=true] {color: white; font-weight: bold;}";
constexpr auto kNotSeenStyle = "color: rgb(160, 160, 160); font-style: italic;";
constexpr int kColumnSpacing = 30;
constexpr int kRowSpacing = 6;
constexpr double kPercent = 100.0;

QString number(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

QString seconds(double value)
{
    return number(value, 1) + QStringLiteral(" s");
}

std::optional<double> figureOf(int row, const InstrumentMetrics &instrument)
{
    switch (row) {
    case MT::RowActive:
        return instrument.activeSeconds;
    case MT::RowIdle:
        return instrument.idleSeconds;
    case MT::RowOffScreen:
        return instrument.offScreenSeconds;
    case MT::RowPathLength:
        return instrument.pathLength;
    case MT::RowMeanSpeed:
        return instrument.meanSpeed;
    case MT::RowPeakSpeed:
        return instrument.peakSpeed;
    case MT::RowEconomy:
        return instrument.economy;
    case MT::RowMovementUnits:
        return instrument.movementUnits;
    case MT::RowNormalisedJerk:
        return instrument.normalisedJerk;
    default:
        return instrument.workShare ? std::optional<double>(*instrument.workShare * kPercent) : std::nullopt;
    }
}

QString cellFor(int row, const InstrumentMetrics &instrument, const QString &unit)
{
    const std::optional<double> value = figureOf(row, instrument);
    if (!value)
        return QStringLiteral("–");
    switch (row) {
    case MT::RowActive:
    case MT::RowIdle:
    case MT::RowOffScreen:
        return seconds(*value);
    case MT::RowPathLength:
        return number(*value, 0) + QLatin1Char(' ') + unit;
    case MT::RowMeanSpeed:
    case MT::RowPeakSpeed:
        return number(*value, 0) + QLatin1Char(' ') + unit + QStringLiteral("/s");
    case MT::RowEconomy:
        return number(*value, 2);
    case MT::RowWorkShare:
        return number(*value, 0) + QStringLiteral(" %");
    default:
        return number(*value, 0);
    }
}

} // namespace

QColor instrumentColour(int instrument)
{
    // The bands are green on the left hand's tip and magenta on the right's.
    return instrument == InstrumentLeft ? QColor(80, 220, 120) : QColor(235, 90, 220);
}

MetricsTable::MetricsTable(QWidget *parent)
    : QWidget(parent)
    , caption(new QLabel(this))
    , nothing(new QLabel(this))
{
    setStyleSheet(QLatin1String(kStyle));

    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(kColumnSpacing);
    grid->setVerticalSpacing(kRowSpacing);
    grid->addWidget(caption, 0, 0, 1, kInstrumentCount + 1);
    cells.resize(kInstrumentCount);
    for (int column = 0; column < kInstrumentCount; ++column) {
        auto *heading = new QLabel(this);
        heading->setProperty("heading", true);
        heading->setStyleSheet(QStringLiteral("color: %1;").arg(instrumentColour(column).name()));
        grid->addWidget(heading, 1, column + 1, Qt::AlignRight);
        cells[column] << heading;
    }
    for (int row = 0; row < RowCount; ++row) {
        auto *label = new QLabel(this);
        label->setProperty("heading", true);
        grid->addWidget(label, row + 2, 0);
        rowLabels << label;
        const bool acrossColumns = row == RowTipDistance;
        for (int column = 0; column < (acrossColumns ? 1 : kInstrumentCount); ++column) {
            auto *cell = new QLabel(this);
            grid->addWidget(
                cell, row + 2, column + 1, 1, acrossColumns ? kInstrumentCount : 1, Qt::AlignRight);
            cells[column] << cell;
        }
    }
    grid->addWidget(nothing, RowCount + 2, 0, 1, kInstrumentCount + 1);
    nothing->setWordWrap(true);
    nothing->hide();
    translate();
}

void MetricsTable::translate()
{
    for (int column = 0; column < kInstrumentCount; ++column)
        cells[column].first()->setText(instrumentName(column));
    const QStringList names = rowNames();
    for (int row = 0; row < RowCount; ++row)
        rowLabels[row]->setText(names.at(row));
}

QString MetricsTable::instrumentName(int instrument)
{
    return instrument == InstrumentLeft ? tr("Left instrument") : tr("Right instrument");
}

QString MetricsTable::captionText(const TrainingMetrics &metrics)
{
    return tr("Training of %1, lengths in %2")
        .arg(seconds(metrics.durationSeconds), lengthUnitLabel(metrics.unit));
}

QStringList MetricsTable::rowNames()
{
    return { tr("Active time"), tr("Idle time"), tr("Off screen"), tr("Path length"), tr("Mean speed"),
        tr("Peak speed"), tr("Economy of motion"), tr("Movement units"), tr("Normalised jerk"),
        tr("Share of the work"), tr("Distance between the tips") };
}

std::optional<double> MetricsTable::figure(const TrainingMetrics &metrics, int instrument, int row)
{
    if (row == RowTipDistance)
        return instrument == InstrumentLeft ? metrics.meanTipDistance : std::nullopt;
    const InstrumentMetrics &figures = metrics.instruments.at(instrument);
    return figures.seen || row == RowOffScreen ? figureOf(row, figures) : std::nullopt;
}

QStringList MetricsTable::columnTexts(const TrainingMetrics &metrics, int instrument)
{
    const QString unit = lengthUnitLabel(metrics.unit);
    const InstrumentMetrics &figures = metrics.instruments.at(instrument);
    QStringList texts;
    // Only the time off screen means anything for an instrument that never
    // appeared.
    for (int row = 0; row < InstrumentRowCount; ++row)
        texts << (figures.seen || row == RowOffScreen ? cellFor(row, figures, unit) : tr("not seen"));
    if (instrument != InstrumentLeft)
        return texts << QString();
    return texts << (metrics.meanTipDistance ? number(*metrics.meanTipDistance, 0) + QLatin1Char(' ') + unit
                                             : QStringLiteral("–"));
}

void MetricsTable::showMetrics(const TrainingMetrics &metrics)
{
    translate();
    nothing->hide();
    caption->setText(captionText(metrics));
    caption->show();
    for (int column = 0; column < kInstrumentCount; ++column) {
        const QStringList texts = columnTexts(metrics, column);
        for (int row = 0; row < InstrumentRowCount; ++row) {
            QLabel *cell = cells[column][row + 1];
            const bool shown = metrics.instruments.at(column).seen || row == RowOffScreen;
            cell->setText(texts.at(row));
            cell->setStyleSheet(shown ? QString() : QLatin1String(kNotSeenStyle));
        }
    }
    cells[InstrumentLeft][RowTipDistance + 1]->setText(
        columnTexts(metrics, InstrumentLeft).at(RowTipDistance));
    for (QLabel *label : findChildren<QLabel *>())
        label->setVisible(label != nothing);
}

void MetricsTable::showNothing(const QString &reason)
{
    for (QLabel *label : findChildren<QLabel *>())
        label->setVisible(label == nothing);
    nothing->setText(reason);
}

QString MetricsTable::cellText(int row, int column) const
{
    if (column == 0)
        return row > 0 && row <= rowLabels.size() ? rowLabels.at(row - 1)->text() : QString();
    const QLabel *cell = cells.value(column - 1).value(row);
    return cell ? cell->text() : QString();
}
