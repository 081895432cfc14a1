#pragma once

#include <QFrame>
#include <QFutureWatcher>

#include "storage/trainingmetricsfile.h"

class QComboBox;
class QLabel;
class LearningCurve;
class MetricsTable;

// Beside the training history: the selected training's figures and one
// figure of all the account's trainings, the learning curve. The figures
// files are small; the whole history's are read on a worker thread.
class MeasurementsPanel : public QFrame
{
    Q_OBJECT

public:
    explicit MeasurementsPanel(QWidget *parent = nullptr);
    ~MeasurementsPanel() override;

    void showTraining(const QString &videoPath);
    void showHistory(const QString &recordingFolder);

    const MetricsTable *table() const { return figures; }
    const LearningCurve *learningCurve() const { return curve; }
    // True while the history's or the selected training's figures are
    // still being read.
    bool isReading() const { return reading.isRunning() || selection.isRunning(); }

private:
    void translate();
    void showSelectedFigures();

    QLabel *title;
    MetricsTable *figures;
    QLabel *curveTitle;
    QComboBox *figureChoice;
    LearningCurve *curve;
    QFutureWatcher<QVector<StoredMetrics>> reading;
    // The figures of the training selected last.
    QFutureWatcher<StoredMetrics> selection;
};
