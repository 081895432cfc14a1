#pragma once

#include <QString>

class QLayout;

// Every text that a screen sets at run time. The values are fixed: each one
// indexes its English source text, which is also its translation key. The
// underlying type is fixed so that any int, even one outside the list, is a
// valid value that text() can reject.
enum AppText : int {
    TxtSelectCamera = 0,
    TxtNext = 1,
    TxtUsername = 2,
    TxtPin = 3,
    TxtShutDownQuestion = 4,
    TxtFullScreenQuestion = 5,
    TxtOk = 6,
    TxtTrainingFinished = 7,
    TxtFinishTrainingQuestion = 8,
    TxtDeleteVideosQuestion = 9,
    TxtResetTimeQuestion = 10,
    TxtLoading = 11,
    TxtGuest = 12,
    TxtLogin = 13,
    TxtCreateAccount = 14,
    TxtIncorrectPin = 15,
    TxtUserAdded = 16,
    TxtUserExistsError = 17,
    TxtStartTraining = 18,
    TxtTutorials = 19,
    TxtTrainingHistory = 20,
    TxtSettings = 21,
    TxtApplicationVersion = 22,
    TxtLogout = 23,
    TxtAccountSettings = 24,
    TxtBack = 25,
    TxtStart = 26,
    TxtRecordVideo = 27,
    TxtRecordSound = 28,
    TxtTimer = 29,
    TxtUser = 30,
    TxtTotalTrainingTime = 31,
    TxtReset = 32,
    TxtDelete = 33,
    TxtExport = 34,
    TxtPlay = 35,
    TxtSelectLocation = 36,
    TxtLanguage = 37,
    TxtBrightness = 38,
    TxtContrast = 39,
    TxtSaturation = 40,
    TxtDefault = 41,
    TxtWhiteBalance = 42,
    TxtAuto = 43,
    TxtDate = 44,
    TxtDuration = 45,
    TxtActivateStopwatch = 46,
    TxtActivateTimer = 47,
    TxtCancel = 48,
    TxtCurrentPin = 49,
    TxtNewPin = 50,
    TxtConfirmPin = 51,
    TxtPinsMustMatch = 52,
    TxtVolume = 53,
    TxtSelectRecordingLocation = 54,
    TxtYes = 55,
    TxtNo = 56,
    TxtCheckForUpdates = 57,
    TxtUpdateServerError = 58
};

constexpr int kAppTextCount = TxtUpdateServerError + 1;

// The text of t in the installed translation (the English source text when
// the translation has none). upperCase gives the Unicode upper case, as
// button captions show it; twoLines breaks the text at the space nearest to
// its middle. flag and extra are accepted for the callers' sake and ignored.
// Values outside the list give an empty string.
QString text(const AppText &t, bool flag, bool upperCase, bool twoLines, int extra);

// Stores in *index the position of the space nearest to the middle of s (the
// earlier one on a tie). Returns false, leaving *index alone, when s has no
// space.
bool indexMiddleSpace(const QString &s, int *index);

// Equality ignoring letter case.
bool areSimilar(const QString &a, const QString &b);

// Substring tests ignoring case, so they match an extension anywhere in s.
bool isStringPicturePath(const QString &s);
bool isStringVideoPath(const QString &s);
bool isStringDataFile(const QString &s, const QString &ext);

// "hh:mm:ss" of a number of seconds; the hours count on past one day.
QString toDurationString(int seconds);

// Empties layout and its sub-layouts, scheduling every widget and sub-layout
// in it for deletion.
void clearLayout(QLayout *layout);
