// graphics/tools: 65 x 31 line drawings of the laparoscopic instruments a
// training uses. All share the shaft and ring handle; only the jaws differ.
#include "pictures.h"

namespace art {
namespace {

constexpr qreal kAxis = 15.5; // y of the shaft
constexpr qreal kJawPivot = 21.5; // x where the jaws meet the shaft

void shaftAndHandle(QPainter &p)
{
    p.setPen(roundPen(ink::icon, 2.6));
    p.drawLine(QPointF(kJawPivot, kAxis), QPointF(49, kAxis));
    p.setPen(Qt::NoPen);
    p.setBrush(ink::icon);
    p.drawRoundedRect(QRectF(44.5, kAxis - 3.6, 5, 7.2), 1.4, 1.4); // rotation knob
    QPainterPath arms;
    arms.moveTo(49, kAxis);
    arms.lineTo(55.4, 10.4);
    arms.moveTo(49, kAxis);
    arms.lineTo(54.8, 21.2);
    p.setPen(roundPen(ink::icon, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arms);
    p.setPen(QPen(ink::icon, 1.8));
    p.drawEllipse(QPointF(58.6, 7.6), 3.4, 3.4);
    p.drawEllipse(QPointF(58.2, 23.8), 3.8, 3.8);
}

void pivot(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink::icon);
    p.drawEllipse(QPointF(kJawPivot, kAxis), 2.3, 2.3);
}

// Curved, closed, slender jaws (Maryland type).
void dissectorJaws(QPainter &p)
{
    QPainterPath jaws;
    jaws.moveTo(kJawPivot, kAxis);
    jaws.cubicTo(13, kAxis, 7, kAxis - 2.5, 3.2, kAxis - 8.5);
    p.setPen(roundPen(ink::icon, 4.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(jaws);
    p.setPen(QPen(QColor(20, 40, 70, 220), 0.8));
    p.drawPath(jaws.translated(0.3, 0.2));
    pivot(p);
}

// Straight, wide-open jaws with teeth on the inner faces.
void grasperJaws(QPainter &p)
{
    const QPointF base(kJawPivot, kAxis);
    const QPointF tips[] = { { 3, 5.5 }, { 3, 25.5 } };
    for (const QPointF &tip : tips) {
        p.setPen(roundPen(ink::icon, 2.6));
        p.drawLine(base, tip);
        const qreal inward = tip.y() < kAxis ? 1 : -1;
        p.setPen(roundPen(ink::icon, 1.1));
        for (qreal t = 0.3; t < 0.97; t += 0.14) {
            const QPointF at = base + (tip - base) * t;
            p.drawLine(at, at + QPointF(0.5, 2.2 * inward));
        }
    }
    pivot(p);
}

// Slim curved blades, slightly open.
void scissorsJaws(QPainter &p)
{
    QPainterPath upper;
    upper.moveTo(kJawPivot + 1, kAxis + 1.2);
    upper.cubicTo(14, kAxis - 2.2, 7, kAxis - 5.2, 1.5, kAxis - 8);
    upper.cubicTo(7, kAxis - 1.6, 14, kAxis + 2.4, kJawPivot + 1, kAxis + 3.8);
    upper.closeSubpath();
    QPainterPath lower;
    lower.moveTo(kJawPivot + 1, kAxis - 1.6);
    lower.cubicTo(14, kAxis + 0.2, 7, kAxis + 1.6, 2, kAxis + 3.4);
    lower.cubicTo(7, kAxis + 5.2, 14, kAxis + 4.2, kJawPivot + 1, kAxis + 1.4);
    lower.closeSubpath();
    p.fillPath(lower, ink::iconDim);
    p.fillPath(upper, ink::icon);
    pivot(p);
    p.setBrush(QColor(20, 40, 70));
    p.drawEllipse(QPointF(kJawPivot, kAxis), 0.9, 0.9);
}

// Short stout jaws holding a curved needle with its thread.
void needleHolderJaws(QPainter &p)
{
    QPainterPath jaws;
    jaws.moveTo(kJawPivot, kAxis - 3);
    jaws.lineTo(10, kAxis - 1.6);
    jaws.quadTo(8.6, kAxis, 10, kAxis + 1.6);
    jaws.lineTo(kJawPivot, kAxis + 3);
    jaws.closeSubpath();
    p.fillPath(jaws, ink::icon);
    p.setPen(QPen(QColor(20, 40, 70, 220), 0.8));
    p.drawLine(QPointF(kJawPivot - 1, kAxis), QPointF(10.5, kAxis));
    p.setPen(roundPen(ink::accentBright, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(3.5, 3.5, 13, 13), 60 * 16, 180 * 16);
    p.setPen(roundPen(ink::iconDim, 0.9));
    QPainterPath thread;
    thread.moveTo(13.25, 4.4);
    thread.cubicTo(17, 0.8, 24, 1.5, 29, 5);
    p.drawPath(thread);
}

QImage instrument(void (*jaws)(QPainter &))
{
    return supersampled(
        65, 31,
        [jaws](QPainter &p) {
            shaftAndHandle(p);
            jaws(p);
        },
        6);
}

} // namespace

void drawTools(Output &out)
{
    out.save(instrument(dissectorJaws), "graphics/tools/dissector_icon.png");
    out.save(instrument(grasperJaws), "graphics/tools/grasper_icon.png");
    out.save(instrument(scissorsJaws), "graphics/tools/scissors_logo.png");
    out.save(instrument(needleHolderJaws), "graphics/tools/tool_holder.png");
}

} // namespace art
