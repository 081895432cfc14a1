#include "camera/camerachoice.h"

#include <QCamera>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "camera/camera.h"
#include "camera/videowidget.h"
#include "core/clientsessioninfo.h"
#include "core/logging.h"

namespace {

constexpr auto kProblemStyle = "color: rgb(203,203,203); font: 14pt \"Corbel\"; background: transparent;";

QString translated(const char *text)
{
    return QCoreApplication::translate("CameraChoice", text);
}

} // namespace

CameraChoice::CameraChoice(QComboBox *list, VideoWidget *preview, bool logSteps)
    : list(list)
    , preview(preview)
    , problem(new QLabel(preview))
    , logSteps(logSteps)
    , detection(std::make_unique<CameraDetectingThread>())
{
    problem->setObjectName(QStringLiteral("cameraProblem"));
    problem->setAlignment(Qt::AlignCenter);
    problem->setWordWrap(true);
    problem->setStyleSheet(QLatin1String(kProblemStyle));
    problem->hide();
    auto *layout = new QVBoxLayout(preview);
    layout->addWidget(problem);
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
    if (names.isEmpty())
        showProblem(translated(QT_TRANSLATE_NOOP(
            "CameraChoice", "No camera found. Connect the USB camera of the training box.")));
    else
        showCameraProblem();
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
    if (QCamera *device = ClientSessionInfo::camera ? ClientSessionInfo::camera->currentDevice() : nullptr) {
        QObject::connect(
            device, QOverload<QCamera::Error>::of(&QCamera::error), problem, [this] { showCameraProblem(); });
        QObject::connect(device, &QCamera::statusChanged, problem, [this] { showCameraProblem(); });
    }
}

void CameraChoice::showCameraProblem()
{
    const QCamera *device = ClientSessionInfo::camera ? ClientSessionInfo::camera->currentDevice() : nullptr;
    if (!device || device->error() == QCamera::NoError) {
        showProblem(QString());
    } else if (device->error() == QCamera::ServiceMissingError) {
        // On Linux the camera service is Qt's GStreamer back end, which needs
        // GStreamer's camerabin element.
        showProblem(translated(QT_TRANSLATE_NOOP("CameraChoice",
            "The camera cannot be opened: its service is not installed "
            "(on Debian, the package gstreamer1.0-plugins-bad).")));
    } else {
        showProblem(translated(QT_TRANSLATE_NOOP("CameraChoice", "The camera cannot be opened: %1"))
                        .arg(device->errorString()));
    }
}

void CameraChoice::showProblem(const QString &text)
{
    problem->setText(text);
    problem->setVisible(!text.isEmpty());
}
