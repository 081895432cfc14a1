#include <QCamera>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QtTest>
#include <memory>

#include "camera/bandcheckview.h"
#include "camera/camera.h"
#include "camera/cameraselectdialog.h"
#include "camera/settingsdialog.h"
#include "camera/timingsettingsdialog.h"
#include "camera/videowidget.h"
#include "core/mainwindow.h"
#include "core/menu.h"
#include "sessionfixture.h"

namespace {

constexpr auto kCheckedIcon = ":/graphics/application_layout/checked_checkbox.png";
constexpr auto kUncheckedIcon = ":/graphics/application_layout/unchecked_checkbox.png";

// "on" or "off", with a note when the icon tells otherwise.
QString checkState(const QPushButton *button)
{
    const QSize size = button->iconSize();
    const QIcon expected(QLatin1String(button->isChecked() ? kCheckedIcon : kUncheckedIcon));
    const bool iconAgrees = button->icon().pixmap(size).toImage() == expected.pixmap(size).toImage();
    return QLatin1String(button->isChecked() ? "on" : "off")
        + QLatin1String(iconAgrees ? "" : " (wrong icon)");
}

// The timing dialog's rows as shown. The button "timer" is the stopwatch's,
// the button "stopwatch" the countdown's: their names cross.
QString timingState(const QWidget *dialog)
{
    return QStringLiteral("stopwatch %1, countdown %2, duration %3")
        .arg(checkState(dialog->findChild<QPushButton *>("timer")),
            checkState(dialog->findChild<QPushButton *>("stopwatch")),
            QLatin1String(
                dialog->findChild<QWidget *>("stopwatchframe")->isEnabled() ? "editable" : "locked"));
}

QTime shownDuration(const QWidget *dialog)
{
    return dialog->findChild<QTimeEdit *>("timeEdit")->time();
}

// The buttons tapped in a row of data, by object name.
void tap(QWidget *dialog, const QStringList &names)
{
    for (const QString &name : names)
        QTest::mouseClick(dialog->findChild<QPushButton *>(name), Qt::LeftButton);
}

} // namespace

// The dialog host and the menu on a running application with one account:
// the order in which answers travel, the settings and timing dialogs'
// effects.
class DialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void answersTravelBeforeOrAfterClosingNotEscape_data();
    void answersTravelBeforeOrAfterClosingNotEscape();
    void settingsFollowCamerasPluggedAndUnplugged();
    void cameraSelectionSaysTheServiceIsMissing();
    void closedCameraDialogStaysClosed();
    void bandCheckCirclesBandsOrWarns_data();
    void bandCheckCirclesBandsOrWarns();
    void timingChoiceShownTappedAndReported_data();
    void timingChoiceShownTappedAndReported();

private:
    void showDialog(DialogOpt opt);
    // The timing dialog, shown as the training screen asks for it, after
    // giving the account the stored choice.
    TimingSettingsDialog *showTiming(int stopwatchOn, int timerOn, int timerSeconds);
    // The settings dialog, shown, once its image settings are offered.
    Menu *menu() const { return static_cast<Menu *>(window->screenFor(FormMenu)); }

    std::unique_ptr<QTemporaryDir> data;
    std::unique_ptr<MainWindow> window;
};

void DialogsTest::init()
{
    startOnFreshInstallation(data, window);
}

void DialogsTest::cleanup()
{
    qputenv("KAVRIN_VIRTUAL_CAMERAS", "1");
    qunsetenv("KAVRIN_VIRTUAL_CAMERA_SERVICE");
    qunsetenv("KAVRIN_VIRTUAL_CAMERA_INSTRUMENTS");
    window.reset();
    resetSession();
}

void DialogsTest::showDialog(DialogOpt opt)
{
    QMetaObject::invokeMethod(window.get(), "ShowDialogForm", Q_ARG(DialogOpt, opt));
}

void DialogsTest::answersTravelBeforeOrAfterClosingNotEscape_data()
{
    QTest::addColumn<int>("dialog");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("decision yes") << int(DialogShutDown) << "rightBtn"
                                  << QStringList { "rightButtonDecision", "hideDialog" };
    QTest::newRow("decision no") << int(DialogFinishTraining) << "leftBtn"
                                 << QStringList { "leftButtonDecision", "hideDialog" };
    QTest::newRow("information") << int(DialogTrainingFinished) << "pushButton"
                                 << QStringList { "okButtonInfoDialog", "hideDialog" };
    QTest::newRow("settings") << int(DialogCameraSettings) << "pushButton"
                              << QStringList { "okButtonSettingsDialog", "hideDialog" };
    QTest::newRow("timing") << int(DialogTimingSettings) << "pushButton"
                            << QStringList { "okButtonTimingDialog", "hideDialog" };
}

void DialogsTest::answersTravelBeforeOrAfterClosingNotEscape()
{
    QFETCH(int, dialog);
    QFETCH(QString, button);
    QFETCH(QStringList, expected);
    DialogForm *host = ClientSessionInfo::dialogHost();
    QStringList heard;
    auto record = [this, host, &heard](auto signal, const char *name) {
        connect(host, signal, this, [&heard, name] { heard << QString::fromLatin1(name); });
    };
    record(&DialogForm::rightButtonDecision, "rightButtonDecision");
    record(&DialogForm::leftButtonDecision, "leftButtonDecision");
    record(&DialogForm::okButtonInfoDialog, "okButtonInfoDialog");
    record(&DialogForm::okButtonSettingsDialog, "okButtonSettingsDialog");
    record(&DialogForm::okButtonTimingDialog, "okButtonTimingDialog");
    record(&DialogForm::hideDialog, "hideDialog");

    showDialog(DialogOpt(dialog));
    QWidget *active = host->activeWidget();
    // The host is the dialog with a margin, centred on the main display.
    const QRect display = ClientSessionInfo::mainDisplay;
    const QSize hostSize = active->size() + QSize(100, 100);
    QCOMPARE(host->geometry(),
        QRect(QPoint((display.width() - hostSize.width()) / 2, (display.height() - hostSize.height()) / 2),
            hostSize));
    // Escape must not close the host: only the dialog's buttons answer.
    QTest::keyClick(host, Qt::Key_Escape);
    QVERIFY(active->isVisible());
    QVERIFY(heard.isEmpty());
    QTest::mouseClick(active->findChild<QPushButton *>(button), Qt::LeftButton);
    QCOMPARE(heard, expected);
    QVERIFY(!host->isVisible());
    QVERIFY(menu()->isEnabled());
}

// Starting without a camera, the settings show why there is no picture and
// no image settings; the list then follows the cameras plugged in and out.
void DialogsTest::settingsFollowCamerasPluggedAndUnplugged()
{
    qputenv("KAVRIN_VIRTUAL_CAMERAS", "0");
    showDialog(DialogCameraSettings);
    auto *settings = shownDialog<SettingsDialog>();
    QVERIFY(settings);
    auto *cameras = settings->findChild<QComboBox *>("cameraList");
    auto *imagePanel = settings->findChild<QFrame *>("frame_3");
    auto *problem = settings->findChild<QLabel *>("cameraProblem");
    QTRY_VERIFY_WITH_TIMEOUT(problem->isVisible() && problem->text().contains("No camera found."), 5000);
    QVERIFY(!imagePanel->isVisible());
    QCOMPARE(cameras->count(), 0);

    qputenv("KAVRIN_VIRTUAL_CAMERAS", "1");
    QTRY_COMPARE_WITH_TIMEOUT(cameras->count(), 1, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(imagePanel->isVisible(), 5000);
    QVERIFY(!problem->isVisible());
    QVERIFY(ClientSessionInfo::IsPreviewingCamera());
    QCamera *device = ClientSessionInfo::camera->currentDevice();
    QVERIFY(device);

    // Every report fills the list again; the preview of the same camera
    // goes on.
    QSignalSpy reports(cameras->model(), &QAbstractItemModel::rowsInserted);
    QTRY_VERIFY_WITH_TIMEOUT(reports.count() >= 2, 5000);
    QCOMPARE(ClientSessionInfo::camera->currentDevice(), device);

    qputenv("KAVRIN_VIRTUAL_CAMERAS", "2");
    QTRY_COMPARE_WITH_TIMEOUT(cameras->count(), 2, 5000);
    QCOMPARE(cameras->itemText(1), QStringLiteral("Virtual Camera 2"));
    qputenv("KAVRIN_VIRTUAL_CAMERAS", "0");
    QTRY_COMPARE_WITH_TIMEOUT(cameras->count(), 0, 5000);

    QMetaObject::invokeMethod(window.get(), "HideDialogForm");
    QVERIFY(!ClientSessionInfo::IsPreviewingCamera());
}

// As with a USB camera when GStreamer's camerabin is not installed.
void DialogsTest::cameraSelectionSaysTheServiceIsMissing()
{
    qputenv("KAVRIN_VIRTUAL_CAMERA_SERVICE", "missing");
    showDialog(DialogCameraSelect);
    auto *problem = shownDialog<CameraSelectDialog>()->findChild<QLabel *>("cameraProblem");
    QTRY_VERIFY_WITH_TIMEOUT(
        problem->isVisible() && problem->text().contains("gstreamer1.0-plugins-bad"), 5000);
}

void DialogsTest::closedCameraDialogStaysClosed()
{
    showDialog(DialogCameraSettings);
    QTRY_VERIFY_WITH_TIMEOUT(ClientSessionInfo::IsPreviewingCamera(), 5000);

    // A busy moment lets the detection thread queue a report, which arrives
    // only after the dialog has closed.
    QThread::msleep(700);
    QMetaObject::invokeMethod(window.get(), "HideDialogForm");
    QVERIFY(!ClientSessionInfo::IsPreviewingCamera());
    // A report ignored leaves nothing to wait for: two more polls' time.
    QTest::qWait(1200);
    QVERIFY(!ClientSessionInfo::IsPreviewingCamera());
    QVERIFY(ClientSessionInfo::camera->currentDevice()->state() != QCamera::ActiveState);
}

void DialogsTest::bandCheckCirclesBandsOrWarns_data()
{
    QTest::addColumn<bool>("instrumentsShown");
    QTest::addColumn<int>("saturation");
    QTest::newRow("both bands") << true << 49;
    QTest::newRow("saturation turned down") << true << 20;
    QTest::newRow("empty box") << false << 49;
}

// CHECK BANDS puts the check in the preview's place: each band circled and
// said to be found, or a warning for each after a second of pictures
// without it; pressed again, the preview is back and the check stops.
void DialogsTest::bandCheckCirclesBandsOrWarns()
{
    QFETCH(bool, instrumentsShown);
    QFETCH(int, saturation);
    if (!instrumentsShown)
        qputenv("KAVRIN_VIRTUAL_CAMERA_INSTRUMENTS", "hidden");
    showDialog(DialogCameraSettings);
    auto *settings = shownDialog<SettingsDialog>();
    QTRY_VERIFY_WITH_TIMEOUT(settings->findChild<QFrame *>("frame_3")->isVisible(), 5000);
    settings->findChild<QSlider *>("saturation")->setValue(saturation);
    auto *button = settings->findChild<QPushButton *>("bandCheckButton");
    auto *check = settings->findChild<BandCheckView *>("bandCheck");
    QCOMPARE(button->text(), QStringLiteral("CHECK BANDS"));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(check->isVisible() && !settings->findChild<QWidget *>("widget")->isVisible());
    QCOMPARE(button->text(), QStringLiteral("END CHECK"));
    const QList<QLabel *> lines = check->findChildren<QLabel *>();
    QCOMPARE(lines.size(), 2);
    if (instrumentsShown) {
        QTRY_VERIFY_WITH_TIMEOUT(check->isFound(InstrumentLeft) && check->isFound(InstrumentRight), 5000);
        QVERIFY(lines[0]->text().endsWith(": found") && lines[1]->text().endsWith(": found"));
    } else {
        QTest::qWait(1500);
    }
    for (int i = 0; i < kInstrumentCount; ++i)
        QCOMPARE(check->isFound(i), instrumentsShown);
    QCOMPARE(lines[1]->text().endsWith(": not found"), !instrumentsShown);

    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!check->isVisible() && settings->findChild<QWidget *>("widget")->isVisible());
    QMetaObject::invokeMethod(window.get(), "HideDialogForm");
}

TimingSettingsDialog *DialogsTest::showTiming(int stopwatchOn, int timerOn, int timerSeconds)
{
    User *user = ClientSessionInfo::actualUser();
    user->stopwatchOn = stopwatchOn;
    user->timerOn = timerOn;
    user->timerSeconds = timerSeconds;
    showDialog(DialogTimingSettings);
    return shownDialog<TimingSettingsDialog>();
}

void DialogsTest::timingChoiceShownTappedAndReported_data()
{
    // The account's stored choice: stopwatch on, countdown on, its seconds.
    QTest::addColumn<QVector<int>>("stored");
    QTest::addColumn<QStringList>("taps");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QTime>("duration");
    // What OK reports, with the duration, whatever the timing.
    QTest::addColumn<TimerType>("type");

    const QString stopwatch = "stopwatch on, countdown off, duration locked";
    const QString countdown = "stopwatch off, countdown on, duration editable";
    const QString none = "stopwatch off, countdown off, duration locked";
    const auto row
        = [](const char *tag, QVector<int> stored, QStringList taps, const QString &state, QTime duration,
              TimerType type) { QTest::newRow(tag) << stored << taps << state << duration << type; };
    row("stored stopwatch", { 1, 0, 5 }, {}, stopwatch, QTime(0, 0, 5), TimerStopwatch);
    row("nothing stored", { 0, 0, 0 }, {}, none, QTime(0, 0, 5), TimerNone);
    // A damaged record with both on: the countdown, applied last, wins.
    row("both stored", { 1, 1, 60 }, {}, countdown, QTime(0, 1, 0), TimerCountdown);
    row("countdown tapped", { 0, 0, 3661 }, { "stopwatch" }, countdown, QTime(1, 1, 1), TimerCountdown);
    row("countdown, then stopwatch", { 0, 0, 5 }, { "stopwatch", "timer" }, stopwatch, QTime(0, 0, 5),
        TimerStopwatch);
    row("stopwatch twice", { 0, 0, 5 }, { "timer", "timer" }, none, QTime(0, 0, 5), TimerNone);
    row("plus", { 0, 1, 5 }, { "plus" }, countdown, QTime(0, 1, 5), TimerCountdown);
    row("minus at the minimum", { 0, 1, 5 }, { "minus" }, countdown, QTime(0, 0, 5), TimerCountdown);
    row("plus at the end of the day", { 0, 1, 86345 }, { "plus" }, countdown, QTime(23, 59, 5),
        TimerCountdown);
    row("plus locked without countdown", { 0, 0, 5 }, { "plus", "plus" }, none, QTime(0, 0, 5), TimerNone);
}

void DialogsTest::timingChoiceShownTappedAndReported()
{
    QFETCH(QVector<int>, stored);
    QFETCH(QStringList, taps);
    QFETCH(QString, state);
    QFETCH(QTime, duration);
    QFETCH(TimerType, type);
    TimingSettingsDialog *dialog = showTiming(stored.at(0), stored.at(1), stored.at(2));
    QVERIFY(dialog);
    QSignalSpy reported(ClientSessionInfo::dialogHost(), &DialogForm::okButtonTimingDialog);
    tap(dialog, taps);
    QCOMPARE(timingState(dialog), state);
    QCOMPARE(shownDuration(dialog), duration);
    tap(dialog, { "pushButton" });
    QCOMPARE(reported.count(), 1);
    QCOMPARE(reported.at(0).at(0).value<TimerType>(), type);
    QCOMPARE(reported.at(0).at(1).toTime(), duration);
}

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
