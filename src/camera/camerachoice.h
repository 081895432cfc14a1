#pragma once

#include <QStringList>
#include <memory>

#include "camera/cameradetectingthread.h"

class QComboBox;
class QLabel;
class VideoWidget;

// The camera list and preview shared by the camera dialogs: while the
// dialog is shown, its detection thread delivers the connected cameras to
// the dialog's slot; the list follows them, the configured camera is
// preferred, and a running preview of the same camera is never restarted.
// When there is no picture to show, the preview says why: no camera
// connected, no camera service installed, or the camera's own error.
class CameraChoice
{
public:
    // With `logSteps`, each step writes its debug line (the settings dialog).
    CameraChoice(QComboBox *list, VideoWidget *preview, bool logSteps);
    ~CameraChoice();

    // From the dialog's show event: the detection thread's reports go to
    // receive on dialog (queued into the GUI thread) until stopFollowing().
    template <typename Dialog> void followCameras(Dialog *dialog, void (Dialog::*receive)(QStringList))
    {
        feed = QObject::connect(detection.get(), &CameraDetectingThread::actualCameras, dialog, receive);
        following = true;
        detection->start();
    }
    // From the dialog's hide event: no more reports, and the preview stops.
    void stopFollowing();

    // Ignored after stopFollowing(): a report still queued when the dialog
    // was hidden would start the preview again behind the closed dialog.
    void showCameras(const QStringList &names);
    void activate(int index);

private:
    void startCameraOn(int index);
    // Shows the problem of the bound camera, or hides the line without one.
    void showCameraProblem();
    void showProblem(const QString &problem);

    QComboBox *list;
    VideoWidget *preview;
    // Over the preview, owned by it.
    QLabel *problem;
    bool logSteps;
    // Polls from the first show until the dialog is destroyed.
    std::unique_ptr<CameraDetectingThread> detection;
    QMetaObject::Connection feed;
    bool following = false;
};
