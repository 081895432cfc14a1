#include "camera/previewform.h"

#include <QCamera>
#include <QDateTime>
#include <QDir>
#include <QLayout>
#include <QMainWindow>
#include <QShowEvent>
#include <QSignalBlocker>
#include <limits>

#include "camera/camera.h"
#include "camera/timerwidget.h"
#include "camera/timingsettingsdialog.h"
#include "camera/videowidget.h"
#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "core/logging.h"
#include "core/touchfeedback.h"
#include "dialogs/dialogform.h"
#include "storage/trainingrecords.h"
#include "storage/user.h"
#include "ui_previewform.h"

namespace {

constexpr int kClockTickMs = 1000;
// The training's picture is taken once the camera has settled.
constexpr int kPictureDelayMs = 3000;
// The loading screen shown between the end of a training and this screen.
constexpr int kLoadingScreenMs = 1000;
// On narrower displays the bottom bar has no room for the logo.
constexpr int kNarrowDisplayWidth = 1099;
// Seconds the total training time does not count: one when the trainee ends
// the training, two when the countdown ends it.
constexpr int kTapFinishCorrection = 1;
constexpr int kCountdownFinishCorrection = 2;

const QTime kMidnight(0, 0, 0);

} // namespace

PreviewForm::PreviewForm(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::PreviewForm>())
    , fullScreenWidget(new VideoWidget(this))
    , timerWidget(new TimerWidget(fullScreenWidget))
    , answers(this)
    , finishedNotice(this)
{
    ui->setupUi(this);
    for (QWidget *button : { ui->returnBtn, ui->recordBtn, ui->settingsBtn })
        button->installEventFilter(this);
    updateTimer.setInterval(kClockTickMs);
    // The clock must not run ahead of the seconds counted for the training:
    // a coarse timer would show a second before it has passed, and a
    // trainee ending at the time shown would be counted a second less.
    updateTimer.setTimerType(Qt::PreciseTimer);
    connect(&updateTimer, &QTimer::timeout, this, &PreviewForm::updateTime);
    finishTimer.setSingleShot(true);
    // A coarse timer may fire up to 5 % early, and the whole seconds counted
    // for the training would then fall a second short.
    finishTimer.setTimerType(Qt::PreciseTimer);
    pictureTimer.setSingleShot(true);
    pictureTimer.setInterval(kPictureDelayMs);
    connect(&pictureTimer, &QTimer::timeout, this, &PreviewForm::makeScreen);
    connect(&tracker, &TipTracker::measured, this, &PreviewForm::trainingMeasured);
    connect(this, &PreviewForm::trainingMeasured, this, &PreviewForm::keepResults);

    // The training's picture takes the place of every screen: it lives in
    // the main window's screen area, hidden until a training starts.
    fullScreenWidget->hide();
    timerWidget->hide();
    if (auto *window = qobject_cast<QMainWindow *>(parent)) {
        if (window->centralWidget() && window->centralWidget()->layout())
            window->centralWidget()->layout()->addWidget(fullScreenWidget);
    }
    connect(fullScreenWidget, &VideoWidget::mouseClicked, this, &PreviewForm::closeDialog);
}

PreviewForm::~PreviewForm() = default;

void PreviewForm::showEvent(QShowEvent *event)
{
    ui->retranslateUi(this);
    if (ClientSessionInfo::timertype == TimerStopwatch)
        shownTime = shownTime.addSecs(1);
    else if (ClientSessionInfo::timertype == TimerCountdown)
        shownTime = shownTime.addSecs(-1);
    timerWidget->update(shownTime);
    updateTimer.start();
    qCDebug(lcCamera) << "show event";
    ClientSessionInfo::actualForm = this;

    const QRect display = ClientSessionInfo::mainDisplay;
    ui->logo->setVisible(display.right() - display.left() + 1 > kNarrowDisplayWidth);
    ClientSessionInfo::startCameraPreview(ui->widget, false, false, QString(), QString());
    translate();

    const bool guest = ClientSessionInfo::OfflineMode;
    for (QWidget *control : { static_cast<QWidget *>(ui->recordBtn), static_cast<QWidget *>(ui->settingsBtn),
             static_cast<QWidget *>(ui->record), static_cast<QWidget *>(ui->sound) })
        control->setEnabled(!guest);
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
}

void PreviewForm::hideEvent(QHideEvent *event)
{
    updateTimer.stop();
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
    if (type != TimerNone) {
        updateTimer.stop();
        ClientSessionInfo::timertype = type;
    } else {
        updateTimer.start();
        ClientSessionInfo::timertype = TimerNone;
    }
    timerTime = time;
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
    const QString folder = user->recordingPathText();
    videoPath = trainingVideoPath(folder, trainingStamp(QDateTime::currentDateTime()));
    picturePath = trainingPicturePath(videoPath);
    const bool recordVideo = user->recordVideo != 0;
    // An account's folder removed behind the application's back is made
    // again rather than losing the training; one that cannot be made leaves
    // the recorder to fail and the record mark dark.
    if (recordVideo)
        QDir().mkpath(folder);

    hide();
    ClientSessionInfo::actualFilename = videoPath;
    ClientSessionInfo::actualForm = fullScreenWidget;
    ClientSessionInfo::startCameraPreview(fullScreenWidget, recordVideo, user->recordSound != 0,
        ClientSessionInfo::actualFilename, picturePath);
    // Recorded trainings are tracked; the metrics are kept with the video.
    if (recordVideo && ClientSessionInfo::camera)
        tracker.start(ClientSessionInfo::camera->currentDevice(), { ClientSessionInfo::fieldWidthMm });
    connect(&finishTimer, &QTimer::timeout, this, &PreviewForm::timeoutDialog, Qt::UniqueConnection);
    trainingClock.start();
    timedOut = false;
    timerWidget->update(kMidnight);
    timerWidget->show();
    if (ClientSessionInfo::timertype == TimerCountdown) {
        shownTime = timerTime;
        finishTimer.start(kMidnight.secsTo(shownTime) * 1000 + kClockTickMs);
    }
    if (ClientSessionInfo::timertype == TimerStopwatch)
        shownTime = kMidnight;
    updateTimer.start();
    if (recordVideo)
        pictureTimer.start();
}

void PreviewForm::makeScreen()
{
    ClientSessionInfo::makePhoto(picturePath);
}

void PreviewForm::updateTime()
{
    if (ClientSessionInfo::timertype == TimerStopwatch)
        shownTime = shownTime.addSecs(1);
    // A countdown rests at zero for the moment before its end is announced.
    else if (ClientSessionInfo::timertype == TimerCountdown && shownTime != kMidnight)
        shownTime = shownTime.addSecs(-1);
    timerWidget->update(shownTime);
}

void PreviewForm::closeDialog()
{
    askQuestion(DialogFinishTraining, &PreviewForm::closeFullScreen);
}

void PreviewForm::timeoutDialog()
{
    disconnect(&finishTimer, &QTimer::timeout, this, &PreviewForm::timeoutDialog);
    updateTimer.stop();
    pictureTimer.stop();
    endTraining();
    finishTimer.stop();
    addTrainingTime(kCountdownFinishCorrection);
    timedOut = true;
    finishedNotice.listen(&DialogForm::okButtonInfoDialog, &PreviewForm::closeFullScreen);
    emit ShowDialogForm(DialogTrainingFinished);
}

void PreviewForm::closeFullScreen()
{
    timerWidget->hide();
    finishTimer.stop();
    pictureTimer.stop();
    disconnect(&finishTimer, &QTimer::timeout, this, &PreviewForm::timeoutDialog);
    finishedNotice.stopListening();
    qCDebug(lcCamera) << "Closing";
    if (!timedOut)
        addTrainingTime(kTapFinishCorrection);
    ClientSessionInfo::updateActualUser();
    answers.stopListening();
    endTraining();
    emit ShowNextFormWithLoading(FormPreview, kLoadingScreenMs);
}

void PreviewForm::endTraining()
{
    ClientSessionInfo::stopPreview();
    tracker.finish(videoPath);
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
    const DialogForm *host = ClientSessionInfo::dialogForm;
    if (!resultsPending || !isVisible() || ClientSessionInfo::actualForm != this
        || (host && host->isDialogVisible()))
        return;
    resultsPending = false;
    emit ShowDialogForm(DialogTrainingResults);
}

void PreviewForm::addTrainingTime(int correction)
{
    User *user = ClientSessionInfo::actualUser();
    if (!user)
        return;
    const qint64 counted = qMax<qint64>(0, trainingClock.elapsed() / 1000 - correction);
    user->totalTrainingTime = static_cast<qint32>(
        qMin<qint64>(user->totalTrainingTime + counted, std::numeric_limits<qint32>::max()));
}
