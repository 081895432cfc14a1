#pragma once

#include <QAudioEncoderSettings>
#include <QList>
#include <QString>
#include <QVariantMap>
#include <QVideoEncoderSettings>

// What the application asked of the next recording through QMediaRecorder;
// one instance per service, shared by the settings controls (which fill it)
// and the recorder control (which reads it when a recording starts).
struct RecordingSettings
{
    static constexpr auto kContainer = "mp4";
    static constexpr auto kVideoCodec = "h264";
    static constexpr auto kAudioCodec = "aac";

    static QList<int> supportedSampleRates();

    // The settings as they will be recorded: codecs fixed, picture size and
    // rate those of the camera, unsupported sound parameters replaced.
    QVideoEncoderSettings actualVideo(const QSize &resolution, int frameRate) const;
    QAudioEncoderSettings actualAudio() const;

    QVideoEncoderSettings video;
    QAudioEncoderSettings audio;
    QVariantMap metaData;
};
