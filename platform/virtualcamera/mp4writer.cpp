#include "mp4writer.h"

#include <QImage>

#include <gst/app/gstappsrc.h>

#include "virtualcameralogging.h"

namespace {

constexpr auto kEncoderPreset = "ultrafast";
constexpr auto kEncoderTune = "zerolatency";
constexpr int kKeyFrameInterval = 30;
constexpr int kFragmentMs = 1000;
// How much picture may wait for the encoder before frames are dropped.
constexpr int kBacklogFrames = 10;
constexpr GstClockTime kFinishTimeout = 3 * GST_SECOND;
constexpr qreal kTickLoudness = 0.5;
constexpr int kBitsPerKilobit = 1000;
constexpr quint64 kBytesPerPixel = 4;
constexpr auto kSystemErrorPrefix = "system error: ";

struct TagMapping
{
    const char *metaDataKey;
    const char *gstTag;
};

// The text keys of QMediaMetaData that MP4 can carry.
const TagMapping kTextTags[] = {
    { "Title", GST_TAG_TITLE },
    { "Comment", GST_TAG_COMMENT },
    { "Description", GST_TAG_DESCRIPTION },
    { "Copyright", GST_TAG_COPYRIGHT },
};

QString pipelineDescription(const RecordingJob &job)
{
    QString description
        = QStringLiteral("appsrc name=camera ! videoconvert ! video/x-raw,format=I420 "
                         "! x264enc name=encoder speed-preset=%1 tune=%2 key-int-max=%3 ! queue "
                         "! mp4mux name=mux fragment-duration=%4 ! filesink name=file")
              .arg(QLatin1String(kEncoderPreset), QLatin1String(kEncoderTune))
              .arg(kKeyFrameInterval)
              .arg(kFragmentMs);
    if (job.withSound) {
        description += QStringLiteral(" audiotestsrc name=microphone is-live=true wave=ticks tick-interval=%1"
                                      " ! audio/x-raw,rate=%2,channels=%3 ! audioconvert ! avenc_aac name=aac"
                                      " ! queue ! mux.")
                           .arg(GST_SECOND)
                           .arg(job.audio.sampleRate())
                           .arg(job.audio.channelCount());
    }
    return description;
}

void releaseImage(gpointer image)
{
    delete static_cast<QImage *>(image);
}

} // namespace

Mp4Writer::Mp4Writer(const RecordingJob &job)
{
    if (!gst_is_initialized())
        gst_init(nullptr, nullptr);
    build(job);
}

Mp4Writer::~Mp4Writer()
{
    if (pipeline)
        gst_element_set_state(pipeline, GST_STATE_NULL);
    if (bus)
        gst_object_unref(bus);
    if (microphone)
        gst_object_unref(microphone);
    if (camera)
        gst_object_unref(camera);
    if (pipeline)
        gst_object_unref(pipeline);
}

void Mp4Writer::build(const RecordingJob &job)
{
    GError *parseError = nullptr;
    pipeline = gst_parse_launch(pipelineDescription(job).toUtf8().constData(), &parseError);
    if (parseError) {
        // A missing element leaves a pipeline that cannot work.
        buildProblem = QString::fromUtf8(parseError->message);
        g_error_free(parseError);
        if (pipeline)
            gst_object_unref(pipeline);
        pipeline = nullptr;
        return;
    }
    GstBin *bin = GST_BIN(pipeline);
    bus = gst_element_get_bus(pipeline);
    camera = gst_bin_get_by_name(bin, "camera");
    microphone = gst_bin_get_by_name(bin, "microphone");

    const QSize size = job.video.resolution();
    const int frameRate = qRound(job.video.frameRate());
    frameBytes = static_cast<quint64>(size.width()) * static_cast<quint64>(size.height()) * kBytesPerPixel;
    backlogLimitBytes = frameBytes * kBacklogFrames;
    frameDuration = GST_SECOND / static_cast<GstClockTime>(frameRate);
    // QImage::Format_RGB32 is BGRx in memory on little-endian machines.
    GstCaps *caps = gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "BGRx", "width", G_TYPE_INT,
        size.width(), "height", G_TYPE_INT, size.height(), "framerate", GST_TYPE_FRACTION, frameRate, 1,
        nullptr);
    g_object_set(camera, "caps", caps, "format", GST_FORMAT_TIME, "is-live", TRUE, "do-timestamp", FALSE,
        "block", FALSE, "max-bytes", static_cast<guint64>(backlogLimitBytes), nullptr);
    gst_caps_unref(caps);

    GstElement *file = gst_bin_get_by_name(bin, "file");
    g_object_set(file, "location", job.path.toLocal8Bit().constData(), nullptr);
    gst_object_unref(file);

    if (job.video.bitRate() > 0) {
        GstElement *encoder = gst_bin_get_by_name(bin, "encoder");
        g_object_set(encoder, "bitrate", static_cast<guint>(job.video.bitRate() / kBitsPerKilobit), nullptr);
        gst_object_unref(encoder);
    }
    if (microphone && job.audio.bitRate() > 0) {
        GstElement *aac = gst_bin_get_by_name(bin, "aac");
        g_object_set(aac, "bitrate", job.audio.bitRate(), nullptr);
        gst_object_unref(aac);
    }
    setVolume(job.volume);
    writeTags(job.metaData);
}

void Mp4Writer::writeTags(const QVariantMap &metaData)
{
    // mp4mux writes the tags set on it, also in fragmented mode; stream tags
    // injected upstream would be ignored.
    GstElement *mux = gst_bin_get_by_name(GST_BIN(pipeline), "mux");
    for (const TagMapping &mapping : kTextTags) {
        const QString text = metaData.value(QLatin1String(mapping.metaDataKey)).toString();
        if (!text.isEmpty()) {
            gst_tag_setter_add_tags(GST_TAG_SETTER(mux), GST_TAG_MERGE_REPLACE, mapping.gstTag,
                text.toUtf8().constData(), nullptr);
        }
    }
    gst_object_unref(mux);
}

bool Mp4Writer::start(QString *problem)
{
    if (!pipeline) {
        *problem = buildProblem;
        return false;
    }
    if (gst_element_set_state(pipeline, GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE)
        return true;
    *problem = takeError();
    if (problem->isEmpty())
        *problem = QStringLiteral("The recording pipeline could not start.");
    gst_element_set_state(pipeline, GST_STATE_NULL);
    return false;
}

void Mp4Writer::push(const QImage &frame)
{
    // Until the pipeline runs there is no clock to stamp the frame with.
    const GstClockTime timestamp = runningTime();
    if (!GST_CLOCK_TIME_IS_VALID(timestamp))
        return;

    if (static_cast<quint64>(frame.sizeInBytes()) != frameBytes
        || gst_app_src_get_current_level_bytes(GST_APP_SRC(camera)) + frameBytes > backlogLimitBytes) {
        ++dropped;
        return;
    }
    // The buffer shares the image's pixels; the copy of the QImage keeps them
    // alive until the encoder is done, on whichever thread that is.
    auto *owner = new QImage(frame);
    GstBuffer *buffer = gst_buffer_new_wrapped_full(GST_MEMORY_FLAG_READONLY,
        const_cast<uchar *>(owner->constBits()), frameBytes, 0, frameBytes, owner, releaseImage);
    GST_BUFFER_PTS(buffer) = timestamp;
    GST_BUFFER_DURATION(buffer) = frameDuration;
    if (gst_app_src_push_buffer(GST_APP_SRC(camera), buffer) == GST_FLOW_OK)
        ++pushed;
    else
        ++dropped;
}

void Mp4Writer::setVolume(qreal volume)
{
    if (microphone)
        g_object_set(microphone, "volume", kTickLoudness * qBound(0.0, volume, 1.0), nullptr);
}

GstClockTime Mp4Writer::runningTime() const
{
    GstClock *clock = pipeline ? gst_element_get_clock(pipeline) : nullptr;
    if (!clock)
        return GST_CLOCK_TIME_NONE;
    const GstClockTime now = gst_clock_get_time(clock) - gst_element_get_base_time(pipeline);
    gst_object_unref(clock);
    return now;
}

qint64 Mp4Writer::durationMs() const
{
    const GstClockTime now = runningTime();
    return GST_CLOCK_TIME_IS_VALID(now) ? static_cast<qint64>(GST_TIME_AS_MSECONDS(now)) : 0;
}

QString Mp4Writer::takeError()
{
    if (!bus)
        return QString();
    GstMessage *message = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR);
    if (!message)
        return QString();
    const QString text = errorText(message);
    gst_message_unref(message);
    return text;
}

QString Mp4Writer::errorText(GstMessage *message) const
{
    GError *error = nullptr;
    gchar *details = nullptr;
    gst_message_parse_error(message, &error, &details);
    QString text = QString::fromUtf8(error->message);
    // GStreamer keeps the operating system's reason (such as "Not a
    // directory") in the details; it is what the user needs to know.
    const QString detail = QString::fromUtf8(details);
    const int reasonAt = detail.lastIndexOf(QLatin1String(kSystemErrorPrefix));
    if (reasonAt >= 0) {
        const QString reason = detail.mid(reasonAt + static_cast<int>(qstrlen(kSystemErrorPrefix))).trimmed();
        text += QStringLiteral(" (%1)").arg(reason);
    }
    qCWarning(lcVirtualCamera) << "recording error from" << GST_OBJECT_NAME(GST_MESSAGE_SRC(message)) << text
                               << details;
    g_error_free(error);
    g_free(details);
    return text;
}

bool Mp4Writer::finish(QString *problem)
{
    if (!pipeline)
        return true;
    gst_app_src_end_of_stream(GST_APP_SRC(camera));
    if (microphone)
        gst_element_send_event(microphone, gst_event_new_eos());
    GstMessage *message = gst_bus_timed_pop_filtered(
        bus, kFinishTimeout, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    bool complete = true;
    if (!message) {
        complete = false;
        *problem = QStringLiteral("The recording did not finish in time; its last second may be missing.");
    } else if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) {
        complete = false;
        *problem = errorText(message);
    }
    if (message)
        gst_message_unref(message);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    return complete;
}
