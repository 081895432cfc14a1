// Feeds arbitrary bytes as a training's figures file (JSON). Besides memory
// errors it checks that figures read are written back into a file that reads
// as the same figures.

#include <cstdint>

#include "readchecks.h"
#include "storage/trainingmetricsfile.h"

// Qt 5.15's JSON parser leaks the earlier value of a key given twice when
// that value is an object or array (a few dozen bytes for each such file);
// that leak is Qt's, and only its own is left out of the report. Qt is built
// without frame pointers, so the stacks are walked the slow way to reach
// fromJson.
extern "C" const char *__asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}

extern "C" const char *__lsan_default_suppressions()
{
    return "leak:QJsonDocument::fromJson\n";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const std::optional<TrainingMetrics> metrics = parseTrainingMetrics(input);
    if (!metrics)
        return 0;
    const QString video = scratchPath(QStringLiteral("2024_03_07T14_05_09.mp4"));
    check(writeTrainingMetrics(video, *metrics, nullptr));
    const StoredMetrics stored = readTrainingMetrics(video);
    check(stored.status == StoredStatus::Present);
    // Written again from what was read back, the file comes out the same.
    checkWrittenAgainSame(
        trainingMetricsPath(video), [&] { return writeTrainingMetrics(video, stored.metrics, nullptr); });
    return 0;
}
