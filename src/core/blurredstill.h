#pragma once

#include <QImage>
#include <QWidget>

// A still of a screen that shows a live picture, laid over the screen while
// a dialog is open, that blurs itself. A blur effect on a full HD still
// blurs two million pixels at every step of the animation, and holds three
// more full-size copies while it does: this blurs a quarter-size copy at a
// quarter of the radius and scales the result up into one full-size
// picture, used again at every step. At the radii of a dialog's blur the
// two look alike.
class BlurredStill : public QWidget
{
public:
    // Covers screen with a still of it, as a sibling: a screen whose
    // pictures stop repainting would draw nothing of them into a child.
    explicit BlurredStill(QWidget *screen);

    void setBlurRadius(double radius);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage reduced;
    QImage blurred;
    QImage shown;
};
