// graphics/exercises: 300 x 200 pictures of the built-in exercises' practice
// fields, as the chooser's rows show them (shrunk to 150 x 100): the object
// on a dark tray, seen from the camera above.
#include "pictures.h"

#include <QtMath>

namespace art {
namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 200;
// Practice objects are foam, gauze and rubber: warm colours that stand out
// from the blue tray, as the real ones do under the camera.
const QColor kFoam(232, 196, 170);
const QColor kFoamShade(196, 150, 126);
const QColor kGauze(236, 238, 240);
const QColor kRing(250, 170, 60);
const QColor kMark(40, 60, 90);

void tray(QPainter &p)
{
    const QRectF field(4, 4, kWidth - 8, kHeight - 8);
    QLinearGradient shade(field.topLeft(), field.bottomLeft());
    shade.setColorAt(0, ink::navyTop);
    shade.setColorAt(1, ink::navyBottom);
    p.fillPath(roundedRect(field, 18), shade);
    p.setPen(QPen(withAlpha(ink::accent, 150), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(roundedRect(field, 18));
}

// Six pegs on either side of a board, the rings moving from left to right.
void pegTransfer(QPainter &p)
{
    const QRectF board(40, 40, 220, 120);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(ink::iconDim, 90));
    p.drawRoundedRect(board, 12, 12);
    const QPointF pegs[] = { { 70, 70 }, { 100, 70 }, { 70, 100 }, { 100, 100 }, { 70, 130 }, { 100, 130 } };
    for (int side = 0; side < 2; ++side) {
        for (int i = 0; i < 6; ++i) {
            const QPointF peg = side ? QPointF(300 - pegs[i].x(), pegs[i].y()) : pegs[i];
            // Five rings still on the left, one already across.
            const bool ringed = side == 0 ? i > 0 : i == 0;
            if (ringed) {
                p.setPen(roundPen(kRing, 4));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(peg, 11, 11);
            }
            p.setPen(Qt::NoPen);
            p.setBrush(ink::icon);
            p.drawEllipse(peg, 4.5, 4.5);
        }
    }
    QPainterPath arrow;
    arrow.moveTo(120, 62);
    arrow.quadTo(150, 30, 180, 62);
    strokeIcon(p, arrow, 3, ink::accentBright);
    QPainterPath head;
    head.moveTo(170, 58);
    head.lineTo(181, 63);
    head.lineTo(181, 50);
    strokeIcon(p, head, 3, ink::accentBright);
}

// A gauze square with a double circle, cut part of the way round.
void precisionCutting(QPainter &p)
{
    const QRectF gauze(75, 25, 150, 150);
    p.setPen(Qt::NoPen);
    p.setBrush(kGauze);
    p.drawRect(gauze);
    p.setPen(QPen(withAlpha(ink::iconDim, 110), 1));
    for (qreal at = 6; at < gauze.width(); at += 6) {
        p.drawLine(QPointF(gauze.left() + at, gauze.top()), QPointF(gauze.left() + at, gauze.bottom()));
        p.drawLine(QPointF(gauze.left(), gauze.top() + at), QPointF(gauze.right(), gauze.top() + at));
    }
    const QPointF centre = gauze.center();
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(kMark, 2.5));
    p.drawEllipse(centre, 52, 52);
    p.drawEllipse(centre, 40, 40);
    // The cut so far: the gap between the lines, dark where the tray shows.
    QPainterPath cut;
    cut.arcMoveTo(QRectF(centre - QPointF(46, 46), QSizeF(92, 92)), 90);
    cut.arcTo(QRectF(centre - QPointF(46, 46), QSizeF(92, 92)), 90, 130);
    p.setPen(roundPen(ink::navyBottom, 5));
    p.drawPath(cut);
    const qreal angle = qDegreesToRadians(220.0);
    const QPointF tip = centre + QPointF(46 * qCos(angle), -46 * qSin(angle));
    p.setPen(Qt::NoPen);
    p.setBrush(ink::accentBright);
    p.drawEllipse(tip, 6, 6);
}

// A foam appendage on its base, a loop laid round its mark and the knot
// pusher leading out of the picture.
void ligatingLoop(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(ink::iconDim, 90));
    p.drawRoundedRect(QRectF(60, 150, 180, 26), 8, 8);
    QLinearGradient tube(QPointF(120, 0), QPointF(180, 0));
    tube.setColorAt(0, kFoamShade);
    tube.setColorAt(0.45, kFoam);
    tube.setColorAt(1, kFoamShade);
    p.setBrush(tube);
    p.drawPath(roundedRect(QRectF(124, 40, 52, 120), 24));
    p.setPen(QPen(kMark, 2.5, Qt::DashLine, Qt::FlatCap));
    p.drawLine(QPointF(124, 80), QPointF(176, 80));
    p.setPen(roundPen(ink::accentBright, 3.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(118, 73, 64, 14));
    QPainterPath pusher;
    pusher.moveTo(182, 80);
    pusher.quadTo(215, 74, 262, 40);
    strokeIcon(p, pusher, 3.5, ink::accentBright);
    p.setPen(roundPen(ink::icon, 7));
    p.drawLine(QPointF(240, 64), QPointF(272, 28));
}

// A slit rubber drain, closed by a stitch with a square knot on top.
void intracorporealKnot(QPainter &p)
{
    QLinearGradient drain(QPointF(0, 70), QPointF(0, 130));
    drain.setColorAt(0, kFoam);
    drain.setColorAt(1, kFoamShade);
    p.setPen(Qt::NoPen);
    p.setBrush(drain);
    p.drawPath(roundedRect(QRectF(30, 70, 240, 60), 28));
    p.setPen(roundPen(kMark, 3));
    p.drawLine(QPointF(150, 76), QPointF(150, 124));
    p.setPen(Qt::NoPen);
    p.setBrush(kMark);
    p.drawEllipse(QPointF(128, 100), 3.5, 3.5);
    p.drawEllipse(QPointF(172, 100), 3.5, 3.5);
    QPainterPath stitch;
    stitch.moveTo(128, 100);
    stitch.quadTo(150, 82, 172, 100);
    QPainterPath knot;
    knot.addEllipse(QPointF(143, 86), 7, 5);
    knot.addEllipse(QPointF(157, 86), 7, 5);
    QPainterPath tails;
    tails.moveTo(143, 82);
    tails.quadTo(128, 58, 104, 50);
    tails.moveTo(157, 82);
    tails.quadTo(172, 58, 196, 50);
    p.setBrush(Qt::NoBrush);
    strokeIcon(p, stitch, 3, ink::accentBright);
    strokeIcon(p, knot, 3, ink::accentBright);
    strokeIcon(p, tails, 2.5, ink::accentBright);
}

QImage exercise(void (*subject)(QPainter &))
{
    return supersampled(kWidth, kHeight, [subject](QPainter &p) {
        tray(p);
        subject(p);
    });
}

} // namespace

void drawExercises(Output &out)
{
    out.save(exercise(pegTransfer), "graphics/exercises/peg_transfer.png");
    out.save(exercise(precisionCutting), "graphics/exercises/precision_cutting.png");
    out.save(exercise(ligatingLoop), "graphics/exercises/ligating_loop.png");
    out.save(exercise(intracorporealKnot), "graphics/exercises/intracorporeal_knot.png");
}

} // namespace art
