#pragma once

#include <QSize>

#include <opencv2/core/mat.hpp>

class QVideoFrame;

// A camera frame as the tracker analyses it: a small BGR copy, every
// step-th pixel of every step-th row of the picture. Taking it costs the GUI
// thread a fraction of a millisecond, and it holds none of the camera's
// buffers, which a camera has few of.
struct ReducedFrame
{
    cv::Mat bgr;
    // Full picture pixels per reduced pixel, in both directions.
    int step = 1;
    QSize pictureSize;
    double seconds = 0;

    // Every step-th pixel of the frame, with step chosen so that the copy is
    // at most maxWidth pixels wide. An empty bgr for a frame that cannot be
    // read or whose pixel format is not one a camera delivers.
    static ReducedFrame of(const QVideoFrame &frame, int maxWidth);
};
