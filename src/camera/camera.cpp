#include "camera/camera.h"

#include <QCamera>
#include <QCameraImageCapture>
#include <QCameraInfo>
#include <QCameraViewfinderSettings>
#include <QEventLoop>
#include <QFileInfo>
#include <QImage>
#include <QMediaMetaData>
#include <QMediaRecorder>
#include <QSaveFile>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>

#include "camera/captureformat.h"
#include "camera/gstreamerbackend.h"
#include "camera/videowidget.h"
#include "core/apptext.h"
#include "core/logging.h"

namespace {

// Upper bound for the recorder to write the end of the MP4 file when a
// recording stops; the training waits for it so that no video is cut short.
constexpr int kFinalizeTimeoutMs = 5000;

QUrl outputLocationFor(const QString &path)
{
    // An absolute path becomes a file URL so that characters such as '#' or
    // '?' in folder names stay part of the path.
    if (QFileInfo(path).isAbsolute())
        return QUrl::fromLocalFile(path);
    return QUrl(path);
}

} // namespace

Camera::Camera()
    : device(nullptr)
    , imageCapture(nullptr)
    , recorder(nullptr)
    , viewfinder(nullptr)
    , deviceIndex(0)
{
}

Camera::~Camera()
{
    finishRecording();
    releaseDevice();
}

QStringList Camera::getCameraDevices()
{
    QStringList names;
    const auto cameras = QCameraInfo::availableCameras();
    for (const QCameraInfo &info : cameras)
        names << info.description();
    return names;
}

int Camera::findByName(const QStringList &names, const QString &name)
{
    const QString wanted = name.simplified();
    for (int index = 0; index < names.size(); ++index) {
        if (areSimilar(names.at(index).simplified(), wanted))
            return index;
    }
    return -1;
}

void Camera::setActualDevice(unsigned int index)
{
    deviceIndex = index;
    finishRecording();

    const auto cameras = QCameraInfo::availableCameras();
    if (index >= static_cast<unsigned int>(cameras.size())) {
        releaseDevice();
        return;
    }

    QCamera *oldDevice = device;
    QMediaRecorder *oldRecorder = recorder;
    QCameraImageCapture *oldCapture = imageCapture;

    device = new QCamera(cameras.at(static_cast<int>(index)));
    // The old camera goes before the recorder and capture object bound to it.
    delete oldDevice;
    recorder = new QMediaRecorder(device);
    delete oldRecorder;
    recorder->setContainerFormat(CaptureFormat::mp4Container(recorder->supportedContainers()));
    // Qt's GStreamer back end builds its encoding when the camera starts, so
    // the encoding is chosen before; a recording with sound adds its codec.
    chooseEncoding(false);
    // A recording that breaks off (full disk, unwritable folder, camera
    // unplugged) stops the recorder; the reason goes to the log.
    QObject::connect(recorder, QOverload<QMediaRecorder::Error>::of(&QMediaRecorder::error), recorder,
        [recorder = recorder] {
            qCWarning(lcCamera) << "recording failed:" << recorder->errorString() << recorder->error();
        });
    imageCapture = new QCameraImageCapture(device);
    delete oldCapture;
    device->setCaptureMode(QCamera::CaptureVideo);
    followStatus();
}

void Camera::followStatus()
{
    QObject::connect(device, &QCamera::statusChanged, device, [this](QCamera::Status status) {
        // Once open, a USB camera lists its modes; the back end would
        // otherwise take its default, often 640x480 or a few frames a second.
        // A mode already asked for is kept.
        if (status == QCamera::LoadedStatus && device->viewfinderSettings().isNull()) {
            const QCameraViewfinderSettings mode
                = CaptureFormat::bestViewfinderSettings(device->supportedViewfinderSettings());
            if (!mode.isNull()) {
                qCDebug(lcCamera) << "camera mode" << mode.resolution() << mode.maximumFrameRate()
                                  << mode.pixelFormat();
                device->setViewfinderSettings(mode);
            }
        }
        // Each camera starts with its own defaults and gets the session's
        // image settings each time it has been opened or started.
        if (status == QCamera::LoadedStatus || status == QCamera::ActiveStatus)
            imageSettings.applyTo(device);
    });
}

void Camera::prepareRecording(bool sound)
{
    if (recorder)
        chooseEncoding(sound);
}

void Camera::chooseEncoding(bool sound)
{
    QVideoEncoderSettings video = recorder->videoSettings();
    video.setCodec(CaptureFormat::h264Codec(recorder->supportedVideoCodecs()));
    // Without sound no audio codec is asked for: Qt's GStreamer back end
    // then opens no microphone, so a box without one still records.
    QAudioEncoderSettings audio = recorder->audioSettings();
    audio.setCodec(sound ? CaptureFormat::aacCodec(recorder->supportedAudioCodecs()) : QString());
    // A running GStreamer camera restarts when its encoding changes.
    if (video.codec() != recorder->videoSettings().codec()
        || audio.codec() != recorder->audioSettings().codec())
        recorder->setEncodingSettings(audio, video, recorder->containerFormat());
}

bool Camera::StartPreview(VideoWidget *widget)
{
    viewfinder = widget;
    if (!device)
        return false;
    device->setViewfinder(widget);
    device->start();
    return true;
}

bool Camera::StopPreview()
{
    // The recorder is stopped first: the MP4 file is complete once the
    // preview has stopped.
    finishRecording();
    if (device)
        device->stop();
    return true;
}

bool Camera::StartRecording(const QString &path, bool sound)
{
    if (!recorder)
        return false;
    recorder->setOutputLocation(outputLocationFor(path));
    recorder->setMetaData(QMediaMetaData::Title, QLatin1String(GStreamerBackEnd::kRecordingTitle));
    if (sound) {
        qCDebug(lcCamera) << "record sound";
        recorder->setMuted(false);
        recorder->setVolume(1.0);
    } else {
        recorder->setMuted(true);
    }
    chooseEncoding(sound);
    QObject::disconnect(pendingRecording);
    if (device->status() == QCamera::ActiveStatus) {
        record();
        // The recorder may still fail later, when the camera delivers its
        // first frames; isRecording() follows that.
        return recorder->state() == QMediaRecorder::RecordingState
            && recorder->error() == QMediaRecorder::NoError;
    }
    pendingRecording
        = QObject::connect(device, &QCamera::statusChanged, device, [this](QCamera::Status status) {
              if (status != QCamera::ActiveStatus)
                  return;
              QObject::disconnect(pendingRecording);
              record();
          });
    return device->error() == QCamera::NoError && recorder->error() == QMediaRecorder::NoError;
}

void Camera::record()
{
    recorder->record();
    qCDebug(lcCamera) << "err" << recorder->errorString() << recorder->error();
    qCDebug(lcCamera) << "recorder state" << recorder->state() << recorder->containerFormat()
                      << recorder->videoSettings().resolution() << recorder->videoSettings().codec();
}

bool Camera::isRecording() const
{
    return recorder && recorder->state() == QMediaRecorder::RecordingState;
}

void Camera::makeScreenshot(const QString &path) const
{
    if (!viewfinder)
        return;
    const QRect area = viewfinder->rect();
    QImage picture(area.size(), QImage::Format_RGB32);
    viewfinder->render(
        &picture, QPoint(0, 0), QRegion(area), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    // Compressing a full-screen PNG takes several frames' time, so it is done
    // off the GUI thread; the file appears complete or not at all.
    QThreadPool::globalInstance()->start([picture, path] {
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && picture.save(&file, "png", -1))
            file.commit();
    });
}

void Camera::getCameraProp(const CameraPropCategory &category, long *a, long *b, long *c, bool *flag)
{
    Q_UNUSED(category)
    *a = 0;
    *b = 100;
    *c = 50;
    *flag = false;
}

void Camera::setCameraProp(const CameraPropCategory &category, const long &value)
{
    imageSettings.set(category, value);
    imageSettings.applyTo(device, category);
}

void Camera::setAutomaticWhiteBalance(bool on)
{
    imageSettings.setAutomaticWhiteBalance(on);
    imageSettings.applyTo(device, PropWhiteBalance);
}

void Camera::finishRecording()
{
    QObject::disconnect(pendingRecording);
    if (!recorder || recorder->state() == QMediaRecorder::StoppedState)
        return;
    recorder->stop();
    if (recorder->status() != QMediaRecorder::FinalizingStatus)
        return;

    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(recorder, &QMediaRecorder::statusChanged, &loop, [&loop](QMediaRecorder::Status status) {
        if (status != QMediaRecorder::FinalizingStatus)
            loop.quit();
    });
    timeout.start(kFinalizeTimeoutMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void Camera::releaseDevice()
{
    delete device;
    device = nullptr;
    delete recorder;
    recorder = nullptr;
    delete imageCapture;
    imageCapture = nullptr;
}
