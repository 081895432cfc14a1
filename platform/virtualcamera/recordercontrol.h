#pragma once

#include <QFutureWatcher>
#include <QMediaRecorderControl>
#include <QTimer>
#include <QUrl>

#include <memory>

class FrameSource;
class Mp4Writer;
class QImage;
class VirtualCameraControl;
struct RecordingSettings;

// Records the camera's picture (and the synthetic microphone unless muted)
// while the camera is active in video mode. A record() that arrives while the
// camera is still starting begins as soon as frames flow. The file is
// finalised when recording stops, when the camera stops or fails and when
// the service goes away. Finalising waits for the encoder to drain, up to a
// few seconds: it runs on a worker thread, as a USB camera's recording is
// completed by GStreamer's threads, and the status leaves FinalizingStatus
// when the file is complete; only the service going away waits for it. A
// camera failure is also reported as the recording's error.
class VirtualRecorderControl : public QMediaRecorderControl
{
    Q_OBJECT

public:
    VirtualRecorderControl(VirtualCameraControl *camera, FrameSource *source,
        const RecordingSettings &settings, QObject *parent = nullptr);
    ~VirtualRecorderControl() override;

    QUrl outputLocation() const override { return location; }
    bool setOutputLocation(const QUrl &location) override;
    QMediaRecorder::State state() const override { return currentState; }
    QMediaRecorder::Status status() const override { return currentStatus; }
    qint64 duration() const override { return recordedMs; }
    bool isMuted() const override { return muted; }
    qreal volume() const override { return gain; }
    // Settings are read when a recording starts; nothing to apply earlier.
    void applySettings() override { }

    void setState(QMediaRecorder::State state) override;
    void setMuted(bool muted) override;
    void setVolume(qreal volume) override;

private:
    void followCamera();
    void breakOff(const QString &reason);
    void begin();
    void stopRecording();
    void finish();
    void finished();
    void stopFeeding();
    void checkProgress();
    void setCurrentState(QMediaRecorder::State state);
    void setStatus(QMediaRecorder::Status status);
    QMediaRecorder::Status idleStatus() const;

    VirtualCameraControl *camera;
    FrameSource *source;
    const RecordingSettings &settings;
    std::unique_ptr<Mp4Writer> writer;
    // The last recording's completion: empty when the file is complete,
    // or else why it is not.
    QFutureWatcher<QString> finishing;
    QMetaObject::Connection frameFeed;
    QTimer progressTimer;
    QUrl location;
    QString recordingPath;
    QMediaRecorder::State currentState = QMediaRecorder::StoppedState;
    QMediaRecorder::Status currentStatus = QMediaRecorder::UnloadedStatus;
    qint64 recordedMs = 0;
    bool muted = false;
    qreal gain = 1.0;
};
