#pragma once

#include <QStringList>
#include <QThread>

// Reports the connected cameras every 500 ms so that the camera dialogs can
// follow plugging and unplugging. It only reports; the camera in use is
// never touched. The loop runs until the process ends (or the object is
// destroyed) and never outlives the application.
class CameraDetectingThread : public QThread
{
    Q_OBJECT

public:
    CameraDetectingThread();
    ~CameraDetectingThread() override;

signals:
    void actualCameras(QStringList names);

protected:
    void run() override;

private:
    void finish();
};
