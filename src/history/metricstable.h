#pragma once

#include <QWidget>

#include "storage/trainingmetrics.h"

class QLabel;

// The colour each instrument is drawn and headed in, that of its tip band.
QColor instrumentColour(int instrument);

// The figures of one measured training, a column for each instrument: times,
// path length, speeds, economy of motion, movement units, normalised jerk
// and the share of the work; under them the mean distance between the tips.
// An instrument that never appeared says "not seen" instead of figures that
// would read as zeros.
class MetricsTable : public QWidget
{
    Q_OBJECT

public:
    enum Row {
        RowActive,
        RowIdle,
        RowOffScreen,
        RowPathLength,
        RowMeanSpeed,
        RowPeakSpeed,
        RowEconomy,
        RowMovementUnits,
        RowNormalisedJerk,
        RowWorkShare,
        InstrumentRowCount,
        // A figure of the whole training, in a cell across both columns.
        RowTipDistance = InstrumentRowCount,
        RowCount
    };

    explicit MetricsTable(QWidget *parent = nullptr);

    void showMetrics(const TrainingMetrics &metrics);
    // No figures to show, and why.
    void showNothing(const QString &reason);

    // The names of the rows, from the time active down to the distance
    // between the tips, and what an instrument's column says in them, as the
    // table shows them and a report prints them; the distance between the
    // tips is the left column's only.
    static QStringList rowNames();
    static QStringList columnTexts(const TrainingMetrics &metrics, int instrument);
    static QString instrumentName(int instrument);
    static QString captionText(const TrainingMetrics &metrics);
    // The figure of a row as a number, in the unit its text shows; none
    // where the column says "not seen" or "–".
    static std::optional<double> figure(const TrainingMetrics &metrics, int instrument, int row);

    // The text in a cell, for tests: row 0 holds the headings.
    QString cellText(int row, int column) const;

private:
    void translate();

    QLabel *caption;
    QVector<QLabel *> rowLabels;
    QVector<QVector<QLabel *>> cells;
    QLabel *nothing;
};
