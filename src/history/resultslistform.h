#pragma once

#include <QTimer>
#include <QVector>
#include <QWidget>
#include <memory>

#include "core/enums.h"
#include "core/touchlist.h"
#include "dialogs/hostlistener.h"
#include "storage/trainingrecords.h"

namespace Ui {
class ResultsListForm;
}
class CompareChoice;
class ExerciseFilter;
class HistoryActions;
class MeasurementsPanel;
class SimpleListItem;
class TrainingRows;

// The training history of the current account: its recorded trainings,
// newest on top, read from the recording folder at every showing, all of
// them or those of the exercise an ExerciseFilter chooses. A row is selected
// by a tap and played by a double tap or PLAY; DELETE and EXPORT act on the
// checked rows, or on the selected one when none is checked. The list
// scrolls with the finger and coasts on; its rows are a TrainingRows', and
// what the buttons do to trainings a HistoryActions'.
class ResultsListForm : public QWidget
{
    Q_OBJECT

public:
    explicit ResultsListForm(QWidget *parent = nullptr);
    ~ResultsListForm() override;

    void getTrainings();

    // Read access for tests and tools: the rows built, those in sight, in
    // the order of their identifiers.
    const QVector<SimpleListItem *> &rows() const;
    int trainingCount() const;
    float scrollVelocity() const { return scroller.speed(); }

signals:
    void ShowNextForm(FormEnum);
    void ShowDialogForm(DialogOpt);

public slots:
    void on_returnBtn_clicked();
    void on_deleteBtn_clicked();
    void on_exportBtn_clicked();
    void on_playBtn_clicked();
    void on_resetTimeBtn_clicked();
    void on_pushButton_toggled(bool checked);
    void acceptSelectedSlot(SimpleListItem *sender, int video, QString path);
    void acceptDblClickSlot(SimpleListItem *sender, int video, QString path);
    void deleteItem();
    void disconnectDialogForm();
    void animationMainLoop();
    void scrollList(int dx, int dy);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    // The videos DELETE and EXPORT act on: the checked rows', or the
    // selected training's when no row is checked.
    QStringList targetVideos() const;
    // Lists these trainings, the player's list with them, and selects the
    // oldest.
    void showTrainings(const QVector<TrainingRecord> &records);
    // The exercises are known: the rows named, the list narrowed to the
    // chosen trainings if the choice now names others, the curve drawn.
    void showExercises();
    void showChosenTrainings();
    void translate();
    void showExportProgress(const QString &status, int done, int total);
    void showExportResult(const QString &report);
    // The list after a deletion, and what could not be deleted.
    void showDeletion(const QString &report);

    std::unique_ptr<Ui::ResultsListForm> ui;
    QWidget *listContainer;
    HistoryActions *actions;
    KineticScroll scroller { KineticScroll::Truncation::Speed };
    MeasurementsPanel *measurements;
    HostListener<ResultsListForm> answers;
    QTimer animationTimer;
    TrainingRows *trainingRows;
    ExerciseFilter *exerciseFilter;
    CompareChoice *comparison;
    // Every training in the recording folder, listed or not.
    QVector<TrainingRecord> everyTraining;
};
