#include "imagecapturecontrol.h"

#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QStandardPaths>
#include <QTimer>

#include "cameracontrol.h"
#include "framesource.h"

namespace {

constexpr auto kPictureFormat = "JPG";

QString picturePath(const QString &fileName)
{
    const QDir pictures(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    if (fileName.isEmpty()) {
        return pictures.filePath(
            QStringLiteral("image_%1.jpg")
                .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_hhmmss_zzz"))));
    }
    return pictures.filePath(fileName);
}

} // namespace

VirtualImageCaptureControl::VirtualImageCaptureControl(
    const VirtualCameraControl *camera, const FrameSource *source, QObject *parent)
    : QCameraImageCaptureControl(parent)
    , camera(camera)
    , source(source)
{
    connect(camera, &VirtualCameraControl::statusChanged, this, [this] {
        if (isReadyForCapture() == ready)
            return;
        ready = !ready;
        emit readyForCaptureChanged(ready);
    });
}

bool VirtualImageCaptureControl::isReadyForCapture() const
{
    return camera->status() == QCamera::ActiveStatus;
}

int VirtualImageCaptureControl::capture(const QString &fileName)
{
    const int id = ++lastId;
    QTimer::singleShot(0, this, [this, id, fileName] { deliver(id, fileName); });
    return id;
}

void VirtualImageCaptureControl::deliver(int id, const QString &fileName)
{
    const QImage picture = source->lastFrame();
    if (!isReadyForCapture() || picture.isNull()) {
        emit error(id, QCameraImageCapture::NotReadyError, QStringLiteral("The camera is not ready."));
        return;
    }
    emit imageExposed(id);
    emit imageCaptured(id, picture);
    const QString path = picturePath(fileName);
    if (!picture.save(path, kPictureFormat)) {
        emit error(id, QCameraImageCapture::ResourceError, QStringLiteral("Could not save %1.").arg(path));
        return;
    }
    emit imageSaved(id, path);
}
