#pragma once

#include <QPointF>

#include <array>
#include <optional>

#include <opencv2/core/mat.hpp>

#include "storage/trainingmetrics.h"

// Finds the coloured bands on the instruments' tips in a small BGR picture:
// the pixels of each band's colour in HSV, cleaned of specks and holes, and
// the largest patch of them large enough to be a band. Keeps its working
// pictures from one frame to the next.
class TipFinder
{
public:
    // The centre of each band's patch in the picture's pixels, left hand
    // first; none where no patch is large enough.
    using Found = std::array<std::optional<QPointF>, kInstrumentCount>;

    Found find(const cv::Mat &bgr);

private:
    cv::Mat hsv;
    cv::Mat mask;
    cv::Mat labels;
    cv::Mat stats;
    cv::Mat centroids;
};
