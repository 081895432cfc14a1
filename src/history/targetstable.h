#pragma once

#include <QWidget>

#include "storage/trainingmetrics.h"

struct TargetResult;
class QGridLayout;
class QLabel;

// How a training of an exercise did against the exercise's targets: a line
// for each target with the figure reached, the target, the figure as a
// percentage of it, and whether it was met. Hidden for free training.
class TargetsTable : public QWidget
{
    Q_OBJECT

public:
    explicit TargetsTable(QWidget *parent = nullptr);

    // exerciseTitle names the exercise in the heading.
    void showTargets(const TrainingMetrics &metrics, const QString &exerciseTitle);

    // The heading and a target's cells (name, figure reached, target,
    // percentage, met or not) as the table shows them and a report prints
    // them.
    static QString headingText(const TrainingMetrics &metrics, const QString &exerciseTitle);
    static QStringList cellTexts(const TargetResult &result);

    // For tests: the heading, then one line per target, its cells separated
    // by " | ".
    QStringList lines() const;

private:
    QLabel *heading;
    QGridLayout *grid;
};
