#pragma once

#include <QFrame>
#include <QFutureWatcher>

#include "storage/trainingmetricsfile.h"

class QComboBox;
class QLabel;
class LearningCurve;
class MetricsTable;

// Beside the training history: the selected training's figures, read on a
// worker thread, and one figure of the listed trainings, the learning curve.
class MeasurementsPanel : public QFrame
{
    Q_OBJECT

public:
    explicit MeasurementsPanel(QWidget *parent = nullptr);
    ~MeasurementsPanel() override;

    // No path: the history holds no training.
    void showTraining(const QString &videoPath);
    // The learning curve of these trainings, oldest first, against the
    // targets of the exercise they are trainings of (all 0 for none).
    void showHistory(const QVector<StoredMetrics> &trainings, const ExerciseTargets &targets);

    const MetricsTable *table() const { return figures; }
    const LearningCurve *learningCurve() const { return curve; }
    // True while the selected training's figures are still being read.
    bool isReading() const { return selection.isRunning(); }

private:
    void translate();
    void showSelectedFigures();

    QLabel *title;
    MetricsTable *figures;
    QLabel *curveTitle;
    QComboBox *figureChoice;
    LearningCurve *curve;
    // The figures of the training selected last.
    QFutureWatcher<StoredMetrics> selection;
    QString selectedVideo;
};
