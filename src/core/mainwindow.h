#pragma once

#include <QMainWindow>
#include <memory>
#include <optional>

#include "core/enums.h"
#include "core/screentransition.h"
#include "core/windowbackground.h"

namespace Ui {
class MainWindow;
}

class DialogForm;
class NoticeBar;
class ScreenSet;
class StartUp;

// The one top-level window: hosts every screen, carries out the screens'
// requests to show another screen or a dialog, and paints the background.
// The animations are a ScreenTransition's, whose steps keep their slots
// here; the start-up sequence and the first-run chain, with their language,
// camera and location slots, are a StartUp's.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    void setWelcomeType(WelcomeType type);
    void ShowNextForm(QWidget *next);

    // Read access for tests and tools.
    FormEnum currentFormValue() const { return currentForm; }
    double currentBlurRadius() const { return transition->blurRadius(); }
    double currentOpacity() const { return transition->opacity(); }
    graphicsEffectActual lastEffect() const { return actualEffect; }
    // The screen for form, made now if it was not yet; null for no screen.
    // The screens not asked for are made one at a time, and the dialog host
    // after them, once the window has been painted.
    QWidget *screenFor(FormEnum form);
    // The host of every dialog, made now if it was not yet.
    DialogForm *dialogHost();
    // Tells the user of a problem in a line over the top of the window.
    void showNotice(const QString &text);

signals:
    void GraphicsEffect(graphicsEffectActual);

public slots:
    void ShowDialogForm(DialogOpt opt);
    void HideDialogForm();

private slots:
    void blurMinSlot();
    void blurLoop() { transition->blurTick(); }
    void opacityLoop() { transition->opacityTick(); }
    void changeForm();
    void StartBlur() { transition->startBlur(); }
    void StartUnblur() { transition->startUnblur(); }
    void ShowNextForm(FormEnum nextForm = FormNone);
    void ShowNextFormWithLoading(FormEnum nextForm = FormNone, int msec = 0);
    void minimizeApp();
    void updateActualGraphicsEffect(graphicsEffectActual t);

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *makeScreen(FormEnum form);
    void showDeferredDialog();

    std::unique_ptr<Ui::MainWindow> ui;
    ScreenTransition *transition;
    std::unique_ptr<StartUp> startUp;

    ScreenSet *screens = nullptr;
    bool screensMadeAhead = false;
    NoticeBar *notice;

    graphicsEffectActual actualEffect = OpacityMax;
    FormEnum loadingTarget = FormNone;
    FormEnum pendingForm = FormNone;
    FormEnum currentForm = FormLogin;
    FormEnum previousForm = FormNone;
    bool loadingPending = false;
    // A dialog asked for while a fade runs; it opens a fade step after the
    // fade has ended.
    std::optional<DialogOpt> deferredDialog;

    WindowBackground background;
};
