// Time to show the training history with many trainings, and time from
// entering the player to the first picture of a long recording.
//
//   xvfb-run -a -s '-screen 0 1920x1080x24' build/bin/bench_history [minutes]
//
// The history is filled with files named and dated like trainings (the list
// reads names and dates only); the player gets a real H.264 recording of the
// given length (default 10 minutes), encoded beforehand with gst-launch-1.0;
// the player's time counts from the request to show it, through the screen
// change, to the first picture in its video item. Last, the cost of drawing
// the tips' trails over a 720p picture, at positions across an hour's paths.
// It writes a configuration file, so give it a HOME of its own.

#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsVideoItem>
#include <QGraphicsView>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>

#include "benchsupport.h"
#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "history/resultslistform.h"
#include "history/tiptrails.h"
#include "sessionfixture.h"
#include "storage/trainingrecords.h"

namespace {

constexpr int kRuns = 3;
const QDateTime kFirstStart(QDate(2024, 1, 1), QTime(8, 0));

void fillFolder(const QString &folder, int count)
{
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        const QDateTime start = kFirstStart.addSecs(i * 600);
        QFile file(trainingVideoPath(folder, trainingStamp(start)));
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray(64, 'x'));
        file.flush();
        file.setFileTime(start, QFileDevice::FileModificationTime);
    }
}

// The history read and built, the events that building queued handled (the
// rows' polish requests among them), laid out and painted once, as at its
// showing.
double showHistoryMs(ResultsListForm *history)
{
    QElapsedTimer clock;
    clock.start();
    history->getTrainings();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    history->grab();
    return clock.nsecsElapsed() / 1e6;
}

// An H.264/AAC MP4 of the given length at the virtual camera's 1280x720,
// 30 frames a second, 44.1 kHz sound, as a training records it.
bool encodeRecording(const QString &path, int minutes)
{
    const int seconds = minutes * 60;
    const QString pipeline = QStringLiteral(
        "videotestsrc num-buffers=%1 pattern=ball ! video/x-raw,width=1280,height=720,framerate=30/1 "
        "! x264enc speed-preset=ultrafast ! mux. "
        "audiotestsrc num-buffers=%2 samplesperbuffer=1024 ! audio/x-raw,rate=44100,channels=1 "
        "! avenc_aac ! aacparse ! mux. mp4mux name=mux ! filesink location=%3")
                                 .arg(seconds * 30)
                                 .arg(seconds * 44100 / 1024)
                                 .arg(path);
    QProcess gst;
    gst.start(QStringLiteral("gst-launch-1.0"), QStringList { QStringLiteral("-q") } + pipeline.split(' '));
    return gst.waitForFinished(-1) && gst.exitCode() == 0;
}

// From the request for the player to the first picture reaching its video
// item, whose native size is known from then on.
double firstPictureMs(MainWindow *window, QGraphicsVideoItem *item)
{
    QElapsedTimer clock;
    clock.start();
    double firstPicture = -1;
    const auto connection
        = QObject::connect(item, &QGraphicsVideoItem::nativeSizeChanged, [&](const QSizeF &size) {
              if (size.isValid() && firstPicture < 0)
                  firstPicture = clock.nsecsElapsed() / 1e6;
          });
    QMetaObject::invokeMethod(window, "ShowNextForm", Q_ARG(FormEnum, FormVideoPlayer));
    spinUntil([&firstPicture] { return firstPicture >= 0; }, kScreenTimeoutMs);
    QObject::disconnect(connection);
    QMetaObject::invokeMethod(window, "ShowNextForm", Q_ARG(FormEnum, FormResultsList));
    spinUntil([window] { return window->lastEffect() == OpacityMax; }, kScreenTimeoutMs);
    return firstPicture;
}

} // namespace

// Both tips circling at 30 frames per second for an hour, the right one out
// of sight a second in every ten; each drawing at its own position, as a
// seek or playback does.
double trailsFrameMs()
{
    constexpr int kFrames = 30 * 3600;
    constexpr int kDrawings = 1000;
    TipPaths paths;
    for (int frame = 0; frame < kFrames; ++frame) {
        const double seconds = frame / 30.0;
        const QPointF around(640 + 300 * std::cos(seconds), 360 + 200 * std::sin(seconds));
        paths[InstrumentLeft] << TipSample { seconds, around };
        paths[InstrumentRight] << TipSample { seconds,
            frame % 300 < 30 ? std::nullopt : std::optional<QPointF>(QPointF(1280, 720) - around) };
    }
    TipTrails trails;
    trails.setPaths(paths);
    trails.setPicture(QRectF(0, 0, 1280, 720), QSize(1280, 720));
    QImage picture(1280, 720, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    QElapsedTimer clock;
    clock.start();
    for (int drawing = 0; drawing < kDrawings; ++drawing) {
        trails.setPositionMs(static_cast<qint64>(drawing) * 3600);
        trails.paint(&painter, nullptr, nullptr);
    }
    return clock.nsecsElapsed() / 1e6 / kDrawings;
}

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const int minutes = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10;
    QTemporaryDir folder;
    prepareInstallation(folder.path());
    MainWindow window;
    window.show();
    spinUntil(
        [&window] { return ClientSessionInfo::actualForm == window.screenFor(FormMenu); }, kScreenTimeoutMs);
    auto *history = qobject_cast<ResultsListForm *>(window.screenFor(FormResultsList));
    QMetaObject::invokeMethod(&window, "ShowNextForm", Q_ARG(FormEnum, FormResultsList));
    spinUntil(
        [&window, history] {
            return ClientSessionInfo::actualForm == history && window.lastEffect() == OpacityMax;
        },
        kScreenTimeoutMs);

    const QString records = ClientSessionInfo::actualUser()->recordingPathText();
    for (int count : { 100, 1000, 5000 }) {
        fillFolder(records, count);
        double best = 1e9;
        for (int run = 0; run < kRuns; ++run)
            best = std::min(best, showHistoryMs(history));
        std::printf("history of %5d trainings   %8.1f ms (best of %d)   %.3f ms per training\n", count, best,
            kRuns, best / count);
        std::fflush(stdout);
    }

    // One long recording in an otherwise empty history.
    fillFolder(records, 0);
    const QString video = trainingVideoPath(records, trainingStamp(kFirstStart));
    if (minutes <= 0 || !encodeRecording(video, minutes)) {
        std::printf("could not encode a recording of %d minutes\n", minutes);
        return EXIT_FAILURE;
    }
    showHistoryMs(history);
    QWidget *player = window.screenFor(FormVideoPlayer);
    auto *view = player->findChild<QGraphicsView *>(QStringLiteral("graphicsView"));
    // The trails lie over the video item.
    QGraphicsVideoItem *item = nullptr;
    for (QGraphicsItem *shown : view->scene()->items()) {
        if (auto *video = qgraphicsitem_cast<QGraphicsVideoItem *>(shown))
            item = video;
    }
    if (!item)
        return EXIT_FAILURE;
    double best = 1e9;
    double worst = 0;
    for (int run = 0; run < kRuns; ++run) {
        const double ms = firstPictureMs(&window, item);
        if (ms < 0) {
            std::printf("player: no picture within %d ms\n", kScreenTimeoutMs);
            return EXIT_FAILURE;
        }
        best = std::min(best, ms);
        worst = std::max(worst, ms);
    }
    std::printf("player, %d-minute recording: first picture after %.1f ms (best of %d, worst %.1f ms)\n",
        minutes, best, kRuns, worst);
    std::printf("trails over a 720p picture, an hour's paths: %.3f ms per frame\n", trailsFrameMs());
    return EXIT_SUCCESS;
}
