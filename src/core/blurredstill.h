#pragma once

#include <QImage>
#include <QWidget>

// A still of a screen that shows a live picture, laid over the screen while
// a dialog is open, that blurs itself. A blur effect on a full HD still
// blurs two million pixels at every step of the animation, and holds three
// more full-size copies while it does: this draws the screen at a quarter of
// its size, blurs that at a quarter of the radius and scales the result up
// as it paints. At the radii of a dialog's blur the two look alike, and no
// full-size copy is made: a fresh 8 MB picture costs more in first touches
// of its memory than all the rest of the still.
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
};
