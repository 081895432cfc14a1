#include "camera/timingsettingsdialog.h"

#include <QShowEvent>

#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "ui_timingsettingsdialog.h"

namespace {

constexpr auto kCheckedIcon = ":/graphics/application_layout/checked_checkbox.png";
constexpr auto kUncheckedIcon = ":/graphics/application_layout/unchecked_checkbox.png";

} // namespace

QTime countdownDuration(const User &user)
{
    return QTime(0, 0).addSecs(user.timerSeconds);
}

TimingSettingsDialog::TimingSettingsDialog(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::TimingSettingsDialog>())
{
    ui->setupUi(this);
}

TimingSettingsDialog::~TimingSettingsDialog() = default;

void TimingSettingsDialog::setOptions(bool stopwatch, bool countdown, const QTime &time)
{
    on_timer_toggled(stopwatch);
    on_stopwatch_toggled(countdown);
    ui->timeEdit->setTime(time);
}

void TimingSettingsDialog::showEvent(QShowEvent *event)
{
    ui->retranslateUi(this);
    ui->enabletimer->setText(text(TxtActivateTimer, false, false, false, 0));
    ui->enablestopwatch->setText(text(TxtActivateStopwatch, false, false, false, 0));
    ui->pushButton->setText(text(TxtOk, false, true, false, 0));

    // Without an account the defaults of a new one apply.
    const User *user = ClientSessionInfo::actualUser();
    const User blank;
    if (!user)
        user = &blank;
    setOptions(user->stopwatchOn != 0, user->timerOn != 0, countdownDuration(*user));
    // Plus and minus change minutes until the user taps another section.
    ui->timeEdit->setCurrentSection(QDateTimeEdit::MinuteSection);
    event->accept();
}

void TimingSettingsDialog::setCheck(QPushButton *button, bool checked)
{
    // Checking from code must not come back through the toggled slots.
    const QSignalBlocker blocker(button);
    button->setChecked(checked);
    button->setIcon(QIcon(QLatin1String(checked ? kCheckedIcon : kUncheckedIcon)));
}

void TimingSettingsDialog::on_timer_toggled(bool checked)
{
    setCheck(ui->timer, checked);
    if (checked)
        on_stopwatch_toggled(false);
}

void TimingSettingsDialog::on_stopwatch_toggled(bool checked)
{
    setCheck(ui->stopwatch, checked);
    if (checked)
        on_timer_toggled(false);
    ui->stopwatchframe->setEnabled(checked);
}

void TimingSettingsDialog::on_plus_clicked()
{
    ui->timeEdit->stepUp();
}

void TimingSettingsDialog::on_minus_clicked()
{
    ui->timeEdit->stepDown();
}

void TimingSettingsDialog::on_pushButton_clicked()
{
    if (ui->timer->isChecked())
        timerType = TimerStopwatch;
    else if (ui->stopwatch->isChecked())
        timerType = TimerCountdown;
    else
        timerType = TimerNone;
    emit okClicked(timerType, ui->timeEdit->time());
}
