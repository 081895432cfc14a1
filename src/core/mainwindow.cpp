#include "core/mainwindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMediaPlaylist>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>
#include <type_traits>

#include "camera/previewform.h"
#include "camera/videowidget.h"
#include "catalogue/choosetrainingform.h"
#include "core/clientsessioninfo.h"
#include "core/fonts.h"
#include "core/loadingform.h"
#include "core/logging.h"
#include "core/menu.h"
#include "core/noticebar.h"
#include "core/screenset.h"
#include "core/startup.h"
#include "dialogs/dialogform.h"
#include "dialogs/loginform.h"
#include "history/resultslistform.h"
#include "history/videoplayer.h"
#include "ui_mainwindow.h"

namespace {

// The loading screen stays this long before a deferred navigation goes on.
constexpr int kLoadingScreenMs = 1000;
// The screens not needed yet are made this long after the first paint,
// when the user is still reading the first screen: a tap before then is
// taken at once, and makes only the screen it asks for.
constexpr int kMakeAheadAfterMs = 300;
// A dialog asked for during a fade opens one step of a fade after the fade
// has ended. The fade's end paints the whole screen; in the meantime the
// display takes that picture in and the camera's next frame is drawn,
// instead of the dialog's window waiting behind the picture for the
// display's answers to its first requests, all in one turn of the GUI thread.
constexpr int kDialogAfterFadeMs = ScreenTransition::kStepMs;

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::MainWindow>())
    , transition(new ScreenTransition(this))
    , startUp(std::make_unique<StartUp>(this))
    , notice(nullptr)
{
    ClientSessionInfo::mainWindowInstance = this;
    // The dialog host is this window's child, made when first needed.
    ClientSessionInfo::dialogForm = nullptr;
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
    screens = new ScreenSet(
        layout, [this](FormEnum form) { return makeScreen(form); }, this);
}

MainWindow::~MainWindow()
{
    if (ClientSessionInfo::mainWindowInstance == this) {
        ClientSessionInfo::mainWindowInstance = nullptr;
        ClientSessionInfo::dialogForm = nullptr;
    }
}

void MainWindow::showNotice(const QString &text)
{
    notice->tell(text);
}

DialogForm *MainWindow::dialogHost()
{
    if (!ClientSessionInfo::dialogForm) {
        auto *host = new DialogForm(this);
        ClientSessionInfo::dialogForm = host;
        host->hideAll();
        connect(host, &DialogForm::hideDialog, this, &MainWindow::HideDialogForm);
        connect(host, &DialogForm::languageChanged, startUp.get(),
            qOverload<QString>(&StartUp::languageSelectedSlot));
    }
    return ClientSessionInfo::dialogForm;
}

QWidget *MainWindow::makeScreen(FormEnum form)
{
    // Made in the widget that lays them out: moved there later, a screen
    // would be polished against the style sheet a second time.
    QWidget *host = ui->centralWidget;
    // Every screen asks for the next screen and for dialogs in the same words.
    const auto carryOutRequests = [this](auto *screen) {
        using Screen = std::remove_pointer_t<decltype(screen)>;
        connect(screen, &Screen::ShowNextForm, this, qOverload<FormEnum>(&MainWindow::ShowNextForm));
        connect(screen, &Screen::ShowDialogForm, this, &MainWindow::ShowDialogForm);
        return screen;
    };
    switch (form) {
    case FormLogin: {
        auto *login = carryOutRequests(new LoginForm(host));
        connect(login, &LoginForm::minimize, this, &MainWindow::minimizeApp);
        connect(
            login, &LoginForm::language, startUp.get(), qOverload<Language>(&StartUp::languageSelectedSlot));
        return login;
    }
    case FormChooseTraining: {
        auto *choice = carryOutRequests(new ChooseTrainingForm(host));
        choice->loadExercises();
        return choice;
    }
    case FormMenu:
        return carryOutRequests(new Menu(host));
    case FormPreview: {
        // The chooser reads the exercise catalogue, in which the training
        // screen and the history find the account's exercise.
        screenFor(FormChooseTraining);
        auto *preview = carryOutRequests(new PreviewForm(host));
        connect(preview, &PreviewForm::ShowNextFormWithLoading, this, &MainWindow::ShowNextFormWithLoading);
        // The training's picture takes the place of every screen.
        host->layout()->addWidget(preview->trainingViewfinder());
        return preview;
    }
    case FormVideoPlayer:
        return carryOutRequests(new VideoPlayer(host));
    case FormResultsList:
        screenFor(FormChooseTraining);
        // The trainings the history lists, in its order.
        ClientSessionInfo::playlist = new QMediaPlaylist(this);
        return carryOutRequests(new ResultsListForm(host));
    default:
        return new LoadingForm(host);
    }
}

void MainWindow::setWelcomeType(WelcomeType type)
{
    startUp->welcomeType = type;
}

QWidget *MainWindow::screenFor(FormEnum form)
{
    return screens->screenFor(form);
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
        if (deferredDialog)
            QTimer::singleShot(kDialogAfterFadeMs, this, &MainWindow::showDeferredDialog);
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
    // The dialog asked for last is the one shown.
    deferredDialog.reset();
    QWidget *current = ClientSessionInfo::actualForm;
    if (current)
        current->setEnabled(false);
    DialogForm *host = dialogHost();
    host->dialogOpt = opt;
    if (current && !isHidden())
        StartBlur();
    host->prepareLayout();
}

void MainWindow::showDeferredDialog()
{
    if (const std::optional<DialogOpt> opt = std::exchange(deferredDialog, std::nullopt))
        ShowDialogForm(*opt);
}

void MainWindow::HideDialogForm()
{
    deferredDialog.reset();
    QWidget *current = ClientSessionInfo::actualForm;
    if (current && !isHidden())
        StartUnblur();
    if (current)
        current->setEnabled(true);
    dialogHost()->hideAll();
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
    QPainter painter(this);
    painter.drawPixmap(0, 0, background.ofSize(ui->centralWidget->size()));
    event->accept();
    // The dialog host is made after the screens not needed yet.
    if (!std::exchange(screensMadeAhead, true))
        QTimer::singleShot(kMakeAheadAfterMs, this, [this] { screens->makeAhead([this] { dialogHost(); }); });
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
