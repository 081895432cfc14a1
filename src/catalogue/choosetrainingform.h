#pragma once

#include <QWidget>
#include <memory>

#include "catalogue/getonlinetrainingsthread.h"
#include "core/enums.h"
#include "core/touchlist.h"

namespace Ui {
class ChooseTrainingForm;
}
class QTimer;

// The training chooser: one row for each scenario of the session's catalogue,
// in a list that scrolls with the finger and coasts on. The list is built
// again whenever the loader reports a changed catalogue. A row's tap or
// double tap changes that row's look; the screen's buttons do nothing yet.
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
    std::unique_ptr<Ui::ChooseTrainingForm> ui;
    QWidget *listContainer;
    KineticScroll scroller { KineticScroll::Truncation::Position };
    QTimer *animationTimer;
    GetOnlineTrainingsThread trainingsLoader;
};
