#pragma once

#include <QTime>
#include <QWidget>
#include <memory>

#include "camera/trainingclock.h"
#include "camera/trainingrecording.h"
#include "core/enums.h"
#include "dialogs/hostlistener.h"

namespace Ui {
class PreviewForm;
}
class ExerciseBar;
class TimerWidget;
class VideoWidget;

// The training screen: the live picture of the training box in an embedded
// viewfinder, the record and sound switches and the timing, and the training
// proper: the picture full screen with the running time on top, recorded
// into the account's recording folder, ended by a tap and a Yes or by the
// end of a countdown. The time trained is added to the account's total.
// The screen drives the training; its time is a TrainingClock's, and its
// camera, files and tracking a TrainingRecording's.
class PreviewForm : public QWidget
{
    Q_OBJECT

public:
    explicit PreviewForm(QWidget *parent = nullptr);
    ~PreviewForm() override;

    // Read access for tests and tools.
    VideoWidget *trainingViewfinder() const { return fullScreenWidget; }
    TimerWidget *timeDisplay() const { return timerWidget; }
    const ExerciseBar *exerciseShown() const { return exerciseBar; }
    QString currentVideoPath() const { return recording.videoPath(); }
    QString currentPicturePath() const { return recording.picturePath(); }
    // True while an ended training's figures are still to be shown: being
    // measured, or waiting for the screen to be free of other dialogs.
    bool awaitsResults() const { return recording.isMeasuring() || resultsPending; }

signals:
    void ShowNextForm(FormEnum);
    // A recorded training has been measured, shortly after it ended; the
    // figures are kept beside its video when saved is true.
    void trainingMeasured(const QString &videoPath, const TrainingMeasurement &measurement, bool saved);
    void ShowDialogForm(DialogOpt);
    void ShowNextFormWithLoading(FormEnum, int);

public slots:
    void on_returnBtn_clicked();
    void on_recordBtn_clicked();
    void on_settingsBtn_clicked();
    // Opens the chooser of exercises.
    void on_exerciseBtn_clicked();
    void on_record_toggled(bool checked);
    void on_sound_toggled(bool checked);
    void showFullScreen();
    void closeDialog();
    void closeFullScreen();
    void disconnectDialogButtons();
    void timingSlot(TimerType type, QTime time);
    void updateTime();
    void timeoutDialog();
    void makeScreen();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    void translate();
    // Shows a Yes/No question; Yes calls onYes, No only forgets the question.
    void askQuestion(DialogOpt question, void (PreviewForm::*onYes)());
    // Keeps a measured training's figures for the results dialog, which
    // opens once the training screen is back and free of other dialogs.
    void keepResults(const QString &video, const TrainingMeasurement &measurement, bool saved);
    void showResultsWhenFree();

    std::unique_ptr<Ui::PreviewForm> ui;
    VideoWidget *fullScreenWidget;
    TimerWidget *timerWidget;
    ExerciseBar *exerciseBar;
    // The questions asked and the timing dialog opened over this screen.
    HostListener<PreviewForm> answers;
    // The notice that the countdown has ended the training.
    HostListener<PreviewForm> finishedNotice;
    TrainingClock clock;
    TrainingRecording recording;
    bool resultsPending = false;
};
