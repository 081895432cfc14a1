#include "recordingsettings.h"

namespace {

constexpr int kDefaultSampleRate = 48000;
constexpr int kOtherSampleRate = 44100;
constexpr int kDefaultChannels = 1;
constexpr int kMaximumChannels = 2;

} // namespace

QList<int> RecordingSettings::supportedSampleRates()
{
    return { kOtherSampleRate, kDefaultSampleRate };
}

QVideoEncoderSettings RecordingSettings::actualVideo(const QSize &resolution, int frameRate) const
{
    QVideoEncoderSettings actual = video;
    actual.setCodec(QLatin1String(kVideoCodec));
    actual.setResolution(resolution);
    actual.setFrameRate(frameRate);
    return actual;
}

QAudioEncoderSettings RecordingSettings::actualAudio() const
{
    QAudioEncoderSettings actual = audio;
    actual.setCodec(QLatin1String(kAudioCodec));
    if (!supportedSampleRates().contains(actual.sampleRate()))
        actual.setSampleRate(kDefaultSampleRate);
    if (actual.channelCount() < 1 || actual.channelCount() > kMaximumChannels)
        actual.setChannelCount(kDefaultChannels);
    return actual;
}
