#include "storage/trainingrecords.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "storage/trainingmetrics.h"

namespace {

constexpr auto kStampFormat = "yyyy_MM_dd'T'hh_mm_ss";
constexpr auto kVideoSuffix = ".mp4";
constexpr auto kPictureSuffix = "mi.png";
// Smaller files cannot hold a playable video; a recording that never got
// its first frame leaves one.
constexpr qint64 kSmallestVideoBytes = 11;
constexpr QChar kDateTimeSeparator = QLatin1Char('T');

} // namespace

QString trainingStamp(const QDateTime &start)
{
    return start.toString(QLatin1String(kStampFormat));
}

QString trainingVideoPath(const QString &folder, const QString &stamp)
{
    return folder + stamp + QLatin1String(kVideoSuffix);
}

QString freeTrainingVideoPath(const QString &folder, const QDateTime &start)
{
    for (QDateTime second = start;; second = second.addSecs(1)) {
        const QString video = trainingVideoPath(folder, trainingStamp(second));
        QStringList taken { video, trainingPicturePath(video) };
        taken << trainingMeasurementPaths(video);
        if (std::none_of(taken.cbegin(), taken.cend(), [](const QString &path) { return QFileInfo::exists(path); }))
            return video;
    }
}

QString trainingPicturePath(const QString &videoPath)
{
    // Only the ending changes: a folder name holding ".mp4" stays as it is.
    const QString video = QLatin1String(kVideoSuffix);
    const QString stem
        = videoPath.endsWith(video, Qt::CaseInsensitive) ? videoPath.chopped(video.size()) : videoPath;
    return stem + QLatin1String(kPictureSuffix);
}

QVector<TrainingRecord> listTrainings(const QString &folder)
{
    // No folder is no folder, not the working folder.
    if (folder.isEmpty())
        return {};
    const QFileInfoList found = QDir(folder).entryInfoList(
        { QStringLiteral("*") + QLatin1String(kVideoSuffix) }, QDir::Files | QDir::NoSymLinks, QDir::NoSort);
    // Each file's time is read once: a local time converted at every
    // comparison made the sort of a thousand files cost a tenth of a second.
    struct Entry
    {
        qint64 modified;
        QFileInfo file;
    };
    QVector<Entry> files;
    files.reserve(found.size());
    for (const QFileInfo &file : found)
        files.append({ file.lastModified().toMSecsSinceEpoch(), file });
    // Newest first, equal times by name; the list is then read from its end.
    std::sort(files.begin(), files.end(), [](const Entry &a, const Entry &b) {
        return a.modified != b.modified ? a.modified > b.modified : a.file.fileName() < b.file.fileName();
    });

    QVector<TrainingRecord> records;
    for (auto entry = files.crbegin(); entry != files.crend(); ++entry) {
        const QFileInfo *file = &entry->file;
        if (file->size() < kSmallestVideoBytes)
            continue;
        const QStringList parts = file->baseName().split(kDateTimeSeparator);
        if (parts.size() != 2)
            continue;
        TrainingRecord record;
        record.id = records.size();
        record.dateText = QString(parts.at(0)).replace(QLatin1Char('_'), QLatin1Char('-')) + QLatin1Char(' ')
            + QString(parts.at(1)).replace(QLatin1Char('_'), QLatin1Char(':'));
        record.videoPath = QDir::cleanPath(file->absoluteFilePath());
        record.picturePath = trainingPicturePath(record.videoPath);
        records << record;
    }
    return records;
}
