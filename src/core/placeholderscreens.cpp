#include "core/placeholderscreens.h"

#include <QLabel>
#include <QVBoxLayout>

#include "core/clientsessioninfo.h"

PlaceholderScreen::PlaceholderScreen(
    const QString &title, FormEnum anchor, bool marksRunning, QWidget *parent)
    : QWidget(parent)
    , anchor(anchor)
    , marksRunning(marksRunning)
{
    auto *label = new QLabel(title, this);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("font: bold 32pt \"Corbel\"; color: rgb(203,203,203);"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
}

void PlaceholderScreen::showEvent(QShowEvent *event)
{
    ClientSessionInfo::actualForm = this;
    if (anchor != FormNone)
        ClientSessionInfo::whereIAM = anchor;
    if (marksRunning)
        ClientSessionInfo::applicationRunning = true;
    QWidget::showEvent(event);
}

LoginForm::LoginForm(QWidget *parent)
    : PlaceholderScreen(QStringLiteral("LOGIN"), FormLogin, true, parent)
{
}

ChooseTrainingForm::ChooseTrainingForm(QWidget *parent)
    : PlaceholderScreen(QStringLiteral("CHOOSE TRAINING"), FormChooseTraining, false, parent)
{
}

PreviewForm::PreviewForm(QWidget *parent)
    : PlaceholderScreen(QStringLiteral("TRAINING"), FormNone, false, parent)
{
}

VideoPlayer::VideoPlayer(QWidget *parent)
    : PlaceholderScreen(QStringLiteral("VIDEO PLAYER"), FormNone, false, parent)
{
}

ResultsListForm::ResultsListForm(QWidget *parent)
    : PlaceholderScreen(QStringLiteral("TRAINING HISTORY"), FormResultsList, false, parent)
{
}
