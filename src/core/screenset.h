#pragma once

#include <QObject>
#include <array>
#include <functional>

#include "core/enums.h"

class QLayout;
class QWidget;

// The main window's screens, each made when first asked for: the first
// paint waits for the first screen alone. The others are made ahead once
// there is something to see, one a turn of the event loop, so that a tap in
// between waits for one screen at most.
class ScreenSet : public QObject
{
public:
    // make returns the new screen, a child of the layout's widget.
    ScreenSet(QLayout *layout, std::function<QWidget *(FormEnum)> make, QObject *parent);

    // The screen for form, made now and laid out hidden if it was not yet;
    // null for no screen.
    QWidget *screenFor(FormEnum form);
    // Makes the screens not made yet, one a turn, and then calls done.
    void makeAhead(std::function<void()> done);

private:
    QLayout *layout;
    std::function<QWidget *(FormEnum)> make;
    // In the order of the FormEnum values from FormLogin to FormLoading.
    std::array<QWidget *, FormLoading - FormLogin + 1> screens {};
};
