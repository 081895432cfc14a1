#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <memory>

#include "core/enums.h"

namespace Ui {
class MainWindow;
}

class ChooseTrainingForm;
class LoadingForm;
class LoginForm;
class Menu;
class PreviewForm;
class QGraphicsBlurEffect;
class QGraphicsOpacityEffect;
class QTimer;
class QTranslator;
class ResultsListForm;
class VideoPlayer;

// The one top-level window: hosts every screen, fades between them, blurs
// the current screen while a dialog is open and paints the background.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    void setUpWindows();
    void setWelcomeType(WelcomeType type);
    void processXMLfile(bool *ok);
    bool dataPathsExist();
    void checkFolderStructure();
    void processDataPaths();
    void processLanguage();
    bool loadLanguage(const Language &lang);
    void processSelectedCamera();
    void ShowNextForm(QWidget *next);

    // Read access for tests and tools.
    FormEnum currentFormValue() const { return currentForm; }
    double currentBlurRadius() const { return blurRadius; }
    double currentOpacity() const { return opacity; }
    graphicsEffectActual lastEffect() const { return actualEffect; }
    QWidget *screenFor(FormEnum form) const;

signals:
    void GraphicsEffect(graphicsEffectActual);

public slots:
    void ShowDialogForm(DialogOpt opt);
    void HideDialogForm();

private slots:
    void blurMinSlot();
    void blurLoop();
    void opacityLoop();
    void changeForm();
    void StartBlur();
    void StartUnblur();
    void ShowNextForm(FormEnum nextForm = FormNone);
    void ShowNextFormWithLoading(FormEnum nextForm = FormNone, int msec = 0);
    void languageSelectedSlot(Language lang);
    void languageSelectedSlot(QString lang);
    void cameraSelectedSlot(QString, int);
    void locationSelectedSlot(QString loc);
    void newUserSlot(QString u, QString p);
    void minimizeApp();
    void updateActualGraphicsEffect(graphicsEffectActual t);

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void stopTimers();
    void startDeferredNavigation();

    std::unique_ptr<Ui::MainWindow> ui;

    LoginForm *loginForm = nullptr;
    ChooseTrainingForm *chooseTrainingForm = nullptr;
    Menu *menu = nullptr;
    PreviewForm *previewForm = nullptr;
    VideoPlayer *videoPlayer = nullptr;
    ResultsListForm *resultsListForm = nullptr;
    LoadingForm *loadingForm = nullptr;

    // Installed in the application while the window lives.
    std::unique_ptr<QTranslator> translator;
    QTimer *opacityTimer = nullptr;
    QTimer *blurTimer = nullptr;

    graphicsEffectActual actualEffect = OpacityMax;
    double opacity = 1.0;
    double blurRadius = 0.0;
    double opacityStep = 0.0;
    double blurStep = 0.0;
    QGraphicsBlurEffect *blurEffect = nullptr;
    QGraphicsOpacityEffect *opacityEffect = nullptr;

    FormEnum loadingTarget = FormNone;
    FormEnum pendingForm = FormNone;
    FormEnum currentForm = FormLogin;
    FormEnum previousForm = FormNone;
    bool loadingPending = false;
    WelcomeType welcomeType = WelcomeUserExists;

    // The background as loaded, and one copy scaled to the last painted size.
    QPixmap background;
    QPixmap scaledBackground;
};
