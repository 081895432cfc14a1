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
#include "mediainspection.h"
#include "sessionfixture.h"

// Quitting the application while a training is being recorded. The
// application runs in a child process (this executable, started with
// --quit-while-recording), which starts as KavrinMac does, records through
// the session and leaves through the menu's exit button; the test then reads
// the video back.

namespace {

constexpr auto kQuitWhileRecording = "--quit-while-recording";
constexpr auto kQuittingMark = "quitting after";
constexpr int kRecordBeforeQuitMs = 3000;
constexpr int kTimeoutMs = 60000;
constexpr int kToleranceMs = 500;
const QSize kViewfinderSize(480, 270);

// The child: the installation is prepared, so the menu comes up at once.
int quitWhileRecording(const QString &video)
{
    MainWindow window;
    window.showFullScreen();
    auto *viewfinder = new VideoWidget(&window);
    viewfinder->resize(kViewfinderSize);
    ClientSessionInfo::startCameraPreview(viewfinder, true, true, video, QString());
    QMediaRecorder *recorder = ClientSessionInfo::camera->currentRecorder();
    auto *exit = window.screenFor(FormMenu)->findChild<QPushButton *>(QStringLiteral("exitBtn"));
    if (!recorder || !exit)
        return EXIT_FAILURE;
    QObject::connect(
        recorder, &QMediaRecorder::statusChanged, [recorder, exit](QMediaRecorder::Status status) {
            if (status != QMediaRecorder::RecordingStatus)
                return;
            QTimer::singleShot(kRecordBeforeQuitMs, exit, [recorder, exit] {
                std::printf("%s %lld\n", kQuittingMark, static_cast<long long>(recorder->duration()));
                std::fflush(stdout);
                exit->click();
            });
        });
    return QApplication::exec();
}

} // namespace

class QuitTest : public QObject
{
    Q_OBJECT

private slots:
    void quitDuringRecordingCompletesTheVideo();
};

void QuitTest::quitDuringRecordingCompletesTheVideo()
{
    resetSession();
    QTemporaryDir data;
    QVERIFY(data.isValid());
    prepareInstallation(data.path());
    const QString video = data.filePath(QStringLiteral("training.mp4"));

    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), { QLatin1String(kQuitWhileRecording), video });
    QVERIFY(child.waitForFinished(kTimeoutMs));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    const QByteArray output = child.readAllStandardOutput();
    const int mark = output.indexOf(kQuittingMark);
    QVERIFY2(mark >= 0, output.constData());
    // How long the recorder had recorded when the exit button was pressed.
    const qint64 recordedMs = output.mid(mark + qstrlen(kQuittingMark)).trimmed().toLongLong();
    QVERIFY(recordedMs >= kRecordBeforeQuitMs - kToleranceMs);

    // Complete: the file states its whole duration, and every frame up to
    // it decodes; the sound track is there.
    const MediaFacts facts = discover(video);
    QCOMPARE(facts.videoCodec, QStringLiteral("video/x-h264"));
    QVERIFY(facts.audioCaps.startsWith(QLatin1String("audio/mpeg")));
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
    if (argc == 3 && qstrcmp(argv[1], kQuitWhileRecording) == 0)
        return quitWhileRecording(QString::fromLocal8Bit(argv[2]));
    QuitTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_quit.moc"
