#pragma once

#include <QString>

// The folder tree under the data location the user chose:
//     <root>Kavrin/Pemblar/Users/     one account file per account
//     <root>Kavrin/Pemblar/Records/   one recording folder per account
//     <root>Kavrin/Pemblar/Scenarios/ the lab's own exercise files, put there
//                                     by hand (never created here)
// The folder names are appended to the root as it is, so a root chosen in
// the location dialog always ends with "/".
class DataLocation
{
public:
    DataLocation() = default;
    // Backslash separators in root become "/".
    explicit DataLocation(QString root);

    const QString &root() const { return rootPath; }
    QString usersFolder() const;
    QString recordsFolder() const;
    QString scenariosFolder() const;

    // True when the root, the users folder and the records folder all exist.
    bool exists() const;

    // Creates the missing levels of the tree, one at a time, below a root
    // that exists (nothing happens when it does not). A level that cannot be
    // created ends the walk, except the last one: a missing users folder
    // shows as soon as an account file is written there.
    void createFolders() const;

private:
    QString rootPath;
};
