#pragma once

#include <QPointF>

#include <array>
#include <optional>
#include <vector>

#include <opencv2/core/mat.hpp>

#include "storage/trainingmetrics.h"

// Finds the coloured bands on the instruments' tips in a small BGR picture.
//
// A real camera's picture moves a band's colour a long way: a camera's white
// balance and a box's light tint it, the saturation setting greys it, an
// LED washes it out, noise and compression speckle it. So the finder
// learns what the bands look like from the picture at hand:
// - the picture's colours are balanced on its brightest pixels, which in a
//   box trainer are the white and metal parts (pegs, jaws) and so the
//   colour of the light;
// - each band's hue, saturation and brightness are learnt from the first
//   picture that shows it: the most saturated compact patch in its family
//   of hues (green, 80 to 160 degrees; magenta, 270 to 340 degrees), which
//   stands out from anything else of those hues in a box (a mat is far
//   greyer);
// - from then on a band is the pixels near its learnt colour, with limits
//   set from it rather than fixed.
// A patch counts as the band only when its size fits: at least half the
// band's learnt area (less is a band mostly out of the picture or covered by
// the other instrument, whose position would be a guess) and at most a few
// times it. Pieces of one band split by a highlight or a shaft across it
// count together. The instruments are told apart by their bands' colours,
// so their identities hold when they cross.
class TipFinder
{
public:
    // The centre of each band's patch in the picture's pixels, left hand
    // first; none where no band is seen.
    using Found = std::array<std::optional<QPointF>, kInstrumentCount>;

    Found find(const cv::Mat &bgr);
    // Whether the band's look has been learnt, which it is once the band
    // has been seen.
    bool knows(int instrument) const { return looks[static_cast<std::size_t>(instrument)].has_value(); }

    // How a band looks, in the balanced HSV picture (hue 0 to 255 round the
    // circle, saturation and value 0 to 255).
    struct Look
    {
        int hue = 0;
        int saturation = 0;
        int value = 0;
        // Its area wholly in sight, in pixels of the picture analysed.
        double area = 0;
    };

private:
    struct Patch
    {
        QPointF centre;
        double area = 0;
    };

    void balance(const cv::Mat &bgr);
    std::optional<Look> learn(int instrument);
    std::optional<Patch> track(Look &look);
    // The largest patch of the mask, with the patches near enough to be
    // pieces of the same band.
    std::optional<Patch> largestPatch(double bandArea);
    // The pixels of the patch found last.
    const cv::Mat &lastPatchMask();

    // The gains that make the light white, per channel; taken from the
    // first picture.
    std::optional<cv::Scalar> whiteGains;
    std::array<std::optional<Look>, kInstrumentCount> looks;
    cv::Mat smoothed;
    cv::Mat hsv;
    cv::Mat mask;
    cv::Mat patchMask;
    // Of the labels of the last patch search, 255 for those in the patch.
    std::vector<uchar> inPatch;
    cv::Mat labels;
    cv::Mat stats;
    cv::Mat centroids;
};
