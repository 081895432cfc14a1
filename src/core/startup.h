#pragma once

#include <QObject>
#include <QTranslator>

#include "core/enums.h"
#include "dialogs/hostlistener.h"

class MainWindow;

// What the process sets before its QApplication exists, which the platform
// reads when it starts: no OpenGL for a window that paints with the raster
// engine only.
void prepareProcess();

// What the process does with its one window: the camera back end prepared,
// termination signals taken as a quit, the application's icon, the
// configuration folder made sure of, and the window shown full screen,
// which runs the start-up. The acceptance test starts the application the
// same way.
void launch(MainWindow &window);

// How the application comes up. The main window's first show repairs and
// reads the configuration file, sets up the screens, installs the
// translation, selects the configured camera and loads the accounts, then
// shows the menu, or the first-run chain when there is no account or the
// configuration had to be replaced: language, camera and data location
// dialogs, one after the other in the dialog host, ending with the default
// account. The language slots are also the way later language changes come
// in (the login screen and the settings dialog).
class StartUp : public QObject
{
    Q_OBJECT

public:
    explicit StartUp(MainWindow *window);
    ~StartUp() override;

    // The main window's first show event.
    void run();

    WelcomeType welcomeType = WelcomeUserExists;

public slots:
    void languageSelectedSlot(Language lang);
    void languageSelectedSlot(QString lang);
    void cameraSelectedSlot(QString name, int index);
    void locationSelectedSlot(QString loc);
    void newUserSlot(QString u, QString p);

private:
    // True when the existing configuration file was kept.
    bool processXMLfile();
    // Takes the current account for this application; false, after saying
    // why and ending the application, when another one uses it.
    bool lockAccount();
    // Says why the application cannot go on, in the start-up's error box,
    // and ends it once the box is closed or after a while.
    void failStart(const QString &reason);
    void readConfiguration();
    void processDataPaths();
    bool dataPathsExist();
    void checkFolderStructure();
    void processLanguage();
    bool loadLanguage(Language lang);
    void processSelectedCamera();
    void greet();
    // The menu becomes usable with the first account.
    void finishFirstRun();

    MainWindow *window;
    // Each dialog of the first-run chain is answered once, by the step
    // after it.
    HostListener<StartUp> answers;
    // Installed in the application while this object lives.
    QTranslator translator;
    bool configurationUnreadable = false;
};
