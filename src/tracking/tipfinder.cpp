#include "tracking/tipfinder.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

#include <opencv2/imgproc.hpp>

namespace {

// Hues run 0 to 255 round the circle (OpenCV's full-range HSV).
constexpr int kHueSteps = 256;
constexpr int kLevels = 256;

constexpr int hueOf(double degrees)
{
    return static_cast<int>(degrees / 360 * kHueSteps + 0.5);
}

// Where each band's hue may lie before its look is learnt: green 80 to 160
// degrees, magenta 270 to 340, in the balanced picture. Clear of the orange,
// yellow, red and blue of practice rings and of skin.
struct HueFamily
{
    int lowest;
    int highest;
};
constexpr HueFamily kFamilies[kInstrumentCount] = { { hueOf(80), hueOf(160) }, { hueOf(270), hueOf(340) } };

// How far a band's pixels stray from its learnt hue: noise and compression
// scatter the hue of a greyed band.
constexpr int kHueTolerance = hueOf(22);
// Below these a pixel's hue is mostly noise, or its colour shadow.
constexpr int kLeastSaturation = 30;
constexpr int kDarkest = 30;
// A band's most saturated pixels must stand out this far from the typical
// pixel of its hues (a mat of a similar hue) for a patch of them to be
// taken for a band.
constexpr int kLeastStandingOut = 40;
// Of a learnt band, a pixel keeps at least this share of its saturation and
// value: less is another thing of a similar hue, or the band in deep shadow.
constexpr double kSaturationShare = 0.5;
constexpr double kValueShare = 0.35;

// The sizes a band may have, as shares of the picture: a box trainer's
// camera shows a band over about a thousandth of it.
constexpr double kSmallestBandShare = 0.00015;
constexpr double kLargestBandShare = 0.006;
// A patch is the band seen when it has at least this share of the band's
// learnt area and at most this multiple.
constexpr double kLeastSeen = 0.5;
constexpr double kMostSeen = 3;
// The learnt area follows larger sightings slowly: it may have been learnt
// from a band partly out of sight.
constexpr double kAreaFollowing = 0.1;
// Pieces of one band lie within this many band sizes (the root of its area)
// of its largest piece.
constexpr double kPieceReach = 1.5;

// The light's colour is that of the brightest pixels, at most this much
// away from white.
constexpr double kBrightestShare = 0.01;
constexpr double kMostGain = 2;

// The highest level with at least count entries at it or above.
template <std::size_t levels>
int levelWithAtLeast(const std::array<int, levels> &histogram, double count)
{
    double atOrAbove = 0;
    for (int level = static_cast<int>(levels) - 1; level > 0; --level) {
        atOrAbove += histogram[static_cast<std::size_t>(level)];
        if (atOrAbove >= count)
            return level;
    }
    return 0;
}

// The gains per channel that make the brightest pixels of the picture grey.
cv::Scalar whiteGainsOf(const cv::Mat &bgr)
{
    const auto sumOf = [](const cv::Vec3b &pixel) { return pixel[0] + pixel[1] + pixel[2]; };
    std::array<int, 3 * kLevels> histogram {};
    for (int y = 0; y < bgr.rows; ++y) {
        const auto *pixel = bgr.ptr<cv::Vec3b>(y);
        for (int x = 0; x < bgr.cols; ++x)
            ++histogram[static_cast<std::size_t>(sumOf(pixel[x]))];
    }
    const int threshold = levelWithAtLeast(histogram, kBrightestShare * static_cast<double>(bgr.total()));
    cv::Vec3d light;
    for (int y = 0; y < bgr.rows; ++y) {
        const auto *pixel = bgr.ptr<cv::Vec3b>(y);
        for (int x = 0; x < bgr.cols; ++x) {
            if (sumOf(pixel[x]) >= threshold)
                light += cv::Vec3d(pixel[x][0], pixel[x][1], pixel[x][2]);
        }
    }
    const double brightestChannel = std::max({ light[0], light[1], light[2] });
    cv::Scalar gains = cv::Scalar::all(1);
    for (int c = 0; c < 3; ++c) {
        if (light[c] > 0)
            gains[c] = std::clamp(brightestChannel / light[c], 1.0, kMostGain);
    }
    return gains;
}

// Opening removes single pixels of a band's colour (noise, the edge of a
// ring); closing fills the gaps a highlight leaves in a band.
void clean(cv::Mat &mask)
{
    static const cv::Mat kernel = cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(3, 3));
    cv::morphologyEx(mask, mask, cv::MORPH_OPEN, kernel);
    cv::morphologyEx(mask, mask, cv::MORPH_CLOSE, kernel);
}

} // namespace

TipFinder::Found TipFinder::find(const cv::Mat &bgr)
{
    Found found;
    balance(bgr);
    for (int i = 0; i < kInstrumentCount; ++i) {
        std::optional<Look> &look = looks[static_cast<std::size_t>(i)];
        if (!look)
            look = learn(i);
        if (!look)
            continue;
        if (const std::optional<Patch> patch = track(*look))
            found[static_cast<std::size_t>(i)] = patch->centre;
    }
    return found;
}

// Smoothed against the sensor's noise, balanced for the light, in HSV.
void TipFinder::balance(const cv::Mat &bgr)
{
    cv::GaussianBlur(bgr, smoothed, cv::Size(3, 3), 0);
    if (!whiteGains)
        whiteGains = whiteGainsOf(smoothed);
    cv::multiply(smoothed, *whiteGains, smoothed);
    cv::cvtColor(smoothed, hsv, cv::COLOR_BGR2HSV_FULL);
}

std::optional<TipFinder::Look> TipFinder::learn(int instrument)
{
    const HueFamily &family = kFamilies[instrument];
    // How far each pixel of the family's hues is from grey, in levels: its
    // chroma. Saturation alone would make a dark mat as vivid as a band.
    const auto chromaAt = [this, &family](int x, int y) {
        const cv::Vec3b &pixel = hsv.at<cv::Vec3b>(y, x);
        const bool inFamily = pixel[0] >= family.lowest && pixel[0] <= family.highest && pixel[2] >= kDarkest;
        return inFamily ? pixel[1] * pixel[2] / (kLevels - 1) : -1;
    };
    std::array<int, kLevels> histogram {};
    for (int y = 0; y < hsv.rows; ++y) {
        for (int x = 0; x < hsv.cols; ++x) {
            if (const int chroma = chromaAt(x, y); chroma >= 0)
                ++histogram[static_cast<std::size_t>(chroma)];
        }
    }
    // The chroma of the most vivid few, as many as the smallest band has,
    // and the chroma above which no more lie than the largest band has:
    // the band must stand out from everything else of its hues.
    const double fewest = kSmallestBandShare * static_cast<double>(hsv.total());
    const double most = kLargestBandShare * static_cast<double>(hsv.total());
    const int vivid = levelWithAtLeast(histogram, fewest);
    const int typical = levelWithAtLeast(histogram, std::floor(most) + 1);
    if (vivid < kLeastSaturation || vivid - typical < kLeastStandingOut)
        return std::nullopt;

    const int least = (vivid + typical) / 2;
    mask.create(hsv.size(), CV_8U);
    for (int y = 0; y < hsv.rows; ++y) {
        uchar *out = mask.ptr<uchar>(y);
        for (int x = 0; x < hsv.cols; ++x)
            out[x] = chromaAt(x, y) >= least ? 255 : 0;
    }
    clean(mask);
    const std::optional<Patch> patch = largestPatch(0);
    if (!patch || patch->area < fewest || patch->area > most)
        return std::nullopt;
    const cv::Scalar mean = cv::mean(hsv, lastPatchMask());
    return Look { static_cast<int>(std::lround(mean[0])), static_cast<int>(std::lround(mean[1])),
        static_cast<int>(std::lround(mean[2])), patch->area };
}

std::optional<TipFinder::Patch> TipFinder::track(Look &look)
{
    const int leastSaturation = std::max(kLeastSaturation, static_cast<int>(kSaturationShare * look.saturation));
    const int leastValue = std::max(kDarkest, static_cast<int>(kValueShare * look.value));
    const int lowest = look.hue - kHueTolerance;
    const int highest = look.hue + kHueTolerance;
    cv::inRange(hsv, cv::Scalar(std::max(lowest, 0), leastSaturation, leastValue),
        cv::Scalar(std::min(highest, kHueSteps - 1), kLevels - 1, kLevels - 1), mask);
    // Round the circle past red.
    if (lowest < 0 || highest >= kHueSteps) {
        const cv::Scalar from(lowest < 0 ? lowest + kHueSteps : 0, leastSaturation, leastValue);
        const cv::Scalar to(lowest < 0 ? kHueSteps - 1 : highest - kHueSteps, kLevels - 1, kLevels - 1);
        cv::Mat wrapped;
        cv::inRange(hsv, from, to, wrapped);
        mask |= wrapped;
    }
    clean(mask);
    const std::optional<Patch> patch = largestPatch(look.area);
    if (!patch || patch->area < kLeastSeen * look.area || patch->area > kMostSeen * look.area)
        return std::nullopt;
    if (patch->area > look.area)
        look.area += kAreaFollowing * (patch->area - look.area);
    return patch;
}

std::optional<TipFinder::Patch> TipFinder::largestPatch(double bandArea)
{
    const int count = cv::connectedComponentsWithStats(mask, labels, stats, centroids, 8, CV_32S);
    const auto areaOf = [this](int label) { return stats.at<int>(label, cv::CC_STAT_AREA); };
    const auto centreOf = [this](int label) {
        return QPointF(centroids.at<double>(label, 0), centroids.at<double>(label, 1));
    };
    int largest = 0;
    for (int label = 1; label < count; ++label) {
        if (largest == 0 || areaOf(label) > areaOf(largest))
            largest = label;
    }
    if (largest == 0)
        return std::nullopt;
    const double reach = kPieceReach * std::sqrt(std::max<double>(areaOf(largest), bandArea));
    inPatch.assign(static_cast<std::size_t>(count), 0);
    Patch patch;
    QPointF weighted;
    for (int label = 1; label < count; ++label) {
        if (QLineF(centreOf(label), centreOf(largest)).length() > reach)
            continue;
        inPatch[static_cast<std::size_t>(label)] = 255;
        patch.area += areaOf(label);
        weighted += centreOf(label) * areaOf(label);
    }
    patch.centre = weighted / patch.area;
    return patch;
}

const cv::Mat &TipFinder::lastPatchMask()
{
    patchMask.create(labels.size(), CV_8U);
    for (int y = 0; y < labels.rows; ++y) {
        const int *label = labels.ptr<int>(y);
        uchar *out = patchMask.ptr<uchar>(y);
        for (int x = 0; x < labels.cols; ++x)
            out[x] = inPatch[static_cast<std::size_t>(label[x])];
    }
    return patchMask;
}
