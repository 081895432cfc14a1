#include "storage/user.h"

#include <cstring>

#include <QSaveFile>

#include "storage/guardedfile.h"

namespace {

template <int Size> QString fieldText(const char (&field)[Size])
{
    return QString::fromUtf8(field, static_cast<int>(qstrnlen(field, Size)));
}

template <int Size> bool setField(char (&field)[Size], const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    if (bytes.size() >= Size)
        return false;
    std::memset(field, 0, Size);
    std::memcpy(field, bytes.constData(), static_cast<size_t>(bytes.size()));
    return true;
}

} // namespace

QString User::nameText() const
{
    return fieldText(name);
}

QString User::pinText() const
{
    return fieldText(pin);
}

QString User::recordingPathText() const
{
    return fieldText(recordingPath);
}

bool User::setName(const QString &text)
{
    return setField(name, text);
}

bool User::setPin(const QString &text)
{
    return setField(pin, text);
}

bool User::setRecordingPath(const QString &text)
{
    return setField(recordingPath, text);
}

User User::fromRecord(const QByteArray &bytes)
{
    User user;
    std::memcpy(
        static_cast<void *>(&user), bytes.constData(), static_cast<size_t>(qMin(bytes.size(), recordSize)));
    return user;
}

QByteArray User::toRecord() const
{
    return QByteArray(reinterpret_cast<const char *>(this), recordSize);
}

bool readUserFile(const QString &path, User *user)
{
    // Anything longer than a few records is no account of ours.
    constexpr qint64 kLimit = 64 * User::recordSize;
    QByteArray record;
    if (readGuarded(path, kLimit, &record) != GuardedRead::Read)
        return false;
    *user = User::fromRecord(record.left(User::recordSize));
    return true;
}

bool writeUserFile(const QString &path, const User &user)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A failed write is remembered by QSaveFile: commit() then discards the
    // temporary file and leaves the old record in place.
    file.write(user.toRecord());
    return file.commit();
}
