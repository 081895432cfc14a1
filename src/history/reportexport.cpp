#include "history/reportexport.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThreadPool>

#include "core/clientsessioninfo.h"
#include "core/logging.h"
#include "history/outcomelines.h"
#include "history/trainingreport.h"
#include "storage/filemoves.h"
#include "storage/trainingscsv.h"
#include "storage/user.h"

namespace {

// Lives on the GUI thread and is emitted from the worker: its signals reach
// the history queued, and not at all once it is gone.
class ReportJob : public QObject
{
    Q_OBJECT

signals:
    void progress(int done, int total);
    void finished(int written, const QStringList &skipped, const QStringList &failed);
};

struct ReportOrder
{
    QString account;
    QString recordings;
    QStringList videos;
    QString folder;
    // The catalogue's titles, taken on the GUI thread.
    QHash<int, QString> titles;
};

struct Written
{
    int count = 0;
    QStringList skipped;
    QStringList failed;

    void note(Placed result, const QString &target)
    {
        const QString name = QFileInfo(target).fileName();
        if (result == Placed::Done)
            ++count;
        else if (result == Placed::TargetExists)
            skipped << name;
        else
            failed << name;
        if (result == Placed::Failed)
            qCWarning(lcHistory) << "report not written:" << target;
    }
};

std::optional<int> exerciseOf(const StoredMetrics &stored)
{
    return stored.metrics.exercise ? std::optional<int>(stored.metrics.exercise->id) : std::nullopt;
}

TrainingReportContent reportOf(const TrainingWithMetrics &training, const QVector<TrainingWithMetrics> &all,
    const ReportOrder &order, const std::function<QString(int)> &title)
{
    TrainingReportContent content { order.account, training, QString(), {} };
    const std::optional<int> exercise = exerciseOf(training.stored);
    if (exercise)
        content.exerciseTitle = title(*exercise);
    // The curve of the trainings the history lists under the same choice.
    for (const TrainingWithMetrics &other : all) {
        if (other.stored.status == StoredStatus::Present && exerciseOf(other.stored) == exercise)
            content.history << other.stored;
    }
    return content;
}

void writeReports(const ReportOrder &order, ReportJob *job)
{
    const QVector<TrainingWithMetrics> all = listTrainingMetrics(order.recordings);
    const auto title = [&order](int id) {
        return order.titles.value(id, ClientSessionInfo::unlistedExerciseTitle(id));
    };
    Written written;
    const int total = order.videos.size() + 1;
    for (int i = 0; i < order.videos.size(); ++i) {
        const QString target = QDir(order.folder).filePath(ReportExport::reportName(order.videos.at(i)));
        const auto training = std::find_if(all.cbegin(), all.cend(), [&](const TrainingWithMetrics &one) {
            return QFileInfo(one.record.videoPath) == QFileInfo(order.videos.at(i));
        });
        written.note(training == all.cend()
                ? Placed::Failed
                : writeNewFile(target,
                    [&](QIODevice *file) {
                        return TrainingReport::write(file, reportOf(*training, all, order, title));
                    }),
            target);
        emit job->progress(i + 1, total);
    }
    const QString table = QDir(order.folder).filePath(ReportExport::tableName(order.account));
    const QByteArray csv = trainingsCsv(all, title);
    written.note(
        writeNewFile(table, [&csv](QIODevice *file) { return file->write(csv) == csv.size(); }), table);
    emit job->progress(total, total);
    emit job->finished(written.count, written.skipped, written.failed);
}

} // namespace

ReportExport::ReportExport(QPushButton *reportButton, QLabel *statusLine, QProgressBar *progressBar,
    std::function<QStringList()> reportedVideos, QWidget *parent)
    : QObject(parent)
    , button(reportButton)
    , status(statusLine)
    , progress(progressBar)
    , videos(std::move(reportedVideos))
{
    connect(button, &QPushButton::clicked, this, &ReportExport::start);
    // The history translates its buttons as it shows; so does this one.
    button->installEventFilter(this);
    translate();
}

QString ReportExport::tableName(const QString &account)
{
    return QString(account).replace(QLatin1Char('/'), QLatin1Char('_')) + QStringLiteral("_trainings.csv");
}

QString ReportExport::reportName(const QString &video)
{
    return QFileInfo(video).baseName() + QStringLiteral(".pdf");
}

void ReportExport::translate()
{
    button->setText(tr("REPORT"));
}

bool ReportExport::eventFilter(QObject *object, QEvent *event)
{
    if (object == button && event->type() == QEvent::Show)
        translate();
    return false;
}

void ReportExport::start()
{
    const User *user = ClientSessionInfo::actualUser();
    if (!user)
        return;
    ReportOrder order { user->nameText(), ClientSessionInfo::accounts.recordingFolder(*user), videos(), {},
        {} };
    // A damaged account has no folder of its own, and no trainings to report.
    if (order.recordings.isEmpty())
        return;
    order.folder = QFileDialog::getExistingDirectory(static_cast<QWidget *>(parent()),
        tr("Choose report directory"), QString(), QFileDialog::ShowDirsOnly);
    if (order.folder.isEmpty())
        return;
    for (const Scenario &scenario : qAsConst(ClientSessionInfo::scenarios))
        order.titles.insert(scenario.id, scenario.GetTitle());
    auto *job = new ReportJob;
    connect(job, &ReportJob::progress, this, &ReportExport::showProgress);
    connect(job, &ReportJob::finished, this, &ReportExport::showResult);
    button->setEnabled(false);
    showProgress(0, order.videos.size() + 1);
    QThreadPool::globalInstance()->start([order, job] {
        writeReports(order, job);
        job->deleteLater();
    });
}

void ReportExport::showProgress(int done, int total)
{
    progress->setRange(0, total);
    progress->setValue(done);
    progress->show();
    status->setText(tr("Writing reports: %1 of %2").arg(done).arg(total));
    status->show();
}

void ReportExport::showResult(int written, const QStringList &skipped, const QStringList &failed)
{
    progress->hide();
    button->setEnabled(true);
    status->setText(outcomeLines(tr("Reports written: %1").arg(written),
        tr("Already in the folder, not written: %1"), skipped, tr("Could not be written: %1"), failed));
    status->show();
}

#include "reportexport.moc"
