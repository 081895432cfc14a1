#pragma once

#include <QAudioEncoderSettings>
#include <QString>
#include <QVariantMap>
#include <QVideoEncoderSettings>

#include <gst/gst.h>

class QImage;

struct RecordingJob
{
    QString path;
    QVideoEncoderSettings video;
    QAudioEncoderSettings audio;
    bool withSound = false;
    qreal volume = 1.0;
    QVariantMap metaData;
};

// One recording as a GStreamer pipeline writing fragmented MP4: frames are
// handed over on the GUI thread and encoded on GStreamer's threads; sound
// comes from a synthetic microphone ticking once a second. Fragments of one
// second mean that a crash loses only the last of them.
class Mp4Writer
{
public:
    explicit Mp4Writer(const RecordingJob &job);
    ~Mp4Writer();
    Mp4Writer(const Mp4Writer &) = delete;
    Mp4Writer &operator=(const Mp4Writer &) = delete;

    // False, with the reason, when the file cannot be created or the
    // pipeline cannot run.
    bool start(QString *problem);
    // Never blocks: when the encoder falls behind, the frame is dropped.
    void push(const QImage &frame);
    void setVolume(qreal volume);
    qint64 durationMs() const;
    // An error the pipeline reported since the last call; empty if none.
    QString takeError();
    // Ends the streams and waits, bounded, until the file is complete.
    bool finish(QString *problem);

    qint64 pushedFrames() const { return pushed; }
    qint64 droppedFrames() const { return dropped; }

private:
    void build(const RecordingJob &job);
    void writeTags(const QVariantMap &metaData);
    GstClockTime runningTime() const;
    QString errorText(GstMessage *message) const;

    GstElement *pipeline = nullptr;
    GstElement *camera = nullptr;
    GstElement *microphone = nullptr;
    GstBus *bus = nullptr;
    QString buildProblem;
    quint64 frameBytes = 0;
    quint64 backlogLimitBytes = 0;
    GstClockTime frameDuration = 0;
    qint64 pushed = 0;
    qint64 dropped = 0;
};
