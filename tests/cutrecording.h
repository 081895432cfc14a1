#pragma once

// Recordings cut off by a crash, for the tests. The test executable, started
// with kRecordUntilKilled, records through the session in a child process
// (recordUntilKilled, called from its main()); recordAndKill starts that
// child, lets it record and kills it while it records. killWhileRecording
// does the same for a child that records in its own way.

#include <QApplication>
#include <QMediaRecorder>
#include <QProcess>
#include <QtTest>
#include <cstdio>

#include "camera/camera.h"
#include "camera/gstreamerbackend.h"
#include "camera/videowidget.h"
#include "core/clientsessioninfo.h"
#include "standincamera.h"

inline constexpr auto kRecordUntilKilled = "--record-until-killed";
inline constexpr auto kWithSound = "sound";
inline constexpr auto kSilent = "silent";
// A USB camera through Qt's GStreamer back end instead of the virtual one.
inline constexpr auto kThroughBackEnd = "back-end";
inline constexpr auto kVirtualCamera = "virtual";
// The child's line once its recorder really records.
inline constexpr auto kRecordingMark = "recording";

// The child process: argv holds kRecordUntilKilled, the path, kWithSound or
// kSilent, and kThroughBackEnd or kVirtualCamera. Returns only when the
// recording cannot start.
inline int recordUntilKilled(const QString &path, bool sound, bool throughBackEnd)
{
    if (throughBackEnd) {
        if (!useStandInCamera())
            return EXIT_FAILURE;
        GStreamerBackEnd::prepare();
        ClientSessionInfo::selectCamera(standInCameraIndex());
    }
    VideoWidget viewfinder;
    viewfinder.resize(480, 270);
    ClientSessionInfo::startCameraPreview(&viewfinder, true, sound, path, QString());
    QMediaRecorder *recorder = ClientSessionInfo::camera->currentRecorder();
    if (!recorder)
        return EXIT_FAILURE;
    // Once the first frames are written: Qt's GStreamer back end reports
    // the recording status before its pipeline delivers any.
    QObject::connect(recorder, &QMediaRecorder::durationChanged, [](qint64 duration) {
        static bool marked = false;
        if (duration > 0 && !marked) {
            marked = true;
            std::puts(kRecordingMark);
            std::fflush(stdout);
        }
    });
    return QApplication::exec();
}

// True when the child, started as this executable with arguments, printed
// kRecordingMark and was killed recordMs later while it recorded.
inline bool killWhileRecording(const QStringList &arguments, int recordMs, int timeoutMs)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    QByteArray output;
    const bool recording = QTest::qWaitFor(
        [&] { return (output += child.readAllStandardOutput()).contains(kRecordingMark); }, timeoutMs);
    if (recording)
        QTest::qWait(recordMs);
    child.kill();
    return child.waitForFinished(timeoutMs) && recording && child.exitStatus() == QProcess::CrashExit;
}

// True when the child recorded into path for recordMs and was killed while
// it recorded.
inline bool recordAndKill(
    const QString &path, bool sound, int recordMs, int timeoutMs, bool throughBackEnd = false)
{
    return killWhileRecording(
        { QLatin1String(kRecordUntilKilled), path, QLatin1String(sound ? kWithSound : kSilent),
            QLatin1String(throughBackEnd ? kThroughBackEnd : kVirtualCamera) },
        recordMs, timeoutMs);
}

// The child's side of main(): records when started as the child.
inline bool isRecordingChild(int argc, char **argv)
{
    return argc == 5 && qstrcmp(argv[1], kRecordUntilKilled) == 0;
}

inline int runRecordingChild(char **argv)
{
    return recordUntilKilled(QString::fromLocal8Bit(argv[2]), qstrcmp(argv[3], kWithSound) == 0,
        qstrcmp(argv[4], kThroughBackEnd) == 0);
}
