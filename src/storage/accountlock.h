#pragma once

#include <QLockFile>
#include <QString>
#include <QTimer>

#include <memory>

// Keeps an account to one running application at a time, wherever its data
// location is: on this machine, or in a folder shared by several trainers.
// Two applications on one account would write over each other's account
// and configuration changes and repair a file the other still records.
//
// The lock is a file beside the account's file, which QLockFile fills with
// the process, the machine and the application that hold it. A lock left by
// a process of this machine that no longer runs is taken over at once; one
// of another machine, whose processes cannot be seen from here, once it has
// not been renewed for a while. The holder renews it on a timer, so a
// training of any length keeps it.
class AccountLock
{
public:
    enum class Result { Locked, InUse, Failed };

    // Takes the lock at lockPath and then releases the one held before; when
    // lockPath cannot be taken, the lock held before stays held.
    Result lock(const QString &lockPath);
    void unlock();
    bool isLocked() const { return file != nullptr; }

    // After InUse: who holds the lock, as far as its file tells.
    QString holderHost() const { return host; }
    qint64 holderProcess() const { return process; }

    // A lock whose time is older than this is free to take; the holder
    // renews it four times as often.
    static constexpr int kStaleMs = 120000;
    static constexpr int kRenewMs = kStaleMs / 4;

private:
    std::unique_ptr<QLockFile> file;
    std::unique_ptr<QTimer> renewal;
    QString heldPath;
    QString host;
    qint64 process = 0;
};
