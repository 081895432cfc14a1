#include "dialogs/userdialog.h"

#include <QShowEvent>
#include <algorithm>

#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "ui_userdialog.h"

namespace {
// Accounts are created with PINs of exactly this many digits.
constexpr int kPinLength = 4;

QString withColon(AppText t)
{
    return text(t, false, false, false, 0) + QLatin1Char(':');
}
} // namespace

UserDialog::UserDialog(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::UserDialog>())
{
    ui->setupUi(this);
    ui->pin1->makePinField();
    ui->pin2->makePinField();
}

UserDialog::~UserDialog() = default;

void UserDialog::setUser(User const &user, UserDialogType const &type, QVector<User> const &users)
{
    ui->errorLabel->clear();
    ui->title->clear();
    ui->login->clear();
    ui->pin1->clear();
    ui->pin2->clear();
    this->user = user;
    this->type = type;
    this->users = users;
    if (type == CreateUser) {
        ui->login->setEnabled(true);
        ui->title->setText(text(TxtCreateAccount, false, false, false, 0));
        ui->pin1label->setText(withColon(TxtPin));
        ui->pin2label->setText(withColon(TxtConfirmPin));
    } else {
        ui->title->setText(text(TxtAccountSettings, false, false, false, 0));
        // The name names the account's file and folder: it cannot change.
        ui->login->setText(user.nameText());
        ui->login->setEnabled(false);
        ui->pin1label->setText(withColon(TxtCurrentPin));
        ui->pin2label->setText(withColon(TxtNewPin));
    }
}

void UserDialog::showEvent(QShowEvent *event)
{
    ui->cancelBtn->setText(text(TxtCancel, false, true, false, 0));
    ui->okBtn->setText(text(TxtOk, false, true, false, 0));
    ui->username->setText(withColon(TxtUsername));
    event->accept();
}

QString UserDialog::createRefusal() const
{
    // The name becomes the account's file name: one the account store would
    // refuse is turned down here, where the user can still correct it.
    const QString name = ui->login->text();
    if (name.isEmpty())
        return tr("Please enter a user name.");
    if (!ClientSessionInfo::accounts.acceptsName(name))
        return tr("This name cannot be used. Please choose a shorter name without / or \\ that does not "
                  "start with a dot.");
    const QString pin = ui->pin1->text();
    if (pin.size() != kPinLength || !areSimilar(pin, ui->pin2->text()))
        return text(TxtPinsMustMatch, false, false, false, 0);
    return QString();
}

QString UserDialog::editRefusal() const
{
    const QString current = ui->pin1->text();
    const QString newPin = ui->pin2->text();
    // An empty current PIN never matches, also not a damaged record's empty
    // one. The new PIN must be nobody's, so also not the current one.
    const bool accepted
        = !current.isEmpty() && areSimilar(current, user.pinText()) && newPin.size() == kPinLength;
    const bool taken = std::any_of(users.cbegin(), users.cend(),
        [&newPin](const User &account) { return areSimilar(account.pinText(), newPin); });
    return accepted && !taken ? QString() : text(TxtIncorrectPin, false, false, false, 0);
}

void UserDialog::on_okBtn_clicked()
{
    const QString refusal = type == CreateUser ? createRefusal() : editRefusal();
    if (!refusal.isEmpty()) {
        ui->errorLabel->setText(refusal);
        return;
    }
    if (type == CreateUser)
        emit okClicked(ui->login->text(), ui->pin1->text());
    else
        emit okClicked(user.nameText(), ui->pin2->text());
}

void UserDialog::on_cancelBtn_clicked()
{
    emit cancelClicked();
}
