#pragma once

#include <QVector>
#include <QWidget>

#include "storage/trainingmetrics.h"

// The distance between the two tips through a training, how far apart the
// hands worked: a line over time, broken where either tip was out of sight,
// and the mean as a dashed line. Empty while no frame saw both tips.
class TipDistanceChart : public QWidget
{
    Q_OBJECT

public:
    explicit TipDistanceChart(QWidget *parent = nullptr);

    void showDistances(const TrainingMeasurement &measurement);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVector<TipDistance> distances;
    double scale = 1;
    QString unit;
    std::optional<double> mean;
};
