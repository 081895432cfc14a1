#include "history/comparisontable.h"

#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <QVariant>

#include "history/metricstable.h"

namespace {

constexpr auto kStyle = "QLabel {color: rgb(220, 220, 220);}"
                        "QLabel[heading=true] {color: white; font-weight: bold;}"
                        "QLabel[better=true] {color: rgb(110, 230, 120); font-weight: bold;}";
constexpr int kColumnSpacing = 24;
constexpr int kRowSpacing = 4;
// Grid rows before the figures: the trainings' headings and the instruments'.
constexpr int kHeadingRows = 2;
constexpr int kTimeRow = 0;
constexpr int kColumnsPerTraining = kInstrumentCount;
constexpr int kFigureRows = 1 + MetricsTable::RowCount;

// Whether a lower figure is better, by MetricsTable's rows. Lower is better
// for the times (active, idle, off screen: the same work done sooner, with
// fewer pauses, with the instrument in sight), the path length, the economy
// of motion (1 is a straight path), the movement units and the normalised
// jerk (both lower for smoother). The speeds, the share of the work and the
// distance between the tips have no better way: faster is not safer, and an
// even share or a distance depends on the exercise.
bool lowerIsBetter(int row)
{
    switch (row) {
    case MetricsTable::RowMeanSpeed:
    case MetricsTable::RowPeakSpeed:
    case MetricsTable::RowWorkShare:
    case MetricsTable::RowTipDistance:
        return false;
    default:
        return true;
    }
}

} // namespace

ComparisonTable::ComparisonTable(QWidget *parent)
    : QWidget(parent)
    , grid(new QGridLayout(this))
{
    setStyleSheet(QLatin1String(kStyle));
    grid->setHorizontalSpacing(kColumnSpacing);
    grid->setVerticalSpacing(kRowSpacing);
    for (int training = 0; training < 2; ++training) {
        headings[training] = new QLabel(this);
        headings[training]->setProperty("heading", true);
        grid->addWidget(headings[training], 0, 1 + training * kColumnsPerTraining, 1, kColumnsPerTraining,
            Qt::AlignCenter);
        for (int instrument = 0; instrument < kInstrumentCount; ++instrument) {
            auto *name = new QLabel(this);
            name->setStyleSheet(QStringLiteral("color: %1;").arg(instrumentColour(instrument).name()));
            grid->addWidget(name, 1, 1 + training * kColumnsPerTraining + instrument, Qt::AlignRight);
        }
    }
    for (int row = 0; row < kFigureRows; ++row) {
        auto *name = new QLabel(this);
        name->setProperty("heading", true);
        grid->addWidget(name, kHeadingRows + row, 0);
        for (int column = 1; column <= 2 * kColumnsPerTraining; ++column)
            grid->addWidget(new QLabel(this), kHeadingRows + row, column, Qt::AlignRight);
    }
    translate();
}

void ComparisonTable::translate()
{
    for (int column = 1; column <= 2 * kColumnsPerTraining; ++column)
        qobject_cast<QLabel *>(grid->itemAtPosition(1, column)->widget())
            ->setText(MetricsTable::instrumentName((column - 1) % kColumnsPerTraining));
    const QStringList names = QStringList { tr("Training time") } + MetricsTable::rowNames();
    for (int row = 0; row < kFigureRows; ++row)
        cell(row, 0)->setText(names.at(row));
}

std::optional<int> ComparisonTable::lowerOf(
    const std::array<std::optional<double>, 2> &figures, const std::array<QString, 2> &texts)
{
    if (!figures[0] || !figures[1] || texts[0] == texts[1])
        return std::nullopt;
    return *figures[0] < *figures[1] ? 0 : 1;
}

// A figure of one instrument of one training, and its text.
struct ComparisonTable::Figure
{
    std::optional<double> value;
    QString text;
};

ComparisonTable::Figure ComparisonTable::figureOf(const StoredMetrics &stored, int row, int instrument)
{
    if (stored.status != StoredStatus::Present)
        return {};
    const TrainingMetrics &metrics = stored.metrics;
    if (row == kTimeRow)
        return { metrics.durationSeconds,
            QString::number(metrics.durationSeconds, 'f', 1) + QStringLiteral(" s") };
    return { MetricsTable::figure(metrics, instrument, row - 1),
        MetricsTable::columnTexts(metrics, instrument).at(row - 1) };
}

void ComparisonTable::showTrainings(
    const QStringList &titles, const StoredMetrics &first, const StoredMetrics &second)
{
    translate();
    for (int training = 0; training < 2; ++training)
        headings[training]->setText(titles.value(training));
    // Lengths in pixels and in millimetres are not compared.
    const bool sameUnit = first.metrics.unit == second.metrics.unit;
    for (int row = 0; row < kFigureRows; ++row) {
        const int tableRow = row - 1;
        const bool judged = row == kTimeRow
            || (lowerIsBetter(tableRow) && (sameUnit || tableRow != MetricsTable::RowPathLength));
        // The training time is the whole training's, in the left instrument's column.
        for (int instrument = 0; instrument < (row == kTimeRow ? 1 : kInstrumentCount); ++instrument) {
            const std::array<Figure, 2> figures { figureOf(first, row, instrument),
                figureOf(second, row, instrument) };
            const std::optional<int> better = judged
                ? lowerOf({ figures[0].value, figures[1].value }, { figures[0].text, figures[1].text })
                : std::nullopt;
            for (int training = 0; training < 2; ++training) {
                QLabel *label = cell(row, 1 + training * kColumnsPerTraining + instrument);
                label->setText(figures[training].text);
                label->setProperty("better", better == training);
                label->style()->unpolish(label);
                label->style()->polish(label);
            }
        }
    }
}

QLabel *ComparisonTable::cell(int row, int column) const
{
    QLayoutItem *item = grid->itemAtPosition(kHeadingRows + row, column);
    return item ? qobject_cast<QLabel *>(item->widget()) : nullptr;
}

QString ComparisonTable::cellText(int row, int column) const
{
    const QLabel *label = cell(row, column);
    return label ? label->text() : QString();
}

bool ComparisonTable::isMarked(int row, int column) const
{
    const QLabel *label = cell(row, column);
    return label && label->property("better").toBool();
}
