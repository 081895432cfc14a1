// Feeds arbitrary bytes as an MP4 file to the reader of its structure, which
// the history runs on every recording in a folder that anyone may fill.
// Besides memory errors and hangs it checks that a timeline, when one is
// read, holds no negative time, and that reading is repeatable.

#include <cstdint>

#include <QBuffer>

#include "readchecks.h"
#include "storage/mp4timeline.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(size));
    QBuffer file(&bytes);
    check(file.open(QIODevice::ReadOnly));
    const std::optional<Mp4Timeline> timeline = readMp4Timeline(file);
    if (!timeline)
        return 0;
    check(timeline->statedMs >= 0 && timeline->lastFragmentStartMs >= 0);
    file.seek(0);
    const std::optional<Mp4Timeline> again = readMp4Timeline(file);
    check(again && again->statedMs == timeline->statedMs
        && again->lastFragmentStartMs == timeline->lastFragmentStartMs);
    return 0;
}
