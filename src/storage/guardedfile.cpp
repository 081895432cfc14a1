#include "storage/guardedfile.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "storage/storagelogging.h"

namespace {

GuardedRead refuse(const QString &path, const char *why)
{
    qCWarning(lcStorage) << "not read:" << path << why;
    return GuardedRead::Refused;
}

} // namespace

GuardedRead readGuarded(const QString &path, qint64 limit, QByteArray *content)
{
    const QFileInfo file(path);
    if (!file.exists() && !file.isSymLink())
        return GuardedRead::Absent;
    const QString target = file.canonicalFilePath();
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    if (target.isEmpty() || QFileInfo(target).absolutePath() != folder)
        return refuse(path, "(a link out of its folder)");
    // Opened without blocking and checked on the open file: a FIFO put in
    // its place after the look above is still never waited on.
    const int descriptor = ::open(QFile::encodeName(target).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return GuardedRead::Failed;
    struct stat status = {};
    GuardedRead result = GuardedRead::Read;
    if (::fstat(descriptor, &status) != 0) {
        result = GuardedRead::Failed;
    } else if (!S_ISREG(status.st_mode)) {
        result = refuse(path, "(not a regular file)");
    } else if (status.st_size > limit) {
        result = refuse(path, "(too large)");
    } else {
        content->resize(static_cast<int>(status.st_size));
        qint64 done = 0;
        while (done < content->size()) {
            const ssize_t got = ::read(descriptor, content->data() + done, size_t(content->size() - done));
            if (got <= 0)
                break;
            done += got;
        }
        content->truncate(static_cast<int>(done));
        if (done != status.st_size)
            result = GuardedRead::Failed;
    }
    ::close(descriptor);
    return result;
}
