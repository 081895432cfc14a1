#include "tracking/reducedframe.h"

#include <QVideoFrame>

#include <algorithm>

namespace {

struct Bgr
{
    uchar b;
    uchar g;
    uchar r;
};

uchar clamped(int value)
{
    return static_cast<uchar>(std::clamp(value, 0, 255));
}

// ITU-R BT.601 with video levels, in integers scaled by 256: what USB
// cameras deliver.
Bgr fromYuv(int y, int u, int v)
{
    const int c = 298 * (y - 16) + 128;
    const int d = u - 128;
    const int e = v - 128;
    return { clamped((c + 516 * d) >> 8), clamped((c - 100 * d - 208 * e) >> 8),
        clamped((c + 409 * e) >> 8) };
}

// Where a packed RGB format keeps its colours in a pixel's bytes.
struct PackedRgb
{
    int bytes;
    int b;
    int g;
    int r;
};

// Where a YUV format keeps the samples of pixel (x, y): a sampler is asked
// for one pixel at a time.
class YuvSampler
{
public:
    YuvSampler(const QVideoFrame &frame, QVideoFrame::PixelFormat format)
        : format(format)
    {
        for (int plane = 0; plane < frame.planeCount() && plane < 3; ++plane) {
            bits[plane] = frame.bits(plane);
            lines[plane] = frame.bytesPerLine(plane);
        }
    }

    Bgr at(int x, int y) const
    {
        switch (format) {
        case QVideoFrame::Format_YUV420P:
        case QVideoFrame::Format_YV12: {
            const int u = format == QVideoFrame::Format_YUV420P ? 1 : 2;
            const int v = 3 - u;
            return fromYuv(
                luma(x, y), bits[u][(y / 2) * lines[u] + x / 2], bits[v][(y / 2) * lines[v] + x / 2]);
        }
        case QVideoFrame::Format_NV12:
        case QVideoFrame::Format_NV21: {
            const uchar *pair = bits[1] + (y / 2) * lines[1] + (x / 2) * 2;
            const bool uFirst = format == QVideoFrame::Format_NV12;
            return fromYuv(luma(x, y), pair[uFirst ? 0 : 1], pair[uFirst ? 1 : 0]);
        }
        case QVideoFrame::Format_YUYV:
        case QVideoFrame::Format_UYVY: {
            // Two pixels in four bytes: Y0 U Y1 V, or U Y0 V Y1.
            const uchar *pair = bits[0] + y * lines[0] + (x / 2) * 4;
            const bool yFirst = format == QVideoFrame::Format_YUYV;
            const int luma = yFirst ? pair[(x % 2) * 2] : pair[1 + (x % 2) * 2];
            return fromYuv(luma, pair[yFirst ? 1 : 0], pair[yFirst ? 3 : 2]);
        }
        default:
            return {};
        }
    }

    static bool handles(QVideoFrame::PixelFormat format)
    {
        switch (format) {
        case QVideoFrame::Format_YUV420P:
        case QVideoFrame::Format_YV12:
        case QVideoFrame::Format_NV12:
        case QVideoFrame::Format_NV21:
        case QVideoFrame::Format_YUYV:
        case QVideoFrame::Format_UYVY:
            return true;
        default:
            return false;
        }
    }

private:
    int luma(int x, int y) const { return bits[0][y * lines[0] + x]; }

    QVideoFrame::PixelFormat format;
    const uchar *bits[3] = {};
    int lines[3] = {};
};

// The byte layouts of the RGB formats Qt's camera back ends deliver.
bool packedLayout(QVideoFrame::PixelFormat format, PackedRgb *layout)
{
    switch (format) {
    case QVideoFrame::Format_RGB32:
    case QVideoFrame::Format_ARGB32:
    case QVideoFrame::Format_ARGB32_Premultiplied:
        *layout = { 4, 0, 1, 2 };
        return true;
    case QVideoFrame::Format_BGR32:
    case QVideoFrame::Format_ABGR32:
        *layout = { 4, 2, 1, 0 };
        return true;
    case QVideoFrame::Format_RGB24:
        *layout = { 3, 2, 1, 0 };
        return true;
    case QVideoFrame::Format_BGR24:
        *layout = { 3, 0, 1, 2 };
        return true;
    default:
        return false;
    }
}

} // namespace

ReducedFrame ReducedFrame::of(const QVideoFrame &frame, int maxWidth)
{
    ReducedFrame reduced;
    const QVideoFrame::PixelFormat format = frame.pixelFormat();
    PackedRgb layout {};
    const bool packed = packedLayout(format, &layout);
    if (!packed && !YuvSampler::handles(format))
        return reduced;
    QVideoFrame mapped(frame);
    if (!mapped.map(QAbstractVideoBuffer::ReadOnly))
        return reduced;

    reduced.pictureSize = mapped.size();
    reduced.step = std::max(1, (reduced.pictureSize.width() + maxWidth - 1) / maxWidth);
    const int step = reduced.step;
    const int columns = reduced.pictureSize.width() / step;
    const int rows = reduced.pictureSize.height() / step;
    reduced.bgr.create(rows, columns, CV_8UC3);
    if (packed) {
        const uchar *bits = mapped.bits();
        const int line = mapped.bytesPerLine();
        const int stride = step * layout.bytes;
        for (int row = 0; row < rows; ++row) {
            const uchar *in = bits + row * step * line;
            uchar *out = reduced.bgr.ptr<uchar>(row);
            for (int column = 0; column < columns; ++column, in += stride, out += 3) {
                out[0] = in[layout.b];
                out[1] = in[layout.g];
                out[2] = in[layout.r];
            }
        }
    } else {
        const YuvSampler sampler(mapped, format);
        for (int row = 0; row < rows; ++row) {
            auto *out = reduced.bgr.ptr<Bgr>(row);
            for (int column = 0; column < columns; ++column)
                out[column] = sampler.at(column * step, row * step);
        }
    }
    mapped.unmap();
    return reduced;
}
