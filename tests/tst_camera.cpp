#include <QCamera>
#include <QImage>
#include <QMediaRecorder>
#include <QTemporaryDir>
#include <QtTest>

#include "camera/camera.h"
#include "camera/captureformat.h"
#include "camera/videowidget.h"
#include "core/clientsessioninfo.h"

// The camera wrapper and the session's preview operations on a machine with
// no camera at all: every operation must stay harmless and report as the
// screens expect.
class CameraTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void unboundCameraOperations();
    void previewFollowsTheWidget();
    void screenshotHasViewfinderSize();
    void mp4ContainerChoice_data();
    void mp4ContainerChoice();
    void trainingModeChoice_data();
    void trainingModeChoice();

private:
    QTemporaryDir dir;
    // The session keeps a pointer to the preview widget until stopPreview.
    std::unique_ptr<VideoWidget> widget;
};

void CameraTest::initTestCase()
{
    // Unplugs the virtual camera; this machine has no real one.
    qputenv("KAVRIN_VIRTUAL_CAMERAS", "0");
    QVERIFY(dir.isValid());
}

void CameraTest::init()
{
    widget = std::make_unique<VideoWidget>();
}

void CameraTest::cleanup()
{
    ClientSessionInfo::stopPreview();
    widget.reset();
}

void CameraTest::unboundCameraOperations()
{
    QVERIFY(Camera::getCameraDevices().isEmpty());
    Camera camera;
    for (unsigned int index : { 0u, 1u, 4000000000u }) {
        camera.setActualDevice(index);
        QCOMPARE(camera.currentDevice(), nullptr);
        QCOMPARE(camera.currentRecorder(), nullptr);
    }
    VideoWidget widget;
    QVERIFY(!camera.StartPreview(&widget));
    QCOMPARE(camera.currentViewfinder(), &widget);
    QVERIFY(camera.StopPreview());
    QVERIFY(!camera.StartRecording(dir.filePath("none.mp4"), true));
    QVERIFY(!QFile::exists(dir.filePath("none.mp4")));

    Camera noViewfinder;
    noViewfinder.makeScreenshot(dir.filePath("none.png"));
    QVERIFY(!QFile::exists(dir.filePath("none.png")));
}

// With no camera neither the preview nor the recording can start; the
// session still follows the widget it was given.
void CameraTest::previewFollowsTheWidget()
{
    QVERIFY(!ClientSessionInfo::startCameraPreview(
        widget.get(), true, true, dir.filePath("rules.mp4"), QString()));
    QCOMPARE(ClientSessionInfo::actualPreviewingWidget, widget.get());
    QVERIFY(ClientSessionInfo::record);
    QVERIFY(ClientSessionInfo::sound);
    QVERIFY(ClientSessionInfo::IsPreviewingCamera());
    widget->hide();
    QVERIFY(!ClientSessionInfo::IsPreviewingCamera());
    widget->show();
    ClientSessionInfo::stopPreview();
    QVERIFY(!ClientSessionInfo::IsPreviewingCamera());
    QVERIFY(!widget->isVisible());
    QCOMPARE(ClientSessionInfo::actualPreviewingWidget, nullptr);
}

void CameraTest::screenshotHasViewfinderSize()
{
    widget->resize(321, 187);
    ClientSessionInfo::startCameraPreview(widget.get(), false, false, QString(), QString());
    const QString picture = dir.filePath("still.png");
    ClientSessionInfo::makePhoto(picture);
    // Written in the background, complete or not at all.
    QImage image;
    QTRY_VERIFY_WITH_TIMEOUT(image.load(picture, "png"), 10000);
    QCOMPARE(image.size(), QSize(321, 187));
}

void CameraTest::mp4ContainerChoice_data()
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

void CameraTest::mp4ContainerChoice()
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

void CameraTest::trainingModeChoice_data()
{
    const auto raw = QVideoFrame::Format_YUYV;
    const auto jpeg = QVideoFrame::Format_Jpeg;
    QTest::addColumn<QList<QCameraViewfinderSettings>>("modes");
    QTest::addColumn<QCameraViewfinderSettings>("expected");
    // A USB 2 camera: raw 720p only at a few frames a second.
    QTest::newRow("MJPEG where raw is slow") << QList<QCameraViewfinderSettings> { mode(640, 480, 30, raw),
        mode(1280, 720, 10, raw), mode(1280, 720, 30, jpeg), mode(1920, 1080, 30, jpeg) }
                                             << mode(1280, 720, 30, jpeg);
    QTest::newRow("MJPEG before raw at the same rate")
        << QList<QCameraViewfinderSettings> { mode(1280, 720, 30, raw), mode(1280, 720, 30, jpeg) }
        << mode(1280, 720, 30, jpeg);
    QTest::newRow("the smallest fit picture") << QList<QCameraViewfinderSettings> { mode(1920, 1080, 30, raw),
        mode(1280, 720, 25, raw), mode(640, 480, 30, raw) }
                                              << mode(1280, 720, 25, raw);
    QTest::newRow("the higher rate") << QList<QCameraViewfinderSettings> { mode(1280, 720, 25, jpeg),
        mode(1280, 720, 60, jpeg) } << mode(1280, 720, 60, jpeg);
    QTest::newRow("none fit: the largest, fastest") << QList<QCameraViewfinderSettings> {
        mode(640, 480, 30, raw), mode(1280, 720, 10, raw), mode(1280, 720, 15, raw)
    } << mode(1280, 720, 15, raw);
    QTest::newRow("no modes listed") << QList<QCameraViewfinderSettings> {} << QCameraViewfinderSettings();
}

void CameraTest::trainingModeChoice()
{
    QFETCH(QList<QCameraViewfinderSettings>, modes);
    QFETCH(QCameraViewfinderSettings, expected);
    QCOMPARE(CaptureFormat::bestViewfinderSettings(modes), expected);
}

QTEST_MAIN(CameraTest)
#include "tst_camera.moc"
