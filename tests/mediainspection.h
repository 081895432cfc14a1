#pragma once

// Reads recorded files back with GStreamer, as a player would, for the tests
// that check recordings. Call gst_init() first.

#include <QSize>
#include <QString>
#include <QUrl>

#include <gst/gst.h>
#include <gst/pbutils/pbutils.h>

// Generous: the tests share a small machine with other jobs.
constexpr GstClockTime kInspectTimeout = 30 * GST_SECOND;

// What GStreamer's discoverer reads from a recorded file.
struct MediaFacts
{
    qint64 durationMs = 0;
    QString videoCodec;
    // The whole caps: profile, chroma format and bit depth.
    QString videoCaps;
    QSize frameSize;
    QString audioCaps;
    QString title;
};

inline QString capsName(GstDiscovererStreamInfo *stream)
{
    GstCaps *caps = gst_discoverer_stream_info_get_caps(stream);
    gchar *description = gst_caps_to_string(caps);
    const QString text = QString::fromUtf8(description);
    g_free(description);
    gst_caps_unref(caps);
    return text;
}

inline QString titleOf(const GstTagList *tags)
{
    gchar *title = nullptr;
    if (!tags || !gst_tag_list_get_string(tags, GST_TAG_TITLE, &title))
        return QString();
    const QString text = QString::fromUtf8(title);
    g_free(title);
    return text;
}

inline MediaFacts discover(const QString &path)
{
    MediaFacts facts;
    GstDiscoverer *discoverer = gst_discoverer_new(kInspectTimeout, nullptr);
    GstDiscovererInfo *info
        = gst_discoverer_discover_uri(discoverer, QUrl::fromLocalFile(path).toEncoded().constData(), nullptr);
    if (info && gst_discoverer_info_get_result(info) == GST_DISCOVERER_OK) {
        facts.durationMs = static_cast<qint64>(GST_TIME_AS_MSECONDS(gst_discoverer_info_get_duration(info)));
        GstDiscovererStreamInfo *container = gst_discoverer_info_get_stream_info(info);
        if (GST_IS_DISCOVERER_CONTAINER_INFO(container))
            facts.title
                = titleOf(gst_discoverer_container_info_get_tags(GST_DISCOVERER_CONTAINER_INFO(container)));
        gst_discoverer_stream_info_unref(container);
        GList *videos = gst_discoverer_info_get_video_streams(info);
        if (videos) {
            auto *video = static_cast<GstDiscovererVideoInfo *>(videos->data);
            facts.frameSize = QSize(static_cast<int>(gst_discoverer_video_info_get_width(video)),
                static_cast<int>(gst_discoverer_video_info_get_height(video)));
            facts.videoCaps = capsName(GST_DISCOVERER_STREAM_INFO(video));
            facts.videoCodec = facts.videoCaps.section(QLatin1Char(','), 0, 0);
            // Qt's GStreamer back end writes the title with the video track.
            if (facts.title.isEmpty())
                facts.title = titleOf(gst_discoverer_stream_info_get_tags(GST_DISCOVERER_STREAM_INFO(video)));
        }
        gst_discoverer_stream_info_list_free(videos);
        GList *audios = gst_discoverer_info_get_audio_streams(info);
        if (audios)
            facts.audioCaps = capsName(GST_DISCOVERER_STREAM_INFO(audios->data));
        gst_discoverer_stream_info_list_free(audios);
    }
    if (info)
        gst_discoverer_info_unref(info);
    g_object_unref(discoverer);
    return facts;
}

// The video track decoded frame by frame, as a player would: a file cut off
// by a crash is read as far as it goes.
struct DecodedVideo
{
    int frames = 0;
    qint64 endMs = 0;
};

inline void countFrame(GstElement *, GstBuffer *buffer, GstPad *, gpointer data)
{
    auto *decoded = static_cast<DecodedVideo *>(data);
    ++decoded->frames;
    if (GST_BUFFER_PTS_IS_VALID(buffer) && GST_BUFFER_DURATION_IS_VALID(buffer)) {
        const GstClockTime end = GST_BUFFER_PTS(buffer) + GST_BUFFER_DURATION(buffer);
        decoded->endMs = qMax(decoded->endMs, static_cast<qint64>(GST_TIME_AS_MSECONDS(end)));
    }
}

inline DecodedVideo decodeVideo(const QString &path)
{
    DecodedVideo decoded;
    GstElement *pipeline
        = gst_parse_launch("filesrc name=file ! qtdemux name=demux demux.video_0 ! avdec_h264 "
                           "! fakesink name=sink sync=false signal-handoffs=true",
            nullptr);
    GstElement *file = gst_bin_get_by_name(GST_BIN(pipeline), "file");
    g_object_set(file, "location", path.toLocal8Bit().constData(), nullptr);
    gst_object_unref(file);
    GstElement *sink = gst_bin_get_by_name(GST_BIN(pipeline), "sink");
    g_signal_connect(sink, "handoff", G_CALLBACK(countFrame), &decoded);
    gst_object_unref(sink);

    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    GstBus *bus = gst_element_get_bus(pipeline);
    GstMessage *end = gst_bus_timed_pop_filtered(
        bus, kInspectTimeout, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    if (end)
        gst_message_unref(end);
    gst_object_unref(bus);
    // Going to NULL joins the streaming threads, so the counts are final.
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    return decoded;
}
