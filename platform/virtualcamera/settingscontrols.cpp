#include "settingscontrols.h"

#include "framesource.h"
#include "virtualcameralogging.h"

VirtualContainerControl::VirtualContainerControl(QObject *parent)
    : QMediaContainerControl(parent)
{
}

QStringList VirtualContainerControl::supportedContainers() const
{
    return { QLatin1String(RecordingSettings::kContainer) };
}

QString VirtualContainerControl::containerFormat() const
{
    return QLatin1String(RecordingSettings::kContainer);
}

void VirtualContainerControl::setContainerFormat(const QString &format)
{
    if (!format.isEmpty() && format != QLatin1String(RecordingSettings::kContainer))
        qCWarning(lcVirtualCamera) << "unsupported container" << format << "- recording MP4";
}

QString VirtualContainerControl::containerDescription(const QString &format) const
{
    if (format != QLatin1String(RecordingSettings::kContainer))
        return QString();
    return QStringLiteral("MPEG-4 Part 14, fragmented");
}

VirtualVideoEncoderControl::VirtualVideoEncoderControl(
    RecordingSettings &settings, const FrameSource *source, QObject *parent)
    : QVideoEncoderSettingsControl(parent)
    , shared(settings)
    , source(source)
{
}

QList<QSize> VirtualVideoEncoderControl::supportedResolutions(
    const QVideoEncoderSettings &, bool *continuous) const
{
    if (continuous)
        *continuous = false;
    return { source->resolution() };
}

QList<qreal> VirtualVideoEncoderControl::supportedFrameRates(
    const QVideoEncoderSettings &, bool *continuous) const
{
    if (continuous)
        *continuous = false;
    return { FrameSource::kFrameRate };
}

QStringList VirtualVideoEncoderControl::supportedVideoCodecs() const
{
    return { QLatin1String(RecordingSettings::kVideoCodec) };
}

QString VirtualVideoEncoderControl::videoCodecDescription(const QString &codec) const
{
    if (codec != QLatin1String(RecordingSettings::kVideoCodec))
        return QString();
    return QStringLiteral("H.264 / AVC");
}

QVideoEncoderSettings VirtualVideoEncoderControl::videoSettings() const
{
    return shared.actualVideo(source->resolution(), FrameSource::kFrameRate);
}

void VirtualVideoEncoderControl::setVideoSettings(const QVideoEncoderSettings &settings)
{
    shared.video = settings;
}

VirtualAudioEncoderControl::VirtualAudioEncoderControl(RecordingSettings &settings, QObject *parent)
    : QAudioEncoderSettingsControl(parent)
    , shared(settings)
{
}

QStringList VirtualAudioEncoderControl::supportedAudioCodecs() const
{
    return { QLatin1String(RecordingSettings::kAudioCodec) };
}

QString VirtualAudioEncoderControl::codecDescription(const QString &codec) const
{
    if (codec != QLatin1String(RecordingSettings::kAudioCodec))
        return QString();
    return QStringLiteral("AAC (Advanced Audio Coding)");
}

QList<int> VirtualAudioEncoderControl::supportedSampleRates(
    const QAudioEncoderSettings &, bool *continuous) const
{
    if (continuous)
        *continuous = false;
    return RecordingSettings::supportedSampleRates();
}

QAudioEncoderSettings VirtualAudioEncoderControl::audioSettings() const
{
    return shared.actualAudio();
}

void VirtualAudioEncoderControl::setAudioSettings(const QAudioEncoderSettings &settings)
{
    shared.audio = settings;
}

VirtualMetaDataWriterControl::VirtualMetaDataWriterControl(RecordingSettings &settings, QObject *parent)
    : QMetaDataWriterControl(parent)
    , shared(settings)
{
}

void VirtualMetaDataWriterControl::setMetaData(const QString &key, const QVariant &value)
{
    const bool wasAvailable = isMetaDataAvailable();
    shared.metaData.insert(key, value);
    emit metaDataChanged(key, value);
    emit metaDataChanged();
    if (!wasAvailable)
        emit metaDataAvailableChanged(true);
}
