#include "history/slider.h"

#include <QMouseEvent>
#include <QPushButton>

#include "ui_slider.h"

namespace {

constexpr int kHandleSize = 30;
// A press puts the middle of the handle under the finger.
constexpr int kHandleMiddle = kHandleSize / 2;
constexpr float kFullScale = 100.0f;
constexpr int kPercentScale = 100;
// The handle's own sheet wins over the screen's button pictures.
constexpr auto kHandleStyle
    = "QPushButton { border-image: none; border: 2px solid rgb(203,203,203); border-radius: 15px;"
      " background: rgb(36,84,150); }";

} // namespace

Slider::Slider(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Slider>())
{
    ui->setupUi(this);
    // Created after the groove so that it lies on top of it.
    handle = new QPushButton(this);
    handle->setObjectName(QStringLiteral("handle"));
    handle->setFixedSize(kHandleSize, kHandleSize);
    handle->setFocusPolicy(Qt::NoFocus);
    handle->setStyleSheet(QLatin1String(kHandleStyle));
    // The finger moves the slider, not the button: a press on the handle
    // reaches the slider's own handlers like a press on the groove.
    handle->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (QObject *watched :
        { static_cast<QObject *>(handle), static_cast<QObject *>(ui->frame), static_cast<QObject *>(this) })
        watched->installEventFilter(this);
}

Slider::~Slider() = default;

void Slider::setPosition(int percent)
{
    if (dragging)
        return;
    handle->move(range * percent / kPercentScale, handle->y());
}

void Slider::mousePressEvent(QMouseEvent *e)
{
    dragging = true;
    follow(e);
}

void Slider::mouseMoveEvent(QMouseEvent *e)
{
    if (dragging)
        follow(e);
}

void Slider::mouseReleaseEvent(QMouseEvent *)
{
    dragging = false;
}

void Slider::showEvent(QShowEvent *event)
{
    measureTravel();
    QWidget::showEvent(event);
}

bool Slider::eventFilter(QObject *object, QEvent *event)
{
    // A slider shown before its layout has settled would keep the travel of
    // its first, provisional width and report nonsense for every press, so
    // the travel follows every later resize as well.
    if (object == this && event->type() == QEvent::Resize)
        measureTravel();
    return false;
}

void Slider::measureTravel()
{
    range = width() - kHandleSize;
}

void Slider::follow(QMouseEvent *e)
{
    const int x = qRound(e->localPos().x());
    const int p = qBound(0, x - kHandleMiddle, qMax(range, 0));
    handle->move(p, handle->y());
    emit userMove(
        range > 0 ? static_cast<int>(static_cast<float>(p) / static_cast<float>(range) * kFullScale) : 0);
}
