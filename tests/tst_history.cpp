#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "history/learningcurve.h"
#include "history/measurementspanel.h"
#include "history/metricstable.h"
#include "history/resultslistform.h"
#include "history/simplelistitem.h"
#include "sessionfixture.h"
#include "storage/trainingmetricsfile.h"
#include "storage/trainingrecords.h"
#include "traineesteps.h"

namespace {

// Generous: the tests share a small machine with other jobs.
constexpr int kTimeoutMs = 15000;
const QDate kDay(2024, 3, 7);
// Rows of the figures table: 0 holds the headings.
constexpr int kPathLengthRow = 4;

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A training in which only the left instrument was seen.
TrainingMeasurement leftHandOnly(double pathLengthMm, int movementUnits)
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
    left.pathLength = pathLengthMm;
    left.movementUnits = movementUnits;
    metrics.instruments[InstrumentRight].offScreenSeconds = 12;
    for (int frame = 0; frame < 3; ++frame) {
        measurement.paths[InstrumentLeft] << TipSample { frame / 30.0, QPointF(100 + frame * 10, 200) };
        measurement.paths[InstrumentRight] << TipSample { frame / 30.0, std::nullopt };
    }
    return measurement;
}

} // namespace

// The training history in the real main window, over real files in the
// account's recording folder, with the figures of measured trainings.
class HistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void listsTrainingsNewestOnTopWithTheirFigures();
    void deleteRemovesTheTargets_data();
    void deleteRemovesTheTargets();
    void exportCopiesWithoutOverwriting();
    void emptyHistoryResetsTheCounter();
    void longListBuildsOnlyTheRowsInSight();

private:
    // A training at 2024-03-07 `hour`:00, with or without its picture and
    // its tracking's files, which hold hour * 100 mm and hour movements.
    QString addTraining(int hour, bool picture = true, bool measured = true);
    void openHistory();
    void confirmDelete();

    std::unique_ptr<QTemporaryDir> data;
    MainWindow *window = nullptr;
    ResultsListForm *history = nullptr;
};

void HistoryTest::init()
{
    resetSession();
    startOnFreshInstallation(data, window);
    if (QTest::currentTestFailed())
        return;
    history = qobject_cast<ResultsListForm *>(window->screenFor(FormResultsList));
    QVERIFY(history);
}

void HistoryTest::cleanup()
{
    delete window;
    window = nullptr;
    resetSession();
}

QString HistoryTest::addTraining(int hour, bool picture, bool measured)
{
    const QDateTime start(kDay, QTime(hour, 0));
    const QString video
        = trainingVideoPath(ClientSessionInfo::actualUser()->recordingPathText(), trainingStamp(start));
    [&] {
        QFile file(video);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(QByteArray(64, char('a' + hour))) == 64 && file.flush());
        QVERIFY(file.setFileTime(start, QFileDevice::FileModificationTime));
        if (picture) {
            QImage still(64, 36, QImage::Format_RGB32);
            still.fill(Qt::darkGreen);
            QVERIFY(still.save(trainingPicturePath(video), "png"));
        }
        if (measured)
            QVERIFY(writeTrainingMeasurement(video, leftHandOnly(hour * 100, hour)));
    }();
    return video;
}

void HistoryTest::openHistory()
{
    TraineeSteps::openFromMenu(window, "resultsButton", FormResultsList);
}

void HistoryTest::confirmDelete()
{
    TraineeSteps::click(history, "deleteBtn");
    TraineeSteps::answerQuestion("rightBtn");
}

// Trainings recorded before tracking, or whose tracking's files were
// damaged, are trainings like the others, with the reason for no figures.
void HistoryTest::listsTrainingsNewestOnTopWithTheirFigures()
{
    const QString nine = addTraining(9);
    addTraining(12, true, false);
    addTraining(10);
    QFile damaged(trainingMetricsPath(addTraining(11)));
    QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("{\"version\": 1, \"instr");
    damaged.close();

    openHistory();
    QTRY_COMPARE_WITH_TIMEOUT(history->rows().size(), 4, kTimeoutMs);
    QCOMPARE(TraineeSteps::shownTrainingDates(history),
        (QStringList { "date: 2024-03-07 12:00:00", "date: 2024-03-07 11:00:00", "date: 2024-03-07 10:00:00",
            "date: 2024-03-07 09:00:00" }));
    for (const char *button : { "playBtn", "exportBtn", "deleteBtn" })
        QVERIFY(history->findChild<QPushButton *>(button)->isEnabled());
    // The oldest is selected, and its figures shown.
    QCOMPARE(ClientSessionInfo::actualFilename, QDir::cleanPath(nine));
    auto *panel = history->findChild<MeasurementsPanel *>();
    QVERIFY(panel && panel->isVisible());
    QCOMPARE(panel->table()->cellText(kPathLengthRow, 1), QStringLiteral("900 mm"));

    const LearningCurve *curve = panel->learningCurve();
    QTRY_COMPARE_WITH_TIMEOUT(curve->points(InstrumentLeft).size(), 4, kTimeoutMs);
    using Points = QVector<std::optional<double>>;
    QCOMPARE(curve->points(InstrumentLeft), (Points { 900.0, 1000.0, std::nullopt, std::nullopt }));
    QCOMPARE(curve->points(InstrumentRight), (Points(4, std::nullopt)));
    panel->findChild<QComboBox *>("curveFigure")->setCurrentIndex(LearningCurve::MovementUnits);
    QCOMPARE(curve->points(InstrumentLeft), (Points { 9.0, 10.0, std::nullopt, std::nullopt }));

    // A finger 30 pixels right and back has travelled 60: a drag, not a
    // tap. The check button neither selects nor reports.
    SimpleListItem *ten = history->rows().at(1);
    QSignalSpy selected(ten, &SimpleListItem::selected);
    QSignalSpy doubled(ten, &SimpleListItem::doubleClick);
    const QPoint middle = ten->rect().center();
    QTest::mousePress(ten, Qt::LeftButton, Qt::NoModifier, middle);
    for (const QPoint &to : { middle + QPoint(30, 0), middle }) {
        // Sent directly: QTest's moves go through the cursor, which has no
        // effect offscreen.
        QMouseEvent move(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(ten, &move);
    }
    QTest::mouseRelease(ten, Qt::LeftButton, Qt::NoModifier, middle);
    QTest::mouseClick(ten->findChild<QPushButton *>(), Qt::LeftButton);
    QVERIFY(ten->isChecked());
    QCOMPARE(selected.count(), 0);
    QCOMPARE(ClientSessionInfo::actualVideoID, 0);

    // A tap selects, once, and shows the training's figures, or why there
    // are none.
    QTest::mouseClick(ten, Qt::LeftButton, Qt::NoModifier, middle);
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.at(0).at(1).toInt(), 1);
    QCOMPARE(ClientSessionInfo::actualVideoID, 1);
    QCOMPARE(ClientSessionInfo::actualFilename, ten->getVideoPath());
    QCOMPARE(doubled.count(), 0);
    QCOMPARE(panel->table()->cellText(kPathLengthRow, 1), QStringLiteral("1000 mm"));
    const auto shownReasonOf = [this, panel, middle](int id) {
        QTest::mouseClick(history->rows().at(id), Qt::LeftButton, Qt::NoModifier, middle);
        for (const QLabel *label : panel->table()->findChildren<QLabel *>()) {
            if (label->isVisible() && label->wordWrap())
                return label->text();
        }
        return QString();
    };
    QCOMPARE(shownReasonOf(2), QStringLiteral("The measurements of this training cannot be read."));
    QCOMPARE(
        shownReasonOf(3), QStringLiteral("No measurements: this training was recorded without tracking."));
}

void HistoryTest::deleteRemovesTheTargets_data()
{
    QTest::addColumn<QList<int>>("checked");
    QTest::addColumn<QStringList>("left");
    // Nothing checked: the selected training, the oldest; its picture was
    // never taken, which must not hold the deletion up.
    QTest::newRow("selected") << QList<int>()
                              << QStringList { "date: 2024-03-07 12:00:00", "date: 2024-03-07 11:00:00" };
    QTest::newRow("checked") << QList<int> { 1, 2 } << QStringList { "date: 2024-03-07 10:00:00" };
}

void HistoryTest::deleteRemovesTheTargets()
{
    QFETCH(QList<int>, checked);
    QFETCH(QStringList, left);
    const QStringList videos { addTraining(10, false), addTraining(11), addTraining(12) };
    openHistory();
    QTRY_COMPARE_WITH_TIMEOUT(history->rows().size(), 3, kTimeoutMs);
    for (int id : checked)
        history->rows().at(id)->on_btn_toggled(true);

    confirmDelete();
    // Read once the rebuilt list is laid out.
    QTRY_COMPARE_WITH_TIMEOUT(TraineeSteps::shownTrainingDates(history), left, kTimeoutMs);
    const QList<int> gone = checked.isEmpty() ? QList<int> { 0 } : checked;
    for (int id = 0; id < videos.size(); ++id) {
        QCOMPARE(QFile::exists(videos.at(id)), !gone.contains(id));
        if (id != 0)
            QCOMPARE(QFile::exists(trainingPicturePath(videos.at(id))), !gone.contains(id));
        for (const QString &measurement : trainingMeasurementPaths(videos.at(id)))
            QCOMPARE(QFile::exists(measurement), !gone.contains(id));
    }
}

void HistoryTest::exportCopiesWithoutOverwriting()
{
    const QString ten = addTraining(10);
    const QString eleven = addTraining(11);
    addTraining(12);
    QTemporaryDir target;
    // The folder holds the 11:00 training's name already.
    const QString existing = QDir(target.path()).filePath(QFileInfo(eleven).fileName());
    QFile keep(existing);
    QVERIFY(keep.open(QIODevice::WriteOnly));
    keep.write("keep me");
    keep.close();

    openHistory();
    QTRY_COMPARE_WITH_TIMEOUT(history->rows().size(), 3, kTimeoutMs);
    history->rows().at(0)->on_btn_toggled(true);
    history->rows().at(1)->on_btn_toggled(true);
    answerFolderPicker(target.path());
    QTest::mouseClick(history->findChild<QPushButton *>("exportBtn"), Qt::LeftButton);

    auto *status = history->findChild<QLabel *>("exportStatus");
    QTRY_VERIFY_WITH_TIMEOUT(status->text().startsWith(QLatin1String("Exported: 1")), kTimeoutMs);
    QVERIFY2(status->text().contains(QFileInfo(eleven).fileName()), qPrintable(status->text()));
    QVERIFY(history->findChild<QPushButton *>("exportBtn")->isEnabled());
    const QString exported = QDir(target.path()).filePath(QFileInfo(ten).fileName());
    QCOMPARE(contentsOf(exported), contentsOf(ten));
    for (const QString &measurement : trainingMeasurementPaths(ten))
        QCOMPARE(contentsOf(QDir(target.path()).filePath(QFileInfo(measurement).fileName())),
            contentsOf(measurement));
    QCOMPARE(readTrainingMetrics(exported).status, StoredStatus::Present);
    QCOMPARE(contentsOf(existing), QByteArray("keep me"));
    // The videos and the 10:00 training's tracking, nothing half-written
    // beside them; the skipped training's tracking stays behind with it.
    QCOMPARE(QDir(target.path()).entryList(QDir::Files | QDir::Hidden).size(), 4);
}

void HistoryTest::emptyHistoryResetsTheCounter()
{
    User *user = ClientSessionInfo::actualUser();
    user->totalTrainingTime = 90061;
    QVERIFY(ClientSessionInfo::updateActualUser());
    ClientSessionInfo::actualFilename = QStringLiteral("/kept.mp4");
    openHistory();
    QVERIFY(history->rows().isEmpty());
    for (const char *button : { "playBtn", "exportBtn", "deleteBtn" })
        QVERIFY(!history->findChild<QPushButton *>(button)->isEnabled());
    QCOMPARE(ClientSessionInfo::actualFilename, QStringLiteral("/kept.mp4"));

    auto *time = history->findChild<QLabel *>("timeLabel");
    QCOMPARE(time->text(), QStringLiteral("25:01:01"));
    QTest::mouseClick(history->findChild<QPushButton *>("resetTimeBtn"), Qt::LeftButton);
    QCOMPARE(time->text(), QStringLiteral("00:00:00"));
    User stored;
    QVERIFY(readUserFile(ClientSessionInfo::accounts.location().usersFolder() + "usr.usr", &stored));
    QCOMPARE(stored.totalTrainingTime, 0);
}

// A row that scrolls away and back keeps its check mark, and the bottom of
// the list holds the oldest training.
void HistoryTest::longListBuildsOnlyTheRowsInSight()
{
    QStringList videos;
    for (int hour = 0; hour < 24; ++hour)
        videos << addTraining(hour, false, false);
    openHistory();
    QTRY_COMPARE_WITH_TIMEOUT(history->trainingCount(), 24, kTimeoutMs);
    QScrollBar *bar = history->findChild<QScrollArea *>("scrollArea")->verticalScrollBar();
    QTRY_VERIFY_WITH_TIMEOUT(bar->maximum() > 200, kTimeoutMs);
    QVERIFY(history->rows().size() < 24);
    QCOMPARE(history->rows().last()->id(), 23);
    history->rows().last()->on_btn_toggled(true);

    bar->setValue(bar->maximum());
    QCOMPARE(history->rows().first()->id(), 0);
    QVERIFY(history->rows().last()->id() < 23);

    bar->setValue(0);
    QVERIFY(history->rows().last()->isChecked());
    confirmDelete();
    QTRY_COMPARE_WITH_TIMEOUT(history->trainingCount(), 23, kTimeoutMs);
    QVERIFY(!QFile::exists(videos.last()));
    QVERIFY(QFile::exists(videos.first()));
}

QTEST_MAIN(HistoryTest)
#include "tst_history.moc"
