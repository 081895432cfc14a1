#pragma once

#include <QFutureWatcher>
#include <QHash>
#include <QObject>
#include <QVector>
#include <optional>

#include "storage/trainingmetricsfile.h"

class QComboBox;

// Which of the account's trainings the history lists: all of them, the free
// trainings, or those of one exercise, as chosen in a box that offers the
// exercises the history holds. A training's exercise is in its figures file;
// the files of the whole history are read on a worker thread, so a training
// counts as free training until they are read.
class ExerciseFilter : public QObject
{
    Q_OBJECT

public:
    // Fills box with the choices and reports a choice made in it.
    ExerciseFilter(QComboBox *box, QObject *parent);
    ~ExerciseFilter() override;

    // Reads the figures of the trainings in folder, and reports with
    // historyRead().
    void read(const QString &folder);
    // Of trainings, oldest first, those chosen, their ids counting from 0
    // again: a row's id is its training's place in the player's list.
    QVector<TrainingRecord> listed(const QVector<TrainingRecord> &trainings) const;
    // The figures of the chosen trainings as read last, oldest first.
    QVector<StoredMetrics> figures() const;
    // The chosen exercise's targets as its newest training stored them; all
    // 0 when the choice is not one exercise.
    ExerciseTargets targets() const;
    // The title of the exercise of each training of one, by its video.
    QHash<QString, QString> titles() const;
    // The choices named in the display language.
    void translate();
    // Every training of the history with its figures as read last, oldest first.
    const QVector<TrainingWithMetrics> &everyTraining() const { return history; }
    // The exercise a training is a training of; none for free training.
    std::optional<int> exerciseOf(const QString &video) const;

signals:
    // The history's exercises are known; the choice may have fallen back to
    // all trainings, when none of the chosen exercise's are left.
    void historyRead();
    // The trainee made another choice.
    void changed();

private:
    void takeHistory();
    // Whether a training of exercise (none for free training) is chosen.
    bool chosen(std::optional<int> exercise) const;

    QComboBox *box;
    QFutureWatcher<QVector<TrainingWithMetrics>> reading;
    QVector<TrainingWithMetrics> history;
    // The exercise of each training of one, by its video.
    QHash<QString, int> exercises;
};
