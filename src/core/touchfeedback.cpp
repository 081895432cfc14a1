#include "core/touchfeedback.h"

#include <QEvent>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVariant>

namespace {
constexpr auto kTouchedProperty = "touched";
// How long a released button keeps its pressed look.
constexpr int kReleaseHoldMs = 100;

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
        // Timed rather than slept: the screen goes on while the look holds.
        // A new press in the meantime keeps it.
        QTimer::singleShot(kReleaseHoldMs, button, [button] {
            if (button->isDown())
                return;
            button->setProperty(kTouchedProperty, false);
            repolish(button);
        });
    }
}
