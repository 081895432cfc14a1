#pragma once

#include <QFutureWatcher>
#include <QWidget>
#include <memory>

#include "catalogue/getonlinetrainingsthread.h"
#include "core/enums.h"
#include "core/touchlist.h"
#include "storage/trainingmetricsfile.h"

namespace Ui {
class ChooseTrainingForm;
}
class QScenarioFrame;
class QTimer;
struct ExerciseProgress;

// The exercise chooser, opened from the training screen: one row for each
// exercise of the session's catalogue with the account's progress in it, in
// a list that scrolls with the finger and coasts on. The list is built again
// whenever the loader reports a changed catalogue. A tap selects a row and
// CHOOSE TRAINING (or a double tap) makes it the account's exercise; FREE
// TRAINING trains without one; BACK changes nothing. Each goes back to the
// training screen.
class ChooseTrainingForm : public QWidget
{
    Q_OBJECT

public:
    explicit ChooseTrainingForm(QWidget *parent);
    ~ChooseTrainingForm() override;

    // Reads the exercises anew on the loader's thread: the built-in ones and
    // those of the session's data location; the list follows when done.
    void loadExercises();

    // Read access for tests and tools.
    GetOnlineTrainingsThread &loader() { return trainingsLoader; }
    float scrollSpeed() const { return scroller.speed(); }
    int selectedExercise() const { return selected; }
    const QVector<QScenarioFrame *> &exerciseRows() const { return rows; }
    bool isReadingProgress() const { return progressReading.isRunning(); }

signals:
    void ShowNextForm(FormEnum form);
    void ShowDialogForm(DialogOpt opt);

public slots:
    void animationMainLoop();
    void scrollList(int dx, int dy);
    void ResultsFromDatabaseAppended();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    void translate();
    void select(int id);
    // Keeps the choice for the account and goes back to the training screen.
    void choose(int id);
    // Reads the account's trainings on a worker thread; the rows' progress
    // lines follow.
    void readProgress();
    void showProgress();
    QString progressLine(const ExerciseProgress &progress) const;

    std::unique_ptr<Ui::ChooseTrainingForm> ui;
    QWidget *listContainer;
    KineticScroll scroller { KineticScroll::Truncation::Position };
    QTimer *animationTimer;
    GetOnlineTrainingsThread trainingsLoader;
    QVector<QScenarioFrame *> rows;
    // The exercise id of the selected row; 0 when none is.
    int selected = 0;
    QFutureWatcher<QVector<TrainingWithMetrics>> progressReading;
};
