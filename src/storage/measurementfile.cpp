#include "storage/measurementfile.h"

#include <QFile>
#include <QSaveFile>

bool saveWhole(const QString &path, const QByteArray &content, QString *problem)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit())
        return true;
    if (problem)
        *problem = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
}

StoredStatus readWhole(const QString &path, QByteArray *content)
{
    QFile file(path);
    if (!file.exists())
        return StoredStatus::Absent;
    if (!file.open(QIODevice::ReadOnly))
        return StoredStatus::Corrupt;
    *content = file.readAll();
    return StoredStatus::Present;
}
