#include "core/blurredstill.h"

#include <QPaintEvent>
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
    , shown(screen->size(), QImage::Format_RGB32)
{
    // Drawn straight into the picture kept: a grab would take another
    // full-size copy, and a conversion one more.
    shown.fill(Qt::black);
    screen->render(&shown);
    setAttribute(Qt::WA_OpaquePaintEvent);
    reduced = QImage(shown.size() / kReduction, QImage::Format_RGB32);
    blurred = QImage(reduced.size(), QImage::Format_RGB32);
    if (!reduced.isNull())
        cv::resize(pixelsOf(shown), pixelsOf(reduced), pixelsOf(reduced).size(), 0, 0, cv::INTER_AREA);
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
    cv::resize(pixelsOf(blurred), pixelsOf(shown), pixelsOf(shown).size(), 0, 0, cv::INTER_LINEAR);
    update();
}

void BlurredStill::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), shown, event->rect());
}
