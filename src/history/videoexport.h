#pragma once

#include <QObject>
#include <QStringList>

#include <atomic>
#include <memory>

// Copies training videos, each with its tracking's metrics and paths, into a
// folder on a worker thread, so that the screen stays responsive while
// gigabytes move. A file in the folder under the same name is never
// overwritten, not even one that appears while the copy runs; each copy
// goes through a hidden temporary file that only a complete copy turns into
// the file, so a copy that fails leaves nothing behind. Deleting the object
// does not stop the copying; it only stops the reports. Quitting the
// application stops it within a second.
class VideoExport : public QObject
{
    Q_OBJECT

public:
    explicit VideoExport(QObject *parent = nullptr);
    ~VideoExport() override;

    // The name a video gets in the folder: its name up to the first dot and
    // ".mp4".
    static QString destinationFor(const QString &video, const QString &folder);

    void start(const QStringList &videos, const QString &folder);
    bool isRunning() const { return running; }
    // Stops the copy under way, which takes its temporary file away; waits
    // for that a second at most.
    void cancel();

signals:
    // After each video: how many are done of how many in all.
    void progress(int done, int total);
    // The names skipped because the folder held them already, and those that
    // could not be copied; copied counts the videos.
    void finished(int copied, const QStringList &skipped, const QStringList &failed);

private:
    bool running = false;
    // Shared with the worker, which may outlive this object.
    std::shared_ptr<std::atomic_bool> cancelled;
    std::shared_ptr<std::atomic_bool> working;
};
