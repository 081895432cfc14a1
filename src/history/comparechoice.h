#pragma once

#include <QObject>

class QLabel;
class QPushButton;
class CompareView;
class ExerciseFilter;
class TrainingRows;

// The history's COMPARE: with two rows checked it shows those trainings side
// by side; with one checked training of an exercise, that training beside
// the account's best of the exercise (the shortest that met every target,
// else the shortest), or says in the status line that it is the best
// itself. With any other choice the button is disabled.
class CompareChoice : public QObject
{
    Q_OBJECT

public:
    CompareChoice(QPushButton *button, QLabel *status, TrainingRows *rows, const ExerciseFilter *filter,
        QWidget *history);

    void translate();
    // Enables the button for the rows checked now.
    void update();
    const CompareView *view() const { return compareView; }

private:
    void compare();

    QPushButton *button;
    QLabel *status;
    TrainingRows *rows;
    const ExerciseFilter *filter;
    CompareView *compareView;
};
