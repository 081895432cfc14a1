#include "dialogs/dialogform.h"

#include <QKeyEvent>
#include <QPainterPath>
#include <QVBoxLayout>

#include "camera/cameraselectdialog.h"
#include "camera/settingsdialog.h"
#include "camera/timingsettingsdialog.h"
#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "core/logging.h"
#include "dialogs/decisiondialog.h"
#include "dialogs/infodialog.h"
#include "dialogs/languageselectdialog.h"
#include "dialogs/trainingresultsdialog.h"
#include "dialogs/userdialog.h"
#include "dialogs/writelocationdialog.h"
#include "storage/user.h"
#include "ui_dialogform.h"

namespace {

// The host is this much larger than the dialog it shows.
constexpr int kHostMargin = 100;
// The panel's rounded corners, also cut out of the window so that they stay
// clear where no compositor draws the translucent background.
constexpr qreal kCornerRadius = 50;

struct FixedSize
{
    int width;
    int height;
    // Wider than width only for a dialog that may grow sideways.
    int maxWidth = width;
};
constexpr FixedSize kUserSize { 600, 400 };
constexpr FixedSize kLanguageSize { 900, 350 };
constexpr FixedSize kLocationSize { 600, 300 };
constexpr FixedSize kCameraSelectSize { 700, 500 };
constexpr FixedSize kDecisionSize { 550, 350 };
constexpr FixedSize kSettingsSize { 1024, 768 };
constexpr FixedSize kTimingSize { 500, 350, 600 };
constexpr FixedSize kResultsSize { 1300, 700 };
constexpr FixedSize kPlaceholderSize { 400, 200 };

template <typename Widget> Widget *hosted(QWidget *host, FixedSize size)
{
    auto *widget = new Widget(host);
    widget->setMinimumSize(size.width, size.height);
    widget->setMaximumSize(size.maxWidth, size.height);
    return widget;
}

AppText questionFor(DialogOpt opt)
{
    switch (opt) {
    case DialogShutDown:
        return TxtShutDownQuestion;
    case DialogFullScreen:
        return TxtFullScreenQuestion;
    case DialogFinishTraining:
        return TxtFinishTrainingQuestion;
    case DialogDeleteTrainings:
        return TxtDeleteVideosQuestion;
    default:
        return TxtResetTimeQuestion;
    }
}

} // namespace

DialogForm::DialogForm(QWidget *parent)
    // Frameless from the start: set later, the flags reparent the host,
    // which polishes its nine dialogs against the style sheet again.
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , ui(std::make_unique<Ui::DialogForm>())
    , userDialog(hosted<UserDialog>(this, kUserSize))
    , languageDialog(hosted<LanguageSelectDialog>(this, kLanguageSize))
    , locationDialog(hosted<WriteLocationDialog>(this, kLocationSize))
    , cameraSelectDialog(hosted<CameraSelectDialog>(this, kCameraSelectSize))
    , decisionDialog(hosted<DecisionDialog>(this, kDecisionSize))
    , infoDialog(hosted<InfoDialog>(this, kDecisionSize))
    , settingsDialog(hosted<SettingsDialog>(this, kSettingsSize))
    , timingDialog(hosted<TimingSettingsDialog>(this, kTimingSize))
    , resultsDialog(hosted<TrainingResultsDialog>(this, kResultsSize))
    , placeholder(hosted<QWidget>(this, kPlaceholderSize))
    , active(placeholder)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_TranslucentBackground);
    installEventFilter(this);
    ui->label->hide();
    ui->pushButton->hide();

    QLayout *panel = ui->dialogwidget->layout();
    for (QWidget *widget : { static_cast<QWidget *>(userDialog), static_cast<QWidget *>(languageDialog),
             static_cast<QWidget *>(locationDialog), static_cast<QWidget *>(cameraSelectDialog),
             static_cast<QWidget *>(decisionDialog), static_cast<QWidget *>(infoDialog),
             static_cast<QWidget *>(settingsDialog), static_cast<QWidget *>(timingDialog),
             static_cast<QWidget *>(resultsDialog), placeholder }) {
        panel->addWidget(widget);
        // Aligned, a dialog with a width range takes the width its content
        // asks for instead of whatever room the previous dialog left.
        panel->setAlignment(widget, Qt::AlignCenter);
    }

    connect(languageDialog, &LanguageSelectDialog::okClicked, this, &DialogForm::rightButtonLanguageDialog);
    connect(locationDialog, &WriteLocationDialog::okClicked, this, &DialogForm::rightButtonLocationDialog);
    connect(
        cameraSelectDialog, &CameraSelectDialog::okClicked, this, &DialogForm::rightButtonCamSelectDialog);
    connect(settingsDialog, &SettingsDialog::language, this, &DialogForm::languageChanged);
    // The user dialog's host closes before the answer goes on, so that the
    // screen that asked is enabled again when it acts on the answer. The
    // other dialogs' answers go on first; connected to one signal, the two
    // run in the order they are connected in.
    connect(userDialog, &UserDialog::okClicked, this, &DialogForm::hideDialog);
    connect(userDialog, &UserDialog::okClicked, this, &DialogForm::rightButtonSignalUserDialog);
    connect(userDialog, &UserDialog::cancelClicked, this, &DialogForm::hideDialog);
    connect(userDialog, &UserDialog::cancelClicked, this, &DialogForm::leftButtonSignalUserDialog);
    connect(settingsDialog, &SettingsDialog::okClicked, this, &DialogForm::okButtonSettingsDialog);
    connect(settingsDialog, &SettingsDialog::okClicked, this, &DialogForm::hideDialog);
    connect(decisionDialog, &DecisionDialog::leftButtonClicked, this, &DialogForm::leftButtonDecision);
    connect(decisionDialog, &DecisionDialog::leftButtonClicked, this, &DialogForm::hideDialog);
    connect(decisionDialog, &DecisionDialog::rightButtonClicked, this, &DialogForm::rightButtonDecision);
    connect(decisionDialog, &DecisionDialog::rightButtonClicked, this, &DialogForm::hideDialog);
    connect(infoDialog, &InfoDialog::okClicked, this, &DialogForm::okButtonInfoDialog);
    connect(infoDialog, &InfoDialog::okClicked, this, &DialogForm::hideDialog);
    connect(timingDialog, &TimingSettingsDialog::okClicked, this, &DialogForm::okButtonTimingDialog);
    connect(timingDialog, &TimingSettingsDialog::okClicked, this, &DialogForm::hideDialog);
    connect(resultsDialog, &TrainingResultsDialog::okClicked, this, &DialogForm::hideDialog);

    hideAll();
}

DialogForm::~DialogForm() = default;

QWidget *DialogForm::widgetFor(DialogOpt opt)
{
    switch (opt) {
    case DialogNewUser:
        userDialog->setUser(User(), CreateUser, ClientSessionInfo::users());
        return userDialog;
    case DialogEditUser:
        // Without a current account there is no PIN to change; the blank
        // record's empty PIN matches nothing the dialog accepts.
        userDialog->setUser(ClientSessionInfo::actualUser() ? *ClientSessionInfo::actualUser() : User(),
            EditUser, ClientSessionInfo::users());
        return userDialog;
    case DialogLanguage:
        return languageDialog;
    case DialogCameraSelect:
        return cameraSelectDialog;
    case DialogWriteLocation:
        return locationDialog;
    case DialogShutDown:
    case DialogFullScreen:
    case DialogFinishTraining:
    case DialogDeleteTrainings:
    case DialogResetTime:
        decisionDialog->setup(text(questionFor(opt), false, false, false, 0),
            text(TxtNo, false, true, false, 0), text(TxtYes, false, true, false, 0));
        return decisionDialog;
    case DialogCameraSettings:
        return settingsDialog;
    case DialogTimingSettings:
        return timingDialog;
    case DialogTrainingFinished:
        infoDialog->setup(
            text(TxtTrainingFinished, false, false, false, 0), text(TxtOk, false, true, false, 0));
        return infoDialog;
    case DialogTrainingResults:
        resultsDialog->setup(ClientSessionInfo::measuredVideo, ClientSessionInfo::lastMeasurement,
            text(TxtOk, false, true, false, 0));
        return resultsDialog;
    default:
        return nullptr;
    }
}

void DialogForm::prepareLayout()
{
    hideAll();
    QWidget *shown = widgetFor(dialogOpt);
    active = shown ? shown : placeholder;
    if (shown)
        shown->show();
    // The window is laid out, sized and placed while still hidden, so that
    // it is mapped once, at its final geometry. Shown at the last dialog's
    // size, it was painted, resized by the X server and painted again, back
    // to back on the GUI thread (32 ms for the results after the finish
    // question).
    ensurePolished();
    layout()->activate();
    qCDebug(lcDialogs) << "active widget size" << active->size();
    qCDebug(lcDialogs) << "parent size" << size();
    setFixedSize(active->width() + kHostMargin, active->height() + kHostMargin);
    qCDebug(lcDialogs) << "parent size" << size();
    const QRect display = ClientSessionInfo::mainDisplay;
    move((display.width() - width()) / 2, (display.height() - height()) / 2);
    show();
    activateDialogWindow();
}

void DialogForm::hideAll()
{
    ClientSessionInfo::HideKeyboard();
    QLayout *panel = ui->dialogwidget->layout();
    for (int i = 0; i < panel->count(); ++i) {
        if (QWidget *widget = panel->itemAt(i)->widget())
            widget->hide();
    }
    hide();
}

bool DialogForm::isDialogVisible() const
{
    return isVisible();
}

void DialogForm::activateDialogWindow()
{
    activateWindow();
}

bool DialogForm::eventFilter(QObject *object, QEvent *event)
{
    // Keeps the dialog in front while the window it covers would take over.
    if (object == this && event->type() == QEvent::WindowDeactivate && parentWidget()
        && parentWidget()->isActiveWindow())
        activateDialogWindow();
    return QDialog::eventFilter(object, event);
}

void DialogForm::resizeEvent(QResizeEvent *event)
{
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));
    QDialog::resizeEvent(event);
}

void DialogForm::keyPressEvent(QKeyEvent *event)
{
    // Escape must never close the host: the dialog's buttons decide.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    event->ignore();
}

void DialogForm::UserDialogRightButtonSlot(QString name, QString pin)
{
    emit hideDialog();
    emit rightButtonSignalUserDialog(name, pin);
}

void DialogForm::UserDialogLeftButtonSlot()
{
    emit hideDialog();
    emit leftButtonSignalUserDialog();
}

void DialogForm::settingsDialogButton()
{
    emit okButtonSettingsDialog();
    emit hideDialog();
}

void DialogForm::decisionLeftButton()
{
    emit leftButtonDecision();
    emit hideDialog();
}

void DialogForm::decisionRightButton()
{
    emit rightButtonDecision();
    emit hideDialog();
}

void DialogForm::infoDialogButton()
{
    emit okButtonInfoDialog();
    emit hideDialog();
}

void DialogForm::timingDialogButton(TimerType type, QTime time)
{
    emit okButtonTimingDialog(type, time);
    emit hideDialog();
}

void DialogForm::HideKeyboardSlot()
{
    ClientSessionInfo::HideKeyboard();
}
