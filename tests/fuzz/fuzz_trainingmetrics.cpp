// Feeds arbitrary bytes as a training's figures file (JSON). Besides memory
// errors it checks that figures read are written back into a file that reads
// as the same figures.

#include <cstdint>

#include <QFile>
#include <QTemporaryDir>

#include "readchecks.h"
#include "storage/trainingmetricsfile.h"

namespace {

QTemporaryDir *folder = nullptr;

} // namespace

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

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    folder = new QTemporaryDir();
    return folder->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const std::optional<TrainingMetrics> metrics = parseTrainingMetrics(input);
    if (!metrics)
        return 0;
    const QString video = folder->filePath(QStringLiteral("2024_03_07T14_05_09.mp4"));
    check(writeTrainingMetrics(video, *metrics, nullptr));
    const StoredMetrics stored = readTrainingMetrics(video);
    check(stored.status == StoredStatus::Present);
    QFile written(trainingMetricsPath(video));
    check(written.open(QIODevice::ReadOnly));
    // Written again from what was read back, the file comes out the same.
    const QByteArray first = written.readAll();
    check(writeTrainingMetrics(video, stored.metrics, nullptr));
    written.close();
    check(written.open(QIODevice::ReadOnly) && written.readAll() == first);
    return 0;
}
