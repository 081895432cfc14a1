#include "core/startup.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "camera/camera.h"
#include "camera/gstreamerbackend.h"
#include "core/clientsessioninfo.h"
#include "core/logging.h"
#include "core/mainwindow.h"
#include "core/quitsignals.h"
#include "storage/configfile.h"

namespace {

constexpr auto kDefaultUserName = "usr";
constexpr auto kDefaultUserPin = "7391";
// How long the box that ends a start that cannot go on stays up unanswered.
constexpr int kFailedStartShownMs = 20000;

// Without it Qt's X11 platform opens the OpenGL driver as it starts, which
// maps Mesa's driver and its LLVM: some 50 MB of resident memory that a
// window painted by the raster engine never uses.
constexpr auto kGlIntegrationVariable = "QT_XCB_GL_INTEGRATION";
constexpr auto kNoGlIntegration = "none";

} // namespace

void prepareProcess()
{
    // A value already set is kept, as a way to try a driver's integration.
    if (!qEnvironmentVariableIsSet(kGlIntegrationVariable))
        qputenv(kGlIntegrationVariable, kNoGlIntegration);
}

void launch(MainWindow &window)
{
    GStreamerBackEnd::prepare();
    quitOnTerminationSignals();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/graphics/common_icons/app_icon.png")));
    // The configuration folder is the one that holds the configuration file.
    const QString dir = QFileInfo(ClientSessionInfo::configPath).absolutePath();
    if (!QDir(dir).exists()) {
        QDir().mkpath(dir);
        qCDebug(lcCore) << "mkdir" << dir;
    }
    window.setWelcomeType(WelcomeUserExists);
    window.showFullScreen();
}

StartUp::StartUp(MainWindow *window)
    : window(window)
    , answers(this)
{
}

StartUp::~StartUp()
{
    QCoreApplication::removeTranslator(&translator);
}

void StartUp::run()
{
    const bool configurationKept = processXMLfile();
    readConfiguration();
    processLanguage();
    processSelectedCamera();
    if (configurationUnreadable)
        window->showNotice(tr("The configuration file cannot be read. The application runs on its defaults "
                              "and leaves the file as it is."));
    if (dataPathsExist()) {
        qCDebug(lcCore) << "datapath exists";
        ClientSessionInfo::parseUsers();
        // The first run would write its default account over a file that
        // could not be read, and lose that account for good.
        const QStringList unreadable = ClientSessionInfo::accounts.unreadableFiles();
        if (ClientSessionInfo::users().isEmpty() && !unreadable.isEmpty()) {
            failStart(tr("The account file %1 cannot be read. Nothing is written over it.")
                          .arg(QDir::toNativeSeparators(unreadable.first())));
            return;
        }
    }
    if (!ClientSessionInfo::users().isEmpty()) {
        welcomeType = WelcomeUserExists;
    } else {
        qCDebug(lcCore) << "user does not exist";
        welcomeType = WelcomeFirstRun;
    }
    // A configuration that had to be replaced starts the first run again.
    if (!configurationKept)
        welcomeType = WelcomeFirstRun;
    if (const QScreen *display = window->windowHandle() ? window->windowHandle()->screen() : window->screen())
        ClientSessionInfo::mainDisplay = display->geometry();
    greet();
}

bool StartUp::processXMLfile()
{
    const ConfigRepair repair = repairConfigFile(ClientSessionInfo::configPath);
    configurationUnreadable = repair == ConfigRepair::Unreadable;
    return repair == ConfigRepair::Kept;
}

bool StartUp::lockAccount()
{
    AccountStore &accounts = ClientSessionInfo::accounts;
    if (accounts.lockCurrent() != AccountLock::Result::InUse)
        return true;
    const AccountLock &lock = accounts.currentLock();
    failStart(tr("The account %1 is in use by another KavrinMac on %2 (process %3). Only one may use it at a "
                 "time.")
                  .arg(ClientSessionInfo::actualUser()->nameText(),
                      lock.holderHost().isEmpty() ? tr("an unknown computer") : lock.holderHost())
                  .arg(lock.holderProcess()));
    return false;
}

void StartUp::failStart(const QString &reason)
{
    auto *box
        = new QMessageBox(QMessageBox::Critical, QStringLiteral("Error"), reason, QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QDialog::finished, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    // Unattended, as at a kiosk's start, the application still ends.
    QTimer::singleShot(kFailedStartShownMs, box, &QDialog::reject);
    box->open();
}

void StartUp::readConfiguration()
{
    qCDebug(lcCore) << "starting parser";
    ClientSessionInfo::parser.ParseParams(ClientSessionInfo::configPath,
        &ClientSessionInfo::recordingUserPath, &ClientSessionInfo::language,
        &ClientSessionInfo::selectedCamera);
    // A configuration without a measured field keeps the standard one.
    if (const std::optional<double> width = readFieldWidthMm(ClientSessionInfo::configPath))
        ClientSessionInfo::fieldWidthMm = *width;
    qCDebug(lcCore) << "parsed";
}

void StartUp::greet()
{
    QWidget *menu = window->screenFor(FormMenu);
    if (welcomeType == WelcomeUserExists) {
        ClientSessionInfo::accounts.setCurrent(0);
        if (lockAccount())
            menu->show();
        return;
    }
    menu->show();
    window->ShowDialogForm(DialogLanguage);
    answers.listen(
        &DialogForm::rightButtonLanguageDialog, qOverload<Language>(&StartUp::languageSelectedSlot));
}

void StartUp::processDataPaths()
{
    const DataLocation location(ClientSessionInfo::recordingUserPath);
    ClientSessionInfo::recordingUserPath = location.root();
    ClientSessionInfo::accounts.setLocation(location);
}

bool StartUp::dataPathsExist()
{
    processDataPaths();
    qCDebug(lcCore) << ClientSessionInfo::recordingUserPath;
    qCDebug(lcCore) << ClientSessionInfo::fullRecordingPath();
    return ClientSessionInfo::accounts.location().exists();
}

void StartUp::checkFolderStructure()
{
    DataLocation(ClientSessionInfo::recordingUserPath).createFolders();
}

void StartUp::processLanguage()
{
    ClientSessionInfo::langEnum = ClientSessionInfo::languageFromString(ClientSessionInfo::language);
    loadLanguage(ClientSessionInfo::langEnum);
}

bool StartUp::loadLanguage(Language lang)
{
    ClientSessionInfo::langEnum = lang;
    const QString code = ClientSessionInfo::getLanguageString();
    ClientSessionInfo::writer.WriteLanguage(ClientSessionInfo::configPath, code);
    QCoreApplication::removeTranslator(&translator);
    qCDebug(lcCore) << "trying to change language";
    if (lang >= LangEnglish && lang <= LangItalian)
        translator.load(QStringLiteral(":/qm/") + code + QStringLiteral(".qm"));
    return QCoreApplication::installTranslator(&translator);
}

void StartUp::processSelectedCamera()
{
    qCDebug(lcCore) << "start processing cameras";
    const QStringList cameras = Camera::getCameraDevices();
    qCDebug(lcCore) << cameras;
    ClientSessionInfo::selectCamera(qMax(0, Camera::findByName(cameras, ClientSessionInfo::selectedCamera)));
}

void StartUp::languageSelectedSlot(Language lang)
{
    answers.stopListening();
    answers.listen(&DialogForm::rightButtonCamSelectDialog, &StartUp::cameraSelectedSlot);
    loadLanguage(lang);
    if (welcomeType == WelcomeFirstRun)
        window->ShowDialogForm(DialogCameraSelect);
}

void StartUp::languageSelectedSlot(QString lang)
{
    ClientSessionInfo::language = lang;
    processLanguage();
}

void StartUp::cameraSelectedSlot(QString name, int)
{
    // The camera the user confirmed is remembered, so that the next start
    // finds it by name even when the cameras are listed in another order.
    if (!name.isEmpty())
        ClientSessionInfo::rememberCamera(name);
    answers.stopListening();
    answers.listen(&DialogForm::rightButtonLocationDialog, &StartUp::locationSelectedSlot);
    window->ShowDialogForm(DialogWriteLocation);
}

void StartUp::locationSelectedSlot(QString loc)
{
    if (!loc.endsWith(QLatin1Char('/')))
        loc += QLatin1Char('/');
    ClientSessionInfo::recordingUserPath = loc;
    ClientSessionInfo::writer.WriteLocation(ClientSessionInfo::configPath, loc);
    checkFolderStructure();
    processDataPaths();
    // A location that already holds accounts (a reinstallation, or a
    // configuration that had to be replaced) keeps them: writing the default
    // account over an existing one would lose its training time.
    ClientSessionInfo::parseUsers();
    if (ClientSessionInfo::users().isEmpty()) {
        newUserSlot(QLatin1String(kDefaultUserName), QLatin1String(kDefaultUserPin));
        return;
    }
    finishFirstRun();
}

void StartUp::newUserSlot(QString u, QString p)
{
    if (!ClientSessionInfo::addNewUser(u, p)) {
        QMessageBox::critical(window, QStringLiteral("Error"),
            QStringLiteral("Failed to write in data directory. Please reinstall application"));
        QCoreApplication::exit(0);
        return;
    }
    finishFirstRun();
}

void StartUp::finishFirstRun()
{
    ClientSessionInfo::accounts.setCurrent(0);
    window->HideDialogForm();
    welcomeType = WelcomeUserExists;
    lockAccount();
}
