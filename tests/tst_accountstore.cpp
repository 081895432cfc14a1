#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <memory>

#include "core/clientsessioninfo.h"

// The account store against real files in a temporary data location: the
// bytes of the 340-byte record, damaged and foreign files, refused names and
// writes that cannot happen.
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
    void rereadKeepsActualUserPosition();

private:
    QString usersFile(const QString &name) const;
    QByteArray readAll(const QString &path) const;
    void writeFile(const QString &path, const QByteArray &bytes) const;
    QStringList entries(const QString &folder) const;
    QStringList tree() const;

    std::unique_ptr<QTemporaryDir> dir;
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
    ClientSessionInfo::recordingUserPath = dir->path() + QLatin1Char('/');
    ClientSessionInfo::fullUsersPath = ClientSessionInfo::recordingUserPath + "Kavrin/Pemblar/Users/";
    ClientSessionInfo::fullRecordingPath = ClientSessionInfo::recordingUserPath + "Kavrin/Pemblar/Records/";
    QVERIFY(QDir().mkpath(ClientSessionInfo::fullUsersPath));
    QVERIFY(QDir().mkpath(ClientSessionInfo::fullRecordingPath));
}

void AccountStoreTest::cleanup()
{
    ClientSessionInfo::actualUser = nullptr;
    ClientSessionInfo::users.clear();
    dir.reset();
}

QString AccountStoreTest::usersFile(const QString &name) const
{
    return ClientSessionInfo::fullUsersPath + name + ".usr";
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
    const QString recordingPath = ClientSessionInfo::fullRecordingPath + "Anna/";
    QTest::ignoreMessage(QtDebugMsg, "name \"Anna\"");
    QTest::ignoreMessage(QtDebugMsg, "here");
    QTest::ignoreMessage(QtDebugMsg, qPrintable('"' + usersFile("Anna") + '"'));
    QTest::ignoreMessage(
        QtDebugMsg, qPrintable("full rec path \"" + ClientSessionInfo::fullRecordingPath + '"'));
    QTest::ignoreMessage(QtDebugMsg, qPrintable("rec path 2 \"" + recordingPath + '"'));
    QVERIFY(ClientSessionInfo::addNewUser("Anna", "1234"));

    QCOMPARE(entries(ClientSessionInfo::fullUsersPath), QStringList { "Anna.usr" });
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
    QCOMPARE(ClientSessionInfo::users.size(), 1);
    QCOMPARE(ClientSessionInfo::users.first().toRecord(), record);
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
    ClientSessionInfo::parseUsers();
    QCOMPARE(ClientSessionInfo::users.size(), 1);
    const User &user = ClientSessionInfo::users.first();
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
    QVERIFY(ClientSessionInfo::addNewUser("Zoë", "1234"));
    QVERIFY(ClientSessionInfo::addNewUser("Carl", "ab12"));
    const QStringList before = tree();

    QVERIFY(!ClientSessionInfo::addNewUser(account[0], account[1]));
    QCOMPARE(ClientSessionInfo::users.size(), 2);
    QCOMPARE(tree(), before);
}

void AccountStoreTest::accountNames_data()
{
    QTest::addColumn<QString>("name");
    // When not 0, the records folder is made deep enough for the user's
    // recording path (records folder + name + "/") to take this many bytes.
    QTest::addColumn<int>("recordingPathBytes");
    QTest::addColumn<QString>("pin");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("plain") << "Anna" << 0 << "1234" << true;
    QTest::newRow("space") << "Mary Ann" << 0 << "1234" << true;
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
        const int padding = recordingPathBytes - ClientSessionInfo::fullRecordingPath.toUtf8().size()
            - name.toUtf8().size() - 2;
        ClientSessionInfo::fullRecordingPath += QString(padding, 'p') + '/';
        QVERIFY(QDir().mkpath(ClientSessionInfo::fullRecordingPath));
        QCOMPARE((ClientSessionInfo::fullRecordingPath + name + '/').toUtf8().size(), recordingPathBytes);
    }
    const QStringList before = tree();

    QCOMPARE(ClientSessionInfo::addNewUser(name, pin), accepted);
    if (!accepted) {
        QVERIFY(ClientSessionInfo::users.isEmpty());
        QCOMPARE(tree(), before);
        return;
    }
    QCOMPARE(entries(ClientSessionInfo::fullUsersPath), QStringList { name + ".usr" });
    QVERIFY(QFileInfo(ClientSessionInfo::fullRecordingPath + name).isDir());
    ClientSessionInfo::parseUsers();
    QCOMPARE(ClientSessionInfo::users.size(), 1);
    QCOMPARE(ClientSessionInfo::users.first().nameText(), name);
    QCOMPARE(ClientSessionInfo::users.first().pinText(), pin);
    QCOMPARE(ClientSessionInfo::users.first().recordingPathText(),
        ClientSessionInfo::fullRecordingPath + name + '/');
}

void AccountStoreTest::eachAccountWritesOnlyItsFile()
{
    QVERIFY(ClientSessionInfo::addNewUser("Ann", "1111"));
    QVERIFY(ClientSessionInfo::addNewUser("Anna", "2222"));
    const QByteArray annaBefore = readAll(usersFile("Anna"));

    ClientSessionInfo::actualUser = &ClientSessionInfo::users[0];
    ClientSessionInfo::actualUser->volume = 80;
    ClientSessionInfo::actualUser->totalTrainingTime = 3600;
    QVERIFY(ClientSessionInfo::updateActualUser());
    QByteArray ann = readAll(usersFile("Ann"));
    QCOMPARE(ann.size(), 340);
    QCOMPARE(intAt(ann, 336), 80);
    QCOMPARE(intAt(ann, 308), 3600);
    QCOMPARE(readAll(usersFile("Anna")), annaBefore);

    // A new PIN goes into the same file; the name and the file name stay.
    QVERIFY(ClientSessionInfo::editUser("Ann", "3333"));
    ann = readAll(usersFile("Ann"));
    QCOMPARE(ann.mid(0, 4), QByteArray("Ann\0", 4));
    QCOMPARE(ann.mid(100, 5), QByteArray("3333\0", 5));
    QCOMPARE(intAt(ann, 336), 80);
    QCOMPARE(readAll(usersFile("Anna")), annaBefore);
    QCOMPARE(entries(ClientSessionInfo::fullUsersPath), (QStringList { "Ann.usr", "Anna.usr" }));

    // A PIN that does not fit the record is refused and changes nothing.
    QVERIFY(!ClientSessionInfo::editUser("Ann", "44444"));
    QVERIFY(!ClientSessionInfo::editUser("Ann", ""));
    QCOMPARE(ClientSessionInfo::actualUser->pinText(), QString("3333"));
    QCOMPARE(readAll(usersFile("Ann")), ann);
    // The file is looked up by its exact name only.
    QVERIFY(!ClientSessionInfo::editUser("ann", "5555"));
    QCOMPARE(readAll(usersFile("Ann")), ann);
}

void AccountStoreTest::strayTemporaryFileIgnored()
{
    QVERIFY(ClientSessionInfo::addNewUser("Anna", "1234"));
    // A write interrupted before its rename leaves a partial temporary file
    // beside the intact old record.
    writeFile(usersFile("Anna") + ".Xa81Qz", QByteArray("Anna\0", 5));
    writeFile(ClientSessionInfo::fullUsersPath + "notes.txt", QByteArray(340, 'x'));
    QVERIFY(QDir(ClientSessionInfo::fullUsersPath).mkdir("folder.usr"));

    ClientSessionInfo::parseUsers();
    QCOMPARE(ClientSessionInfo::users.size(), 1);
    QCOMPARE(ClientSessionInfo::users.first().nameText(), QString("Anna"));
    QCOMPARE(ClientSessionInfo::users.first().pinText(), QString("1234"));

    // Later writes replace the record and leave no file of their own.
    ClientSessionInfo::actualUser = &ClientSessionInfo::users[0];
    QVERIFY(ClientSessionInfo::updateActualUser());
    QCOMPARE(entries(ClientSessionInfo::fullUsersPath),
        (QStringList { "Anna.usr", "Anna.usr.Xa81Qz", "folder.usr", "notes.txt" }));
}

void AccountStoreTest::failedWriteLeavesNoAccount()
{
    QVERIFY(ClientSessionInfo::addNewUser("Anna", "1234"));
    ClientSessionInfo::actualUser = &ClientSessionInfo::users[0];
    const QString usersFolder = ClientSessionInfo::fullUsersPath;

    // A regular file where a folder should be: no account file can be made
    // below it, whoever runs the test.
    writeFile(dir->filePath("blocker"), "x");
    ClientSessionInfo::fullUsersPath = dir->filePath("blocker") + "/Users/";
    QVERIFY(!ClientSessionInfo::addNewUser("Bob", "2222"));
    QCOMPARE(ClientSessionInfo::users.size(), 1);
    QCOMPARE(ClientSessionInfo::actualUser, ClientSessionInfo::users.data());
    QCOMPARE(ClientSessionInfo::actualUser->nameText(), QString("Anna"));
    QVERIFY(!QFileInfo::exists(ClientSessionInfo::fullRecordingPath + "Bob"));
    QVERIFY(!ClientSessionInfo::Login("2222"));

    ClientSessionInfo::fullUsersPath = usersFolder;
    QVERIFY(ClientSessionInfo::addNewUser("Bob", "2222"));
    QVERIFY(ClientSessionInfo::Login("2222"));
    QCOMPARE(ClientSessionInfo::actualUser->nameText(), QString("Bob"));
    QCOMPARE(readAll(usersFile("Bob")).size(), 340);
}

void AccountStoreTest::loginMatchesRealPinsOnly()
{
    // A damaged, empty account file has an empty PIN.
    writeFile(usersFile("Damaged"), QByteArray());
    writeFile(usersFile("Bob"), recordWith("Bob", "2222", 5, 50));
    ClientSessionInfo::parseUsers();
    QCOMPARE(ClientSessionInfo::users.size(), 2);

    QVERIFY(!ClientSessionInfo::Login(""));
    QCOMPARE(ClientSessionInfo::actualUser, nullptr);

    QTest::ignoreMessage(QtDebugMsg, "actual recording path \"Bob\" \"\" 0 0");
    QVERIFY(ClientSessionInfo::Login("2222"));
    QCOMPARE(ClientSessionInfo::actualUser->nameText(), QString("Bob"));
    User *bob = ClientSessionInfo::actualUser;

    QVERIFY(!ClientSessionInfo::Login("9999"));
    QVERIFY(!ClientSessionInfo::Login(""));
    QCOMPARE(ClientSessionInfo::actualUser, bob);
}

void AccountStoreTest::rereadKeepsActualUserPosition()
{
    QVERIFY(ClientSessionInfo::addNewUser("Anna", "1111"));
    QVERIFY(ClientSessionInfo::addNewUser("Bob", "2222"));
    ClientSessionInfo::actualUser = &ClientSessionInfo::users[1];
    // Growing the list moves its storage; the current user moves with it.
    for (int i = 0; i < 40; ++i)
        QVERIFY(ClientSessionInfo::addNewUser(QString("user%1").arg(i), QString::number(3000 + i)));
    QCOMPARE(ClientSessionInfo::actualUser, ClientSessionInfo::users.data() + 1);
    QCOMPARE(ClientSessionInfo::actualUser->nameText(), QString("Bob"));

    ClientSessionInfo::parseUsers();
    QCOMPARE(ClientSessionInfo::users.size(), 42);
    QCOMPARE(ClientSessionInfo::actualUser, ClientSessionInfo::users.data() + 1);

    const QStringList files = entries(ClientSessionInfo::fullUsersPath);
    for (const QString &file : files)
        QVERIFY(QFile::remove(ClientSessionInfo::fullUsersPath + file));
    ClientSessionInfo::parseUsers();
    QVERIFY(ClientSessionInfo::users.isEmpty());
    QCOMPARE(ClientSessionInfo::actualUser, nullptr);
}

QTEST_GUILESS_MAIN(AccountStoreTest)
#include "tst_accountstore.moc"
