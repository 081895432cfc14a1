#include <QtTest>

#include <QAbstractVideoSurface>
#include <QCamera>
#include <QCameraImageCapture>
#include <QCameraInfo>
#include <QMediaRecorder>
#include <QTemporaryDir>
#include <QVideoProbe>

#include <memory>

#include "camera/camera.h"
#include "camera/cameradetectingthread.h"
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

// The start times of the frames a camera presents.
class TimeProbe : public QAbstractVideoSurface
{
public:
    QList<QVideoFrame::PixelFormat> supportedPixelFormats(
        QAbstractVideoBuffer::HandleType type) const override
    {
        return type == QAbstractVideoBuffer::NoHandle ? QList { QVideoFrame::Format_RGB32 }
                                                      : QList<QVideoFrame::PixelFormat>();
    }

    bool present(const QVideoFrame &frame) override
    {
        times << frame.startTime();
        return true;
    }

    QList<qint64> times;
};

} // namespace

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
    void probeAndTruthFollowTheViewfinder();

private:
    QTemporaryDir folder;
    std::unique_ptr<VideoWidget> viewfinder;
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
        QCOMPARE(recorderStatuses.size(), 2);
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

void TestVirtualCamera::probeAndTruthFollowTheViewfinder()
{
    constexpr int kFrames = 20;
    const QString truthPath = folder.filePath(QStringLiteral("truth.csv"));
    qputenv("KAVRIN_VIRTUAL_CAMERA_TRUTH", truthPath.toUtf8());
    QCamera camera(QCameraInfo::availableCameras().value(0));
    TimeProbe viewfinder;
    camera.setViewfinder(&viewfinder);
    QVideoProbe probe;
    QVERIFY(probe.setSource(&camera));
    QList<qint64> probedTimes;
    QList<QImage> probed;
    connect(&probe, &QVideoProbe::videoFrameProbed, this, [&](const QVideoFrame &frame) {
        probedTimes << frame.startTime();
        probed << frame.image();
    });
    QSignalSpy flushes(&probe, &QVideoProbe::flush);
    camera.start();
    QTRY_VERIFY_WITH_TIMEOUT(viewfinder.times.size() >= kFrames, kTimeoutMs);
    camera.stop();
    qunsetenv("KAVRIN_VIRTUAL_CAMERA_TRUTH");

    // Every frame the viewfinder got, on the sensor's clock.
    QCOMPARE(flushes.size(), 1);
    QCOMPARE(probedTimes, viewfinder.times);
    for (int i = 0; i < probedTimes.size(); ++i)
        QCOMPARE(probedTimes.at(i), i * 1000000LL / 30);

    // A line per frame, each band's centre where its colour is painted.
    QFile truth(truthPath);
    QVERIFY(truth.open(QIODevice::ReadOnly | QIODevice::Text));
    QCOMPARE(truth.readLine(), QByteArray("frame,time_s,green_x,green_y,magenta_x,magenta_y\n"));
    const int bandHues[] = { 120, 305 };
    for (int frame = 0; frame < probed.size(); ++frame) {
        const QList<QByteArray> cells = truth.readLine().trimmed().split(',');
        QCOMPARE(cells.size(), 6);
        QCOMPARE(cells.at(0).toInt(), frame);
        for (int band = 0; band < 2; ++band) {
            const QPoint centre(
                qRound(cells.at(2 + 2 * band).toDouble()), qRound(cells.at(3 + 2 * band).toDouble()));
            const QColor colour = probed.at(frame).pixelColor(centre);
            QVERIFY2(qAbs(colour.hsvHue() - bandHues[band]) <= 5 && colour.hsvSaturation() > 150,
                qPrintable(QStringLiteral("frame %1 band %2 at %3,%4: %5")
                               .arg(frame)
                               .arg(band)
                               .arg(centre.x())
                               .arg(centre.y())
                               .arg(colour.name())));
        }
    }
    QVERIFY(truth.atEnd());
}

QTEST_MAIN(TestVirtualCamera)
#include "tst_virtualcamera.moc"
