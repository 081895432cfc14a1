#include "recordercontrol.h"

#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QStandardPaths>
#include <QtConcurrent>

#include "cameracontrol.h"
#include "framesource.h"
#include "mp4writer.h"
#include "recordingsettings.h"
#include "virtualcameralogging.h"

namespace {

constexpr int kProgressIntervalMs = 250;

// Like other camera back ends: no location means a new clip in the movies
// folder, a relative one is taken relative to that folder.
QString resolvePath(const QUrl &location, QString *problem)
{
    const QString movies = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (location.isEmpty()) {
        return QDir(movies).filePath(
            QStringLiteral("clip_%1.mp4")
                .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_hhmmss_zzz"))));
    }
    if (!location.isLocalFile() && !location.scheme().isEmpty()) {
        *problem = QStringLiteral("Only local files can be recorded, not %1.").arg(location.toString());
        return QString();
    }
    const QString path = location.isLocalFile() ? location.toLocalFile() : location.toString();
    return QDir::isAbsolutePath(path) ? path : QDir(movies).filePath(path);
}

} // namespace

VirtualRecorderControl::VirtualRecorderControl(
    VirtualCameraControl *camera, FrameSource *source, const RecordingSettings &settings, QObject *parent)
    : QMediaRecorderControl(parent)
    , camera(camera)
    , source(source)
    , settings(settings)
{
    progressTimer.setInterval(kProgressIntervalMs);
    connect(&progressTimer, &QTimer::timeout, this, &VirtualRecorderControl::checkProgress);
    connect(camera, &VirtualCameraControl::statusChanged, this, &VirtualRecorderControl::followCamera);
    connect(camera, &VirtualCameraControl::captureModeChanged, this, &VirtualRecorderControl::followCamera);
    connect(
        camera, &VirtualCameraControl::error, this, [this](int, const QString &reason) { breakOff(reason); });
    connect(&finishing, &QFutureWatcher<QString>::finished, this, &VirtualRecorderControl::finished);
    currentStatus = idleStatus();
}

VirtualRecorderControl::~VirtualRecorderControl()
{
    // The service is going away with its clients; the file is still
    // completed, but nobody is left to be told.
    const QSignalBlocker quiet(this);
    if (writer)
        finish();
    finishing.waitForFinished();
}

bool VirtualRecorderControl::setOutputLocation(const QUrl &newLocation)
{
    location = newLocation;
    return true;
}

void VirtualRecorderControl::setState(QMediaRecorder::State state)
{
    switch (state) {
    case QMediaRecorder::RecordingState:
        if (currentState == QMediaRecorder::RecordingState)
            return;
        if (camera->state() != QCamera::ActiveState
            || !camera->captureMode().testFlag(QCamera::CaptureVideo)) {
            emit error(QMediaRecorder::ResourceError,
                QStringLiteral("The camera must be started in video mode before recording."));
            return;
        }
        setCurrentState(QMediaRecorder::RecordingState);
        recordedMs = 0;
        emit durationChanged(recordedMs);
        if (camera->isReadyToRecord())
            begin();
        else
            setStatus(QMediaRecorder::StartingStatus);
        return;
    case QMediaRecorder::PausedState:
        // Pausing is not supported; the state stays as it is, as QMediaRecorder documents.
        qCInfo(lcVirtualCamera) << "pausing a recording is not supported";
        return;
    case QMediaRecorder::StoppedState:
        if (currentState == QMediaRecorder::StoppedState)
            return;
        stopRecording();
        return;
    }
}

void VirtualRecorderControl::followCamera()
{
    if (currentState != QMediaRecorder::RecordingState) {
        setStatus(idleStatus());
        return;
    }
    if (!writer && camera->isReadyToRecord()) {
        begin();
    } else if (!camera->isReadyToRecord() && camera->status() != QCamera::StartingStatus) {
        stopRecording();
    }
}

void VirtualRecorderControl::breakOff(const QString &reason)
{
    if (currentState != QMediaRecorder::RecordingState)
        return;
    // What was recorded until the camera failed is completed and kept.
    stopRecording();
    emit error(QMediaRecorder::ResourceError, reason);
}

void VirtualRecorderControl::begin()
{
    QString problem;
    recordingPath = resolvePath(location, &problem);
    if (problem.isEmpty()) {
        RecordingJob job;
        job.path = recordingPath;
        job.video = settings.actualVideo(source->resolution(), FrameSource::kFrameRate);
        job.audio = settings.actualAudio();
        job.withSound = !muted;
        job.volume = gain;
        job.metaData = settings.metaData;
        writer = std::make_unique<Mp4Writer>(job);
        if (!writer->start(&problem))
            writer.reset();
    }
    if (!writer) {
        qCWarning(lcVirtualCamera) << "cannot record to" << location << problem;
        setCurrentState(QMediaRecorder::StoppedState);
        setStatus(idleStatus());
        emit error(QMediaRecorder::ResourceError, problem);
        return;
    }
    frameFeed = connect(
        source, &FrameSource::frameReady, this, [this](const QImage &frame) { writer->push(frame); });
    progressTimer.start();
    setStatus(QMediaRecorder::RecordingStatus);
    emit actualLocationChanged(QUrl::fromLocalFile(recordingPath));
}

void VirtualRecorderControl::stopRecording()
{
    setCurrentState(QMediaRecorder::StoppedState);
    if (writer)
        finish();
    else
        setStatus(idleStatus());
}

void VirtualRecorderControl::stopFeeding()
{
    progressTimer.stop();
    disconnect(frameFeed);
}

void VirtualRecorderControl::finish()
{
    stopFeeding();
    setStatus(QMediaRecorder::FinalizingStatus);
    recordedMs = qMax(recordedMs, writer->durationMs());
    // One recording completes at a time: a new one can only have started
    // after the last one's status left FinalizingStatus.
    finishing.waitForFinished();
    finishing.setFuture(QtConcurrent::run(
        [ending = std::shared_ptr<Mp4Writer>(std::move(writer)), path = recordingPath, ms = recordedMs] {
            QString problem;
            ending->finish(&problem);
            qCInfo(lcVirtualCamera).nospace()
                << "recording finished: " << path << ", " << ms << " ms, " << ending->pushedFrames()
                << " frames, " << ending->droppedFrames() << " dropped";
            return problem;
        }));
}

void VirtualRecorderControl::finished()
{
    emit durationChanged(recordedMs);
    // A recording started since keeps its own status.
    if (!writer)
        setStatus(idleStatus());
    const QString problem = finishing.result();
    if (!problem.isEmpty())
        emit error(QMediaRecorder::ResourceError, problem);
}

void VirtualRecorderControl::checkProgress()
{
    const QString problem = writer->takeError();
    if (!problem.isEmpty()) {
        // What reached the disk stays playable; the recording cannot go on.
        setCurrentState(QMediaRecorder::StoppedState);
        stopFeeding();
        writer.reset();
        setStatus(idleStatus());
        emit error(QMediaRecorder::ResourceError, problem);
        return;
    }
    recordedMs = writer->durationMs();
    emit durationChanged(recordedMs);
}

void VirtualRecorderControl::setMuted(bool mute)
{
    if (mute == muted)
        return;
    muted = mute;
    // A recording started with sound keeps its track; muting silences it.
    if (writer)
        writer->setVolume(muted ? 0.0 : gain);
    emit mutedChanged(muted);
}

void VirtualRecorderControl::setVolume(qreal volume)
{
    if (qFuzzyCompare(volume, gain))
        return;
    gain = volume;
    if (writer && !muted)
        writer->setVolume(gain);
    emit volumeChanged(gain);
}

void VirtualRecorderControl::setCurrentState(QMediaRecorder::State state)
{
    if (state == currentState)
        return;
    currentState = state;
    emit stateChanged(state);
}

void VirtualRecorderControl::setStatus(QMediaRecorder::Status status)
{
    if (status == currentStatus)
        return;
    currentStatus = status;
    emit statusChanged(status);
}

QMediaRecorder::Status VirtualRecorderControl::idleStatus() const
{
    switch (camera->status()) {
    case QCamera::UnloadedStatus:
    case QCamera::UnloadingStatus:
        return QMediaRecorder::UnloadedStatus;
    case QCamera::LoadingStatus:
        return QMediaRecorder::LoadingStatus;
    case QCamera::UnavailableStatus:
        return QMediaRecorder::UnavailableStatus;
    default:
        return QMediaRecorder::LoadedStatus;
    }
}
