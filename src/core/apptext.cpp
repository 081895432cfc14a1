#include "core/apptext.h"

#include <QCoreApplication>
#include <QLayout>
#include <QStringList>
#include <QWidget>

#include <iterator>

#include "core/clientsessioninfo.h"
#include "core/languages.h"

namespace {

// Every translation file files its entries under this context.
constexpr auto kTranslationContext = "QObject";

struct SourceText
{
    AppText id;
    const char *english;
};

// The English source texts are the translation keys: changing one here
// orphans its entry in every translation file.
constexpr SourceText kSourceTexts[] = {
    { TxtSelectCamera, QT_TRANSLATE_NOOP("QObject", "Select camera") },
    { TxtNext, QT_TRANSLATE_NOOP("QObject", "NEXT") },
    { TxtUsername, QT_TRANSLATE_NOOP("QObject", "Username") },
    { TxtPin, QT_TRANSLATE_NOOP("QObject", "PIN") },
    { TxtShutDownQuestion, QT_TRANSLATE_NOOP("QObject", "Are you sure you want to shut down PC/station?") },
    { TxtFullScreenQuestion,
        QT_TRANSLATE_NOOP("QObject",
            "You are entering Full-Screen mode. To stop the training, just click or tap "
            "the screen. Would you like to continue?") },
    { TxtOk, QT_TRANSLATE_NOOP("QObject", "OK") },
    { TxtTrainingFinished, QT_TRANSLATE_NOOP("QObject", "Your training is finished") },
    { TxtFinishTrainingQuestion, QT_TRANSLATE_NOOP("QObject", "Do you want to finish the training?") },
    { TxtDeleteVideosQuestion,
        QT_TRANSLATE_NOOP("QObject", "Do you want to delete video of selected trainings?") },
    { TxtResetTimeQuestion,
        QT_TRANSLATE_NOOP("QObject", "Are you sure you want to reset total training time counter?") },
    { TxtLoading, QT_TRANSLATE_NOOP("QObject", "Loading") },
    { TxtGuest, QT_TRANSLATE_NOOP("QObject", "Guest") },
    { TxtLogin, QT_TRANSLATE_NOOP("QObject", "LOGIN") },
    { TxtCreateAccount, QT_TRANSLATE_NOOP("QObject", "CREATE ACCOUNT") },
    { TxtIncorrectPin, QT_TRANSLATE_NOOP("QObject", "Incorrect PIN") },
    { TxtUserAdded, QT_TRANSLATE_NOOP("QObject", "User added successfully.") },
    { TxtUserExistsError, QT_TRANSLATE_NOOP("QObject", "Error. User with this name or PIN already exists.") },
    { TxtStartTraining, QT_TRANSLATE_NOOP("QObject", "Start training") },
    { TxtTutorials, QT_TRANSLATE_NOOP("QObject", "Tutorials") },
    { TxtTrainingHistory, QT_TRANSLATE_NOOP("QObject", "Training history") },
    { TxtSettings, QT_TRANSLATE_NOOP("QObject", "Settings") },
    { TxtApplicationVersion, QT_TRANSLATE_NOOP("QObject", "Application version") },
    { TxtLogout, QT_TRANSLATE_NOOP("QObject", "LOGOUT") },
    { TxtAccountSettings, QT_TRANSLATE_NOOP("QObject", "ACCOUNT SETTINGS") },
    { TxtBack, QT_TRANSLATE_NOOP("QObject", "BACK") },
    { TxtStart, QT_TRANSLATE_NOOP("QObject", "START") },
    { TxtRecordVideo, QT_TRANSLATE_NOOP("QObject", "RECORD VIDEO") },
    { TxtRecordSound, QT_TRANSLATE_NOOP("QObject", "RECORD SOUND") },
    { TxtTimer, QT_TRANSLATE_NOOP("QObject", "TIMER") },
    { TxtUser, QT_TRANSLATE_NOOP("QObject", "User") },
    { TxtTotalTrainingTime, QT_TRANSLATE_NOOP("QObject", "Total training time") },
    { TxtReset, QT_TRANSLATE_NOOP("QObject", "RESET") },
    { TxtDelete, QT_TRANSLATE_NOOP("QObject", "DELETE") },
    { TxtExport, QT_TRANSLATE_NOOP("QObject", "EXPORT") },
    { TxtPlay, QT_TRANSLATE_NOOP("QObject", "PLAY") },
    { TxtSelectLocation, QT_TRANSLATE_NOOP("QObject", "Select location") },
    { TxtLanguage, QT_TRANSLATE_NOOP("QObject", "Language") },
    { TxtBrightness, QT_TRANSLATE_NOOP("QObject", "Brightness") },
    { TxtContrast, QT_TRANSLATE_NOOP("QObject", "Contrast") },
    { TxtSaturation, QT_TRANSLATE_NOOP("QObject", "Saturation") },
    { TxtDefault, QT_TRANSLATE_NOOP("QObject", "DEFAULT") },
    { TxtWhiteBalance, QT_TRANSLATE_NOOP("QObject", "White balance") },
    { TxtAuto, QT_TRANSLATE_NOOP("QObject", "AUTO") },
    { TxtDate, QT_TRANSLATE_NOOP("QObject", "Date") },
    { TxtDuration, QT_TRANSLATE_NOOP("QObject", "Duration") },
    { TxtActivateStopwatch, QT_TRANSLATE_NOOP("QObject", "Activate the stopwatch") },
    { TxtActivateTimer, QT_TRANSLATE_NOOP("QObject", "Activate the timer") },
    { TxtCancel, QT_TRANSLATE_NOOP("QObject", "Cancel") },
    { TxtCurrentPin, QT_TRANSLATE_NOOP("QObject", "Current PIN") },
    { TxtNewPin, QT_TRANSLATE_NOOP("QObject", "New PIN") },
    { TxtConfirmPin, QT_TRANSLATE_NOOP("QObject", "Confirm PIN") },
    { TxtPinsMustMatch, QT_TRANSLATE_NOOP("QObject", "PINs must be the same!") },
    { TxtVolume, QT_TRANSLATE_NOOP("QObject", "VOLUME") },
    { TxtSelectRecordingLocation, QT_TRANSLATE_NOOP("QObject", "Select recording location") },
    { TxtYes, QT_TRANSLATE_NOOP("QObject", "Yes") },
    { TxtNo, QT_TRANSLATE_NOOP("QObject", "No") },
    { TxtCheckForUpdates, QT_TRANSLATE_NOOP("QObject", "CHECK FOR UPDATES") },
    { TxtUpdateServerError,
        QT_TRANSLATE_NOOP("QObject",
            "Could not connect to Kavrin Update Server. Please check if device is "
            "connected to the Internet") },
};

// text() indexes the table by value, so each row must sit at its own value.
constexpr bool sourceTextsInOrder()
{
    for (int i = 0; i < int(std::size(kSourceTexts)); ++i) {
        if (kSourceTexts[i].id != i)
            return false;
    }
    return true;
}
static_assert(std::size(kSourceTexts) == kAppTextCount, "one source text per AppText value");
static_assert(sourceTextsInOrder(), "source texts in AppText order");

// Far beyond the middle of any text, so the first space always improves on it.
constexpr float kNoSpaceDistance = 9999.0f;

constexpr int kSecondsPerMinute = 60;
constexpr int kSecondsPerHour = 60 * kSecondsPerMinute;
constexpr int kMinimumFieldWidth = 2;

bool containsAny(const QString &s, const QStringList &parts)
{
    for (const QString &part : parts) {
        if (s.contains(part, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, kMinimumFieldWidth, 10, QLatin1Char('0'));
}

} // namespace

QString text(const AppText &t, bool flag, bool upperCase, bool twoLines, int extra)
{
    Q_UNUSED(flag)
    Q_UNUSED(extra)
    if (t < 0 || t >= kAppTextCount)
        return QString();

    QString result = QCoreApplication::translate(kTranslationContext, kSourceTexts[t].english);
    if (upperCase)
        result = result.toUpper();
    if (twoLines) {
        int index = 0;
        // A best space at position 0 would leave the first line empty.
        if (indexMiddleSpace(result, &index) && index >= 1)
            result[index] = QLatin1Char('\n');
    }
    return result;
}

bool indexMiddleSpace(const QString &s, int *index)
{
    const QChar space = QLatin1Char(' ');
    if (!s.contains(space))
        return false;

    const float middle = float(s.length()) * 0.5f;
    int best = 0;
    float bestDistance = kNoSpaceDistance;
    for (int position = s.indexOf(space); position >= 0; position = s.indexOf(space, position + 1)) {
        const float distance = qAbs(float(position) - middle);
        // Strictly smaller, so that on a tie the earlier space stays.
        if (distance < bestDistance) {
            best = position;
            bestDistance = distance;
        }
    }
    *index = best;
    return true;
}

bool areSimilar(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isStringPicturePath(const QString &s)
{
    return containsAny(s, { QStringLiteral(".jpg"), QStringLiteral(".png") });
}

bool isStringVideoPath(const QString &s)
{
    return containsAny(s, { QStringLiteral(".avi"), QStringLiteral(".mp4"), QStringLiteral(".mkv") });
}

bool isStringDataFile(const QString &s, const QString &ext)
{
    return s.contains(ext, Qt::CaseInsensitive);
}

QString toDurationString(int seconds)
{
    // The total training time of an account easily passes a day; wrapping at
    // 24 hours would hide whole days of it, so the hours keep counting.
    const int total = qMax(seconds, 0);
    const int hours = total / kSecondsPerHour;
    const int minutes = total % kSecondsPerHour / kSecondsPerMinute;
    return twoDigits(hours) + QLatin1Char(':') + twoDigits(minutes) + QLatin1Char(':')
        + twoDigits(total % kSecondsPerMinute);
}

void clearLayout(QLayout *layout)
{
    // Deferred deletion: the caller is often a slot of one of the widgets
    // being removed.
    while (QLayoutItem *item = layout->takeAt(0)) {
        if (QLayout *subLayout = item->layout()) {
            // The item is the sub-layout itself, so it goes with it.
            clearLayout(subLayout);
            subLayout->deleteLater();
            continue;
        }
        if (QWidget *widget = item->widget())
            widget->deleteLater();
        delete item;
    }
}

QString ClientSessionInfo::getLanguageString()
{
    return QString::fromLatin1(languageEntry(langEnum).code);
}

Language ClientSessionInfo::languageFromString(const QString &code)
{
    for (const LanguageEntry &entry : kLanguages) {
        if (areSimilar(code, QString::fromLatin1(entry.code)))
            return entry.language;
    }
    return LangEnglish;
}
