#include "core/screenset.h"

#include <QLayout>
#include <QTimer>
#include <QWidget>
#include <algorithm>

ScreenSet::ScreenSet(QLayout *layout, std::function<QWidget *(FormEnum)> make, QObject *parent)
    : QObject(parent)
    , layout(layout)
    , make(std::move(make))
{
}

QWidget *ScreenSet::screenFor(FormEnum form)
{
    if (form < FormLogin || form > FormLoading)
        return nullptr;
    QWidget *&screen = screens[form - FormLogin];
    if (!screen) {
        screen = make(form);
        screen->hide();
        layout->addWidget(screen);
    }
    return screen;
}

void ScreenSet::makeAhead(std::function<void()> done)
{
    const auto next = std::find(screens.begin(), screens.end(), nullptr);
    if (next == screens.end()) {
        done();
        return;
    }
    screenFor(static_cast<FormEnum>(FormLogin + (next - screens.begin())));
    QTimer::singleShot(0, this, [this, done = std::move(done)]() mutable { makeAhead(std::move(done)); });
}
