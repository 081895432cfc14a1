#include "core/blurredstill.h"

#include <QPainter>

#include <opencv2/imgproc.hpp>

namespace {

constexpr int kReduction = 4;

// The picture's pixels as OpenCV sees them, without a copy; the picture is
// 32 bits a pixel.
cv::Mat pixelsOf(QImage &picture)
{
    return cv::Mat(picture.height(), picture.width(), CV_8UC4, picture.bits(),
        static_cast<size_t>(picture.bytesPerLine()));
}

} // namespace

BlurredStill::BlurredStill(QWidget *screen)
    : QWidget(screen->parentWidget())
    , reduced(screen->size() / kReduction, QImage::Format_RGB32)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (!reduced.isNull()) {
        reduced.fill(Qt::black);
        QPainter painter(&reduced);
        painter.scale(static_cast<qreal>(reduced.width()) / screen->width(),
            static_cast<qreal>(reduced.height()) / screen->height());
        screen->render(&painter);
    }
    // Until the first step of the blur the still shows as drawn.
    blurred = reduced.copy();
    setGeometry(screen->geometry());
    show();
    raise();
}

void BlurredStill::setBlurRadius(double radius)
{
    if (reduced.isNull() || radius <= 0)
        return;
    // A blur effect's radius spans about two standard deviations.
    const double sigma = radius / (2.0 * kReduction);
    cv::GaussianBlur(pixelsOf(reduced), pixelsOf(blurred), cv::Size(), sigma, sigma, cv::BORDER_REPLICATE);
    update();
}

void BlurredStill::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The painter is clipped to the region to repaint.
    painter.drawImage(rect(), blurred);
}
