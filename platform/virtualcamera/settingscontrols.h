#pragma once

#include <QAudioEncoderSettingsControl>
#include <QMediaContainerControl>
#include <QMetaDataWriterControl>
#include <QVideoEncoderSettingsControl>

#include "recordingsettings.h"

class FrameSource;

// The recorder's format choices. The virtual camera writes one format only:
// fragmented MP4 with H.264 video and AAC sound.
class VirtualContainerControl : public QMediaContainerControl
{
    Q_OBJECT

public:
    explicit VirtualContainerControl(QObject *parent = nullptr);

    QStringList supportedContainers() const override;
    QString containerFormat() const override;
    void setContainerFormat(const QString &format) override;
    QString containerDescription(const QString &format) const override;
};

// Resolution and frame rate follow the camera (QCamera::setViewfinderSettings
// chooses them); of the requested settings only the bit rate is honoured.
class VirtualVideoEncoderControl : public QVideoEncoderSettingsControl
{
    Q_OBJECT

public:
    VirtualVideoEncoderControl(
        RecordingSettings &settings, const FrameSource *source, QObject *parent = nullptr);

    QList<QSize> supportedResolutions(const QVideoEncoderSettings &settings, bool *continuous) const override;
    QList<qreal> supportedFrameRates(const QVideoEncoderSettings &settings, bool *continuous) const override;
    QStringList supportedVideoCodecs() const override;
    QString videoCodecDescription(const QString &codec) const override;
    QVideoEncoderSettings videoSettings() const override;
    void setVideoSettings(const QVideoEncoderSettings &settings) override;

private:
    RecordingSettings &shared;
    const FrameSource *source;
};

// Sample rate, channel count and bit rate of the sound track are honoured.
class VirtualAudioEncoderControl : public QAudioEncoderSettingsControl
{
    Q_OBJECT

public:
    explicit VirtualAudioEncoderControl(RecordingSettings &settings, QObject *parent = nullptr);

    QStringList supportedAudioCodecs() const override;
    QString codecDescription(const QString &codec) const override;
    QList<int> supportedSampleRates(const QAudioEncoderSettings &settings, bool *continuous) const override;
    QAudioEncoderSettings audioSettings() const override;
    void setAudioSettings(const QAudioEncoderSettings &settings) override;

private:
    RecordingSettings &shared;
};

// Meta-data for the next recording; the text keys are written into the file.
class VirtualMetaDataWriterControl : public QMetaDataWriterControl
{
    Q_OBJECT

public:
    explicit VirtualMetaDataWriterControl(RecordingSettings &settings, QObject *parent = nullptr);

    bool isWritable() const override { return true; }
    bool isMetaDataAvailable() const override { return !shared.metaData.isEmpty(); }
    QVariant metaData(const QString &key) const override { return shared.metaData.value(key); }
    void setMetaData(const QString &key, const QVariant &value) override;
    QStringList availableMetaData() const override { return shared.metaData.keys(); }

private:
    RecordingSettings &shared;
};
