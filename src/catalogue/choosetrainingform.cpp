#include "catalogue/choosetrainingform.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QSpacerItem>
#include <QTimer>
#include <QVBoxLayout>

#include "catalogue/scenarioframe.h"
#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "core/touchfeedback.h"
#include "storage/datalocation.h"
#include "ui_choosetrainingform.h"

namespace {

constexpr int kRowSpacing = 20;
constexpr QMargins kListMargins(30, 40, 30, 40);
// The row style sheets match on this dynamic property.
constexpr auto kRowProperty = "parent";

} // namespace

ChooseTrainingForm::ChooseTrainingForm(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ChooseTrainingForm>())
    , listContainer(new QWidget)
    , animationTimer(new QTimer(this))
{
    ui->setupUi(this);
    auto *layout = new QVBoxLayout(listContainer);
    layout->setSpacing(kRowSpacing);
    layout->setContentsMargins(kListMargins);
    ui->listFrame->setWidget(listContainer);
    listContainer->installEventFilter(this);
    for (QWidget *button : { ui->chooseButton, ui->returnButton, ui->freeTrainingBtn })
        button->installEventFilter(this);
    connect(animationTimer, &QTimer::timeout, this, &ChooseTrainingForm::animationMainLoop);
    // The loader reports from its own thread; the list is built here, on the
    // GUI thread.
    connect(&trainingsLoader, &GetOnlineTrainingsThread::ResultsAppended, this,
        &ChooseTrainingForm::ResultsFromDatabaseAppended);
}

ChooseTrainingForm::~ChooseTrainingForm() = default;

void ChooseTrainingForm::showEvent(QShowEvent *event)
{
    ui->retranslateUi(this);
    ClientSessionInfo::actualForm = this;
    ClientSessionInfo::whereIAM = FormChooseTraining;
    QWidget::showEvent(event);
}

void ChooseTrainingForm::loadExercises()
{
    // Before the first run has chosen a data location there is no lab folder
    // (an empty root would name one in the working folder).
    const QString root = ClientSessionInfo::recordingUserPath;
    trainingsLoader.load(root.isEmpty() ? QString() : DataLocation(root).scenariosFolder());
}

void ChooseTrainingForm::ResultsFromDatabaseAppended()
{
    auto *layout = static_cast<QVBoxLayout *>(listContainer->layout());
    clearLayout(layout);
    ui->chooseButton->setEnabled(false);
    for (const Scenario &scenario : qAsConst(ClientSessionInfo::scenarios)) {
        auto *row = new QScenarioFrame(this);
        row->setProperty(kRowProperty, true);
        row->SetScenario(scenario);
        layout->addWidget(row);
        row->SetUnselected();
    }
    // Keeps the rows packed at the top.
    layout->addItem(new QSpacerItem(1, 1, QSizePolicy::Expanding, QSizePolicy::Expanding));
    animationTimer->start(KineticScroll::tickMs);
}

bool ChooseTrainingForm::eventFilter(QObject *object, QEvent *event)
{
    if (object == listContainer)
        scroller.follow(event);
    else
        applyTouchFeedback(object, event);
    return false;
}

void ChooseTrainingForm::scrollList(int dx, int dy)
{
    Q_UNUSED(dx)
    scroller.addStep(dy);
}

void ChooseTrainingForm::animationMainLoop()
{
    if (!scroller.tick(ui->listFrame->verticalScrollBar()))
        return;
    // The moved list is drawn at once, even while the GUI thread is busy.
    repaint();
    QCoreApplication::processEvents();
}
