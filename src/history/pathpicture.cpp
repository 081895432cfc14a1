#include "history/pathpicture.h"

#include <QPainter>
#include <QtConcurrent>

#include "history/gappedline.h"
#include "history/metricstable.h"
#include "storage/guardedfile.h"

namespace {

// Pictures are scaled down on the worker to no more than the widget needs.
constexpr QSize kLargestBackground(960, 540);
// A full-screen PNG of the training is a few megabytes.
constexpr qint64 kLargestPictureBytes = 64 * 1024 * 1024;
constexpr int kDimmingAlpha = 150;
constexpr qreal kPathWidth = 3;
const QColor kFieldColour(30, 45, 40);
const QColor kFrameColour(120, 140, 160);

} // namespace

PathPicture::PathPicture(QWidget *parent)
    : QWidget(parent)
{
    connect(&drawing, &QFutureWatcher<Drawing>::finished, this, [this] {
        ready = drawing.result();
        // Resized while it was drawn.
        if (!size().isEmpty() && ready.drawn.size() != size())
            drawAhead();
        update();
    });
}

PathPicture::~PathPicture()
{
    drawing.waitForFinished();
}

void PathPicture::showPaths(const TipPaths &shownPaths, const QSize &size, const QString &path)
{
    paths = shownPaths;
    pictureSize = size;
    picturePath = path;
    ready = Drawing();
    drawAhead();
    update();
}

void PathPicture::drawAhead()
{
    // A drawing still under way is left to end on its own: it holds copies
    // of all it draws, and its result is not taken.
    drawing.setFuture(QtConcurrent::run([paths = paths, pictureSize = pictureSize, picturePath = picturePath,
                                            background = ready.background, canvas = size()]() mutable {
        if (background.isNull())
            background = loadPicture(picturePath);
        Drawing result { background, QImage(canvas, QImage::Format_ARGB32_Premultiplied) };
        if (!result.drawn.isNull()) {
            result.drawn.fill(Qt::transparent);
            QPainter painter(&result.drawn);
            draw(painter, result.drawn.rect(), paths, pictureSize, background);
        }
        return result;
    }));
}

QImage PathPicture::loadPicture(const QString &picturePath)
{
    QByteArray bytes;
    QImage picture;
    if (readGuarded(picturePath, kLargestPictureBytes, &bytes) == GuardedRead::Read)
        picture.loadFromData(bytes);
    return picture.isNull()
        ? picture
        : picture.scaled(kLargestBackground, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void PathPicture::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    if (ready.drawn.isNull()) {
        draw(painter, rect(), TipPaths(), pictureSize, QImage());
        return;
    }
    // Until it is drawn again at a new size, the last drawing is stretched.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), ready.drawn);
}

void PathPicture::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!ready.drawn.isNull() && ready.drawn.size() != size())
        drawAhead();
}

void PathPicture::draw(QPainter &painter, const QRectF &area, const TipPaths &paths, const QSize &pictureSize,
    const QImage &background)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF fieldSize = pictureSize.isEmpty() ? QSizeF(16, 9) : QSizeF(pictureSize);
    const QSizeF shown = fieldSize.scaled(area.size(), Qt::KeepAspectRatio);
    const QRectF field(area.center() - QPointF(shown.width() / 2, shown.height() / 2), shown);
    if (background.isNull()) {
        painter.fillRect(field, kFieldColour);
    } else {
        painter.drawImage(field, background);
        painter.fillRect(field, QColor(0, 0, 0, kDimmingAlpha));
    }
    painter.setPen(kFrameColour);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(field);
    if (!pictureSize.isEmpty()) {
        const qreal scale = field.width() / pictureSize.width();
        for (int instrument = 0; instrument < kInstrumentCount; ++instrument) {
            QVector<std::optional<QPointF>> points;
            for (const TipSample &sample : paths.at(instrument)) {
                points << (sample.position
                        ? std::optional<QPointF>(field.topLeft() + *sample.position * scale)
                        : std::nullopt);
            }
            painter.setPen(
                QPen(instrumentColour(instrument), kPathWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            drawGappedLine(painter, points);
        }
    }
    painter.restore();
}
