#pragma once

#include <QWidget>
#include <array>
#include <optional>

class QPainter;

#include "storage/trainingmetricsfile.h"

// One figure of every measured training of an account, oldest on the left,
// a line for each instrument: the trainee's learning curve. A training
// without measurements, or in which an instrument was not seen, leaves a gap
// in that line. A figure of the whole training, the training time, is a
// single line, the first. The trainings of an exercise are drawn against its
// targets, a dashed line for each figure that has one.
class LearningCurve : public QWidget
{
    Q_OBJECT

public:
    enum Figure {
        PathLength,
        ActiveTime,
        IdleTime,
        MeanSpeed,
        Economy,
        MovementUnits,
        TrainingTime,
        FigureCount
    };

    explicit LearningCurve(QWidget *parent = nullptr);

    static QString figureName(Figure figure);
    static std::optional<double> figureOf(const StoredMetrics &stored, int instrument, Figure figure);

    // The curve of a figure over these trainings, drawn into area on any
    // painter, its axes and texts in ink: the widget's, a report's.
    static void draw(QPainter &painter, const QRectF &area, const QVector<StoredMetrics> &trainings,
        const ExerciseTargets &targets, Figure figure, const QColor &ink);

    // targets all 0 for trainings of no one exercise.
    void setTrainings(const QVector<StoredMetrics> &trainings, const ExerciseTargets &targets);
    void setFigure(Figure figure);
    Figure figure() const { return shown; }
    // The points drawn for an instrument, a value or a gap per training.
    QVector<std::optional<double>> points(int instrument) const;
    // The target line drawn for an instrument, if any.
    std::optional<double> target(int instrument) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    static QVector<std::optional<double>> pointsOf(
        const QVector<StoredMetrics> &trainings, int instrument, Figure figure);
    static std::optional<double> targetOf(const QVector<StoredMetrics> &trainings,
        const ExerciseTargets &targets, int instrument, Figure figure);

    QVector<StoredMetrics> trainings;
    ExerciseTargets targets;
    Figure shown = PathLength;
};
