#include "storage/accountlock.h"

#include <QFile>

#include <utime.h>

#include "storage/storagelogging.h"

namespace {

// Only the file's time is renewed; its content stays the holder's.
void renew(const QString &path)
{
    if (::utime(QFile::encodeName(path).constData(), nullptr) != 0)
        qCWarning(lcStorage) << "cannot renew the lock" << path;
}

} // namespace

AccountLock::Result AccountLock::lock(const QString &lockPath)
{
    // A QLockFile held in this process cannot be taken again by it.
    if (file && lockPath == heldPath)
        return Result::Locked;
    auto candidate = std::make_unique<QLockFile>(lockPath);
    candidate->setStaleLockTime(kStaleMs);
    if (candidate->tryLock(0)) {
        unlock();
        file = std::move(candidate);
        heldPath = lockPath;
        renewal = std::make_unique<QTimer>();
        QObject::connect(renewal.get(), &QTimer::timeout, [lockPath] { renew(lockPath); });
        renewal->start(kRenewMs);
        return Result::Locked;
    }
    if (candidate->error() != QLockFile::LockFailedError) {
        qCWarning(lcStorage) << "cannot lock" << lockPath << candidate->error();
        return Result::Failed;
    }
    QString application;
    candidate->getLockInfo(&process, &host, &application);
    qCWarning(lcStorage) << "account in use:" << lockPath << "by process" << process << "on" << host;
    return Result::InUse;
}

void AccountLock::unlock()
{
    renewal.reset();
    file.reset();
    heldPath.clear();
}
