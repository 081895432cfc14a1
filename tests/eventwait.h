#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

// Runs the event loop, as the application's own does, until done() holds or
// timeoutMs have passed; whether done() held. Unlike QTest::qWaitFor it
// never sleeps between its rounds: a GUI thread asleep answers nothing, and a
// benchmark would count up to 10 ms of each sleep as a stall of the
// application's own.
template <typename Condition> bool spinUntil(Condition done, int timeoutMs)
{
    constexpr int kRoundMs = 10;
    const QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QEventLoop round;
        QTimer::singleShot(kRoundMs, &round, &QEventLoop::quit);
        round.exec();
        // What was deleted later in a round goes now, as it would in the
        // application's own event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}
