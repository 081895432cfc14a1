#include "catalogue/choosetrainingform.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QSpacerItem>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent>

#include "catalogue/scenarioframe.h"
#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "core/touchfeedback.h"
#include "storage/datalocation.h"
#include "storage/exercisetargets.h"
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
    connect(&progressReading, &QFutureWatcherBase::finished, this, &ChooseTrainingForm::showProgress);
    connect(ui->returnButton, &QPushButton::clicked, this, [this] { emit ShowNextForm(FormPreview); });
    connect(ui->freeTrainingBtn, &QPushButton::clicked, this, [this] { choose(0); });
    connect(ui->chooseButton, &QPushButton::clicked, this, [this] { choose(selected); });
}

ChooseTrainingForm::~ChooseTrainingForm() = default;

void ChooseTrainingForm::showEvent(QShowEvent *event)
{
    ui->retranslateUi(this);
    ClientSessionInfo::actualForm = this;
    ClientSessionInfo::whereIAM = FormChooseTraining;
    translate();
    select(ClientSessionInfo::accounts.currentExercise());
    readProgress();
    QWidget::showEvent(event);
}

void ChooseTrainingForm::translate()
{
    ui->titleLabel->setText(tr("CHOOSE TRAINING:"));
    ui->returnButton->setText(text(TxtBack, false, true, false, 0));
    ui->freeTrainingBtn->setText(tr("FREE TRAINING"));
    ui->chooseButton->setText(tr("CHOOSE TRAINING"));
}

void ChooseTrainingForm::select(int id)
{
    selected = 0;
    for (QScenarioFrame *row : qAsConst(rows)) {
        const bool chosen = row->scenarioNumber() == id;
        if (chosen)
            selected = id;
        chosen ? row->SetSelected() : row->SetUnselected();
    }
    ui->chooseButton->setEnabled(selected != 0);
}

void ChooseTrainingForm::choose(int id)
{
    if (!ClientSessionInfo::accounts.setCurrentExercise(id))
        ClientSessionInfo::notice(tr("The exercise chosen cannot be kept for the next start."));
    emit ShowNextForm(FormPreview);
}

void ChooseTrainingForm::readProgress()
{
    const User *user = ClientSessionInfo::actualUser();
    const QString folder = user ? ClientSessionInfo::accounts.recordingFolder(*user) : QString();
    progressReading.setFuture(QtConcurrent::run([folder] {
        return folder.isEmpty() ? QVector<TrainingWithMetrics>() : listTrainingMetrics(folder);
    }));
}

void ChooseTrainingForm::showProgress()
{
    const QVector<TrainingWithMetrics> trainings = progressReading.result();
    for (QScenarioFrame *row : qAsConst(rows))
        row->SetProgress(progressLine(exerciseProgress(row->scenarioNumber(), trainings)));
}

QString ChooseTrainingForm::progressLine(const ExerciseProgress &progress) const
{
    if (progress.trainings == 0)
        return tr("Not trained yet");
    return tr("%1 · trainings: %2 · best time %3")
        .arg(progress.passed ? tr("Passed") : tr("Not passed yet"), QString::number(progress.trainings),
            toDurationString(qRound(*progress.bestSeconds)));
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
    rows.clear();
    for (const Scenario &scenario : qAsConst(ClientSessionInfo::scenarios)) {
        auto *row = new QScenarioFrame(this);
        row->setProperty(kRowProperty, true);
        row->SetScenario(scenario);
        layout->addWidget(row);
        connect(row, &QScenarioFrame::selected, this, &ChooseTrainingForm::select);
        connect(row, &QScenarioFrame::dblClick, this, &ChooseTrainingForm::choose);
        rows.append(row);
    }
    select(isVisible() ? selected : ClientSessionInfo::accounts.currentExercise());
    if (isVisible())
        readProgress();
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
