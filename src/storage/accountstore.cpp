#include "storage/accountstore.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <cstring>

#include "storage/measurementfile.h"
#include "storage/storagelogging.h"

namespace {

constexpr char accountSuffix[] = ".usr";
// Beside the account file, on the same, possibly shared, disk.
constexpr char lockSuffix[] = ".lock";
// The exercise the account trains, as a decimal id and a line end.
constexpr char exerciseSuffix[] = ".exercise";

bool equalIgnoringCase(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// The name becomes a file name in the users folder and a folder name in the
// records folder, so it must be a single ordinary path component. A leading
// "." would make a hidden file, which the listing of accounts never shows:
// the account would be lost at the next start.
bool isUsableAccountName(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')) || !name.isValidUtf16())
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

User *AccountStore::current()
{
    return currentIndex >= 0 && currentIndex < records.size() ? &records[currentIndex] : nullptr;
}

void AccountStore::setCurrent(int index)
{
    currentIndex = index >= 0 && index < records.size() ? index : -1;
}

// The accounts are the *.usr regular files directly in the users folder;
// anything else there (such as an interrupted write's temporary file) is not
// an account.
QStringList AccountStore::accountFiles() const
{
    QStringList paths;
    QDirIterator files(
        // System as well: a link to nowhere, a FIFO or a device in an
        // account's place is listed, so that it is reported as unreadable.
        folders.usersFolder(), { QLatin1Char('*') + QLatin1String(accountSuffix) }, QDir::Files | QDir::System);
    while (files.hasNext()) {
        files.next();
        paths << files.fileInfo().absoluteFilePath();
    }
    return paths;
}

// Looks the file up among the existing account files rather than composing
// its path, so a name read from a damaged record can never point elsewhere.
bool AccountStore::writeAccountFile(const QString &name, const User &user) const
{
    const QString fileName = name + QLatin1String(accountSuffix);
    for (const QString &path : accountFiles()) {
        if (QFileInfo(path).fileName() == fileName)
            return writeUserFile(path, user);
    }
    return false;
}

void AccountStore::load()
{
    records.clear();
    unreadable.clear();
    for (const QString &path : accountFiles()) {
        User user;
        if (readUserFile(path, &user))
            records.append(user);
        else
            unreadable << path;
    }
    onDisk = records;
    // A copy of its own now: detaching later, on the first change, would
    // move the accounts that callers hold pointers to.
    records.detach();
    setCurrent(currentIndex);
}

QString AccountStore::recordingFolder(const User &user) const
{
    const QString folder = QDir::cleanPath(user.recordingPathText());
    const QString records = QDir::cleanPath(folders.recordsFolder());
    const QString own = QDir::cleanPath(records + QLatin1Char('/') + user.nameText());
    if (!isUsableAccountName(user.nameText()) || folder != own)
        return QString();
    return own + QLatin1Char('/');
}

AccountLock::Result AccountStore::lockCurrent()
{
    const User *user = current();
    if (!user || !isUsableAccountName(user->nameText())) {
        lock.unlock();
        return AccountLock::Result::Failed;
    }
    return lock.lock(folders.usersFolder() + user->nameText() + QLatin1String(lockSuffix));
}

QString AccountStore::exerciseFile() const
{
    if (currentIndex < 0 || currentIndex >= records.size())
        return QString();
    const QString name = records[currentIndex].nameText();
    return isUsableAccountName(name) ? folders.usersFolder() + name + QLatin1String(exerciseSuffix) : QString();
}

int AccountStore::currentExercise() const
{
    const QString path = exerciseFile();
    QByteArray content;
    if (path.isEmpty() || readWhole(path, &content) != StoredStatus::Present)
        return 0;
    bool ok = false;
    const int id = content.trimmed().toInt(&ok);
    return ok && id > 0 ? id : 0;
}

bool AccountStore::setCurrentExercise(int id)
{
    const QString path = exerciseFile();
    return !path.isEmpty() && saveWhole(path, QByteArray::number(qMax(id, 0)) + '\n', nullptr);
}

// Fills the name and recording folder of user; false when name cannot be
// an account's file and folder name or does not fit the record.
bool AccountStore::storeName(User *user, const QString &name) const
{
    return isUsableAccountName(name) && user->setName(name)
        && user->setRecordingPath(folders.recordsFolder() + name + QLatin1Char('/'));
}

bool AccountStore::acceptsName(const QString &name) const
{
    User user;
    return storeName(&user, name);
}

bool AccountStore::add(const QString &name, const QString &pin)
{
    qCDebug(lcStorage) << "name" << name;
    const QString recordsFolder = folders.recordsFolder();
    User user;
    // Names that would leave the users folder or overflow the record, and
    // PINs that are empty or too long, are refused before anything changes.
    if (!storeName(&user, name) || !storePin(&user, pin)) {
        qCDebug(lcStorage) << "refused account name or PIN";
        return false;
    }
    for (const User &existing : qAsConst(records)) {
        if (equalIgnoringCase(existing.nameText(), name) || equalIgnoringCase(existing.pinText(), pin))
            return false;
    }

    qCDebug(lcStorage) << "here";
    user.totalTrainingTime = 0;
    const QString filePath = folders.usersFolder() + name + QLatin1String(accountSuffix);
    const QFileInfo existingFile(filePath);
    if (existingFile.exists() || existingFile.isSymLink()) {
        qCWarning(lcStorage) << "an account file of that name exists, unread:" << filePath;
        return false;
    }
    qCDebug(lcStorage) << filePath;
    qCDebug(lcStorage) << "full rec path" << recordsFolder;
    QDir recordings(recordsFolder);
    const bool folderCreated = !recordings.exists(name) && recordings.mkdir(name);
    qCDebug(lcStorage) << "rec path 2" << user.recordingPathText();
    if (!writeUserFile(filePath, user)) {
        // Without its file the account would vanish at the next start, yet
        // block its name and PIN and be able to log in until then: it is
        // not kept, and the folder made for it goes again.
        if (folderCreated)
            recordings.rmdir(name);
        return false;
    }
    records.append(user);
    onDisk.append(user);
    return true;
}

bool AccountStore::login(const QString &pin)
{
    // An empty PIN must not open an account whose damaged file has none.
    if (pin.isEmpty())
        return false;
    for (int index = 0; index < records.size(); ++index) {
        const User &user = records.at(index);
        if (equalIgnoringCase(user.pinText(), pin)) {
            currentIndex = index;
            qCDebug(lcStorage) << "actual recording path" << user.nameText() << user.recordingPathText()
                               << user.timerOn << user.stopwatchOn;
            return true;
        }
    }
    return false;
}

bool AccountStore::edit(const QString &name, const QString &pin)
{
    User *user = current();
    if (!user || !storePin(user, pin))
        return false;
    return writeCurrent(name);
}

bool AccountStore::saveCurrent()
{
    const User *user = current();
    if (!user)
        return false;
    // Every write is flushed to disk, on the caller's thread; the training
    // screen saves its settings each time it shows, mostly unchanged.
    if (std::memcmp(user, &onDisk.at(currentIndex), sizeof(User)) == 0)
        return true;
    return writeCurrent(user->nameText());
}

bool AccountStore::writeCurrent(const QString &name)
{
    if (writeAccountFile(name, records[currentIndex])) {
        onDisk[currentIndex] = records[currentIndex];
        return true;
    }
    records[currentIndex] = onDisk[currentIndex];
    return false;
}
