#include <QGraphicsBlurEffect>
#include <QGraphicsOpacityEffect>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "dialogs/dialogform.h"
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

    void sameFormDoesNothing();
    void previousFallsBackToPendingForm();
    void fadeTakesElevenTicksEachHalf();
    void blurRadiusSequenceAndTickCounts();
    void secondBlurDuringBlurDoesNothing();
    void blurDuringUnblurRestartsFromCurrentRadius();
    void dialogBlursOnlyVisibleWindow_data();
    void dialogBlursOnlyVisibleWindow();
    void deferredNavigationWaitsForUnblur();
    void dialogDuringFadeOpensWhenItEnds_data();
    void dialogDuringFadeOpensWhenItEnds();
    void answerThatNavigatesBeforeClosing();
    void backLeadsToMenu_data();
    void backLeadsToMenu();
    void backgroundScaledOncePerSize();

private:
    void navigate(FormEnum form);
    void navigateWithLoading(FormEnum form);
    void invoke(const char *slot);
    int stepUntil(const char *slot, graphicsEffectActual end);

    MainWindow *window = nullptr;
    std::unique_ptr<QTemporaryDir> data;
};

void MainWindowTest::init()
{
    resetSession();
    startOnFreshInstallation(data, window);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(ClientSessionInfo::applicationRunning);
}

void MainWindowTest::cleanup()
{
    delete window;
    window = nullptr;
    resetSession();
}

void MainWindowTest::navigate(FormEnum form)
{
    QVERIFY(QMetaObject::invokeMethod(window, "ShowNextForm", Q_ARG(FormEnum, form)));
}

void MainWindowTest::navigateWithLoading(FormEnum form)
{
    QVERIFY(QMetaObject::invokeMethod(
        window, "ShowNextFormWithLoading", Q_ARG(FormEnum, form), Q_ARG(int, 1000)));
}

void MainWindowTest::invoke(const char *slot)
{
    QVERIFY(QMetaObject::invokeMethod(window, slot));
}

// Calls one animation step after another until the given end is reported;
// returns the number of steps, or -1 when it never came.
int MainWindowTest::stepUntil(const char *slot, graphicsEffectActual end)
{
    QSignalSpy ends(window, &MainWindow::GraphicsEffect);
    for (int tick = 1; tick <= 100; ++tick) {
        QMetaObject::invokeMethod(window, slot);
        for (const QList<QVariant> &args : qAsConst(ends)) {
            if (args.at(0).value<graphicsEffectActual>() == end)
                return tick;
        }
    }
    return -1;
}

void MainWindowTest::sameFormDoesNothing()
{
    // At start-up the menu shows while the current form still reads login.
    QWidget *menu = window->screenFor(FormMenu);
    QCOMPARE(ClientSessionInfo::actualForm, menu);
    QCOMPARE(window->currentFormValue(), FormLogin);

    navigate(FormLogin);
    QVERIFY(!menu->graphicsEffect());
    QCOMPARE(ClientSessionInfo::nextForm, nullptr);

    navigate(FormResultsList);
    QCOMPARE(ClientSessionInfo::nextForm, window->screenFor(FormResultsList));
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, window->screenFor(FormResultsList), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(window->lastEffect(), OpacityMax, 10000);
    QVERIFY(!menu->isVisible());
}

void MainWindowTest::previousFallsBackToPendingForm()
{
    // No screen was left yet, so there is no previous form: the pending
    // target of a deferred navigation is taken instead.
    navigateWithLoading(FormVideoPlayer);
    navigate(FormPrevious);
    QCOMPARE(window->currentFormValue(), FormVideoPlayer);
    QCOMPARE(ClientSessionInfo::nextForm, window->screenFor(FormVideoPlayer));
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, window->screenFor(FormVideoPlayer), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(window->lastEffect(), OpacityMax, 10000);

    // Now the menu was the anchor when the player was navigated to.
    navigate(FormPrevious);
    QCOMPARE(window->currentFormValue(), FormMenu);
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, window->screenFor(FormMenu), 10000);
}

void MainWindowTest::fadeTakesElevenTicksEachHalf()
{
    QWidget *menu = window->screenFor(FormMenu);
    QWidget *history = window->screenFor(FormResultsList);
    navigate(FormResultsList);
    auto *fade = qobject_cast<QGraphicsOpacityEffect *>(menu->graphicsEffect());
    QVERIFY(fade);

    QCOMPARE(stepUntil("opacityLoop", OpacityMin), 11);
    QCOMPARE(ClientSessionInfo::actualForm, history);
    QVERIFY(!menu->isVisible());
    QCOMPARE(history->graphicsEffect(), fade);
    QCOMPARE(fade->opacity(), 0.0);
    QVERIFY(!graphicsStruct::opamin);

    QCOMPARE(stepUntil("opacityLoop", OpacityMax), 11);
    QCOMPARE(window->currentOpacity(), 1.0);
    QVERIFY(!history->graphicsEffect());
    QVERIFY(graphicsStruct::opamax);
    QVERIFY(!graphicsStruct::opamin);
}

void MainWindowTest::blurRadiusSequenceAndTickCounts()
{
    QWidget *menu = window->screenFor(FormMenu);
    invoke("StartBlur");
    QVERIFY(qobject_cast<QGraphicsBlurEffect *>(menu->graphicsEffect()));

    const double expected[] = { 1.5, 3.62, 5.30, 6.70, 7.91 };
    for (double radius : expected) {
        invoke("blurLoop");
        QVERIFY2(qAbs(window->currentBlurRadius() - radius) < 0.006,
            qPrintable(QString::number(window->currentBlurRadius())));
    }
    QCOMPARE(stepUntil("blurLoop", BlurMax) + 5, 24);
    QCOMPARE(window->currentBlurRadius(), 19.0);
    QVERIFY(!graphicsStruct::blurmax);

    invoke("StartUnblur");
    QCOMPARE(stepUntil("blurLoop", BlurMin), 10);
    QCOMPARE(window->currentBlurRadius(), 0.0);
    QVERIFY(!menu->graphicsEffect());
    QVERIFY(graphicsStruct::blurmin);
}

void MainWindowTest::secondBlurDuringBlurDoesNothing()
{
    QWidget *menu = window->screenFor(FormMenu);
    invoke("StartBlur");
    invoke("blurLoop");
    invoke("blurLoop");
    QGraphicsEffect *effect = menu->graphicsEffect();
    const double radius = window->currentBlurRadius();

    invoke("StartBlur");
    QCOMPARE(menu->graphicsEffect(), effect);
    QCOMPARE(window->currentBlurRadius(), radius);

    // Fully blurred: asking again still changes nothing.
    QVERIFY(stepUntil("blurLoop", BlurMax) > 0);
    invoke("StartBlur");
    QCOMPARE(menu->graphicsEffect(), effect);
    QCOMPARE(window->currentBlurRadius(), 19.0);
}

void MainWindowTest::blurDuringUnblurRestartsFromCurrentRadius()
{
    QWidget *menu = window->screenFor(FormMenu);
    invoke("StartBlur");
    QVERIFY(stepUntil("blurLoop", BlurMax) > 0);
    invoke("StartUnblur");
    invoke("blurLoop");
    invoke("blurLoop");
    QCOMPARE(window->currentBlurRadius(), 15.0);
    QGraphicsEffect *before = menu->graphicsEffect();

    invoke("StartBlur");
    QVERIFY(menu->graphicsEffect() != before);
    auto *blur = qobject_cast<QGraphicsBlurEffect *>(menu->graphicsEffect());
    QVERIFY(blur);
    QCOMPARE(blur->blurRadius(), 15.0);
    invoke("blurLoop");
    QVERIFY(window->currentBlurRadius() > 15.0);
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

    QMetaObject::invokeMethod(window, "ShowDialogForm", Q_ARG(DialogOpt, DialogShutDown));
    QCOMPARE(ClientSessionInfo::dialogForm->dialogOpt, DialogShutDown);
    QVERIFY(ClientSessionInfo::dialogForm->isDialogVisible());
    QVERIFY(!menu->isEnabled());
    QCOMPARE(qobject_cast<QGraphicsBlurEffect *>(menu->graphicsEffect()) != nullptr, blurs);

    QSignalSpy ends(window, &MainWindow::GraphicsEffect);
    QMetaObject::invokeMethod(window, "HideDialogForm");
    QVERIFY(menu->isEnabled());
    QVERIFY(!ClientSessionInfo::dialogForm->isDialogVisible());
    if (blurs)
        QTRY_VERIFY_WITH_TIMEOUT(!menu->graphicsEffect(), 10000);
}

void MainWindowTest::deferredNavigationWaitsForUnblur()
{
    QWidget *menu = window->screenFor(FormMenu);
    QWidget *loading = window->screenFor(FormLoading);
    QWidget *preview = window->screenFor(FormPreview);

    QList<QWidget *> shown;
    auto recorder = connect(window, &MainWindow::GraphicsEffect, this, [&shown](graphicsEffectActual end) {
        if (end == OpacityMin && (shown.isEmpty() || shown.last() != ClientSessionInfo::actualForm))
            shown << ClientSessionInfo::actualForm;
    });

    QMetaObject::invokeMethod(window, "ShowDialogForm", Q_ARG(DialogOpt, DialogFinishTraining));
    navigateWithLoading(FormPreview);
    QTest::qWait(300);
    QCOMPARE(ClientSessionInfo::actualForm, menu);
    QVERIFY(shown.isEmpty());

    QMetaObject::invokeMethod(window, "HideDialogForm");
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, loading, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, preview, 15000);
    QCOMPARE(shown, (QList<QWidget *> { loading, preview }));
    disconnect(recorder);
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
    DialogForm *host = ClientSessionInfo::dialogForm;
    navigate(FormResultsList);
    if (duringFadeIn)
        QCOMPARE(stepUntil("opacityLoop", OpacityMin), 11);

    // A tap on the settings while the screens change.
    QMetaObject::invokeMethod(window, "ShowDialogForm", Q_ARG(DialogOpt, DialogCameraSettings));
    QVERIFY(!host->isVisible());
    if (!duringFadeIn)
        QCOMPARE(stepUntil("opacityLoop", OpacityMin), 11);
    QCOMPARE(stepUntil("opacityLoop", OpacityMax), 11);

    // The fade has brought its screen in; the dialog opens over it.
    QCOMPARE(ClientSessionInfo::actualForm, history);
    QCOMPARE(window->currentOpacity(), 1.0);
    QVERIFY(host->isVisible());
    QCOMPARE(host->dialogOpt, DialogCameraSettings);
    QVERIFY(!history->isEnabled());
    QVERIFY(qobject_cast<QGraphicsBlurEffect *>(history->graphicsEffect()));
    QVERIFY(stepUntil("blurLoop", BlurMax) > 0);
    QCOMPARE(window->currentBlurRadius(), 19.0);

    QMetaObject::invokeMethod(window, "HideDialogForm");
    QTRY_VERIFY_WITH_TIMEOUT(!history->graphicsEffect(), 10000);
    QVERIFY(history->isEnabled());
}

void MainWindowTest::answerThatNavigatesBeforeClosing()
{
    QWidget *menu = window->screenFor(FormMenu);
    QWidget *history = window->screenFor(FormResultsList);
    QMetaObject::invokeMethod(window, "ShowDialogForm", Q_ARG(DialogOpt, DialogShutDown));
    QVERIFY(stepUntil("blurLoop", BlurMax) > 0);

    // The answer asks for another screen before the host closes: the fade
    // replaces (and so deletes) the blur under the dialog.
    navigate(FormResultsList);
    QVERIFY(qobject_cast<QGraphicsOpacityEffect *>(menu->graphicsEffect()));
    QMetaObject::invokeMethod(window, "HideDialogForm");

    // Both animations run to their ends, and the navigation arrives.
    QTRY_COMPARE_WITH_TIMEOUT(window->currentBlurRadius(), 0.0, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, history, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(window->lastEffect(), OpacityMax, 10000);
    QVERIFY(!history->graphicsEffect());
    QVERIFY(history->isEnabled());
    QVERIFY(!menu->isVisible());
}

void MainWindowTest::backLeadsToMenu_data()
{
    QTest::addColumn<FormEnum>("screen");
    QTest::newRow("training") << FormPreview;
    QTest::newRow("history") << FormResultsList;
}

void MainWindowTest::backLeadsToMenu()
{
    QFETCH(FormEnum, screen);
    navigate(screen);
    QWidget *shown = window->screenFor(screen);
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, shown, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(window->lastEffect(), OpacityMax, 10000);

    auto *back = shown->findChild<QPushButton *>("returnBtn");
    QVERIFY(back && back->isVisible());
    QCOMPARE(back->text(), QStringLiteral("BACK"));
    QTest::mouseClick(back, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, window->screenFor(FormMenu), 10000);
    QCOMPARE(window->currentFormValue(), FormMenu);
}

void MainWindowTest::backgroundScaledOncePerSize()
{
    // Painting twice at one size must give the same picture: the background
    // is scaled from the original, never from an earlier scaled copy.
    window->showNormal();
    window->resize(1200, 800);
    QTest::qWait(50);
    const QImage first = window->grab().toImage();
    window->resize(1024, 768);
    QTest::qWait(50);
    window->resize(1200, 800);
    QTest::qWait(50);
    const QImage second = window->grab().toImage();
    QCOMPARE(first.size(), second.size());
    QCOMPARE(first, second);
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
