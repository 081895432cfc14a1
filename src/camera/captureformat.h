#pragma once

#include <QCameraViewfinderSettings>
#include <QList>
#include <QStringList>

// What the application asks a camera back end for: the MP4 container, H.264
// video and AAC sound under the names the back end lists, and the camera mode
// a training is shown and recorded in. Back ends name formats their own way:
// the virtual camera lists "mp4", "h264" and "aac", Qt's GStreamer back end
// lists GStreamer caps such as "video/quicktime, variant=(string)iso".
namespace CaptureFormat {

// "mp4" itself, or the entry a GStreamer back end lists by its caps.
QString mp4Container(const QStringList &supportedContainers);

// H.264 under the back end's name. A GStreamer back end gets the caps with
// the Main profile: left open, x264 takes the first raw format it can, a
// 10-bit 4:4:4 one that few players decode.
QString h264Codec(const QStringList &supportedCodecs);

// AAC under the back end's name, as MP4 carries it.
QString aacCodec(const QStringList &supportedCodecs);

// The mode fit for a training: the smallest picture of at least 1280x720 at
// 25 or more frames a second, MJPEG before raw frames where the camera
// offers both (a USB 2 camera sends raw 720p at a few frames a second), then
// the higher frame rate. Without such a mode, the largest picture at the
// highest rate. An empty list gives a default (null) setting, which leaves
// the back end's own choice.
QCameraViewfinderSettings bestViewfinderSettings(const QList<QCameraViewfinderSettings> &supported);

} // namespace CaptureFormat
