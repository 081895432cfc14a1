#pragma once

#include <QPalette>
#include <QWidget>
#include <memory>

#include "core/apptext.h"
#include "core/enums.h"
#include "dialogs/hostlistener.h"

namespace Ui {
class LoginForm;
}

// Login by PIN, a guest session without an account, and the creation of an
// account through the user dialog; also minimises the application, closes
// it and shuts the computer down after asking.
class LoginForm : public QWidget
{
    Q_OBJECT

public:
    explicit LoginForm(QWidget *parent = nullptr);
    ~LoginForm() override;

signals:
    void ShowNextForm(FormEnum);
    void ShowDialogForm(DialogOpt);
    void minimize();
    void language(Language);

private slots:
    void on_createAccBtn_clicked();
    void on_offlineButton_clicked();
    void on_loginButton_clicked();
    void on_minimizeButton_clicked();
    void on_shutDownBtn_clicked();
    void on_closeBtn_clicked();
    void addNewUser(QString n, QString p);
    void ShutDownPC();
    void disconnectDialogSignals();

protected:
    bool eventFilter(QObject *object, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // Shows message in the error label in the red of the form.
    void showError(AppText message);

    std::unique_ptr<Ui::LoginForm> ui;
    // The error label's red palette, as the form sets it up.
    QPalette errorPalette;
    // Every answer slot stops listening for all of the screen's questions,
    // so that asking again never acts twice on one answer.
    HostListener<LoginForm> answers;
};
