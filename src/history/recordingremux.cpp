#include "history/recordingremux.h"

#include <QFile>

#include <gst/gst.h>
#include <pthread.h>
#include <sched.h>
#include <system_error>
#include <thread>

#include "core/logging.h"

namespace {

// Fragments last a second, and the crash may cut one track's last fragment
// while another track keeps its own: after the remux the tracks may end this
// far apart, and the file states the longer of them.
constexpr qint64 kTrackEndSpreadMs = 2000;
// Times are compared in whole milliseconds, and the muxer moves frames onto a
// time scale of its own by a fraction of a millisecond.
constexpr qint64 kRoundingSlackMs = 10;
// Neither the remux nor the decoding check is slower than playback on any
// machine that plays the recording; this covers starting up and the last
// fragment on top.
constexpr GstClockTime kPipelineAllowance = 30 * GST_SECOND;
constexpr GstClockTime kCancelPollInterval = 100 * GST_MSECOND;
// The demuxer reads a fragmented file one track's fragment at a time, so each
// track's queue must hold a few fragments while the muxer waits for the
// other track.
constexpr guint64 kTrackQueueSpan = 5 * GST_SECOND;
constexpr auto kVideoPadPrefix = "video_";
constexpr auto kAudioPadPrefix = "audio_";
constexpr auto kVideoMuxPad = "video_%u";
constexpr auto kAudioMuxPad = "audio_%u";
constexpr auto kRemuxPipeline
    = "filesrc name=source ! qtdemux name=demux mp4mux name=mux ! filesink name=target";
constexpr auto kDecodePipeline
    = "filesrc name=source ! qtdemux name=demux demux.video_0 ! decodebin ! fakesink name=sink sync=false";

QString errorText(GstMessage *message)
{
    GError *error = nullptr;
    gchar *details = nullptr;
    gst_message_parse_error(message, &error, &details);
    const QString text = QString::fromUtf8(error->message);
    qCWarning(lcHistory) << "repair error from" << GST_OBJECT_NAME(GST_MESSAGE_SRC(message)) << text
                         << details;
    g_error_free(error);
    g_free(details);
    return text;
}

// A pipeline from its description, with `path` as the location of its
// element "source".
GstElement *launch(const char *description, const QString &path, QString *problem)
{
    GError *parseError = nullptr;
    GstElement *pipeline = gst_parse_launch(description, &parseError);
    if (parseError) {
        // A missing element leaves a pipeline that cannot work.
        *problem = QString::fromUtf8(parseError->message);
        g_error_free(parseError);
        if (pipeline)
            gst_object_unref(pipeline);
        return nullptr;
    }
    GstElement *source = gst_bin_get_by_name(GST_BIN(pipeline), "source");
    g_object_set(source, "location", QFile::encodeName(path).constData(), nullptr);
    gst_object_unref(source);
    return pipeline;
}

// A repair runs beside a training on a machine of two or four cores, where a
// decoder at full speed would take the processor from the GUI thread and the
// recording. Its streaming threads therefore run only when no other thread
// of the machine wants to, and the threads they start (the decoder's)
// inherit that. They cannot be GStreamer's own: its pool hands threads on to
// every pipeline of the process, the camera's and the player's too, and a
// user's thread that gave up the normal policy may not take it back (only a
// process with the right to raise priorities may). So each task of a repair
// gets a thread of its own, at idle policy from its start to its end.
struct IdleTaskPool
{
    GstTaskPool parent;
};

struct IdleTaskPoolClass
{
    GstTaskPoolClass parentClass;
};

G_DEFINE_TYPE(IdleTaskPool, idle_task_pool, GST_TYPE_TASK_POOL)

gpointer startIdleThread(GstTaskPool *, GstTaskPoolFunction task, gpointer data, GError **error)
{
    try {
        return new std::thread([task, data] {
            const sched_param unused {};
            pthread_setschedparam(pthread_self(), SCHED_IDLE, &unused);
            task(data);
        });
    } catch (const std::system_error &failure) {
        g_set_error(error, G_THREAD_ERROR, G_THREAD_ERROR_AGAIN, "%s", failure.what());
        return nullptr;
    }
}

void joinIdleThread(GstTaskPool *, gpointer id)
{
    auto *thread = static_cast<std::thread *>(id);
    thread->join();
    delete thread;
}

void idle_task_pool_class_init(IdleTaskPoolClass *poolClass)
{
    GstTaskPoolClass *base = GST_TASK_POOL_CLASS(poolClass);
    // No threads are kept between tasks, so there is nothing to prepare.
    base->prepare = nullptr;
    base->cleanup = nullptr;
    base->push = startIdleThread;
    base->join = joinIdleThread;
}

void idle_task_pool_init(IdleTaskPool *) { }

// Gives each task of the pipeline, as it is made, the pool `pool`. Called in
// the thread that posts the message, before the task starts.
GstBusSyncReply runTasksOnPool(GstBus *, GstMessage *message, gpointer pool)
{
    if (GST_MESSAGE_TYPE(message) != GST_MESSAGE_STREAM_STATUS)
        return GST_BUS_PASS;
    GstStreamStatusType status = GST_STREAM_STATUS_TYPE_CREATE;
    GstElement *owner = nullptr;
    gst_message_parse_stream_status(message, &status, &owner);
    const GValue *task = gst_message_get_stream_status_object(message);
    if (status == GST_STREAM_STATUS_TYPE_CREATE && task && G_VALUE_HOLDS(task, GST_TYPE_TASK))
        gst_task_set_pool(GST_TASK(g_value_get_object(task)), GST_TASK_POOL(pool));
    return GST_BUS_PASS;
}

// Runs the pipeline until it has handled all its data; the problem when it
// failed, took longer than `bound` or was cancelled. Leaves it stopped.
QString runToEnd(GstElement *pipeline, GstClockTime bound, const std::atomic_bool &cancelled)
{
    QString problem;
    GstBus *bus = gst_element_get_bus(pipeline);
    auto *pool
        = static_cast<GstTaskPool *>(gst_object_ref_sink(g_object_new(idle_task_pool_get_type(), nullptr)));
    gst_bus_set_sync_handler(bus, runTasksOnPool, pool, gst_object_unref);
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    for (GstClockTime waited = 0; problem.isEmpty(); waited += kCancelPollInterval) {
        if (cancelled) {
            problem = QStringLiteral("cancelled");
            break;
        }
        if (waited >= bound) {
            problem = QStringLiteral("did not finish in time");
            break;
        }
        GstMessage *message = gst_bus_timed_pop_filtered(
            bus, kCancelPollInterval, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
        if (!message)
            continue;
        const bool failed = GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR;
        if (failed)
            problem = errorText(message);
        gst_message_unref(message);
        if (!failed)
            break;
    }
    // Going to NULL joins the streaming threads and closes the files.
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(bus);
    return problem;
}

// The demuxer may open a fragmented file's segment where the earliest track
// starts, a fraction of a millisecond after the first frame of another; the
// muxer would drop that frame, the key frame all that follows needs. With
// every segment starting at 0 all frames are kept and the tracks stay in
// step, since the muxer counts in running time.
GstPadProbeReturn startSegmentAtZero(GstPad *, GstPadProbeInfo *info, gpointer)
{
    GstEvent *event = GST_PAD_PROBE_INFO_EVENT(info);
    if (GST_EVENT_TYPE(event) != GST_EVENT_SEGMENT)
        return GST_PAD_PROBE_OK;
    const GstSegment *segment = nullptr;
    gst_event_parse_segment(event, &segment);
    if (segment->format != GST_FORMAT_TIME || segment->start == 0)
        return GST_PAD_PROBE_OK;
    GstSegment fromZero;
    gst_segment_copy_into(segment, &fromZero);
    fromZero.start = 0;
    fromZero.time = 0;
    fromZero.position = 0;
    GstEvent *replacement = gst_event_new_segment(&fromZero);
    gst_event_set_seqnum(replacement, gst_event_get_seqnum(event));
    gst_event_unref(event);
    GST_PAD_PROBE_INFO_DATA(info) = replacement;
    return GST_PAD_PROBE_OK;
}

// Puts each video and sound track the demuxer finds into the muxer, through
// a queue of its own.
void linkTrack(GstElement *demux, GstPad *track, gpointer muxer)
{
    gchar *trackName = gst_pad_get_name(track);
    const QByteArray name(trackName);
    g_free(trackName);
    const char *muxPad = name.startsWith(kVideoPadPrefix) ? kVideoMuxPad
        : name.startsWith(kAudioPadPrefix)                ? kAudioMuxPad
                                                          : nullptr;
    if (!muxPad)
        return;
    GstElement *queue = gst_element_factory_make("queue", nullptr);
    g_object_set(
        queue, "max-size-time", kTrackQueueSpan, "max-size-buffers", 0u, "max-size-bytes", 0u, nullptr);
    GstObject *pipeline = gst_element_get_parent(demux);
    gst_bin_add(GST_BIN(pipeline), queue);
    gst_object_unref(pipeline);
    gst_element_sync_state_with_parent(queue);

    gst_pad_add_probe(track, GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM, startSegmentAtZero, nullptr, nullptr);
    GstPad *queueIn = gst_element_get_static_pad(queue, "sink");
    GstPad *queueOut = gst_element_get_static_pad(queue, "src");
    GstPad *muxIn = gst_element_request_pad_simple(GST_ELEMENT(muxer), muxPad);
    // An unlinked track stops the demuxer with an error, which fails the remux.
    if (gst_pad_link(track, queueIn) != GST_PAD_LINK_OK || !muxIn
        || gst_pad_link(queueOut, muxIn) != GST_PAD_LINK_OK)
        qCWarning(lcHistory) << "repair could not take over the track" << name;
    if (muxIn)
        gst_object_unref(muxIn);
    gst_object_unref(queueOut);
    gst_object_unref(queueIn);
}

GstPadProbeReturn noteFrameEnd(GstPad *, GstPadProbeInfo *info, gpointer endMs)
{
    const GstBuffer *frame = GST_PAD_PROBE_INFO_BUFFER(info);
    if (GST_BUFFER_PTS_IS_VALID(frame) && GST_BUFFER_DURATION_IS_VALID(frame)) {
        const auto end
            = static_cast<qint64>(GST_TIME_AS_MSECONDS(GST_BUFFER_PTS(frame) + GST_BUFFER_DURATION(frame)));
        auto *latest = static_cast<qint64 *>(endMs);
        *latest = qMax(*latest, end);
    }
    return GST_PAD_PROBE_OK;
}

// A decoder of its own threads, one per core, would hold a frame in each and
// take every core; the check is no hurry.
void decodeInOneThread(GstBin *, GstBin *, GstElement *element, gpointer)
{
    if (g_object_class_find_property(G_OBJECT_GET_CLASS(element), "max-threads"))
        g_object_set(element, "max-threads", 1, nullptr);
}

// Decodes the video of `path` to its end, as a player would, and notes where
// its last frame ends.
QString decodeVideo(const QString &path, GstClockTime bound, const std::atomic_bool &cancelled, qint64 *endMs)
{
    QString problem;
    GstElement *pipeline = launch(kDecodePipeline, path, &problem);
    if (!pipeline)
        return problem;
    GstElement *sink = gst_bin_get_by_name(GST_BIN(pipeline), "sink");
    GstPad *frames = gst_element_get_static_pad(sink, "sink");
    *endMs = 0;
    // Only the streaming thread writes the end, and runToEnd() joins it.
    gst_pad_add_probe(frames, GST_PAD_PROBE_TYPE_BUFFER, noteFrameEnd, endMs, nullptr);
    gst_object_unref(frames);
    gst_object_unref(sink);
    g_signal_connect(pipeline, "deep-element-added", G_CALLBACK(decodeInOneThread), nullptr);
    problem = runToEnd(pipeline, bound, cancelled);
    gst_object_unref(pipeline);
    return problem;
}

} // namespace

RecordingRemux::RecordingRemux(const Mp4Timeline &cut, const std::atomic_bool &cancelled)
    : cut(cut)
    , bound(kPipelineAllowance + cut.lastFragmentStartMs * GST_MSECOND)
    , cancelled(cancelled)
{
}

void RecordingRemux::initialise()
{
    // Qt's GStreamer back end may have initialised GStreamer already.
    if (!gst_is_initialized())
        gst_init(nullptr, nullptr);
}

QString RecordingRemux::remux(const QString &from, const QString &to) const
{
    QString problem;
    GstElement *pipeline = launch(kRemuxPipeline, from, &problem);
    if (!pipeline)
        return problem;
    GstElement *target = gst_bin_get_by_name(GST_BIN(pipeline), "target");
    g_object_set(target, "location", QFile::encodeName(to).constData(), nullptr);
    gst_object_unref(target);
    GstElement *demux = gst_bin_get_by_name(GST_BIN(pipeline), "demux");
    GstElement *mux = gst_bin_get_by_name(GST_BIN(pipeline), "mux");
    // The pipeline holds the muxer for as long as the demuxer can add tracks.
    g_signal_connect(demux, "pad-added", G_CALLBACK(linkTrack), mux);
    gst_object_unref(mux);
    gst_object_unref(demux);
    problem = runToEnd(pipeline, bound, cancelled);
    gst_object_unref(pipeline);
    return problem;
}

QString RecordingRemux::verify(const QString &repaired) const
{
    const std::optional<Mp4Timeline> timeline = readMp4Timeline(repaired);
    if (!timeline || timeline->isCut())
        return QStringLiteral("the remuxed file is no complete MP4");
    qint64 decodedMs = 0;
    const QString problem = decodeVideo(repaired, bound, cancelled, &decodedMs);
    if (!problem.isEmpty())
        return problem;
    if (decodedMs + kRoundingSlackMs < cut.lastFragmentStartMs
        || qAbs(timeline->statedMs - decodedMs) > kTrackEndSpreadMs) {
        return QStringLiteral(
            "the remuxed file states %1 ms and decodes to %2 ms, the fragments start up to %3 ms")
            .arg(timeline->statedMs)
            .arg(decodedMs)
            .arg(cut.lastFragmentStartMs);
    }
    return QString();
}
