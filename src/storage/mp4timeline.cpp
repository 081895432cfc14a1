#include "storage/mp4timeline.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QVector>

#include <limits>

namespace {

// MP4 boxes: a 32-bit size and a four-letter type; size 1 means a 64-bit
// size follows the type, size 0 that the box runs to the end of the file.
constexpr int kBoxHeaderBytes = 8;
constexpr int kSizeFieldBytes = 4;
constexpr int kLargeSizeBytes = 8;
constexpr quint64 kLargeSizeMark = 1;
constexpr quint64 kToEndMark = 0;
// Full boxes start with a version byte and 24 bits of flags; version 1 widens
// times and durations from 32 to 64 bits.
constexpr int kVersionFlagsBytes = 4;
constexpr int kVersionBytes = 1;
constexpr quint64 kWideVersion = 1;
constexpr int kNarrowTimeBytes = 4;
constexpr int kWideTimeBytes = 8;
constexpr int kFieldBytes = 4;
// A tfra entry's traf, trun and sample numbers are 1 to 4 bytes wide, as
// three 2-bit fields give.
constexpr int kNumberWidthFields = 3;
constexpr int kNumberWidthBits = 2;
constexpr quint64 kNumberWidthMask = 3;
// The mfro box that ends a finished fragmented file.
constexpr qint64 kIndexEndBytes = 16;
constexpr quint64 kMsPerSecond = 1000;

struct Box
{
    QByteArray type;
    qint64 payload = 0;
    qint64 end = 0;
};

// An MP4 file's boxes read straight from the device, a few bytes at a time:
// checking a file reads a few hundred bytes.
class BoxReader
{
public:
    explicit BoxReader(QIODevice &file)
        : file(file)
    {
    }

    Box wholeFile() const { return Box { QByteArray(), 0, file.size() }; }

    // The box at `at`; none when it is malformed or runs past `limit`, as the
    // last box of a cut file does.
    std::optional<Box> boxAt(qint64 at, qint64 limit)
    {
        const QByteArray header = bytes(at, kBoxHeaderBytes);
        if (header.size() != kBoxHeaderBytes)
            return std::nullopt;
        Box box { header.mid(kSizeFieldBytes), at + kBoxHeaderBytes, 0 };
        quint64 size = bigEndian(header.left(kSizeFieldBytes));
        if (size == kLargeSizeMark) {
            const std::optional<quint64> largeSize = number(box.payload, kLargeSizeBytes);
            if (!largeSize)
                return std::nullopt;
            size = *largeSize;
            box.payload += kLargeSizeBytes;
        } else if (size == kToEndMark) {
            size = static_cast<quint64>(limit - at);
        }
        if (size < static_cast<quint64>(box.payload - at) || size > static_cast<quint64>(limit - at))
            return std::nullopt;
        box.end = at + static_cast<qint64>(size);
        return box;
    }

    // The boxes of the given type inside `parent`, up to `most` of them, as
    // far as the first box that is malformed.
    QVector<Box> boxesIn(const Box &parent, const char *type, int most = std::numeric_limits<int>::max())
    {
        QVector<Box> boxes;
        for (qint64 at = parent.payload; at < parent.end && boxes.size() < most;) {
            const std::optional<Box> box = boxAt(at, parent.end);
            if (!box)
                break;
            if (box->type == type)
                boxes << *box;
            at = box->end;
        }
        return boxes;
    }

    std::optional<Box> find(const Box &parent, const char *type)
    {
        const QVector<Box> found = boxesIn(parent, type, 1);
        return found.isEmpty() ? std::nullopt : std::optional<Box>(found.first());
    }

    // In mvhd, mdhd and tkhd: the 32-bit field after the creation and
    // modification times, the time scale in the first two, the track ID in
    // tkhd.
    std::optional<quint64> fieldAfterTimes(const Box &header)
    {
        return number(afterTimes(header), kFieldBytes);
    }

    // The duration after mvhd's time scale.
    std::optional<quint64> movieDuration(const Box &header)
    {
        return number(afterTimes(header) + kFieldBytes, timeBytes(header));
    }

    // The one time a mehd (the fragments' duration) or tfdt (a fragment's
    // start) holds.
    std::optional<quint64> leadingTime(const Box &box)
    {
        return number(box.payload + kVersionFlagsBytes, timeBytes(box));
    }

    // The track ID in a tfhd, the fragment index's size in a mfro.
    std::optional<quint64> fieldAfterVersion(const Box &box)
    {
        return number(box.payload + kVersionFlagsBytes, kFieldBytes);
    }

    // In a tfra: where the moof box of its last entry starts. Each entry
    // holds a time and that offset, then the numbers of the traf, trun and
    // sample, whose widths the low six bits of the field after the track ID
    // give.
    std::optional<quint64> lastIndexedFragment(const Box &table)
    {
        const qint64 widthsAt = table.payload + kVersionFlagsBytes + kFieldBytes;
        const std::optional<quint64> widths = number(widthsAt, kFieldBytes);
        const std::optional<quint64> entries = number(widthsAt + kFieldBytes, kFieldBytes);
        if (!widths || !entries || *entries == 0)
            return std::nullopt;
        const int time = timeBytes(table);
        qint64 entryBytes = 2 * time;
        for (int shift = 0; shift < kNumberWidthFields * kNumberWidthBits; shift += kNumberWidthBits)
            entryBytes += static_cast<qint64>((*widths >> shift) & kNumberWidthMask) + 1;
        const qint64 lastEntry = widthsAt + 2 * kFieldBytes + static_cast<qint64>(*entries - 1) * entryBytes;
        return number(lastEntry + time, time);
    }

private:
    qint64 afterTimes(const Box &header)
    {
        return header.payload + kVersionFlagsBytes + 2 * timeBytes(header);
    }

    int timeBytes(const Box &fullBox)
    {
        return number(fullBox.payload, kVersionBytes) == kWideVersion ? kWideTimeBytes : kNarrowTimeBytes;
    }

    std::optional<quint64> number(qint64 at, int width)
    {
        const QByteArray data = bytes(at, width);
        return data.size() == width ? std::optional<quint64>(bigEndian(data)) : std::nullopt;
    }

    static quint64 bigEndian(const QByteArray &data)
    {
        quint64 value = 0;
        for (const char byte : data)
            value = (value << 8) | static_cast<quint8>(byte);
        return value;
    }

    QByteArray bytes(qint64 at, int count) { return file.seek(at) ? file.read(count) : QByteArray(); }

    QIODevice &file;
};

// time × 1000 / scale, rounded down, without overflowing on the way; a
// result beyond what a length holds stays at the longest length.
qint64 toMs(quint64 time, quint32 scale)
{
    constexpr auto kLargest = static_cast<quint64>(std::numeric_limits<qint64>::max());
    const quint64 whole = time / scale;
    // Below 2^42, as the scale is a 32-bit field.
    const quint64 part = (time % scale) * kMsPerSecond / scale;
    if (whole > (kLargest - part) / kMsPerSecond)
        return static_cast<qint64>(kLargest);
    return static_cast<qint64>(whole * kMsPerSecond + part);
}

// The time scale of every track, by track ID.
QHash<quint64, quint32> trackScales(BoxReader &reader, const Box &movie)
{
    QHash<quint64, quint32> scales;
    for (const Box &track : reader.boxesIn(movie, "trak")) {
        const std::optional<Box> header = reader.find(track, "tkhd");
        const std::optional<Box> media = reader.find(track, "mdia");
        const std::optional<Box> mediaHeader = media ? reader.find(*media, "mdhd") : std::nullopt;
        const std::optional<quint64> id = header ? reader.fieldAfterTimes(*header) : std::nullopt;
        const std::optional<quint64> scale
            = mediaHeader ? reader.fieldAfterTimes(*mediaHeader) : std::nullopt;
        if (id && scale && *scale > 0)
            scales.insert(*id, static_cast<quint32>(*scale));
    }
    return scales;
}

qint64 fragmentStartMs(BoxReader &reader, const Box &movie, const Box &fragment)
{
    const QHash<quint64, quint32> scales = trackScales(reader, movie);
    qint64 startMs = 0;
    for (const Box &trackFragment : reader.boxesIn(fragment, "traf")) {
        const std::optional<Box> header = reader.find(trackFragment, "tfhd");
        const std::optional<Box> decodeTime = reader.find(trackFragment, "tfdt");
        const std::optional<quint64> id = header ? reader.fieldAfterVersion(*header) : std::nullopt;
        const std::optional<quint64> start = decodeTime ? reader.leadingTime(*decodeTime) : std::nullopt;
        if (id && start && scales.contains(*id))
            startMs = qMax(startMs, toMs(*start, scales.value(*id)));
    }
    return startMs;
}

// A finished recording ends with an index of its fragments (mfra), the last
// box of which (mfro) gives the index's size; the index names the last
// fragment, so that a complete file is checked in a few reads however long
// it is.
std::optional<Box> indexedLastFragment(BoxReader &reader)
{
    const Box whole = reader.wholeFile();
    const std::optional<Box> indexEnd = reader.boxAt(whole.end - kIndexEndBytes, whole.end);
    const std::optional<quint64> indexBytes
        = indexEnd && indexEnd->type == "mfro" ? reader.fieldAfterVersion(*indexEnd) : std::nullopt;
    if (!indexBytes || *indexBytes > static_cast<quint64>(whole.end))
        return std::nullopt;
    const std::optional<Box> index = reader.boxAt(whole.end - static_cast<qint64>(*indexBytes), whole.end);
    if (!index || index->type != "mfra")
        return std::nullopt;
    quint64 lastStart = 0;
    for (const Box &table : reader.boxesIn(*index, "tfra"))
        lastStart = qMax(lastStart, reader.lastIndexedFragment(table).value_or(0));
    const std::optional<Box> fragment = lastStart > 0 && lastStart < static_cast<quint64>(whole.end)
        ? reader.boxAt(static_cast<qint64>(lastStart), whole.end)
        : std::nullopt;
    return fragment && fragment->type == "moof" ? fragment : std::nullopt;
}

// The last complete moof box: from the index of a finished recording, or
// else, as in a cut one, by walking all boxes.
std::optional<Box> lastFragment(BoxReader &reader)
{
    if (const std::optional<Box> indexed = indexedLastFragment(reader))
        return indexed;
    const QVector<Box> fragments = reader.boxesIn(reader.wholeFile(), "moof");
    return fragments.isEmpty() ? std::nullopt : std::optional<Box>(fragments.last());
}

} // namespace

std::optional<Mp4Timeline> readMp4Timeline(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    return readMp4Timeline(file);
}

std::optional<Mp4Timeline> readMp4Timeline(QIODevice &file)
{
    BoxReader reader(file);
    const std::optional<Box> movie = reader.find(reader.wholeFile(), "moov");
    const std::optional<Box> header = movie ? reader.find(*movie, "mvhd") : std::nullopt;
    const std::optional<quint64> scale = header ? reader.fieldAfterTimes(*header) : std::nullopt;
    const std::optional<quint64> duration = header ? reader.movieDuration(*header) : std::nullopt;
    if (!scale || !duration || *scale == 0)
        return std::nullopt;

    // Time scales are 32-bit fields.
    const auto movieScale = static_cast<quint32>(*scale);
    Mp4Timeline timeline;
    timeline.statedMs = toMs(*duration, movieScale);
    // A plain MP4 states the length of all it holds.
    const std::optional<Box> extends = reader.find(*movie, "mvex");
    if (!extends)
        return timeline;
    if (const std::optional<Box> fragmentsHeader = reader.find(*extends, "mehd"))
        timeline.statedMs
            = qMax(timeline.statedMs, toMs(reader.leadingTime(*fragmentsHeader).value_or(0), movieScale));
    if (const std::optional<Box> fragment = lastFragment(reader))
        timeline.lastFragmentStartMs = fragmentStartMs(reader, *movie, *fragment);
    return timeline;
}
