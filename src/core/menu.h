#pragma once

#include <QUrl>
#include <QWidget>
#include <memory>

#include "core/enums.h"
#include "dialogs/hostlistener.h"

namespace Ui {
class Menu;
}

// The home screen: start a training, open the history, the camera settings
// or the maker's tutorials page, or leave the application.
class Menu : public QWidget
{
    Q_OBJECT

public:
    explicit Menu(QWidget *parent = nullptr);
    ~Menu() override;

    // The maker's tutorials page, opened in the system's web browser.
    static QUrl tutorialsUrl();

signals:
    void ShowNextForm(FormEnum nextForm);
    void ShowDialogForm(DialogOpt form);
    void language(Language);

public slots:
    bool eventFilter(QObject *object, QEvent *event) override;

private slots:
    void on_returnButton_clicked();
    void on_trainingButton_clicked();
    void on_resultsButton_clicked();
    void on_camSettingsBtn_clicked();
    void on_tutorialsBtn_clicked();
    void editUserSlot(QString f, QString v);
    void disconnectDialogSignals();
    void on_accSettingsBtn_clicked();
    void on_exitBtn_clicked();
    void on_shutDownBtn_clicked();
    void ShutDownPC();
    void translate();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    std::unique_ptr<Ui::Menu> ui;
    HostListener<Menu> answers;
};
