#include "camera/videowidget.h"

#include <QMouseEvent>

VideoWidget::VideoWidget(QWidget *parent)
    : QVideoWidget(parent)
{
    setAspectRatioMode(Qt::KeepAspectRatio);
}

void VideoWidget::mousePressEvent(QMouseEvent *event)
{
    emit mouseClicked();
    event->accept();
}
