#pragma once

#include <QImage>
#include <QSet>
#include <QWidget>
#include <QtTest>

#include <algorithm>
#include <cmath>

// Looking at camera pictures: whether a widget shows one, and how light,
// contrasty, warm or colourful it is.

namespace PictureInspection {

// Generous: the tests share a small machine with other jobs.
constexpr int kPictureTimeoutMs = 20000;
// An empty or black viewfinder has a colour or two; a camera picture many.
constexpr int kMinimumDistinctColours = 16;
// A change of a statistic by this many levels (of 255) is plainly visible,
// and larger than the moving instruments change it from frame to frame.
constexpr double kVisibleChange = 8;

enum class Statistic {
    Luminance, // mean grey level
    Spread, // standard deviation of the grey levels
    Warmth, // mean of red minus blue
    Colourfulness, // mean distance between the largest and smallest channel
};

enum class Change { None, Up, Down, Zero };

inline bool showsPicture(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height() && colours.size() < kMinimumDistinctColours; y += 4) {
        for (int x = 0; x < image.width(); x += 4)
            colours.insert(image.pixel(x, y));
    }
    return colours.size() >= kMinimumDistinctColours;
}

inline double statistic(const QImage &image, Statistic which)
{
    double sum = 0;
    double sumOfSquares = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            double value = 0;
            switch (which) {
            case Statistic::Luminance:
            case Statistic::Spread:
                value = qGray(pixel);
                break;
            case Statistic::Warmth:
                value = qRed(pixel) - qBlue(pixel);
                break;
            case Statistic::Colourfulness:
                value = std::max({ qRed(pixel), qGreen(pixel), qBlue(pixel) })
                    - std::min({ qRed(pixel), qGreen(pixel), qBlue(pixel) });
                break;
            }
            sum += value;
            sumOfSquares += value * value;
        }
    }
    const double count = double(image.width()) * image.height();
    const double mean = sum / count;
    return which == Statistic::Spread ? std::sqrt(sumOfSquares / count - mean * mean) : mean;
}

inline bool shows(Change change, double before, double after)
{
    switch (change) {
    case Change::None:
        return std::abs(after - before) < kVisibleChange;
    case Change::Up:
        return after > before + kVisibleChange;
    case Change::Down:
        return after < before - kVisibleChange;
    case Change::Zero:
        return after == 0;
    }
    return false;
}

// For the message of a failed comparison.
inline QByteArray fromTo(double before, double after)
{
    return QStringLiteral("from %1 to %2").arg(before).arg(after).toUtf8();
}

// The middle of a picture, clear of the bars a viewfinder leaves beside a
// picture of another aspect ratio.
inline QImage middleOf(const QImage &picture)
{
    return picture.copy(picture.width() / 4, picture.height() / 4, picture.width() / 2, picture.height() / 2);
}

// What the widget shows, in one format so that pictures compare.
inline QImage pictureOf(QWidget &viewfinder)
{
    return viewfinder.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The widget's picture once it shows a camera frame that arrived after the
// call; a null image when none does in time.
inline QImage nextPicture(QWidget &viewfinder)
{
    const QImage current = pictureOf(viewfinder);
    QImage next;
    const bool arrived = QTest::qWaitFor(
        [&] {
            next = pictureOf(viewfinder);
            return next != current && showsPicture(next);
        },
        kPictureTimeoutMs);
    return arrived ? next : QImage();
}

// The statistic of the middle of the widget's next picture; NaN, which
// passes no comparison, when no picture arrives in time.
inline double nextStatistic(QWidget &viewfinder, Statistic which)
{
    const QImage picture = nextPicture(viewfinder);
    return picture.isNull() ? qQNaN() : statistic(middleOf(picture), which);
}

} // namespace PictureInspection

Q_DECLARE_METATYPE(PictureInspection::Statistic)
Q_DECLARE_METATYPE(PictureInspection::Change)
