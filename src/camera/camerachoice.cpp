#include "camera/camerachoice.h"

#include <QComboBox>

#include "camera/videowidget.h"
#include "core/clientsessioninfo.h"
#include "core/logging.h"

CameraChoice::CameraChoice(QComboBox *list, VideoWidget *preview, bool logSteps)
    : list(list)
    , preview(preview)
    , logSteps(logSteps)
    , detection(std::make_unique<CameraDetectingThread>())
{
}

CameraChoice::~CameraChoice() = default;

void CameraChoice::stopFollowing()
{
    // The thread goes on polling until the dialog is destroyed; showing the
    // dialog again resumes the reports without a second polling loop.
    following = false;
    ClientSessionInfo::stopPreview();
    QObject::disconnect(feed);
}

void CameraChoice::showCameras(const QStringList &names)
{
    if (!following)
        return;
    if (logSteps)
        qCDebug(lcCamera) << "get cameras";
    list->clear();
    list->addItems(names);
    const int configured = names.indexOf(ClientSessionInfo::selectedCamera);
    if (configured >= 0) {
        activate(configured);
        list->setCurrentText(ClientSessionInfo::selectedCamera);
    } else if (!names.isEmpty()) {
        activate(0);
        list->setCurrentText(names.first());
    }
}

void CameraChoice::activate(int index)
{
    const bool previewing = ClientSessionInfo::IsPreviewingCamera();
    if (logSteps)
        qCDebug(lcCamera) << "Is camera previewing" << previewing;
    if (index < 0)
        return;
    if (previewing) {
        if (index == ClientSessionInfo::actualSelectedCamera)
            return;
        // The name of the camera being switched to; the list's current entry
        // may still be another one while the list is refilled.
        ClientSessionInfo::rememberCamera(list->itemText(index));
    }
    ClientSessionInfo::stopPreview();
    startCameraOn(index);
}

void CameraChoice::startCameraOn(int index)
{
    if (logSteps)
        qCDebug(lcCamera) << "Start camera";
    ClientSessionInfo::selectCamera(index);
    ClientSessionInfo::startCameraPreview(preview, false, false, QString(), QString());
}
