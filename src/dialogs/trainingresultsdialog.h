#pragma once

#include <QWidget>
#include <memory>

#include "storage/trainingmetrics.h"

namespace Ui {
class TrainingResultsDialog;
}
class TargetsTable;

// The figures of the training just ended and a picture of both instruments'
// paths over the practice field, shown over the training screen.
class TrainingResultsDialog : public QWidget
{
    Q_OBJECT

public:
    explicit TrainingResultsDialog(QWidget *parent = nullptr);
    ~TrainingResultsDialog() override;

    void setup(const QString &videoPath, const TrainingMeasurement &measurement, const QString &button);
    const TargetsTable *targetsShown() const { return targets; }

signals:
    void okClicked();

private slots:
    void on_pushButton_clicked();

private:
    std::unique_ptr<Ui::TrainingResultsDialog> ui;
    TargetsTable *targets;
};
