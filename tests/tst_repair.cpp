#include <QtTest>

#include <QApplication>
#include <QMediaPlayer>
#include <QMediaRecorder>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <linux/capability.h>
#include <memory>
#include <sched.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "camera/camera.h"
#include "camera/videowidget.h"
#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "core/startup.h"
#include "cutrecording.h"
#include "history/recordingrepair.h"
#include "mediainspection.h"
#include "sessionfixture.h"
#include "storage/trainingrecords.h"
#include "tracking/tiptracker.h"

// Recordings cut off by a crash, and repaired, or completed as the
// application quits. The cut recordings are real: this executable, started
// with --record-until-killed, records through the session in a child
// process, which the test kills while it records. Started with
// --quit-while-recording, it is the application, which starts as KavrinMac
// does, records and tracks through the session and is quit through the
// menu's exit button or by SIGTERM (a system shutdown); the test then reads
// the tracker's report and the video back. Both run with the virtual camera
// and with a USB camera through Qt's GStreamer back end (the stand-in).

namespace {

const QSize kViewfinderSize(480, 270);

// Generous bounds: the tests share a small machine with other jobs.
constexpr int kTimeoutMs = 60000;
constexpr int kRecordBeforeKillMs = 5000;
constexpr int kCompleteRecordingMs = 2000;
constexpr qint64 kToleranceMs = 500;
// The fragments of a recording killed after five seconds hold at least this.
constexpr qint64 kMinimumKeptAfterKillMs = 3500;
// A crash may cut one track's last fragment and keep the other's.
constexpr qint64 kStatedToDecodedMs = 2000;
// Inside the moov box, which is over a kilobyte long in every recording.
constexpr int kHeaderCutBytes = 600;
constexpr int kGarbageBytes = 100000;
// The same garbage in every run.
constexpr quint32 kGarbageSeed = 20240314;
constexpr int kCopiesRepairedTogether = 3;
constexpr auto kTitle = "Kavrin Recording";
constexpr auto kVideoName = "2024-03-14T09-26-53.mp4";
// The history lists trainings by their files' modification times.
const QDateTime kRecordedAt(QDate(2024, 3, 14), QTime(9, 26, 53));

bool recordCompletely(const QString &path)
{
    VideoWidget viewfinder;
    viewfinder.resize(kViewfinderSize);
    if (!ClientSessionInfo::startCameraPreview(&viewfinder, true, true, path, QString()))
        return false;
    QMediaRecorder *recorder = ClientSessionInfo::camera->currentRecorder();
    const bool recorded = recorder
        && QTest::qWaitFor([recorder] { return recorder->duration() >= kCompleteRecordingMs; }, kTimeoutMs);
    ClientSessionInfo::stopPreview();
    return recorded;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QDateTime modified(const QString &path)
{
    return QFileInfo(path).fileTime(QFileDevice::FileModificationTime);
}

// Everything in the folder, hidden files included.
bool setModified(const QString &path, const QDateTime &time)
{
    QFile file(path);
    return file.open(QIODevice::Append) && file.setFileTime(time, QFileDevice::FileModificationTime);
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

constexpr auto kQuitWhileRecording = "--quit-while-recording";
constexpr auto kQuittingMark = "quitting after";
constexpr auto kTrackedMark = "tracked";
constexpr auto kByExitButton = "exit-button";
constexpr auto kBySigterm = "sigterm";
constexpr int kRecordBeforeQuitMs = 2000;
// Both cameras' best mode for a training.
const QSize kTrainingSize(1280, 720);

// The child: the installation is prepared, so the menu comes up at once.
int quitWhileRecording(const QString &video, bool standIn, bool byExitButton)
{
    if (standIn && !useStandInCamera())
        return EXIT_FAILURE;
    MainWindow window;
    launch(window);
    // The start-up selects the configured camera, the virtual one.
    if (!QTest::qWaitFor([] { return ClientSessionInfo::whereIAM == FormMenu; }, kTimeoutMs))
        return EXIT_FAILURE;
    if (standIn)
        ClientSessionInfo::selectCamera(standInCameraIndex());
    auto *viewfinder = new VideoWidget(&window);
    viewfinder->resize(kViewfinderSize);
    ClientSessionInfo::startCameraPreview(viewfinder, true, true, video, QString());
    QMediaRecorder *recorder = ClientSessionInfo::camera->currentRecorder();
    auto *exit = window.screenFor(FormMenu)->findChild<QPushButton *>(QStringLiteral("exitBtn"));
    TipTracker tracker;
    if (!recorder || !exit || !tracker.start(ClientSessionInfo::camera->currentDevice(), { 0 }))
        return EXIT_FAILURE;
    // By SIGTERM, the test sends it on the quitting line.
    QObject::connect(&tracker, &TipTracker::measured,
        [recorder, exit, byExitButton](const QString &, const TrainingMeasurement &measurement) {
            const TrainingMetrics &metrics = measurement.metrics;
            std::printf("%s %lld %d %d\n%s %lld\n", kTrackedMark,
                static_cast<long long>(metrics.framesAnalysed), metrics.instruments[InstrumentLeft].seen,
                metrics.instruments[InstrumentRight].seen, kQuittingMark,
                static_cast<long long>(recorder->duration()));
            std::fflush(stdout);
            if (byExitButton)
                exit->click();
        });
    QObject::connect(
        recorder, &QMediaRecorder::statusChanged, [recorder, &tracker](QMediaRecorder::Status status) {
            if (status == QMediaRecorder::RecordingStatus)
                QTimer::singleShot(kRecordBeforeQuitMs, recorder, [&tracker] { tracker.finish(QString()); });
        });
    return QApplication::exec();
}

bool isFragmented(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.readAll().contains("moof");
}

// Threads of this process at idle priority. A repair runs its streaming
// threads so; none may be left when it ends, or the camera's, the
// recorder's and the player's pipelines could be given one.
int threadsAtIdlePriority()
{
    const QStringList threads
        = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return static_cast<int>(std::count_if(threads.cbegin(), threads.cend(),
        [](const QString &thread) { return sched_getscheduler(thread.toInt()) == SCHED_IDLE; }));
}

// The tests run as root, the application as a user, whose thread the kernel
// does not let take back a priority it gave up. Without the right to raise
// priorities, this thread and the threads it starts are held to that rule.
void giveUpRaisingPriorities()
{
    __user_cap_header_struct header { _LINUX_CAPABILITY_VERSION_3, 0 };
    __user_cap_data_struct sets[_LINUX_CAPABILITY_U32S_3] {};
    if (syscall(SYS_capget, &header, sets) != 0)
        return;
    sets[CAP_TO_INDEX(CAP_SYS_NICE)].effective &= ~CAP_TO_MASK(CAP_SYS_NICE);
    sets[CAP_TO_INDEX(CAP_SYS_NICE)].permitted &= ~CAP_TO_MASK(CAP_SYS_NICE);
    syscall(SYS_capset, &header, sets);
}

} // namespace

class RepairTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void cutRecordingIsRepaired_data();
    void cutRecordingIsRepaired();
    void filesThatNeedNoRepairStayUntouched_data();
    void filesThatNeedNoRepairStayUntouched();
    void destroyingWhileRunningLeavesWholeFiles();
    void historyRepairsBeforeThePlayerPlays();
    void quitDuringRecordingCompletesTheVideo_data();
    void quitDuringRecordingCompletesTheVideo();

private:
    QString cutRecording(bool sound, bool throughBackEnd = false) const;
    // A copy of `original` in the test's folder, as recorded at kRecordedAt.
    QString place(const QByteArray &original, const QString &name) const;
    void repairToTheEnd(RecordingRepair &repair, const QStringList &videos);
    // The file's stated length agrees with its frames, which reach as far as
    // those of the cut recording it was repaired from.
    void verifyRepaired(const QString &video, const DecodedVideo &cut, const QString &title = kTitle);

    QTemporaryDir recordings;
    std::unique_ptr<QTemporaryDir> folder;
    // The most threads at idle priority at one moment of the last repair.
    int idleThreadsSeen = 0;
};

void RepairTest::initTestCase()
{
    QVERIFY(recordings.isValid());
    QVERIFY(killAllWhileRecording(
        { recordingChild(cutRecording(true), true), recordingChild(cutRecording(false), false),
            recordingChild(cutRecording(true, true), true, true) },
        kRecordBeforeKillMs, kTimeoutMs));
    QVERIFY(recordCompletely(recordings.filePath(QStringLiteral("complete.mp4"))));
    QProcess late;
    late.start(QStringLiteral("gst-launch-1.0"),
        QStringList { "-q", "audiotestsrc", "is-live=true", "timestamp-offset=1000000", "!", "audioconvert",
            "!", "avenc_aac", "!", "aacparse", "!", "mux.audio_0", "videotestsrc", "is-live=true", "!",
            "video/x-raw,width=320,height=240,framerate=30/1,format=I420", "!", "x264enc", "key-int-max=30",
            "speed-preset=ultrafast", "tune=zerolatency", "!", "h264parse", "!", "mux.video_0", "mp4mux",
            "name=mux", "fragment-duration=1000", "!", "filesink",
            "location=" + recordings.filePath(QStringLiteral("sound late.mp4")) });
    QVERIFY(late.waitForStarted());
    QTest::qWait(kRecordBeforeKillMs);
    late.kill();
    QVERIFY(late.waitForFinished(kTimeoutMs));
}

void RepairTest::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
}

void RepairTest::cleanup()
{
    folder.reset();
}

QString RepairTest::cutRecording(bool sound, bool throughBackEnd) const
{
    return recordings.filePath(QStringLiteral("cut %1 %2.mp4")
                                   .arg(sound ? QLatin1String("with sound") : QLatin1String("silent"),
                                       throughBackEnd ? QLatin1String("USB") : QLatin1String("virtual")));
}

QString RepairTest::place(const QByteArray &original, const QString &name) const
{
    const QString path = folder->filePath(name);
    QFile file(path);
    // Written out before the time is set, which a later write would change.
    if (!file.open(QIODevice::WriteOnly) || file.write(original) != original.size() || !file.flush()
        || !file.setFileTime(kRecordedAt, QFileDevice::FileModificationTime))
        return QString();
    return path;
}

void RepairTest::repairToTheEnd(RecordingRepair &repair, const QStringList &videos)
{
    QSignalSpy finished(&repair, &RecordingRepair::finished);
    repair.start(videos);
    QVERIFY(repair.isRunning());
    idleThreadsSeen = 0;
    QDeadlineTimer deadline(kTimeoutMs);
    while (finished.isEmpty() && !deadline.hasExpired()) {
        idleThreadsSeen = std::max(idleThreadsSeen, threadsAtIdlePriority());
        QTest::qWait(1);
    }
    QCOMPARE(finished.count(), 1);
    QVERIFY(!repair.isRunning());
    QCOMPARE(threadsAtIdlePriority(), 0);
}

void RepairTest::verifyRepaired(const QString &video, const DecodedVideo &cut, const QString &title)
{
    const MediaFacts facts = discover(video);
    const DecodedVideo decoded = decodeVideo(video);
    QCOMPARE(decoded.frames, cut.frames);
    QVERIFY2(decoded.endMs >= cut.endMs - kToleranceMs,
        qPrintable(QStringLiteral("decoded up to %1 ms, before %2 ms").arg(decoded.endMs).arg(cut.endMs)));
    QVERIFY2(qAbs(facts.durationMs - decoded.endMs) <= kStatedToDecodedMs,
        qPrintable(
            QStringLiteral("states %1 ms, decodes to %2 ms").arg(facts.durationMs).arg(decoded.endMs)));
    QCOMPARE(facts.videoCodec, QStringLiteral("video/x-h264"));
    QCOMPARE(facts.title, title);
}

void RepairTest::cutRecordingIsRepaired_data()
{
    QTest::addColumn<bool>("sound");
    QTest::addColumn<bool>("throughBackEnd");
    // Recorded by gst-launch with the sound a millisecond behind the first
    // frame, as a camera's microphone may start: the demuxer then opens the
    // file at the sound's first time stamp, before which the repair must
    // drop no frame.
    QTest::addColumn<bool>("soundLate");
    QTest::newRow("with sound") << true << false << false;
    QTest::newRow("silent") << false << false << false;
    QTest::newRow("USB camera through Qt's back end, with sound") << true << true << false;
    QTest::newRow("sound starting after the first frame") << true << false << true;
}

void RepairTest::cutRecordingIsRepaired()
{
    QFETCH(bool, sound);
    QFETCH(bool, throughBackEnd);
    QFETCH(bool, soundLate);
    const QString video = place(contents(soundLate ? recordings.filePath(QStringLiteral("sound late.mp4"))
                                                   : cutRecording(sound, throughBackEnd)),
        QLatin1String(kVideoName));
    QVERIFY(!video.isEmpty());

    // Cut: a player reads the first fragment alone, far short of the frames
    // that are there, which the repaired file's stated length must reach.
    const DecodedVideo cut = decodeVideo(video);
    QVERIFY2(cut.endMs >= kMinimumKeptAfterKillMs, qPrintable(QString::number(cut.endMs)));
    const qint64 statedMs = discover(video).durationMs;
    QVERIFY2(statedMs < cut.endMs - kStatedToDecodedMs,
        qPrintable(QStringLiteral("states %1 ms of %2 ms").arg(statedMs).arg(cut.endMs)));

    // Written a moment ago, it may still be recorded: it waits for a later
    // visit.
    RecordingRepair repair;
    QSignalSpy repaired(&repair, &RecordingRepair::repaired);
    QVERIFY(setModified(video, QDateTime::currentDateTime()));
    repairToTheEnd(repair, { video });
    QCOMPARE(repaired.count(), 0);
    QVERIFY(setModified(video, kRecordedAt));
    repairToTheEnd(repair, { video });
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(repaired.count(), 1);
    QVERIFY(idleThreadsSeen > 0);
    QCOMPARE(repaired.first().first().toString(), video);

    // gst-launch gives its recording no title.
    verifyRepaired(video, cut, soundLate ? QString() : QString(kTitle));
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(!discover(video).audioCaps.isEmpty(), sound);
    QCOMPARE(modified(video), kRecordedAt);
    QCOMPARE(entries(folder->path()), QStringList { QLatin1String(kVideoName) });

    // A repaired file is complete: the next check leaves it alone.
    const QByteArray repairedContents = contents(video);
    repairToTheEnd(repair, { video });
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(repaired.count(), 1);
    QCOMPARE(contents(video), repairedContents);
}

void RepairTest::filesThatNeedNoRepairStayUntouched_data()
{
    QTest::addColumn<QByteArray>("original");
    // Whether the video is whole, so that the leftover of its repair goes.
    QTest::addColumn<bool>("whole");

    const QByteArray complete = contents(recordings.filePath(QStringLiteral("complete.mp4")));
    QTest::newRow("complete recording") << complete << true;
    // Without the fragment index at its end, the last fragment is found by
    // walking the whole file; the index's last four bytes give its size.
    const auto indexBytes = qFromBigEndian<quint32>(complete.right(sizeof(quint32)).constData());
    QTest::newRow("complete recording without its index")
        << complete.left(complete.size() - static_cast<int>(indexBytes)) << true;
    QByteArray garbage(kGarbageBytes, Qt::Uninitialized);
    QRandomGenerator generator(kGarbageSeed);
    generator.fillRange(reinterpret_cast<quint32 *>(garbage.data()), kGarbageBytes / sizeof(quint32));
    QTest::newRow("random bytes") << garbage << false;
    QTest::newRow("cut in its header") << contents(cutRecording(true)).left(kHeaderCutBytes) << false;
    QTest::newRow("empty") << QByteArray() << false;
}

// Beside them, a repair cut off by a crash has left its temporary file,
// which goes when the video is whole, and else stays: a crash during the
// swap may have left it the only copy. One written while this program runs
// may belong to a repair still going and stays.
void RepairTest::filesThatNeedNoRepairStayUntouched()
{
    QFETCH(QByteArray, original);
    QFETCH(bool, whole);
    const QString video = place(original, QLatin1String(kVideoName));
    QVERIFY(!video.isEmpty());
    const QString leftover = QStringLiteral(".%1.AbCdEf.repair").arg(QLatin1String(kVideoName));
    QVERIFY(!place("half a video", leftover).isEmpty());
    QFile current(folder->filePath(QStringLiteral(".new.mp4.GhIjKl.repair")));
    QVERIFY(current.open(QIODevice::WriteOnly));
    current.close();

    RecordingRepair repair;
    QSignalSpy repaired(&repair, &RecordingRepair::repaired);
    repairToTheEnd(repair, { video });
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(repaired.count(), 0);
    QCOMPARE(contents(video), original);
    QCOMPARE(modified(video), kRecordedAt);
    QStringList kept { leftover, QStringLiteral(".new.mp4.GhIjKl.repair"), QLatin1String(kVideoName) };
    if (whole)
        kept.removeFirst();
    QCOMPARE(entries(folder->path()), kept);
}

// Destroyed once the first is repaired, while the others are.
void RepairTest::destroyingWhileRunningLeavesWholeFiles()
{
    const QByteArray original = contents(cutRecording(true));
    const DecodedVideo cut = decodeVideo(cutRecording(true));
    QStringList videos;
    for (int i = 0; i < kCopiesRepairedTogether; ++i)
        videos << place(original, QStringLiteral("2024-03-14T09-2%1-00.mp4").arg(i));
    QVERIFY(!videos.contains(QString()));

    auto repair = std::make_unique<RecordingRepair>();
    QSignalSpy repaired(repair.get(), &RecordingRepair::repaired);
    repair->start(videos);
    QTRY_VERIFY_WITH_TIMEOUT(!repaired.isEmpty(), kTimeoutMs);
    repair.reset();
    // The work runs on the global pool and ends with the file in hand.
    QVERIFY(QThreadPool::globalInstance()->waitForDone(kTimeoutMs));

    QStringList names;
    for (const QString &video : videos) {
        names << QFileInfo(video).fileName();
        QCOMPARE(modified(video), kRecordedAt);
        if (contents(video) != original)
            verifyRepaired(video, cut);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(entries(folder->path()), names);
    const int kept = static_cast<int>(std::count_if(
        videos.cbegin(), videos.cend(), [&](const QString &video) { return contents(video) == original; }));
    QVERIFY(kept < kCopiesRepairedTogether);
}

void RepairTest::historyRepairsBeforeThePlayerPlays()
{
    // The whole way: a cut training in the account's folder, the history
    // opened from the menu, then the player.
    resetSession();
    prepareInstallation(folder->path());
    const DecodedVideo cut = decodeVideo(cutRecording(true));
    {
        MainWindow window;
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(window.lastEffect(), OpacityMax, kTimeoutMs);
        // The accounts are read by the application's start.
        QVERIFY(ClientSessionInfo::actualUser());
        const QString video = trainingVideoPath(
            ClientSessionInfo::actualUser()->recordingPathText(), trainingStamp(kRecordedAt));
        QVERIFY(QFile::copy(cutRecording(true), video) && setModified(video, kRecordedAt));
        QWidget *history = window.screenFor(FormResultsList);
        auto *repair = history->findChild<RecordingRepair *>();
        QVERIFY(repair);
        QSignalSpy finished(repair, &RecordingRepair::finished);
        QTest::mouseClick(
            window.screenFor(FormMenu)->findChild<QPushButton *>("resultsButton"), Qt::LeftButton);
        QVERIFY(finished.wait(kTimeoutMs));
        QTRY_COMPARE_WITH_TIMEOUT(window.lastEffect(), OpacityMax, kTimeoutMs);
        QTest::mouseClick(history->findChild<QPushButton *>("playBtn"), Qt::LeftButton);

        auto *player = window.screenFor(FormVideoPlayer)->findChild<QMediaPlayer *>();
        QVERIFY(player);
        // Unrepaired, it would state its first fragment's length alone.
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(player->duration() - cut.endMs) <= kStatedToDecodedMs, kTimeoutMs);
    }
    resetSession();
}

void RepairTest::quitDuringRecordingCompletesTheVideo_data()
{
    QTest::addColumn<bool>("standIn");
    QTest::addColumn<QString>("ending");
    // Each camera quits in one of the two ways: the ending does not depend
    // on the camera.
    QTest::newRow("virtual camera, exit button") << false << kByExitButton;
    QTest::newRow("USB camera through Qt's back end, SIGTERM") << true << kBySigterm;
}

void RepairTest::quitDuringRecordingCompletesTheVideo()
{
    QFETCH(bool, standIn);
    QFETCH(QString, ending);
    resetSession();
    QTemporaryDir data;
    QVERIFY(data.isValid());
    prepareInstallation(data.path());
    const QString video = data.filePath(QStringLiteral("training.mp4"));

    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
        { QLatin1String(kQuitWhileRecording), video, standIn ? QStringLiteral("stand-in") : QString(),
            ending });
    QByteArray output;
    QVERIFY(QTest::qWaitFor(
        [&] { return (output += child.readAllStandardOutput()).contains(kQuittingMark); }, kTimeoutMs));
    if (ending == QLatin1String(kBySigterm))
        child.terminate();
    QVERIFY(child.waitForFinished(kTimeoutMs));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    output += child.readAllStandardOutput();
    const int mark = output.indexOf(kQuittingMark);
    // How long the recorder had recorded when the quit began.
    const qint64 recordedMs = output.mid(mark + qstrlen(kQuittingMark)).trimmed().toLongLong();
    QVERIFY(recordedMs >= kRecordBeforeQuitMs - kToleranceMs);
    // The tracker saw the camera's frames through the back end's probe: the
    // virtual camera's two instruments, or the stand-in's green ball as the
    // left one.
    const QList<QByteArray> tracked
        = output.mid(output.indexOf(kTrackedMark) + qstrlen(kTrackedMark)).trimmed().split(' ');
    QVERIFY2(tracked.value(0).toInt() > kRecordBeforeQuitMs / 100, output.constData());
    QCOMPARE(tracked.value(1).toInt(), 1);
    QCOMPARE(tracked.value(2).left(1).toInt(), standIn ? 0 : 1);

    // Complete: the file states its whole duration, and every frame up to
    // it decodes; the sound track is there. It is written in fragments, so a
    // crash would have kept all but the last second, and in a mode fit for
    // training, in 8-bit 4:2:0 that every player decodes.
    const MediaFacts facts = discover(video);
    QCOMPARE(facts.videoCodec, QStringLiteral("video/x-h264"));
    QVERIFY2(facts.videoCaps.contains(QLatin1String("chroma-format=(string)4:2:0"))
            && facts.videoCaps.contains(QLatin1String("bit-depth-luma=(uint)8")),
        qPrintable(facts.videoCaps));
    QCOMPARE(facts.frameSize, kTrainingSize);
    QCOMPARE(facts.title, QLatin1String(kTitle));
    QVERIFY(facts.audioCaps.startsWith(QLatin1String("audio/mpeg")));
    QVERIFY(isFragmented(video));
    QVERIFY2(
        facts.durationMs >= recordedMs - kToleranceMs && facts.durationMs <= recordedMs + 2 * kToleranceMs,
        qPrintable(QStringLiteral("file %1 ms, recorded %2 ms").arg(facts.durationMs).arg(recordedMs)));
    const DecodedVideo decoded = decodeVideo(video);
    QVERIFY2(qAbs(decoded.endMs - facts.durationMs) <= kToleranceMs,
        qPrintable(QStringLiteral("decoded up to %1 ms of %2").arg(decoded.endMs).arg(facts.durationMs)));
}

int main(int argc, char **argv)
{
    giveUpRaisingPriorities();
    QApplication application(argc, argv);
    gst_init(nullptr, nullptr);
    if (isRecordingChild(argc, argv))
        return runRecordingChild(argv);
    if (argc == 5 && qstrcmp(argv[1], kQuitWhileRecording) == 0)
        return quitWhileRecording(
            QString::fromLocal8Bit(argv[2]), argv[3][0] != '\0', qstrcmp(argv[4], kByExitButton) == 0);
    RepairTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_repair.moc"
