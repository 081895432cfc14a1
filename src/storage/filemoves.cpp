#include "storage/filemoves.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

// Errors by which a file system says it has no such operation, rather than
// that this one failed.
bool unsupported(int error)
{
    return error == EINVAL || error == ENOSYS || error == EPERM || error == ENOTSUP || error == EXDEV;
}

} // namespace

Placed placeWithoutReplacing(const QString &temporary, const QString &target)
{
    const QByteArray from = native(temporary);
    const QByteArray to = native(target);
    if (::link(from.constData(), to.constData()) == 0) {
        ::unlink(from.constData());
        return Placed::Done;
    }
    if (errno == EEXIST)
        return Placed::TargetExists;
    if (!unsupported(errno))
        return Placed::Failed;
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return Placed::Done;
    if (errno == EEXIST)
        return Placed::TargetExists;
    if (!unsupported(errno))
        return Placed::Failed;
    if (QFileInfo::exists(target))
        return Placed::TargetExists;
    return ::rename(from.constData(), to.constData()) == 0 ? Placed::Done : Placed::Failed;
}

Swapped swapFiles(const QString &replacement, const QString &target)
{
    const QByteArray from = native(replacement);
    const QByteArray to = native(target);
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) == 0)
        return Swapped::Done;
    if (errno == ENOENT)
        return Swapped::TargetGone;
    if (!unsupported(errno))
        return Swapped::Failed;
    if (!QFileInfo::exists(target))
        return Swapped::TargetGone;
    // Without a swap the target's old content is gone with the rename: the
    // caller finds no file to remove at replacement's name.
    return ::rename(from.constData(), to.constData()) == 0 ? Swapped::Done : Swapped::Failed;
}

Placed writeNewFile(const QString &target, const std::function<bool(QIODevice *)> &write)
{
    if (QFileInfo::exists(target))
        return Placed::TargetExists;
    const QFileInfo name(target);
    QTemporaryFile file(name.absolutePath() + QStringLiteral("/.%1.XXXXXX.new").arg(name.fileName()));
    // A temporary file is the owner's alone; the finished one is for others
    // to read, as a copied video is.
    if (!file.open() || !write(&file) || !file.flush()
        || !file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther))
        return Placed::Failed;
    return placeWithoutReplacing(file.fileName(), target);
}
