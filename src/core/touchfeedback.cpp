#include "core/touchfeedback.h"

#include <QEvent>
#include <QPushButton>
#include <QStyle>
#include <QThread>
#include <QVariant>

namespace {
constexpr auto kTouchedProperty = "touched";
// How long a released button keeps its pressed look.
constexpr unsigned long kReleaseHoldMs = 100;

void repolish(QPushButton *button)
{
    button->style()->unpolish(button);
    button->style()->polish(button);
    button->update();
}
} // namespace

void applyTouchFeedback(QObject *object, QEvent *event)
{
    auto *button = qobject_cast<QPushButton *>(object);
    if (!button || !button->isEnabled())
        return;
    if (event->type() == QEvent::MouseButtonPress) {
        button->setProperty(kTouchedProperty, true);
        repolish(button);
    } else if (event->type() == QEvent::MouseButtonRelease) {
        button->setProperty(kTouchedProperty, false);
        QThread::msleep(kReleaseHoldMs);
        repolish(button);
    }
}
