#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>

// A recorded training is a video directly in the account's recording
// folder, named after the local time the training started, with files
// beside it that share its stem:
//     2024_03_07T14_05_09.mp4      the video
//     2024_03_07T14_05_09mi.png    the picture taken 3 s into the training
// and the tracking's metrics and paths (see trainingmetrics.h). The list of
// trainings is read back from the folder every time.
struct TrainingRecord
{
    // The position from the oldest listed training up, which is also the
    // training's index in the list of videos handed to the player.
    int id = -1;
    // The start as the history shows it: "2024-03-07 14:05:09".
    QString dateText;
    QString videoPath;
    QString picturePath;
};

// The name stem of a training started at `start`: "2024_03_07T14_05_09".
QString trainingStamp(const QDateTime &start);
// The video file of a training with that stem in folder (which ends with "/").
QString trainingVideoPath(const QString &folder, const QString &stamp);
// The video file for a training started at `start` that names no file yet:
// the start's own second, or the next second free of every file a training
// keeps (video, picture, figures, paths). A clock stepped back, or held still
// on a box without a clock battery, would otherwise write a new training over
// an older one of the same name.
QString freeTrainingVideoPath(const QString &folder, const QDateTime &start);
// The picture that belongs to a video: its ".mp4" ending becomes "mi.png".
QString trainingPicturePath(const QString &videoPath);

// The trainings recorded in folder, oldest first, their ids counting from 0;
// none for an empty folder name.
// A file counts as a training when its name ends with ".mp4", it is a
// regular file of at least 11 bytes and its name up to the first dot holds
// exactly one "T". The order is that of the modification times; files of
// equal time come in reverse order of their names.
QVector<TrainingRecord> listTrainings(const QString &folder);
