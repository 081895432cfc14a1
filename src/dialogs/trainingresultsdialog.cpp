#include "dialogs/trainingresultsdialog.h"

#include "core/clientsessioninfo.h"
#include "history/targetstable.h"
#include "storage/trainingrecords.h"
#include "ui_trainingresultsdialog.h"

namespace {

constexpr int kFiguresPointSize = 13;

} // namespace

TrainingResultsDialog::TrainingResultsDialog(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::TrainingResultsDialog>())
{
    ui->setupUi(this);
    // Between the figures and the button, shown for a training of an exercise.
    targets = new TargetsTable(this);
    ui->verticalLayout->insertWidget(ui->verticalLayout->indexOf(ui->pushButton), targets, 0, Qt::AlignHCenter);
    QFont figures = font();
    figures.setPointSize(kFiguresPointSize);
    ui->figures->setFont(figures);
}

TrainingResultsDialog::~TrainingResultsDialog() = default;

void TrainingResultsDialog::setup(
    const QString &videoPath, const TrainingMeasurement &measurement, const QString &button)
{
    ui->title->setText(tr("Your training in figures"));
    ui->figures->showMetrics(measurement.metrics);
    ui->paths->showPaths(measurement.paths, measurement.metrics.pictureSize, trainingPicturePath(videoPath));
    ui->distances->showDistances(measurement);
    const std::optional<TrainedExercise> &exercise = measurement.metrics.exercise;
    targets->showTargets(
        measurement.metrics, exercise ? ClientSessionInfo::exerciseTitle(exercise->id) : QString());
    ui->pushButton->setText(button);
}

void TrainingResultsDialog::on_pushButton_clicked()
{
    emit okClicked();
}
