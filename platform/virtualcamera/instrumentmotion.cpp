#include "instrumentmotion.h"

#include <QLineF>
#include <QtMath>

#include <cmath>

namespace {

constexpr QPointF kLeftPort(-80, 780);
constexpr QPointF kRightPort(1360, 780);
// The jaws are hinged this far along their length from the tip.
constexpr double kJawHinge = 0.6;

// Every kExcursionPeriod seconds from kExcursionStart on, the left
// instrument reaches kExcursionReach to the left and back within
// kExcursionSeconds. At the far end its band is out of the picture for about
// a second: trackers must report that time as off screen.
constexpr double kExcursionStart = 4;
constexpr double kExcursionPeriod = 20;
constexpr double kExcursionSeconds = 3;
constexpr double kExcursionReach = 600;

// Crossings come between the left instrument's excursions, each taking
// kCrossingSeconds there and back.
constexpr double kCrossingStart = 1;
constexpr double kCrossingPeriod = 10;
constexpr double kCrossingSeconds = 2.5;
// At full crossing the right tip ends this far beyond the left band, its
// shaft lying over the band's centre; less crossing stops it short by up to
// a band and a shaft's width.
constexpr double kCrossingOvershoot = 70;
constexpr double kCrossingShortfall = InstrumentMotion::kBandLength + InstrumentMotion::kShaftWidth;

// A bell from 0 to 1 and back over a span of the given length.
double bell(double into, double span)
{
    return (1 - qCos(2 * M_PI * into / span)) / 2;
}

// How far into the current period, or -1 before the first.
double intoPeriod(double seconds, double start, double period)
{
    const double since = seconds - start;
    return since < 0 ? -1 : std::fmod(since, period);
}

// The distance of point p from the segment a-b.
double distanceToSegment(const QPointF &p, const QPointF &a, const QPointF &b)
{
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t = length2 > 0 ? qBound(0.0, QPointF::dotProduct(p - a, ab) / length2, 1.0) : 0;
    return QLineF(p, a + t * ab).length();
}

} // namespace

QPointF InstrumentMotion::Pose::direction() const
{
    return (tip - port) / QLineF(port, tip).length();
}

QPointF InstrumentMotion::Pose::jawBase() const
{
    return tip - direction() * kJawLength * kJawHinge;
}

QPointF InstrumentMotion::Pose::bandCentre() const
{
    return jawBase() - direction() * kBandLength / 2;
}

InstrumentMotion::Poses InstrumentMotion::posesAt(double seconds) const
{
    const Pose left { kLeftPort, leftTipAt(seconds) };
    return { left, Pose { kRightPort, rightTipAt(seconds, left.bandCentre()) } };
}

QPointF InstrumentMotion::leftTipAt(double seconds) const
{
    const double into = intoPeriod(seconds, kExcursionStart, kExcursionPeriod);
    const double reach = into >= 0 && into < kExcursionSeconds ? kExcursionReach * bell(into, kExcursionSeconds) : 0;
    return { 420 + 150 * qSin(0.53 * seconds) - reach, 380 + 110 * qSin(0.71 * seconds + 1.0) };
}

QPointF InstrumentMotion::rightTipAt(double seconds, const QPointF &leftBand) const
{
    const QPointF usual(850 + 150 * qSin(0.61 * seconds + 2.0), 340 + 120 * qSin(0.43 * seconds));
    const double into = intoPeriod(seconds, kCrossingStart, kCrossingPeriod);
    if (crossing <= 0 || into < 0 || into >= kCrossingSeconds)
        return usual;
    // Beyond the left band as seen from the right port, so that the shaft
    // lies over the band; short of it by what crossing leaves out.
    const QPointF towards = (leftBand - kRightPort) / QLineF(kRightPort, leftBand).length();
    const QPointF across(-towards.y(), towards.x());
    const QPointF target = leftBand + towards * kCrossingOvershoot + across * (1 - crossing) * kCrossingShortfall;
    return usual + (target - usual) * bell(into, kCrossingSeconds);
}

double InstrumentMotion::bandCovered(const Poses &poses, int i)
{
    if (i != 0)
        return 0;
    const Pose &band = poses[0];
    const Pose &over = poses[1];
    // A grid over the band's area, tested against the other instrument's
    // shaft and band (one thick segment from its port to its jaws) and its
    // jaws (a thinner one on to its tip).
    constexpr int kAlong = 9;
    constexpr int kAcross = 5;
    const QPointF along = band.direction() * kBandLength;
    const QPointF across(-band.direction().y() * kShaftWidth, band.direction().x() * kShaftWidth);
    const QPointF corner = band.bandCentre() - along / 2 - across / 2;
    int covered = 0;
    for (int a = 0; a < kAlong; ++a) {
        for (int c = 0; c < kAcross; ++c) {
            const QPointF p = corner + along * ((a + 0.5) / kAlong) + across * ((c + 0.5) / kAcross);
            if (distanceToSegment(p, over.port, over.jawBase()) <= kShaftWidth / 2
                || distanceToSegment(p, over.jawBase(), over.tip) <= kShaftWidth / 4)
                ++covered;
        }
    }
    return static_cast<double>(covered) / (kAlong * kAcross);
}
