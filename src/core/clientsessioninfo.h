#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QVector>

#include "catalogue/scenario.h"
#include "core/enums.h"
#include "storage/accountstore.h"
#include "storage/trainingmetrics.h"
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

    // The data location as the configuration file names it.
    static QString recordingUserPath;
    static QString configPath;
    static QString language;
    static Language langEnum;

    static XMLParser parser;
    static XMLWriter writer;
    // The accounts of the data location and the current one.
    static AccountStore accounts;
    // The training catalogue the chooser lists.
    static QVector<Scenario> scenarios;

    // The window's host of every dialog, made when first needed; null
    // until then.
    static DialogForm *dialogForm;
    // The host of every dialog, made now if it was not yet; null without
    // a window.
    static DialogForm *dialogHost();
    // The one window, while it exists.
    static MainWindow *mainWindowInstance;

    static Camera *camera;
    // Guarded: a screen may be destroyed while its preview runs.
    static QPointer<VideoWidget> actualPreviewingWidget;
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
    // The width of practice field the camera's picture covers, for lengths
    // in millimetres; 0 when unknown, for lengths in pixels.
    static double fieldWidthMm;
    // The last training measured, and its video, for the results dialog.
    static QString measuredVideo;
    static TrainingMeasurement lastMeasurement;

    // The records folder of the data location, kept by the account store.
    static QString fullRecordingPath();

    static bool startCameraPreview(
        VideoWidget *widget, bool record, bool sound, const QString &fileName, const QString &pictureName);
    static void stopPreview();
    static bool IsPreviewingCamera();
    // Whether the running preview's recorder really records: record says
    // what was asked for, this what the recorder does.
    static bool isRecording();
    static void selectCamera(int index);
    static void makePhoto(const QString &path);
    // The camera the user chose, kept for this run and, in the configuration
    // file, for the next start.
    static void rememberCamera(const QString &name);
    // Ends a running recording, so that its MP4 file is complete, and
    // destroys the camera; called when the application quits. A later
    // preview creates a new camera.
    static void releaseCamera();

    // The two-letter code of langEnum ("en" for a value outside the list),
    // and the language of a code, compared ignoring case (English when none
    // matches).
    static QString getLanguageString();
    static Language languageFromString(const QString &code);

    // The exercise the current account trains, from the catalogue; null in
    // free training, for a guest, and when the catalogue no longer has it.
    // Valid until the catalogue changes.
    static const Scenario *chosenExercise();
    // The title of the catalogue's exercise with this id, in the display
    // language; a lab's exercise removed since is named by its number.
    static QString exerciseTitle(int id);
    // How an exercise that the catalogue no longer has is named; safe on any
    // thread, since it does not read the catalogue.
    static QString unlistedExerciseTitle(int id);

    // The account operations, carried out by the account store.
    static const QVector<User> &users();
    // The current account, or null; ask again after the accounts change.
    static User *actualUser();
    static void parseUsers();
    static bool addNewUser(const QString &name, const QString &pin);
    static bool Login(const QString &pin);
    // Login, telling a wrong PIN from an account that another application
    // (on this machine or another sharing the data location) is using; then
    // the account in use before stays current.
    enum class LoginResult { LoggedIn, WrongPin, InUse };
    static LoginResult logIn(const QString &pin);
    static bool editUser(const QString &name, const QString &pin);
    // Writes the current account's file. When it cannot be written the
    // account keeps what its file holds, and the window says so.
    static bool updateActualUser();
    // Tells the user of a problem in a line over the window, if there is one.
    static void notice(const QString &text);

    // Hooks for an on-screen keyboard; this platform has none.
    static void ShowKeyboard();
    static void HideKeyboard();

public slots:
    static void startRecordSlot();
};
