#include <QtTest>

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

#include "camera/previewform.h"
#include "camera/timerwidget.h"
#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "cutrecording.h"
#include "history/historyactions.h"
#include "history/recordingrepair.h"
#include "history/resultslistform.h"
#include "mediainspection.h"
#include "sessionfixture.h"
#include "storage/trainingrecords.h"
#include "storage/user.h"
#include "traineesteps.h"

// The real application under faults from outside: a disk running full while
// a training records, a data location that turns read-only, a second
// application on the same data location, and a wall clock held still. The
// application must go on, say what failed and keep what it recorded.
// A camera unplugged while it records is tst_virtualcamera's; the process
// killed while it records is tst_repair's; damaged files at start-up are
// tst_accountstore's, tst_configfile's and tst_firstrun's; a long day of taps
// through the screens is bench_navigation's.

using namespace TraineeSteps;

namespace {

// Generous bounds: the tests share a small machine with other jobs.
constexpr int kTimeoutMs = 60000;
// A player reads a fragmented recording by whole fragments of a second.
constexpr qint64 kFragmentMs = 1000;
// Room for a few seconds of the virtual camera's picture and sound, not for
// a training.
constexpr auto kSmallDiskSize = "size=2m";
// Room for a few trainings of a few seconds.
constexpr auto kRoomyDiskSize = "size=256m";
// The longest the screen may stand still while the disk refuses a change.
constexpr qint64 kLongestStallMs = 1000;
// How long a child records before it is killed.
constexpr int kRecordBeforeKillMs = 6000;
// Makes this executable the application that trains until it is killed.
constexpr auto kTrainUntilKilled = "--train-until-killed";
// Makes it the application that records two trainings of this length and
// ends; run under a wall clock held still.
constexpr auto kTrainTwice = "--train-twice";
// Long enough for the training's picture, taken 3 s in.
constexpr int kShortTrainingMs = 4000;
constexpr auto kHeldClock = "2026-03-29 02:30:00";

void enableRecording(User &user)
{
    user.recordVideo = 1;
    user.recordSound = 1;
    user.stopwatchOn = 1;
}

// The longest time the GUI thread did not run a timer due every 5 ms.
class StallWatch
{
public:
    StallWatch()
    {
        clock.start();
        QObject::connect(&ticks, &QTimer::timeout, [this] { longestMs = qMax(longestMs, clock.restart()); });
        ticks.start(5);
    }
    qint64 longest() const { return longestMs; }

private:
    QTimer ticks;
    QElapsedTimer clock;
    qint64 longestMs = 0;
};

// The child's side: the application, started on the prepared installation,
// records a training until it is killed.
int trainUntilKilled()
{
    MainWindow window;
    window.show();
    TrainingSteps training(&window);
    if (!training.tryOpen() || !training.tryStart()
        || !waitUntil([] { return ClientSessionInfo::isRecording(); }))
        return EXIT_FAILURE;
    std::puts(kRecordingMark);
    std::fflush(stdout);
    return QApplication::exec();
}

// The child's side: two recorded trainings one after the other, then the
// end of the application.
int trainTwice()
{
    MainWindow window;
    window.show();
    TrainingSteps training(&window);
    if (!training.tryOpen())
        return EXIT_FAILURE;
    for (int round = 0; round < 2; ++round) {
        if (!training.tryStart() || !waitUntil([] { return ClientSessionInfo::isRecording(); }))
            return EXIT_FAILURE;
        QMediaRecorder *recorder = ClientSessionInfo::camera->currentRecorder();
        if (!waitUntil([recorder] { return recorder->duration() >= kShortTrainingMs; })
            || !training.tryFinishByTap() || !training.tryWaitUntilBack())
            return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}

} // namespace

class RobustnessTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fullDiskStopsRecordingVisibly();
    void readOnlyDataLocationReportsEveryFailure();
    void secondApplicationOnOneLocationEnds();
    void heldClockKeepsBothTrainings();

private:
    // With recording switched on for the account, when asked for.
    void startApplication(bool recording = false);
    void prepareRecordingInstallation();
    // A file system of its own, with these mount options, at folder (made
    // when missing); unmounted by cleanup().
    bool mountDisk(const QString &folder, const char *options);
    QLabel *recordMark() const;

    MainWindow *window = nullptr;
    std::unique_ptr<TrainingSteps> training;
    std::unique_ptr<QTemporaryDir> data;
    // What cleanup() unmounts, the last first.
    QStringList mounts;
};

void RobustnessTest::initTestCase()
{
    gst_init(nullptr, nullptr);
}

void RobustnessTest::init()
{
    resetSession();
    data = std::make_unique<QTemporaryDir>();
    QVERIFY(data->isValid());
}

void RobustnessTest::cleanup()
{
    training.reset();
    delete window;
    window = nullptr;
    resetSession();
    // Only once the application has let go of its files.
    while (!mounts.isEmpty())
        QProcess::execute(QStringLiteral("umount"), { QStringLiteral("--lazy"), mounts.takeLast() });
    data.reset();
}

void RobustnessTest::startApplication(bool recording)
{
    window = new MainWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    training = std::make_unique<TrainingSteps>(window);
    if (recording) {
        enableRecording(*ClientSessionInfo::actualUser());
        QVERIFY(ClientSessionInfo::updateActualUser());
    }
}

QLabel *RobustnessTest::recordMark() const
{
    return training->screen()->timeDisplay()->findChild<QLabel *>("rec");
}

bool RobustnessTest::mountDisk(const QString &folder, const char *options)
{
    if (!QDir().mkpath(folder)
        || QProcess::execute(QStringLiteral("mount"),
               { QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"), QLatin1String(options),
                   QStringLiteral("tmpfs"), folder })
            != 0)
        return false;
    mounts << folder;
    return true;
}

void RobustnessTest::prepareRecordingInstallation()
{
    prepareInstallation(data->path());
    AccountStore accounts;
    accounts.setLocation(DataLocation(data->path() + QLatin1Char('/')));
    accounts.load();
    accounts.setCurrent(0);
    enableRecording(*accounts.current());
    QVERIFY(accounts.saveCurrent());
}

void RobustnessTest::fullDiskStopsRecordingVisibly()
{
    prepareInstallation(data->path());
    // The small disk takes the place of the account's own recordings folder,
    // the only one it records into.
    if (!mountDisk(data->filePath(QStringLiteral("Kavrin/Pemblar/Records/usr")), kSmallDiskSize))
        QSKIP("a size-limited file system cannot be mounted here");
    startApplication(true);

    // The disk fills up by itself as the training records: the application
    // reports it, goes on with the training and ends it normally.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^recording failed: .*space")));
    training->open();
    training->start();
    QTRY_VERIFY_WITH_TIMEOUT(recordMark()->isVisible(), kTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(!ClientSessionInfo::isRecording(), kTimeoutMs);
    // The clock goes on over several blinks, and the mark stays dark.
    auto *clock = training->screen()->timeDisplay()->findChild<QLabel *>("label");
    for (int second = 0; second < 3; ++second) {
        const QString shown = clock->text();
        QTRY_VERIFY_WITH_TIMEOUT(clock->text() != shown, kTimeoutMs);
        QVERIFY(!recordMark()->isVisible());
    }
    training->finishByTap();
    // What was recorded may be measured like any recording; its results are
    // then closed as a trainee closes them.
    training->waitUntilBack();
    // The fragments written before the disk was full play.
    const DecodedVideo video = decodeVideo(training->screen()->currentVideoPath());
    QVERIFY2(video.endMs >= kFragmentMs, qPrintable(QStringLiteral("%1 ms decoded").arg(video.endMs)));
}

// A data location that turns read-only (a disk remounted after an error, a
// share gone read-only): the repair, a deletion of everything, an export, a
// recorded training and the account's new total each fail and say so,
// nothing is half deleted, and the screen never stands still for long.
void RobustnessTest::readOnlyDataLocationReportsEveryFailure()
{
    prepareRecordingInstallation();
    const QString recordings = data->filePath(QStringLiteral("Kavrin/Pemblar/Records/usr"));
    if (!mountDisk(recordings, kRoomyDiskSize))
        QSKIP("a file system cannot be mounted here");
    // A training cut off by a crash a while ago, whose repair is due, and a
    // whole one beside it; an export folder on the same disk.
    const QString cut = recordings + QStringLiteral("/2020_01_01T10_00_00.mp4");
    QVERIFY(killWhileRecording(recordingChild(cut, false), kRecordBeforeKillMs, kTimeoutMs));
    QFile cutFile(cut);
    QVERIFY(cutFile.open(QIODevice::Append)
        && cutFile.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    cutFile.close();
    QVERIFY(QDir(recordings).mkdir(QStringLiteral("exports")));
    startApplication();
    waitForScreen(window, FormMenu);
    training->open();
    training->start();
    QTRY_VERIFY_WITH_TIMEOUT(ClientSessionInfo::isRecording(), kTimeoutMs);
    QMediaRecorder *recorder = ClientSessionInfo::camera->currentRecorder();
    QTRY_VERIFY_WITH_TIMEOUT(recorder->duration() >= kShortTrainingMs, kTimeoutMs);
    training->finishByTap();
    training->waitUntilBack();
    const QStringList kept = QDir(recordings).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    // The recordings' disk turns read-only; the users folder too, by a
    // read-only view of it: its disk holds the account's lock open.
    const QString users = data->filePath(QStringLiteral("Kavrin/Pemblar/Users"));
    QCOMPARE(QProcess::execute(
                 QStringLiteral("mount"), { QStringLiteral("-o"), QStringLiteral("remount,ro"), recordings }),
        0);
    QCOMPARE(QProcess::execute(QStringLiteral("mount"), { QStringLiteral("--bind"), users, users }), 0);
    mounts << users;
    QCOMPARE(QProcess::execute(
                 QStringLiteral("mount"), { QStringLiteral("-o"), QStringLiteral("remount,bind,ro"), users }),
        0);

    StallWatch stalls;
    click(training->screen(), "returnBtn");
    waitForScreen(window, FormMenu);
    auto *history = qobject_cast<ResultsListForm *>(window->screenFor(FormResultsList));
    QSignalSpy repairs(history->findChild<RecordingRepair *>(), &RecordingRepair::finished);
    QSignalSpy deletions(history->findChild<HistoryActions *>(), &HistoryActions::removed);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^cannot repair ")));
    openFromMenu(window, "resultsButton", FormResultsList);
    QTRY_COMPARE_WITH_TIMEOUT(repairs.count(), 1, kTimeoutMs);

    click(history, "pushButton");
    click(history, "deleteBtn");
    answerQuestion("rightBtn");
    QTRY_COMPARE_WITH_TIMEOUT(deletions.count(), 1, kTimeoutMs);
    QVERIFY2(deletions.first().first().toString().startsWith(QLatin1String("Could not be deleted: ")),
        qPrintable(deletions.first().first().toString()));
    QCOMPARE(QDir(recordings).entryList(QDir::Files | QDir::Hidden, QDir::Name), kept);
    QCOMPARE(history->rows().size(), 2);

    auto *status = history->findChild<QLabel *>(QStringLiteral("exportStatus"));
    answerFolderPicker(recordings + QStringLiteral("/exports"));
    click(history, "exportBtn");
    QTRY_VERIFY_WITH_TIMEOUT(status->text().contains(QLatin1String("Could not be copied")), kTimeoutMs);
    QVERIFY(QDir(recordings + QStringLiteral("/exports"))
                .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));

    click(history, "returnBtn");
    waitForScreen(window, FormMenu);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^recording failed: ")));
    training->open();
    training->start();
    QTRY_VERIFY_WITH_TIMEOUT(
        ClientSessionInfo::camera->currentRecorder()->error() != QMediaRecorder::NoError, kTimeoutMs);
    QVERIFY(!ClientSessionInfo::isRecording());
    QVERIFY(!recordMark()->isVisible());
    // A training ended by a tap adds its whole seconds less one, and an
    // account with nothing added is not written: this one lasts long enough
    // to add a second.
    QTest::qWait(2500);
    training->finishByTap();
    training->waitUntilBack();
    QCOMPARE(QDir(recordings).entryList(QDir::Files | QDir::Hidden, QDir::Name), kept);
    // The training's time could not be added to the account: said on screen.
    auto *notice = window->findChild<QLabel *>(QStringLiteral("noticeBar"));
    QVERIFY(notice && notice->isVisible());
    QVERIFY2(notice->text().startsWith(QLatin1String("The account could not be saved")),
        qPrintable(notice->text()));
    QVERIFY2(stalls.longest() < kLongestStallMs, qPrintable(QStringLiteral("%1 ms").arg(stalls.longest())));
}

// A second application on the data location of one that runs (on this
// machine, or on another trainer sharing the folder) would write over its
// account and repair what it records: it says who holds the account, and
// ends. The account of one that crashed is taken over at the next start.
void RobustnessTest::secondApplicationOnOneLocationEnds()
{
    prepareRecordingInstallation();
    QProcess first;
    first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    first.start(QCoreApplication::applicationFilePath(), { QLatin1String(kTrainUntilKilled) });
    QByteArray output;
    QVERIFY(QTest::qWaitFor(
        [&] { return (output += first.readAllStandardOutput()).contains(kRecordingMark); }, kTimeoutMs));

    startApplication();
    QMessageBox *refusal = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((refusal = window->findChild<QMessageBox *>()) != nullptr, kTimeoutMs);
    QVERIFY2(refusal->text().contains(QSysInfo::machineHostName()), qPrintable(refusal->text()));
    QVERIFY(!window->screenFor(FormMenu)->isVisible());
    QCOMPARE(first.state(), QProcess::Running);

    first.kill();
    QVERIFY(first.waitForFinished(kTimeoutMs));
    training.reset();
    delete window;
    window = nullptr;
    resetSession();
    startApplication();
    waitForScreen(window, FormMenu);
    QVERIFY(!window->findChild<QMessageBox *>());
}

// A wall clock held still (a box without a clock battery, a clock stepped
// back) names both trainings with one second: the second takes the next
// free one, and neither is lost.
void RobustnessTest::heldClockKeepsBothTrainings()
{
    if (QStandardPaths::findExecutable(QStringLiteral("faketime")).isEmpty())
        QSKIP("needs faketime (scripts/install-deps installs it)");
    prepareRecordingInstallation();
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The wall clock stands still ("-f" and a plain date); the timers and
    // GStreamer's clock run on the monotonic clock, which goes on.
    environment.insert(QStringLiteral("DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.start(QStringLiteral("faketime"),
        { QStringLiteral("-f"), QLatin1String(kHeldClock), QCoreApplication::applicationFilePath(),
            QLatin1String(kTrainTwice) });
    QVERIFY(child.waitForFinished(4 * kTimeoutMs));
    QCOMPARE(child.exitCode(), EXIT_SUCCESS);

    const QDir folder(data->path() + QStringLiteral("/Kavrin/Pemblar/Records/usr"));
    QCOMPARE(folder.entryList({ "*.mp4" }, QDir::Files, QDir::Name),
        (QStringList { "2026_03_29T02_30_00.mp4", "2026_03_29T02_30_01.mp4" }));
    for (const QString &video : folder.entryList({ "*.mp4" }, QDir::Files)) {
        const DecodedVideo decoded = decodeVideo(folder.filePath(video));
        QVERIFY2(decoded.endMs >= kShortTrainingMs - kFragmentMs, qPrintable(video));
        QVERIFY(QFileInfo::exists(trainingPicturePath(folder.filePath(video))));
    }
}

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    gst_init(nullptr, nullptr);
    if (argc == 2 && qstrcmp(argv[1], kTrainUntilKilled) == 0)
        return trainUntilKilled();
    if (argc == 2 && qstrcmp(argv[1], kTrainTwice) == 0)
        return trainTwice();
    if (isRecordingChild(argc, argv))
        return runRecordingChild(argv);
    RobustnessTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_robustness.moc"
