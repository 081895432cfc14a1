// Feeds arbitrary bytes as an account file. Besides memory errors it checks
// that the record read is the default record overlaid with the file's first
// 340 bytes, that no text reaches past its field, and that writing the record
// back gives those same bytes.

#include <cstdint>
#include <cstring>

#include <QFile>
#include <QTemporaryDir>

#include "readchecks.h"
#include "storage/user.h"

namespace {

QTemporaryDir *folder = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    folder = new QTemporaryDir();
    return folder->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const QString path = folder->filePath(QStringLiteral("fuzz.usr"));
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        check(file.write(input) == input.size());
    }

    User user;
    check(readUserFile(path, &user));
    QByteArray expected = User().toRecord();
    std::memcpy(expected.data(), input.constData(), std::min<std::size_t>(size, User::recordSize));
    check(user.toRecord() == expected);

    // Invalid UTF-8 turns into one replacement character per byte at most.
    check(user.nameText().size() <= User::nameSize);
    check(user.pinText().size() <= User::pinSize);
    check(user.recordingPathText().size() <= User::recordingPathSize);

    const QString copy = folder->filePath(QStringLiteral("copy.usr"));
    check(writeUserFile(copy, user));
    QFile written(copy);
    check(written.open(QIODevice::ReadOnly));
    check(written.readAll() == expected);
    return 0;
}
