#include "history/exercisefilter.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QtConcurrent>
#include <algorithm>

#include "core/clientsessioninfo.h"
#include "history/choicestyle.h"

namespace {

// The box's items: the two choices that are no exercise come first.
enum Item { AllTrainings, FreeTraining, FirstExercise };

} // namespace

ExerciseFilter::ExerciseFilter(QComboBox *box, QObject *parent)
    : QObject(parent)
    , box(box)
{
    box->setStyleSheet(QLatin1String(kChoiceStyle));
    box->addItem(QString());
    box->addItem(QString());
    translate();
    connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &ExerciseFilter::changed);
    connect(&reading, &QFutureWatcher<QVector<TrainingWithMetrics>>::finished, this,
        &ExerciseFilter::takeHistory);
}

ExerciseFilter::~ExerciseFilter()
{
    reading.waitForFinished();
}

void ExerciseFilter::read(const QString &folder)
{
    reading.setFuture(QtConcurrent::run(listTrainingMetrics, folder));
}

void ExerciseFilter::takeHistory()
{
    history = reading.result();
    exercises.clear();
    for (const TrainingWithMetrics &training : qAsConst(history)) {
        const std::optional<TrainedExercise> &exercise = training.stored.metrics.exercise;
        if (training.stored.status == StoredStatus::Present && exercise)
            exercises.insert(training.record.videoPath, exercise->id);
    }
    translate();
    emit historyRead();
}

void ExerciseFilter::translate()
{
    // The exercises of the history in the catalogue's order, those no longer
    // in it after them.
    QList<int> held = exercises.values();
    std::sort(held.begin(), held.end());
    held.erase(std::unique(held.begin(), held.end()), held.end());
    QList<int> order;
    for (const Scenario &scenario : qAsConst(ClientSessionInfo::scenarios)) {
        if (held.contains(scenario.id))
            order << scenario.id;
    }
    for (int id : qAsConst(held)) {
        if (!order.contains(id))
            order << id;
    }

    // Filled anew, the box keeps the choice it had, or else lists all.
    const QSignalBlocker quiet(box);
    const int index = box->currentIndex();
    const QVariant exercise = box->currentData();
    while (box->count() > FirstExercise)
        box->removeItem(FirstExercise);
    box->setItemText(AllTrainings, tr("All trainings"));
    box->setItemText(FreeTraining, tr("Free training"));
    for (int id : qAsConst(order))
        box->addItem(ClientSessionInfo::exerciseTitle(id), id);
    const int kept = index < FirstExercise ? index : box->findData(exercise);
    box->setCurrentIndex(std::max(kept, int(AllTrainings)));
}

std::optional<int> ExerciseFilter::exerciseOf(const QString &video) const
{
    const auto found = exercises.constFind(video);
    return found == exercises.cend() ? std::nullopt : std::optional<int>(*found);
}

bool ExerciseFilter::chosen(std::optional<int> exercise) const
{
    switch (box->currentIndex()) {
    case AllTrainings:
        return true;
    case FreeTraining:
        return !exercise;
    default:
        return exercise == box->currentData().toInt();
    }
}

QVector<TrainingRecord> ExerciseFilter::listed(const QVector<TrainingRecord> &trainings) const
{
    QVector<TrainingRecord> chosenTrainings;
    for (TrainingRecord record : trainings) {
        if (!chosen(exerciseOf(record.videoPath)))
            continue;
        record.id = chosenTrainings.size();
        chosenTrainings << record;
    }
    return chosenTrainings;
}

QVector<StoredMetrics> ExerciseFilter::figures() const
{
    QVector<StoredMetrics> chosenFigures;
    for (const TrainingWithMetrics &training : qAsConst(history)) {
        if (chosen(exerciseOf(training.record.videoPath)))
            chosenFigures << training.stored;
    }
    return chosenFigures;
}

ExerciseTargets ExerciseFilter::targets() const
{
    if (box->currentIndex() < FirstExercise)
        return {};
    // A lab may have changed the targets since the first trainings.
    for (auto training = history.crbegin(); training != history.crend(); ++training) {
        if (chosen(exerciseOf(training->record.videoPath)))
            return training->stored.metrics.exercise->targets;
    }
    return {};
}

QHash<QString, QString> ExerciseFilter::titles() const
{
    QHash<QString, QString> byVideo;
    for (auto training = exercises.cbegin(); training != exercises.cend(); ++training)
        byVideo.insert(training.key(), ClientSessionInfo::exerciseTitle(training.value()));
    return byVideo;
}
