#include "camera/trainingclock.h"

#include <limits>

#include "core/clientsessioninfo.h"
#include "storage/user.h"

namespace {

constexpr int kClockTickMs = 1000;
// Seconds the total training time does not count: one when the trainee ends
// the training, two when the countdown ends it.
constexpr int kTapFinishCorrection = 1;
constexpr int kCountdownFinishCorrection = 2;

const QTime kMidnight(0, 0, 0);

} // namespace

TrainingClock::TrainingClock()
{
    updateTimer.setInterval(kClockTickMs);
    // The clock must not run ahead of the seconds counted for the training:
    // a coarse timer would show a second before it has passed, and a
    // trainee ending at the time shown would be counted a second less.
    updateTimer.setTimerType(Qt::PreciseTimer);
    connect(&updateTimer, &QTimer::timeout, this, &TrainingClock::secondPassed);
    finishTimer.setSingleShot(true);
    // A coarse timer may fire up to 5 % early, and the whole seconds counted
    // for the training would then fall a second short.
    finishTimer.setTimerType(Qt::PreciseTimer);
    connect(&finishTimer, &QTimer::timeout, this, &TrainingClock::countdownEnded);
}

QTime TrainingClock::resume()
{
    if (ClientSessionInfo::timertype == TimerStopwatch)
        shownTime = shownTime.addSecs(1);
    else if (ClientSessionInfo::timertype == TimerCountdown)
        shownTime = shownTime.addSecs(-1);
    updateTimer.start();
    return shownTime;
}

void TrainingClock::pause()
{
    updateTimer.stop();
}

void TrainingClock::choose(TimerType type, QTime time)
{
    if (type != TimerNone)
        updateTimer.stop();
    else
        updateTimer.start();
    ClientSessionInfo::timertype = type;
    timerTime = time;
}

void TrainingClock::start()
{
    trainingClock.start();
    timedOut = false;
    if (ClientSessionInfo::timertype == TimerCountdown) {
        shownTime = timerTime;
        finishTimer.start(kMidnight.secsTo(shownTime) * 1000 + kClockTickMs);
    }
    if (ClientSessionInfo::timertype == TimerStopwatch)
        shownTime = kMidnight;
    updateTimer.start();
}

QTime TrainingClock::advance()
{
    if (ClientSessionInfo::timertype == TimerStopwatch)
        shownTime = shownTime.addSecs(1);
    // A countdown rests at zero for the moment before its end is announced.
    else if (ClientSessionInfo::timertype == TimerCountdown && shownTime != kMidnight)
        shownTime = shownTime.addSecs(-1);
    return shownTime;
}

void TrainingClock::creditCountdownEnd()
{
    finishTimer.stop();
    addTrainingTime(kCountdownFinishCorrection);
    timedOut = true;
}

void TrainingClock::creditTapEnd()
{
    finishTimer.stop();
    if (!timedOut)
        addTrainingTime(kTapFinishCorrection);
}

void TrainingClock::addTrainingTime(int correction)
{
    User *user = ClientSessionInfo::actualUser();
    if (!user)
        return;
    const qint64 counted = qMax<qint64>(0, trainingClock.elapsed() / 1000 - correction);
    user->totalTrainingTime = static_cast<qint32>(
        qMin<qint64>(user->totalTrainingTime + counted, std::numeric_limits<qint32>::max()));
}
