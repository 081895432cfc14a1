#include "camera/cameradetectingthread.h"

#include <QCoreApplication>

#include "camera/camera.h"

namespace {

constexpr unsigned long kPollIntervalMs = 500;

} // namespace

CameraDetectingThread::CameraDetectingThread()
    : QThread(nullptr)
{
    // Without this a thread still polling when the event loop ends would be
    // destroyed while running, which aborts the process.
    if (QCoreApplication *application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, this, &CameraDetectingThread::finish);
}

CameraDetectingThread::~CameraDetectingThread()
{
    finish();
}

void CameraDetectingThread::run()
{
    while (!isInterruptionRequested()) {
        const QStringList names = Camera::getCameraDevices();
        emit actualCameras(names);
        QThread::msleep(kPollIntervalMs);
    }
}

void CameraDetectingThread::finish()
{
    requestInterruption();
    wait();
}
