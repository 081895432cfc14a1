#include "core/mainwindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMediaPlaylist>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>
#include <type_traits>

#include "camera/previewform.h"
#include "catalogue/choosetrainingform.h"
#include "core/clientsessioninfo.h"
#include "core/fonts.h"
#include "core/loadingform.h"
#include "core/logging.h"
#include "core/menu.h"
#include "core/noticebar.h"
#include "core/startup.h"
#include "dialogs/dialogform.h"
#include "dialogs/loginform.h"
#include "history/resultslistform.h"
#include "history/videoplayer.h"
#include "ui_mainwindow.h"

namespace {

constexpr auto kBackgroundPicture = ":/graphics/application_layout/background5.jpg";
// The loading screen stays this long before a deferred navigation goes on.
constexpr int kLoadingScreenMs = 1000;

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::MainWindow>())
    , transition(new ScreenTransition(this))
    , startUp(std::make_unique<StartUp>(this))
    , notice(nullptr)
{
    ClientSessionInfo::mainWindowInstance = this;
    registerEnumMetaTypes();
    registerApplicationFonts();
    ui->setupUi(this);
    auto *layout = new QVBoxLayout(ui->centralWidget);
    layout->setContentsMargins(0, 0, 0, 0);
    connect(transition, &ScreenTransition::reached, this, &MainWindow::GraphicsEffect);
    connect(this, &MainWindow::GraphicsEffect, this, &MainWindow::updateActualGraphicsEffect,
        Qt::DirectConnection);
    // A recording still running is completed before the application ends,
    // and the account is left for the next start.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &ClientSessionInfo::releaseCamera);
    connect(qApp, &QCoreApplication::aboutToQuit, this, [] { ClientSessionInfo::accounts.unlockCurrent(); });
    notice = new NoticeBar(this);
}

MainWindow::~MainWindow()
{
    if (ClientSessionInfo::mainWindowInstance == this)
        ClientSessionInfo::mainWindowInstance = nullptr;
}

void MainWindow::showNotice(const QString &text)
{
    notice->tell(text);
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
    // The exercises are read while the first screen comes up.
    chooseTrainingForm->loadExercises();

    // Every screen asks for the next screen and for dialogs in the same words.
    const auto carryOutRequests = [this](auto *screen) {
        using Screen = std::remove_pointer_t<decltype(screen)>;
        connect(screen, &Screen::ShowNextForm, this, qOverload<FormEnum>(&MainWindow::ShowNextForm));
        connect(screen, &Screen::ShowDialogForm, this, &MainWindow::ShowDialogForm);
    };
    carryOutRequests(loginForm);
    carryOutRequests(chooseTrainingForm);
    carryOutRequests(menu);
    carryOutRequests(previewForm);
    carryOutRequests(videoPlayer);
    carryOutRequests(resultsListForm);
    connect(loginForm, &LoginForm::minimize, this, &MainWindow::minimizeApp);
    connect(
        loginForm, &LoginForm::language, startUp.get(), qOverload<Language>(&StartUp::languageSelectedSlot));
    connect(previewForm, &PreviewForm::ShowNextFormWithLoading, this, &MainWindow::ShowNextFormWithLoading);
    connect(ClientSessionInfo::dialogForm, &DialogForm::hideDialog, this, &MainWindow::HideDialogForm);
    connect(ClientSessionInfo::dialogForm, &DialogForm::languageChanged, startUp.get(),
        qOverload<QString>(&StartUp::languageSelectedSlot));
}

void MainWindow::setWelcomeType(WelcomeType type)
{
    startUp->welcomeType = type;
}

QWidget *MainWindow::screenFor(FormEnum form) const
{
    // In the order of the FormEnum values from FormLogin to FormLoading.
    QWidget *const screens[]
        = { loginForm, chooseTrainingForm, menu, previewForm, videoPlayer, resultsListForm, loadingForm };
    return form >= FormLogin && form <= FormLoading ? screens[form - FormLogin] : nullptr;
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
    transition->fadeOutTowards(next);
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
    transition->fadeIn();
}

void MainWindow::ShowNextFormWithLoading(FormEnum nextForm, int msec)
{
    Q_UNUSED(msec)
    loadingTarget = FormLoading;
    loadingPending = true;
    pendingForm = nextForm;
}

void MainWindow::blurMinSlot()
{
    if (!loadingPending)
        return;
    loadingPending = false;
    ShowNextForm(loadingTarget);
    QTimer::singleShot(kLoadingScreenMs, this, [this] { ShowNextForm(FormNone); });
}

void MainWindow::updateActualGraphicsEffect(graphicsEffectActual t)
{
    actualEffect = t;
    switch (t) {
    case BlurMin:
        graphicsStruct::blurmin = true;
        graphicsStruct::blurmax = false;
        blurMinSlot();
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
        if (const std::optional<DialogOpt> opt = std::exchange(deferredDialog, std::nullopt))
            ShowDialogForm(*opt);
        break;
    }
}

void MainWindow::ShowDialogForm(DialogOpt opt)
{
    // Blurring would stop the fade half-way, and the screen being faded out
    // is about to go: the dialog opens over the screen the fade ends on.
    if (transition->isFading()) {
        deferredDialog = opt;
        return;
    }
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
    deferredDialog.reset();
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
    startUp->run();
    event->accept();
}

void MainWindow::paintEvent(QPaintEvent *event)
{
    const QSize size = ui->centralWidget->size();
    // Only the scaled copy is kept, 8 MB at full HD: the picture is read
    // again in the rare case that the size changes.
    if (scaledBackground.size() != size) {
        scaledBackground = QPixmap(QString::fromLatin1(kBackgroundPicture))
                               .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
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
