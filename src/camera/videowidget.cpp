#include "camera/videowidget.h"

#include <QCamera>
#include <QMouseEvent>
#include <QPainter>

VideoWidget::VideoWidget(QWidget *parent)
    : QVideoWidget(parent)
{
    setAspectRatioMode(Qt::KeepAspectRatio);
    // The picture and its black borders cover the whole widget, so a new
    // frame repaints the viewfinder alone: otherwise every frame first
    // repaints what lies behind it (in a training the whole screen with the
    // main window's background picture), and reaches the screen later.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void VideoWidget::mousePressEvent(QMouseEvent *event)
{
    emit mouseClicked();
    event->accept();
}

void VideoWidget::paintEvent(QPaintEvent *event)
{
    // Qt draws the borders, and the picture once frames flow; before, the
    // widget is black rather than what the screen showed there last.
    const auto *camera = qobject_cast<QCamera *>(mediaObject());
    if (!camera || camera->status() != QCamera::ActiveStatus)
        QPainter(this).fillRect(event->rect(), palette().window());
    QVideoWidget::paintEvent(event);
}
