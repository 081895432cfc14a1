#pragma once

#include <QVideoWidget>

// The camera viewfinder: keeps the picture's aspect ratio and reports every
// press, which the training screen uses to end a full-screen training. It
// paints all of itself, so a frame repaints nothing behind it.
class VideoWidget : public QVideoWidget
{
    Q_OBJECT

public:
    explicit VideoWidget(QWidget *parent = nullptr);

signals:
    void mouseClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
