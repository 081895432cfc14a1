#pragma once

#include <cstddef>
#include <type_traits>

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// One account, laid out exactly as its 340-byte .usr file: the file is this
// record byte for byte, with no header, so files written by any earlier
// installation must keep loading. Text fields are UTF-8 and NUL-terminated
// when they are shorter than their field; a damaged file may fill a field
// completely, so the text accessors never read past a field's end.
struct User
{
    static constexpr int nameSize = 100;
    static constexpr int pinSize = 5;
    static constexpr int recordingPathSize = 203;
    static constexpr int recordSize = 340;
    static constexpr qint32 defaultTimerSeconds = 5;
    static constexpr qint32 defaultVolume = 50;
    // English, the first of the display languages.
    static constexpr qint32 defaultLanguage = 0;

    char name[nameSize] = {};
    char pin[pinSize] = {};
    char recordingPath[recordingPathSize] = {};
    qint32 totalTrainingTime = 0;
    qint32 stopwatchOn = 0;
    qint32 timerOn = 0;
    qint32 timerSeconds = defaultTimerSeconds;
    qint32 userLanguage = defaultLanguage;
    qint32 recordVideo = 0;
    qint32 recordSound = 0;
    qint32 volume = defaultVolume;

    QString nameText() const;
    QString pinText() const;
    QString recordingPathText() const;

    // Each setter refuses (returns false, field unchanged) a text whose UTF-8
    // form would leave no room for the terminating NUL; the bytes after the
    // text are zeroed so that no stale text stays in the file.
    bool setName(const QString &text);
    bool setPin(const QString &text);
    bool setRecordingPath(const QString &text);

    // A default record overlaid with the first recordSize bytes of bytes:
    // a short file keeps the defaults after its end, a long file's extra
    // bytes are ignored.
    static User fromRecord(const QByteArray &bytes);
    QByteArray toRecord() const;
};

// The record is written as it lies in memory; the file format is
// little-endian, so the layout and byte order are checked at compile time.
static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "account files hold little-endian integers");
static_assert(std::is_standard_layout<User>::value, "User is copied to and from files as bytes");
static_assert(std::is_trivially_copyable<User>::value, "User is copied to and from files as bytes");
static_assert(sizeof(User) == User::recordSize, "an account file is 340 bytes");
static_assert(offsetof(User, name) == 0, "account file layout");
static_assert(offsetof(User, pin) == 100, "account file layout");
static_assert(offsetof(User, recordingPath) == 105, "account file layout");
static_assert(offsetof(User, totalTrainingTime) == 308, "account file layout");
static_assert(offsetof(User, stopwatchOn) == 312, "account file layout");
static_assert(offsetof(User, timerOn) == 316, "account file layout");
static_assert(offsetof(User, timerSeconds) == 320, "account file layout");
static_assert(offsetof(User, userLanguage) == 324, "account file layout");
static_assert(offsetof(User, recordVideo) == 328, "account file layout");
static_assert(offsetof(User, recordSound) == 332, "account file layout");
static_assert(offsetof(User, volume) == 336, "account file layout");

// Reads the account file at path; false when it cannot be opened.
bool readUserFile(const QString &path, User *user);

// Replaces the account file at path with user's record. The record goes to a
// temporary file in the same folder, which is flushed to disk and renamed
// over the old file, so a crash or power cut leaves either the old or the new
// record, never a torn one.
bool writeUserFile(const QString &path, const User &user);
