#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "storage/trainingmetricsfile.h"

// One figure of every measured training of an account, oldest on the left,
// a line for each instrument: the trainee's learning curve. A training
// without measurements, or in which an instrument was not seen, leaves a gap
// in that line.
class LearningCurve : public QWidget
{
    Q_OBJECT

public:
    enum Figure { PathLength, ActiveTime, IdleTime, MeanSpeed, Economy, MovementUnits, FigureCount };

    explicit LearningCurve(QWidget *parent = nullptr);

    static QString figureName(Figure figure);
    static std::optional<double> figureOf(const StoredMetrics &stored, int instrument, Figure figure);

    void setTrainings(const QVector<StoredMetrics> &trainings);
    void setFigure(Figure figure);
    Figure figure() const { return shown; }
    // The points drawn for an instrument, a value or a gap per training.
    QVector<std::optional<double>> points(int instrument) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVector<StoredMetrics> trainings;
    Figure shown = PathLength;
};
