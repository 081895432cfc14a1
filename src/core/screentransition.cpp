#include "core/screentransition.h"

#include <QGraphicsBlurEffect>
#include <QGraphicsOpacityEffect>
#include <QPainter>
#include <QVideoWidget>
#include <QWidget>
#include <cmath>

#include "core/blurredstill.h"
#include "core/clientsessioninfo.h"

namespace {

// Ten steps of 0.1 leave the double sum just short of the bound, so each
// half of a fade takes eleven ticks.
constexpr double kOpacityStep = 0.1;
constexpr double kFullBlurRadius = 19.0;
constexpr double kUnblurStep = -2.0;

// The blur decelerates: the step shrinks exponentially with the radius. The
// first step from a given radius is larger than the following ones.
double firstBlurStep(double radius)
{
    return 1.427 * std::exp(-0.2137 * radius) + 0.073;
}

double nextBlurStep(double radius)
{
    return 2.427 * std::exp(-0.1137 * radius) + 0.073;
}

void removeEffect(QWidget *widget, QGraphicsEffect *effect)
{
    if (widget && effect && widget->graphicsEffect() == effect)
        widget->setGraphicsEffect(nullptr);
}

// A fade's opacity that draws its screen once, as a still, and blends that
// at every step. Qt's own effect caches nothing for a widget: it renders the
// whole screen again at every paint, 24 ms at full HD for the training
// screen, eleven times in each half of a fade. The screen's live pictures
// are held still for the fade anyway; any other change on it shows when the
// fade ends and the screen draws itself again. The still is taken at the
// first paint that shows something, a tick after the screen was swapped in,
// when its show has been laid out.
class StillOpacityEffect : public QGraphicsOpacityEffect
{
public:
    using QGraphicsOpacityEffect::QGraphicsOpacityEffect;

protected:
    void draw(QPainter *painter) override
    {
        if (opacity() >= 1.0) {
            drawSource(painter);
            return;
        }
        if (opacity() <= 0.0)
            return;
        // A screen resized under the fade (the window leaving full screen)
        // needs a still of its new size.
        const QRect bounds = sourceBoundingRect(Qt::DeviceCoordinates).toAlignedRect();
        if (still.isNull() || bounds != stillBounds) {
            still = sourcePixmap(Qt::DeviceCoordinates, &stillOffset, QGraphicsEffect::NoPad);
            stillBounds = bounds;
        }
        painter->save();
        painter->setOpacity(opacity());
        painter->setWorldTransform(QTransform());
        painter->drawPixmap(stillOffset, still);
        painter->restore();
    }

    // Moved to another screen: a new still.
    void sourceChanged(ChangeFlags flags) override
    {
        still = QPixmap();
        QGraphicsOpacityEffect::sourceChanged(flags);
    }

private:
    QPixmap still;
    QPoint stillOffset;
    QRect stillBounds;
};

// The camera pictures shown on screen, the screen itself included.
QList<QPointer<QWidget>> livePicturesOn(QWidget *screen)
{
    QList<QPointer<QWidget>> shown;
    if (!screen)
        return shown;
    QList<QVideoWidget *> pictures = screen->findChildren<QVideoWidget *>();
    if (auto *picture = qobject_cast<QVideoWidget *>(screen))
        pictures << picture;
    for (QVideoWidget *picture : qAsConst(pictures)) {
        if (picture->isVisible())
            shown << picture;
    }
    return shown;
}

} // namespace

ScreenTransition::ScreenTransition(QObject *parent)
    : QObject(parent)
    , opacityTimer(this)
    , blurTimer(this)
{
    opacityTimer.setInterval(kStepMs);
    blurTimer.setInterval(kStepMs);
    connect(&opacityTimer, &QTimer::timeout, this, &ScreenTransition::opacityTick);
    connect(&blurTimer, &QTimer::timeout, this, &ScreenTransition::blurTick);
}

void ScreenTransition::stopTimers()
{
    opacityTimer.stop();
    blurTimer.stop();
}

QWidget *ScreenTransition::blurTargetFor(QWidget *screen)
{
    if (stillCover && frozenScreen == screen)
        return stillCover;
    // A blur asked for while the last one fades out may cover another screen.
    thawLivePictures();
    if (!screen || !screen->parentWidget())
        return screen;
    const QList<QPointer<QWidget>> pictures = livePicturesOn(screen);
    if (pictures.isEmpty())
        return screen;
    stillCover = new BlurredStill(screen);
    frozenScreen = screen;
    freeze(pictures);
    return stillCover;
}

void ScreenTransition::freeze(const QList<QPointer<QWidget>> &pictures)
{
    frozenPictures = pictures;
    for (const QPointer<QWidget> &picture : pictures)
        picture->setUpdatesEnabled(false);
}

void ScreenTransition::thawLivePictures()
{
    for (const QPointer<QWidget> &picture : qAsConst(frozenPictures)) {
        if (picture)
            picture->setUpdatesEnabled(true);
    }
    frozenPictures.clear();
    delete stillCover;
}

void ScreenTransition::fadeOutTowards(QWidget *next)
{
    thawLivePictures();
    freeze(livePicturesOn(ClientSessionInfo::actualForm));
    // Installed, the effect is deleted by the widget that carries it when it
    // is replaced or removed; never installed, it goes with this object.
    opacityEffect = new StillOpacityEffect(this);
    currentOpacity = 1.0;
    opacityEffect->setOpacity(currentOpacity);
    if (QWidget *current = ClientSessionInfo::actualForm)
        current->setGraphicsEffect(opacityEffect);
    ClientSessionInfo::nextForm = next;
    stopTimers();
    fading = true;
    opacityStep = -kOpacityStep;
    opacityTimer.start();
}

void ScreenTransition::fadeIn()
{
    thawLivePictures();
    freeze(livePicturesOn(ClientSessionInfo::nextForm));
    stopTimers();
    opacityStep = kOpacityStep;
    opacityTimer.start();
}

void ScreenTransition::opacityTick()
{
    currentOpacity += opacityStep;
    if (opacityStep > 0 && currentOpacity >= 1.0) {
        currentOpacity = 1.0;
        opacityTimer.stop();
        fading = false;
        removeEffect(ClientSessionInfo::actualForm, opacityEffect);
        thawLivePictures();
        emit reached(OpacityMax);
        return;
    }
    if (opacityStep < 0 && currentOpacity <= 0.0) {
        currentOpacity = 0.0;
        opacityTimer.stop();
        // The new screen starts transparent: the effect moves over to it.
        if (ClientSessionInfo::nextForm && opacityEffect)
            ClientSessionInfo::nextForm->setGraphicsEffect(opacityEffect);
        emit reached(OpacityMin);
    }
    graphicsStruct::opamax = false;
    graphicsStruct::opamin = false;
    if (opacityEffect)
        opacityEffect->setOpacity(currentOpacity);
}

void ScreenTransition::startBlur()
{
    if ((blurTimer.isActive() || radius == kFullBlurRadius) && blurStep > 0)
        return;
    QWidget *target = blurTargetFor(ClientSessionInfo::actualForm);
    if (target != blurTarget)
        removeEffect(blurTarget, blurEffect);
    blurTarget = target;
    blurEffect = nullptr;
    if (blurTarget && blurTarget != stillCover) {
        blurEffect = new QGraphicsBlurEffect(this);
        blurTarget->setGraphicsEffect(blurEffect);
    }
    applyBlurRadius();
    // Both animations share the current screen; a fade the blur interrupts
    // ends where it is.
    stopTimers();
    fading = false;
    blurStep = firstBlurStep(radius);
    blurTimer.start();
}

void ScreenTransition::startUnblur()
{
    // A fade under way goes on: it has already replaced the blur, and it
    // carries a navigation that must reach its screen.
    blurTimer.stop();
    blurStep = kUnblurStep;
    blurTimer.start();
}

void ScreenTransition::blurTick()
{
    radius += blurStep;
    if (blurStep > 0)
        blurStep = nextBlurStep(radius);
    if (radius >= kFullBlurRadius && blurStep > 0) {
        radius = kFullBlurRadius;
        blurTimer.stop();
        emit reached(BlurMax);
    } else if (radius <= 0.0 && blurStep < 0) {
        radius = 0.0;
        blurTimer.stop();
        removeEffect(blurTarget, blurEffect);
        thawLivePictures();
        emit reached(BlurMin);
        return;
    }
    graphicsStruct::blurmin = false;
    graphicsStruct::blurmax = false;
    applyBlurRadius();
}

void ScreenTransition::applyBlurRadius()
{
    if (blurEffect)
        blurEffect->setBlurRadius(radius);
    else if (stillCover)
        stillCover->setBlurRadius(radius);
}
