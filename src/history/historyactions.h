#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QStringList>
#include <QVector>

#include "storage/trainingrecords.h"

class RecordingRepair;
class VideoExport;

// What the history does to the trainings it lists, apart from listing them:
// deletes them with all their files, exports their videos in the background
// and reports how the export goes, and repairs the recordings a crash cut
// off while the list is in use.
class HistoryActions : public QObject
{
    Q_OBJECT

public:
    explicit HistoryActions(QObject *parent = nullptr);

    // Deletes each video with its picture and its measurement files, on a
    // worker thread, and reports with removed(). The video goes first: a
    // training whose video cannot be removed (a read-only disk, another
    // program holding it) keeps its other files, so that no picture is lost
    // while its video stays. A removal that fails is tried again for a
    // while; a file not there is done.
    void remove(const QStringList &videos);
    bool isRemoving() const { return removal.isRunning(); }

    void exportTo(const QStringList &videos, const QString &folder);
    bool isExporting() const;

    // Recordings cut off by a crash keep their fragments but state the
    // length of the first one; they are made whole in the background.
    void repairCut(const QVector<TrainingRecord> &trainings);
    // Leaving the history stops the repair; the next visit goes on.
    void stopRepair();

signals:
    // The export's progress line, with done of total videos copied; it
    // starts at none.
    void exportProgress(const QString &status, int done, int total);
    // What the finished export copied, and what it left out and why.
    void exportFinished(const QString &report);
    // The deletion is done; the line says what could not be removed, and is
    // empty when everything went.
    void removed(const QString &report);

private:
    void reportExport(int copied, const QStringList &skipped, const QStringList &failed);

    VideoExport *videoExport;
    RecordingRepair *repair;
    // The files that could not be removed.
    QFutureWatcher<QStringList> removal;
};
