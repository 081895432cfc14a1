#include <QDir>
#include <QLabel>
#include <QMediaPlaylist>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "camera/videowidget.h"
#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "dialogs/decisiondialog.h"
#include "history/resultslistform.h"
#include "history/simplelistitem.h"
#include "sessionfixture.h"
#include "storage/trainingmetricsfile.h"
#include "storage/trainingrecords.h"
#include "traineesteps.h"

namespace {

// Generous: the tests share a small machine with other jobs.
constexpr int kTimeoutMs = 15000;
constexpr int kRecordingMs = 1500;
const QDate kDay(2024, 3, 7);

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The training history in the real main window, over real files in the
// account's recording folder: one real recording of the virtual camera,
// copied under the names of trainings at chosen times.
class HistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listsTrainingsNewestOnTop();
    void emptyFolderDisablesTheActions();
    void deleteRemovesTheTargets_data();
    void deleteRemovesTheTargets();
    void exportCopiesWithoutOverwriting();
    void resetClearsTheCounter();
    void rowTouches();
    void longListScrollsAndCoasts();

private:
    // A training of the recording, at 2024-03-07 `hour`:00, with or
    // without its picture and its tracking's files.
    QString addTraining(int hour, bool picture = true, bool measured = true);
    void openHistory();
    void confirmDelete();

    QTemporaryDir recordingDir;
    QString recording;
    std::unique_ptr<QTemporaryDir> data;
    MainWindow *window = nullptr;
    ResultsListForm *history = nullptr;
};

void HistoryTest::initTestCase()
{
    recording = recordingDir.filePath(QStringLiteral("recording.mp4"));
    VideoWidget viewfinder;
    viewfinder.resize(320, 180);
    QVERIFY(ClientSessionInfo::startCameraPreview(&viewfinder, true, false, recording, QString()));
    QTest::qWait(kRecordingMs);
    ClientSessionInfo::stopPreview();
    QVERIFY(QFileInfo(recording).size() > 1000);
}

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
    const QString folder = ClientSessionInfo::actualUser()->recordingPathText();
    const QString video = trainingVideoPath(folder, trainingStamp(start));
    [&] {
        QVERIFY(QFile::copy(recording, video));
        QFile file(video);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(start, QFileDevice::FileModificationTime));
        if (picture) {
            QImage still(64, 36, QImage::Format_RGB32);
            still.fill(Qt::darkGreen);
            QVERIFY(still.save(trainingPicturePath(video), "png"));
        }
        if (measured)
            QVERIFY(writeTrainingMeasurement(video, TrainingMeasurement()));
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

void HistoryTest::listsTrainingsNewestOnTop()
{
    const QString ten = addTraining(10);
    // Trainings recorded before tracking, or whose tracking's files were
    // damaged, are trainings like the others.
    const QString twelve = addTraining(12, true, false);
    const QString eleven = addTraining(11);
    QFile damaged(trainingMetricsPath(eleven));
    QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("{\"format\": ");
    damaged.close();
    const QString folder = ClientSessionInfo::actualUser()->recordingPathText();
    // Not trainings: no "T", too small, two "T".
    QVERIFY(QFile::copy(recording, folder + "notes.mp4"));
    QFile small(folder + "2024_03_07T13_00_00.mp4");
    QVERIFY(small.open(QIODevice::WriteOnly));
    small.write("0123456789");
    small.close();
    QVERIFY(QFile::copy(recording, folder + "2024_03_07T14_05_09T2.mp4"));

    openHistory();
    QTRY_COMPARE_WITH_TIMEOUT(history->rows().size(), 3, kTimeoutMs);
    QCOMPARE(TraineeSteps::shownTrainingDates(history),
        (QStringList {
            "date: 2024-03-07 12:00:00", "date: 2024-03-07 11:00:00", "date: 2024-03-07 10:00:00" }));
    // Identifiers count from the oldest and are the playlist's indexes.
    QMediaPlaylist *playlist = ClientSessionInfo::playlist;
    QCOMPARE(playlist->mediaCount(), 3);
    const QStringList inOrder { ten, eleven, twelve };
    for (int id = 0; id < 3; ++id) {
        QCOMPARE(history->rows().at(id)->id(), id);
        QCOMPARE(history->rows().at(id)->getVideoPath(), QDir::cleanPath(inOrder.at(id)));
        QCOMPARE(playlist->media(id).request().url().toLocalFile(), QDir::cleanPath(inOrder.at(id)));
    }
    // The oldest is selected.
    QCOMPARE(ClientSessionInfo::actualVideoID, 0);
    QCOMPARE(ClientSessionInfo::actualFilename, QDir::cleanPath(ten));
    for (const char *button : { "playBtn", "exportBtn", "deleteBtn" })
        QVERIFY(history->findChild<QPushButton *>(button)->isEnabled());
}

void HistoryTest::emptyFolderDisablesTheActions()
{
    ClientSessionInfo::actualFilename = QStringLiteral("/kept.mp4");
    openHistory();
    QVERIFY(history->rows().isEmpty());
    for (const char *button : { "playBtn", "exportBtn", "deleteBtn" })
        QVERIFY(!history->findChild<QPushButton *>(button)->isEnabled());
    QCOMPARE(ClientSessionInfo::actualFilename, QStringLiteral("/kept.mp4"));
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

void HistoryTest::resetClearsTheCounter()
{
    User *user = ClientSessionInfo::actualUser();
    user->totalTrainingTime = 90061;
    QVERIFY(ClientSessionInfo::updateActualUser());
    openHistory();
    auto *time = history->findChild<QLabel *>("timeLabel");
    // More than a day shows whole, not wrapped.
    QCOMPARE(time->text(), QStringLiteral("25:01:01"));
    QTest::mouseClick(history->findChild<QPushButton *>("resetTimeBtn"), Qt::LeftButton);
    QCOMPARE(time->text(), QStringLiteral("00:00:00"));
    User stored;
    QVERIFY(readUserFile(ClientSessionInfo::accounts.location().usersFolder() + "usr.usr", &stored));
    QCOMPARE(stored.totalTrainingTime, 0);
}

void HistoryTest::rowTouches()
{
    addTraining(10);
    addTraining(11);
    openHistory();
    QTRY_COMPARE_WITH_TIMEOUT(history->rows().size(), 2, kTimeoutMs);
    SimpleListItem *newest = history->rows().at(1);
    QSignalSpy selected(newest, &SimpleListItem::selected);
    QSignalSpy doubled(newest, &SimpleListItem::doubleClick);
    const QPoint middle = newest->rect().center();

    // 30 pixels right and back: 60 pixels of path, a drag.
    QTest::mousePress(newest, Qt::LeftButton, Qt::NoModifier, middle);
    for (const QPoint &to : { middle + QPoint(30, 0), middle }) {
        // Sent directly: QTest's moves go through the cursor, which has no
        // effect offscreen.
        QMouseEvent move(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(newest, &move);
    }
    QTest::mouseRelease(newest, Qt::LeftButton, Qt::NoModifier, middle);
    QCOMPARE(selected.count(), 0);

    // The check button neither selects nor reports.
    QTest::mouseClick(newest->findChild<QPushButton *>(), Qt::LeftButton);
    QVERIFY(newest->isChecked());
    QCOMPARE(selected.count(), 0);
    QCOMPARE(ClientSessionInfo::actualVideoID, 0);

    // A tap selects, once.
    QTest::mouseClick(newest, Qt::LeftButton, Qt::NoModifier, middle);
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.at(0).at(1).toInt(), 1);
    QCOMPARE(ClientSessionInfo::actualVideoID, 1);
    QCOMPARE(ClientSessionInfo::actualFilename, newest->getVideoPath());
    QCOMPARE(doubled.count(), 0);
}

// Only the rows in sight are built; a row that scrolls away and back keeps
// its check mark, and the bottom of the list holds the oldest training.
void HistoryTest::longListScrollsAndCoasts()
{
    QStringList videos;
    for (int hour = 0; hour < 24; ++hour)
        videos << addTraining(hour, false);
    openHistory();
    QTRY_COMPARE_WITH_TIMEOUT(history->trainingCount(), 24, kTimeoutMs);
    auto *area = history->findChild<QScrollArea *>("scrollArea");
    QScrollBar *bar = area->verticalScrollBar();
    QTRY_VERIFY_WITH_TIMEOUT(bar->maximum() > 200, kTimeoutMs);
    QVERIFY(history->rows().size() < 24);
    QCOMPARE(history->rows().last()->id(), 23);
    history->rows().last()->on_btn_toggled(true);

    bar->setValue(bar->maximum());
    QCOMPARE(history->rows().first()->id(), 0);
    QVERIFY(history->rows().last()->id() < 23);
    QWidget *list = area->widget();
    QCOMPARE(history->rows().first()->geometry().bottom() + 1 + 40, list->height());

    // One move of 10 pixels down from rest: 15 pixels per tick, then 90 %
    // of that at each tick, cut to whole pixels.
    QMouseEvent press(
        QEvent::MouseButtonPress, QPointF(100, 100), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent move(QEvent::MouseMove, QPointF(100, 110), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(
        QEvent::MouseButtonRelease, QPointF(100, 110), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    // Sent and stepped without the event loop, so the coasting timer cannot
    // step in between.
    QApplication::sendEvent(list, &press);
    QApplication::sendEvent(list, &move);
    QApplication::sendEvent(list, &release);
    QCOMPARE(history->scrollVelocity(), 15.0f);
    QList<int> steps;
    for (int tick = 0; tick < 4; ++tick) {
        const int before = bar->value();
        QMetaObject::invokeMethod(history, "animationMainLoop");
        steps << before - bar->value();
    }
    QCOMPARE(steps.mid(0, 4), (QList<int> { 15, 13, 12, 10 }));

    bar->setValue(0);
    QVERIFY(history->rows().last()->isChecked());
    confirmDelete();
    QTRY_COMPARE_WITH_TIMEOUT(history->trainingCount(), 23, kTimeoutMs);
    QVERIFY(!QFile::exists(videos.last()));
    QVERIFY(QFile::exists(videos.first()));
}

QTEST_MAIN(HistoryTest)
#include "tst_history.moc"
