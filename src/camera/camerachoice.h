#pragma once

#include <QStringList>

class QComboBox;
class VideoWidget;

// The camera list and preview rules shared by the camera dialogs: the list
// follows the detected cameras, the configured camera is preferred, and a
// running preview of the same camera is never restarted.
class CameraChoice
{
public:
    // With `logSteps`, each step writes its debug line (the settings dialog).
    CameraChoice(QComboBox *list, VideoWidget *preview, bool logSteps);

    void showCameras(const QStringList &names);
    void activate(int index);

private:
    void startCameraOn(int index);

    QComboBox *list;
    VideoWidget *preview;
    bool logSteps;
};
