#pragma once

#include <QString>
#include <QVector>

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
    // cannot be read are skipped.
    void load();

    // Whether add() can use name as the account's file and folder name: a
    // plain file name that fits the record together with its recording
    // folder in this location. Whether the name is taken is not checked.
    bool acceptsName(const QString &name) const;

    // Creates the account's file and recording folder. Refused (false, with
    // nothing changed in memory or on disk) when the name or PIN equals an
    // existing one ignoring case, when acceptsName() refuses the name, when
    // the PIN is empty or longer than four bytes, or when the file cannot be
    // written.
    bool add(const QString &name, const QString &pin);

    // Makes the account with this PIN (ignoring case) the current one.
    bool login(const QString &pin);

    // Gives the current account the new PIN and writes its record into the
    // existing file of the account called name.
    bool edit(const QString &name, const QString &pin);

    // Writes the current account's record to its file.
    bool saveCurrent();

private:
    QStringList accountFiles() const;
    bool writeAccountFile(const QString &name, const User &user) const;
    bool storeName(User *user, const QString &name) const;

    DataLocation folders;
    QVector<User> records;
    int currentIndex = -1;
};
