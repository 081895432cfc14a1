#include "camera/exercisebar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "catalogue/scenario.h"
#include "core/apptext.h"
#include "core/touchfeedback.h"

namespace {

constexpr int kBarHeight = 70;
constexpr QSize kButtonSize(360, 56);
constexpr int kPointSize = 15;

} // namespace

ExerciseBar::ExerciseBar(QWidget *parent)
    : QFrame(parent)
    , name(new QLabel(this))
    , countdown(new QPushButton(this))
{
    setObjectName(QStringLiteral("exerciseBar"));
    name->setObjectName(QStringLiteral("exerciseName"));
    countdown->setObjectName(QStringLiteral("targetCountdownBtn"));
    setFixedHeight(kBarHeight);
    QFont font(QStringLiteral("Corbel"), kPointSize, QFont::Bold);
    name->setFont(font);
    countdown->setFont(font);
    countdown->setFixedSize(kButtonSize);
    countdown->setFocusPolicy(Qt::NoFocus);
    countdown->installEventFilter(this);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(30, 0, 30, 0);
    layout->addWidget(name, 1);
    layout->addWidget(countdown);
    connect(countdown, &QPushButton::clicked, this, [this] { emit countdownChosen(target); });
    hide();
}

void ExerciseBar::showExercise(const Scenario *exercise)
{
    setVisible(exercise != nullptr);
    if (!exercise)
        return;
    const int seconds = exercise->maxTime;
    target = QTime(0, 0).addSecs(seconds);
    name->setText(seconds > 0 ? tr("Exercise: %1, target %2").arg(exercise->GetTitle(), toDurationString(seconds))
                              : tr("Exercise: %1").arg(exercise->GetTitle()));
    countdown->setText(tr("COUNT DOWN FROM %1").arg(toDurationString(seconds)));
    countdown->setVisible(seconds > 0);
}

QString ExerciseBar::title() const
{
    return isHidden() ? QString() : name->text();
}

bool ExerciseBar::eventFilter(QObject *object, QEvent *event)
{
    applyTouchFeedback(object, event);
    return false;
}
