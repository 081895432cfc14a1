#include "canvas.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImageWriter>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace art {

Output::Output(const QString &root)
    : m_root(root)
{
}

QString Output::path(const QString &relPath) const
{
    return m_root + "/" + relPath;
}

void Output::save(const QImage &image, const QString &relPath, int jpegQuality)
{
    const QString file = path(relPath);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QImageWriter writer(file);
    if (jpegQuality >= 0) {
        writer.setFormat("jpg");
        writer.setQuality(jpegQuality);
        writer.setOptimizedWrite(true);
        writer.setProgressiveScanWrite(true);
    } else {
        writer.setFormat("png");
        writer.setQuality(0); // for PNG: the smallest file (zlib level 9)
    }
    // Exports as non-premultiplied so antialiased edges keep their colour.
    const QImage out = jpegQuality >= 0 ? image.convertToFormat(QImage::Format_RGB32)
                                        : image.convertToFormat(QImage::Format_ARGB32);
    if (!writer.write(out)) {
        std::fprintf(
            stderr, "artgen: cannot write %s: %s\n", qPrintable(file), qPrintable(writer.errorString()));
        std::exit(1);
    }
    m_written << relPath;
}

QImage blank(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QImage supersampled(int w, int h, const PaintFn &paint, int factor)
{
    QImage big = blank(w * factor, h * factor);
    {
        QPainter p(&big);
        p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        p.scale(factor, factor);
        paint(p);
    }
    return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

namespace {

// One box pass along rows (step 1) or columns (step w) with zero outside.
void boxPass(std::vector<float> &px, int w, int h, int radius, bool rows)
{
    const int lines = rows ? h : w;
    const int len = rows ? w : h;
    std::vector<float> line(static_cast<size_t>(len) * 4);
    const float norm = 1.0f / float(2 * radius + 1);
    for (int l = 0; l < lines; ++l) {
        auto at = [&](int i) -> float * {
            const size_t idx = rows ? size_t(l) * w + i : size_t(i) * w + l;
            return &px[idx * 4];
        };
        for (int i = 0; i < len; ++i)
            std::copy(at(i), at(i) + 4, &line[size_t(i) * 4]);
        float sum[4] = { 0, 0, 0, 0 };
        for (int i = -radius - 1; i < radius; ++i)
            if (i >= 0 && i < len)
                for (int c = 0; c < 4; ++c)
                    sum[c] += line[size_t(i) * 4 + c];
        for (int i = 0; i < len; ++i) {
            const int in = i + radius;
            const int out = i - radius - 1;
            for (int c = 0; c < 4; ++c) {
                if (in < len)
                    sum[c] += line[size_t(in) * 4 + c];
                if (out >= 0)
                    sum[c] -= line[size_t(out) * 4 + c];
                at(i)[c] = sum[c] * norm;
            }
        }
    }
}

} // namespace

QImage blurred(const QImage &src, int radius)
{
    QImage img = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = img.width();
    const int h = img.height();
    std::vector<float> px(size_t(w) * h * 4);
    for (int y = 0; y < h; ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            float *d = &px[(size_t(y) * w + x) * 4];
            d[0] = qRed(row[x]);
            d[1] = qGreen(row[x]);
            d[2] = qBlue(row[x]);
            d[3] = qAlpha(row[x]);
        }
    }
    const int r = std::max(1, radius / 2);
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(px, w, h, r, true);
        boxPass(px, w, h, r, false);
    }
    for (int y = 0; y < h; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const float *s = &px[(size_t(y) * w + x) * 4];
            auto c = [](float v) { return std::clamp(int(std::lround(v)), 0, 255); };
            const int a = c(s[3]);
            row[x] = qRgba(std::min(c(s[0]), a), std::min(c(s[1]), a), std::min(c(s[2]), a), a);
        }
    }
    return img;
}

QImage greyed(const QImage &src, qreal keep, int lift)
{
    QImage img = src.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = row[x];
            const qreal luma = 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
            const int v = std::clamp(int(luma * keep) + lift, 0, 255);
            // A hint of the theme's blue keeps grey flags from looking dirty.
            row[x] = qRgba(v, std::min(255, v + 3), std::min(255, v + 8), qAlpha(c));
        }
    }
    return img;
}

QPainterPath roundedRect(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPen roundPen(const QColor &c, qreal width)
{
    QPen pen(c, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

void paintBevel(QPainter &p, const QRectF &r, qreal radius, Face face, qreal gloss)
{
    const QPainterPath body = roundedRect(r, radius);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    switch (face) {
    case Face::Normal:
        fill.setColorAt(0.0, QColor(46, 94, 146));
        fill.setColorAt(0.5, QColor(29, 63, 104));
        fill.setColorAt(1.0, QColor(17, 40, 72));
        break;
    case Face::Pressed:
        fill.setColorAt(0.0, QColor(10, 26, 50));
        fill.setColorAt(0.55, QColor(19, 45, 80));
        fill.setColorAt(1.0, QColor(27, 60, 100));
        break;
    case Face::Disabled:
        fill.setColorAt(0.0, QColor(64, 69, 76));
        fill.setColorAt(1.0, QColor(52, 56, 62));
        break;
    }
    p.save();
    p.setPen(Qt::NoPen);
    p.fillPath(body, fill);
    p.setClipPath(body);
    if (face == Face::Normal) {
        // Soft gloss on the upper half: reads as a raised, touchable surface.
        QLinearGradient sheen(r.topLeft(), QPointF(r.left(), r.top() + r.height() * 0.55));
        sheen.setColorAt(0.0, QColor(255, 255, 255, int(46 * gloss)));
        sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.fillRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.55), sheen);
    } else if (face == Face::Pressed) {
        // Inner shade at the top: the surface looks pushed in.
        QLinearGradient shade(r.topLeft(), QPointF(r.left(), r.top() + r.height() * 0.35));
        shade.setColorAt(0.0, QColor(0, 0, 0, 120));
        shade.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.fillRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.35), shade);
    }
    p.restore();

    // Rim just inside the edge, lit from above.
    const qreal rimWidth = face == Face::Pressed ? 2.2 : 1.6;
    const QRectF rimRect
        = r.adjusted(rimWidth / 2 + 0.6, rimWidth / 2 + 0.6, -rimWidth / 2 - 0.6, -rimWidth / 2 - 0.6);
    QLinearGradient rim(r.topLeft(), r.bottomLeft());
    switch (face) {
    case Face::Normal:
        rim.setColorAt(0.0, QColor(165, 208, 248, 220));
        rim.setColorAt(1.0, QColor(64, 112, 170, 150));
        break;
    case Face::Pressed:
        rim.setColorAt(0.0, QColor(120, 198, 255, 255));
        rim.setColorAt(1.0, QColor(150, 215, 255, 255));
        break;
    case Face::Disabled:
        rim.setColorAt(0.0, QColor(140, 146, 152, 120));
        rim.setColorAt(1.0, QColor(100, 105, 112, 100));
        break;
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(rim), rimWidth));
    p.drawPath(roundedRect(rimRect, std::max<qreal>(0, radius - rimWidth / 2 - 0.6)));
    // Thin dark outline separates the button from any background.
    p.setPen(QPen(QColor(3, 9, 18, 190), 1.0));
    p.drawPath(roundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5));
}

void paintShadow(
    QPainter &p, const QSize &canvas, const QPainterPath &shape, QPointF offset, int blur, int alpha)
{
    QImage layer = blank(canvas.width(), canvas.height());
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        lp.translate(offset);
        lp.fillPath(shape, QColor(0, 0, 0, alpha));
    }
    p.drawImage(0, 0, blurred(layer, blur));
}

void strokeIcon(QPainter &p, const QPainterPath &path, qreal width, const QColor &c)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(QColor(0, 10, 25, 90), width + 3));
    p.drawPath(path.translated(0, 1));
    p.setPen(roundPen(c, width));
    p.drawPath(path);
}

void paintPanel(QPainter &p, const QRectF &r, qreal radius)
{
    const QPainterPath body = roundedRect(r, radius);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0.0, QColor(22, 46, 78, 238));
    fill.setColorAt(0.25, QColor(14, 33, 58, 238));
    fill.setColorAt(1.0, QColor(7, 18, 34, 240));
    p.fillPath(body, fill);

    // Faint sheen from the top edge.
    p.save();
    p.setClipPath(body);
    QRadialGradient sheen(QPointF(r.center().x(), r.top()), r.width() * 0.6);
    sheen.setColorAt(0.0, QColor(120, 180, 240, 40));
    sheen.setColorAt(1.0, QColor(120, 180, 240, 0));
    p.fillRect(r, sheen);
    p.restore();

    // Soft light rim: a wide faint stroke under a narrow brighter one.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 175, 230, 45), 6));
    p.drawPath(roundedRect(r.adjusted(3, 3, -3, -3), radius - 3));
    QLinearGradient rim(r.topLeft(), r.bottomLeft());
    rim.setColorAt(0.0, QColor(170, 210, 250, 190));
    rim.setColorAt(1.0, QColor(90, 140, 200, 120));
    p.setPen(QPen(QBrush(rim), 2));
    p.drawPath(roundedRect(r.adjusted(1, 1, -1, -1), radius - 1));
}

QString loadFont(const QString &fontsDir, const QString &fileName)
{
    const int id = QFontDatabase::addApplicationFont(fontsDir + "/" + fileName);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        std::fprintf(stderr, "artgen: cannot load font %s/%s\n", qPrintable(fontsDir), qPrintable(fileName));
        std::exit(1);
    }
    return families.first();
}

} // namespace art
