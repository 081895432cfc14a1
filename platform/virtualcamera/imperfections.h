#pragma once

#include <QImage>

#include <opencv2/core/mat.hpp>

// What a real camera would make of the scene.
struct SceneOptions
{
    // The right instrument reaching across the left band, 0 to 1.
    double crossing = 0;
    // The time the sensor gathers light, as a share of a frame's time;
    // the instruments blur over it, centred on the frame's time.
    double exposure = 0;
    // How bright and wide the highlight on a glossy band is, 0 to 1.
    double highlights = 0;
};

// What makes a USB box camera's picture worse than the virtual camera's
// clean one, each effect with its strength; all off by default. Tests ask
// for them through one environment variable per effect, read at each start
// of the camera:
//     KAVRIN_VIRTUAL_CAMERA_NOISE       sensor noise, its sigma in levels of 255 (3 to 8 is usual)
//     KAVRIN_VIRTUAL_CAMERA_JPEG        MJPEG compression, its quality (50 to 80 is usual)
//     KAVRIN_VIRTUAL_CAMERA_BLUR        motion blur, the exposure as a share of the frame time (0 to 1)
//     KAVRIN_VIRTUAL_CAMERA_LIGHT       uneven light, vignetting and an LED's bright spot (0 to 1)
//     KAVRIN_VIRTUAL_CAMERA_CAST        the colour temperature of the box's light in kelvin (2800 to 6500)
//     KAVRIN_VIRTUAL_CAMERA_HIGHLIGHTS  specular highlights on glossy bands (0 to 1)
//     KAVRIN_VIRTUAL_CAMERA_CROSSING    the right instrument reaching across the left band (0 to 1)
// The true band positions the camera logs stay exact under all of them.
struct Imperfections
{
    double noiseSigma = 0;
    int jpegQuality = 0;
    double exposure = 0;
    double unevenLight = 0;
    double lightKelvin = 0;
    double highlights = 0;
    double crossing = 0;

    static Imperfections fromEnvironment();
    // The part of them that the painter draws into the scene.
    SceneOptions scene() const { return { crossing, exposure, highlights }; }
};

// The effects of an imperfect camera on a painted frame, in the order they
// happen: the box's light falls on the scene, the sensor adds its noise, the
// camera's own colour processing follows (ImageAdjustment, not here), and
// the picture is compressed for the USB link. Each frame's noise is a
// different part of one noise field, so that frames differ as a sensor's do
// at a cost of one addition.
class SensorSimulation
{
public:
    SensorSimulation(const Imperfections &imperfections, const QSize &frameSize);

    // The light and the noise, on a frame in QImage::Format_RGB32.
    void expose(QImage &frame, qint64 frameNumber) const;
    // A JPEG encoding and decoding, as an MJPEG camera's picture arrives.
    void compress(QImage &frame) const;

private:
    Imperfections imperfections;
    // Per pixel and channel, in the frame's byte order; empty when the light
    // is even and white.
    cv::Mat lightGain;
    // Signed, larger than a frame by kNoiseMargin both ways.
    cv::Mat noise;
};
