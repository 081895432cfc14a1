#include "history/speedstrip.h"

#include <QLineF>
#include <QMouseEvent>
#include <QPainter>

#include "history/gappedline.h"
#include "history/metricstable.h"

namespace {

constexpr int kHeight = 22;
constexpr int kShadeAlpha = 90;
constexpr qreal kLineWidth = 1.5;
constexpr double kMsPerSecond = 1000.0;
const QColor kGroundColour(20, 28, 36);
const QColor kCursorColour(230, 230, 230);

} // namespace

SpeedStrip::SpeedStrip(QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SpeedStrip::setPaths(const TipPaths &paths)
{
    fastest = 0;
    const TipPath &times = paths.at(InstrumentLeft);
    const int binCount = qBound(1, static_cast<int>(times.size()) / 2, kBins);
    binSeconds = times.isEmpty() ? 0 : qMax(times.last().seconds, 1e-3) / binCount;
    for (int hand = 0; hand < kInstrumentCount; ++hand) {
        const TipPath &path = paths.at(hand);
        QVector<Bin> &handBins = bins[hand];
        handBins = QVector<Bin>(path.isEmpty() ? 0 : binCount);
        QVector<int> moves(handBins.size()), unseen(handBins.size()), samples(handBins.size());
        for (int sample = 0; sample < path.size(); ++sample) {
            const TipSample &now = path.at(sample);
            const int bin = qBound(0, static_cast<int>(now.seconds / binSeconds), binCount - 1);
            ++samples[bin];
            if (!now.position) {
                ++unseen[bin];
                continue;
            }
            if (sample == 0 || !path.at(sample - 1).position)
                continue;
            const TipSample &before = path.at(sample - 1);
            const double step = now.seconds - before.seconds;
            if (step <= 0)
                continue;
            handBins[bin].speed += QLineF(*before.position, *now.position).length() / step;
            ++moves[bin];
        }
        for (int bin = 0; bin < handBins.size(); ++bin) {
            handBins[bin].speed = moves.at(bin) > 0 ? handBins.at(bin).speed / moves.at(bin) : 0;
            handBins[bin].offScreen = samples.at(bin) > 0 && unseen.at(bin) * 2 >= samples.at(bin);
            fastest = qMax(fastest, handBins.at(bin).speed);
        }
    }
    update();
}

void SpeedStrip::setDurationMs(qint64 duration)
{
    durationMs = duration;
    update();
}

void SpeedStrip::setPositionMs(qint64 position)
{
    positionMs = position;
    update();
}

qint64 SpeedStrip::timeAt(int x) const
{
    if (width() <= 0)
        return 0;
    return qBound<qint64>(0, static_cast<qint64>(static_cast<double>(x) * durationMs / width()), durationMs);
}

qreal SpeedStrip::xOf(double seconds) const
{
    return durationMs <= 0 ? 0 : seconds * kMsPerSecond * width() / durationMs;
}

void SpeedStrip::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    painter.fillRect(rect(), kGroundColour);
    if (durationMs <= 0)
        return;
    const qreal half = height() / 2.0;
    painter.setRenderHint(QPainter::Antialiasing);
    for (int hand = 0; hand < kInstrumentCount; ++hand) {
        const QVector<Bin> &handBins = bins.at(hand);
        QColor shade = instrumentColour(hand);
        shade.setAlpha(kShadeAlpha);
        // No speed where the tip was out of sight: a gap in its line.
        QVector<std::optional<QPointF>> speeds;
        for (int bin = 0; bin < handBins.size(); ++bin) {
            const qreal left = xOf(bin * binSeconds);
            const qreal right = xOf((bin + 1) * binSeconds);
            if (handBins.at(bin).offScreen)
                painter.fillRect(QRectF(left, hand * half, right - left, half), shade);
            const qreal share = fastest > 0 ? handBins.at(bin).speed / fastest : 0;
            const QPointF point((left + right) / 2, height() - 1 - share * (height() - 2));
            speeds << (handBins.at(bin).offScreen ? std::nullopt : std::optional<QPointF>(point));
        }
        painter.setPen(QPen(instrumentColour(hand), kLineWidth));
        drawGappedLine(painter, speeds);
    }
    painter.setPen(kCursorColour);
    const qreal cursor = static_cast<qreal>(positionMs) * width() / durationMs;
    painter.drawLine(QPointF(cursor, 0), QPointF(cursor, height()));
}

void SpeedStrip::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || durationMs <= 0)
        return;
    emit seekRequested(timeAt(event->pos().x()));
    event->accept();
}
