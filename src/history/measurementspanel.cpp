#include "history/measurementspanel.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>
#include <QtConcurrent>

#include "history/choicestyle.h"
#include "history/learningcurve.h"
#include "history/metricstable.h"

namespace {

constexpr int kWidth = 480;
constexpr int kTitlePointSize = 15;
constexpr int kFiguresPointSize = 10;
constexpr auto kLabelStyle = "QLabel {color: rgb(203, 203, 203);}";

} // namespace

MeasurementsPanel::MeasurementsPanel(QWidget *parent)
    : QFrame(parent)
    , title(new QLabel(this))
    , figures(new MetricsTable(this))
    , curveTitle(new QLabel(this))
    , figureChoice(new QComboBox(this))
    , curve(new LearningCurve(this))
{
    setObjectName(QStringLiteral("measurementsPanel"));
    figureChoice->setObjectName(QStringLiteral("curveFigure"));
    setFixedWidth(kWidth);
    setStyleSheet(QLatin1String(kLabelStyle) + QLatin1String(kChoiceStyle));
    QFont heading = font();
    heading.setPointSize(kTitlePointSize);
    heading.setBold(true);
    title->setFont(heading);
    curveTitle->setFont(heading);
    QFont small = font();
    small.setPointSize(kFiguresPointSize);
    figures->setFont(small);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(figures);
    layout->addSpacing(20);
    layout->addWidget(curveTitle);
    layout->addWidget(figureChoice);
    layout->addWidget(curve, 1);

    for (int figure = 0; figure < LearningCurve::FigureCount; ++figure)
        figureChoice->addItem(QString(), figure);
    connect(figureChoice, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
        [this](int index) { curve->setFigure(static_cast<LearningCurve::Figure>(index)); });
    connect(&selection, &QFutureWatcher<StoredMetrics>::finished, this, &MeasurementsPanel::showSelectedFigures);
    translate();
}

MeasurementsPanel::~MeasurementsPanel()
{
    selection.waitForFinished();
}

void MeasurementsPanel::translate()
{
    title->setText(tr("Measurements"));
    curveTitle->setText(tr("Learning curve"));
    for (int figure = 0; figure < LearningCurve::FigureCount; ++figure)
        figureChoice->setItemText(
            figure, LearningCurve::figureName(static_cast<LearningCurve::Figure>(figure)));
}

void MeasurementsPanel::showTraining(const QString &videoPath)
{
    translate();
    selectedVideo = videoPath;
    // Read on a worker: a recordings folder may hold anything under a
    // training's name, and a slow disk must not stop the list.
    selection.setFuture(QtConcurrent::run(readTrainingMetrics, videoPath));
}

void MeasurementsPanel::showSelectedFigures()
{
    const StoredMetrics stored = selection.result();
    if (selectedVideo.isEmpty()) {
        // Not a training without tracking: there is none to show.
        figures->showNothing(tr("No recorded trainings yet. "
                                "Start a training from the menu's training screen with RECORD VIDEO on."));
        return;
    }
    switch (stored.status) {
    case StoredStatus::Present:
        figures->showMetrics(stored.metrics);
        break;
    case StoredStatus::Absent:
        figures->showNothing(tr("No measurements: this training was recorded without tracking."));
        break;
    case StoredStatus::Corrupt:
        figures->showNothing(tr("The measurements of this training cannot be read."));
        break;
    }
}

void MeasurementsPanel::showHistory(const QVector<StoredMetrics> &trainings, const ExerciseTargets &targets)
{
    curve->setTrainings(trainings, targets);
}
