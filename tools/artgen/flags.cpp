// graphics/flags: the ten language flags, 150 x 100 (3:2), in colour and
// greyed. Proportions follow each flag's usual construction closely enough to
// be recognised at the 79 x 62 of the language buttons.
#include "pictures.h"

#include <cmath>
#include <vector>

namespace art {
namespace {

constexpr qreal W = 150;
constexpr qreal H = 100;

void bands(QPainter &p, const std::vector<QColor> &colours, const std::vector<qreal> &weights, bool vertical)
{
    qreal total = 0;
    for (qreal wgt : weights)
        total += wgt;
    qreal at = 0;
    for (size_t i = 0; i < colours.size(); ++i) {
        const qreal len = (vertical ? W : H) * weights[i] / total;
        const QRectF r = vertical ? QRectF(at, 0, len + 0.5, H) : QRectF(0, at, W, len + 0.5);
        p.fillRect(r, colours[i]);
        at += len;
    }
}

// A five-pointed star with one point aimed along `angle` (radians, 0 = right).
QPainterPath star(QPointF c, qreal outer, qreal angle)
{
    QPainterPath path;
    const qreal inner = outer * 0.382;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal a = angle + i * M_PI / 5;
        const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * r;
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

// A heraldic shield: straight top and sides, round bottom.
QPainterPath shield(const QRectF &r)
{
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.topRight());
    path.lineTo(r.right(), r.top() + r.height() * 0.55);
    path.cubicTo(r.right(), r.top() + r.height() * 0.9, r.center().x() + r.width() * 0.2, r.bottom(),
        r.center().x(), r.bottom());
    path.cubicTo(r.center().x() - r.width() * 0.2, r.bottom(), r.left(), r.top() + r.height() * 0.9, r.left(),
        r.top() + r.height() * 0.55);
    path.closeSubpath();
    return path;
}

void unitedKingdom(QPainter &p)
{
    const QColor blue(1, 33, 105);
    const QColor red(200, 16, 46);
    p.fillRect(QRectF(0, 0, W, H), blue);
    const QPointF centre(W / 2, H / 2);
    const qreal unit = H / 30; // the flag is built on a 60 x 30 grid

    // St Andrew's white saltire.
    p.setPen(QPen(Qt::white, 6 * unit, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-W, -H), QPointF(2 * W, 2 * H));
    p.drawLine(QPointF(2 * W, -H), QPointF(-W, 2 * H));

    // St Patrick's red saltire, counterchanged: broad white above the red in
    // the hoist and below it in the fly.
    const qreal len = std::hypot(W, H);
    struct Arm
    {
        QPointF corner;
        QPointF normal; // towards the side the red lies on
        QRectF quarter;
    };
    const Arm arms[] = {
        { { 0, 0 }, QPointF(-H, W) / len, QRectF(0, 0, W / 2, H / 2) },
        { { W, 0 }, QPointF(-H, -W) / len, QRectF(W / 2, 0, W / 2, H / 2) },
        { { W, H }, QPointF(H, -W) / len, QRectF(W / 2, H / 2, W / 2, H / 2) },
        { { 0, H }, QPointF(H, W) / len, QRectF(0, H / 2, W / 2, H / 2) },
    };
    p.setPen(Qt::NoPen);
    for (const Arm &arm : arms) {
        const QPointF along = (centre - arm.corner) / len * 2;
        const QPointF from = arm.corner - along * 20;
        const QPointF to = centre + along * 20;
        const QPointF off = arm.normal * 2 * unit;
        QPolygonF strip({ from, to, to + off, from + off });
        p.save();
        p.setClipRect(arm.quarter);
        p.setBrush(red);
        p.drawPolygon(strip);
        p.restore();
    }

    // St George's cross, white fimbriation then red.
    p.fillRect(QRectF(0, H / 2 - 5 * unit, W, 10 * unit), Qt::white);
    p.fillRect(QRectF(W / 2 - 5 * unit, 0, 10 * unit, H), Qt::white);
    p.fillRect(QRectF(0, H / 2 - 3 * unit, W, 6 * unit), red);
    p.fillRect(QRectF(W / 2 - 3 * unit, 0, 6 * unit, H), red);
}

void poland(QPainter &p)
{
    bands(p, { QColor(255, 255, 255), QColor(220, 20, 60) }, { 1, 1 }, false);
}

void china(QPainter &p)
{
    p.fillRect(QRectF(0, 0, W, H), QColor(238, 28, 37));
    const qreal u = W / 30; // the stars sit on a 30 x 20 grid
    const QColor yellow(255, 222, 0);
    const QPointF big(5 * u, 5 * u);
    p.fillPath(star(big, 3 * u, -M_PI / 2), yellow);
    const QPointF small[] = { { 10 * u, 2 * u }, { 12 * u, 4 * u }, { 12 * u, 7 * u }, { 10 * u, 9 * u } };
    for (const QPointF &c : small) {
        const QPointF to = big - c;
        p.fillPath(star(c, 1 * u, std::atan2(to.y(), to.x())), yellow);
    }
}

void portugal(QPainter &p)
{
    const QColor green(0, 102, 0);
    const QColor red(255, 0, 0);
    const QColor gold(255, 224, 0);
    const QColor outline(70, 40, 0, 200);
    bands(p, { green, red }, { 2, 3 }, true);
    const QPointF c(W * 0.4, H / 2);
    const qreal r = H * 0.25;

    // Simplified armillary sphere: outer ring, equator, ecliptic, meridian.
    auto goldStroke = [&](const QPainterPath &path, qreal width) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(outline, width + 1.6));
        p.drawPath(path);
        p.setPen(QPen(gold, width));
        p.drawPath(path);
    };
    QPainterPath ring;
    ring.addEllipse(c, r, r);
    QPainterPath equator;
    equator.addEllipse(c, r, r * 0.28);
    QPainterPath meridian;
    meridian.addEllipse(c, r * 0.36, r);
    QPainterPath ecliptic;
    ecliptic.addEllipse(QPointF(0, 0), r, r * 0.22);
    QTransform tilt;
    tilt.translate(c.x(), c.y());
    tilt.rotate(-28);
    goldStroke(meridian, 1.8);
    goldStroke(equator, 2.2);
    goldStroke(tilt.map(ecliptic), 2.2);
    goldStroke(ring, 3.4);

    // Shield: red border with seven gold castles around a white field with
    // five blue shields.
    const QRectF outer(c.x() - 12.5, c.y() - 15, 25, 29);
    const QPainterPath outerShield = shield(outer);
    p.setPen(QPen(outline, 1.2));
    p.setBrush(QColor(220, 0, 0));
    p.drawPath(outerShield);
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    const QPointF castles[]
        = { { -9.2, -12 }, { 0, -12 }, { 9.2, -12 }, { -9.6, -1 }, { 9.6, -1 }, { -6.8, 8.8 }, { 6.8, 8.8 } };
    for (const QPointF &off : castles)
        p.drawRect(QRectF(c + off - QPointF(1.7, 1.5), QSizeF(3.4, 3.0)));
    const QRectF inner(c.x() - 7, c.y() - 9.5, 14, 17);
    p.setPen(QPen(QColor(120, 0, 0), 0.6));
    p.setBrush(Qt::white);
    p.drawPath(shield(inner));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 56, 168));
    const QPointF quinas[] = { { 0, -5.5 }, { -4, -0.5 }, { 0, -0.5 }, { 4, -0.5 }, { 0, 4.5 } };
    for (const QPointF &off : quinas)
        p.drawPath(shield(QRectF(c + off - QPointF(1.6, 2), QSizeF(3.2, 4))));
}

void russia(QPainter &p)
{
    bands(p, { QColor(255, 255, 255), QColor(0, 57, 166), QColor(213, 43, 30) }, { 1, 1, 1 }, false);
}

void germany(QPainter &p)
{
    bands(p, { QColor(0, 0, 0), QColor(221, 0, 0), QColor(255, 206, 0) }, { 1, 1, 1 }, false);
}

void japan(QPainter &p)
{
    p.fillRect(QRectF(0, 0, W, H), Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(188, 0, 45));
    p.drawEllipse(QPointF(W / 2, H / 2), H * 0.3, H * 0.3);
}

void spain(QPainter &p)
{
    const QColor red(170, 21, 27);
    const QColor yellow(241, 191, 0);
    bands(p, { red, yellow, red }, { 1, 2, 1 }, false);

    // Simplified arms towards the hoist: two pillars, a crowned quartered shield.
    const QPointF c(W / 3, H / 2 + 1);
    const QColor silver(226, 226, 230);
    const QColor edge(90, 40, 10, 200);
    p.setPen(QPen(edge, 0.8));
    for (qreal dx : { -15.0, 15.0 }) {
        p.setBrush(silver);
        p.drawRect(QRectF(c.x() + dx - 2, c.y() - 10, 4, 20));
        p.setBrush(yellow.darker(115));
        p.drawRect(QRectF(c.x() + dx - 3.2, c.y() - 13, 6.4, 3));
        p.drawRect(QRectF(c.x() + dx - 3.2, c.y() + 10, 6.4, 2.6));
    }
    const QRectF shieldBox(c.x() - 10, c.y() - 10, 20, 24);
    const QPainterPath arms = shield(shieldBox);
    p.save();
    p.setClipPath(arms);
    const qreal mx = shieldBox.center().x();
    const qreal my = shieldBox.top() + 11;
    p.fillRect(QRectF(shieldBox.left(), shieldBox.top(), 10, 11), QColor(200, 20, 30));
    p.fillRect(QRectF(mx, shieldBox.top(), 10, 11), QColor(245, 245, 245));
    p.fillRect(QRectF(shieldBox.left(), my, 10, 14), yellow);
    for (int i = 0; i < 2; ++i)
        p.fillRect(QRectF(shieldBox.left() + 2 + i * 4, my, 2, 14), QColor(200, 20, 30));
    p.fillRect(QRectF(mx, my, 10, 14), QColor(200, 20, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(yellow);
    p.drawRect(QRectF(shieldBox.left() + 3, shieldBox.top() + 3, 4, 5)); // castle
    p.setBrush(QColor(150, 40, 120));
    p.drawEllipse(QPointF(mx + 5, shieldBox.top() + 5.5), 2.4, 2.8); // lion
    p.setPen(QPen(yellow, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(mx + 2, my + 2, 6, 7)); // chains
    p.restore();
    p.setPen(QPen(edge, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arms);
    // Crown.
    QPainterPath crown;
    crown.moveTo(c.x() - 8, c.y() - 11);
    crown.lineTo(c.x() - 9, c.y() - 17);
    crown.lineTo(c.x() - 4, c.y() - 14);
    crown.lineTo(c.x(), c.y() - 19);
    crown.lineTo(c.x() + 4, c.y() - 14);
    crown.lineTo(c.x() + 9, c.y() - 17);
    crown.lineTo(c.x() + 8, c.y() - 11);
    crown.closeSubpath();
    p.setPen(QPen(edge, 0.8));
    p.setBrush(yellow.darker(108));
    p.drawPath(crown);
}

void france(QPainter &p)
{
    bands(p, { QColor(0, 35, 149), QColor(255, 255, 255), QColor(237, 41, 57) }, { 1, 1, 1 }, true);
}

void italy(QPainter &p)
{
    bands(p, { QColor(0, 146, 70), QColor(244, 245, 240), QColor(206, 43, 55) }, { 1, 1, 1 }, true);
}

QImage flag(void (*paint)(QPainter &))
{
    return supersampled(int(W), int(H), [paint](QPainter &p) {
        const QRectF r(0.5, 0.5, W - 1, H - 1);
        const QPainterPath frame = roundedRect(r, 5);
        p.save();
        p.setClipPath(frame);
        paint(p);
        // A whisper of light from the top gives the cloth some depth.
        QLinearGradient sheen(0, 0, 0, H);
        sheen.setColorAt(0.0, QColor(255, 255, 255, 34));
        sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
        sheen.setColorAt(1.0, QColor(0, 0, 0, 30));
        p.fillRect(r, sheen);
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(10, 20, 35, 150), 1.0));
        p.drawPath(frame);
    });
}

} // namespace

void drawFlags(Output &out)
{
    const struct
    {
        const char *code;
        void (*paint)(QPainter &);
    } flags[] = {
        { "en", unitedKingdom },
        { "pl", poland },
        { "cn", china },
        { "pt", portugal },
        { "ru", russia },
        { "de", germany },
        { "jp", japan },
        { "es", spain },
        { "fr", france },
        { "it", italy },
    };
    for (const auto &f : flags) {
        const QImage colour = flag(f.paint);
        out.save(colour, QString("graphics/flags/%1.png").arg(f.code));
        out.save(greyed(colour, 0.52, 34), QString("graphics/flags/%1_g.png").arg(f.code));
    }
}

} // namespace art
