#include "storage/datalocation.h"

#include <QDir>

#include "storage/storagelogging.h"

namespace {

// Each level below the one before it, in the order they are created.
constexpr const char *kTree[]
    = { "Kavrin", "Kavrin/Pemblar", "Kavrin/Pemblar/Records", "Kavrin/Pemblar/Users" };
constexpr const char *kRecordsFolder = kTree[2];
constexpr const char *kUsersFolder = kTree[3];
constexpr auto kScenariosFolder = "Kavrin/Pemblar/Scenarios";

} // namespace

DataLocation::DataLocation(QString root)
    : rootPath(root.replace(QLatin1Char('\\'), QLatin1Char('/')))
{
}

QString DataLocation::usersFolder() const
{
    return rootPath + QLatin1String(kUsersFolder) + QLatin1Char('/');
}

QString DataLocation::recordsFolder() const
{
    return rootPath + QLatin1String(kRecordsFolder) + QLatin1Char('/');
}

QString DataLocation::scenariosFolder() const
{
    return rootPath + QLatin1String(kScenariosFolder) + QLatin1Char('/');
}

bool DataLocation::exists() const
{
    return QDir(rootPath).exists() && QDir(usersFolder()).exists() && QDir(recordsFolder()).exists();
}

void DataLocation::createFolders() const
{
    const QDir location(rootPath);
    if (!location.exists())
        return;
    for (const char *level : kTree) {
        const QString name = QLatin1String(level);
        if (location.exists(name) || location.mkdir(name))
            continue;
        if (level == kTree[0])
            qCDebug(lcStorage) << "error when creating directory";
        if (level != kUsersFolder)
            return;
    }
}
