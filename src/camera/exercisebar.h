#pragma once

#include <QFrame>
#include <QTime>

class QLabel;
class QPushButton;
class Scenario;

// Above the training screen's bottom bar while the account trains an
// exercise: the exercise's title and time target, and the offer to count
// the training down from that target. Hidden in free training, which leaves
// the screen as it always was.
class ExerciseBar : public QFrame
{
    Q_OBJECT

public:
    explicit ExerciseBar(QWidget *parent);

    // Shows the exercise, or hides the bar when there is none.
    void showExercise(const Scenario *exercise);
    // What the bar says of the exercise; empty while hidden.
    QString title() const;

signals:
    // The trainee took the offer: a countdown from the time target.
    void countdownChosen(QTime target);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    QLabel *name;
    QPushButton *countdown;
    QTime target;
};
