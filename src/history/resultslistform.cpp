#include "history/resultslistform.h"

#include <QFileDialog>
#include <QMediaPlaylist>
#include <QScrollBar>
#include <QShowEvent>
#include <QUrl>
#include <algorithm>

#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "core/logging.h"
#include "core/touchfeedback.h"
#include "history/historyactions.h"
#include "history/measurementspanel.h"
#include "history/simplelistitem.h"
#include "storage/trainingrecords.h"
#include "storage/user.h"
#include "ui_resultslistform.h"

namespace {

constexpr auto kLogo = ":/graphics/common_icons/logo.png";
constexpr auto kCheckedIcon = ":/graphics/application_layout/checked_checkbox.png";
constexpr auto kUncheckedIcon = ":/graphics/application_layout/unchecked_checkbox.png";
// Rows stand 75 pixels high and 20 apart, at most 1440 wide, inside these
// margins; the newest is on top.
constexpr int kRowHeight = 75;
constexpr int kRowPitch = kRowHeight + 20;
constexpr int kRowMaximumWidth = 1440;
constexpr QMargins kListMargins(30, 40, 30, 40);

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
    ui->scrollArea->setWidget(listContainer);
    ui->listLayout->addWidget(measurements);
    listContainer->setStyleSheet(SimpleListItem::listStyleSheet());
    listContainer->installEventFilter(this);
    ui->scrollArea->viewport()->installEventFilter(this);
    connect(
        ui->scrollArea->verticalScrollBar(), &QScrollBar::valueChanged, this, &ResultsListForm::placeRows);
    for (QWidget *button : { ui->returnBtn, ui->deleteBtn, ui->exportBtn, ui->playBtn, ui->resetTimeBtn })
        button->installEventFilter(this);
    animationTimer.setInterval(KineticScroll::tickMs);
    connect(&animationTimer, &QTimer::timeout, this, &ResultsListForm::animationMainLoop);
    ui->currentUser->hide();
    ui->userLabel->hide();
    ui->exportStatus->hide();
    ui->exportProgress->hide();
    connect(actions, &HistoryActions::exportProgress, this, &ResultsListForm::showExportProgress);
    connect(actions, &HistoryActions::exportFinished, this, &ResultsListForm::showExportResult);
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
    actions->repairCut(records);
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
    qDeleteAll(items);
    items.clear();

    const User *user = ClientSessionInfo::actualUser();
    records = user ? listTrainings(user->recordingPathText()) : QVector<TrainingRecord>();
    checks.fill(false, records.size());
    QList<QMediaContent> media;
    for (const TrainingRecord &record : qAsConst(records))
        media << QUrl::fromLocalFile(record.videoPath);
    ClientSessionInfo::playlist->addMedia(media);
    // The oldest training is selected, whether its row is in sight or not.
    if (!records.isEmpty()) {
        ClientSessionInfo::actualVideoID = 0;
        ClientSessionInfo::actualFilename = records.first().videoPath;
    }
    measurements->showTraining(records.isEmpty() ? QString() : records.first().videoPath);
    if (user)
        measurements->showHistory(user->recordingPathText());
    ui->playBtn->setEnabled(!records.isEmpty());
    ui->deleteBtn->setEnabled(!records.isEmpty());
    // One export at a time: its progress line reports on one.
    ui->exportBtn->setEnabled(!records.isEmpty() && !actions->isExporting());

    const int rowsHeight = records.isEmpty() ? 0 : records.size() * kRowPitch - (kRowPitch - kRowHeight);
    listContainer->setMinimumHeight(kListMargins.top() + rowsHeight + kListMargins.bottom());
    placeRows();
}

SimpleListItem *ResultsListForm::buildRow(const TrainingRecord &record)
{
    auto *row = new SimpleListItem(listContainer, record.id, QString(), record.dateText, QString(),
        record.videoPath, record.picturePath);
    if (record.id == ClientSessionInfo::actualVideoID)
        row->SetSelected();
    row->on_btn_toggled(checks.at(record.id));
    connect(row, &SimpleListItem::selected, this, &ResultsListForm::acceptSelectedSlot);
    connect(row, &SimpleListItem::doubleClick, this, &ResultsListForm::acceptDblClickSlot);
    return row;
}

void ResultsListForm::placeRows()
{
    const int count = records.size();
    const int top = ui->scrollArea->verticalScrollBar()->value() - kListMargins.top();
    const int bottom = top + ui->scrollArea->viewport()->height();
    // Places from the top, where the newest training stands.
    const int firstPlace = qMax(0, top / kRowPitch);
    const int lastPlace = qMin(count - 1, bottom / kRowPitch);
    const auto placeOf = [count](int id) { return count - 1 - id; };

    QVector<SimpleListItem *> kept;
    for (SimpleListItem *row : qAsConst(items)) {
        const int place = placeOf(row->id());
        if (place >= firstPlace && place <= lastPlace) {
            kept << row;
            continue;
        }
        checks[row->id()] = row->isChecked();
        // Later: the row may be handling the event that scrolled the list.
        row->hide();
        row->deleteLater();
    }
    for (int place = firstPlace; place <= lastPlace; ++place) {
        const int id = placeOf(place);
        if (std::none_of(
                kept.cbegin(), kept.cend(), [id](const SimpleListItem *row) { return row->id() == id; }))
            kept << buildRow(records.at(id));
    }
    std::sort(kept.begin(), kept.end(),
        [](const SimpleListItem *a, const SimpleListItem *b) { return a->id() < b->id(); });
    items = kept;

    const int width
        = qMin(kRowMaximumWidth, listContainer->width() - kListMargins.left() - kListMargins.right());
    for (SimpleListItem *row : qAsConst(items)) {
        row->setGeometry(
            kListMargins.left(), kListMargins.top() + placeOf(row->id()) * kRowPitch, width, kRowHeight);
        row->show();
    }
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
    checks.fill(checked);
    for (SimpleListItem *row : qAsConst(items))
        row->on_btn_toggled(checked);
}

bool ResultsListForm::isTrainingChecked(int id) const
{
    for (const SimpleListItem *row : items) {
        if (row->id() == id)
            return row->isChecked();
    }
    return checks.at(id);
}

QStringList ResultsListForm::targetVideos() const
{
    QStringList videos;
    for (const TrainingRecord &record : records) {
        if (isTrainingChecked(record.id))
            videos << record.videoPath;
    }
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
    actions->remove(targetVideos());
    getTrainings();
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
    ui->exportBtn->setEnabled(!records.isEmpty());
    ui->exportStatus->setText(report);
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
    if (event->type() == QEvent::Resize
        && (object == listContainer || object == ui->scrollArea->viewport())) {
        placeRows();
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
