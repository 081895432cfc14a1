#pragma once

// Picture quality of a recording against the frames it was made from: the
// luma's PSNR and SSIM, frame by frame, averaged. The source frames are a
// raw file of the camera's pictures as they reached the viewfinder
// (QImage::Format_RGB32, which is BGRx in memory), the recording is decoded
// by GStreamer through OpenCV.

#include <QFile>
#include <QString>
#include <QVideoFrame>
#include <QVideoProbe>

#include <opencv2/imgproc.hpp>
#include <opencv2/videoio.hpp>

// Source frames further back than this are not looked for: a recording's
// first frame is among the first frames of the clip, and a dropped frame
// skips one or two.
inline constexpr int kAlignmentSearchFrames = 90;
inline constexpr int kDropSearchFrames = 3;

struct Quality
{
    double psnrDb = 0;
    double ssim = 0;
    int frames = 0;
};

// Writes every frame a camera shows, as it comes, to a raw file.
class SourceClip : public QObject
{
public:
    SourceClip(QMediaObject *camera, const QString &path)
        : file(path)
    {
        file.open(QIODevice::WriteOnly);
        probe.setSource(camera);
        connect(&probe, &QVideoProbe::videoFrameProbed, this, [this](const QVideoFrame &frame) {
            QVideoFrame mapped(frame);
            if (!mapped.map(QAbstractVideoBuffer::ReadOnly))
                return;
            size = mapped.size();
            file.write(reinterpret_cast<const char *>(mapped.bits()), mapped.mappedBytes());
            mapped.unmap();
        });
    }
    QSize frameSize() const { return size; }

private:
    QFile file;
    QVideoProbe probe;
    QSize size;
};

inline cv::Mat luma(const cv::Mat &picture)
{
    cv::Mat gray;
    cv::cvtColor(picture, gray, picture.channels() == 4 ? cv::COLOR_BGRA2GRAY : cv::COLOR_BGR2GRAY);
    return gray;
}

// Wang et al.'s SSIM with its usual constants and an 11-pixel Gaussian
// window, on 8-bit luma.
inline double ssim(const cv::Mat &a, const cv::Mat &b)
{
    constexpr double c1 = 6.5025;
    constexpr double c2 = 58.5225;
    const cv::Size window(11, 11);
    constexpr double sigma = 1.5;
    cv::Mat x;
    cv::Mat y;
    a.convertTo(x, CV_32F);
    b.convertTo(y, CV_32F);
    cv::Mat meanX, meanY, xx, yy, xy;
    cv::GaussianBlur(x, meanX, window, sigma);
    cv::GaussianBlur(y, meanY, window, sigma);
    cv::GaussianBlur(x.mul(x), xx, window, sigma);
    cv::GaussianBlur(y.mul(y), yy, window, sigma);
    cv::GaussianBlur(x.mul(y), xy, window, sigma);
    const cv::Mat meanXY = meanX.mul(meanY);
    const cv::Mat varX = xx - meanX.mul(meanX);
    const cv::Mat varY = yy - meanY.mul(meanY);
    const cv::Mat covariance = xy - meanXY;
    cv::Mat numerator = (2 * meanXY + c1).mul(2 * covariance + c2);
    cv::Mat denominator = (meanX.mul(meanX) + meanY.mul(meanY) + c1).mul(varX + varY + c2);
    return cv::mean(numerator / denominator)[0];
}

// The luma of the clip's frames, all held: a few seconds of 720p are a few
// hundred megabytes.
inline std::vector<cv::Mat> readClip(const QString &path, const QSize &size)
{
    std::vector<cv::Mat> frames;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || size.isEmpty())
        return frames;
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    cv::Mat picture(size.height(), size.width(), CV_8UC4);
    while (file.read(reinterpret_cast<char *>(picture.data), bytes) == bytes)
        frames.push_back(luma(picture));
    return frames;
}

// The recording at path decoded and set against the clip: each decoded frame
// against the source frame it matches best, the first among the clip's
// first frames, each later one among the few after the last match.
inline Quality qualityOf(const QString &path, const std::vector<cv::Mat> &clip)
{
    cv::VideoCapture decoder(QStringLiteral("filesrc location=%1 ! qtdemux ! h264parse ! avdec_h264 "
                                            "! videoconvert ! video/x-raw,format=BGR ! appsink sync=false")
                                 .arg(path)
                                 .toStdString(),
        cv::CAP_GSTREAMER);
    Quality quality;
    std::size_t next = 0;
    std::size_t searched = kAlignmentSearchFrames;
    cv::Mat decoded;
    while (decoder.read(decoded) && next < clip.size()) {
        const cv::Mat picture = luma(decoded);
        double bestPsnr = -1;
        std::size_t best = next;
        for (std::size_t i = next; i < std::min(clip.size(), next + searched); ++i) {
            const double psnr = cv::PSNR(picture, clip[i]);
            if (psnr > bestPsnr) {
                bestPsnr = psnr;
                best = i;
            }
        }
        searched = kDropSearchFrames;
        quality.psnrDb += bestPsnr;
        quality.ssim += ssim(picture, clip[best]);
        ++quality.frames;
        next = best + 1;
    }
    if (quality.frames > 0) {
        quality.psnrDb /= quality.frames;
        quality.ssim /= quality.frames;
    }
    return quality;
}
