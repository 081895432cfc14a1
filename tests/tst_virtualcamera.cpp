#include <QtTest>

#include <QCamera>
#include <QCameraImageCapture>
#include <QCameraInfo>
#include <QMediaRecorder>
#include <QVideoProbe>

#include <memory>

#include "camera/camera.h"
#include "camera/cameradetectingthread.h"
#include "camera/captureformat.h"
#include "camera/videowidget.h"
#include "core/clientsessioninfo.h"
#include "mediainspection.h"
#include "pictureinspection.h"

using namespace PictureInspection;

namespace {

constexpr auto kCamerasVariable = "KAVRIN_VIRTUAL_CAMERAS";
const QSize kCameraPicture(1280, 720);
const QSize kViewfinderSize(480, 270);

// Generous bounds: the tests share a small machine with other jobs.
constexpr int kTimeoutMs = 20000;
constexpr int kShortRecordingMs = 1000;
constexpr int kToleranceMs = 500;

// The picture is written in the background; it appears complete.
QImage takePhoto(const QString &path)
{
    ClientSessionInfo::makePhoto(path);
    if (!QTest::qWaitFor([&path] { return QFile::exists(path); }, kTimeoutMs))
        return QImage();
    return QImage(path);
}

} // namespace

// The camera layer: the virtual camera plug-in recording and previewing as
// Qt Multimedia expects, the session's camera with it and with no camera at
// all, and the choice of container and mode for any camera.
class TestVirtualCamera : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void detectionThreadFollowsPlugging();
    void recordingEndsCleanlyWithItsCamera_data();
    void recordingEndsCleanlyWithItsCamera();
    void unpluggedCameraFailsAndKeepsTheRecording();
    void failedRecordingKeepsThePreview_data();
    void failedRecordingKeepsThePreview();
    void sessionImageSettingsReachTheViewfinder_data();
    void sessionImageSettingsReachTheViewfinder();
    void withoutACameraNothingStarts();
    void framesCarryTheirCaptureMomentAndRepaintTheViewfinderAlone();
    void mp4ContainerChoice_data();
    void mp4ContainerChoice();
    void trainingModeChoice_data();
    void trainingModeChoice();

private:
    QTemporaryDir folder;
    std::unique_ptr<VideoWidget> viewfinder;
    // The paint events of a widget this test watches.
    int paintsBehind = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

void TestVirtualCamera::initTestCase()
{
    gst_init(nullptr, nullptr);
}

void TestVirtualCamera::init()
{
    QVERIFY(folder.isValid());
    viewfinder = std::make_unique<VideoWidget>();
    viewfinder->resize(kViewfinderSize);
    ClientSessionInfo::selectCamera(0);
}

void TestVirtualCamera::cleanup()
{
    ClientSessionInfo::stopPreview();
    viewfinder.reset();
    qunsetenv(kCamerasVariable);
}

// Cameras plugged in and out while the thread runs, each change reported.
void TestVirtualCamera::detectionThreadFollowsPlugging()
{
    CameraDetectingThread detector;
    QStringList latest;
    connect(&detector, &CameraDetectingThread::actualCameras, this,
        [&latest](const QStringList &names) { latest = names; });
    qputenv(kCamerasVariable, "2");
    detector.start();
    const QStringList two { QStringLiteral("Virtual Camera 1"), QStringLiteral("Virtual Camera 2") };
    QTRY_COMPARE_WITH_TIMEOUT(latest, two, kTimeoutMs);
    QCOMPARE(Camera::getCameraDevices(), two);
    qputenv(kCamerasVariable, "0");
    QTRY_COMPARE_WITH_TIMEOUT(latest, QStringList(), kTimeoutMs);
    qunsetenv(kCamerasVariable);
    QTRY_COMPARE_WITH_TIMEOUT(latest, QStringList { QStringLiteral("Virtual Camera") }, kTimeoutMs);
    QCOMPARE(Camera::getCameraDevices(), latest);
}

enum class Ending { StopRecorder, StopCamera, DeleteCamera };
Q_DECLARE_METATYPE(Ending)

void TestVirtualCamera::recordingEndsCleanlyWithItsCamera_data()
{
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<bool>("asFileUrl");
    QTest::addColumn<QSize>("picture");

    QTest::newRow("recorder stopped, plain path, default size")
        << Ending::StopRecorder << false << kCameraPicture;
    QTest::newRow("camera stopped, file URL, 1080p") << Ending::StopCamera << true << QSize(1920, 1080);
    QTest::newRow("camera deleted, file URL, VGA") << Ending::DeleteCamera << true << QSize(640, 480);
}

void TestVirtualCamera::recordingEndsCleanlyWithItsCamera()
{
    QFETCH(Ending, ending);
    QFETCH(bool, asFileUrl);
    QFETCH(QSize, picture);
    const QString path = folder.filePath(QStringLiteral("ending %1.mp4").arg(static_cast<int>(ending)));

    const QList<QCameraInfo> cameras = QCameraInfo::availableCameras();
    QCOMPARE(cameras.size(), 1);
    auto *camera = new QCamera(cameras.first());
    camera->setCaptureMode(QCamera::CaptureVideo);
    if (picture != kCameraPicture) {
        QCameraViewfinderSettings mode;
        mode.setResolution(picture);
        camera->setViewfinderSettings(mode);
    }
    QMediaRecorder recorder(camera);
    const QCameraImageCapture still(camera);
    QSignalSpy cameraStatuses(camera, &QCamera::statusChanged);
    QSignalSpy recorderStatuses(&recorder, &QMediaRecorder::statusChanged);
    recorder.setOutputLocation(asFileUrl ? QUrl::fromLocalFile(path) : QUrl(path));

    // Recording asked for while the camera is still starting begins once it runs.
    camera->start();
    recorder.record();
    QCOMPARE(recorder.state(), QMediaRecorder::RecordingState);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.status(), QMediaRecorder::RecordingStatus, kTimeoutMs);
    const QList<QCamera::Status> startup { QCamera::LoadingStatus, QCamera::LoadedStatus,
        QCamera::StartingStatus, QCamera::ActiveStatus };
    QCOMPARE(cameraStatuses.size(), startup.size());
    for (int i = 0; i < startup.size(); ++i)
        QCOMPARE(cameraStatuses.at(i).first().value<QCamera::Status>(), startup.at(i));
    QVERIFY(still.isReadyForCapture());
    QCOMPARE(recorder.actualLocation(), QUrl::fromLocalFile(path));
    QTRY_VERIFY_WITH_TIMEOUT(recorder.duration() >= kShortRecordingMs, kTimeoutMs);

    recorderStatuses.clear();
    switch (ending) {
    case Ending::StopRecorder:
        recorder.stop();
        break;
    case Ending::StopCamera:
        camera->stop();
        break;
    case Ending::DeleteCamera:
        delete camera;
        camera = nullptr;
        break;
    }
    const qint64 recordedMs = recorder.duration();
    if (camera) {
        QCOMPARE(recorder.state(), QMediaRecorder::StoppedState);
        // The file is completed on a worker thread.
        QTRY_COMPARE_WITH_TIMEOUT(recorderStatuses.size(), 2, kTimeoutMs);
        QCOMPARE(
            recorderStatuses.at(0).first().value<QMediaRecorder::Status>(), QMediaRecorder::FinalizingStatus);
        QCOMPARE(
            recorderStatuses.at(1).first().value<QMediaRecorder::Status>(), QMediaRecorder::LoadedStatus);
        QVERIFY(recordedMs >= kShortRecordingMs);
    }
    delete camera;

    const MediaFacts facts = discover(path);
    QCOMPARE(facts.videoCodec, QStringLiteral("video/x-h264"));
    QCOMPARE(facts.frameSize, picture);
    QVERIFY2(facts.durationMs >= kShortRecordingMs - kToleranceMs,
        qPrintable(QStringLiteral("file %1 ms").arg(facts.durationMs)));
    if (recordedMs > 0)
        QVERIFY(qAbs(facts.durationMs - recordedMs) <= kToleranceMs);
}

void TestVirtualCamera::unpluggedCameraFailsAndKeepsTheRecording()
{
    const QString path = folder.filePath(QStringLiteral("unplugged.mp4"));
    QCamera camera(QCameraInfo::availableCameras().value(0));
    camera.setCaptureMode(QCamera::CaptureVideo);
    QMediaRecorder recorder(&camera);
    QSignalSpy cameraErrors(&camera, QOverload<QCamera::Error>::of(&QCamera::error));
    QSignalSpy recorderErrors(&recorder, QOverload<QMediaRecorder::Error>::of(&QMediaRecorder::error));
    recorder.setOutputLocation(QUrl::fromLocalFile(path));
    camera.start();
    recorder.record();
    QTRY_VERIFY_WITH_TIMEOUT(recorder.duration() >= kShortRecordingMs, kTimeoutMs);

    // As with a USB camera's cable pulled: an error, and the camera unloads.
    qputenv(kCamerasVariable, "0");
    QTRY_COMPARE_WITH_TIMEOUT(camera.status(), QCamera::UnloadedStatus, kTimeoutMs);
    QCOMPARE(cameraErrors.size(), 1);
    QCOMPARE(camera.error(), QCamera::CameraError);
    QCOMPARE(recorder.state(), QMediaRecorder::StoppedState);
    QCOMPARE(recorderErrors.size(), 1);
    QCOMPARE(recorder.errorString(), camera.errorString());
    QVERIFY2(
        discover(path).durationMs >= kShortRecordingMs - kToleranceMs, "the recording was not completed");

    // Unplugged, it cannot start; plugged in again, it can.
    camera.start();
    QCOMPARE(camera.status(), QCamera::UnloadedStatus);
    QCOMPARE(cameraErrors.size(), 2);
    qunsetenv(kCamerasVariable);
    QTRY_VERIFY_WITH_TIMEOUT((camera.start(), camera.status() == QCamera::ActiveStatus), kTimeoutMs);
}

void TestVirtualCamera::failedRecordingKeepsThePreview_data()
{
    QTest::addColumn<QString>("location");

    QTest::newRow("missing folder") << QStringLiteral("missing/recording.mp4");
    QTest::newRow("disk full") << QStringLiteral("/dev/full");
}

void TestVirtualCamera::failedRecordingKeepsThePreview()
{
    QFETCH(QString, location);
    const QString path = QDir(folder.path()).absoluteFilePath(location);
    if (location.startsWith(QLatin1String("/dev/")) && !QFile::exists(location))
        QSKIP("this system has no device that is always full");

    QVERIFY(ClientSessionInfo::startCameraPreview(viewfinder.get(), true, true, path, QString()));
    QMediaRecorder *recorder = ClientSessionInfo::camera->currentRecorder();
    QTRY_COMPARE_WITH_TIMEOUT(recorder->error(), QMediaRecorder::ResourceError, kTimeoutMs);
    QVERIFY(!recorder->errorString().isEmpty());
    QCOMPARE(recorder->state(), QMediaRecorder::StoppedState);

    QCOMPARE(ClientSessionInfo::camera->currentDevice()->status(), QCamera::ActiveStatus);
    const QString photo = folder.filePath(QStringLiteral("after failure.png"));
    QImage before;
    QTRY_VERIFY_WITH_TIMEOUT(showsPicture(before = takePhoto(photo)), kTimeoutMs);
    QCOMPARE(before.size(), viewfinder->size());
    QTRY_VERIFY_WITH_TIMEOUT(takePhoto(photo) != before, kTimeoutMs);
}

void TestVirtualCamera::sessionImageSettingsReachTheViewfinder_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<long>("position");
    QTest::addColumn<bool>("automaticWhiteBalance");
    QTest::addColumn<Statistic>("statistic");
    QTest::addColumn<Change>("change");

    QTest::newRow("brightness up") << int(PropBrightness) << ImageSettings::kPropMaximum << true
                                   << Statistic::Luminance << Change::Up;
    QTest::newRow("manual white balance unused while automatic")
        << int(PropWhiteBalance) << ImageSettings::kPropMinimum << true << Statistic::Warmth << Change::None;
}

void TestVirtualCamera::sessionImageSettingsReachTheViewfinder()
{
    QFETCH(int, category);
    QFETCH(long, position);
    QFETCH(bool, automaticWhiteBalance);
    QFETCH(Statistic, statistic);
    QFETCH(Change, change);

    Camera camera;
    camera.setActualDevice(0);
    QVERIFY(camera.StartPreview(viewfinder.get()));
    const double before = nextStatistic(*viewfinder, statistic);

    camera.setAutomaticWhiteBalance(automaticWhiteBalance);
    camera.setCameraProp(CameraPropCategory(category), position);
    const double after = nextStatistic(*viewfinder, statistic);
    QVERIFY2(shows(change, before, after), fromTo(before, after).constData());

    // Every screen binds a new camera before its preview; the settings stay.
    camera.setActualDevice(0);
    QVERIFY(camera.StartPreview(viewfinder.get()));
    const double again = nextStatistic(*viewfinder, statistic);
    QVERIFY2(shows(change, before, again), fromTo(before, again).constData());
}

// A frame carries its capture moment on the monotonic clock, as a USB
// camera's driver stamps it, and repaints the viewfinder, not the screen behind.
void TestVirtualCamera::framesCarryTheirCaptureMomentAndRepaintTheViewfinderAlone()
{
    QWidget screen;
    auto *picture = new VideoWidget(&screen);
    screen.installEventFilter(this);
    screen.show();
    Camera camera;
    camera.setActualDevice(0);
    QVideoProbe probe;
    QVERIFY(probe.setSource(camera.currentDevice()));
    // Each frame's time stamp, then the moment it left the sensor.
    QList<qint64> stamps;
    connect(&probe, &QVideoProbe::videoFrameProbed, this, [&stamps](const QVideoFrame &frame) {
        stamps << frame.startTime() << frame.metaData(QStringLiteral("captureMomentUs")).toLongLong();
    });
    QElapsedTimer clock;
    clock.start();
    const qint64 startMs = clock.msecsSinceReference();
    QVERIFY(camera.StartPreview(picture));
    QTRY_VERIFY_WITH_TIMEOUT(stamps.size() >= 6, kTimeoutMs);
    const int screenPaints = paintsBehind;
    QTRY_VERIFY_WITH_TIMEOUT(stamps.size() >= 26, kTimeoutMs);
    QCOMPARE(paintsBehind, screenPaints);
    clock.start();
    const qint64 endMs = clock.msecsSinceReference();
    for (const qint64 stamp : qAsConst(stamps))
        QVERIFY2(stamp >= startMs * 1000 && stamp <= (endMs + 1) * 1000, qPrintable(QString::number(stamp)));
}

bool TestVirtualCamera::eventFilter(QObject *, QEvent *event)
{
    paintsBehind += event->type() == QEvent::Paint ? 1 : 0;
    return false;
}

// With no camera plugged nothing can start, every operation stays
// harmless, and the session still follows the widget it was given.
void TestVirtualCamera::withoutACameraNothingStarts()
{
    qputenv(kCamerasVariable, "0");
    QVERIFY(Camera::getCameraDevices().isEmpty());
    Camera camera;
    for (unsigned int index : { 0u, 1u, 4000000000u }) {
        camera.setActualDevice(index);
        QCOMPARE(camera.currentDevice(), nullptr);
        QCOMPARE(camera.currentRecorder(), nullptr);
    }
    QVERIFY(!camera.StartPreview(viewfinder.get()));
    QCOMPARE(camera.currentViewfinder(), viewfinder.get());
    QVERIFY(camera.StopPreview());
    const QString path = folder.filePath(QStringLiteral("none.mp4"));
    QVERIFY(!camera.StartRecording(path, true));
    QVERIFY(!QFile::exists(path));
    Camera noViewfinder;
    noViewfinder.makeScreenshot(folder.filePath(QStringLiteral("none.png")));

    QVERIFY(!ClientSessionInfo::startCameraPreview(viewfinder.get(), true, true, path, QString()));
    QCOMPARE(ClientSessionInfo::actualPreviewingWidget, viewfinder.get());
    QVERIFY(ClientSessionInfo::record && ClientSessionInfo::sound);
    QVERIFY(ClientSessionInfo::IsPreviewingCamera());
    viewfinder->hide();
    QVERIFY(!ClientSessionInfo::IsPreviewingCamera());
    viewfinder->show();
    ClientSessionInfo::stopPreview();
    QVERIFY(!ClientSessionInfo::IsPreviewingCamera());
    QVERIFY(!viewfinder->isVisible());
    QCOMPARE(ClientSessionInfo::actualPreviewingWidget, nullptr);
    QVERIFY(!QFile::exists(path) && !QFile::exists(folder.filePath(QStringLiteral("none.png"))));
}

void TestVirtualCamera::mp4ContainerChoice_data()
{
    QTest::addColumn<QStringList>("supported");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << QStringList { "avi", "mp4" } << "mp4";
    QTest::newRow("nothing listed") << QStringList {} << "mp4";
    QTest::newRow("gstreamer caps") << QStringList { "video/x-matroska", "video/quicktime",
        "video/quicktime, variant=(string)iso", "video/quicktime, variant=(string)3gpp" }
                                    << "video/quicktime, variant=(string)iso";
    QTest::newRow("mime type") << QStringList { "video/webm", "video/mp4" } << "video/mp4";
    // ISML, whose muxer aborts the process under Qt's back end.
    QTest::newRow("fragmented variant listed first") << QStringList {
        "video/quicktime, variant=(string)iso-fragmented", "video/quicktime, variant=(string)iso"
    } << "video/quicktime, variant=(string)iso";
}

void TestVirtualCamera::mp4ContainerChoice()
{
    QFETCH(QStringList, supported);
    QFETCH(QString, expected);
    QCOMPARE(CaptureFormat::mp4Container(supported), expected);
}

namespace {

QCameraViewfinderSettings mode(int width, int height, qreal frameRate, QVideoFrame::PixelFormat format)
{
    QCameraViewfinderSettings settings;
    settings.setResolution(width, height);
    settings.setMinimumFrameRate(frameRate);
    settings.setMaximumFrameRate(frameRate);
    settings.setPixelFormat(format);
    return settings;
}

} // namespace

void TestVirtualCamera::trainingModeChoice_data()
{
    const auto raw = QVideoFrame::Format_YUYV;
    const auto jpeg = QVideoFrame::Format_Jpeg;
    QTest::addColumn<QList<QCameraViewfinderSettings>>("modes");
    QTest::addColumn<QCameraViewfinderSettings>("expected");
    // A USB 2 camera: raw 720p only at a few frames a second.
    QTest::newRow("MJPEG where raw is slow") << QList<QCameraViewfinderSettings> { mode(640, 480, 30, raw),
        mode(1280, 720, 10, raw), mode(1280, 720, 30, jpeg), mode(1920, 1080, 30, jpeg) }
                                             << mode(1280, 720, 30, jpeg);
    QTest::newRow("the smallest fit picture") << QList<QCameraViewfinderSettings> { mode(1920, 1080, 30, raw),
        mode(1280, 720, 25, raw), mode(640, 480, 30, raw) }
                                              << mode(1280, 720, 25, raw);
    QTest::newRow("none fit: the largest, fastest") << QList<QCameraViewfinderSettings> {
        mode(640, 480, 30, raw), mode(1280, 720, 10, raw), mode(1280, 720, 15, raw)
    } << mode(1280, 720, 15, raw);
}

void TestVirtualCamera::trainingModeChoice()
{
    QFETCH(QList<QCameraViewfinderSettings>, modes);
    QFETCH(QCameraViewfinderSettings, expected);
    QCOMPARE(CaptureFormat::bestViewfinderSettings(modes), expected);
}

QTEST_MAIN(TestVirtualCamera)
#include "tst_virtualcamera.moc"
