#include "history/comparechoice.h"

#include <QLabel>
#include <QPushButton>

#include "history/compareview.h"
#include "history/exercisefilter.h"
#include "history/trainingrows.h"
#include "storage/exercisetargets.h"

namespace {

std::optional<TrainingRecord> recordOf(const QString &video, const QVector<TrainingRecord> &records)
{
    for (const TrainingRecord &record : records) {
        if (record.videoPath == video)
            return record;
    }
    return std::nullopt;
}

} // namespace

CompareChoice::CompareChoice(QPushButton *compareButton, QLabel *statusLine, TrainingRows *trainingRows,
    const ExerciseFilter *exercises, QWidget *history)
    : QObject(history)
    , button(compareButton)
    , status(statusLine)
    , rows(trainingRows)
    , filter(exercises)
    , compareView(new CompareView(history))
{
    connect(button, &QPushButton::clicked, this, &CompareChoice::compare);
    connect(rows, &TrainingRows::checksChanged, this, &CompareChoice::update);
    connect(filter, &ExerciseFilter::historyRead, this, &CompareChoice::update);
    update();
}

void CompareChoice::translate()
{
    button->setText(tr("COMPARE"));
}

void CompareChoice::update()
{
    const QStringList checked = rows->checkedVideos();
    button->setEnabled(checked.size() == 2 || (checked.size() == 1 && filter->exerciseOf(checked.first())));
}

void CompareChoice::compare()
{
    const QStringList checked = rows->checkedVideos();
    const std::optional<TrainingRecord> first
        = checked.isEmpty() ? std::nullopt : recordOf(checked.first(), rows->trainings());
    if (!first)
        return;
    if (checked.size() == 2) {
        compareView->compare(*first, *recordOf(checked.last(), rows->trainings()));
        return;
    }
    const std::optional<int> exercise = filter->exerciseOf(first->videoPath);
    const std::optional<TrainingRecord> best
        = exercise ? bestTraining(*exercise, filter->everyTraining()) : std::nullopt;
    if (!best)
        return;
    if (best->videoPath == first->videoPath) {
        status->setText(tr("This is your best training of the exercise so far: there is no better one to "
                           "compare it with."));
        status->show();
        return;
    }
    compareView->compare(*first, *best);
}
