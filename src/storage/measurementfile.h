#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

#include "storage/storagelogging.h"
#include "storage/trainingmetrics.h"

// A measurement file is written whole or not at all: a reader never finds
// one half-written, whatever stopped the writer. False, with the reason in
// *problem when one is given, when the file cannot be written.
bool saveWhole(const QString &path, const QByteArray &content, QString *problem);

// The whole file in *content, or the status why there is none; a file that
// is no regular file of the folder, or is too large, cannot be read.
StoredStatus readWhole(const QString &path, QByteArray *content);

// The file read whole and parsed into *value. One that does not parse is
// Corrupt, and a warning names it after `unreadable`.
template <typename Value>
StoredStatus readParsed(const QString &path, std::optional<Value> (*parse)(const QByteArray &),
    const char *unreadable, Value *value)
{
    QByteArray content;
    const StoredStatus status = readWhole(path, &content);
    if (status != StoredStatus::Present)
        return status;
    const std::optional<Value> parsed = parse(content);
    if (!parsed) {
        qCWarning(lcStorage) << unreadable << path;
        return StoredStatus::Corrupt;
    }
    *value = *parsed;
    return StoredStatus::Present;
}
