#pragma once

// Qt's GStreamer back end, which drives USB cameras on Linux, set up for a
// training box. Called once at start-up, before the first camera or player
// exists; harmless where another back end serves the cameras.
namespace GStreamerBackEnd {

void prepare();

// The elements prepare() adds: the muxer and the encoder that the back end's
// recordings take, by their rank, over the plain mp4mux and x264enc.
constexpr auto kFragmentedMp4Muxer = "kavrinmp4mux";
constexpr auto kKioskH264Encoder = "kavrinx264enc";

// The title every recording carries, whichever camera made it.
constexpr auto kRecordingTitle = "Kavrin Recording";

} // namespace GStreamerBackEnd
