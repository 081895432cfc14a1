#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTime>
#include <QTimer>

#include "core/enums.h"

// The time of a training: what the timer overlay shows, a stopwatch counting
// up or a countdown counting down to the training's end, and what the
// account's total training time is credited with when the training ends.
// The timing in force is the session's timertype.
class TrainingClock : public QObject
{
    Q_OBJECT

public:
    TrainingClock();

    // The training screen is shown: the shown time steps once, and the clock
    // ticks until pause().
    QTime resume();
    void pause();
    // The timing the trainee chose; a countdown starts at time.
    void choose(TimerType type, QTime time);
    // A training starts now: a stopwatch from zero, a countdown from the
    // chosen time, with its end a second after it reaches zero.
    void start();
    // The time shown a second later.
    QTime advance();
    // The countdown ended the training: two seconds less than it lasted
    // count, for the end shown at zero and the notice.
    void creditCountdownEnd();
    // The trainee ended the training: one second less than it lasted counts,
    // for the question asked; nothing more when the countdown has already
    // credited it.
    void creditTapEnd();

signals:
    void secondPassed();
    void countdownEnded();

private:
    // Adds the whole seconds of the training, less correction, to the
    // account's total; a training shorter than the correction adds nothing.
    void addTrainingTime(int correction);

    QTimer updateTimer;
    QTimer finishTimer;
    QElapsedTimer trainingClock;
    QTime timerTime;
    QTime shownTime;
    bool timedOut = false;
};
