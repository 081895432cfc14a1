#pragma once

#include <QString>

#include <atomic>

#include "storage/mp4timeline.h"

// Copies the tracks of a recording cut off by a crash into a plain MP4,
// without re-encoding, and checks that the copy plays to its end as a
// player would play it. Either step runs no longer than playing the
// recording would take, with time to spare for starting up, and stops early
// once cancelled; each gives the problem that stopped it, or nothing.
class RecordingRemux
{
public:
    // GStreamer must be initialised once before the first remux.
    static void initialise();

    RecordingRemux(const Mp4Timeline &cut, const std::atomic_bool &cancelled);

    QString remux(const QString &from, const QString &to) const;
    // The copy must state its length and decode all of it, at least up to
    // where the cut file's last complete fragment starts.
    QString verify(const QString &repaired) const;

private:
    Mp4Timeline cut;
    // Nanoseconds, as GStreamer counts.
    quint64 bound;
    const std::atomic_bool &cancelled;
};
