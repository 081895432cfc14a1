// The account operations of the session state: one .usr file per account in
// the users folder, holding that account's 340-byte record.

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "core/logging.h"
#include "storage/user.h"

namespace {

constexpr char accountSuffix[] = ".usr";

// Appending, clearing or re-reading may move the records, so actualUser is
// pointed at the same position again afterwards (or cleared when that
// position is gone).
template <typename Change> void changeUsers(Change change)
{
    auto &users = ClientSessionInfo::users;
    auto &actual = ClientSessionInfo::actualUser;
    const int index = actual ? static_cast<int>(actual - users.constData()) : -1;
    change();
    actual = index >= 0 && index < users.size() ? users.data() + index : nullptr;
}

// The accounts are the *.usr regular files directly in the users folder;
// anything else there (such as an interrupted write's temporary file) is not
// an account.
QStringList accountFiles()
{
    QStringList paths;
    QDirIterator files(
        ClientSessionInfo::fullUsersPath, { QLatin1Char('*') + QLatin1String(accountSuffix) }, QDir::Files);
    while (files.hasNext()) {
        files.next();
        paths << files.fileInfo().absoluteFilePath();
    }
    return paths;
}

// Looks the file up among the existing account files rather than composing
// its path, so a name read from a damaged record can never point elsewhere.
bool writeAccountFile(const QString &name, const User &user)
{
    const QString fileName = name + QLatin1String(accountSuffix);
    for (const QString &path : accountFiles()) {
        if (QFileInfo(path).fileName() == fileName)
            return writeUserFile(path, user);
    }
    return false;
}

// The name becomes a file name in the users folder and a folder name in the
// records folder, so it must be a single ordinary path component.
bool isUsableAccountName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") || !name.isValidUtf16())
        return false;
    for (const QChar ch : name) {
        if (ch == QLatin1Char('/') || ch == QLatin1Char('\\') || ch.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

// An empty PIN could never log in, and one with a NUL would be stored cut
// short; a PIN longer than its field is refused by the record itself.
bool storePin(User *user, const QString &pin)
{
    return !pin.isEmpty() && !pin.contains(QChar::Null) && user->setPin(pin);
}

} // namespace

void ClientSessionInfo::parseUsers()
{
    changeUsers([] {
        users.clear();
        for (const QString &path : accountFiles()) {
            User user;
            if (readUserFile(path, &user))
                users.append(user);
        }
    });
}

bool ClientSessionInfo::addNewUser(const QString &name, const QString &pin)
{
    qCDebug(lcStorage) << "name" << name;
    User user;
    // Names that would leave the users folder or overflow the record, and
    // PINs that are empty or too long, are refused before anything changes.
    if (!isUsableAccountName(name) || !storePin(&user, pin) || !user.setName(name)
        || !user.setRecordingPath(fullRecordingPath + name + QLatin1Char('/'))) {
        qCDebug(lcStorage) << "refused account name or PIN";
        return false;
    }
    for (const User &existing : qAsConst(users)) {
        if (areSimilar(existing.nameText(), name) || areSimilar(existing.pinText(), pin))
            return false;
    }

    qCDebug(lcStorage) << "here";
    user.totalTrainingTime = 0;
    changeUsers([&user] { users.append(user); });

    const QString filePath = fullUsersPath + name + QLatin1String(accountSuffix);
    qCDebug(lcStorage) << filePath;
    qCDebug(lcStorage) << "full rec path" << fullRecordingPath;
    QDir records(fullRecordingPath);
    const bool folderCreated = !records.exists(name) && records.mkdir(name);
    qCDebug(lcStorage) << "rec path 2" << user.recordingPathText();
    if (writeUserFile(filePath, user))
        return true;

    // Without its file the account would vanish at the next start, yet block
    // its name and PIN and be able to log in until then: undo it instead.
    changeUsers([] { users.removeLast(); });
    if (folderCreated)
        records.rmdir(name);
    return false;
}

bool ClientSessionInfo::Login(const QString &pin)
{
    // An empty PIN must not open an account whose damaged file has none.
    if (pin.isEmpty())
        return false;
    for (User &user : users) {
        if (areSimilar(user.pinText(), pin)) {
            actualUser = &user;
            qCDebug(lcStorage) << "actual recording path" << user.nameText() << user.recordingPathText()
                               << user.timerOn << user.stopwatchOn;
            return true;
        }
    }
    return false;
}

bool ClientSessionInfo::editUser(const QString &name, const QString &pin)
{
    if (!actualUser || !storePin(actualUser, pin))
        return false;
    return writeAccountFile(name, *actualUser);
}

bool ClientSessionInfo::updateActualUser()
{
    return actualUser && writeAccountFile(actualUser->nameText(), *actualUser);
}
