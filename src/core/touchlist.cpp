#include "core/touchlist.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <cmath>

namespace {

// Shorter paths between press and release are taps; longer ones scroll.
constexpr double kTapDistance = 40.0;
// A finger's move gives the list three times its distance per tick, mixed
// half and half with the speed it had.
constexpr float kFingerGain = 3.0f;
constexpr float kSpeedBlend = 0.5f;
constexpr float kDecay = 0.9f;
constexpr float kStillSpeed = 0.001f;
constexpr float kStoppingSpeed = 1.0f;

QPoint roundedPosition(const QEvent *event)
{
    return static_cast<const QMouseEvent *>(event)->localPos().toPoint();
}

} // namespace

bool TapTracker::endsTap(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        lastPos = roundedPosition(event);
        pressed = true;
        travelled = 0;
        return false;
    case QEvent::MouseMove:
        if (pressed) {
            const QPoint position = roundedPosition(event);
            const QPoint step = position - lastPos;
            travelled += std::hypot(double(step.x()), double(step.y()));
            lastPos = position;
        }
        return false;
    case QEvent::MouseButtonRelease:
        pressed = false;
        return travelled < kTapDistance;
    default:
        return false;
    }
}

void KineticScroll::follow(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        lastPos = roundedPosition(event);
        dragging = true;
        break;
    case QEvent::MouseButtonRelease:
        // The speed stays: the list coasts on.
        dragging = false;
        break;
    case QEvent::MouseMove:
        if (dragging) {
            const QPoint position = roundedPosition(event);
            const int dy = position.y() - lastPos.y();
            lastPos = position;
            addStep(dy);
        }
        break;
    default:
        break;
    }
}

void KineticScroll::addStep(int dy)
{
    if (dy != 0 && currentSpeed / dy < 0)
        return;
    currentSpeed += (kFingerGain * dy - currentSpeed) * kSpeedBlend;
}

bool KineticScroll::tick(QScrollBar *bar)
{
    if (std::fabs(currentSpeed) < kStillSpeed)
        return false;
    // A list that became shorter may hold a value beyond its new end.
    const int position = qBound(bar->minimum(), bar->value(), bar->maximum());
    bar->setValue(truncation == Truncation::Speed ? position - static_cast<int>(currentSpeed)
                                                  : static_cast<int>(position - currentSpeed));
    if (std::fabs(currentSpeed) < kStoppingSpeed)
        currentSpeed = 0;
    currentSpeed *= kDecay;
    return true;
}
