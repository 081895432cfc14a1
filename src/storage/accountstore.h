#pragma once

#include <QString>
#include <QVector>

#include "storage/accountlock.h"
#include "storage/datalocation.h"
#include "storage/user.h"

// The trainee accounts of a data location: one 340-byte .usr file per
// account in the users folder, named after the account, and one recording
// folder per account in the records folder. All records are kept in memory
// in the order in which they were read or added. One of them may be the
// current account; it is held by position, so that adding or re-reading
// accounts can never leave it pointing at released memory.
class AccountStore
{
public:
    void setLocation(const DataLocation &location) { folders = location; }
    const DataLocation &location() const { return folders; }

    const QVector<User> &accounts() const { return records; }

    // The current account, or null. The pointer stays valid until the list
    // of accounts changes; take it anew after that.
    User *current();
    // An index outside the list leaves no account current.
    void setCurrent(int index);

    // Reads every account file again. The current account stays at its
    // position, or there is none when that position is gone. Files that
    // cannot be read are skipped and named by unreadableFiles().
    void load();
    QStringList unreadableFiles() const { return unreadable; }

    // The folder the account records into: its recording path when that is
    // its own folder in this data location's records folder, and empty
    // otherwise. A damaged record could name any folder, or none, which
    // would make the working folder the account's; the history would then
    // list, repair and delete the files of that folder.
    QString recordingFolder(const User &user) const;

    // Takes the lock of the current account, a file beside its account file,
    // releasing the one held before; see AccountLock.
    AccountLock::Result lockCurrent();
    const AccountLock &currentLock() const { return lock; }
    void unlockCurrent() { lock.unlock(); }

    // The exercise the current account trains, kept in a file beside its
    // account file, which has no room for it: its id, or 0 for free training
    // (also when there is no current account or no readable id).
    int currentExercise() const;
    // Keeps id, 0 for free training, for the current account; false when
    // there is none or the file cannot be written.
    bool setCurrentExercise(int id);

    // Whether add() can use name as the account's file and folder name: a
    // plain file name that fits the record together with its recording
    // folder in this location. Whether the name is taken is not checked.
    bool acceptsName(const QString &name) const;

    // Creates the account's file and recording folder. Refused (false, with
    // nothing changed in memory or on disk) when the name or PIN equals an
    // existing one ignoring case, when acceptsName() refuses the name, when
    // the PIN is empty or longer than four bytes, when a file of that name
    // exists already (an account that could not be read is never written
    // over), or when the file cannot be written.
    bool add(const QString &name, const QString &pin);

    // Makes the account with this PIN (ignoring case) the current one.
    bool login(const QString &pin);

    // Gives the current account the new PIN and writes its record into the
    // existing file of the account called name. When the file cannot be
    // written, the account keeps the record its file holds.
    bool edit(const QString &name, const QString &pin);

    // Writes the current account's record to its file. When the file cannot
    // be written, the account goes back to the record its file holds, so
    // that what the screens show is what the next start will find. A record
    // its file already holds is not written again.
    bool saveCurrent();

private:
    QStringList accountFiles() const;
    // The current account's exercise file; empty when there is none.
    QString exerciseFile() const;
    bool writeAccountFile(const QString &name, const User &user) const;
    bool storeName(User *user, const QString &name) const;

    // Writes the current record, or takes back the one on disk.
    bool writeCurrent(const QString &name);

    DataLocation folders;
    QVector<User> records;
    // The records as their files hold them, in the same order.
    QVector<User> onDisk;
    QStringList unreadable;
    int currentIndex = -1;
    AccountLock lock;
};
