// Feeds arbitrary bytes as a training's tip paths file (CSV). Besides memory
// errors it checks that paths read are written back into a file that reads
// as the same paths.

#include <cstdint>

#include "readchecks.h"
#include "storage/trainingpathsfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const std::optional<TipPaths> paths = parseTrainingPaths(input);
    if (!paths)
        return 0;
    check((*paths)[InstrumentLeft].size() == (*paths)[InstrumentRight].size());
    const QString video = scratchPath(QStringLiteral("2024_03_07T14_05_09.mp4"));
    check(writeTrainingPaths(video, *paths, nullptr));
    const StoredPaths stored = readTrainingPaths(video);
    check(stored.status == StoredStatus::Present);
    // Written again from what was read back, the file comes out the same.
    checkWrittenAgainSame(
        trainingPathsPath(video), [&] { return writeTrainingPaths(video, stored.paths, nullptr); });
    return 0;
}
