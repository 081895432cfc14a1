#include "core/clientsessioninfo.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include "camera/camera.h"
#include "camera/videowidget.h"
#include "core/logging.h"
#include "core/mainwindow.h"
#include "tracking/motionmetrics.h"

// The account record stores the display language as its number.
static_assert(User::defaultLanguage == LangEnglish, "a new account starts in English");

// The compiled-in resources are registered during static initialisation, so
// that every executable linking the library sees them before main() runs.
static int registerResources()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(translations);
    return 0;
}
static const int resourcesRegistered = registerResources();

bool graphicsStruct::opamax = true;
bool graphicsStruct::opamin = false;
bool graphicsStruct::blurmax = false;
bool graphicsStruct::blurmin = true;

FormEnum ClientSessionInfo::whereIAM = FormLogin;
QRect ClientSessionInfo::mainDisplay;
QWidget *ClientSessionInfo::actualForm = nullptr;
QWidget *ClientSessionInfo::nextForm = nullptr;
DialogForm *ClientSessionInfo::dialogForm = nullptr;
MainWindow *ClientSessionInfo::mainWindowInstance = nullptr;
QPointer<VideoWidget> ClientSessionInfo::actualPreviewingWidget;
int ClientSessionInfo::actualSelectedCamera = 0;
bool ClientSessionInfo::record = false;
bool ClientSessionInfo::sound = false;
bool ClientSessionInfo::OfflineMode = false;
int ClientSessionInfo::actualVideoID = 0;
TimerType ClientSessionInfo::timertype = TimerNone;
bool ClientSessionInfo::applicationRunning = false;
QMediaPlaylist *ClientSessionInfo::playlist = nullptr;
double ClientSessionInfo::fieldWidthMm = kStandardFieldWidthMm;
QString ClientSessionInfo::measuredVideo;
TrainingMeasurement ClientSessionInfo::lastMeasurement;
Language ClientSessionInfo::langEnum = LangEnglish;

// The members with constructors are defined in this order on purpose: they
// are built in it before main() and destroyed in reverse at exit.
QString ClientSessionInfo::recordingUserPath;
XMLParser ClientSessionInfo::parser;
QString ClientSessionInfo::language;
AccountStore ClientSessionInfo::accounts;
QVector<Scenario> ClientSessionInfo::scenarios;
Camera *ClientSessionInfo::camera = new Camera();
XMLWriter ClientSessionInfo::writer;
QString ClientSessionInfo::actualFilename;
QString ClientSessionInfo::selectedCamera;
// Computed before the application object exists, so the application name is
// not part of the location yet; the folder names are appended here instead.
QString ClientSessionInfo::configPath = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
    + QStringLiteral("/KavrinMac/Kavrin/config.xml");

DialogForm *ClientSessionInfo::dialogHost()
{
    return mainWindowInstance ? mainWindowInstance->dialogHost() : dialogForm;
}

QString ClientSessionInfo::fullRecordingPath()
{
    return accounts.location().recordsFolder();
}

bool ClientSessionInfo::startCameraPreview(
    VideoWidget *widget, bool record, bool sound, const QString &fileName, const QString &pictureName)
{
    Q_UNUSED(pictureName)
    if (!camera)
        camera = new Camera();
    stopPreview();
    actualPreviewingWidget = widget;
    ClientSessionInfo::record = record;
    ClientSessionInfo::sound = sound;
    widget->show();
    camera->setActualDevice(static_cast<unsigned int>(actualSelectedCamera));
    if (record)
        camera->prepareRecording(sound);
    const bool previewing = camera->StartPreview(actualPreviewingWidget);
    if (record)
        return camera->StartRecording(fileName, sound);
    return previewing;
}

void ClientSessionInfo::stopPreview()
{
    if (actualPreviewingWidget)
        actualPreviewingWidget->hide();
    if (camera && !camera->StopPreview())
        qCDebug(lcCamera) << "failed closing camera";
    actualPreviewingWidget = nullptr;
}

bool ClientSessionInfo::IsPreviewingCamera()
{
    return actualPreviewingWidget && actualPreviewingWidget->isVisible();
}

bool ClientSessionInfo::isRecording()
{
    return camera && camera->isRecording();
}

void ClientSessionInfo::selectCamera(int index)
{
    qCDebug(lcCamera) << "camera" << index;
    actualSelectedCamera = index;
    qCDebug(lcCamera) << "camera 2" << actualSelectedCamera;
}

void ClientSessionInfo::makePhoto(const QString &path)
{
    if (camera)
        camera->makeScreenshot(path);
}

void ClientSessionInfo::rememberCamera(const QString &name)
{
    selectedCamera = name;
    writer.WriteCamera(configPath, name);
}

void ClientSessionInfo::releaseCamera()
{
    stopPreview();
    delete camera;
    camera = nullptr;
}

void ClientSessionInfo::startRecordSlot()
{
    if (camera)
        camera->StartRecording(actualFilename, sound);
}

const Scenario *ClientSessionInfo::chosenExercise()
{
    const int id = OfflineMode || !actualUser() ? 0 : accounts.currentExercise();
    for (const Scenario &scenario : qAsConst(scenarios)) {
        if (id != 0 && scenario.id == id)
            return &scenario;
    }
    return nullptr;
}

QString ClientSessionInfo::exerciseTitle(int id)
{
    for (const Scenario &scenario : qAsConst(scenarios)) {
        if (scenario.id == id)
            return scenario.GetTitle();
    }
    return unlistedExerciseTitle(id);
}

QString ClientSessionInfo::unlistedExerciseTitle(int id)
{
    return tr("Exercise %1").arg(id);
}

const QVector<User> &ClientSessionInfo::users()
{
    return accounts.accounts();
}

User *ClientSessionInfo::actualUser()
{
    return accounts.current();
}

void ClientSessionInfo::parseUsers()
{
    accounts.load();
}

bool ClientSessionInfo::addNewUser(const QString &name, const QString &pin)
{
    return accounts.add(name, pin);
}

bool ClientSessionInfo::Login(const QString &pin)
{
    return logIn(pin) == LoginResult::LoggedIn;
}

ClientSessionInfo::LoginResult ClientSessionInfo::logIn(const QString &pin)
{
    const User *before = accounts.current();
    const int previous = before ? static_cast<int>(before - accounts.accounts().constData()) : -1;
    if (!accounts.login(pin))
        return LoginResult::WrongPin;
    if (accounts.lockCurrent() != AccountLock::Result::InUse)
        return LoginResult::LoggedIn;
    accounts.setCurrent(previous);
    return LoginResult::InUse;
}

namespace {

void tellAccountNotSaved()
{
    ClientSessionInfo::notice(QCoreApplication::translate(
        "ClientSessionInfo", "The account could not be saved; it keeps the settings it had before."));
}

} // namespace

bool ClientSessionInfo::editUser(const QString &name, const QString &pin)
{
    const bool saved = accounts.edit(name, pin);
    if (!saved)
        tellAccountNotSaved();
    return saved;
}

bool ClientSessionInfo::updateActualUser()
{
    const bool saved = accounts.saveCurrent();
    if (!saved)
        tellAccountNotSaved();
    return saved;
}

void ClientSessionInfo::notice(const QString &text)
{
    qCWarning(lcCore) << text;
    if (mainWindowInstance)
        mainWindowInstance->showNotice(text);
}

void ClientSessionInfo::ShowKeyboard() { }

void ClientSessionInfo::HideKeyboard() { }
