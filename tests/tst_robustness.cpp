#include <QtTest>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

#include "camera/previewform.h"
#include "camera/timerwidget.h"
#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "cutrecording.h"
#include "history/recordingrepair.h"
#include "history/resultslistform.h"
#include "mediainspection.h"
#include "sessionfixture.h"
#include "storage/user.h"
#include "traineesteps.h"

// The real application under faults from outside: a disk running full while
// a training records, and the process killed while it records. The
// application must go on (or start again) and keep what it recorded. A
// camera unplugged while it records is tst_virtualcamera's; damaged files at
// start-up are tst_accountstore's, tst_configfile's and tst_firstrun's; a
// long day of taps through the screens is bench_navigation's.

using namespace TraineeSteps;

namespace {

// Generous bounds: the tests share a small machine with other jobs.
constexpr int kTimeoutMs = 60000;
// A player reads a fragmented recording by whole fragments of a second.
constexpr qint64 kFragmentMs = 1000;
// Room for a few seconds of the virtual camera's picture and sound, not for
// a training.
constexpr auto kSmallDiskSize = "size=2m";
// A crash loses at most the fragment being written and the one before it,
// which the muxer may still hold.
constexpr int kRecordBeforeKillMs = 6000;
constexpr qint64 kLostByKillMs = 2 * kFragmentMs;
// Makes this executable the application that trains until it is killed.
constexpr auto kTrainUntilKilled = "--train-until-killed";

QString recordingFolder()
{
    return ClientSessionInfo::actualUser()->recordingPathText();
}

void enableRecording(User &user)
{
    user.recordVideo = 1;
    user.recordSound = 1;
    user.stopwatchOn = 1;
}

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

} // namespace

class RobustnessTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fullDiskStopsRecordingVisibly();
    void killedTrainingKeepsAllButLastSeconds();

private:
    // With recording switched on for the account, when asked for.
    void startApplication(bool recording = false);
    QLabel *recordMark() const;

    MainWindow *window = nullptr;
    std::unique_ptr<TrainingSteps> training;
    std::unique_ptr<QTemporaryDir> data;
    QString smallDisk;
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
    if (!smallDisk.isEmpty())
        QProcess::execute(QStringLiteral("umount"), { QStringLiteral("--lazy"), smallDisk });
    smallDisk.clear();
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

void RobustnessTest::fullDiskStopsRecordingVisibly()
{
    prepareInstallation(data->path());
    smallDisk = data->filePath(QStringLiteral("small disk"));
    QVERIFY(QDir().mkpath(smallDisk));
    if (QProcess::execute(QStringLiteral("mount"),
            { QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                QLatin1String(kSmallDiskSize), QStringLiteral("tmpfs"), smallDisk })
        != 0) {
        smallDisk.clear();
        QSKIP("a size-limited file system cannot be mounted here");
    }
    startApplication(true);
    QVERIFY(ClientSessionInfo::actualUser()->setRecordingPath(smallDisk + QLatin1Char('/')));
    QVERIFY(ClientSessionInfo::updateActualUser());

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

void RobustnessTest::killedTrainingKeepsAllButLastSeconds()
{
    prepareInstallation(data->path());
    {
        AccountStore accounts;
        accounts.setLocation(DataLocation(data->path() + QLatin1Char('/')));
        accounts.load();
        accounts.setCurrent(0);
        enableRecording(*accounts.current());
        QVERIFY(accounts.saveCurrent());
    }
    QVERIFY(killWhileRecording({ QLatin1String(kTrainUntilKilled) }, kRecordBeforeKillMs, kTimeoutMs));

    // The application starts again on what the killed one left.
    startApplication();
    waitForScreen(window, FormMenu);
    QCOMPARE(ClientSessionInfo::users().size(), 1);
    const QStringList videos = QDir(recordingFolder()).entryList({ "*.mp4" }, QDir::Files);
    QCOMPARE(videos.size(), 1);
    const QString video = QDir(recordingFolder()).filePath(videos.first());
    const DecodedVideo cut = decodeVideo(video);
    QVERIFY2(cut.endMs >= kRecordBeforeKillMs - kLostByKillMs,
        qPrintable(QStringLiteral("%1 ms kept of %2 ms").arg(cut.endMs).arg(kRecordBeforeKillMs)));

    // The history repairs it and lists it.
    auto *history = qobject_cast<ResultsListForm *>(window->screenFor(FormResultsList));
    QSignalSpy finished(history->findChild<RecordingRepair *>(), &RecordingRepair::finished);
    openFromMenu(window, "resultsButton", FormResultsList);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kTimeoutMs);
    QCOMPARE(history->rows().size(), 1);
    QVERIFY(qAbs(discover(video).durationMs - cut.endMs) <= kLostByKillMs);
}

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    gst_init(nullptr, nullptr);
    if (argc == 2 && qstrcmp(argv[1], kTrainUntilKilled) == 0)
        return trainUntilKilled();
    RobustnessTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_robustness.moc"
