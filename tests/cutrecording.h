#pragma once

// Recordings cut off by a crash, for the tests. The test executable, started
// with the arguments of recordingChild, records through the session in a
// child process (recordUntilKilled, called from its main());
// killAllWhileRecording starts such children side by side, lets each record
// and kills it while it records. killWhileRecording does the same for one
// child that records in its own way.

#include <QApplication>
#include <QMediaRecorder>
#include <QProcess>
#include <QtTest>
#include <cstdio>
#include <memory>
#include <vector>

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

// True when every child, started as this executable with its arguments,
// printed kRecordingMark and was killed recordMs later while it recorded.
inline bool killAllWhileRecording(const QList<QStringList> &children, int recordMs, int timeoutMs)
{
    std::vector<std::unique_ptr<QProcess>> processes;
    std::vector<QByteArray> outputs(children.size());
    std::vector<QElapsedTimer> recording(children.size());
    for (const QStringList &arguments : children) {
        processes.push_back(std::make_unique<QProcess>());
        processes.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        processes.back()->start(QCoreApplication::applicationFilePath(), arguments);
    }
    const auto killDue = [&] {
        bool allKilled = true;
        for (std::size_t i = 0; i < processes.size(); ++i) {
            if (!recording[i].isValid()
                && (outputs[i] += processes[i]->readAllStandardOutput()).contains(kRecordingMark))
                recording[i].start();
            if (recording[i].isValid() && recording[i].elapsed() >= recordMs)
                processes[i]->kill();
            allKilled = allKilled && recording[i].isValid() && recording[i].elapsed() >= recordMs;
        }
        return allKilled;
    };
    bool killed = QTest::qWaitFor(killDue, timeoutMs + recordMs);
    for (const auto &child : processes) {
        child->kill();
        // One killed early may have been seen to end already.
        const bool ended = child->state() == QProcess::NotRunning || child->waitForFinished(timeoutMs);
        killed = ended && killed && child->exitStatus() == QProcess::CrashExit;
    }
    return killed;
}

inline bool killWhileRecording(const QStringList &arguments, int recordMs, int timeoutMs)
{
    return killAllWhileRecording({ arguments }, recordMs, timeoutMs);
}

// The arguments of a child that records into path.
inline QStringList recordingChild(const QString &path, bool sound, bool throughBackEnd = false)
{
    return { QLatin1String(kRecordUntilKilled), path, QLatin1String(sound ? kWithSound : kSilent),
        QLatin1String(throughBackEnd ? kThroughBackEnd : kVirtualCamera) };
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
