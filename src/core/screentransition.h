#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include "core/enums.h"

class BlurredStill;
class QGraphicsBlurEffect;
class QGraphicsOpacityEffect;
class QWidget;

// The main window's two animations of the current screen
// (ClientSessionInfo::actualForm): the fade from one screen to the next, and
// the blur under an open dialog. Each steps every 25 ms and reports the ends
// it reaches through reached(), which must be handled at once (a direct
// connection): at the middle of a fade the screens are swapped and the
// fade-in is started before the step goes on.
//
// A widget deletes its effect when another one replaces it, so the effects
// are held by guarded pointers, and an end removes an effect only while it
// is still installed: a fade that replaces the blur under a closing dialog
// runs to its end, and the un-blur finishes without touching it.
class ScreenTransition : public QObject
{
    Q_OBJECT

public:
    // The time between two steps of a fade or a blur.
    static constexpr int kStepMs = 25;

    explicit ScreenTransition(QObject *parent = nullptr);

    // Fades the current screen out towards next from full opacity, stopping
    // whatever animation ran; a fade already under way starts again.
    void fadeOutTowards(QWidget *next);
    // The second half of a fade: the new current screen from transparent.
    void fadeIn();
    // From the start of a fade until its fade-in ends.
    bool isFading() const { return fading; }

    // Blurs the current screen up to the full radius; does nothing while a
    // blur is under way or complete. A blur asked for during an un-blur goes
    // on from the radius reached.
    void startBlur();
    void startUnblur();

    // One step of each animation; the timers call them.
    void opacityTick();
    void blurTick();

    double opacity() const { return currentOpacity; }
    double blurRadius() const { return radius; }

signals:
    void reached(graphicsEffectActual end);

private:
    void stopTimers();
    // A live camera picture repaints its screen with every frame, and under
    // a blur every repaint blurs the whole screen again: at full HD that
    // takes longer than the frame. A screen showing one is therefore blurred
    // as a still: a copy of it, taken when the blur starts, covers it and
    // blurs itself, while its viewfinders stop repainting behind the copy.
    // The camera, its recording and the clock go on. Returns the widget to
    // blur: the still, or the screen itself, which carries a blur effect,
    // when nothing on it is live.
    QWidget *blurTargetFor(QWidget *screen);
    // A fading screen's live pictures are held still too: under an opacity
    // effect every frame would draw the whole screen again, and a still
    // screen is drawn once for the whole fade.
    void freeze(const QList<QPointer<QWidget>> &pictures);
    void applyBlurRadius();
    void thawLivePictures();

    // Children of this object, so that tools find the animation timers.
    QTimer opacityTimer;
    QTimer blurTimer;
    QPointer<QGraphicsOpacityEffect> opacityEffect;
    QPointer<QGraphicsBlurEffect> blurEffect;
    QPointer<QWidget> blurTarget;
    QPointer<BlurredStill> stillCover;
    QPointer<QWidget> frozenScreen;
    QList<QPointer<QWidget>> frozenPictures;
    double currentOpacity = 1.0;
    double opacityStep = 0.0;
    double radius = 0.0;
    double blurStep = 0.0;
    bool fading = false;
};
