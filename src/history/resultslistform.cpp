#include "history/resultslistform.h"

#include <QFileDialog>
#include <QMediaPlaylist>
#include <QScrollBar>
#include <QShowEvent>
#include <QUrl>

#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "core/logging.h"
#include "core/touchfeedback.h"
#include "history/comparechoice.h"
#include "history/exercisefilter.h"
#include "history/historyactions.h"
#include "history/measurementspanel.h"
#include "history/reportexport.h"
#include "history/simplelistitem.h"
#include "history/trainingrows.h"
#include "storage/trainingrecords.h"
#include "storage/user.h"
#include "ui_resultslistform.h"

namespace {

constexpr auto kLogo = ":/graphics/common_icons/logo.png";
constexpr auto kCheckedIcon = ":/graphics/application_layout/checked_checkbox.png";
constexpr auto kUncheckedIcon = ":/graphics/application_layout/unchecked_checkbox.png";

} // namespace

ResultsListForm::ResultsListForm(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ResultsListForm>())
    , listContainer(new QWidget)
    , actions(new HistoryActions(this))
    , measurements(new MeasurementsPanel(this))
    , answers(this)
{
    ui->setupUi(this);
    ui->label->setPixmap(QPixmap(QLatin1String(kLogo)));
    trainingRows = new TrainingRows(ui->scrollArea, listContainer, this);
    connect(trainingRows, &TrainingRows::selected, this, &ResultsListForm::acceptSelectedSlot);
    connect(trainingRows, &TrainingRows::doubleClick, this, &ResultsListForm::acceptDblClickSlot);
    exerciseFilter = new ExerciseFilter(ui->exerciseFilter, this);
    connect(exerciseFilter, &ExerciseFilter::historyRead, this, &ResultsListForm::showExercises);
    connect(exerciseFilter, &ExerciseFilter::changed, this, &ResultsListForm::showChosenTrainings);
    comparison = new CompareChoice(ui->compareBtn, ui->exportStatus, trainingRows, exerciseFilter, this);
    ui->listLayout->addWidget(measurements);
    listContainer->installEventFilter(this);
    ui->scrollArea->viewport()->installEventFilter(this);
    new ReportExport(
        ui->reportBtn, ui->exportStatus, ui->exportProgress, [this] { return targetVideos(); }, this);
    for (QWidget *button : { ui->returnBtn, ui->deleteBtn, ui->exportBtn, ui->reportBtn, ui->compareBtn,
             ui->playBtn, ui->resetTimeBtn })
        button->installEventFilter(this);
    animationTimer.setInterval(KineticScroll::tickMs);
    connect(&animationTimer, &QTimer::timeout, this, &ResultsListForm::animationMainLoop);
    ui->currentUser->hide();
    ui->userLabel->hide();
    ui->exportStatus->hide();
    ui->exportProgress->hide();
    connect(actions, &HistoryActions::exportProgress, this, &ResultsListForm::showExportProgress);
    connect(actions, &HistoryActions::exportFinished, this, &ResultsListForm::showExportResult);
    connect(actions, &HistoryActions::removed, this, &ResultsListForm::showDeletion);
}

ResultsListForm::~ResultsListForm() = default;

const QVector<SimpleListItem *> &ResultsListForm::rows() const
{
    return trainingRows->rows();
}

int ResultsListForm::trainingCount() const
{
    return trainingRows->trainings().size();
}

void ResultsListForm::showEvent(QShowEvent *event)
{
    if (const User *user = ClientSessionInfo::actualUser()) {
        ui->userLabel->setText(user->nameText());
        ui->timeLabel->setText(toDurationString(user->totalTrainingTime));
    }
    translate();
    ClientSessionInfo::actualForm = this;
    ClientSessionInfo::whereIAM = FormResultsList;
    getTrainings();
    actions->repairCut(everyTraining);
    ui->pushButton->setChecked(false);
    animationTimer.start();
    event->accept();
}

void ResultsListForm::translate()
{
    ui->currentUser->setText(text(TxtUser, false, false, false, 0) + QLatin1Char(':'));
    ui->returnBtn->setText(text(TxtBack, false, true, false, 0));
    ui->totalTrainingTime->setText(text(TxtTotalTrainingTime, false, false, false, 0) + QLatin1Char(':'));
    ui->resetTimeBtn->setText(text(TxtReset, false, true, false, 0));
    ui->deleteBtn->setText(text(TxtDelete, false, true, false, 0));
    ui->exportBtn->setText(text(TxtExport, false, true, false, 0));
    ui->playBtn->setText(text(TxtPlay, false, true, false, 0));
    exerciseFilter->translate();
    comparison->translate();
}

void ResultsListForm::hideEvent(QHideEvent *event)
{
    disconnectDialogForm();
    actions->stopRepair();
    event->accept();
}

void ResultsListForm::getTrainings()
{
    disconnectDialogForm();
    const User *user = ClientSessionInfo::actualUser();
    // A damaged account, with no folder of its own in the data location, has
    // no trainings; it never lists (or repairs, or deletes) another folder.
    const QString folder = user ? ClientSessionInfo::accounts.recordingFolder(*user) : QString();
    everyTraining = folder.isEmpty() ? QVector<TrainingRecord>() : listTrainings(folder);
    exerciseFilter->read(folder);
    showTrainings(exerciseFilter->listed(everyTraining));
}

void ResultsListForm::showTrainings(const QVector<TrainingRecord> &records)
{
    ClientSessionInfo::playlist->clear();
    QList<QMediaContent> media;
    for (const TrainingRecord &record : records)
        media << QUrl::fromLocalFile(record.videoPath);
    ClientSessionInfo::playlist->addMedia(media);
    // The oldest training is selected, whether its row is in sight or not.
    if (!records.isEmpty()) {
        ClientSessionInfo::actualVideoID = 0;
        ClientSessionInfo::actualFilename = records.first().videoPath;
    }
    measurements->showTraining(records.isEmpty() ? QString() : records.first().videoPath);
    ui->playBtn->setEnabled(!records.isEmpty());
    ui->deleteBtn->setEnabled(!records.isEmpty());
    ui->reportBtn->setEnabled(!records.isEmpty());
    // One export at a time: its progress line reports on one.
    ui->exportBtn->setEnabled(!records.isEmpty() && !actions->isExporting());
    trainingRows->setTrainings(records);
}

void ResultsListForm::showExercises()
{
    const QVector<TrainingRecord> chosen = exerciseFilter->listed(everyTraining);
    if (!trainingRows->lists(chosen))
        showTrainings(chosen);
    trainingRows->nameExercises(exerciseFilter->titles());
    measurements->showHistory(exerciseFilter->figures(), exerciseFilter->targets());
}

void ResultsListForm::showChosenTrainings()
{
    ui->pushButton->setChecked(false);
    showTrainings(exerciseFilter->listed(everyTraining));
    measurements->showHistory(exerciseFilter->figures(), exerciseFilter->targets());
}

void ResultsListForm::acceptSelectedSlot(SimpleListItem *sender, int video, QString path)
{
    Q_UNUSED(sender)
    ClientSessionInfo::actualFilename = path;
    ClientSessionInfo::actualVideoID = video;
    trainingRows->unselectAllBut(video);
    measurements->showTraining(path);
}

void ResultsListForm::acceptDblClickSlot(SimpleListItem *sender, int video, QString path)
{
    Q_UNUSED(sender)
    ClientSessionInfo::actualVideoID = video;
    ClientSessionInfo::actualFilename = path;
    emit ShowNextForm(FormVideoPlayer);
}

void ResultsListForm::on_playBtn_clicked()
{
    emit ShowNextForm(FormVideoPlayer);
}

void ResultsListForm::on_returnBtn_clicked()
{
    emit ShowNextForm(FormMenu);
}

void ResultsListForm::on_pushButton_toggled(bool checked)
{
    ui->pushButton->setIcon(QIcon(QLatin1String(checked ? kCheckedIcon : kUncheckedIcon)));
    trainingRows->checkAll(checked);
}

QStringList ResultsListForm::targetVideos() const
{
    QStringList videos = trainingRows->checkedVideos();
    if (videos.isEmpty())
        videos << ClientSessionInfo::actualFilename;
    return videos;
}

void ResultsListForm::on_deleteBtn_clicked()
{
    emit ShowDialogForm(DialogDeleteTrainings);
    answers.listen(&DialogForm::rightButtonDecision, &ResultsListForm::deleteItem);
    answers.listen(&DialogForm::leftButtonDecision, &ResultsListForm::disconnectDialogForm);
}

void ResultsListForm::deleteItem()
{
    disconnectDialogForm();
    ui->deleteBtn->setEnabled(false);
    actions->remove(targetVideos());
}

void ResultsListForm::showDeletion(const QString &report)
{
    getTrainings();
    if (!report.isEmpty()) {
        ui->exportStatus->setText(report);
        ui->exportStatus->show();
    }
}

void ResultsListForm::disconnectDialogForm()
{
    answers.stopListening();
}

void ResultsListForm::on_exportBtn_clicked()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Choose video export directory"), QString(), QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;
    ui->exportBtn->setEnabled(false);
    actions->exportTo(targetVideos(), folder);
}

void ResultsListForm::showExportProgress(const QString &status, int done, int total)
{
    ui->exportProgress->setRange(0, total);
    ui->exportProgress->setValue(done);
    ui->exportProgress->show();
    ui->exportStatus->setText(status);
    ui->exportStatus->show();
}

void ResultsListForm::showExportResult(const QString &report)
{
    ui->exportProgress->hide();
    ui->exportBtn->setEnabled(!trainingRows->trainings().isEmpty());
    ui->exportStatus->setText(report);
    ui->exportStatus->show();
}

void ResultsListForm::on_resetTimeBtn_clicked()
{
    User *user = ClientSessionInfo::actualUser();
    if (!user)
        return;
    user->totalTrainingTime = 0;
    // An account that could not be saved keeps the time its file holds.
    ClientSessionInfo::updateActualUser();
    ui->timeLabel->setText(toDurationString(ClientSessionInfo::actualUser()->totalTrainingTime));
}

bool ResultsListForm::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::Resize
        && (object == listContainer || object == ui->scrollArea->viewport())) {
        trainingRows->place();
        return false;
    }
    if (object == listContainer)
        scroller.follow(event);
    else
        applyTouchFeedback(object, event);
    return false;
}

void ResultsListForm::scrollList(int dx, int dy)
{
    Q_UNUSED(dx)
    scroller.addStep(dy);
}

void ResultsListForm::animationMainLoop()
{
    if (scroller.tick(ui->scrollArea->verticalScrollBar()))
        update();
}
