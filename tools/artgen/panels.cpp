// graphics/dialogs, lists, login and operation_form: panels, list rows, the
// bottom bar and the exit icon.
#include "pictures.h"

namespace art {
namespace {

QImage panel(int w, int h, qreal radius)
{
    QImage img = blank(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintPanel(p, QRectF(0, 0, w, h), radius);
    return img;
}

// List rows are stretched to about 1500 x 110, so they are drawn at that size
// with only vertical shading: horizontal stretching then changes nothing.
QImage listRow(bool selected)
{
    const int w = 1500;
    const int h = 110;
    QImage img = blank(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(2, 2, w - 4, h - 5);
    const QPainterPath body = roundedRect(r, 12);
    paintShadow(p, img.size(), body, QPointF(0, 2), 4, selected ? 150 : 110);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    if (selected) {
        fill.setColorAt(0.0, QColor(58, 126, 196));
        fill.setColorAt(0.5, QColor(38, 96, 160));
        fill.setColorAt(1.0, QColor(28, 74, 130));
    } else {
        fill.setColorAt(0.0, QColor(28, 56, 92, 225));
        fill.setColorAt(1.0, QColor(14, 32, 58, 225));
    }
    p.fillPath(body, fill);
    p.save();
    p.setClipPath(body);
    p.fillRect(QRectF(r.left(), r.top() + 1, r.width(), 1.5), QColor(255, 255, 255, selected ? 70 : 26));
    if (selected) // accent bar on the left marks the chosen row
        p.fillRect(QRectF(r.left(), r.top(), 9, r.height()), QColor(160, 218, 255));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(selected ? QColor(165, 218, 255, 235) : QColor(96, 146, 200, 95), selected ? 2.5 : 1.5));
    p.drawPath(roundedRect(r.adjusted(1, 1, -1, -1), 11));
    return img;
}

// Tile repeated behind the lists: a very faint grid on deep blue.
QImage listTile()
{
    const int s = 48;
    QImage img(s, s, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(7, 18, 33, 225));
    QPainter p(&img);
    p.fillRect(QRect(0, 0, s, 1), QColor(90, 140, 200, 16));
    p.fillRect(QRect(0, 1, 1, s - 1), QColor(90, 140, 200, 16));
    return img;
}

// The bar under the camera picture, stretched to the full width x 95 px.
QImage bottomBar()
{
    const int w = 480;
    const int h = 95;
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0.0, QColor(22, 46, 78));
    fill.setColorAt(0.4, QColor(14, 31, 55));
    fill.setColorAt(1.0, QColor(7, 17, 32));
    p.fillRect(img.rect(), fill);
    QLinearGradient glow(0, 0, 0, 14);
    glow.setColorAt(0.0, QColor(110, 175, 240, 60));
    glow.setColorAt(1.0, QColor(110, 175, 240, 0));
    p.fillRect(QRect(0, 0, w, 14), glow);
    p.fillRect(QRect(0, 0, w, 2), QColor(120, 185, 245, 190));
    return img;
}

QImage exitIcon()
{
    return supersampled(96, 96, [](QPainter &p) {
        QPainterPath door;
        door.moveTo(50, 16);
        door.lineTo(22, 16);
        door.lineTo(22, 80);
        door.lineTo(50, 80);
        QPainterPath arrow;
        arrow.moveTo(38, 48);
        arrow.lineTo(80, 48);
        arrow.moveTo(65, 33);
        arrow.lineTo(80, 48);
        arrow.lineTo(65, 63);
        strokeIcon(p, door, 8, ink::icon);
        strokeIcon(p, arrow, 8, ink::icon);
    });
}

} // namespace

void drawPanels(Output &out)
{
    out.save(panel(1000, 600, 50), "graphics/dialogs/dialog1000600.png");
    out.save(listRow(false), "graphics/lists/item_background.png");
    out.save(listRow(true), "graphics/lists/item_selected_background.png");
    out.save(listTile(), "graphics/lists/list_background.png");
    out.save(panel(709, 439, 30), "graphics/login/loginPanel.png");
    out.save(exitIcon(), "graphics/operation_form/abortIcon.png");
    out.save(bottomBar(), "graphics/operation_form/top_bar.png");
}

} // namespace art
