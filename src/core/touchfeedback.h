#pragma once

class QEvent;
class QObject;

// Touch feedback for push buttons, shared by every screen's event filter:
// a press marks the button `touched` so that style-sheet rules on
// [touched=true] show the pressed picture; a release clears the mark a
// short moment later, so that a quick tap is still seen.
// Never consumes the event.
void applyTouchFeedback(QObject *object, QEvent *event);
