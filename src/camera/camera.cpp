#include "camera/camera.h"

#include <QCamera>
#include <QCameraImageCapture>
#include <QCameraImageProcessing>
#include <QCameraInfo>
#include <QEventLoop>
#include <QFileInfo>
#include <QImage>
#include <QMediaMetaData>
#include <QMediaRecorder>
#include <QSaveFile>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>

#include "camera/videowidget.h"
#include "core/apptext.h"
#include "core/logging.h"

namespace {

constexpr auto kContainerMp4 = "mp4";
constexpr auto kRecordingTitle = "Kavrin Recording";
// Upper bound for the recorder to write the end of the MP4 file when a
// recording stops; the training waits for it so that no video is cut short.
constexpr int kFinalizeTimeoutMs = 5000;

// Qt's image processing takes adjustments from -1 to 1, 0 leaving the
// picture as it is.
constexpr qreal kAdjustmentLimit = 1;
// The manual white balance of a typical USB camera: the slider runs from
// warm light (a tungsten lamp) to daylight and asks for the middle
// temperature in its neutral position.
constexpr qreal kLowestKelvin = 2800;
constexpr qreal kHighestKelvin = 6500;
constexpr qreal kMiddleKelvin = (kLowestKelvin + kHighestKelvin) / 2;

// Linear on either side of the neutral position, which is not quite the
// middle of the range but must give exactly no change.
qreal adjustmentFor(long position)
{
    const long offset = qBound(Camera::kPropMinimum, position, Camera::kPropMaximum) - Camera::kPropNeutral;
    const long halfRange = offset < 0 ? Camera::kPropNeutral - Camera::kPropMinimum
                                      : Camera::kPropMaximum - Camera::kPropNeutral;
    return kAdjustmentLimit * static_cast<qreal>(offset) / static_cast<qreal>(halfRange);
}

qreal kelvinFor(long position)
{
    return kMiddleKelvin + adjustmentFor(position) * (kHighestKelvin - kMiddleKelvin);
}

// Whether the camera is open, so that a back end can apply image settings:
// Qt's GStreamer back end learns a USB camera's controls when it loads it.
bool takesImageSettings(QCamera::Status status)
{
    return status == QCamera::LoadedStatus || status == QCamera::StartingStatus
        || status == QCamera::ActiveStatus;
}

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

QString Camera::mp4Container(const QStringList &supportedContainers)
{
    if (supportedContainers.isEmpty() || supportedContainers.contains(QLatin1String(kContainerMp4)))
        return QLatin1String(kContainerMp4);
    for (const QString &container : supportedContainers) {
        // "video/quicktime, variant=(string)iso" is GStreamer's name for MP4.
        if (container.startsWith(QLatin1String("video/quicktime"))
            && container.contains(QLatin1String("variant=(string)iso")))
            return container;
    }
    for (const QString &container : supportedContainers) {
        if (container.contains(QLatin1String("mp4"), Qt::CaseInsensitive))
            return container;
    }
    return QLatin1String(kContainerMp4);
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
    recorder->setContainerFormat(mp4Container(recorder->supportedContainers()));
    // A recording that breaks off (full disk, unwritable folder, camera
    // unplugged) stops the recorder; the reason goes to the log.
    QObject::connect(recorder, QOverload<QMediaRecorder::Error>::of(&QMediaRecorder::error), recorder,
        [recorder = recorder] {
            qCWarning(lcCamera) << "recording failed:" << recorder->errorString() << recorder->error();
        });
    imageCapture = new QCameraImageCapture(device);
    delete oldCapture;
    device->setCaptureMode(QCamera::CaptureVideo);
    // The new camera starts with its own defaults; it gets the session's
    // image settings each time it has been opened or started.
    QObject::connect(device, &QCamera::statusChanged, device, [this](QCamera::Status status) {
        if (status == QCamera::LoadedStatus || status == QCamera::ActiveStatus)
            applyImageSettings();
    });
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
    recorder->setMetaData(QMediaMetaData::Title, QLatin1String(kRecordingTitle));
    if (sound) {
        qCDebug(lcCamera) << "record sound";
        recorder->setMuted(false);
        recorder->setVolume(1.0);
    } else {
        recorder->setMuted(true);
    }
    recorder->record();
    qCDebug(lcCamera) << "err" << recorder->errorString() << recorder->error();
    qCDebug(lcCamera) << "recorder state" << recorder->state() << recorder->containerFormat()
                      << recorder->videoSettings().resolution() << recorder->videoSettings().codec();
    // The recorder may still fail later, when the camera delivers its first
    // frames; isRecording() follows that.
    return recorder->state() == QMediaRecorder::RecordingState
        && recorder->error() == QMediaRecorder::NoError;
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
    imageSettings.positions[category] = value;
    applyImageSetting(category);
}

void Camera::setAutomaticWhiteBalance(bool on)
{
    imageSettings.automaticWhiteBalance = on;
    applyImageSetting(PropWhiteBalance);
}

void Camera::applyImageSettings() const
{
    for (const CameraPropCategory category :
        { PropBrightness, PropContrast, PropSaturation, PropWhiteBalance })
        applyImageSetting(category);
}

void Camera::applyImageSetting(CameraPropCategory category) const
{
    if (!device || !takesImageSettings(device->status()))
        return;
    QCameraImageProcessing *processing = device->imageProcessing();
    const long position = imageSettings.positions[category];
    switch (category) {
    case PropBrightness:
        processing->setBrightness(adjustmentFor(position));
        break;
    case PropContrast:
        processing->setContrast(adjustmentFor(position));
        break;
    case PropSaturation:
        processing->setSaturation(adjustmentFor(position));
        break;
    case PropWhiteBalance:
        if (imageSettings.automaticWhiteBalance) {
            processing->setWhiteBalanceMode(QCameraImageProcessing::WhiteBalanceAuto);
        } else {
            // The temperature only counts once the camera stops balancing by itself.
            processing->setWhiteBalanceMode(QCameraImageProcessing::WhiteBalanceManual);
            processing->setManualWhiteBalance(kelvinFor(position));
        }
        break;
    }
}

void Camera::finishRecording()
{
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
