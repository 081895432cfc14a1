#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class Slider;
}
class QPushButton;

// A position slider for fingers: a handle that follows the finger along a
// groove and reports where it was put, in percent. While the finger is down
// the handle ignores positions set from outside, so playback cannot pull it
// away from under the finger.
class Slider : public QWidget
{
    Q_OBJECT

public:
    explicit Slider(QWidget *parent = nullptr);
    ~Slider() override;

    // Moves the handle to percent of its travel, unless it is being dragged.
    void setPosition(int percent);

signals:
    void userMove(int percent);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    void measureTravel();
    // Puts the handle's middle under the finger at e, within the groove, and
    // reports the new position.
    void follow(QMouseEvent *e);

    std::unique_ptr<Ui::Slider> ui;
    QPushButton *handle;
    bool dragging = false;
    // The handle's travel in pixels.
    int range = 0;
};
