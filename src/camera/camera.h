#pragma once

#include <QStringList>

#include <array>

class QCamera;
class QCameraImageCapture;
class QMediaRecorder;
class VideoWidget;

enum CameraPropCategory { PropBrightness = 0, PropContrast = 1, PropSaturation = 2, PropWhiteBalance = 3 };
constexpr int kCameraPropCount = PropWhiteBalance + 1;

// The one place where the application touches the camera: lists the
// connected cameras, binds one with its recorder and still-capture object,
// shows its picture in a VideoWidget, records MP4 and saves PNG pictures.
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
    bool StartPreview(VideoWidget *widget);
    bool StopPreview();
    // False when no camera is bound or the recorder refuses to start.
    bool StartRecording(const QString &path, bool sound);
    // Whether the recorder really records now: false before it starts, after
    // it stops and after an error broke the recording off.
    bool isRecording() const;
    // Saves a PNG picture of the viewfinder as it is now. The file is written
    // in the background and appears complete, or not at all.
    void makeScreenshot(const QString &path) const;

    // The positions of the settings dialog's sliders: the picture as the
    // camera delivers it at kPropNeutral, where the default buttons put them.
    static constexpr long kPropMinimum = 0;
    static constexpr long kPropNeutral = 49;
    static constexpr long kPropMaximum = 99;

    // Reports a fixed range; the settings dialog's sliders have their own.
    void getCameraProp(const CameraPropCategory &category, long *a, long *b, long *c, bool *flag);
    // Brightness, contrast, saturation and the manual white balance, from
    // kPropMinimum to kPropMaximum. The settings last for the session: they
    // go to the bound camera and to every camera bound later, through Qt's
    // image processing of the camera.
    void setCameraProp(const CameraPropCategory &category, const long &value);
    void setAutomaticWhiteBalance(bool on);

    // The container name under which the back end offers MP4: "mp4" itself,
    // or the entry a GStreamer back end lists by its caps.
    static QString mp4Container(const QStringList &supportedContainers);

    // Read access for the screens and tests; null while no camera is bound.
    QCamera *currentDevice() const { return device; }
    QMediaRecorder *currentRecorder() const { return recorder; }
    VideoWidget *currentViewfinder() const { return viewfinder; }

private:
    // The image settings of the session, as slider positions per category;
    // kept here because each bound camera starts with its own defaults.
    struct ImageSettings
    {
        std::array<long, kCameraPropCount> positions { kPropNeutral, kPropNeutral, kPropNeutral,
            kPropNeutral };
        bool automaticWhiteBalance = true;
    };

    void finishRecording();
    void releaseDevice();
    void applyImageSettings() const;
    void applyImageSetting(CameraPropCategory category) const;

    QCamera *device;
    QCameraImageCapture *imageCapture;
    QMediaRecorder *recorder;
    VideoWidget *viewfinder;
    unsigned int deviceIndex;
    ImageSettings imageSettings;
};
