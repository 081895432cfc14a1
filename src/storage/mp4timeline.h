#pragma once

#include <QIODevice>
#include <QString>

#include <optional>

// What an MP4 file's structure says about its length, read from a few
// hundred bytes of its boxes without decoding a single frame.
struct Mp4Timeline
{
    // What the header states: mvhd's duration in a plain file, mehd's (that
    // of all fragments) in a fragmented one.
    qint64 statedMs = 0;
    // Where the last complete fragment starts; 0 in a plain file.
    qint64 lastFragmentStartMs = 0;

    // The muxer writes mehd as 0 when a recording starts and brings it up to
    // date when the recording ends. A fragment that starts after the stated
    // end therefore means a header the crash kept from being updated; in a
    // complete file the stated length reaches past the start of the last
    // fragment by that fragment's length. Telling the two apart needs only
    // the moov box and the last moof box, not a single frame.
    bool isCut() const { return lastFragmentStartMs > statedMs; }
};

// None when the file is no MP4 that a player could open: unreadable, not MP4
// at all, or cut before its moov box was complete.
std::optional<Mp4Timeline> readMp4Timeline(const QString &path);
// The same of a device open for reading, at whatever position; it is read
// with seeks, so a file should be opened unbuffered.
std::optional<Mp4Timeline> readMp4Timeline(QIODevice &file);
