#include "camera/bandcheckview.h"

#include <QLabel>
#include <QMediaObject>
#include <QPainter>
#include <QVBoxLayout>
#include <QVideoFrame>

#include <opencv2/imgproc.hpp>

#include "tracking/reducedframe.h"
#include "tracking/tipfinder.h"

namespace {

// Pictures checked a second, and how many checked in a row may miss a band
// before it is reported missing.
constexpr int kCheckIntervalMs = 200;
constexpr int kSightingsKept = 5;
// Small enough to check in a few milliseconds; a band is still some ten
// pixels long.
constexpr int kCheckedWidth = 320;
// A band's circle, as a share of the picture's width.
constexpr qreal kCircleShare = 0.045;
const QColor kBandColours[kInstrumentCount] = { QColor(60, 230, 60), QColor(235, 60, 215) };
constexpr auto kFoundStyle = "color: rgb(200, 230, 200); font: 13pt \"Corbel\";";
constexpr auto kMissingStyle = "color: rgb(255, 190, 80); font: bold 13pt \"Corbel\";";

} // namespace

BandCheckView::BandCheckView(QWidget *parent)
    : QWidget(parent)
    , pictureArea(new QWidget(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    pictureArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    pictureArea->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(pictureArea, 1);
    for (QLabel *&line : lines) {
        line = new QLabel(this);
        line->setWordWrap(true);
        layout->addWidget(line);
    }
    connect(&probe, &QVideoProbe::videoFrameProbed, this, &BandCheckView::check);
    translate();
}

void BandCheckView::watch(QMediaObject *camera)
{
    probe.setSource(camera);
    picture = QImage();
    bands = {};
    sightings = {};
    sinceChecked.invalidate();
    translate();
    update();
}

void BandCheckView::translate()
{
    const QString texts[kInstrumentCount][2] = {
        { tr("Left instrument, green band: not found"), tr("Left instrument, green band: found") },
        { tr("Right instrument, magenta band: not found"), tr("Right instrument, magenta band: found") },
    };
    for (int i = 0; i < kInstrumentCount; ++i) {
        lines[static_cast<std::size_t>(i)]->setText(texts[i][isFound(i) ? 1 : 0]);
        lines[static_cast<std::size_t>(i)]->setStyleSheet(QLatin1String(isFound(i) ? kFoundStyle : kMissingStyle));
    }
}

void BandCheckView::check(const QVideoFrame &frame)
{
    if (!isVisible() || (sinceChecked.isValid() && sinceChecked.elapsed() < kCheckIntervalMs))
        return;
    sinceChecked.start();
    const ReducedFrame reduced = ReducedFrame::of(frame, kCheckedWidth);
    if (reduced.bgr.empty())
        return;
    TipFinder finder;
    const TipFinder::Found found = finder.find(reduced.bgr);
    for (std::size_t i = 0; i < found.size(); ++i) {
        bands[i] = found[i] ? std::optional<QPointF>(*found[i] * reduced.step) : std::nullopt;
        sightings[i] = found[i] ? kSightingsKept : std::max(0, sightings[i] - 1);
    }
    cv::Mat rgb;
    cv::cvtColor(reduced.bgr, rgb, cv::COLOR_BGR2RGB);
    picture = QImage(rgb.data, rgb.cols, rgb.rows, static_cast<int>(rgb.step), QImage::Format_RGB888).copy();
    pictureSize = reduced.pictureSize;
    translate();
    update();
}

void BandCheckView::paintEvent(QPaintEvent *)
{
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF full(pictureSize);
    const QSizeF shown = full.scaled(pictureArea->size(), Qt::KeepAspectRatio);
    const QRectF target(QPointF(pictureArea->x() + (pictureArea->width() - shown.width()) / 2,
                            pictureArea->y() + (pictureArea->height() - shown.height()) / 2),
        shown);
    painter.drawImage(target, picture);
    const qreal scale = shown.width() / full.width();
    const qreal radius = kCircleShare * shown.width();
    for (int i = 0; i < kInstrumentCount; ++i) {
        const std::optional<QPointF> &band = bands[static_cast<std::size_t>(i)];
        if (!band)
            continue;
        painter.setPen(QPen(kBandColours[i], 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(target.topLeft() + *band * scale, radius, radius);
    }
}
