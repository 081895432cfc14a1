#pragma once

#include <QPoint>

class QEvent;
class QScrollBar;

// Touch handling shared by the scrolled lists and their rows. Both follow
// mouse events without consuming them: a row's events go on to the list.

// The path a finger travels on a row between press and release: shorter than
// 40 pixels it is a tap, longer it was scrolling the list.
class TapTracker
{
public:
    // Follows a press, the moves and the release; true when event is the
    // release that ends a tap.
    bool endsTap(const QEvent *event);

private:
    QPoint lastPos;
    double travelled = 0;
    bool pressed = false;
};

// The scrolling of a list by a finger: a drag gives the list a speed in
// pixels per tick, which it keeps when the finger lifts and loses a tenth of
// at every tick, so the list coasts to a stop.
class KineticScroll
{
public:
    static constexpr int tickMs = 30;

    // Where a tick cuts the fractional speed to whole pixels: from the speed
    // itself, which moves the list alike both ways, or from the new position,
    // which rounds a falling value's step up and a rising one's down.
    enum class Truncation { Speed, Position };

    // A list starts still; a speed given here sets it coasting.
    explicit KineticScroll(Truncation truncation, float speed = 0)
        : truncation(truncation)
        , currentSpeed(speed)
    {
    }

    // Follows a press, the moves and the release on the list's content.
    void follow(const QEvent *event);
    // A finger's step of dy pixels down. A step against the list's motion
    // changes nothing; the others speed the list up or slow it down.
    void addStep(int dy);
    // One tick: moves bar by the speed and slows down. False, having done
    // nothing, while the list stands still.
    bool tick(QScrollBar *bar);
    float speed() const { return currentSpeed; }

private:
    Truncation truncation;
    float currentSpeed;
    QPoint lastPos;
    bool dragging = false;
};
