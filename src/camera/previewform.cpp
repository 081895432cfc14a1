#include "camera/previewform.h"

#include <QLayout>
#include <QShowEvent>
#include <QSignalBlocker>

#include "camera/exercisebar.h"
#include "camera/timerwidget.h"
#include "camera/timingsettingsdialog.h"
#include "camera/videowidget.h"
#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "core/logging.h"
#include "core/touchfeedback.h"
#include "dialogs/dialogform.h"
#include "storage/exercisetargets.h"
#include "storage/user.h"
#include "ui_previewform.h"

namespace {

// The loading screen shown between the end of a training and this screen.
constexpr int kLoadingScreenMs = 1000;
// On narrower displays the bottom bar has no room for the logo.
constexpr int kNarrowDisplayWidth = 1099;

const QTime kMidnight(0, 0, 0);

} // namespace

PreviewForm::PreviewForm(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::PreviewForm>())
    , fullScreenWidget(new VideoWidget(this))
    , timerWidget(new TimerWidget(fullScreenWidget))
    , exerciseBar(new ExerciseBar(this))
    , answers(this)
    , finishedNotice(this)
{
    ui->setupUi(this);
    for (QWidget *button : { ui->returnBtn, ui->recordBtn, ui->settingsBtn, ui->exerciseBtn })
        button->installEventFilter(this);
    ui->verticalLayout->insertWidget(ui->verticalLayout->indexOf(ui->bottomFrame), exerciseBar);
    connect(exerciseBar, &ExerciseBar::countdownChosen, this,
        [this](QTime target) { timingSlot(TimerCountdown, target); });
    connect(&clock, &TrainingClock::secondPassed, this, &PreviewForm::updateTime);
    connect(&clock, &TrainingClock::countdownEnded, this, &PreviewForm::timeoutDialog);
    connect(&recording, &TrainingRecording::pictureDue, this, &PreviewForm::makeScreen);
    connect(&recording, &TrainingRecording::measured, this, &PreviewForm::trainingMeasured);
    connect(this, &PreviewForm::trainingMeasured, this, &PreviewForm::keepResults);

    // Hidden until a training starts; the window that hosts the screens
    // lays it out in their place.
    fullScreenWidget->hide();
    timerWidget->hide();
    connect(fullScreenWidget, &VideoWidget::mouseClicked, this, &PreviewForm::closeDialog);
}

PreviewForm::~PreviewForm() = default;

void PreviewForm::showEvent(QShowEvent *event)
{
    ui->retranslateUi(this);
    timerWidget->update(clock.resume());
    qCDebug(lcCamera) << "show event";
    ClientSessionInfo::actualForm = this;

    const QRect display = ClientSessionInfo::mainDisplay;
    ui->logo->setVisible(display.right() - display.left() + 1 > kNarrowDisplayWidth);
    ClientSessionInfo::startCameraPreview(ui->widget, false, false, QString(), QString());
    translate();

    const bool guest = ClientSessionInfo::OfflineMode;
    for (QWidget *control : { static_cast<QWidget *>(ui->recordBtn), static_cast<QWidget *>(ui->settingsBtn),
             static_cast<QWidget *>(ui->exerciseBtn), static_cast<QWidget *>(ui->record),
             static_cast<QWidget *>(ui->sound) })
        control->setEnabled(!guest);
    exerciseBar->showExercise(ClientSessionInfo::chosenExercise());
    QWidget::showEvent(event);
    showResultsWhenFree();

    User *user = ClientSessionInfo::actualUser();
    if (!user || guest)
        return;
    ui->sound->setEnabled(user->recordVideo != 0);
    {
        // The switches only show the record here; writing it back is not needed.
        const QSignalBlocker recordQuiet(ui->record);
        const QSignalBlocker soundQuiet(ui->sound);
        ui->record->setChecked(user->recordVideo != 0);
        ui->sound->setChecked(user->recordSound != 0);
    }
    if (user->stopwatchOn)
        timingSlot(TimerStopwatch, kMidnight);
    else if (user->timerOn)
        timingSlot(TimerCountdown, countdownDuration(*user));
}

void PreviewForm::translate()
{
    ui->returnBtn->setText(text(TxtBack, false, true, false, 0));
    ui->recordBtn->setText(text(TxtStartTraining, false, true, true, 0) + QStringLiteral("   "));
    ui->recordVideo->setText(text(TxtRecordVideo, false, false, true, 0));
    ui->recordSound->setText(text(TxtRecordSound, false, false, true, 0));
    ui->settingsBtn->setText(text(TxtTimer, false, true, false, 0));
    ui->exerciseBtn->setText(tr("EXERCISE"));
}

void PreviewForm::hideEvent(QHideEvent *event)
{
    clock.pause();
    ClientSessionInfo::stopPreview();
    QWidget::hideEvent(event);
}

bool PreviewForm::eventFilter(QObject *object, QEvent *event)
{
    applyTouchFeedback(object, event);
    return false;
}

void PreviewForm::on_returnBtn_clicked()
{
    ClientSessionInfo::timertype = TimerNone;
    ClientSessionInfo::stopPreview();
    emit ShowNextForm(ClientSessionInfo::OfflineMode ? FormLogin : FormMenu);
}

void PreviewForm::on_recordBtn_clicked()
{
    askQuestion(DialogFullScreen, &PreviewForm::showFullScreen);
}

void PreviewForm::askQuestion(DialogOpt question, void (PreviewForm::*onYes)())
{
    emit ShowDialogForm(question);
    answers.listen(&DialogForm::rightButtonDecision, onYes);
    answers.listen(&DialogForm::leftButtonDecision, &PreviewForm::disconnectDialogButtons);
}

void PreviewForm::on_settingsBtn_clicked()
{
    if (const User *user = ClientSessionInfo::actualUser())
        qCDebug(lcCamera) << "stopwatch timer" << user->timerOn << user->stopwatchOn;
    emit ShowDialogForm(DialogTimingSettings);
    answers.listen(&DialogForm::okButtonTimingDialog, &PreviewForm::timingSlot);
}

void PreviewForm::on_exerciseBtn_clicked()
{
    ClientSessionInfo::stopPreview();
    emit ShowNextForm(FormChooseTraining);
}

void PreviewForm::on_record_toggled(bool checked)
{
    if (User *user = ClientSessionInfo::actualUser()) {
        user->recordVideo = checked;
        if (!ClientSessionInfo::updateActualUser())
            qCDebug(lcCamera) << "failed update user";
    }
    ui->sound->setEnabled(checked);
}

void PreviewForm::on_sound_toggled(bool checked)
{
    User *user = ClientSessionInfo::actualUser();
    if (!user)
        return;
    user->recordSound = checked;
    if (!ClientSessionInfo::updateActualUser())
        qCDebug(lcCamera) << "failed update user";
}

void PreviewForm::disconnectDialogButtons()
{
    answers.stopListening();
}

void PreviewForm::timingSlot(TimerType type, QTime time)
{
    disconnectDialogButtons();
    User *user = ClientSessionInfo::actualUser();
    clock.choose(type, time);
    if (!user)
        return;
    user->stopwatchOn = type == TimerStopwatch;
    user->timerOn = type == TimerCountdown;
    user->timerSeconds = time.hour() * 3600 + time.minute() * 60 + time.second();
    if (!ClientSessionInfo::updateActualUser())
        qCDebug(lcCamera) << "failed update user";
}

void PreviewForm::showFullScreen()
{
    disconnectDialogButtons();
    const User *user = ClientSessionInfo::actualUser();
    if (!user)
        return;
    std::optional<TrainedExercise> exercise;
    if (const Scenario *chosen = ClientSessionInfo::chosenExercise())
        exercise = TrainedExercise { chosen->id, exerciseTargets(*chosen) };
    recording.prepare(*user, exercise);
    hide();
    ClientSessionInfo::actualForm = fullScreenWidget;
    recording.start(fullScreenWidget);
    clock.start();
    timerWidget->update(kMidnight);
    timerWidget->show();
    recording.schedulePicture();
}

void PreviewForm::makeScreen()
{
    recording.takePicture();
}

void PreviewForm::updateTime()
{
    timerWidget->update(clock.advance());
}

void PreviewForm::closeDialog()
{
    askQuestion(DialogFinishTraining, &PreviewForm::closeFullScreen);
}

void PreviewForm::timeoutDialog()
{
    clock.pause();
    recording.finish();
    clock.creditCountdownEnd();
    finishedNotice.listen(&DialogForm::okButtonInfoDialog, &PreviewForm::closeFullScreen);
    emit ShowDialogForm(DialogTrainingFinished);
}

void PreviewForm::closeFullScreen()
{
    timerWidget->hide();
    finishedNotice.stopListening();
    qCDebug(lcCamera) << "Closing";
    clock.creditTapEnd();
    ClientSessionInfo::updateActualUser();
    answers.stopListening();
    recording.finish();
    emit ShowNextFormWithLoading(FormPreview, kLoadingScreenMs);
}

void PreviewForm::keepResults(const QString &video, const TrainingMeasurement &measurement, bool saved)
{
    // Figures that could not be kept with a recording are not shown either:
    // the training has no video to go with them.
    if (!saved)
        return;
    ClientSessionInfo::measuredVideo = video;
    ClientSessionInfo::lastMeasurement = measurement;
    resultsPending = true;
    showResultsWhenFree();
}

void PreviewForm::showResultsWhenFree()
{
    const DialogForm *host = ClientSessionInfo::dialogHost();
    if (!resultsPending || !isVisible() || ClientSessionInfo::actualForm != this
        || (host && host->isDialogVisible()))
        return;
    resultsPending = false;
    emit ShowDialogForm(DialogTrainingResults);
}
