#include <QtTest>

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
#include "mediainspection.h"
#include "sessionfixture.h"
#include "storage/user.h"
#include "traineesteps.h"

// The real application under faults from outside: a disk running full while
// a training records. The application must go on and keep what it recorded.
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

void enableRecording(User &user)
{
    user.recordVideo = 1;
    user.recordSound = 1;
    user.stopwatchOn = 1;
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
    // The small disk takes the place of the account's own recordings folder,
    // the only one it records into.
    smallDisk = data->filePath(QStringLiteral("Kavrin/Pemblar/Records/usr"));
    QVERIFY(QDir().mkpath(smallDisk));
    if (QProcess::execute(QStringLiteral("mount"),
            { QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                QLatin1String(kSmallDiskSize), QStringLiteral("tmpfs"), smallDisk })
        != 0) {
        smallDisk.clear();
        QSKIP("a size-limited file system cannot be mounted here");
    }
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

QTEST_MAIN(RobustnessTest)

#include "tst_robustness.moc"
