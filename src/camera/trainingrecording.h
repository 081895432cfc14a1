#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "tracking/tiptracker.h"

class VideoWidget;
struct User;

// The camera side of a full-screen training: its files, named after the
// local time it starts at in the account's recording folder, the camera
// recording into them when the account records video (with sound when it
// records sound), the picture taken once the camera has settled, and the
// tracking of the instruments, whose figures are kept with the video.
class TrainingRecording : public QObject
{
    Q_OBJECT

public:
    TrainingRecording();

    // Names the files of a training starting now, as the account records it;
    // its figures will name the exercise, if one is trained.
    void prepare(const User &user, const std::optional<TrainedExercise> &exercise);
    // Starts the camera on viewfinder, and the tracking of a recorded
    // training.
    void start(VideoWidget *viewfinder);
    // Asks for the picture of a recorded training once the camera has
    // settled: pictureDue() then.
    void schedulePicture();
    void takePicture();
    // Stops the camera, which completes the recording, and the tracking; a
    // picture not yet taken is not taken.
    void finish();

    QString videoPath() const { return video; }
    QString picturePath() const { return picture; }
    bool isMeasuring() const { return tracker.isMeasuring(); }

signals:
    void pictureDue();
    // A recorded training has been measured, shortly after it ended; the
    // figures are kept beside its video when saved is true.
    void measured(const QString &videoPath, const TrainingMeasurement &measurement, bool saved);

private:
    QString video;
    QString picture;
    bool recorded = false;
    bool withSound = false;
    std::optional<TrainedExercise> exercise;
    // Stopped when the training ends first, so that no later picture takes
    // its name.
    QTimer pictureTimer;
    TipTracker tracker;
};
