#pragma once

#include <QDialog>
#include <QTime>
#include <memory>

#include "core/enums.h"

namespace Ui {
class DialogForm;
}
class CameraSelectDialog;
class DecisionDialog;
class InfoDialog;
class LanguageSelectDialog;
class SettingsDialog;
class TimingSettingsDialog;
class UserDialog;
class TrainingResultsDialog;
class WriteLocationDialog;

// The overlay window that shows one dialog at a time over the blurred
// current screen, sizes itself around it, centres itself on the main
// display and relays the dialog's answer through its own signals.
class DialogForm : public QDialog
{
    Q_OBJECT

public:
    explicit DialogForm(QWidget *parent = nullptr);
    ~DialogForm() override;

    DialogOpt dialogOpt = DialogNone;

    void prepareLayout();
    void hideAll();
    bool isDialogVisible() const;
    void activateDialogWindow();

    // The widget shown for the current dialogOpt (the placeholder for none).
    QWidget *activeWidget() const { return active; }

signals:
    void leftButtonSignalUserDialog();
    void rightButtonSignalUserDialog(QString, QString);
    void rightButtonLanguageDialog(Language);
    void rightButtonLocationDialog(QString);
    void rightButtonCamSelectDialog(QString, int);
    void languageChanged(QString);
    void rightButtonDecision();
    void leftButtonDecision();
    void okButtonInfoDialog();
    void hideDialog();
    void okButtonSettingsDialog();
    void okButtonTimingDialog(TimerType, QTime);

public slots:
    // The relay as slots, each emitting what its dialog's answer makes the
    // host emit, in the same order. The host connects its own dialogs'
    // signals straight to its signals; these pass on an answer given by
    // hand.
    void LanguageDialogSlot(Language lang) { emit rightButtonLanguageDialog(lang); }
    void UserDialogRightButtonSlot(QString name, QString pin);
    void UserDialogLeftButtonSlot();
    void WriteLocationDialogSlot(QString path) { emit rightButtonLocationDialog(path); }
    void CameraSelectDialogSlot(QString name, int index) { emit rightButtonCamSelectDialog(name, index); }
    void settingsDialogButton();
    void languageChangedSlot(QString lang) { emit languageChanged(lang); }
    void decisionLeftButton();
    void decisionRightButton();
    void infoDialogButton();
    void timingDialogButton(TimerType type, QTime time);
    void HideKeyboardSlot();

protected:
    bool eventFilter(QObject *object, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *widgetFor(DialogOpt opt);

    std::unique_ptr<Ui::DialogForm> ui;
    UserDialog *userDialog;
    LanguageSelectDialog *languageDialog;
    WriteLocationDialog *locationDialog;
    CameraSelectDialog *cameraSelectDialog;
    DecisionDialog *decisionDialog;
    InfoDialog *infoDialog;
    SettingsDialog *settingsDialog;
    TimingSettingsDialog *timingDialog;
    TrainingResultsDialog *resultsDialog;
    QWidget *placeholder;
    QWidget *active;
};
