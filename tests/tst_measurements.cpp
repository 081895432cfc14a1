#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "camera/previewform.h"
#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "dialogs/trainingresultsdialog.h"
#include "history/learningcurve.h"
#include "history/measurementspanel.h"
#include "history/metricstable.h"
#include "history/resultslistform.h"
#include "history/simplelistitem.h"
#include "sessionfixture.h"
#include "storage/trainingrecords.h"

namespace {

constexpr int kTimeoutMs = 15000;
const QDate kDay(2024, 3, 7);
// Rows of the figures table: 0 holds the headings.
constexpr int kOffScreenRow = 3;
constexpr int kPathLengthRow = 4;
constexpr int kMovementUnitsRow = 8;

// A training in which only the left instrument was seen, with the given
// path length in millimetres.
TrainingMeasurement leftHandOnly(double pathLength, int movementUnits)
{
    TrainingMeasurement measurement;
    TrainingMetrics &metrics = measurement.metrics;
    metrics.durationSeconds = 12;
    metrics.pictureSize = QSize(1280, 720);
    metrics.unit = LengthUnit::Millimetres;
    metrics.millimetresPerPixel = 0.25;
    metrics.framesAnalysed = 360;
    InstrumentMetrics &left = metrics.instruments[InstrumentLeft];
    left.seen = true;
    left.activeSeconds = 10;
    left.idleSeconds = 2;
    left.pathLength = pathLength;
    left.meanSpeed = pathLength / 10;
    left.peakSpeed = pathLength / 4;
    left.economy = 1.5;
    left.movementUnits = movementUnits;
    left.workShare = 1.0;
    metrics.instruments[InstrumentRight].offScreenSeconds = 12;
    for (int frame = 0; frame < 3; ++frame) {
        measurement.paths[InstrumentLeft] << TipSample { frame / 30.0, QPointF(100 + frame * 10, 200) };
        measurement.paths[InstrumentRight] << TipSample { frame / 30.0, std::nullopt };
    }
    return measurement;
}

} // namespace

// The figures of measured trainings in the real main window: the results
// dialog over the training screen, and the history's figures and learning
// curve read from the files beside the videos.
class MeasurementsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void resultsOpenOverTheTrainingScreen();
    void historyShowsFiguresAndLearningCurve();

private:
    void navigate(FormEnum form);
    QString addVideo(int hour) const;

    std::unique_ptr<QTemporaryDir> data;
    MainWindow *window = nullptr;
};

void MeasurementsTest::init()
{
    resetSession();
    startOnFreshInstallation(data, window);
    if (QTest::currentTestFailed())
        return;
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, window->screenFor(FormMenu), kTimeoutMs);
}

void MeasurementsTest::cleanup()
{
    delete window;
    window = nullptr;
    resetSession();
}

void MeasurementsTest::navigate(FormEnum form)
{
    QTRY_COMPARE_WITH_TIMEOUT(window->lastEffect(), OpacityMax, kTimeoutMs);
    QMetaObject::invokeMethod(window, "ShowNextForm", Q_ARG(FormEnum, form));
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, window->screenFor(form), kTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(window->lastEffect(), OpacityMax, kTimeoutMs);
}

QString MeasurementsTest::addVideo(int hour) const
{
    const QDateTime start(kDay, QTime(hour, 0));
    const QString video
        = trainingVideoPath(ClientSessionInfo::actualUser()->recordingPathText(), trainingStamp(start));
    QFile file(video);
    if (file.open(QIODevice::WriteOnly) && file.write(QByteArray(64, 'v')) == 64 && file.flush())
        file.setFileTime(start, QFileDevice::FileModificationTime);
    return video;
}

void MeasurementsTest::resultsOpenOverTheTrainingScreen()
{
    navigate(FormPreview);
    auto *preview = qobject_cast<PreviewForm *>(window->screenFor(FormPreview));
    const QString video = addVideo(10);
    emit preview->trainingMeasured(video, leftHandOnly(1234, 3), true);

    auto *results = shownDialog<TrainingResultsDialog>();
    QTRY_VERIFY_WITH_TIMEOUT((results = shownDialog<TrainingResultsDialog>()), kTimeoutMs);
    const MetricsTable *table = results->findChild<MetricsTable *>();
    QCOMPARE(table->cellText(0, 1), QStringLiteral("Left instrument"));
    QCOMPARE(table->cellText(kPathLengthRow, 0), QStringLiteral("Path length"));
    QCOMPARE(table->cellText(kPathLengthRow, 1), QStringLiteral("1234 mm"));
    QCOMPARE(table->cellText(kMovementUnitsRow, 1), QStringLiteral("3"));
    // An instrument never seen has no figures, only its time off screen.
    QCOMPARE(table->cellText(kPathLengthRow, 2), QStringLiteral("not seen"));
    QCOMPARE(table->cellText(kOffScreenRow, 2), QStringLiteral("12.0 s"));

    QTest::mouseClick(results->findChild<QPushButton *>("pushButton"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!ClientSessionInfo::dialogForm->isDialogVisible(), kTimeoutMs);
    QVERIFY(preview->isEnabled());
}

void MeasurementsTest::historyShowsFiguresAndLearningCurve()
{
    // Oldest first: measured, measured, a damaged file, no file at all.
    const QStringList videos { addVideo(9), addVideo(10), addVideo(11), addVideo(12) };
    QVERIFY(writeTrainingMeasurement(videos.at(0), leftHandOnly(900, 7)));
    QVERIFY(writeTrainingMeasurement(videos.at(1), leftHandOnly(600, 4)));
    QFile damaged(trainingMetricsPath(videos.at(2)));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("{\"version\": 1, \"instr");
    damaged.close();

    navigate(FormResultsList);
    auto *history = qobject_cast<ResultsListForm *>(window->screenFor(FormResultsList));
    auto *panel = history->findChild<MeasurementsPanel *>();
    QVERIFY(panel && panel->isVisible());
    // The oldest training is selected, and its figures shown.
    QCOMPARE(panel->table()->cellText(kPathLengthRow, 1), QStringLiteral("900 mm"));

    const LearningCurve *curve = panel->learningCurve();
    QTRY_COMPARE_WITH_TIMEOUT(curve->points(InstrumentLeft).size(), 4, kTimeoutMs);
    using Points = QVector<std::optional<double>>;
    QCOMPARE(curve->points(InstrumentLeft), (Points { 900.0, 600.0, std::nullopt, std::nullopt }));
    QCOMPARE(curve->points(InstrumentRight), (Points(4, std::nullopt)));
    panel->findChild<QComboBox *>("curveFigure")->setCurrentIndex(LearningCurve::MovementUnits);
    QCOMPARE(curve->points(InstrumentLeft), (Points { 7.0, 4.0, std::nullopt, std::nullopt }));

    // Selecting a training shows its figures, or why there are none.
    const auto select = [history](int id) {
        for (SimpleListItem *row : history->rows()) {
            if (row->id() == id)
                QTest::mouseClick(row, Qt::LeftButton, Qt::NoModifier, QPoint(200, 30));
        }
    };
    const auto shownReason = [panel] {
        for (const QLabel *label : panel->table()->findChildren<QLabel *>()) {
            if (label->isVisible() && label->wordWrap())
                return label->text();
        }
        return QString();
    };
    select(1);
    QCOMPARE(panel->table()->cellText(kPathLengthRow, 1), QStringLiteral("600 mm"));
    select(2);
    QCOMPARE(shownReason(), QStringLiteral("The measurements of this training cannot be read."));
    select(3);
    QCOMPARE(shownReason(), QStringLiteral("No measurements: this training was recorded without tracking."));
}

QTEST_MAIN(MeasurementsTest)
#include "tst_measurements.moc"
