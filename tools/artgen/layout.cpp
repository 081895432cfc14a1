// graphics/application_layout: the full-window background, the common blue
// button, check boxes, the shut-down button, the loader and small icons.
#include "pictures.h"

#include <QDir>

#include <cmath>
#include <random>

namespace art {
namespace {

const QString kDir = QStringLiteral("graphics/application_layout/");

QImage background()
{
    const int w = 1920;
    const int h = 1080;
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient base(0, 0, 0, h);
        base.setColorAt(0.0, QColor(17, 40, 70));
        base.setColorAt(0.55, QColor(10, 25, 46));
        base.setColorAt(1.0, QColor(5, 13, 26));
        p.fillRect(img.rect(), base);

        // Broad light from above the centre.
        QRadialGradient glow(QPointF(w * 0.5, h * 0.22), w * 0.62);
        glow.setColorAt(0.0, QColor(52, 112, 178, 70));
        glow.setColorAt(1.0, QColor(52, 112, 178, 0));
        p.fillRect(img.rect(), glow);

        // Very faint soft rings, like the edge of a scope's view.
        QImage rings = blank(w, h);
        {
            QPainter rp(&rings);
            rp.setRenderHint(QPainter::Antialiasing);
            rp.setBrush(Qt::NoBrush);
            const QPointF c(w * 0.86, h * 1.12);
            rp.setPen(QPen(QColor(120, 185, 245, 12), 46));
            rp.drawEllipse(c, 760.0, 760.0);
            rp.setPen(QPen(QColor(120, 185, 245, 16), 2));
            rp.drawEllipse(c, 840.0, 840.0);
            rp.setPen(QPen(QColor(120, 185, 245, 10), 2));
            rp.drawEllipse(c, 1010.0, 1010.0);
        }
        p.drawImage(0, 0, blurred(rings, 5));

        // Darker corners keep the eye on the middle.
        QRadialGradient vignette(QPointF(w * 0.5, h * 0.5), w * 0.62);
        vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
        vignette.setColorAt(1.0, QColor(0, 0, 0, 95));
        p.fillRect(img.rect(), vignette);
    }
    // Fine dither so the smooth gradient shows no bands after JPEG coding.
    std::mt19937 rng(1920);
    std::uniform_int_distribution<int> noise(-2, 2);
    for (int y = 0; y < h; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int n = noise(rng);
            auto ch = [n](int v) { return std::clamp(v + n, 0, 255); };
            row[x] = qRgb(ch(qRed(row[x])), ch(qGreen(row[x])), ch(qBlue(row[x])));
        }
    }
    return img;
}

QImage blueButton(Face face)
{
    const int w = 220;
    const int h = 77;
    QImage img = blank(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(2, 1, w - 4, h - 5);
    const qreal radius = 14;
    const bool pressed = face == Face::Pressed;
    paintShadow(p, img.size(), roundedRect(body, radius), QPointF(0, pressed ? 1 : 2.5), pressed ? 3 : 6,
        face == Face::Disabled ? 90 : 170);
    paintBevel(p, body, radius, face);
    return img;
}

QImage checkBox(bool checked)
{
    const int s = 64;
    QImage img = blank(s, s);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(5, 4, 54, 54);
    const qreal radius = 12;
    paintShadow(p, img.size(), roundedRect(box, radius), QPointF(0, 2), 5, 160);
    if (checked) {
        QLinearGradient fill(box.topLeft(), box.bottomLeft());
        fill.setColorAt(0.0, QColor(76, 166, 236));
        fill.setColorAt(1.0, QColor(26, 94, 168));
        p.fillPath(roundedRect(box, radius), fill);
        p.setPen(QPen(QColor(185, 225, 255), 3.5));
    } else {
        QLinearGradient fill(box.topLeft(), box.bottomLeft());
        fill.setColorAt(0.0, QColor(4, 12, 26, 235));
        fill.setColorAt(1.0, QColor(14, 30, 52, 235));
        p.fillPath(roundedRect(box, radius), fill);
        p.setPen(QPen(QColor(196, 210, 226), 3.5));
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(roundedRect(box.adjusted(1.75, 1.75, -1.75, -1.75), radius - 1.75));
    if (checked) {
        QPainterPath tick;
        tick.moveTo(18, 31);
        tick.lineTo(28.5, 41.5);
        tick.lineTo(47, 19.5);
        p.setPen(roundPen(QColor(8, 40, 80, 150), 9));
        p.drawPath(tick.translated(0, 1.5));
        p.setPen(roundPen(QColor(250, 252, 255), 7));
        p.drawPath(tick);
    }
    return img;
}

QImage directory()
{
    return supersampled(128, 128, [](QPainter &p) {
        // Back of the folder with its tab.
        QPainterPath back;
        back.moveTo(14, 30);
        back.lineTo(48, 30);
        back.lineTo(57, 40);
        back.lineTo(112, 40);
        back.quadTo(116, 40, 116, 44);
        back.lineTo(116, 100);
        back.lineTo(12, 100);
        back.lineTo(12, 32);
        back.quadTo(12, 30, 14, 30);
        QLinearGradient backFill(0, 30, 0, 100);
        backFill.setColorAt(0, QColor(150, 172, 200));
        backFill.setColorAt(1, QColor(102, 124, 154));
        p.setPen(QPen(QColor(10, 24, 44, 170), 2));
        p.setBrush(backFill);
        p.drawPath(back);
        // A sheet of paper peeking out.
        p.setBrush(QColor(240, 244, 250));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(22, 46, 84, 40), 3, 3);
        // Front flap, slightly narrower at the bottom.
        QPainterPath front;
        front.moveTo(10, 56);
        front.lineTo(118, 56);
        front.lineTo(112, 104);
        front.lineTo(16, 104);
        front.closeSubpath();
        QLinearGradient frontFill(0, 56, 0, 104);
        frontFill.setColorAt(0, QColor(226, 234, 244));
        frontFill.setColorAt(1, QColor(176, 194, 216));
        p.setPen(QPen(QColor(10, 24, 44, 170), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(frontFill);
        p.drawPath(front);
        p.setPen(QPen(ink::accent, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(24, 66), QPointF(104, 66));
    });
}

// One frame of the twelve-spoke loader, flattened onto the matte colour so
// that GIF's one-bit transparency leaves no halo on the dark screens.
QImage loaderFrame(int frame, int frames)
{
    const int s = 160;
    QImage img = supersampled(s, s, [frame, frames](QPainter &p) {
        p.translate(s / 2.0, s / 2.0);
        for (int k = 0; k < frames; ++k) {
            const int age = (frame - k + frames) % frames;
            const qreal strength = std::max(0.14, 1.0 - age / 9.0);
            QColor c = age == 0 ? ink::accentBright : ink::accent;
            c.setAlphaF(strength);
            p.save();
            p.rotate(360.0 * k / frames);
            p.setPen(roundPen(c, 13));
            p.drawLine(QPointF(0, -40), QPointF(0, -66));
            p.restore();
        }
    });
    img = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = row[x];
            const int a = qAlpha(c);
            if (a < 24) {
                row[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            auto mix = [a](int fg, int bg) { return (fg * a + bg * (255 - a)) / 255; };
            row[x] = qRgba(mix(qRed(c), ink::matte.red()), mix(qGreen(c), ink::matte.green()),
                mix(qBlue(c), ink::matte.blue()), 255);
        }
    }
    return img;
}

QImage powerButton(bool pressed)
{
    const int s = 128;
    QImage img = blank(s, s);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(8, 6, 112, 112);
    const QPainterPath circle = roundedRect(body, 56);
    paintShadow(p, img.size(), circle, QPointF(0, pressed ? 1 : 3), pressed ? 3 : 7, 180);
    paintBevel(p, body, 56, pressed ? Face::Pressed : Face::Normal);

    const QColor symbol = pressed ? QColor(255, 138, 124) : QColor(232, 104, 98);
    const QPointF c = body.center() + QPointF(0, 2);
    auto drawSymbol = [&](QPainter &sp, const QColor &col) {
        sp.setPen(roundPen(col, 9));
        sp.setBrush(Qt::NoBrush);
        sp.drawArc(QRectF(c.x() - 29, c.y() - 29, 58, 58), 125 * 16, 290 * 16);
        sp.drawLine(QPointF(c.x(), c.y() - 36), QPointF(c.x(), c.y() - 6));
    };
    if (pressed) {
        // The lit symbol glows a little while held.
        QImage glow = blank(s, s);
        {
            QPainter gp(&glow);
            gp.setRenderHint(QPainter::Antialiasing);
            drawSymbol(gp, QColor(255, 110, 90, 200));
        }
        p.drawImage(0, 0, blurred(glow, 8));
    }
    drawSymbol(p, symbol);
    return img;
}

QImage recordIcon()
{
    return supersampled(40, 40, [](QPainter &p) {
        const QPointF c(20, 20);
        QRadialGradient glow(c, 20);
        glow.setColorAt(0.6, QColor(255, 60, 50, 90));
        glow.setColorAt(1.0, QColor(255, 60, 50, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(c, 20.0, 20.0);
        QRadialGradient dot(QPointF(16, 15), 17);
        dot.setColorAt(0.0, QColor(255, 120, 108));
        dot.setColorAt(0.5, QColor(226, 36, 32));
        dot.setColorAt(1.0, QColor(150, 14, 18));
        p.setBrush(dot);
        p.setPen(QPen(QColor(255, 220, 215, 150), 1.2));
        p.drawEllipse(c, 13.5, 13.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawEllipse(QRectF(12, 10, 9, 6));
    });
}

QImage returnIcon()
{
    return supersampled(96, 96, [](QPainter &p) {
        QPainterPath hook;
        hook.moveTo(34, 74);
        hook.lineTo(60, 74);
        hook.arcTo(QRectF(40, 34, 40, 40), -90, 180);
        hook.lineTo(24, 34);
        QPainterPath head;
        head.moveTo(36, 20);
        head.lineTo(20, 34);
        head.lineTo(36, 48);
        strokeIcon(p, hook, 9, ink::icon);
        strokeIcon(p, head, 9, ink::icon);
    });
}

QImage timerIcon()
{
    return supersampled(96, 96, [](QPainter &p) {
        const QPointF c(48, 55);
        const qreal r = 30;
        // The elapsed sector in the accent colour.
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(ink::accent, 150));
        p.drawPie(QRectF(c.x() - r + 6, c.y() - r + 6, 2 * r - 12, 2 * r - 12), 90 * 16, -70 * 16);
        QPainterPath dial;
        dial.addEllipse(c, r, r);
        strokeIcon(p, dial, 7, ink::icon);
        QPainterPath crown;
        crown.moveTo(48, 24);
        crown.lineTo(48, 16);
        crown.moveTo(39, 13);
        crown.lineTo(57, 13);
        crown.moveTo(71, 30);
        crown.lineTo(76, 25);
        strokeIcon(p, crown, 7, ink::icon);
        QPainterPath hand;
        hand.moveTo(c);
        hand.lineTo(c + QPointF(14, -16));
        strokeIcon(p, hand, 5, ink::icon);
        QPainterPath ticks;
        for (int i = 0; i < 4; ++i) {
            const qreal a = i * M_PI / 2;
            ticks.moveTo(c + QPointF(std::cos(a), std::sin(a)) * (r - 9));
            ticks.lineTo(c + QPointF(std::cos(a), std::sin(a)) * (r - 5));
        }
        p.setPen(roundPen(ink::icon, 3));
        p.drawPath(ticks);
        p.setPen(Qt::NoPen);
        p.setBrush(ink::icon);
        p.drawEllipse(c, 4.5, 4.5);
    });
}

// A target with its centre hit: the exercises, each with targets to reach.
QImage exerciseIcon()
{
    return supersampled(96, 96, [](QPainter &p) {
        const QPointF c(48, 50);
        QPainterPath rings;
        rings.addEllipse(c, 33, 33);
        rings.addEllipse(c, 19, 19);
        strokeIcon(p, rings, 7, ink::icon);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(ink::accent, 200));
        p.drawEllipse(c, 8, 8);
    });
}

} // namespace

void drawApplicationLayout(Output &out, const QString &framesDir)
{
    out.save(background(), kDir + "background5.jpg", 85);
    out.save(blueButton(Face::Normal), kDir + "button_blue2.png");
    out.save(blueButton(Face::Pressed), kDir + "button_blue2_p.png");
    out.save(blueButton(Face::Disabled), kDir + "button_blue2_i.png");
    out.save(checkBox(true), kDir + "checked_checkbox.png");
    out.save(checkBox(false), kDir + "unchecked_checkbox.png");
    out.save(directory(), kDir + "directory.png");
    out.save(exerciseIcon(), kDir + "exercise.png");
    out.save(powerButton(false), kDir + "off.png");
    out.save(powerButton(true), kDir + "off_p.png");
    out.save(recordIcon(), kDir + "record_icon.png");
    out.save(returnIcon(), kDir + "return.png");
    out.save(timerIcon(), kDir + "timer.png");
    out.save(blank(8, 8), kDir + "transparent.png");

    QDir().mkpath(framesDir);
    const int frames = 12;
    for (int i = 0; i < frames; ++i) {
        const QString name = QString("%1/loader_%2.png").arg(framesDir).arg(i, 2, 10, QChar('0'));
        loaderFrame(i, frames).save(name);
    }
}

} // namespace art
