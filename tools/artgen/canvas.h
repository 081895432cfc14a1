// Shared drawing helpers of the picture generator: output bookkeeping,
// supersampled painting, blur, the bevelled button body and the palette.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QStringList>

#include <functional>

namespace art {

// The one palette every picture is drawn from, so screens stay consistent.
namespace ink {
inline const QColor icon(220, 227, 236); // light pictograms on dark blue
inline const QColor iconDim(170, 180, 192);
inline const QColor accent(110, 180, 240); // calm clinical blue
inline const QColor accentBright(150, 212, 255);
inline const QColor navyTop(18, 40, 68);
inline const QColor navyBottom(6, 15, 28);
inline const QColor matte(12, 28, 50); // what sits behind the loader
} // namespace ink

// Writes pictures below the resource root and remembers what was written.
class Output
{
public:
    explicit Output(const QString &root);
    void save(const QImage &image, const QString &relPath, int jpegQuality = -1);
    QString path(const QString &relPath) const;
    const QStringList &written() const { return m_written; }

private:
    QString m_root;
    QStringList m_written;
};

using PaintFn = std::function<void(QPainter &)>;

// A transparent ARGB picture.
QImage blank(int w, int h);

// Paints in logical w x h coordinates at `factor` times the resolution and
// scales down smoothly: thin strokes of small icons come out clean.
QImage supersampled(int w, int h, const PaintFn &paint, int factor = 4);

// Three box-blur passes (close to a gaussian) over all four channels.
QImage blurred(const QImage &src, int radius);

// Desaturated and dimmed copy that keeps the alpha channel.
QImage greyed(const QImage &src, qreal keep, int lift);

QPainterPath roundedRect(const QRectF &r, qreal radius);
QPen roundPen(const QColor &c, qreal width);
QColor withAlpha(QColor c, int alpha);

enum class Face { Normal, Pressed, Disabled };

// The touchable button body: gradient, gloss or inset shade, and rim.
// `gloss` scales the highlight; large tiles carrying text take less.
void paintBevel(QPainter &p, const QRectF &r, qreal radius, Face face, qreal gloss = 1.0);

// A blurred drop shadow of `shape`, painted below whatever comes next.
void paintShadow(
    QPainter &p, const QSize &canvas, const QPainterPath &shape, QPointF offset, int blur, int alpha);

// Strokes a pictogram twice: a soft dark halo first, so light icons stay
// readable on the lighter top of a button, then the light line itself.
void strokeIcon(QPainter &p, const QPainterPath &path, qreal width, const QColor &c);

// A translucent dark-blue panel with a soft light rim (dialogs, login).
void paintPanel(QPainter &p, const QRectF &r, qreal radius);

// Loads the bundled faces; returns the family of the given file name.
QString loadFont(const QString &fontsDir, const QString &fileName);

} // namespace art
