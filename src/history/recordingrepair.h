#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class RepairRun;

// Repairs recordings cut off by a crash or a power cut. A recording is
// written as fragmented MP4: every finished fragment is on disk, but the
// header states the length only once the recording ends, so a player stops
// after the first second. Such a file is remuxed into a plain MP4 (no
// re-encoding) beside it and, once the new file decodes to its full length,
// put in its place with the original's modification time. Complete files are
// recognised from a few hundred bytes of their structure and never touched;
// a file that cannot be repaired stays as it is.
//
// The work runs on Qt's global thread pool. Stopping it, destroying the
// object or starting again cancels the run: the file in hand is left either
// as it was or repaired, never half-written, and no more signals arrive. A
// later run goes on where it stopped: what was repaired is whole and is
// recognised as such in a few reads. A file written in the last seconds is
// left for a later run, since it may still be recorded.
class RecordingRepair : public QObject
{
    Q_OBJECT

public:
    explicit RecordingRepair(QObject *parent = nullptr);
    ~RecordingRepair() override;

    // Checks the videos one after the other and repairs those cut off.
    void start(const QStringList &videos);
    bool isRunning() const { return !run.isNull(); }
    void stop();

signals:
    void repaired(const QString &video);
    void finished();

private:
    QPointer<RepairRun> run;
};
