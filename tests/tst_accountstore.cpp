#include <QtTest>

#include <memory>

#include <sys/stat.h>

#include "storage/accountstore.h"

// The account store and the data location against real files in a temporary
// folder: the bytes of the 340-byte record, damaged and foreign files,
// refused names, writes that cannot happen and the folder tree.
class AccountStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void newAccounts_data();
    void newAccounts();
    void eachAccountWritesOnlyItsFile();
    void currentAccountFollowsLoginAndReading();
    void accountKeepsToOneProgram_data();
    void accountKeepsToOneProgram();
    void dataLocationTree_data();
    void dataLocationTree();

private:
    QString usersFile(const QString &name) const;
    QStringList tree() const;

    std::unique_ptr<QTemporaryDir> dir;
    DataLocation location;
    AccountStore store;
};

namespace {

QByteArray littleEndian32(qint32 value)
{
    const qint32 stored = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char *>(&stored), sizeof stored);
}

QByteArray padded(const QByteArray &text, int size)
{
    return text + QByteArray(size - text.size(), '\0');
}

// A record built byte by byte, independently of User: text fields
// NUL-terminated and zero-filled behind the text, little-endian integers.
QByteArray recordWith(const QByteArray &name, const QByteArray &pin, qint32 timerSeconds, qint32 volume,
    const QByteArray &recordingPath = {})
{
    return padded(name, 100) + padded(pin, 5) + padded(recordingPath, 203) + QByteArray(12, '\0')
        + littleEndian32(timerSeconds) + QByteArray(12, '\0') + littleEndian32(volume);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

void AccountStoreTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    location = DataLocation(dir->path() + QLatin1Char('/'));
    location.createFolders();
    QVERIFY(location.exists());
    store = AccountStore();
    store.setLocation(location);
}

QString AccountStoreTest::usersFile(const QString &name) const
{
    return location.usersFolder() + name + ".usr";
}

// Every path below the temporary folder, to see that nothing was written
// anywhere, also outside the users and records folders.
QStringList AccountStoreTest::tree() const
{
    QStringList paths;
    QDirIterator it(dir->path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    paths.sort();
    return paths;
}

void AccountStoreTest::newAccounts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pin");
    // Whether the user dialog, asking before it creates the account, hears
    // that the name can be a file and folder name.
    QTest::addColumn<bool>("nameUsable");
    QTest::addColumn<bool>("accepted");
    const auto row = [](const char *tag, const QString &name, const QString &pin, bool nameUsable,
                         bool accepted) { QTest::newRow(tag) << name << pin << nameUsable << accepted; };

    // Beside the account Zoë with the PIN ab12.
    row("inner dot and space", "A. Nowak", "1234", true, true);
    row("99 bytes of Chinese", QString(33, QChar(0x674E)), "1234", true, true);
    row("PIN of 4 bytes", "Anna", "é12", true, true);
    row("name taken in other case", "ZOË", "5555", true, false);
    row("PIN taken in other case", "Bob", "AB12", true, false);
    row("slash", "a/b", "1234", false, false);
    row("backslash", "a\\b", "1234", false, false);
    row("empty", "", "1234", false, false);
    // A hidden file is never listed as an account.
    row("leading dot", ".Anna", "1234", false, false);
    row("newline", "Anna\n", "1234", false, false);
    row("lone surrogate", QString(QChar(0xD800)), "1234", false, false);
    // The record has no room for it.
    row("100 bytes", QString(33, QChar(0x674E)) + "a", "1234", false, false);
    row("empty PIN", "Anna", "", true, false);
    row("PIN of 5 bytes", "Anna", "éé1", true, false);
    row("PIN with NUL", "Anna", QString("12") + QChar(0), true, false);
}

void AccountStoreTest::newAccounts()
{
    QFETCH(QString, name);
    QFETCH(QString, pin);
    QFETCH(bool, nameUsable);
    QFETCH(bool, accepted);

    QVERIFY(store.add("Zoë", "ab12"));
    const QStringList before = tree();
    QCOMPARE(store.acceptsName(name), nameUsable);
    QCOMPARE(store.add(name, pin), accepted);
    QCOMPARE(store.accounts().size(), accepted ? 2 : 1);
    if (!accepted) {
        QCOMPARE(tree(), before);
        return;
    }
    const QString recordingPath = location.recordsFolder() + name + '/';
    QVERIFY(QFileInfo(recordingPath).isDir());
    const QByteArray record = readAll(usersFile(name));
    QCOMPARE(record, recordWith(name.toUtf8(), pin.toUtf8(), 5, 50, recordingPath.toUtf8()));
    QCOMPARE(store.accounts().last().toRecord(), record);
    QCOMPARE(store.recordingFolder(store.accounts().last()), recordingPath);
}

void AccountStoreTest::eachAccountWritesOnlyItsFile()
{
    QVERIFY(store.add("Ann", "1111"));
    QVERIFY(store.add("Anna", "2222"));
    const QByteArray annaBefore = readAll(usersFile("Anna"));
    const QByteArray annFolder = (location.recordsFolder() + "Ann/").toUtf8();

    store.setCurrent(0);
    store.current()->volume = 80;
    QVERIFY(store.saveCurrent());
    QCOMPARE(readAll(usersFile("Ann")), recordWith("Ann", "1111", 5, 80, annFolder));
    // Saved unchanged, the file is left as it is: a write makes a new file.
    const QByteArray path = QFile::encodeName(usersFile("Ann"));
    struct stat written = {}, again = {};
    QCOMPARE(::stat(path.constData(), &written), 0);
    QVERIFY(store.saveCurrent());
    QCOMPARE(::stat(path.constData(), &again), 0);
    QCOMPARE(again.st_ino, written.st_ino);
    // A new PIN goes into the same file; the name and the file name stay.
    QVERIFY(store.edit("Ann", "3333"));
    const QByteArray ann = recordWith("Ann", "3333", 5, 80, annFolder);
    QCOMPARE(readAll(usersFile("Ann")), ann);

    // A PIN that does not fit the record is refused and changes nothing.
    QVERIFY(!store.edit("Ann", "44444"));
    QCOMPARE(store.current()->pinText(), QString("3333"));
    // The file is looked up by its exact name only.
    QVERIFY(!store.edit("ann", "5555"));
    QCOMPARE(readAll(usersFile("Ann")), ann);
    QCOMPARE(readAll(usersFile("Anna")), annaBefore);
    QCOMPARE(QDir(location.usersFolder()).entryList(QDir::Files | QDir::Hidden),
        (QStringList { "Ann.usr", "Anna.usr" }));

    // The exercise chosen goes into a file of its own beside the account
    // file, whose 340 bytes stay as they were; free training is 0, and so is
    // a file that holds no id.
    QCOMPARE(store.currentExercise(), 0);
    QVERIFY(store.setCurrentExercise(3));
    QCOMPARE(readAll(location.usersFolder() + "Ann.exercise"), QByteArray("3\n"));
    QCOMPARE(store.currentExercise(), 3);
    QCOMPARE(readAll(usersFile("Ann")), ann);
    store.setCurrent(1);
    QCOMPARE(store.currentExercise(), 0);
    writeFile(location.usersFolder() + "Anna.exercise", "peg");
    QCOMPARE(store.currentExercise(), 0);
    store.setCurrent(-1);
    QVERIFY(!store.setCurrentExercise(2));
    store.setCurrent(0);
    QVERIFY(store.setCurrentExercise(0));
    QCOMPARE(store.currentExercise(), 0);
    QVERIFY(QFile::remove(location.usersFolder() + "Ann.exercise"));
    QVERIFY(QFile::remove(location.usersFolder() + "Anna.exercise"));

    // A regular file where the users folder should be: no account file can
    // be made in it, whoever runs the test. An account without its file
    // would vanish at the next start, so it is not kept, nor its recording
    // folder.
    QVERIFY(QDir(location.usersFolder()).removeRecursively());
    writeFile(location.usersFolder().chopped(1), "x");
    QVERIFY(!store.add("Bob", "6666"));
    QCOMPARE(store.accounts().size(), 2);
    QVERIFY(!QFileInfo::exists(location.recordsFolder() + "Bob"));
    QVERIFY(!store.login("6666"));
    // A change that cannot be saved is not kept either: the account goes on
    // with what its file holds, which the next start will find.
    store.current()->volume = 10;
    QVERIFY(!store.saveCurrent());
    QCOMPARE(store.current()->volume, 80);
}

void AccountStoreTest::currentAccountFollowsLoginAndReading()
{
    // An empty, damaged file keeps the defaults and has an empty PIN; a long
    // one's extra bytes are ignored; in one without a NUL each text stops at
    // its field's end. Beside them: what an interrupted write leaves, and
    // files that are no account.
    writeFile(usersFile("Damaged"), QByteArray());
    writeFile(usersFile("Bob"), recordWith("Bob", "2222", 90, 7) + QByteArray(660, '\x7f'));
    writeFile(usersFile("Full"), QByteArray(340, '\xff'));
    writeFile(usersFile("Bob") + ".Xa81Qz", QByteArray("Bob\0", 4));
    writeFile(location.usersFolder() + "notes.txt", QByteArray(340, 'x'));
    QVERIFY(QDir(location.usersFolder()).mkdir("folder.usr"));
    // An account file that cannot be read is named, and a new account of
    // its name never written over it.
    QVERIFY(QFile::link(location.usersFolder() + "gone", usersFile("usr")));
    store.load();
    QCOMPARE(store.unreadableFiles(), QStringList { usersFile("usr") });
    QVERIFY(!store.add("usr", "7391"));
    QVERIFY(QFileInfo(usersFile("usr")).isSymLink());
    QList<QByteArray> records;
    for (const User &user : store.accounts()) {
        records << user.toRecord();
        QVERIFY(user.nameText().size() <= User::nameSize && user.pinText().size() <= User::pinSize);
    }
    std::sort(records.begin(), records.end());
    QCOMPARE(records,
        (QList<QByteArray> {
            recordWith("", "", 5, 50), recordWith("Bob", "2222", 90, 7), QByteArray(340, '\xff') }));

    QVERIFY(!store.login(""));
    QCOMPARE(store.current(), nullptr);
    QVERIFY(store.login("2222"));
    QVERIFY(!store.login("9999"));
    QVERIFY(!store.login(""));
    QCOMPARE(store.current()->nameText(), QString("Bob"));
    // A record without its own folder in the data location records into
    // none, never into the working folder or one it names elsewhere.
    QCOMPARE(store.recordingFolder(*store.current()), QString());
    User elsewhere = *store.current();
    QVERIFY(elsewhere.setRecordingPath("/"));
    QCOMPARE(store.recordingFolder(elsewhere), QString());

    // Growing the list moves its storage; the current account moves with
    // it, and keeps its position when the list is read again.
    const auto position = store.current() - store.accounts().constData();
    for (int i = 0; i < 40; ++i)
        QVERIFY(store.add(QString("user%1").arg(i), QString::number(3000 + i)));
    QCOMPARE(store.current()->nameText(), QString("Bob"));
    store.load();
    QCOMPARE(store.accounts().size(), 43);
    QCOMPARE(store.current(), store.accounts().constData() + position);
    QVERIFY(QDir(location.usersFolder()).removeRecursively());
    store.load();
    QCOMPARE(store.current(), nullptr);
}

void AccountStoreTest::accountKeepsToOneProgram_data()
{
    // The lock file another program left: its process, name, machine, and
    // this machine's identity when it is this machine; "this program" for a
    // lock taken by another store here.
    QTest::addColumn<QByteArray>("holder");
    QTest::addColumn<int>("ageSeconds");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("host");
    QProcess ended;
    ended.start("true", QStringList());
    QVERIFY(ended.waitForStarted());
    const QByteArray endedProcess = QByteArray::number(ended.processId());
    QVERIFY(ended.waitForFinished());
    const QByteArray here = QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n'
        + QSysInfo::bootUniqueId() + '\n';
    const QByteArray elsewhere = "4242\nKavrinMac\ntrainer-2\nx\ny\n";
    QTest::newRow("free") << QByteArray() << 0 << true << QString();
    QTest::newRow("in use by this program") << QByteArray("this program") << 0 << false
                                            << QSysInfo::machineHostName();
    QTest::newRow("left by a program that ended")
        << endedProcess + "\nKavrinMac\n" + here << 0 << true << QString();
    QTest::newRow("in use on another trainer") << elsewhere << 10 << false << "trainer-2";
    QTest::newRow("left on another trainer") << elsewhere << 300 << true << QString();
}

void AccountStoreTest::accountKeepsToOneProgram()
{
    QFETCH(QByteArray, holder);
    QFETCH(int, ageSeconds);
    QFETCH(bool, taken);
    QFETCH(QString, host);
    QVERIFY(store.add("Ann", "1111"));
    store.setCurrent(0);
    AccountStore other;
    other.setLocation(location);
    other.load();
    other.setCurrent(0);
    const QString lock = location.usersFolder() + "Ann.lock";
    if (holder == "this program") {
        QCOMPARE(other.lockCurrent(), AccountLock::Result::Locked);
    } else if (!holder.isEmpty()) {
        writeFile(lock, holder);
        QFile file(lock);
        QVERIFY(file.open(QIODevice::Append)
            && file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
    }
    QCOMPARE(store.lockCurrent(), taken ? AccountLock::Result::Locked : AccountLock::Result::InUse);
    if (!taken) {
        QCOMPARE(store.currentLock().holderHost(), host);
        return;
    }
    // Held, it keeps others out; released, it lets the next one in.
    QCOMPARE(other.lockCurrent(), AccountLock::Result::InUse);
    store.unlockCurrent();
    QCOMPARE(other.lockCurrent(), AccountLock::Result::Locked);
}

void AccountStoreTest::dataLocationTree_data()
{
    QTest::addColumn<QString>("root");
    // A level of the tree that cannot be made: a link to nowhere stands in
    // its place (permissions would not stop a test run as root).
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<QStringList>("folders");

    const QStringList all { "Kavrin", "Kavrin/Pemblar", "Kavrin/Pemblar/Records", "Kavrin/Pemblar/Users" };
    QTest::newRow("backslashes") << "data\\" << QString() << all;
    QTest::newRow("missing root") << "none/" << QString() << QStringList();
    // Nothing is made after a level that fails.
    QTest::newRow("records blocked") << "data/"
                                     << "Kavrin/Pemblar/Records" << QStringList(all.mid(0, 2));
}

void AccountStoreTest::dataLocationTree()
{
    QFETCH(QString, root);
    QFETCH(QString, blocked);
    QFETCH(QStringList, folders);

    const QString data = dir->path() + "/data/";
    QVERIFY(QDir().mkpath(data));
    if (!blocked.isEmpty()) {
        QVERIFY(QDir().mkpath(QFileInfo(data + blocked).path()));
        QVERIFY(QFile::link(dir->path() + "/nowhere", data + blocked));
    }

    const DataLocation tree(dir->path() + '/' + root);
    tree.createFolders();
    QStringList made;
    QDirIterator it(data, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        made << QDir(data).relativeFilePath(it.next());
    made.sort();
    QCOMPARE(made, folders);
    QCOMPARE(tree.exists(), folders.size() == 4);
}

QTEST_GUILESS_MAIN(AccountStoreTest)
#include "tst_accountstore.moc"
