#include "dialogs/loginform.h"

#include <QShowEvent>

#include "core/clientsessioninfo.h"
#include "core/logging.h"
#include "core/shutdown.h"
#include "core/touchfeedback.h"
#include "ui_loginform.h"

LoginForm::LoginForm(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::LoginForm>())
    , answers(this)
{
    ui->setupUi(this);
    ui->loginLine->makePinField();
    errorPalette = ui->error_label->palette();
    for (QWidget *button : { ui->loginButton, ui->offlineButton, ui->minimizeButton, ui->shutDownBtn })
        button->installEventFilter(this);
}

LoginForm::~LoginForm() = default;

bool LoginForm::eventFilter(QObject *object, QEvent *event)
{
    applyTouchFeedback(object, event);
    return false;
}

void LoginForm::showEvent(QShowEvent *event)
{
    ui->loginLine->clear();
    ui->error_label->clear();
    ClientSessionInfo::actualForm = this;
    ClientSessionInfo::whereIAM = FormLogin;
    ui->pin->setText(text(TxtPin, false, true, false, 0));
    ui->createAccBtn->setText(text(TxtCreateAccount, false, true, true, 0));
    ui->loginButton->setText(text(TxtLogin, false, true, false, 0));
    ui->offlineButton->setText(text(TxtGuest, false, true, false, 0));
    ClientSessionInfo::applicationRunning = true;
    QWidget::showEvent(event);
}

void LoginForm::hideEvent(QHideEvent *event)
{
    ClientSessionInfo::HideKeyboard();
    disconnectDialogSignals();
    QWidget::hideEvent(event);
}

void LoginForm::showError(AppText message)
{
    ui->error_label->setPalette(errorPalette);
    ui->error_label->setText(text(message, false, false, false, 0));
}

void LoginForm::on_loginButton_clicked()
{
    // The PIN stays in the field after a failure, so a typing slip can be
    // corrected.
    const auto result = ui->loginLine->text().isEmpty() ? ClientSessionInfo::LoginResult::WrongPin
                                                        : ClientSessionInfo::logIn(ui->loginLine->text());
    if (result == ClientSessionInfo::LoginResult::InUse) {
        const AccountLock &lock = ClientSessionInfo::accounts.currentLock();
        ui->error_label->setPalette(errorPalette);
        ui->error_label->setText(
            tr("This account is in use on %1.")
                .arg(lock.holderHost().isEmpty() ? tr("another computer") : lock.holderHost()));
        return;
    }
    if (result != ClientSessionInfo::LoginResult::LoggedIn) {
        showError(TxtIncorrectPin);
        return;
    }
    ClientSessionInfo::OfflineMode = false;
    emit ShowNextForm(FormMenu);
}

void LoginForm::on_offlineButton_clicked()
{
    // A guest trains without an account; the current account stays as it is.
    ClientSessionInfo::OfflineMode = true;
    emit ShowNextForm(FormPreview);
}

void LoginForm::on_createAccBtn_clicked()
{
    emit ShowDialogForm(DialogNewUser);
    answers.listen(&DialogForm::rightButtonSignalUserDialog, &LoginForm::addNewUser);
    answers.listen(&DialogForm::leftButtonSignalUserDialog, &LoginForm::disconnectDialogSignals);
}

void LoginForm::addNewUser(QString n, QString p)
{
    disconnectDialogSignals();
    if (!ClientSessionInfo::addNewUser(n, p)) {
        showError(TxtUserExistsError);
        return;
    }
    // The new account is not logged in: the trainee logs in with its PIN.
    QPalette added = ui->error_label->palette();
    added.setColor(QPalette::WindowText, Qt::green);
    ui->error_label->setPalette(added);
    ui->error_label->setText(text(TxtUserAdded, false, false, false, 0));
}

void LoginForm::on_shutDownBtn_clicked()
{
    answers.listen(&DialogForm::rightButtonDecision, &LoginForm::ShutDownPC);
    answers.listen(&DialogForm::leftButtonDecision, &LoginForm::disconnectDialogSignals);
    emit ShowDialogForm(DialogShutDown);
}

void LoginForm::ShutDownPC()
{
    disconnectDialogSignals();
    qCDebug(lcDialogs) << "process";
    shutDownComputer();
}

void LoginForm::disconnectDialogSignals()
{
    answers.stopListening();
}

void LoginForm::on_minimizeButton_clicked()
{
    emit minimize();
}

void LoginForm::on_closeBtn_clicked()
{
    QCoreApplication::quit();
}
