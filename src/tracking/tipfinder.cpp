#include "tracking/tipfinder.h"

#include <opencv2/imgproc.hpp>

namespace {

// A band's colour in OpenCV's HSV: hue 0 to 180 (half degrees), saturation
// and value 0 to 255.
struct BandColour
{
    int lowHue;
    int highHue;
};

// Green 96 to 144 degrees and magenta 280 to 330 degrees: clear of the
// orange, yellow, red and blue of practice rings and of skin, and of a green
// practice mat by its saturation.
constexpr BandColour kBands[kInstrumentCount] = { { 48, 72 }, { 140, 165 } };
// Bands are vivid: greyish and dark pixels of a matching hue (a mat, a
// shadow) are not band. A shaft's shadow across a band keeps it above these.
constexpr int kLowestSaturation = 110;
constexpr int kLowestValue = 70;
// The smallest patch taken for a band, as a share of the picture: a whole
// band covers several times as much; one mostly out of the picture no
// longer counts.
constexpr double kSmallestBandShare = 0.00015;

} // namespace

TipFinder::Found TipFinder::find(const cv::Mat &bgr)
{
    Found found;
    cv::cvtColor(bgr, hsv, cv::COLOR_BGR2HSV);
    const double smallestArea = kSmallestBandShare * bgr.total();
    static const cv::Mat kernel = cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(3, 3));
    for (int i = 0; i < kInstrumentCount; ++i) {
        const BandColour &band = kBands[i];
        cv::inRange(hsv, cv::Scalar(band.lowHue, kLowestSaturation, kLowestValue),
            cv::Scalar(band.highHue, 255, 255), mask);
        // Opening removes single pixels of a band's hue (noise, the edge of a
        // ring); closing fills the gaps a highlight leaves in a band.
        cv::morphologyEx(mask, mask, cv::MORPH_OPEN, kernel);
        cv::morphologyEx(mask, mask, cv::MORPH_CLOSE, kernel);
        const int count = cv::connectedComponentsWithStats(mask, labels, stats, centroids, 8, CV_32S);
        int largest = 0;
        for (int label = 1; label < count; ++label) {
            if (largest == 0
                || stats.at<int>(label, cv::CC_STAT_AREA) > stats.at<int>(largest, cv::CC_STAT_AREA))
                largest = label;
        }
        if (largest != 0 && stats.at<int>(largest, cv::CC_STAT_AREA) >= smallestArea)
            found[static_cast<std::size_t>(i)]
                = QPointF(centroids.at<double>(largest, 0), centroids.at<double>(largest, 1));
    }
    return found;
}
