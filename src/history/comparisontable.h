#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "storage/trainingmetricsfile.h"

class QGridLayout;
class QLabel;

// The figures of two trainings side by side, as the measurements panel's
// table shows one training's: a column for each instrument of each, under
// the training time. In each row the better of the two figures of an
// instrument stands out; rows without a better way (the speeds, the share of
// the work, the distance between the tips) mark nothing.
class ComparisonTable : public QWidget
{
    Q_OBJECT

public:
    explicit ComparisonTable(QWidget *parent = nullptr);

    // What each training's figures file held, under their titles; one
    // without figures leaves its columns empty and marks nothing.
    void showTrainings(const QStringList &titles, const StoredMetrics &first, const StoredMetrics &second);

    // Of two figures of the same kind, lower being better: which one, 0 or
    // 1; none for a tie (the same shown text) or when either was not
    // measured, which never wins.
    static std::optional<int> lowerOf(
        const std::array<std::optional<double>, 2> &figures, const std::array<QString, 2> &texts);

    // For tests: row 0 holds the training time, then MetricsTable's rows;
    // column 0 is the figures' names, then the first training's left and
    // right instrument, then the second's.
    QString cellText(int row, int column) const;
    bool isMarked(int row, int column) const;

private:
    struct Figure;
    static Figure figureOf(const StoredMetrics &stored, int row, int instrument);
    void translate();
    QLabel *cell(int row, int column) const;

    QGridLayout *grid;
    std::array<QLabel *, 2> headings;
};
