#pragma once

#include "storage/trainingmetrics.h"

// The width of practice field a box trainer's camera sees at its usual
// height over the field, about a hand's span: the scale taken for lengths
// in millimetres until the trainer's own is measured.
constexpr double kStandardFieldWidthMm = 250;

// How the picture relates to the practice field.
struct FieldCalibration
{
    // The width of field the whole picture covers; 0 when unknown, and
    // lengths are then given in pixels.
    double pictureWidthMm = 0;
};

// The figures of a training from its tracked paths (see TrainingMetrics for
// what each means). A sample stands for the time up to the next one, the
// last for a typical interval. Speeds are taken over a few frames at a time:
// a single frame's step is mostly the jitter of finding the band. The
// thresholds that tell moving from resting are shares of the picture's
// width, so that they mean the same at every picture size.
TrainingMetrics measureTraining(const TipPaths &paths, const QSize &pictureSize,
    const FieldCalibration &calibration, qint64 framesDropped);
