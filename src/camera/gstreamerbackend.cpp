#include "camera/gstreamerbackend.h"

#include <QtGlobal>

#include "camera/gstelementsubclass.h"
#include "core/logging.h"

namespace {

// Qt's camera and player services each look for a video sink that draws
// straight into a native window, trying every installed one: kmssink alone
// takes 1.4 s to fail on a desktop, twice per start. Where one works it draws
// over the window, over the dialogs, the blur and the time overlay, and
// outside what the training's picture is taken from; with a DRM device,
// kmssink even draws outside the window. A sink name that no element has
// makes Qt leave those ways out, so in X11 and Wayland sessions alike Qt
// paints every picture itself. A name already set in the environment is kept.
constexpr auto kPaintedByQt = "kavrin-paints-video-itself";
constexpr const char *kOverlaySinkVariables[]
    = { "QT_GSTREAMER_WIDGET_VIDEOSINK", "QT_GSTREAMER_WINDOW_VIDEOSINK" };

// Chosen over the installed elements, which rank primary.
constexpr guint kPreferredRank = GST_RANK_PRIMARY + 1;

// Fragments of a second: a recording cut by a crash, a power cut or a
// shutdown keeps all but its last second, and the history's repair restores
// the index, as for the virtual camera's recordings. Qt's back end gives the
// muxer no settings, and a plain MP4 keeps its index for the end.
constexpr guint kFragmentMs = 1000;

// A kiosk PC encodes 720p30 in real time on a fraction of a core: the
// fastest preset, no frame held back for later ones, a key frame a second so
// that every fragment starts with one, and a rate that keeps a 10-minute
// 720p training near 230 MB.
constexpr auto kSpeedPreset = "ultrafast";
constexpr auto kTune = "zerolatency";
constexpr auto kKeyFrameInterval = "30";
constexpr auto kBitrateKbits = "3000";

void fragmentEverySecond(GObject *muxer)
{
    g_object_set(muxer, "fragment-duration", kFragmentMs, nullptr);
}

// Qt hands the recording's title to camerabin, which sends it down the video
// branch only after the capture has started: on a busy PC the first frames
// overtake it, the muxer has written the file's header by then, and the
// recording goes untitled. So the muxer carries the title itself, set anew
// for every recording because it forgets its tags between recordings.
GstElementClass *plainMuxerClass = nullptr;

GstStateChangeReturn titleEveryRecording(GstElement *muxer, GstStateChange transition)
{
    const GstStateChangeReturn result = plainMuxerClass->change_state(muxer, transition);
    if (transition == GST_STATE_CHANGE_READY_TO_PAUSED && result != GST_STATE_CHANGE_FAILURE) {
        gst_tag_setter_add_tags(GST_TAG_SETTER(muxer), GST_TAG_MERGE_REPLACE, GST_TAG_TITLE,
            GStreamerBackEnd::kRecordingTitle, nullptr);
    }
    return result;
}

void titleRecordings(gpointer muxerClass, gpointer)
{
    plainMuxerClass = GST_ELEMENT_CLASS(g_type_class_peek_parent(muxerClass));
    GST_ELEMENT_CLASS(muxerClass)->change_state = titleEveryRecording;
}

void encodeForKiosk(GObject *encoder)
{
    gst_util_set_object_arg(encoder, "speed-preset", kSpeedPreset);
    gst_util_set_object_arg(encoder, "tune", kTune);
    gst_util_set_object_arg(encoder, "key-int-max", kKeyFrameInterval);
    gst_util_set_object_arg(encoder, "bitrate", kBitrateKbits);
}

} // namespace

namespace GStreamerBackEnd {

void prepare()
{
    for (const char *variable : kOverlaySinkVariables) {
        if (!qEnvironmentVariableIsSet(variable))
            qputenv(variable, kPaintedByQt);
    }
    if (!GstElementSubclass::registerElement(
            "mp4mux", "KavrinFragmentedMp4Mux", kFragmentedMp4Muxer, kPreferredRank, fragmentEverySecond,
            titleRecordings))
        qCWarning(lcCamera) << "mp4mux is missing: recordings of USB cameras will not be written";
    if (!GstElementSubclass::registerElement(
            "x264enc", "KavrinKioskX264Enc", kKioskH264Encoder, kPreferredRank, encodeForKiosk))
        qCWarning(lcCamera) << "x264enc is missing: recordings of USB cameras will not be written";
}

} // namespace GStreamerBackEnd
