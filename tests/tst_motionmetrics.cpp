#include <QVideoFrame>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <vector>

#include "tracking/motionmetrics.h"
#include "tracking/reducedframe.h"

namespace {

constexpr int kFrameRate = 30;
const QSize kPicture(1280, 720);

// Where the tip is at a time, or nowhere.
using Position = std::optional<QPointF>;
using Motion = Position (*)(double seconds);

// 200 px/s to the right for 3 s.
constexpr Motion straight = [](double t) -> Position { return QPointF(100 + 200 * t, 300); };
// Resting at one point for 3 s.
constexpr Motion still = [](double) -> Position { return QPointF(400, 300); };
// Resting, but found half a pixel to and fro from frame to frame.
constexpr Motion jittering
    = [](double t) -> Position { return QPointF(400 + (std::lround(t * kFrameRate) % 2 ? 0.5 : -0.5), 300); };
// Straight, but out of the picture for the middle second.
constexpr Motion leavingThePicture
    = [](double t) -> Position { return t >= 1 - 1e-9 && t < 2 - 1e-9 ? std::nullopt : straight(t); };
// 300 px out in a second, a second's rest, back in a second, each stroke
// speeding up and slowing down smoothly.
constexpr Motion thereAndBack = [](double t) -> Position {
    const auto stroke = [](double u) { return 300 * (u - std::sin(2 * M_PI * u) / (2 * M_PI)); };
    return QPointF(t < 1 ? 100 + stroke(t) : t < 2 ? 400 : 400 - stroke(std::min(t - 2, 1.0)), 300);
};
constexpr Motion never = [](double) -> Position { return std::nullopt; };

// Three seconds and a frame at 30 frames per second: 91 samples.
TipPath pathOf(Motion motion)
{
    // Built in a std::vector: GCC 12 takes writes into a QVector being
    // filled for writes beyond its header.
    std::vector<TipSample> path;
    for (int frame = 0; frame <= 3 * kFrameRate; ++frame) {
        const double t = static_cast<double>(frame) / kFrameRate;
        path.push_back({ t, motion(t) });
    }
    return TipPath(path.cbegin(), path.cend());
}

// A figure to a tolerance; "none" exactly where none is expected.
void compareNear(
    std::optional<double> actual, std::optional<double> expected, double tolerance, const char *what)
{
    QVERIFY2(
        actual.has_value() == expected.has_value() && (!actual || std::abs(*actual - *expected) <= tolerance),
        qPrintable(QStringLiteral("%1: %2, expected %3")
                       .arg(what)
                       .arg(actual.value_or(-1))
                       .arg(expected.value_or(-1))));
}

} // namespace

Q_DECLARE_METATYPE(Motion)
Q_DECLARE_METATYPE(InstrumentMetrics)

// The figures of a training from synthetic tip paths, and the small copy of
// a frame in each pixel format a camera delivers.
class MotionMetricsTest : public QObject
{
    Q_OBJECT

private slots:
    void figuresFollowTheMotion_data();
    void figuresFollowTheMotion();
    void reducedFrameReadsEveryFormat_data();
    void reducedFrameReadsEveryFormat();
};

void MotionMetricsTest::figuresFollowTheMotion_data()
{
    QTest::addColumn<Motion>("left");
    QTest::addColumn<Motion>("right");
    QTest::addColumn<double>("fieldWidthMm");
    // The left instrument's figures: seen, active, idle and off-screen
    // seconds, path length, mean and peak speed, economy, movement units and
    // share of the work.
    QTest::addColumn<InstrumentMetrics>("expected");

    const auto row = [](const char *tag, Motion left, Motion right, double fieldWidthMm,
                         const InstrumentMetrics &expected) {
        QTest::newRow(tag) << left << right << fieldWidthMm << expected;
    };

    const double frame = 1.0 / kFrameRate;
    // The last sample's frame has no step after it: it counts as resting.
    row("straight", straight, never, 0, { true, 3, frame, 0, 600, 200, 200, 1.0, 1, 1.0 });
    // 1280 px are 256 mm: 0.2 mm a pixel.
    row("straight on a known field", straight, never, 256, { true, 3, frame, 0, 120, 40, 40, 1.0, 1, 1.0 });
    // The jitter adds to the path, but not to the time moving; the fastest
    // is at the ends of the path, where the speed is taken over fewer frames.
    row("jittering", jittering, never, 0, { true, 0, 3 + frame, 0, 90, 30, 10, std::nullopt, 0, 1.0 });
    // 59 steps seen, two sightings that each begin a movement; the path out
    // of the picture is not part of the path.
    row("leaving the picture", leavingThePicture, never, 0,
        { true, 59 * frame, 2 * frame, 1.0, 59 * 200.0 / kFrameRate, 200, 200, 59 / 90.0, 2, 1.0 });
    // Each stroke is slower than 25.6 px/s (resting) for its first and last
    // 0.07 s and reaches 600 px/s; taken over five frames, the speed rests
    // for less of it and peaks at 585 px/s.
    row("there and back", thereAndBack, never, 0,
        { true, 1.87, 1.16, 0, 600, 200, 585, std::nullopt, 2, 1.0 });
    // The work is shared by path length; with no path at all, there is no
    // share.
    row("both moving", straight, thereAndBack, 0, { true, 3, frame, 0, 600, 200, 200, 1.0, 1, 0.5 });
    row("other still", straight, still, 0, { true, 3, frame, 0, 600, 200, 200, 1.0, 1, 1.0 });
    row("both still", still, still, 0, { true, 0, 3 + frame, 0, 0, 0, 0, std::nullopt, 0, std::nullopt });
}

void MotionMetricsTest::figuresFollowTheMotion()
{
    QFETCH(Motion, left);
    QFETCH(Motion, right);
    QFETCH(double, fieldWidthMm);
    QFETCH(InstrumentMetrics, expected);

    const TrainingMetrics metrics
        = measureTraining({ pathOf(left), pathOf(right) }, kPicture, { fieldWidthMm }, 0);
    QCOMPARE(metrics.unit, fieldWidthMm > 0 ? LengthUnit::Millimetres : LengthUnit::Pixels);
    compareNear(metrics.durationSeconds, 3 + 1.0 / kFrameRate, 1e-9, "duration");
    QCOMPARE(metrics.framesAnalysed, 91);
    const InstrumentMetrics &figures = metrics.instruments[InstrumentLeft];
    QVERIFY(figures.seen);
    // Lengths and speeds to 1 %, times to a frame or two.
    compareNear(figures.pathLength, expected.pathLength, 0.01 * expected.pathLength, "path length");
    compareNear(figures.activeSeconds, expected.activeSeconds, 0.05, "active");
    compareNear(figures.idleSeconds, expected.idleSeconds, 0.05, "idle");
    compareNear(figures.offScreenSeconds, expected.offScreenSeconds, 1e-9, "off screen");
    compareNear(figures.activeSeconds + figures.idleSeconds + figures.offScreenSeconds,
        metrics.durationSeconds, 1e-9, "all time");
    compareNear(figures.meanSpeed, expected.meanSpeed, 0.01 * expected.meanSpeed, "mean speed");
    compareNear(figures.peakSpeed, expected.peakSpeed, 0.01 * expected.peakSpeed + 0.01, "peak speed");
    compareNear(figures.economy, expected.economy, 0.01, "economy");
    QCOMPARE(figures.movementUnits, expected.movementUnits);
    compareNear(figures.workShare, expected.workShare, 0.01, "share");

    // The other instrument has the rest of the work; never seen, it has no
    // figures and all the time off screen.
    const InstrumentMetrics &other = metrics.instruments[InstrumentRight];
    QCOMPARE(other.seen, right != never);
    std::optional<double> otherShare;
    if (other.seen && expected.workShare)
        otherShare = 1 - *expected.workShare;
    compareNear(other.workShare, otherShare, 0.01, "other's share");
    if (!other.seen)
        compareNear(other.offScreenSeconds, metrics.durationSeconds, 1e-9, "never seen, off screen");
}

void MotionMetricsTest::reducedFrameReadsEveryFormat_data()
{
    QTest::addColumn<QVideoFrame::PixelFormat>("format");
    // The bytes of a pixel, or of two pixels that share their colour
    // samples, in the first plane; A is opaque.
    QTest::addColumn<QByteArray>("layout");
    // The planes of colour samples that follow, each at half the picture's
    // width and height.
    QTest::addColumn<QByteArrayList>("colourPlanes");

    QTest::newRow("RGB32") << QVideoFrame::Format_RGB32 << QByteArray("BGRA") << QByteArrayList();
    QTest::newRow("ARGB32") << QVideoFrame::Format_ARGB32 << QByteArray("BGRA") << QByteArrayList();
    QTest::newRow("BGR32") << QVideoFrame::Format_BGR32 << QByteArray("RGBA") << QByteArrayList();
    QTest::newRow("RGB24") << QVideoFrame::Format_RGB24 << QByteArray("RGB") << QByteArrayList();
    QTest::newRow("BGR24") << QVideoFrame::Format_BGR24 << QByteArray("BGR") << QByteArrayList();
    QTest::newRow("YUV420P") << QVideoFrame::Format_YUV420P << QByteArray("Y") << QByteArrayList { "U", "V" };
    QTest::newRow("YV12") << QVideoFrame::Format_YV12 << QByteArray("Y") << QByteArrayList { "V", "U" };
    QTest::newRow("NV12") << QVideoFrame::Format_NV12 << QByteArray("Y") << QByteArrayList { "UV" };
    QTest::newRow("NV21") << QVideoFrame::Format_NV21 << QByteArray("Y") << QByteArrayList { "VU" };
    QTest::newRow("YUYV") << QVideoFrame::Format_YUYV << QByteArray("YUYV") << QByteArrayList();
    QTest::newRow("UYVY") << QVideoFrame::Format_UYVY << QByteArray("UYVY") << QByteArrayList();
}

// A 1280x720 frame in the format, its left half green and its right half
// magenta, comes out 640 pixels wide in the same colours.
void MotionMetricsTest::reducedFrameReadsEveryFormat()
{
    QFETCH(QVideoFrame::PixelFormat, format);
    QFETCH(QByteArray, layout);
    QFETCH(QByteArrayList, colourPlanes);

    const QColor halves[] = { QColor(40, 220, 40), QColor(225, 40, 205) };
    const auto colourAt = [&](int x) { return halves[x < kPicture.width() / 2 ? 0 : 1]; };
    // BT.601 with video levels, as a camera encodes its picture.
    const auto sample = [](char channel, const QColor &c) {
        const int values[] = { c.red(), c.green(), c.blue(),
            qRound(16 + 0.257 * c.red() + 0.504 * c.green() + 0.098 * c.blue()),
            qRound(128 - 0.148 * c.red() - 0.291 * c.green() + 0.439 * c.blue()),
            qRound(128 + 0.439 * c.red() - 0.368 * c.green() - 0.071 * c.blue()), 255 };
        return static_cast<uchar>(values[QByteArray("RGBYUVA").indexOf(channel)]);
    };
    // Every row of a plane is the same.
    const auto plane = [&colourAt, &sample](const QByteArray &group, int rows, int pixelsEach) {
        QByteArray row;
        for (int x = 0; x < kPicture.width(); x += pixelsEach) {
            for (const char channel : group)
                row += static_cast<char>(sample(channel, colourAt(x)));
        }
        return row.repeated(rows);
    };
    const int pixelsPerGroup = layout.count('Y') == 2 ? 2 : 1;
    QByteArray bytes = plane(layout, kPicture.height(), pixelsPerGroup);
    for (const QByteArray &colours : colourPlanes)
        bytes += plane(colours, kPicture.height() / 2, 2);
    QVideoFrame frame(bytes.size(), kPicture, kPicture.width() / pixelsPerGroup * layout.size(), format);
    QVERIFY(frame.map(QAbstractVideoBuffer::WriteOnly));
    std::memcpy(frame.bits(), bytes.constData(), bytes.size());
    frame.unmap();

    const ReducedFrame reduced = ReducedFrame::of(frame, 640);
    QCOMPARE(reduced.step, 2);
    QCOMPARE(reduced.pictureSize, kPicture);
    QCOMPARE(QSize(reduced.bgr.cols, reduced.bgr.rows), QSize(640, 360));
    for (const QPoint at : { QPoint(10, 10), QPoint(319, 200), QPoint(320, 5), QPoint(639, 359) }) {
        const uchar *pixel = reduced.bgr.ptr<uchar>(at.y()) + at.x() * 3;
        const QColor found(pixel[2], pixel[1], pixel[0]);
        const QColor expected = colourAt(at.x() * 2);
        // YUV rounds each colour by a few levels.
        QVERIFY2(std::abs(found.red() - expected.red()) <= 3
                && std::abs(found.green() - expected.green()) <= 3
                && std::abs(found.blue() - expected.blue()) <= 3,
            qPrintable(QStringLiteral("%1 at %2,%3").arg(found.name()).arg(at.x()).arg(at.y())));
    }
}

QTEST_GUILESS_MAIN(MotionMetricsTest)
#include "tst_motionmetrics.moc"
