#include "camera/timerwidget.h"

#include <QShowEvent>

#include "core/clientsessioninfo.h"
#include "ui_timerwidget.h"

namespace {

constexpr auto kTimeFormat = "hh:mm:ss";

} // namespace

TimerWidget::TimerWidget(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::TimerWidget>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    move(0, 0);
    // The mark appears only once a tick has seen the recorder record.
    ui->rec->hide();
}

TimerWidget::~TimerWidget() = default;

void TimerWidget::update(QTime time)
{
    ui->label->setText(time.toString(QLatin1String(kTimeFormat)));
    // Asking for a recording is not enough: a recording that never started
    // or broke off must not pretend to go on, so only the recorder's own
    // state makes the mark blink.
    ui->rec->setVisible(ClientSessionInfo::isRecording() && ui->rec->isHidden());
}

void TimerWidget::showEvent(QShowEvent *event)
{
    ui->label->setVisible(ClientSessionInfo::timertype != TimerNone);
    event->accept();
}
