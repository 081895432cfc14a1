#include "camera/trainingrecording.h"

#include <QDateTime>
#include <QCamera>
#include <QDir>

#include "camera/camera.h"
#include "core/clientsessioninfo.h"
#include "storage/trainingrecords.h"
#include "storage/user.h"

namespace {

// The training's picture is taken once the camera has settled.
constexpr int kPictureDelayMs = 3000;

} // namespace

TrainingRecording::TrainingRecording()
{
    pictureTimer.setSingleShot(true);
    pictureTimer.setInterval(kPictureDelayMs);
    connect(&pictureTimer, &QTimer::timeout, this, &TrainingRecording::pictureDue);
    connect(&tracker, &TipTracker::measured, this, &TrainingRecording::measured);
}

void TrainingRecording::prepare(const User &user, const std::optional<TrainedExercise> &trained)
{
    exercise = trained;
    // A damaged account has no folder of its own in the data location, and
    // records nothing rather than into whatever folder its record names.
    const QString folder = ClientSessionInfo::accounts.recordingFolder(user);
    video = folder.isEmpty() ? QString() : freeTrainingVideoPath(folder, QDateTime::currentDateTime());
    picture = video.isEmpty() ? QString() : trainingPicturePath(video);
    recorded = user.recordVideo != 0 && !video.isEmpty();
    withSound = user.recordSound != 0;
    // An account's folder removed behind the application's back is made
    // again rather than losing the training; one that cannot be made leaves
    // the recorder to fail and the record mark dark.
    if (recorded)
        QDir().mkpath(folder);
}

void TrainingRecording::start(VideoWidget *viewfinder)
{
    ClientSessionInfo::actualFilename = video;
    ClientSessionInfo::startCameraPreview(
        viewfinder, recorded, withSound, ClientSessionInfo::actualFilename, picture);
    // Recorded trainings are tracked; the metrics are kept with the video.
    if (recorded && ClientSessionInfo::camera)
        tracker.start(ClientSessionInfo::camera->currentDevice(), { ClientSessionInfo::fieldWidthMm });
}

void TrainingRecording::schedulePicture()
{
    if (recorded)
        pictureTimer.start();
}

void TrainingRecording::takePicture()
{
    ClientSessionInfo::makePhoto(picture);
}

void TrainingRecording::finish()
{
    pictureTimer.stop();
    ClientSessionInfo::stopPreview();
    tracker.finish(video, exercise);
}
