// graphics/common_icons: the maker's mark and logo, the player icons, the
// generic user picture and the application icon.
#include "pictures.h"

#include <QFont>

#include <cmath>

namespace art {

void paintMark(QPainter &p, const QRectF &box)
{
    const qreal s = box.width();
    const QPointF c = box.center();
    const qreal r = s * 0.46;
    p.save();
    QRadialGradient disc(c - QPointF(0, s * 0.18), s * 0.62);
    disc.setColorAt(0.0, QColor(44, 104, 166));
    disc.setColorAt(1.0, QColor(10, 30, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(c, r, r);
    // The ring stands for the round view of the training camera.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(132, 198, 252), s * 0.055));
    p.drawEllipse(c, r - s * 0.03, r - s * 0.03);
    p.setPen(roundPen(withAlpha(QColor(132, 198, 252), 170), s * 0.03));
    for (int i = 0; i < 4; ++i) {
        const qreal a = i * M_PI / 2;
        const QPointF d(std::cos(a), std::sin(a));
        p.drawLine(c + d * (r - s * 0.09), c + d * (r - s * 0.15));
    }
    QPainterPath k;
    k.moveTo(box.left() + s * 0.39, box.top() + s * 0.29);
    k.lineTo(box.left() + s * 0.39, box.top() + s * 0.71);
    k.moveTo(box.left() + s * 0.64, box.top() + s * 0.29);
    k.lineTo(box.left() + s * 0.42, box.top() + s * 0.52);
    k.moveTo(box.left() + s * 0.49, box.top() + s * 0.45);
    k.lineTo(box.left() + s * 0.66, box.top() + s * 0.71);
    p.setPen(roundPen(QColor(240, 246, 252), s * 0.085));
    p.drawPath(k);
    p.restore();
}

namespace {

const QString kDir = QStringLiteral("graphics/common_icons/");

QImage logo(const QString &family)
{
    const int w = 400;
    const int h = 80;
    return supersampled(
        w, h,
        [&](QPainter &p) {
            paintMark(p, QRectF(4, 4, 72, 72));
            QFont font(family);
            font.setPixelSize(100);
            font.setBold(true);
            font.setLetterSpacing(QFont::AbsoluteSpacing, 14);
            QPainterPath word;
            word.addText(0, 0, font, QStringLiteral("KAVRIN"));
            // Fit the word into the space right of the mark, centred vertically.
            const QRectF box(94, 14, 300, 52);
            const QRectF b = word.boundingRect();
            const qreal scale = std::min(box.width() / b.width(), box.height() / b.height());
            QTransform t;
            t.translate(box.left(), box.center().y());
            t.scale(scale, scale);
            t.translate(-b.left(), -b.center().y());
            word = t.map(word);
            QLinearGradient fill(0, box.top(), 0, box.bottom());
            fill.setColorAt(0.0, QColor(246, 249, 252));
            fill.setColorAt(1.0, QColor(196, 212, 230));
            p.fillPath(word.translated(0, 1.5), QColor(0, 10, 25, 110));
            p.fillPath(word, fill);
        },
        3);
}

void fillIcon(QPainter &p, const QPainterPath &shape)
{
    p.fillPath(shape.translated(0, 1.2), QColor(0, 10, 25, 110));
    p.fillPath(shape, ink::icon);
    p.setPen(roundPen(ink::icon, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
}

QImage playIcon()
{
    return supersampled(50, 50, [](QPainter &p) {
        QPainterPath tri;
        tri.moveTo(17, 11);
        tri.lineTo(40, 25);
        tri.lineTo(17, 39);
        tri.closeSubpath();
        fillIcon(p, tri);
    });
}

QImage pauseIcon()
{
    return supersampled(50, 50, [](QPainter &p) {
        QPainterPath bars;
        bars.addRoundedRect(QRectF(13, 11, 8.5, 28), 2, 2);
        bars.addRoundedRect(QRectF(28.5, 11, 8.5, 28), 2, 2);
        fillIcon(p, bars);
    });
}

QImage stopIcon()
{
    return supersampled(50, 50, [](QPainter &p) {
        QPainterPath square;
        square.addRoundedRect(QRectF(13, 13, 24, 24), 3, 3);
        fillIcon(p, square);
    });
}

QImage userIcon()
{
    return supersampled(128, 128, [](QPainter &p) {
        const QPointF c(64, 64);
        QRadialGradient disc(c - QPointF(0, 20), 70);
        disc.setColorAt(0.0, QColor(48, 92, 142));
        disc.setColorAt(1.0, QColor(18, 40, 70));
        p.setPen(QPen(QColor(150, 190, 230, 200), 3));
        p.setBrush(disc);
        p.drawEllipse(c, 58.0, 58.0);
        QPainterPath inner;
        inner.addEllipse(c, 56.5, 56.5);
        p.setClipPath(inner);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(205, 216, 230));
        p.drawEllipse(QPointF(64, 50), 21.0, 22.0);
        p.drawEllipse(QRectF(26, 80, 76, 70));
    });
}

QImage appIcon()
{
    const int s = 256;
    QImage img = blank(s, s);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QRectF body(10, 8, 236, 236);
    paintShadow(p, img.size(), roundedRect(body, 52), QPointF(0, 4), 8, 150);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0.0, QColor(34, 78, 128));
    fill.setColorAt(1.0, QColor(8, 22, 44));
    p.fillPath(roundedRect(body, 52), fill);
    p.setPen(QPen(QColor(140, 196, 248, 170), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(roundedRect(body.adjusted(1.5, 1.5, -1.5, -1.5), 50.5));
    p.drawImage(QRectF(36, 34, 184, 184),
        supersampled(184, 184, [](QPainter &mp) { paintMark(mp, QRectF(0, 0, 184, 184)); }));
    return img;
}

} // namespace

void drawCommonIcons(Output &out, const QString &fontsDir)
{
    const QString rounded = loadFont(fontsDir, "Comfortaa-Bold.ttf");
    out.save(supersampled(128, 128, [](QPainter &p) { paintMark(p, QRectF(2, 2, 124, 124)); }),
        kDir + "kavrin_icon.png");
    out.save(logo(rounded), kDir + "logo.png");
    out.save(playIcon(), kDir + "play.png");
    out.save(pauseIcon(), kDir + "pause.png");
    out.save(stopIcon(), kDir + "stop.png");
    out.save(userIcon(), kDir + "user_icon.png");
    out.save(appIcon(), kDir + "app_icon.png");
}

} // namespace art
