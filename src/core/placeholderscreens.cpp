#include "core/placeholderscreens.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "core/touchfeedback.h"

namespace {

// The look of the other screens' buttons, pressed picture included.
constexpr auto kBackButtonStyle
    = "QPushButton { border-image: url(:/graphics/application_layout/button_blue2.png) 0 0 0 0 stretch "
      "stretch;"
      " font: bold 16pt \"Corbel\"; color: rgb(203,203,203); }"
      "QPushButton[touched=true] { border-image: url(:/graphics/application_layout/button_blue2_p.png)"
      " 0 0 0 0 stretch stretch; }";
constexpr QSize kBackButtonSize(200, 77);
constexpr QSize kBackIconSize(40, 40);
// Keeps the button off the screen's edge, level with the menu's exit button.
constexpr QMargins kScreenMargins(40, 40, 40, 50);

} // namespace

PlaceholderScreen::PlaceholderScreen(const QString &title, FormEnum anchor, QWidget *parent)
    : QWidget(parent)
    , back(new QPushButton(this))
    , anchor(anchor)
{
    auto *label = new QLabel(title, this);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("font: bold 32pt \"Corbel\"; color: rgb(203,203,203);"));
    back->setObjectName(QStringLiteral("returnBtn"));
    back->setFixedSize(kBackButtonSize);
    back->setFocusPolicy(Qt::NoFocus);
    back->setIcon(QIcon(QStringLiteral(":/graphics/application_layout/return.png")));
    back->setIconSize(kBackIconSize);
    back->setStyleSheet(QLatin1String(kBackButtonStyle));
    back->installEventFilter(this);
    connect(back, &QPushButton::clicked, this, [this] { emit ShowNextForm(FormMenu); });
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kScreenMargins);
    layout->addWidget(label);
    layout->addWidget(back, 0, Qt::AlignHCenter);
}

void PlaceholderScreen::showEvent(QShowEvent *event)
{
    ClientSessionInfo::actualForm = this;
    ClientSessionInfo::whereIAM = anchor;
    back->setText(text(TxtBack, false, true, false, 0));
    QWidget::showEvent(event);
}

bool PlaceholderScreen::eventFilter(QObject *object, QEvent *event)
{
    applyTouchFeedback(object, event);
    return false;
}

ChooseTrainingForm::ChooseTrainingForm(QWidget *parent)
    : PlaceholderScreen(QStringLiteral("CHOOSE TRAINING"), FormChooseTraining, parent)
{
}
