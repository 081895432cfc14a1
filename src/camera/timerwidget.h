#pragma once

#include <QTime>
#include <QWidget>
#include <memory>

namespace Ui {
class TimerWidget;
}

// The running time and the blinking record mark in the top-left corner of
// the full-screen camera picture. The training screen ticks it.
class TimerWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TimerWidget(QWidget *parent = nullptr);
    ~TimerWidget() override;

    // Shows time and advances the record mark by one blink step.
    void update(QTime time);
    // The repaint requests stay reachable beside the tick above.
    using QWidget::update;

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::TimerWidget> ui;
};
