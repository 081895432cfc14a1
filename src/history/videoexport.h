#pragma once

#include <QObject>
#include <QStringList>

// Copies training videos, each with its tracking's metrics and paths, into a
// folder on a worker thread, so that the screen stays responsive while
// gigabytes move. A file already in the folder
// under the same name is never overwritten; each copy goes through a
// temporary file that only a complete copy renames into place, so a copy
// that fails leaves nothing behind. Deleting the object does not stop the
// copying; it only stops the reports.
class VideoExport : public QObject
{
    Q_OBJECT

public:
    explicit VideoExport(QObject *parent = nullptr);

    // The name a video gets in the folder: its name up to the first dot and
    // ".mp4".
    static QString destinationFor(const QString &video, const QString &folder);

    void start(const QStringList &videos, const QString &folder);
    bool isRunning() const { return running; }

signals:
    // After each video: how many are done of how many in all.
    void progress(int done, int total);
    // The names skipped because the folder held them already, and those that
    // could not be copied; copied counts the videos.
    void finished(int copied, const QStringList &skipped, const QStringList &failed);

private:
    bool running = false;
};
