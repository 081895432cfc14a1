#include "storage/measurementfile.h"

#include <QSaveFile>

#include "storage/guardedfile.h"

bool saveWhole(const QString &path, const QByteArray &content, QString *problem)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit())
        return true;
    if (problem)
        *problem = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
}

namespace {

// An hour's tip paths at 30 frames a second take about 6 MB.
constexpr qint64 kLargestMeasurementFile = 64 * 1024 * 1024;

} // namespace

StoredStatus readWhole(const QString &path, QByteArray *content)
{
    switch (readGuarded(path, kLargestMeasurementFile, content)) {
    case GuardedRead::Read:
        return StoredStatus::Present;
    case GuardedRead::Absent:
        return StoredStatus::Absent;
    case GuardedRead::Refused:
    case GuardedRead::Failed:
        break;
    }
    return StoredStatus::Corrupt;
}
