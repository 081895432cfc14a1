#include <QtTest>

#include <QApplication>
#include <QMediaRecorder>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

#include "camera/camera.h"
#include "camera/videowidget.h"
#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "core/startup.h"
#include "mediainspection.h"
#include "sessionfixture.h"
#include "standincamera.h"
#include "tracking/tiptracker.h"

// Quitting the application while a training is being recorded and tracked,
// through the menu's exit button or by SIGTERM (a system shutdown), with the
// virtual camera and with a USB camera through Qt's GStreamer back end (the
// stand-in camera). The application runs in a child process (this
// executable, started with --quit-while-recording), which starts as
// KavrinMac does and records and tracks through the session; the test then
// reads the tracker's report and the video back.

namespace {

constexpr auto kQuitWhileRecording = "--quit-while-recording";
constexpr auto kQuittingMark = "quitting after";
constexpr auto kTrackedMark = "tracked";
constexpr auto kByExitButton = "exit-button";
constexpr auto kBySigterm = "sigterm";
constexpr int kRecordBeforeQuitMs = 2000;
constexpr int kTimeoutMs = 60000;
constexpr int kToleranceMs = 500;
const QSize kViewfinderSize(480, 270);
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

} // namespace

class QuitTest : public QObject
{
    Q_OBJECT

private slots:
    void quitDuringRecordingCompletesTheVideo_data();
    void quitDuringRecordingCompletesTheVideo();
};

void QuitTest::quitDuringRecordingCompletesTheVideo_data()
{
    QTest::addColumn<bool>("standIn");
    QTest::addColumn<QString>("ending");
    // Each camera quits in one of the two ways: the ending does not depend
    // on the camera.
    QTest::newRow("virtual camera, exit button") << false << kByExitButton;
    QTest::newRow("USB camera through Qt's back end, SIGTERM") << true << kBySigterm;
}

void QuitTest::quitDuringRecordingCompletesTheVideo()
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
    QCOMPARE(facts.title, QStringLiteral("Kavrin Recording"));
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
    QApplication application(argc, argv);
    gst_init(nullptr, nullptr);
    if (argc == 5 && qstrcmp(argv[1], kQuitWhileRecording) == 0)
        return quitWhileRecording(
            QString::fromLocal8Bit(argv[2]), argv[3][0] != '\0', qstrcmp(argv[4], kByExitButton) == 0);
    QuitTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_quit.moc"
