#include <QGraphicsBlurEffect>
#include <QGraphicsOpacityEffect>
#include <QTemporaryDir>
#include <QtTest>

#include "camera/previewform.h"
#include "catalogue/choosetrainingform.h"
#include "core/clientsessioninfo.h"
#include "core/loadingform.h"
#include "core/mainwindow.h"
#include "core/menu.h"
#include "dialogs/dialogform.h"
#include "dialogs/loginform.h"
#include "history/resultslistform.h"
#include "history/videoplayer.h"
#include "sessionfixture.h"

// Drives the main window's navigation and its fade and blur animations. The
// animation slots are stepped by hand where tick counts matter, so the
// results do not depend on the speed of the machine.
class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstScreenAloneBeforeFirstPaint();
    void sameOrPreviousScreen();
    void blurDeceleratesAndIgnoresRepeats();
    void dialogBlursOnlyVisibleWindow_data();
    void dialogBlursOnlyVisibleWindow();
    void deferredNavigationWaitsForUnblur();
    void dialogDuringFadeOpensWhenItEnds_data();
    void dialogDuringFadeOpensWhenItEnds();
    void answerThatNavigatesBeforeClosing();

private:
    void navigate(FormEnum form);
    void navigateWithLoading(FormEnum form);
    void invoke(const char *slot);
    void showDialog(DialogOpt opt);
    int stepUntil(const char *slot, graphicsEffectActual end);

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<QTemporaryDir> data;
};

void MainWindowTest::init()
{
    startOnFreshInstallation(data, window);
}

void MainWindowTest::cleanup()
{
    window.reset();
    resetSession();
}

void MainWindowTest::navigate(FormEnum form)
{
    QVERIFY(QMetaObject::invokeMethod(window.get(), "ShowNextForm", Q_ARG(FormEnum, form)));
}

void MainWindowTest::navigateWithLoading(FormEnum form)
{
    QVERIFY(QMetaObject::invokeMethod(
        window.get(), "ShowNextFormWithLoading", Q_ARG(FormEnum, form), Q_ARG(int, 100)));
}

void MainWindowTest::invoke(const char *slot)
{
    QVERIFY(QMetaObject::invokeMethod(window.get(), slot));
}

void MainWindowTest::showDialog(DialogOpt opt)
{
    QVERIFY(QMetaObject::invokeMethod(window.get(), "ShowDialogForm", Q_ARG(DialogOpt, opt)));
}

// Calls one animation step after another until the given end is reported;
// returns the number of steps, or -1 when it never came.
int MainWindowTest::stepUntil(const char *slot, graphicsEffectActual end)
{
    QSignalSpy ends(window.get(), &MainWindow::GraphicsEffect);
    for (int tick = 1; tick <= 100; ++tick) {
        QMetaObject::invokeMethod(window.get(), slot);
        for (const QList<QVariant> &args : qAsConst(ends)) {
            if (args.at(0).value<graphicsEffectActual>() == end)
                return tick;
        }
    }
    return -1;
}

void MainWindowTest::firstScreenAloneBeforeFirstPaint()
{
    // Shown, the window has the menu alone; the other screens and the
    // dialog host follow, unasked.
    QVERIFY(window->findChild<Menu *>());
    QVERIFY(!window->findChild<PreviewForm *>());
    QVERIFY(!window->findChild<ResultsListForm *>());
    QVERIFY(!ClientSessionInfo::dialogForm);
    QTRY_VERIFY_WITH_TIMEOUT(ClientSessionInfo::dialogForm, 10000);
    const QList<QWidget *> made { window->findChild<LoginForm *>(), window->findChild<ChooseTrainingForm *>(),
        window->findChild<PreviewForm *>(), window->findChild<VideoPlayer *>(),
        window->findChild<ResultsListForm *>(), window->findChild<LoadingForm *>() };
    QVERIFY(!made.contains(nullptr));
    QCOMPARE(ClientSessionInfo::actualForm, window->screenFor(FormMenu));
}

void MainWindowTest::sameOrPreviousScreen()
{
    // At start-up the menu shows while the current form still reads login,
    // so asking for the login screen changes nothing.
    QWidget *menu = window->screenFor(FormMenu);
    QCOMPARE(window->currentFormValue(), FormLogin);
    navigate(FormLogin);
    QVERIFY(!menu->graphicsEffect());
    QCOMPARE(ClientSessionInfo::nextForm, nullptr);

    // No screen was left yet, so there is no previous form: the pending
    // target of a deferred navigation is taken instead.
    navigateWithLoading(FormVideoPlayer);
    navigate(FormPrevious);
    QCOMPARE(window->currentFormValue(), FormVideoPlayer);
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, window->screenFor(FormVideoPlayer), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(window->lastEffect(), OpacityMax, 10000);

    // Now the menu was the anchor when the player was navigated to.
    navigate(FormPrevious);
    QCOMPARE(window->currentFormValue(), FormMenu);
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, menu, 10000);
}

void MainWindowTest::blurDeceleratesAndIgnoresRepeats()
{
    QWidget *menu = window->screenFor(FormMenu);
    invoke("StartBlur");
    auto *blur = qobject_cast<QGraphicsBlurEffect *>(menu->graphicsEffect());
    QVERIFY(blur);
    const double expected[] = { 1.5, 3.62, 5.30, 6.70, 7.91 };
    for (double radius : expected) {
        invoke("blurLoop");
        QVERIFY2(qAbs(window->currentBlurRadius() - radius) < 0.006,
            qPrintable(QString::number(window->currentBlurRadius())));
        // Asking again while it blurs, or once it is blurred, changes nothing.
        invoke("StartBlur");
        QCOMPARE(menu->graphicsEffect(), blur);
    }
    QCOMPARE(stepUntil("blurLoop", BlurMax) + 5, 24);
    QCOMPARE(window->currentBlurRadius(), 19.0);
    invoke("StartBlur");
    QCOMPARE(window->currentBlurRadius(), 19.0);

    // A blur asked for while it clears starts again from where it stands.
    invoke("StartUnblur");
    invoke("blurLoop");
    invoke("blurLoop");
    QCOMPARE(window->currentBlurRadius(), 15.0);
    invoke("StartBlur");
    blur = qobject_cast<QGraphicsBlurEffect *>(menu->graphicsEffect());
    QVERIFY(blur);
    QCOMPARE(blur->blurRadius(), 15.0);
    invoke("blurLoop");
    QVERIFY(window->currentBlurRadius() > 15.0);

    QVERIFY(stepUntil("blurLoop", BlurMax) > 0);
    invoke("StartUnblur");
    QCOMPARE(stepUntil("blurLoop", BlurMin), 10);
    QVERIFY(!menu->graphicsEffect());
}

void MainWindowTest::dialogBlursOnlyVisibleWindow_data()
{
    QTest::addColumn<QString>("windowState");
    QTest::addColumn<bool>("blurs");
    QTest::newRow("shown") << "shown" << true;
    QTest::newRow("minimised") << "minimised" << true;
    QTest::newRow("hidden") << "hidden" << false;
}

void MainWindowTest::dialogBlursOnlyVisibleWindow()
{
    QFETCH(QString, windowState);
    QFETCH(bool, blurs);
    QWidget *menu = window->screenFor(FormMenu);
    if (windowState == "minimised")
        window->showMinimized();
    else if (windowState == "hidden")
        window->hide();

    showDialog(DialogShutDown);
    QVERIFY(ClientSessionInfo::dialogHost()->isDialogVisible());
    QVERIFY(!menu->isEnabled());
    QCOMPARE(qobject_cast<QGraphicsBlurEffect *>(menu->graphicsEffect()) != nullptr, blurs);

    invoke("HideDialogForm");
    QVERIFY(menu->isEnabled());
    QVERIFY(!ClientSessionInfo::dialogHost()->isDialogVisible());
    if (blurs)
        QTRY_VERIFY_WITH_TIMEOUT(!menu->graphicsEffect(), 10000);
}

void MainWindowTest::deferredNavigationWaitsForUnblur()
{
    QWidget *menu = window->screenFor(FormMenu);
    QWidget *loading = window->screenFor(FormLoading);
    QWidget *preview = window->screenFor(FormPreview);

    QList<QWidget *> shown;
    connect(window.get(), &MainWindow::GraphicsEffect, this, [&shown](graphicsEffectActual end) {
        if (end == OpacityMin && (shown.isEmpty() || shown.last() != ClientSessionInfo::actualForm))
            shown << ClientSessionInfo::actualForm;
    });

    showDialog(DialogFinishTraining);
    navigateWithLoading(FormPreview);
    // A fade taken at once would have replaced the blur under the dialog.
    QVERIFY(qobject_cast<QGraphicsBlurEffect *>(menu->graphicsEffect()));
    QCOMPARE(ClientSessionInfo::actualForm, menu);

    invoke("HideDialogForm");
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, loading, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, preview, 15000);
    QCOMPARE(shown, (QList<QWidget *> { loading, preview }));
}

void MainWindowTest::dialogDuringFadeOpensWhenItEnds_data()
{
    QTest::addColumn<bool>("duringFadeIn");
    QTest::newRow("fade-out") << false;
    QTest::newRow("fade-in") << true;
}

void MainWindowTest::dialogDuringFadeOpensWhenItEnds()
{
    QFETCH(bool, duringFadeIn);
    QWidget *history = window->screenFor(FormResultsList);
    DialogForm *host = ClientSessionInfo::dialogHost();
    navigate(FormResultsList);
    if (duringFadeIn)
        QCOMPARE(stepUntil("opacityLoop", OpacityMin), 11);

    // A tap on the settings while the screens change.
    showDialog(DialogCameraSettings);
    QVERIFY(!host->isVisible());
    if (!duringFadeIn)
        QCOMPARE(stepUntil("opacityLoop", OpacityMin), 11);
    QCOMPARE(stepUntil("opacityLoop", OpacityMax), 11);

    // The fade has brought its screen in; the dialog opens over it a fade
    // step later.
    QCOMPARE(ClientSessionInfo::actualForm, history);
    QCOMPARE(window->currentOpacity(), 1.0);
    QTRY_VERIFY(host->isVisible());
    QCOMPARE(host->dialogOpt, DialogCameraSettings);
    QVERIFY(!history->isEnabled());
    QVERIFY(qobject_cast<QGraphicsBlurEffect *>(history->graphicsEffect()));
    QVERIFY(stepUntil("blurLoop", BlurMax) > 0);
    QCOMPARE(window->currentBlurRadius(), 19.0);

    invoke("HideDialogForm");
    QTRY_VERIFY_WITH_TIMEOUT(!history->graphicsEffect(), 10000);
    QVERIFY(history->isEnabled());
}

void MainWindowTest::answerThatNavigatesBeforeClosing()
{
    QWidget *menu = window->screenFor(FormMenu);
    QWidget *history = window->screenFor(FormResultsList);
    showDialog(DialogShutDown);
    QVERIFY(stepUntil("blurLoop", BlurMax) > 0);

    // The answer asks for another screen before the host closes: the fade
    // replaces (and so deletes) the blur under the dialog.
    navigate(FormResultsList);
    QVERIFY(qobject_cast<QGraphicsOpacityEffect *>(menu->graphicsEffect()));
    invoke("HideDialogForm");

    // Both animations run to their ends, and the navigation arrives.
    QTRY_COMPARE_WITH_TIMEOUT(window->currentBlurRadius(), 0.0, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, history, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(window->lastEffect(), OpacityMax, 10000);
    QVERIFY(!history->graphicsEffect());
    QVERIFY(history->isEnabled());
    QVERIFY(!menu->isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
