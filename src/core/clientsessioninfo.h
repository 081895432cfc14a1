#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

#include "core/enums.h"
#include "storage/user.h"
#include "storage/xmlparser.h"
#include "storage/xmlwriter.h"

class Camera;
class DialogForm;
class MainWindow;
class QMediaPlaylist;
class QWidget;
class VideoWidget;

// All process-wide state of the application. Never instantiated; every
// member is static and used from the GUI thread only.
class ClientSessionInfo : public QObject
{
    Q_OBJECT

public:
    ClientSessionInfo() = delete;

    static FormEnum whereIAM;
    static QRect mainDisplay;
    static QWidget *actualForm;
    static QWidget *nextForm;

    static QString recordingUserPath;
    static QString fullUsersPath;
    static QString fullRecordingPath;
    static QString configPath;
    static QString language;
    static Language langEnum;

    static XMLParser parser;
    static XMLWriter writer;
    static QVector<User> users;
    static User *actualUser;

    static MainWindow *mainWindowInstance;
    static DialogForm *dialogForm;

    static Camera *camera;
    static VideoWidget *actualPreviewingWidget;
    static int actualSelectedCamera;
    static QString selectedCamera;
    static bool record;
    static bool sound;

    static bool OfflineMode;
    static int actualVideoID;
    static QString actualFilename;
    static TimerType timertype;
    static bool applicationRunning;
    static QMediaPlaylist *playlist;

    // Kept for compatibility of the session layout; nothing reads them.
    static QSize previewWidgetSize;
    static QWidget *lastForm;
    static QWidget *actualParentPreviewingWidget;
    static QString nameOfNextForm;
    static QString scenarioDir;
    static QString ourDataExtension;

    static bool startCameraPreview(VideoWidget *widget, bool record, bool sound,
                                   const QString &fileName, const QString &pictureName);
    static void stopPreview();
    static bool IsPreviewingCamera();
    static void selectCamera(int index);
    static void makePhoto(const QString &path);

    // The two-letter code of langEnum ("en" for a value outside the list),
    // and the language of a code, compared ignoring case (English when none
    // matches).
    static QString getLanguageString();
    static Language languageFromString(const QString &code);

    // The account store: one .usr file per account in fullUsersPath.
    static void parseUsers();
    static bool addNewUser(const QString &name, const QString &pin);
    static bool Login(const QString &pin);
    static bool editUser(const QString &name, const QString &pin);
    static bool updateActualUser();

    // Hooks for an on-screen keyboard; this platform has none.
    static void ShowKeyboard();
    static void HideKeyboard();

public slots:
    static void startRecordSlot();
};
