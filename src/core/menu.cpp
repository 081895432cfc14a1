#include "core/menu.h"

#include <QDesktopServices>
#include <QShowEvent>

#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "core/logging.h"
#include "core/shutdown.h"
#include "core/touchfeedback.h"
#include "storage/user.h"
#include "ui_menu.h"

namespace {
constexpr auto kMakerHost = "www.kavrin.example";
constexpr auto kTutorialsPath = "/tutorials";
constexpr int kApplicationVersion = 6;
} // namespace

Menu::Menu(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Menu>())
    , answers(this)
{
    ui->setupUi(this);
    for (QWidget *button : { ui->camSettingsBtn, ui->tutorialsBtn, ui->resultsButton, ui->returnButton,
             ui->trainingButton, ui->accSettingsBtn, ui->shutDownBtn })
        button->installEventFilter(this);
    ui->shutDownBtn->hide();
    hide();
}

Menu::~Menu() = default;

QUrl Menu::tutorialsUrl()
{
    return QUrl(QStringLiteral("http://") + QLatin1String(kMakerHost) + QLatin1String(kTutorialsPath));
}

bool Menu::eventFilter(QObject *object, QEvent *event)
{
    applyTouchFeedback(object, event);
    return false;
}

void Menu::showEvent(QShowEvent *event)
{
    translate();
    ClientSessionInfo::applicationRunning = true;
    ui->returnButton->hide();
    ui->accSettingsBtn->hide();
    ClientSessionInfo::actualForm = this;
    ClientSessionInfo::whereIAM = FormMenu;
    event->accept();
}

void Menu::hideEvent(QHideEvent *event)
{
    disconnectDialogSignals();
    QWidget::hideEvent(event);
}

void Menu::translate()
{
    disconnectDialogSignals();
    ui->trainingButton->setText(text(TxtStartTraining, false, true, false, 0));
    ui->resultsButton->setText(text(TxtTrainingHistory, false, true, false, 0));
    ui->tutorialsBtn->setText(text(TxtTutorials, false, true, false, 0));
    ui->camSettingsBtn->setText(text(TxtSettings, false, true, false, 0));
    ui->accSettingsBtn->setText(text(TxtAccountSettings, false, true, true, 0));
    ui->returnButton->setText(text(TxtLogout, false, true, true, 0));
    ui->appver->setText(text(TxtApplicationVersion, false, false, false, 0) + QLatin1Char(':'));
    ui->appverNum->setNum(kApplicationVersion);
}

void Menu::on_trainingButton_clicked()
{
    if (const User *user = ClientSessionInfo::actualUser())
        qCDebug(lcCore) << "stopwatch timer" << user->timerOn << user->stopwatchOn;
    emit ShowNextForm(FormPreview);
}

void Menu::on_resultsButton_clicked()
{
    emit ShowNextForm(FormResultsList);
}

void Menu::on_camSettingsBtn_clicked()
{
    emit ShowDialogForm(DialogCameraSettings);
    // Re-labels the menu after a language change in the settings; kept for
    // later visits, and made once only.
    connect(ClientSessionInfo::dialogHost(), &DialogForm::okButtonSettingsDialog, this, &Menu::translate,
        Qt::UniqueConnection);
}

void Menu::on_tutorialsBtn_clicked()
{
    QDesktopServices::openUrl(tutorialsUrl());
}

void Menu::on_exitBtn_clicked()
{
    QCoreApplication::exit(0);
}

void Menu::on_returnButton_clicked()
{
    QCoreApplication::quit();
}

void Menu::on_accSettingsBtn_clicked()
{
    emit ShowDialogForm(DialogEditUser);
    answers.listen(&DialogForm::rightButtonSignalUserDialog, &Menu::editUserSlot);
    answers.listen(&DialogForm::leftButtonSignalUserDialog, &Menu::disconnectDialogSignals);
}

void Menu::on_shutDownBtn_clicked()
{
    answers.listen(&DialogForm::rightButtonDecision, &Menu::ShutDownPC);
    answers.listen(&DialogForm::leftButtonDecision, &Menu::disconnectDialogSignals);
    emit ShowDialogForm(DialogShutDown);
}

// The answer slots end the connections made for their question, so that
// asking again does not act twice on one answer.
void Menu::editUserSlot(QString f, QString v)
{
    disconnectDialogSignals();
    ClientSessionInfo::editUser(f, v);
}

void Menu::ShutDownPC()
{
    disconnectDialogSignals();
    shutDownComputer();
}

void Menu::disconnectDialogSignals()
{
    ui->shutDownBtn->setText(QString());
    answers.stopListening();
}
