#pragma once

#include <QMetaObject>
#include <QString>
#include <QStringList>

#include "camera/imagesettings.h"

class QCamera;
class QCameraImageCapture;
class QMediaRecorder;
class VideoWidget;

// The one place where the application touches the camera: lists the
// connected cameras, binds one with its recorder and still-capture object,
// shows its picture in a VideoWidget, records MP4 and saves PNG pictures.
// Works alike with the virtual camera and with a USB camera through Qt's
// GStreamer back end.
class Camera
{
public:
    Camera();
    Camera(const Camera &) = delete;
    Camera &operator=(const Camera &) = delete;
    ~Camera();

    // Touches no member, so any thread may call it.
    static QStringList getCameraDevices();
    // The index of the first of names that equals name when both are
    // white-space simplified and compared ignoring case; -1 when none does.
    static int findByName(const QStringList &names, const QString &name);

    // An index outside the current camera list leaves no camera bound.
    void setActualDevice(unsigned int index);
    // Chooses the encoding of a recording to come, with or without sound,
    // before the preview starts: Qt's GStreamer back end builds its encoding
    // when the camera starts.
    void prepareRecording(bool sound);
    bool StartPreview(VideoWidget *widget);
    bool StopPreview();
    // False when no camera is bound or the recorder refuses to start. A
    // camera still starting records as soon as it runs: Qt's GStreamer back
    // end refuses to record before.
    bool StartRecording(const QString &path, bool sound);
    // Whether the recorder really records now: false before it starts, after
    // it stops and after an error broke the recording off.
    bool isRecording() const;
    // Saves a PNG picture of the viewfinder as it is now. The file is written
    // in the background and appears complete, or not at all.
    void makeScreenshot(const QString &path) const;

    // Reports a fixed range; the settings dialog's sliders have their own.
    void getCameraProp(const CameraPropCategory &category, long *a, long *b, long *c, bool *flag);
    // Brightness, contrast, saturation and the manual white balance, from
    // ImageSettings::kPropMinimum to kPropMaximum. The settings last for the
    // session: they go to the bound camera and to every camera bound later.
    void setCameraProp(const CameraPropCategory &category, const long &value);
    void setAutomaticWhiteBalance(bool on);

    // Read access for the screens and tests; null while no camera is bound.
    QCamera *currentDevice() const { return device; }
    QMediaRecorder *currentRecorder() const { return recorder; }
    VideoWidget *currentViewfinder() const { return viewfinder; }

private:
    void followStatus();
    void chooseEncoding(bool sound);
    void record();
    void finishRecording();
    void releaseDevice();

    QCamera *device;
    QCameraImageCapture *imageCapture;
    QMediaRecorder *recorder;
    VideoWidget *viewfinder;
    unsigned int deviceIndex;
    ImageSettings imageSettings;
    // A recording asked for while the camera was still starting.
    QMetaObject::Connection pendingRecording;
};
