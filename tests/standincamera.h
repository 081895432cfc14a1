#pragma once

// A USB camera for Qt's GStreamer back end on a machine without one, for the
// tests and benchmarks that record through the back end itself. Qt lists a
// camera when its camerabin source element has a "camera-device" property,
// and reads the video source from QT_GSTREAMER_CAMERABIN_VIDEOSRC; both are
// elements derived here from GStreamer's own, inside the calling process:
//   - the camera source is wrappercamerabinsrc with that property; Qt then
//     lists "Main camera" and "Front camera", both the same stand-in;
//   - the video source is a live videotestsrc offering a USB camera's modes,
//     a green ball moving over black, which the tracker sees as the left
//     instrument's band;
//   - the microphone is a live audiotestsrc that ticks, ranked first among
//     the audio sources that camerabin's autoaudiosrc picks from.
// Call useStandInCamera() before anything lists cameras; the process keeps
// the stand-in from then on.

#include <QByteArray>
#include <QCameraInfo>
#include <QList>

#include <gst/base/gstbasesrc.h>

#include "camera/gstelementsubclass.h"

inline constexpr auto kStandInCamera = "Main camera";

namespace StandIn {

// The modes a USB 2 camera lists: raw 720p only at a few frames a second,
// and 720p30 and 1080p30 (here raw too, as from a USB 3 camera).
inline constexpr auto kModes = "video/x-raw, format=YUY2, width=640, height=480, framerate=30/1; "
                               "video/x-raw, format=YUY2, width=1280, height=720, framerate=10/1; "
                               "video/x-raw, format=YUY2, width=1280, height=720, framerate=30/1; "
                               "video/x-raw, format=YUY2, width=1920, height=1080, framerate=30/1";
inline constexpr int kCameraDeviceProperty = 1;

inline void setCameraDevice(GObject *object, guint, const GValue *value, GParamSpec *)
{
    g_object_set_data(object, "camera-device", GINT_TO_POINTER(g_value_get_int(value)));
}

inline void getCameraDevice(GObject *object, guint, GValue *value, GParamSpec *)
{
    g_value_set_int(value, GPOINTER_TO_INT(g_object_get_data(object, "camera-device")));
}

inline void addCameraDevice(gpointer klass, gpointer)
{
    GObjectClass *objectClass = G_OBJECT_CLASS(klass);
    objectClass->set_property = setCameraDevice;
    objectClass->get_property = getCameraDevice;
    g_object_class_install_property(objectClass, kCameraDeviceProperty,
        g_param_spec_int("camera-device", "Camera device", "Which camera: both are the stand-in", 0, 1, 0,
            G_PARAM_READWRITE));
}

inline GstCaps *cameraModes(GstBaseSrc *, GstCaps *filter)
{
    GstCaps *modes = gst_caps_from_string(kModes);
    if (!filter)
        return modes;
    GstCaps *offered = gst_caps_intersect_full(filter, modes, GST_CAPS_INTERSECT_FIRST);
    gst_caps_unref(modes);
    return offered;
}

inline void offerCameraModes(gpointer klass, gpointer)
{
    GST_BASE_SRC_CLASS(klass)->get_caps = cameraModes;
}

inline void nothingToSet(GObject *) { }

// KAVRIN_STAND_IN_PATTERN names another of videotestsrc's patterns, such as
// "snow" for the encoder's worst case.
inline void movingGreenBall(GObject *source)
{
    const QByteArray pattern = qgetenv("KAVRIN_STAND_IN_PATTERN");
    gst_util_set_object_arg(source, "is-live", "true");
    gst_util_set_object_arg(source, "pattern", pattern.isEmpty() ? "ball" : pattern.constData());
    gst_util_set_object_arg(source, "foreground-color", "0xff20c020");
    gst_util_set_object_arg(source, "background-color", "0xff000000");
}

inline void tickingMicrophone(GObject *source)
{
    gst_util_set_object_arg(source, "is-live", "true");
    gst_util_set_object_arg(source, "wave", "ticks");
}

} // namespace StandIn

inline bool useStandInCamera()
{
    using GstElementSubclass::registerElement;
    qputenv("QT_GSTREAMER_CAMERABIN_SRC", "kavrinstandincamerasrc");
    qputenv("QT_GSTREAMER_CAMERABIN_VIDEOSRC", "kavrinstandinvideosrc");
    const bool registered
        = registerElement("wrappercamerabinsrc", "KavrinStandInCameraSrc", "kavrinstandincamerasrc",
              GST_RANK_NONE, StandIn::nothingToSet, StandIn::addCameraDevice)
        && registerElement("videotestsrc", "KavrinStandInVideoSrc", "kavrinstandinvideosrc", GST_RANK_NONE,
            StandIn::movingGreenBall, StandIn::offerCameraModes)
        && registerElement("audiotestsrc", "KavrinStandInMicrophone", "kavrinstandinmicrophone",
            GST_RANK_PRIMARY + 100, StandIn::tickingMicrophone);
    // Qt's camerabin plugin reads the camera source from the environment
    // only when asked for its default camera or a camera of its own; until
    // then it lists the video devices in /dev alone.
    QCameraInfo::defaultCamera();
    return registered;
}

// The index of the camera with that description in the camera list, or -1.
inline int cameraIndexOf(const char *description)
{
    const QList<QCameraInfo> cameras = QCameraInfo::availableCameras();
    for (int index = 0; index < cameras.size(); ++index) {
        if (cameras.at(index).description() == QLatin1String(description))
            return index;
    }
    return -1;
}

inline int standInCameraIndex()
{
    return cameraIndexOf(kStandInCamera);
}
