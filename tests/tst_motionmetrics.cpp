#include <QVideoFrame>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <future>
#include <vector>

#include "imageadjustment.h"
#include "imperfections.h"
#include "practicefieldpainter.h"
#include "tracking/motionmetrics.h"
#include "tracking/reducedframe.h"
#include "tracking/trackingsession.h"

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
// Beside the straight movement, 100 px below it.
constexpr Motion alongside = [](double t) -> Position { return QPointF(100 + 200 * t, 400); };
// The share of a reach done at a share of its time, along the smoothest
// path from rest to rest, the one of least jerk.
double minimumJerk(double u)
{
    u = std::clamp(u, 0.0, 1.0);
    return u * u * u * (10 - 15 * u + 6 * u * u);
}
// A second's rest, 300 px to the right in a second, a second's rest.
constexpr Motion reach = [](double t) -> Position { return QPointF(100 + 300 * minimumJerk(t - 1), 300); };
// The same reach stopping half way: two smooth reaches of half a second.
constexpr Motion hesitantReach = [](double t) -> Position {
    return QPointF(100 + 150 * (minimumJerk(2 * t - 2) + minimumJerk(2 * t - 3)), 300);
};

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

// An image setting of the application, its slider from 0 to 99 with the
// camera's own picture at 49, on Qt's scale from -1 to 1.
qreal sliderSetting(int position)
{
    return position < 49 ? (position - 49) / 49.0 : (position - 49) / 50.0;
}

// A training's frames as the virtual camera paints them under the
// imperfections, each handed to the tracker as a camera's frame and its
// true band positions kept beside. Two frames are painted at a time.
struct TrackedTraining
{
    TrainingMeasurement measured;
    std::vector<PracticeFieldPainter::BandCentres> truth;
};

TrackedTraining trackTraining(const Imperfections &imperfections, const ImageAdjustment &adjustment,
    bool instrumentsShown, double seconds)
{
    PracticeFieldPainter painter(kPicture, imperfections.scene());
    painter.setInstrumentsShown(instrumentsShown);
    const SensorSimulation sensor(imperfections, kPicture);
    const QDateTime noon(QDate(2026, 3, 7), QTime(12, 0));
    const auto frameAt = [&](int n) {
        const double t = static_cast<double>(n) / kFrameRate;
        QImage picture = painter.paint(n, t, noon, QStringLiteral("Camera 1"));
        sensor.expose(picture, n);
        adjustment.apply(picture);
        sensor.compress(picture);
        ReducedFrame frame = ReducedFrame::of(QVideoFrame(picture), 640);
        frame.seconds = t;
        return frame;
    };
    TrackedTraining training;
    TrackingSession session({});
    const int frames = qRound(seconds * kFrameRate);
    for (int n = 0; n < frames; n += 2) {
        auto next = std::async(std::launch::async, frameAt, n + 1);
        session.analyse(frameAt(n));
        session.analyse(next.get());
        for (const int k : { n, n + 1 })
            training.truth.push_back(painter.bandCentres(static_cast<double>(k) / kFrameRate));
    }
    training.measured = session.finish(0);
    return training;
}

} // namespace

Q_DECLARE_METATYPE(Imperfections)
Q_DECLARE_METATYPE(ImageAdjustment::Settings)
Q_DECLARE_METATYPE(Motion)
Q_DECLARE_METATYPE(InstrumentMetrics)
Q_DECLARE_METATYPE(std::optional<double>)

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
    void trackingHoldsOnRealPictures_data();
    void trackingHoldsOnRealPictures();
};

void MotionMetricsTest::figuresFollowTheMotion_data()
{
    QTest::addColumn<Motion>("left");
    QTest::addColumn<Motion>("right");
    QTest::addColumn<double>("fieldWidthMm");
    // The left instrument's figures: seen, active, idle and off-screen
    // seconds, path length, mean and peak speed, economy, movement units,
    // normalised jerk and share of the work.
    QTest::addColumn<InstrumentMetrics>("expected");
    QTest::addColumn<std::optional<double>>("meanTipDistance");

    const auto row = [](const char *tag, Motion left, Motion right, double fieldWidthMm,
                         const InstrumentMetrics &expected, std::optional<double> meanTipDistance = {}) {
        QTest::newRow(tag) << left << right << fieldWidthMm << expected << meanTipDistance;
    };

    const double frame = 1.0 / kFrameRate;
    // The last sample's frame has no step after it: it counts as resting.
    row("straight", straight, never, 0, { true, 3, frame, 0, 600, 200, 200, 1.0, 1, 0.0, 1.0 });
    // 1280 px are 256 mm: 0.2 mm a pixel.
    row("straight on a known field", straight, never, 256,
        { true, 3, frame, 0, 120, 40, 40, 1.0, 1, 0.0, 1.0 });
    // The jitter adds to the path, but not to the time moving; the fastest
    // is at the ends of the path, where the speed is taken over fewer frames.
    row("jittering", jittering, never, 0,
        { true, 0, 3 + frame, 0, 90, 30, 10, std::nullopt, 0, std::nullopt, 1.0 });
    // 59 steps seen, two sightings that each begin a movement; the path out
    // of the picture is not part of the path.
    row("leaving the picture", leavingThePicture, never, 0,
        { true, 59 * frame, 2 * frame, 1.0, 59 * 200.0 / kFrameRate, 200, 200, 59 / 90.0, 2, 0.0, 1.0 });
    // Each stroke is slower than 25.6 px/s (resting) for its first and last
    // 0.07 s and reaches 600 px/s; taken over five frames, the speed rests
    // for less of it and peaks at 585 px/s.
    row("there and back", thereAndBack, never, 0,
        { true, 1.87, 1.16, 0, 600, 200, 585, std::nullopt, 2, 180.7, 1.0 });
    // The work is shared by path length; with no path at all, there is no
    // share.
    row("both moving", straight, thereAndBack, 0, { true, 3, frame, 0, 600, 200, 200, 1.0, 1, 0.0, 0.5 },
        155.56);
    row("other still", straight, still, 0, { true, 3, frame, 0, 600, 200, 200, 1.0, 1, 0.0, 1.0 }, 151.65);
    // A smooth reach from rest to rest has a normalised jerk of sqrt(360),
    // about 19, one stopping half way four times as much; taken over five
    // frames, the jerk comes out lower, the more so the shorter the stroke.
    row("a smooth reach", reach, never, 0, { true, 0.93, 2.1, 0, 300, 100, 551, 1.0, 1, 17.5, 1.0 });
    row("a reach stopping half way", hesitantReach, never, 0,
        { true, 1.0, 2.0, 0, 300, 100, 522, 1.0, 2, 65.0, 1.0 });
    // 100 px apart all the time: 20 mm on a known field.
    row("alongside", straight, alongside, 256, { true, 3, frame, 0, 120, 40, 40, 1.0, 1, 0.0, 0.5 }, 20.0);
    row("both still", still, still, 0,
        { true, 0, 3 + frame, 0, 0, 0, 0, std::nullopt, 0, std::nullopt, std::nullopt }, 0.0);
}

void MotionMetricsTest::figuresFollowTheMotion()
{
    QFETCH(Motion, left);
    QFETCH(Motion, right);
    QFETCH(double, fieldWidthMm);
    QFETCH(InstrumentMetrics, expected);
    QFETCH(std::optional<double>, meanTipDistance);

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
    compareNear(figures.normalisedJerk, expected.normalisedJerk,
        0.05 * expected.normalisedJerk.value_or(0) + 0.01, "normalised jerk");
    compareNear(figures.workShare, expected.workShare, 0.01, "share");
    compareNear(metrics.meanTipDistance, meanTipDistance, 0.01 * meanTipDistance.value_or(0), "tip distance");

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

void MotionMetricsTest::trackingHoldsOnRealPictures_data()
{
    QTest::addColumn<Imperfections>("imperfections");
    QTest::addColumn<ImageAdjustment::Settings>("settings");
    QTest::addColumn<bool>("instrumentsShown");

    const auto row = [](const char *tag, const std::function<void(Imperfections &)> &effect,
                         const std::function<void(ImageAdjustment::Settings &)> &setting = {}) {
        Imperfections imperfections;
        ImageAdjustment::Settings settings;
        if (effect)
            effect(imperfections);
        if (setting)
            setting(settings);
        QTest::newRow(tag) << imperfections << settings << true;
    };
    row("clean", {});
    // Each effect alone, at a strength usual for a USB box camera and at a harsh one.
    row("noise 4", [](Imperfections &i) { i.noiseSigma = 4; });
    row("noise 8", [](Imperfections &i) { i.noiseSigma = 8; });
    row("JPEG 80", [](Imperfections &i) { i.jpegQuality = 80; });
    row("JPEG 50", [](Imperfections &i) { i.jpegQuality = 50; });
    row("blur 0.5", [](Imperfections &i) { i.exposure = 0.5; });
    row("blur 1", [](Imperfections &i) { i.exposure = 1; });
    row("uneven light 0.5", [](Imperfections &i) { i.unevenLight = 0.5; });
    row("uneven light 1", [](Imperfections &i) { i.unevenLight = 1; });
    row("cast 3500 K", [](Imperfections &i) { i.lightKelvin = 3500; });
    row("cast 2800 K", [](Imperfections &i) { i.lightKelvin = 2800; });
    row("cast 6500 K", [](Imperfections &i) { i.lightKelvin = 6500; });
    row("highlights 0.5", [](Imperfections &i) { i.highlights = 0.5; });
    row("highlights 1", [](Imperfections &i) { i.highlights = 1; });
    row("crossing 0.5", [](Imperfections &i) { i.crossing = 0.5; });
    row("crossing 1", [](Imperfections &i) { i.crossing = 1; });
    // The application's image settings at their extremes.
    row("brightness 0", {}, [](ImageAdjustment::Settings &s) { s.brightness = sliderSetting(0); });
    row("brightness 99", {}, [](ImageAdjustment::Settings &s) { s.brightness = sliderSetting(99); });
    row("contrast 0", {}, [](ImageAdjustment::Settings &s) { s.contrast = sliderSetting(0); });
    row("contrast 99", {}, [](ImageAdjustment::Settings &s) { s.contrast = sliderSetting(99); });
    row("white balance 0", {}, [](ImageAdjustment::Settings &s) { s.whiteBalanceKelvin = 2800; });
    row("white balance 99", {}, [](ImageAdjustment::Settings &s) { s.whiteBalanceKelvin = 6500; });
    row("saturation 20", {}, [](ImageAdjustment::Settings &s) { s.saturation = sliderSetting(20); });
    row("saturation 99", {}, [](ImageAdjustment::Settings &s) { s.saturation = sliderSetting(99); });
    const auto everything = [](Imperfections &i) {
        i = { 4, 70, 0.5, 0.5, 3500, 0.5, 0.5 };
    };
    row("every effect", everything);
    // Nothing band-like may be taken for a band in an empty box.
    Imperfections all;
    everything(all);
    QTest::newRow("every effect, empty box") << all << ImageAdjustment::Settings() << false;
}

// Ten seconds at 720p, against where the bands really are: the tips found
// within 1 % of the picture's width in half the frames and 3 % in 95 %, the
// path length within 5 %, the time off screen within 0.2 s, and no tip
// reported where its band cannot be seen (bar the frame a band crosses the
// line between half seen and mostly hidden).
void MotionMetricsTest::trackingHoldsOnRealPictures()
{
    QFETCH(Imperfections, imperfections);
    QFETCH(ImageAdjustment::Settings, settings);
    QFETCH(bool, instrumentsShown);

    const TrackedTraining training = trackTraining(imperfections, ImageAdjustment(settings), instrumentsShown, 10);
    const TrainingMeasurement &measured = training.measured;
    for (int i = 0; i < kInstrumentCount; ++i) {
        const TipPath &path = measured.paths[i];
        QCOMPARE(static_cast<std::size_t>(path.size()), training.truth.size());
        std::vector<double> errors;
        double truePath = 0;
        double trueOffScreen = 0;
        int reportedHidden = 0;
        for (std::size_t n = 0; n < training.truth.size(); ++n) {
            const std::optional<QPointF> &truth = training.truth[n][i];
            const std::optional<QPointF> &found = path[static_cast<int>(n)].position;
            const auto truthAt = [&](std::size_t k) { return k < training.truth.size() && training.truth[k][i]; };
            if (truth && found)
                errors.push_back(QLineF(*truth, *found).length());
            if (!truth) {
                trueOffScreen += 1.0 / kFrameRate;
                if (found && !(n > 0 && truthAt(n - 1)) && !truthAt(n + 1))
                    ++reportedHidden;
            }
            if (truth && n > 0 && training.truth[n - 1][i])
                truePath += QLineF(*training.truth[n - 1][i], *truth).length();
        }
        const InstrumentMetrics &figures = measured.metrics.instruments[i];
        std::sort(errors.begin(), errors.end());
        const double width = kPicture.width();
        const double median = errors.empty() ? 0 : errors[errors.size() / 2] / width;
        const double p95 = errors.empty() ? 0 : errors[errors.size() * 95 / 100] / width;
        const QByteArray facts = QStringLiteral("instrument %1: error median %2 %, p95 %3 %; path %4 of %5 px; "
                                                "off screen %6 of %7 s; %8 reported hidden")
                                     .arg(i)
                                     .arg(median * 100, 0, 'f', 2)
                                     .arg(p95 * 100, 0, 'f', 2)
                                     .arg(figures.pathLength, 0, 'f', 0)
                                     .arg(truePath, 0, 'f', 0)
                                     .arg(figures.offScreenSeconds, 0, 'f', 2)
                                     .arg(trueOffScreen, 0, 'f', 2)
                                     .arg(reportedHidden)
                                     .toUtf8();
        qInfo("%s", facts.constData());
        QVERIFY2(median <= 0.01 && p95 <= 0.03, facts.constData());
        QVERIFY2(std::abs(figures.pathLength - truePath) <= 0.05 * truePath, facts.constData());
        QVERIFY2(std::abs(figures.offScreenSeconds - trueOffScreen) <= 0.2, facts.constData());
        QVERIFY2(reportedHidden == 0, facts.constData());
    }
}

QTEST_MAIN(MotionMetricsTest)
#include "tst_motionmetrics.moc"
