#include "core/mainwindow.h"

#include <QDir>
#include <QFile>
#include <QGraphicsBlurEffect>
#include <QGraphicsOpacityEffect>
#include <QKeyEvent>
#include <QMediaPlaylist>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>
#include <QWindow>
#include <cmath>

#include "camera/camera.h"
#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "core/fonts.h"
#include "core/loadingform.h"
#include "core/logging.h"
#include "core/menu.h"
#include "core/placeholderscreens.h"
#include "dialogs/dialogform.h"
#include "ui_mainwindow.h"

namespace {

constexpr auto kBackgroundPicture = ":/graphics/application_layout/background5.jpg";
constexpr auto kDefaultConfig = ":/config.xml";
constexpr const char *kConfigElements[] = { "language", "recordingPath", "selected_camera" };
// The folder tree under the data location, each level below the one before.
constexpr const char *kDataFolders[]
    = { "Kavrin", "Kavrin/Pemblar", "Kavrin/Pemblar/Records", "Kavrin/Pemblar/Users" };
constexpr auto kUsersFolder = "Kavrin/Pemblar/Users/";
constexpr auto kRecordsFolder = "Kavrin/Pemblar/Records/";
constexpr auto kDefaultUserName = "usr";
constexpr auto kDefaultUserPin = "7391";
constexpr int kAnimationTickMs = 25;
constexpr double kOpacityStep = 0.1;
constexpr double kFullBlurRadius = 19.0;
constexpr double kUnblurStep = -2.0;
// The loading screen stays this long before a deferred navigation goes on.
constexpr int kLoadingScreenMs = 1000;

// The blur decelerates: the step shrinks exponentially with the radius. The
// first step from a given radius is larger than the following ones.
double firstBlurStep(double radius)
{
    return 1.427 * std::exp(-0.2137 * radius) + 0.073;
}

double nextBlurStep(double radius)
{
    return 2.427 * std::exp(-0.1137 * radius) + 0.073;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::MainWindow>())
    , background(QString::fromLatin1(kBackgroundPicture))
{
    registerEnumMetaTypes();
    registerApplicationFonts();
    ui->setupUi(this);
    ClientSessionInfo::mainWindowInstance = this;
    auto *layout = new QVBoxLayout(ui->centralWidget);
    layout->setContentsMargins(0, 0, 0, 0);
}

MainWindow::~MainWindow()
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    if (ClientSessionInfo::mainWindowInstance == this)
        ClientSessionInfo::mainWindowInstance = nullptr;
}

void MainWindow::setUpWindows()
{
    ClientSessionInfo::playlist = new QMediaPlaylist(this);

    loginForm = new LoginForm(this);
    chooseTrainingForm = new ChooseTrainingForm(this);
    menu = new Menu(this);
    previewForm = new PreviewForm(this);
    videoPlayer = new VideoPlayer(this);
    loadingForm = new LoadingForm(this);
    resultsListForm = new ResultsListForm(this);

    QLayout *layout = ui->centralWidget->layout();
    const QList<QWidget *> screens { loginForm, chooseTrainingForm, menu, previewForm, videoPlayer,
        loadingForm, resultsListForm };
    for (QWidget *screen : screens)
        layout->addWidget(screen);
    for (QWidget *screen : screens)
        screen->hide();

    ClientSessionInfo::dialogForm = new DialogForm(this);
    ClientSessionInfo::dialogForm->hideAll();

    opacityTimer = new QTimer(this);
    blurTimer = new QTimer(this);
    translator = std::make_unique<QTranslator>();

    // Screens are connected by signature, as they are swapped in over time.
    connect(loginForm, SIGNAL(ShowNextForm(FormEnum)), this, SLOT(ShowNextForm(FormEnum)));
    connect(loginForm, SIGNAL(ShowDialogForm(DialogOpt)), this, SLOT(ShowDialogForm(DialogOpt)));
    connect(loginForm, SIGNAL(minimize()), this, SLOT(minimizeApp()));
    connect(loginForm, SIGNAL(language(Language)), this, SLOT(languageSelectedSlot(Language)));
    for (QWidget *screen : { static_cast<QWidget *>(chooseTrainingForm), static_cast<QWidget *>(menu),
             static_cast<QWidget *>(videoPlayer), static_cast<QWidget *>(resultsListForm) }) {
        connect(screen, SIGNAL(ShowNextForm(FormEnum)), this, SLOT(ShowNextForm(FormEnum)));
        connect(screen, SIGNAL(ShowDialogForm(DialogOpt)), this, SLOT(ShowDialogForm(DialogOpt)));
    }
    connect(previewForm, SIGNAL(ShowNextForm(FormEnum)), this, SLOT(ShowNextForm(FormEnum)));
    connect(previewForm, SIGNAL(ShowNextFormWithLoading(FormEnum, int)), this,
        SLOT(ShowNextFormWithLoading(FormEnum, int)));
    connect(previewForm, SIGNAL(ShowDialogForm(DialogOpt)), this, SLOT(ShowDialogForm(DialogOpt)));
    connect(this, &MainWindow::GraphicsEffect, this, &MainWindow::updateActualGraphicsEffect,
        Qt::DirectConnection);
    connect(opacityTimer, &QTimer::timeout, this, &MainWindow::opacityLoop);
    connect(blurTimer, &QTimer::timeout, this, &MainWindow::blurLoop);
    connect(ClientSessionInfo::dialogForm, &DialogForm::hideDialog, this, &MainWindow::HideDialogForm);
    connect(ClientSessionInfo::dialogForm, SIGNAL(languageChanged(QString)), this,
        SLOT(languageSelectedSlot(QString)));
}

void MainWindow::setWelcomeType(WelcomeType type)
{
    welcomeType = type;
}

QWidget *MainWindow::screenFor(FormEnum form) const
{
    switch (form) {
    case FormLogin:
        return loginForm;
    case FormChooseTraining:
        return chooseTrainingForm;
    case FormMenu:
        return menu;
    case FormPreview:
        return previewForm;
    case FormVideoPlayer:
        return videoPlayer;
    case FormResultsList:
        return resultsListForm;
    case FormLoading:
        return loadingForm;
    default:
        return nullptr;
    }
}

void MainWindow::ShowNextForm(FormEnum nextForm)
{
    if (nextForm == FormNone)
        nextForm = pendingForm;
    while (nextForm != currentForm) {
        if (nextForm == FormPrevious) {
            currentForm = FormPrevious;
            nextForm = previousForm != FormNone ? previousForm : pendingForm;
            continue;
        }
        previousForm = ClientSessionInfo::whereIAM;
        currentForm = nextForm;
        if (QWidget *screen = screenFor(nextForm))
            ShowNextForm(screen);
        return;
    }
}

void MainWindow::ShowNextForm(QWidget *next)
{
    ui->centralWidget->setGraphicsEffect(nullptr);
    opacityEffect = new QGraphicsOpacityEffect();
    opacity = 1.0;
    opacityEffect->setOpacity(1.0);
    if (ClientSessionInfo::actualForm)
        ClientSessionInfo::actualForm->setGraphicsEffect(opacityEffect);
    ClientSessionInfo::nextForm = next;
    stopTimers();
    opacityStep = -kOpacityStep;
    opacityTimer->start(kAnimationTickMs);
}

void MainWindow::opacityLoop()
{
    opacity += opacityStep;
    if (opacityStep > 0 && opacity >= 1.0) {
        opacity = 1.0;
        opacityTimer->stop();
        if (ClientSessionInfo::actualForm)
            ClientSessionInfo::actualForm->setGraphicsEffect(nullptr);
        emit GraphicsEffect(OpacityMax);
        return;
    }
    if (opacityStep < 0 && opacity <= 0.0) {
        opacity = 0.0;
        opacityTimer->stop();
        if (ClientSessionInfo::nextForm)
            ClientSessionInfo::nextForm->setGraphicsEffect(opacityEffect);
        emit GraphicsEffect(OpacityMin);
    }
    graphicsStruct::opamax = false;
    graphicsStruct::opamin = false;
    opacityEffect->setOpacity(opacity);
}

void MainWindow::changeForm()
{
    QCoreApplication::processEvents();
    if (ClientSessionInfo::actualForm) {
        ClientSessionInfo::actualForm->setEnabled(false);
        ClientSessionInfo::actualForm->hide();
    }
    if (ClientSessionInfo::nextForm) {
        ClientSessionInfo::nextForm->show();
        ClientSessionInfo::nextForm->setEnabled(true);
    }
    stopTimers();
    opacityStep = kOpacityStep;
    opacityTimer->start(kAnimationTickMs);
}

void MainWindow::StartBlur()
{
    if ((blurTimer->isActive() || blurRadius == kFullBlurRadius) && blurStep > 0)
        return;
    blurEffect = new QGraphicsBlurEffect();
    blurEffect->setBlurRadius(blurRadius);
    if (ClientSessionInfo::actualForm)
        ClientSessionInfo::actualForm->setGraphicsEffect(blurEffect);
    stopTimers();
    blurStep = firstBlurStep(blurRadius);
    blurTimer->start(kAnimationTickMs);
}

void MainWindow::StartUnblur()
{
    stopTimers();
    blurStep = kUnblurStep;
    blurTimer->start(kAnimationTickMs);
}

void MainWindow::blurLoop()
{
    blurRadius += blurStep;
    if (blurStep > 0)
        blurStep = nextBlurStep(blurRadius);
    if (blurRadius >= kFullBlurRadius && blurStep > 0) {
        blurRadius = kFullBlurRadius;
        blurTimer->stop();
        emit GraphicsEffect(BlurMax);
    } else if (blurRadius <= 0.0 && blurStep < 0) {
        blurRadius = 0.0;
        blurTimer->stop();
        if (ClientSessionInfo::actualForm)
            ClientSessionInfo::actualForm->setGraphicsEffect(nullptr);
        emit GraphicsEffect(BlurMin);
        return;
    }
    graphicsStruct::blurmin = false;
    graphicsStruct::blurmax = false;
    if (blurEffect)
        blurEffect->setBlurRadius(blurRadius);
}

void MainWindow::ShowNextFormWithLoading(FormEnum nextForm, int msec)
{
    Q_UNUSED(msec)
    loadingTarget = FormLoading;
    loadingPending = true;
    pendingForm = nextForm;
}

void MainWindow::startDeferredNavigation()
{
    if (!loadingPending)
        return;
    loadingPending = false;
    ShowNextForm(loadingTarget);
    QTimer::singleShot(kLoadingScreenMs, this, [this] { ShowNextForm(FormNone); });
}

void MainWindow::blurMinSlot()
{
    startDeferredNavigation();
}

void MainWindow::updateActualGraphicsEffect(graphicsEffectActual t)
{
    actualEffect = t;
    switch (t) {
    case BlurMin:
        graphicsStruct::blurmin = true;
        graphicsStruct::blurmax = false;
        startDeferredNavigation();
        break;
    case BlurMax:
        graphicsStruct::blurmin = false;
        graphicsStruct::blurmax = true;
        break;
    case OpacityMin:
        graphicsStruct::opamin = true;
        graphicsStruct::opamax = false;
        changeForm();
        break;
    case OpacityMax:
        graphicsStruct::opamax = true;
        graphicsStruct::opamin = false;
        break;
    }
}

void MainWindow::ShowDialogForm(DialogOpt opt)
{
    QWidget *current = ClientSessionInfo::actualForm;
    if (current)
        current->setEnabled(false);
    ClientSessionInfo::dialogForm->dialogOpt = opt;
    if (current && !isHidden())
        StartBlur();
    ClientSessionInfo::dialogForm->prepareLayout();
}

void MainWindow::HideDialogForm()
{
    QWidget *current = ClientSessionInfo::actualForm;
    if (current && !isHidden())
        StartUnblur();
    if (current)
        current->setEnabled(true);
    ClientSessionInfo::dialogForm->hideAll();
}

void MainWindow::minimizeApp()
{
    setWindowState(isFullScreen() ? Qt::WindowMinimized : Qt::WindowFullScreen);
}

void MainWindow::showEvent(QShowEvent *event)
{
    qCDebug(lcCore) << "Main window show event";
    if (ClientSessionInfo::applicationRunning) {
        showFullScreen();
        return;
    }
    bool ok = false;
    processXMLfile(&ok);
    qCDebug(lcCore) << "starting parser";
    ClientSessionInfo::parser.ParseParams(ClientSessionInfo::configPath,
        &ClientSessionInfo::recordingUserPath, &ClientSessionInfo::language,
        &ClientSessionInfo::selectedCamera);
    qCDebug(lcCore) << "parsed";
    setUpWindows();
    processLanguage();
    processSelectedCamera();
    if (dataPathsExist()) {
        qCDebug(lcCore) << "datapath exists";
        ClientSessionInfo::parseUsers();
    }
    if (!ClientSessionInfo::users.isEmpty()) {
        welcomeType = WelcomeUserExists;
    } else {
        qCDebug(lcCore) << "user does not exist";
        welcomeType = WelcomeFirstRun;
    }
    // A configuration that had to be replaced starts the first run again.
    if (!ok)
        welcomeType = WelcomeFirstRun;
    if (const QScreen *display = windowHandle() ? windowHandle()->screen() : screen())
        ClientSessionInfo::mainDisplay = display->geometry();

    if (welcomeType == WelcomeUserExists) {
        ClientSessionInfo::actualUser = &ClientSessionInfo::users.first();
        menu->show();
    } else {
        menu->show();
        ShowDialogForm(DialogLanguage);
        connect(ClientSessionInfo::dialogForm, SIGNAL(rightButtonLanguageDialog(Language)), this,
            SLOT(languageSelectedSlot(Language)));
    }
    event->accept();
}

void MainWindow::processXMLfile(bool *ok)
{
    const QString &path = ClientSessionInfo::configPath;
    QFile file(path);
    if (file.exists()) {
        *ok = true;
        file.setPermissions(QFileDevice::ReadUser);
        const bool opened = file.open(QIODevice::ReadOnly);
        qCDebug(lcCore) << "file opening" << opened;
        const QByteArray content = file.readAll();
        file.close();
        for (const char *element : kConfigElements) {
            if (!content.contains(element))
                *ok = false;
        }
        if (!*ok) {
            file.remove();
            QFile::copy(QLatin1String(kDefaultConfig), path);
        }
    } else {
        QFile::copy(QLatin1String(kDefaultConfig), path);
        *ok = false;
    }
    QFile::setPermissions(path, QFileDevice::WriteUser);
}

void MainWindow::processDataPaths()
{
    QString &location = ClientSessionInfo::recordingUserPath;
    location.replace(QLatin1Char('\\'), QLatin1Char('/'));
    ClientSessionInfo::fullUsersPath = location + QLatin1String(kUsersFolder);
    ClientSessionInfo::fullRecordingPath = location + QLatin1String(kRecordsFolder);
}

bool MainWindow::dataPathsExist()
{
    processDataPaths();
    qCDebug(lcCore) << ClientSessionInfo::recordingUserPath;
    qCDebug(lcCore) << ClientSessionInfo::fullRecordingPath;
    return QDir(ClientSessionInfo::recordingUserPath).exists()
        && QDir(ClientSessionInfo::fullUsersPath).exists()
        && QDir(ClientSessionInfo::fullRecordingPath).exists();
}

void MainWindow::checkFolderStructure()
{
    const QDir location(ClientSessionInfo::recordingUserPath);
    if (!location.exists())
        return;
    for (const char *folder : kDataFolders) {
        const QString name = QLatin1String(folder);
        if (location.exists(name) || location.mkdir(name))
            continue;
        if (name == QLatin1String(kDataFolders[0]))
            qCDebug(lcCore) << "error when creating directory";
        // A missing users folder shows when the account is written.
        if (name != QLatin1String(kDataFolders[3]))
            return;
    }
}

void MainWindow::processLanguage()
{
    ClientSessionInfo::langEnum = ClientSessionInfo::languageFromString(ClientSessionInfo::language);
    loadLanguage(ClientSessionInfo::langEnum);
}

bool MainWindow::loadLanguage(const Language &lang)
{
    ClientSessionInfo::langEnum = lang;
    const QString code = ClientSessionInfo::getLanguageString();
    ClientSessionInfo::writer.WriteLanguage(ClientSessionInfo::configPath, code);
    QCoreApplication::removeTranslator(translator.get());
    qCDebug(lcCore) << "trying to change language";
    if (lang >= LangEnglish && lang <= LangItalian)
        translator->load(QStringLiteral(":/qm/") + code + QStringLiteral(".qm"));
    return QCoreApplication::installTranslator(translator.get());
}

void MainWindow::processSelectedCamera()
{
    qCDebug(lcCore) << "start processing cameras";
    const QStringList cameras = Camera::getCameraDevices();
    qCDebug(lcCore) << cameras;
    const QString wanted = ClientSessionInfo::selectedCamera.simplified();
    for (int index = 0; index < cameras.size(); ++index) {
        if (areSimilar(cameras.at(index).simplified(), wanted)) {
            ClientSessionInfo::selectCamera(index);
            return;
        }
    }
    ClientSessionInfo::selectCamera(0);
}

void MainWindow::languageSelectedSlot(Language lang)
{
    disconnect(ClientSessionInfo::dialogForm, SIGNAL(rightButtonLanguageDialog(Language)), this,
        SLOT(languageSelectedSlot(Language)));
    connect(ClientSessionInfo::dialogForm, SIGNAL(rightButtonCamSelectDialog(QString, int)), this,
        SLOT(cameraSelectedSlot(QString, int)));
    loadLanguage(lang);
    if (welcomeType == WelcomeFirstRun)
        ShowDialogForm(DialogCameraSelect);
}

void MainWindow::languageSelectedSlot(QString lang)
{
    ClientSessionInfo::language = lang;
    processLanguage();
}

void MainWindow::cameraSelectedSlot(QString name, int)
{
    // The camera the user confirmed is remembered, so that the next start
    // finds it by name even when the cameras are listed in another order.
    if (!name.isEmpty()) {
        ClientSessionInfo::selectedCamera = name;
        ClientSessionInfo::writer.WriteCamera(ClientSessionInfo::configPath, name);
    }
    disconnect(ClientSessionInfo::dialogForm, SIGNAL(rightButtonCamSelectDialog(QString, int)), this,
        SLOT(cameraSelectedSlot(QString, int)));
    connect(ClientSessionInfo::dialogForm, SIGNAL(rightButtonLocationDialog(QString)), this,
        SLOT(locationSelectedSlot(QString)));
    ShowDialogForm(DialogWriteLocation);
}

void MainWindow::locationSelectedSlot(QString loc)
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
    if (!ClientSessionInfo::users.isEmpty()) {
        ClientSessionInfo::actualUser = &ClientSessionInfo::users.first();
        HideDialogForm();
        welcomeType = WelcomeUserExists;
        return;
    }
    newUserSlot(QLatin1String(kDefaultUserName), QLatin1String(kDefaultUserPin));
}

void MainWindow::newUserSlot(QString u, QString p)
{
    if (!ClientSessionInfo::addNewUser(u, p)) {
        QMessageBox::critical(this, QStringLiteral("Error"),
            QStringLiteral("Failed to write in data directory. Please reinstall application"));
        QCoreApplication::exit(0);
        return;
    }
    ClientSessionInfo::actualUser = &ClientSessionInfo::users.first();
    HideDialogForm();
    welcomeType = WelcomeUserExists;
}

void MainWindow::paintEvent(QPaintEvent *event)
{
    const QSize size = ui->centralWidget->size();
    if (scaledBackground.size() != size && !background.isNull())
        scaledBackground = background.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter painter(this);
    painter.drawPixmap(0, 0, scaledBackground);
    event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Enter)
        return;
    qCDebug(lcCore) << "fullscreen";
    if (event->modifiers() == Qt::AltModifier) {
        showFullScreen();
        qCDebug(lcCore) << "fullscreen";
    }
}

void MainWindow::stopTimers()
{
    opacityTimer->stop();
    blurTimer->stop();
}
