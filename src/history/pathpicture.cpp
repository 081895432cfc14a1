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
    connect(&loading, &QFutureWatcher<QImage>::finished, this, [this] {
        background = loading.result();
        update();
    });
}

PathPicture::~PathPicture()
{
    loading.waitForFinished();
}

void PathPicture::showPaths(const TipPaths &shownPaths, const QSize &size, const QString &picturePath)
{
    paths = shownPaths;
    pictureSize = size;
    background = QImage();
    loading.setFuture(QtConcurrent::run(&PathPicture::loadPicture, picturePath));
    update();
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
    draw(painter, rect(), paths, pictureSize, background);
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
            painter.drawPath(gappedLine(points));
        }
    }
    painter.restore();
}
