#include <QPushButton>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QtTest>
#include <memory>

#include "camera/timingsettingsdialog.h"
#include "core/mainwindow.h"
#include "sessionfixture.h"

namespace {

constexpr auto kCheckedIcon = ":/graphics/application_layout/checked_checkbox.png";
constexpr auto kUncheckedIcon = ":/graphics/application_layout/unchecked_checkbox.png";

bool showsIcon(const QPushButton *button, const char *path)
{
    const QSize size = button->iconSize();
    return button->icon().pixmap(size).toImage() == QIcon(QLatin1String(path)).pixmap(size).toImage();
}

// "on" or "off", with a note when the icon tells otherwise.
QString checkState(const QPushButton *button)
{
    const bool checked = button->isChecked();
    const bool iconAgrees = showsIcon(button, checked ? kCheckedIcon : kUncheckedIcon);
    return QLatin1String(checked ? "on" : "off") + QLatin1String(iconAgrees ? "" : " (wrong icon)");
}

QPushButton *button(QWidget *dialog, const QString &name)
{
    return dialog->findChild<QPushButton *>(name);
}

// The buttons tapped in a row of data, by object name.
void tap(QWidget *dialog, const QStringList &names)
{
    for (const QString &name : names)
        QTest::mouseClick(button(dialog, name), Qt::LeftButton);
}

} // namespace

// The timing dialog inside the real dialog host, on a running application
// with one account whose last timing choice each test sets.
class TimingTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void openingLoadsTheAccount_data();
    void openingLoadsTheAccount();
    void tapsChooseOneTimingReportedBeforeClosing_data();
    void tapsChooseOneTimingReportedBeforeClosing();
    void plusAndMinusStepMinutes_data();
    void plusAndMinusStepMinutes();
    void reopeningForgetsAnAbandonedChoice();

private:
    TimingSettingsDialog *openDialog(int stopwatchOn, int timerOn, int timerSeconds);
    QString dialogState() const;

    std::unique_ptr<QTemporaryDir> data;
    std::unique_ptr<MainWindow> window;
    TimingSettingsDialog *dialog = nullptr;
};

void TimingTest::init()
{
    startOnFreshInstallation(data, window);
}

void TimingTest::cleanup()
{
    dialog = nullptr;
    window.reset();
    resetSession();
}

// Shows the dialog through the host, as the training screen asks for it,
// after giving the account the stored choice.
TimingSettingsDialog *TimingTest::openDialog(int stopwatchOn, int timerOn, int timerSeconds)
{
    User *user = ClientSessionInfo::actualUser();
    user->stopwatchOn = stopwatchOn;
    user->timerOn = timerOn;
    user->timerSeconds = timerSeconds;
    DialogForm *host = ClientSessionInfo::dialogForm;
    host->dialogOpt = DialogTimingSettings;
    host->prepareLayout();
    dialog = shownDialog<TimingSettingsDialog>();
    return dialog;
}

QString TimingTest::dialogState() const
{
    return QStringLiteral("stopwatch %1, countdown %2, duration %3")
        .arg(checkState(button(dialog, "timer")), checkState(button(dialog, "stopwatch")),
            QLatin1String(dialog->findChild<QWidget *>(QStringLiteral("stopwatchframe"))->isEnabled()
                    ? "editable"
                    : "locked"));
}

void TimingTest::openingLoadsTheAccount_data()
{
    QTest::addColumn<int>("stopwatchOn");
    QTest::addColumn<int>("timerOn");
    QTest::addColumn<int>("timerSeconds");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QTime>("duration");

    QTest::newRow("stopwatch") << 1 << 0 << 5 << "stopwatch on, countdown off, duration locked"
                               << QTime(0, 0, 5);
    QTest::newRow("countdown") << 0 << 1 << 3661 << "stopwatch off, countdown on, duration editable"
                               << QTime(1, 1, 1);
    QTest::newRow("none, no duration")
        << 0 << 0 << 0 << "stopwatch off, countdown off, duration locked" << QTime(0, 0, 5);
    QTest::newRow("duration over a day")
        << 0 << 1 << 93784 << "stopwatch off, countdown on, duration editable" << QTime(2, 3, 4);
    // A damaged record with both on: the countdown, applied last, wins.
    QTest::newRow("both stored") << 1 << 1 << 60 << "stopwatch off, countdown on, duration editable"
                                 << QTime(0, 1, 0);
}

void TimingTest::openingLoadsTheAccount()
{
    QFETCH(int, stopwatchOn);
    QFETCH(int, timerOn);
    QFETCH(int, timerSeconds);
    QFETCH(QString, state);
    QFETCH(QTime, duration);

    QVERIFY(openDialog(stopwatchOn, timerOn, timerSeconds));
    QCOMPARE(dialogState(), state);
    auto *field = dialog->findChild<QTimeEdit *>(QStringLiteral("timeEdit"));
    QCOMPARE(field->time(), duration);
}

// The button "timer" is the stopwatch's, the button "stopwatch" the
// countdown's: their names cross.
void TimingTest::tapsChooseOneTimingReportedBeforeClosing_data()
{
    QTest::addColumn<QStringList>("taps");
    QTest::addColumn<QString>("state");
    QTest::addColumn<TimerType>("type");

    QTest::newRow("none") << QStringList() << "stopwatch off, countdown off, duration locked" << TimerNone;
    QTest::newRow("countdown") << QStringList { "stopwatch" }
                               << "stopwatch off, countdown on, duration editable" << TimerCountdown;
    QTest::newRow("stopwatch") << QStringList { "timer" } << "stopwatch on, countdown off, duration locked"
                               << TimerStopwatch;
    QTest::newRow("countdown, then stopwatch")
        << QStringList { "stopwatch", "timer" } << "stopwatch on, countdown off, duration locked"
        << TimerStopwatch;
    QTest::newRow("stopwatch, then countdown")
        << QStringList { "timer", "stopwatch" } << "stopwatch off, countdown on, duration editable"
        << TimerCountdown;
    QTest::newRow("stopwatch twice") << QStringList { "timer", "timer" }
                                     << "stopwatch off, countdown off, duration locked" << TimerNone;
    QTest::newRow("countdown twice") << QStringList { "stopwatch", "stopwatch" }
                                     << "stopwatch off, countdown off, duration locked" << TimerNone;
}

void TimingTest::tapsChooseOneTimingReportedBeforeClosing()
{
    QFETCH(QStringList, taps);
    QFETCH(QString, state);
    QFETCH(TimerType, type);

    DialogForm *host = ClientSessionInfo::dialogForm;
    QStringList heard;
    connect(host, &DialogForm::okButtonTimingDialog, this, [&heard](TimerType kind, QTime time) {
        heard << QStringLiteral("okButtonTimingDialog %1 %2").arg(int(kind)).arg(time.toString());
    });
    connect(host, &DialogForm::hideDialog, this, [&heard] { heard << QStringLiteral("hideDialog"); });

    QVERIFY(openDialog(0, 0, 3661));
    tap(dialog, taps);
    QCOMPARE(dialogState(), state);
    tap(dialog, { "pushButton" });
    // The time goes with every kind of timing.
    QCOMPARE(heard,
        QStringList({ QStringLiteral("okButtonTimingDialog %1 01:01:01").arg(int(type)), "hideDialog" }));
    QCOMPARE(dialog->timerType, type);
    QVERIFY(!host->isVisible());
}

void TimingTest::plusAndMinusStepMinutes_data()
{
    QTest::addColumn<int>("timerOn");
    QTest::addColumn<int>("timerSeconds");
    QTest::addColumn<QStringList>("taps");
    QTest::addColumn<QTime>("duration");

    QTest::newRow("plus") << 1 << 5 << QStringList { "plus" } << QTime(0, 1, 5);
    QTest::newRow("minus at the minimum") << 1 << 5 << QStringList { "minus" } << QTime(0, 0, 5);
    QTest::newRow("plus twice, minus")
        << 1 << 3661 << QStringList { "plus", "plus", "minus" } << QTime(1, 2, 1);
    QTest::newRow("plus at the end of the day") << 1 << 86345 << QStringList { "plus" } << QTime(23, 59, 5);
    QTest::newRow("locked without countdown") << 0 << 5 << QStringList { "plus", "plus" } << QTime(0, 0, 5);
}

void TimingTest::plusAndMinusStepMinutes()
{
    QFETCH(int, timerOn);
    QFETCH(int, timerSeconds);
    QFETCH(QStringList, taps);
    QFETCH(QTime, duration);

    QVERIFY(openDialog(0, timerOn, timerSeconds));
    tap(dialog, taps);
    QCOMPARE(dialog->findChild<QTimeEdit *>(QStringLiteral("timeEdit"))->time(), duration);
}

void TimingTest::reopeningForgetsAnAbandonedChoice()
{
    QVERIFY(openDialog(1, 0, 5));
    auto *field = dialog->findChild<QTimeEdit *>(QStringLiteral("timeEdit"));
    tap(dialog, { "stopwatch", "plus" });
    // As a tap into the field's hours does.
    field->setCurrentSection(QDateTimeEdit::HourSection);
    tap(dialog, { "plus" });
    QCOMPARE(field->time(), QTime(1, 1, 5));
    QCOMPARE(dialogState(), QStringLiteral("stopwatch off, countdown on, duration editable"));
    QMetaObject::invokeMethod(window.get(), "HideDialogForm");
    QVERIFY(!ClientSessionInfo::dialogForm->isVisible());

    QCOMPARE(openDialog(1, 0, 5), dialog);
    QCOMPARE(dialogState(), QStringLiteral("stopwatch on, countdown off, duration locked"));
    QCOMPARE(field->time(), QTime(0, 0, 5));
    // Plus steps minutes again.
    tap(dialog, { "stopwatch", "plus" });
    QCOMPARE(field->time(), QTime(0, 1, 5));
}

QTEST_MAIN(TimingTest)
#include "tst_timing.moc"
