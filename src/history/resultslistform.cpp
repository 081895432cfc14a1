#include "history/resultslistform.h"

#include <QFile>
#include <QFileDialog>
#include <QMediaPlaylist>
#include <QMouseEvent>
#include <QScrollBar>
#include <QShowEvent>
#include <QThread>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>

#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "core/logging.h"
#include "core/touchfeedback.h"
#include "dialogs/dialogform.h"
#include "history/recordingrepair.h"
#include "history/simplelistitem.h"
#include "history/videoexport.h"
#include "storage/trainingrecords.h"
#include "storage/user.h"
#include "ui_resultslistform.h"

namespace {

constexpr auto kLogo = ":/graphics/common_icons/logo.png";
constexpr auto kCheckedIcon = ":/graphics/application_layout/checked_checkbox.png";
constexpr auto kUncheckedIcon = ":/graphics/application_layout/unchecked_checkbox.png";
constexpr int kRowSpacing = 20;
constexpr QMargins kListMargins(30, 40, 30, 40);
// The list coasts in steps of 30 ms, losing a tenth of its speed at each.
constexpr int kAnimationTickMs = 30;
constexpr float kDecay = 0.9f;
constexpr float kStillSpeed = 0.001f;
constexpr float kStoppingSpeed = 1.0f;
// A finger's move gives the list three times its distance per tick, mixed
// half and half with the speed it had.
constexpr float kFingerGain = 3.0f;
constexpr float kSpeedBlend = 0.5f;
// A removal that fails is tried again this often, this far apart.
constexpr int kRemovalAttempts = 101;
constexpr unsigned long kRemovalRetryMs = 50;

// Removes a file that exists, retrying while the removal fails (another
// program may hold it open for a moment). A file that is not there is done.
void removeTrainingFile(const QString &path)
{
    for (int attempt = 1; QFile::exists(path) && !QFile::remove(path) && attempt < kRemovalAttempts;
         ++attempt)
        QThread::msleep(kRemovalRetryMs);
}

} // namespace

ResultsListForm::ResultsListForm(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ResultsListForm>())
    , listContainer(new QWidget)
    , videoExport(new VideoExport(this))
    , repair(new RecordingRepair(this))
{
    ui->setupUi(this);
    ui->label->setPixmap(QPixmap(QLatin1String(kLogo)));
    auto *layout = new QVBoxLayout(listContainer);
    layout->setSpacing(kRowSpacing);
    layout->setContentsMargins(kListMargins);
    ui->scrollArea->setWidget(listContainer);
    listContainer->setStyleSheet(SimpleListItem::listStyleSheet());
    listContainer->installEventFilter(this);
    for (QWidget *button : { ui->returnBtn, ui->deleteBtn, ui->exportBtn, ui->playBtn, ui->resetTimeBtn })
        button->installEventFilter(this);
    animationTimer.setInterval(kAnimationTickMs);
    connect(&animationTimer, &QTimer::timeout, this, &ResultsListForm::animationMainLoop);
    ui->currentUser->hide();
    ui->userLabel->hide();
    ui->exportStatus->hide();
    ui->exportProgress->hide();
    connect(videoExport, &VideoExport::progress, this, &ResultsListForm::showExportProgress);
    connect(videoExport, &VideoExport::finished, this, &ResultsListForm::showExportResult);
}

ResultsListForm::~ResultsListForm() = default;

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
    // Recordings cut off by a crash keep their fragments but state the
    // length of the first one; they are made whole in the background while
    // the list is used.
    QStringList videos;
    for (const SimpleListItem *row : qAsConst(items))
        videos << row->getVideoPath();
    repair->start(videos);
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
}

void ResultsListForm::hideEvent(QHideEvent *event)
{
    disconnectDialogForm();
    event->accept();
}

void ResultsListForm::getTrainings()
{
    disconnectDialogForm();
    ClientSessionInfo::playlist->clear();
    // Thousands of rows: the old ones go at once rather than later, and the
    // new ones are built while the list is hidden, so that Qt neither queues
    // a show for each row nor, showing them one by one, looks over all the
    // others for each: the list is shown once, whole.
    listContainer->hide();
    qDeleteAll(items);
    items.clear();
    clearLayout(listContainer->layout());

    const User *user = ClientSessionInfo::actualUser();
    const QVector<TrainingRecord> records
        = user ? listTrainings(user->recordingPathText()) : QVector<TrainingRecord>();
    auto *layout = static_cast<QVBoxLayout *>(listContainer->layout());
    for (const TrainingRecord &record : records) {
        auto *row = new SimpleListItem(
            this, record.id, QString(), record.dateText, QString(), record.videoPath, record.picturePath);
        connect(row, &SimpleListItem::selected, this, &ResultsListForm::acceptSelectedSlot);
        connect(row, &SimpleListItem::doubleClick, this, &ResultsListForm::acceptDblClickSlot);
        ClientSessionInfo::playlist->addMedia(QUrl::fromLocalFile(record.videoPath));
        if (record.id == 0) {
            row->SetSelected();
            ClientSessionInfo::actualVideoID = 0;
        }
        layout->insertWidget(0, row);
        items << row;
    }
    ui->playBtn->setEnabled(!items.isEmpty());
    ui->deleteBtn->setEnabled(!items.isEmpty());
    // One export at a time: its progress line reports on one.
    ui->exportBtn->setEnabled(!items.isEmpty() && !videoExport->isRunning());
    layout->addStretch();
    listContainer->show();
}

void ResultsListForm::acceptSelectedSlot(SimpleListItem *sender, int video, QString path)
{
    Q_UNUSED(sender)
    ClientSessionInfo::actualFilename = path;
    ClientSessionInfo::actualVideoID = video;
    for (SimpleListItem *row : qAsConst(items)) {
        if (row->id() != video)
            row->SetUnselected();
    }
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
    for (SimpleListItem *row : qAsConst(items))
        row->on_btn_toggled(checked);
}

QStringList ResultsListForm::targetVideos() const
{
    QStringList videos;
    for (const SimpleListItem *row : items) {
        if (row->isChecked())
            videos << row->getVideoPath();
    }
    if (videos.isEmpty())
        videos << ClientSessionInfo::actualFilename;
    return videos;
}

void ResultsListForm::on_deleteBtn_clicked()
{
    emit ShowDialogForm(DialogDeleteTrainings);
    connect(ClientSessionInfo::dialogForm, &DialogForm::rightButtonDecision, this,
        &ResultsListForm::deleteItem, Qt::UniqueConnection);
    connect(ClientSessionInfo::dialogForm, &DialogForm::leftButtonDecision, this,
        &ResultsListForm::disconnectDialogForm, Qt::UniqueConnection);
}

void ResultsListForm::deleteItem()
{
    for (const QString &video : targetVideos()) {
        removeTrainingFile(video);
        removeTrainingFile(trainingPicturePath(video));
    }
    getTrainings();
}

void ResultsListForm::disconnectDialogForm()
{
    DialogForm *host = ClientSessionInfo::dialogForm;
    disconnect(host, &DialogForm::rightButtonDecision, this, &ResultsListForm::deleteItem);
    disconnect(host, &DialogForm::leftButtonDecision, this, &ResultsListForm::disconnectDialogForm);
}

void ResultsListForm::on_exportBtn_clicked()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Choose video export directory"), QString(), QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;
    const QStringList videos = targetVideos();
    showExportProgress(0, videos.size());
    ui->exportBtn->setEnabled(false);
    videoExport->start(videos, folder);
}

void ResultsListForm::showExportProgress(int done, int total)
{
    ui->exportProgress->setRange(0, total);
    ui->exportProgress->setValue(done);
    ui->exportProgress->show();
    ui->exportStatus->setText(tr("Exporting: %1 of %2").arg(done).arg(total));
    ui->exportStatus->show();
}

void ResultsListForm::showExportResult(int copied, const QStringList &skipped, const QStringList &failed)
{
    ui->exportProgress->hide();
    ui->exportBtn->setEnabled(!items.isEmpty());
    QStringList lines { tr("Exported: %1").arg(copied) };
    if (!skipped.isEmpty())
        lines << tr("Already in the folder, not copied: %1").arg(skipped.join(QStringLiteral(", ")));
    if (!failed.isEmpty())
        lines << tr("Could not be copied: %1").arg(failed.join(QStringLiteral(", ")));
    ui->exportStatus->setText(lines.join(QLatin1Char('\n')));
    ui->exportStatus->show();
}

void ResultsListForm::on_resetTimeBtn_clicked()
{
    if (User *user = ClientSessionInfo::actualUser()) {
        user->totalTrainingTime = 0;
        ClientSessionInfo::updateActualUser();
    }
    ui->timeLabel->setText(toDurationString(0));
}

bool ResultsListForm::eventFilter(QObject *object, QEvent *event)
{
    if (object != listContainer) {
        applyTouchFeedback(object, event);
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        lastPos = static_cast<QMouseEvent *>(event)->localPos().toPoint();
        dragging = true;
        break;
    case QEvent::MouseButtonRelease:
        dragging = false;
        break;
    case QEvent::MouseMove:
        if (dragging) {
            const QPoint position = static_cast<QMouseEvent *>(event)->localPos().toPoint();
            const int dy = position.y() - lastPos.y();
            lastPos = position;
            scrollList(0, dy);
        }
        break;
    default:
        break;
    }
    return false;
}

void ResultsListForm::scrollList(int dx, int dy)
{
    Q_UNUSED(dx)
    // A finger moving against the coasting list does not brake it here.
    if (dy != 0 && velocity / dy < 0)
        return;
    velocity += (kFingerGain * dy - velocity) * kSpeedBlend;
}

void ResultsListForm::animationMainLoop()
{
    if (std::fabs(velocity) < kStillSpeed)
        return;
    QScrollBar *bar = ui->scrollArea->verticalScrollBar();
    const int current = qBound(bar->minimum(), bar->value(), bar->maximum());
    bar->setValue(current - static_cast<int>(velocity));
    if (std::fabs(velocity) < kStoppingSpeed)
        velocity = 0;
    velocity *= kDecay;
    update();
}
