#pragma once

#include <QVector>
#include <QWidget>
#include <memory>

#include "storage/user.h"

namespace Ui {
class UserDialog;
}

enum UserDialogType { EditUser = 0, CreateUser = 1 };

// Creates an account (name, PIN, PIN repeated) or changes the PIN of the
// given one (current PIN, new PIN). It checks the input and hands the
// accepted name and PIN out; the caller creates or changes the account.
class UserDialog : public QWidget
{
    Q_OBJECT

public:
    explicit UserDialog(QWidget *parent = nullptr);
    ~UserDialog() override;

    // Prepares the dialog for one use, with empty fields and no message.
    // The record and the list are copies: later changes to the accounts do
    // not reach an open dialog.
    void setUser(User const &user, UserDialogType const &type, QVector<User> const &users);

signals:
    void okClicked(QString, QString);
    void cancelClicked();

private slots:
    void on_okBtn_clicked();
    void on_cancelBtn_clicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The reason the typed input cannot be accepted, or an empty text.
    QString createRefusal() const;
    QString editRefusal() const;

    std::unique_ptr<Ui::UserDialog> ui;
    User user;
    UserDialogType type = CreateUser;
    QVector<User> users;
};
