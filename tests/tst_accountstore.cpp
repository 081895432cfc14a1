#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <memory>

#include "storage/accountstore.h"

// The account store and the data location against real files in a temporary
// folder: the bytes of the 340-byte record, damaged and foreign files,
// refused names, writes that cannot happen and the folder tree.
class AccountStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newAccountRecordBytes();
    void readRecordFiles_data();
    void readRecordFiles();
    void duplicatesRefused_data();
    void duplicatesRefused();
    void accountNames_data();
    void accountNames();
    void eachAccountWritesOnlyItsFile();
    void strayTemporaryFileIgnored();
    void failedWriteLeavesNoAccount();
    void loginMatchesRealPinsOnly();
    void rereadKeepsCurrentPosition();
    void dataLocationTree_data();
    void dataLocationTree();

private:
    QString usersFile(const QString &name) const;
    QByteArray readAll(const QString &path) const;
    void writeFile(const QString &path, const QByteArray &bytes) const;
    QStringList entries(const QString &folder) const;
    QStringList tree() const;

    std::unique_ptr<QTemporaryDir> dir;
    DataLocation location;
    AccountStore store;
};

namespace {

qint32 intAt(const QByteArray &record, int offset)
{
    return qFromLittleEndian<qint32>(record.constData() + offset);
}

QByteArray littleEndian32(qint32 value)
{
    QByteArray bytes;
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((static_cast<quint32>(value) >> shift) & 0xff);
    return bytes;
}

QByteArray padded(const QByteArray &text, int size)
{
    return text + QByteArray(size - text.size(), '\0');
}

// A record built byte by byte, independently of User.
QByteArray recordWith(const QByteArray &name, const QByteArray &pin, qint32 timerSeconds, qint32 volume)
{
    return padded(name, 100) + padded(pin, 5) + QByteArray(203, '\0') + QByteArray(12, '\0')
        + littleEndian32(timerSeconds) + QByteArray(12, '\0') + littleEndian32(volume);
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

void AccountStoreTest::cleanup()
{
    dir.reset();
}

QString AccountStoreTest::usersFile(const QString &name) const
{
    return location.usersFolder() + name + ".usr";
}

QByteArray AccountStoreTest::readAll(const QString &path) const
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void AccountStoreTest::writeFile(const QString &path, const QByteArray &bytes) const
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList AccountStoreTest::entries(const QString &folder) const
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
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

void AccountStoreTest::newAccountRecordBytes()
{
    const QString recordingPath = location.recordsFolder() + "Anna/";
    QTest::ignoreMessage(QtDebugMsg, "name \"Anna\"");
    QTest::ignoreMessage(QtDebugMsg, "here");
    QTest::ignoreMessage(QtDebugMsg, qPrintable('"' + usersFile("Anna") + '"'));
    QTest::ignoreMessage(QtDebugMsg, qPrintable("full rec path \"" + location.recordsFolder() + '"'));
    QTest::ignoreMessage(QtDebugMsg, qPrintable("rec path 2 \"" + recordingPath + '"'));
    QVERIFY(store.add("Anna", "1234"));

    QCOMPARE(entries(location.usersFolder()), QStringList { "Anna.usr" });
    QVERIFY(QFileInfo(recordingPath).isDir());
    const QByteArray record = readAll(usersFile("Anna"));
    QCOMPARE(record.size(), 340);
    // Text fields are NUL-terminated and zero-filled behind the text.
    QCOMPARE(record.mid(0, 100), QByteArray("Anna") + QByteArray(96, '\0'));
    QCOMPARE(record.mid(100, 5), QByteArray("1234\0", 5));
    const QByteArray path = recordingPath.toUtf8();
    QCOMPARE(record.mid(105, 203), path + QByteArray(203 - path.size(), '\0'));
    QCOMPARE(record.mid(320, 4), QByteArray("\x05\0\0\0", 4));
    QCOMPARE(record.mid(336, 4), QByteArray("\x32\0\0\0", 4));
    for (int offset : { 308, 312, 316, 324, 328, 332 })
        QCOMPARE(intAt(record, offset), 0);
    QCOMPARE(store.accounts().size(), 1);
    QCOMPARE(store.accounts().first().toRecord(), record);
}

void AccountStoreTest::readRecordFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("nameLength");
    QTest::addColumn<QString>("pin");
    QTest::addColumn<int>("timerSeconds");
    QTest::addColumn<int>("volume");

    const QByteArray record = recordWith("Ola", "4321", 90, 7);
    QTest::newRow("0 bytes") << QByteArray() << "" << 0 << "" << 5 << 50;
    QTest::newRow("10 bytes") << QByteArray("Piotr\0\0\0\0\0", 10) << "Piotr" << 5 << "" << 5 << 50;
    QTest::newRow("340 bytes") << record << "Ola" << 3 << "4321" << 90 << 7;
    QTest::newRow("1000 bytes") << record + QByteArray(660, '\x7f') << "Ola" << 3 << "4321" << 90 << 7;
    // No NUL anywhere: each text stops at its field's end.
    QTest::newRow("340 bytes of 0xFF") << QByteArray(340, '\xff') << QString(100, QChar::ReplacementCharacter)
                                       << 100 << QString(5, QChar::ReplacementCharacter) << -1 << -1;
    QByteArray fullName = record;
    fullName.replace(0, 100, QByteArray(100, 'z'));
    QTest::newRow("name without NUL") << fullName << QString(100, 'z') << 100 << "4321" << 90 << 7;
}

void AccountStoreTest::readRecordFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, name);
    QFETCH(int, nameLength);
    QFETCH(QString, pin);
    QFETCH(int, timerSeconds);
    QFETCH(int, volume);

    writeFile(usersFile("stored"), content);
    store.load();
    QCOMPARE(store.accounts().size(), 1);
    const User &user = store.accounts().first();
    QCOMPARE(user.nameText(), name);
    QCOMPARE(user.nameText().size(), nameLength);
    QCOMPARE(user.pinText(), pin);
    QVERIFY(user.recordingPathText().size() <= User::recordingPathSize);
    QCOMPARE(user.timerSeconds, timerSeconds);
    QCOMPARE(user.volume, volume);
}

void AccountStoreTest::duplicatesRefused_data()
{
    // The name and PIN of the refused account.
    QTest::addColumn<QStringList>("account");
    QTest::newRow("same name") << QStringList { "Zoë", "5555" };
    QTest::newRow("name in lower case") << QStringList { "zoë", "5555" };
    QTest::newRow("name in upper case") << QStringList { "ZOË", "5555" };
    QTest::newRow("same PIN") << QStringList { "Bob", "1234" };
    QTest::newRow("PIN in other case") << QStringList { "Bob", "AB12" };
}

void AccountStoreTest::duplicatesRefused()
{
    QFETCH(QStringList, account);
    QVERIFY(store.add("Zoë", "1234"));
    QVERIFY(store.add("Carl", "ab12"));
    const QStringList before = tree();

    QVERIFY(!store.add(account[0], account[1]));
    QCOMPARE(store.accounts().size(), 2);
    QCOMPARE(tree(), before);
}

void AccountStoreTest::accountNames_data()
{
    QTest::addColumn<QString>("name");
    // When not 0, the data location is made deep enough for the user's
    // recording path (records folder + name + "/") to take this many bytes.
    QTest::addColumn<int>("recordingPathBytes");
    QTest::addColumn<QString>("pin");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("plain") << "Anna" << 0 << "1234" << true;
    QTest::newRow("space") << "Mary Ann" << 0 << "1234" << true;
    QTest::newRow("inner dot") << "A.Nowak" << 0 << "1234" << true;
    QTest::newRow("diaeresis") << "Zoë" << 0 << "1234" << true;
    QTest::newRow("Polish") << "Łukasz" << 0 << "1234" << true;
    QTest::newRow("Chinese") << "李明" << 0 << "1234" << true;
    QTest::newRow("99 bytes") << QString(33, QChar(0x674E)) << 0 << "1234" << true;
    QTest::newRow("path of 202 bytes") << "Anna" << 202 << "1234" << true;
    QTest::newRow("PIN of 4 bytes") << "Anna" << 0 << "é12" << true;

    QTest::newRow("parent") << "../x" << 0 << "1234" << false;
    QTest::newRow("slash") << "a/b" << 0 << "1234" << false;
    QTest::newRow("backslash") << "a\\b" << 0 << "1234" << false;
    QTest::newRow("empty") << "" << 0 << "1234" << false;
    QTest::newRow("dot") << "." << 0 << "1234" << false;
    QTest::newRow("dot dot") << ".." << 0 << "1234" << false;
    // A hidden file is never listed as an account.
    QTest::newRow("leading dot") << ".Anna" << 0 << "1234" << false;
    QTest::newRow("newline") << "Anna\n" << 0 << "1234" << false;
    QTest::newRow("NUL") << QString("An") + QChar(0) + "na" << 0 << "1234" << false;
    QTest::newRow("escape") << "\x1b[2J" << 0 << "1234" << false;
    QTest::newRow("delete") << "Anna\x7f" << 0 << "1234" << false;
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << 0 << "1234" << false;
    QTest::newRow("100 bytes") << QString(33, QChar(0x674E)) + "a" << 0 << "1234" << false;
    QTest::newRow("path of 203 bytes") << "Anna" << 203 << "1234" << false;
    QTest::newRow("empty PIN") << "Anna" << 0 << "" << false;
    QTest::newRow("PIN of 5 digits") << "Anna" << 0 << "12345" << false;
    QTest::newRow("PIN of 5 bytes") << "Anna" << 0 << "éé1" << false;
    QTest::newRow("PIN with NUL") << "Anna" << 0 << QString("12") + QChar(0) << false;
}

void AccountStoreTest::accountNames()
{
    QFETCH(QString, name);
    QFETCH(QString, pin);
    QFETCH(int, recordingPathBytes);
    QFETCH(bool, accepted);

    if (recordingPathBytes) {
        const int padding
            = recordingPathBytes - location.recordsFolder().toUtf8().size() - name.toUtf8().size() - 2;
        const QString deeper = location.root() + QString(padding, 'p') + '/';
        QVERIFY(QDir().mkpath(deeper));
        location = DataLocation(deeper);
        location.createFolders();
        store.setLocation(location);
        QCOMPARE((location.recordsFolder() + name + '/').toUtf8().size(), recordingPathBytes);
    }
    const QStringList before = tree();

    // The name alone, as the user dialog asks before creating the account:
    // the rows refused for their PIN have a usable name.
    const bool refusedForPin = QByteArray(QTest::currentDataTag()).contains("PIN");
    QCOMPARE(store.acceptsName(name), accepted || refusedForPin);
    QCOMPARE(tree(), before);
    QCOMPARE(store.add(name, pin), accepted);
    if (!accepted) {
        QVERIFY(store.accounts().isEmpty());
        QCOMPARE(tree(), before);
        return;
    }
    QCOMPARE(entries(location.usersFolder()), QStringList { name + ".usr" });
    QVERIFY(QFileInfo(location.recordsFolder() + name).isDir());
    store.load();
    QCOMPARE(store.accounts().size(), 1);
    QCOMPARE(store.accounts().first().nameText(), name);
    QCOMPARE(store.accounts().first().pinText(), pin);
    QCOMPARE(store.accounts().first().recordingPathText(), location.recordsFolder() + name + '/');
}

void AccountStoreTest::eachAccountWritesOnlyItsFile()
{
    QVERIFY(store.add("Ann", "1111"));
    QVERIFY(store.add("Anna", "2222"));
    const QByteArray annaBefore = readAll(usersFile("Anna"));

    store.setCurrent(0);
    store.current()->volume = 80;
    store.current()->totalTrainingTime = 3600;
    QVERIFY(store.saveCurrent());
    QByteArray ann = readAll(usersFile("Ann"));
    QCOMPARE(ann.size(), 340);
    QCOMPARE(intAt(ann, 336), 80);
    QCOMPARE(intAt(ann, 308), 3600);
    QCOMPARE(readAll(usersFile("Anna")), annaBefore);

    // A new PIN goes into the same file; the name and the file name stay.
    QVERIFY(store.edit("Ann", "3333"));
    ann = readAll(usersFile("Ann"));
    QCOMPARE(ann.mid(0, 4), QByteArray("Ann\0", 4));
    QCOMPARE(ann.mid(100, 5), QByteArray("3333\0", 5));
    QCOMPARE(intAt(ann, 336), 80);
    QCOMPARE(readAll(usersFile("Anna")), annaBefore);
    QCOMPARE(entries(location.usersFolder()), (QStringList { "Ann.usr", "Anna.usr" }));

    // A PIN that does not fit the record is refused and changes nothing.
    QVERIFY(!store.edit("Ann", "44444"));
    QVERIFY(!store.edit("Ann", ""));
    QCOMPARE(store.current()->pinText(), QString("3333"));
    QCOMPARE(readAll(usersFile("Ann")), ann);
    // The file is looked up by its exact name only.
    QVERIFY(!store.edit("ann", "5555"));
    QCOMPARE(readAll(usersFile("Ann")), ann);
}

void AccountStoreTest::strayTemporaryFileIgnored()
{
    QVERIFY(store.add("Anna", "1234"));
    // A write interrupted before its rename leaves a partial temporary file
    // beside the intact old record.
    writeFile(usersFile("Anna") + ".Xa81Qz", QByteArray("Anna\0", 5));
    writeFile(location.usersFolder() + "notes.txt", QByteArray(340, 'x'));
    QVERIFY(QDir(location.usersFolder()).mkdir("folder.usr"));

    store.load();
    QCOMPARE(store.accounts().size(), 1);
    QCOMPARE(store.accounts().first().nameText(), QString("Anna"));
    QCOMPARE(store.accounts().first().pinText(), QString("1234"));

    // Later writes replace the record and leave no file of their own.
    store.setCurrent(0);
    QVERIFY(store.saveCurrent());
    QCOMPARE(entries(location.usersFolder()),
        (QStringList { "Anna.usr", "Anna.usr.Xa81Qz", "folder.usr", "notes.txt" }));
}

void AccountStoreTest::failedWriteLeavesNoAccount()
{
    QVERIFY(store.add("Anna", "1234"));
    store.setCurrent(0);
    const QString usersFolder = location.usersFolder();

    // A regular file where the users folder should be: no account file can
    // be made in it, whoever runs the test. The records folder still works.
    QVERIFY(QFile::rename(usersFolder, location.root() + "Users.aside"));
    writeFile(usersFolder.chopped(1), "x");
    QVERIFY(!store.add("Bob", "2222"));
    QCOMPARE(store.accounts().size(), 1);
    QCOMPARE(store.current()->nameText(), QString("Anna"));
    // The recording folder made for the account went again.
    QVERIFY(!QFileInfo::exists(location.recordsFolder() + "Bob"));
    QVERIFY(!store.login("2222"));

    QVERIFY(QFile::remove(usersFolder.chopped(1)));
    QVERIFY(QFile::rename(location.root() + "Users.aside", usersFolder));
    QVERIFY(store.add("Bob", "2222"));
    QVERIFY(store.login("2222"));
    QCOMPARE(store.current()->nameText(), QString("Bob"));
    QCOMPARE(readAll(usersFile("Bob")).size(), 340);
}

void AccountStoreTest::loginMatchesRealPinsOnly()
{
    // A damaged, empty account file has an empty PIN.
    writeFile(usersFile("Damaged"), QByteArray());
    writeFile(usersFile("Bob"), recordWith("Bob", "2222", 5, 50));
    store.load();
    QCOMPARE(store.accounts().size(), 2);

    QVERIFY(!store.login(""));
    QCOMPARE(store.current(), nullptr);

    QTest::ignoreMessage(QtDebugMsg, "actual recording path \"Bob\" \"\" 0 0");
    QVERIFY(store.login("2222"));
    QCOMPARE(store.current()->nameText(), QString("Bob"));
    const User *bob = store.current();

    QVERIFY(!store.login("9999"));
    QVERIFY(!store.login(""));
    QCOMPARE(store.current(), bob);
}

void AccountStoreTest::rereadKeepsCurrentPosition()
{
    QVERIFY(store.add("Anna", "1111"));
    QVERIFY(store.add("Bob", "2222"));
    store.setCurrent(1);
    const User *bob = store.current();
    // Growing the list moves its storage; the current account moves with it.
    for (int i = 0; i < 40; ++i)
        QVERIFY(store.add(QString("user%1").arg(i), QString::number(3000 + i)));
    QVERIFY(store.accounts().constData() + 1 != bob);
    QCOMPARE(store.current(), store.accounts().constData() + 1);
    QCOMPARE(store.current()->nameText(), QString("Bob"));

    store.load();
    QCOMPARE(store.accounts().size(), 42);
    QCOMPARE(store.current(), store.accounts().constData() + 1);

    const QStringList files = entries(location.usersFolder());
    for (const QString &file : files)
        QVERIFY(QFile::remove(location.usersFolder() + file));
    store.load();
    QVERIFY(store.accounts().isEmpty());
    QCOMPARE(store.current(), nullptr);
}

void AccountStoreTest::dataLocationTree_data()
{
    QTest::addColumn<QString>("root");
    // A level of the tree that cannot be made: a link to nowhere stands in
    // its place (permissions would not stop a test run as root).
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<QStringList>("folders");

    const QStringList all { "Kavrin", "Kavrin/Pemblar", "Kavrin/Pemblar/Records", "Kavrin/Pemblar/Users" };
    QTest::newRow("empty root") << "data/"
                                << "" << all;
    QTest::newRow("backslashes") << "data\\"
                                 << "" << all;
    QTest::newRow("missing root") << "none/"
                                  << "" << QStringList();
    QTest::newRow("first level blocked") << "data/"
                                         << "Kavrin" << QStringList();
    QTest::newRow("records blocked") << "data/"
                                     << "Kavrin/Pemblar/Records" << QStringList(all.mid(0, 2));
    // The last level is the only one after which nothing stops.
    QTest::newRow("users blocked") << "data/"
                                   << "Kavrin/Pemblar/Users" << QStringList(all.mid(0, 3));
}

void AccountStoreTest::dataLocationTree()
{
    QFETCH(QString, root);
    QFETCH(QString, blocked);
    QFETCH(QStringList, folders);

    const QString base = dir->path() + '/';
    QVERIFY(QDir().mkpath(base + "data"));
    if (!blocked.isEmpty()) {
        QVERIFY(QDir().mkpath(QFileInfo(base + "data/" + blocked).path()));
        QVERIFY(QFile::link(base + "nowhere", base + "data/" + blocked));
    }
    if (blocked == "Kavrin")
        QTest::ignoreMessage(QtDebugMsg, "error when creating directory");

    const DataLocation tree(base + root);
    QVERIFY(!tree.root().contains('\\'));
    QCOMPARE(tree.usersFolder(), tree.root() + "Kavrin/Pemblar/Users/");
    QCOMPARE(tree.recordsFolder(), tree.root() + "Kavrin/Pemblar/Records/");
    tree.createFolders();

    QStringList made;
    QDirIterator it(base + "data", QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        made << QDir(base + "data").relativeFilePath(it.next());
    made.sort();
    QCOMPARE(made, folders);
    QCOMPARE(tree.exists(), folders.size() == 4);
}

QTEST_GUILESS_MAIN(AccountStoreTest)
#include "tst_accountstore.moc"
