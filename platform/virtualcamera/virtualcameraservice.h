#pragma once

#include <QMediaService>
#include <QTimer>

#include "cameracontrol.h"
#include "deviceselectorcontrol.h"
#include "framesource.h"
#include "imagecapturecontrol.h"
#include "imageprocessingcontrol.h"
#include "recordercontrol.h"
#include "recordingsettings.h"
#include "renderercontrol.h"
#include "settingscontrols.h"
#include "videoprobecontrol.h"
#include "viewfindersettingscontrol.h"

// One opened virtual camera, with the controls Qt Multimedia asks for. It
// watches the list of plugged-in devices (see VirtualCameraDevices) and
// behaves as an unplugged camera once its device has left the list.
class VirtualCameraService : public QMediaService
{
    Q_OBJECT

public:
    explicit VirtualCameraService(QObject *parent = nullptr);

    QMediaControl *requestControl(const char *name) override;
    void releaseControl(QMediaControl *control) override;

private:
    // Members go in reverse order: the recorder finalises its file while the
    // camera and its frames still exist.
    RecordingSettings settings;
    FrameSource source;
    VirtualCameraControl camera;
    VirtualDeviceSelectorControl deviceSelector;
    VirtualViewfinderSettingsControl viewfinderSettings;
    VirtualImageProcessingControl imageProcessing;
    VirtualRendererControl renderer;
    VirtualVideoProbeControl probe;
    VirtualContainerControl container;
    VirtualVideoEncoderControl videoEncoder;
    VirtualAudioEncoderControl audioEncoder;
    VirtualMetaDataWriterControl metaDataWriter;
    VirtualImageCaptureControl imageCapture;
    VirtualRecorderControl recorder;
    bool rendererInUse = false;
    QTimer plugWatch;
};
