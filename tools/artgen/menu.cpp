// graphics/menu: four large tiles of the main menu. The application draws
// the caption at the top (55 px padding), so the upper part stays plain and
// the pictogram sits on a round plate in the lower part.
#include "pictures.h"

#include <cmath>

namespace art {
namespace {

constexpr int kW = 420;
constexpr int kH = 380;
const QPointF kCentre(210, 254);

struct Look
{
    QColor line; // main strokes and fills
    QColor accent; // secondary parts
};

void playPictogram(QPainter &p, const Look &look)
{
    QPainterPath tri;
    tri.moveTo(kCentre + QPointF(-30, -48));
    tri.lineTo(kCentre + QPointF(50, 0));
    tri.lineTo(kCentre + QPointF(-30, 48));
    tri.closeSubpath();
    p.fillPath(tri.translated(0, 3), QColor(0, 10, 25, 100));
    QLinearGradient fill(kCentre + QPointF(0, -48), kCentre + QPointF(0, 48));
    fill.setColorAt(0, look.line);
    fill.setColorAt(1, look.line.darker(106));
    p.setPen(roundPen(look.line, 12));
    p.setBrush(fill);
    p.drawPath(tri);
}

void capPictogram(QPainter &p, const Look &look)
{
    const QPointF c = kCentre + QPointF(0, -8);
    QPainterPath base;
    base.moveTo(c + QPointF(-46, 6));
    base.lineTo(c + QPointF(-46, 44));
    base.quadTo(c + QPointF(0, 64), c + QPointF(46, 44));
    base.lineTo(c + QPointF(46, 6));
    base.closeSubpath();
    p.setPen(roundPen(QColor(0, 10, 25, 120), 3));
    p.setBrush(look.line.darker(125));
    p.drawPath(base);
    QPainterPath board;
    board.moveTo(c + QPointF(-84, -4));
    board.lineTo(c + QPointF(0, -40));
    board.lineTo(c + QPointF(84, -4));
    board.lineTo(c + QPointF(0, 32));
    board.closeSubpath();
    p.fillPath(board.translated(0, 3), QColor(0, 10, 25, 110));
    p.setPen(roundPen(look.line, 4));
    p.setBrush(look.line);
    p.drawPath(board);
    QPainterPath tassel;
    tassel.moveTo(c + QPointF(0, -4));
    tassel.lineTo(c + QPointF(64, 6));
    tassel.lineTo(c + QPointF(64, 52));
    p.setPen(roundPen(look.accent, 5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tassel);
    p.setPen(Qt::NoPen);
    p.setBrush(look.accent);
    p.drawRoundedRect(QRectF(c + QPointF(57, 48), QSizeF(14, 20)), 4, 4);
    p.drawEllipse(c + QPointF(0, -4), 7.0, 5.0);
}

void chartPictogram(QPainter &p, const Look &look)
{
    const QPointF o = kCentre + QPointF(-62, 50); // origin of the axes
    const qreal heights[] = { 34, 58, 46, 82 };
    QPainterPath trend;
    for (int i = 0; i < 4; ++i) {
        const QRectF bar(o.x() + 14 + i * 28, o.y() - heights[i], 20, heights[i]);
        QLinearGradient fill(bar.topLeft(), bar.bottomLeft());
        fill.setColorAt(0, look.accent);
        fill.setColorAt(1, look.accent.darker(150));
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(bar, 3, 3);
        const QPointF top(bar.center().x(), bar.top() - 14);
        if (i == 0)
            trend.moveTo(top);
        else
            trend.lineTo(top);
    }
    strokeIcon(p, trend, 5, look.line);
    for (int i = 0; i < trend.elementCount(); ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(look.line);
        p.drawEllipse(QPointF(trend.elementAt(i).x, trend.elementAt(i).y), 6.5, 6.5);
    }
    QPainterPath axes;
    axes.moveTo(o + QPointF(0, -104));
    axes.lineTo(o);
    axes.lineTo(o + QPointF(132, 0));
    strokeIcon(p, axes, 7, look.line);
}

QPainterPath gear(QPointF c, qreal outer, qreal inner, int teeth)
{
    QPainterPath path;
    const int steps = teeth * 4;
    for (int i = 0; i < steps; ++i) {
        const qreal a = 2 * M_PI * i / steps;
        const qreal r = (i % 4 == 0 || i % 4 == 1) ? outer : inner;
        const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * r;
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, inner * 0.42, inner * 0.42);
    return path.subtracted(hole);
}

void cameraPictogram(QPainter &p, const Look &look, const QColor &tileColour)
{
    const QPointF c = kCentre + QPointF(-12, -6);
    QPainterPath body;
    body.addRoundedRect(QRectF(c + QPointF(-70, -38), QSizeF(140, 88)), 14, 14);
    body.addRoundedRect(QRectF(c + QPointF(-30, -54), QSizeF(52, 24)), 7, 7);
    body = body.simplified();
    p.fillPath(body.translated(0, 3), QColor(0, 10, 25, 110));
    p.fillPath(body, look.line);
    p.setPen(Qt::NoPen);
    p.setBrush(tileColour);
    p.drawEllipse(c + QPointF(0, 6), 32.0, 32.0);
    QRadialGradient lens(c + QPointF(-6, 0), 30);
    lens.setColorAt(0, look.accent.lighter(120));
    lens.setColorAt(1, look.accent.darker(160));
    p.setBrush(lens);
    p.drawEllipse(c + QPointF(0, 6), 24.0, 24.0);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(c + QPointF(-8, -3), 6.0, 5.0);
    p.setBrush(look.accent);
    p.drawRoundedRect(QRectF(c + QPointF(44, -28), QSizeF(14, 9)), 3, 3);

    // The gear marks the screen as settings; a ring in the tile colour
    // separates it from the camera behind.
    const QPainterPath g = gear(c + QPointF(66, 44), 36, 27, 9);
    p.setPen(QPen(tileColour, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(tileColour);
    p.drawPath(g);
    p.setPen(QPen(look.accent.darker(130), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(look.accent);
    p.drawPath(g);
}

enum class Pictogram { Play, Cap, Chart, Camera };

QImage tile(Pictogram kind, bool pressed)
{
    QImage img = blank(kW, kH);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(5, 4, kW - 10, kH - 13);
    const qreal radius = 26;
    paintShadow(p, img.size(), roundedRect(body, radius), QPointF(0, pressed ? 2 : 4), pressed ? 4 : 9, 180);
    paintBevel(p, body, radius, pressed ? Face::Pressed : Face::Normal, 0.4);

    // The plate the pictogram stands on.
    const QColor plateRing = pressed ? QColor(150, 212, 255, 120) : QColor(150, 200, 245, 60);
    QRadialGradient plate(kCentre + QPointF(0, -40), 130);
    plate.setColorAt(0.0, QColor(255, 255, 255, pressed ? 26 : 20));
    plate.setColorAt(1.0, QColor(255, 255, 255, 4));
    p.setPen(QPen(plateRing, 2.5));
    p.setBrush(plate);
    p.drawEllipse(kCentre, 96.0, 96.0);

    const Look look
        = pressed ? Look { QColor(240, 248, 255), ink::accentBright } : Look { ink::icon, ink::accent };
    // The colour under the pictogram, for cut-outs that must look empty.
    const QColor tileColour = pressed ? QColor(24, 54, 92) : QColor(22, 50, 86);
    switch (kind) {
    case Pictogram::Play:
        playPictogram(p, look);
        break;
    case Pictogram::Cap:
        capPictogram(p, look);
        break;
    case Pictogram::Chart:
        chartPictogram(p, look);
        break;
    case Pictogram::Camera:
        cameraPictogram(p, look, tileColour);
        break;
    }
    return img;
}

} // namespace

void drawMenuTiles(Output &out)
{
    const struct
    {
        const char *name;
        Pictogram kind;
    } tiles[] = {
        { "bsta", Pictogram::Play },
        { "tutorials", Pictogram::Cap },
        { "bres", Pictogram::Chart },
        { "bcam", Pictogram::Camera },
    };
    for (const auto &t : tiles) {
        out.save(tile(t.kind, false), QString("graphics/menu/%1.png").arg(t.name));
        out.save(tile(t.kind, true), QString("graphics/menu/%1_p.png").arg(t.name));
    }
}

} // namespace art
