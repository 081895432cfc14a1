#pragma once

#include <QMetaType>

// The values are stored in members, compared and passed through signals by
// value, so they are fixed.

enum FormEnum {
    FormNone = 0,
    FormLogin = 1,
    FormChooseTraining = 2,
    FormMenu = 3,
    FormPreview = 4,
    FormVideoPlayer = 5,
    FormResultsList = 6,
    FormLoading = 7,
    FormPrevious = 8
};

enum DialogOpt {
    DialogNone = 0,
    DialogNewUser = 1,
    DialogEditUser = 2,
    DialogLanguage = 3,
    DialogCameraSelect = 4,
    DialogWriteLocation = 5,
    DialogShutDown = 6,
    DialogFullScreen = 7,
    DialogFinishTraining = 8,
    DialogDeleteTrainings = 9,
    DialogCameraSettings = 10,
    DialogTimingSettings = 11,
    DialogTrainingFinished = 12,
    DialogResetTime = 13,
    DialogTrainingResults = 14
};

enum Language {
    LangEnglish = 0,
    LangPolish = 1,
    LangChinese = 2,
    LangPortuguese = 3,
    LangRussian = 4,
    LangGerman = 5,
    LangJapanese = 6,
    LangSpanish = 7,
    LangFrench = 8,
    LangItalian = 9
};

enum TimerType { TimerNone = 0, TimerStopwatch = 1, TimerCountdown = 2 };

enum graphicsEffectActual { BlurMin = 0, BlurMax = 1, OpacityMin = 2, OpacityMax = 3 };

enum WelcomeType { WelcomeFirstRun = 0, WelcomeUserExists = 1 };

// Which end of the main window's fade and blur was reached last.
struct graphicsStruct
{
    static bool opamax;
    static bool opamin;
    static bool blurmax;
    static bool blurmin;
};

Q_DECLARE_METATYPE(FormEnum)
Q_DECLARE_METATYPE(DialogOpt)
Q_DECLARE_METATYPE(Language)
Q_DECLARE_METATYPE(TimerType)
Q_DECLARE_METATYPE(graphicsEffectActual)
Q_DECLARE_METATYPE(WelcomeType)

// Makes the enumerations usable in queued connections and signal spies.
void registerEnumMetaTypes();
