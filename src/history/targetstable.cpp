#include "history/targetstable.h"

#include <QGridLayout>
#include <QLabel>
#include <QVariant>

#include "core/apptext.h"
#include "storage/exercisetargets.h"

namespace {

constexpr auto kStyle = "QLabel {color: rgb(220, 220, 220);}"
                        "QLabel[heading=true] {color: white; font-weight: bold;}";
constexpr auto kMetColour = "rgb(110, 220, 120)";
constexpr auto kMissedColour = "rgb(240, 150, 90)";
constexpr int kColumnSpacing = 30;
constexpr int kCells = 5;

} // namespace

TargetsTable::TargetsTable(QWidget *parent)
    : QWidget(parent)
    , heading(new QLabel(this))
    , grid(new QGridLayout(this))
{
    setStyleSheet(QLatin1String(kStyle));
    heading->setProperty("heading", true);
    grid->setHorizontalSpacing(kColumnSpacing);
    grid->addWidget(heading, 0, 0, 1, kCells);
    hide();
}

void TargetsTable::showTargets(const TrainingMetrics &metrics, const QString &exerciseTitle)
{
    while (grid->count() > 1) {
        QLayoutItem *item = grid->takeAt(1);
        delete item->widget();
        delete item;
    }
    setVisible(metrics.exercise.has_value());
    if (!metrics.exercise)
        return;
    const QVector<TargetResult> results = assessTargets(metrics, metrics.exercise->targets);
    heading->setText(headingText(metrics, exerciseTitle));
    int row = 1;
    for (const TargetResult &result : results) {
        const QStringList cells = cellTexts(result);
        for (int column = 0; column < kCells; ++column) {
            auto *cell = new QLabel(cells.at(column), this);
            if (column == kCells - 1)
                cell->setStyleSheet(
                    QStringLiteral("color: %1;").arg(result.met ? kMetColour : kMissedColour));
            grid->addWidget(cell, row, column, column == 0 ? Qt::AlignLeft : Qt::AlignRight);
        }
        ++row;
    }
}

QString TargetsTable::headingText(const TrainingMetrics &metrics, const QString &exerciseTitle)
{
    return metEveryTarget(metrics) ? tr("%1: every target met").arg(exerciseTitle)
                                   : tr("%1: targets").arg(exerciseTitle);
}

QStringList TargetsTable::cellTexts(const TargetResult &result)
{
    const auto figureText = [](TargetFigure figure, double value) {
        return figure == TargetFigure::LeftPath || figure == TargetFigure::RightPath
            ? QStringLiteral("%1 mm").arg(qRound(value))
            : toDurationString(qRound(value));
    };
    const QString names[] = { tr("Time"), tr("Left path length"), tr("Right path length"),
        tr("Left idle time"), tr("Right idle time") };
    return { names[static_cast<int>(result.figure)],
        result.achieved ? figureText(result.figure, *result.achieved) : tr("not measured"),
        tr("target %1").arg(figureText(result.figure, result.target)),
        result.percent ? QStringLiteral("%1 %").arg(qRound(*result.percent)) : QStringLiteral("–"),
        result.met ? tr("met") : tr("not met") };
}

QStringList TargetsTable::lines() const
{
    QStringList lines { heading->text() };
    for (int row = 1; row < grid->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < kCells; ++column) {
            if (QLayoutItem *item = grid->itemAtPosition(row, column))
                cells << static_cast<const QLabel *>(item->widget())->text();
        }
        if (!cells.isEmpty())
            lines << cells.join(QStringLiteral(" | "));
    }
    return lines;
}
