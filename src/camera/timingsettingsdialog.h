#pragma once

#include <QTime>
#include <QWidget>
#include <memory>

#include "core/enums.h"

namespace Ui {
class TimingSettingsDialog;
}
class QPushButton;
struct User;

// The countdown's duration as the timing shows it: the account's
// timerSeconds as a time of day, so that whole days wrap around.
QTime countdownDuration(const User &user);

// The choice between no timing, a stopwatch and a countdown of a chosen
// duration, shown inside the dialog host. Every showing starts from the
// current account's last choice.
class TimingSettingsDialog : public QWidget
{
    Q_OBJECT

public:
    explicit TimingSettingsDialog(QWidget *parent = nullptr);
    ~TimingSettingsDialog() override;

    void setOptions(bool stopwatch, bool countdown, const QTime &time);

    TimerType timerType = TimerNone;

signals:
    void okClicked(TimerType, QTime);

private slots:
    void on_timer_toggled(bool checked);
    void on_stopwatch_toggled(bool checked);
    void on_plus_clicked();
    void on_minus_clicked();
    void on_pushButton_clicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    static void setCheck(QPushButton *button, bool checked);

    std::unique_ptr<Ui::TimingSettingsDialog> ui;
};
