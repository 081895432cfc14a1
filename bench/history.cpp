// Time to show the training history with many trainings, and time from
// entering the player to the first picture of a long recording.
//
//   xvfb-run -a -s '-screen 0 1920x1080x24' build/bin/bench_history [minutes]
//
// The history is filled with files named and dated like trainings (the list
// reads names and dates only); the player gets a real H.264 recording of the
// given length (default 10 minutes), encoded beforehand with gst-launch-1.0;
// the player's time counts from the request to show it, through the screen
// change, to the first picture in its video item. Then the cost of drawing
// the tips' trails over a 720p picture, at positions across an hour's paths.
// Last, two 720p30 recordings (20 s and 16 s) played to their ends side by
// side in the history's comparison, against the first of them alone in the
// player (the floor): frames painted, dropped (never painted) and late (more
// than two frame times after the one before), and the process's CPU time.
// It writes a configuration file, so give it a HOME of its own.

#include <QAbstractVideoSurface>
#include <QApplication>
#include <QGraphicsScene>
#include <QGraphicsVideoItem>
#include <QGraphicsView>
#include <QMediaPlayer>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "benchsupport.h"
#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "history/compareview.h"
#include "history/resultslistform.h"
#include "history/tiptrails.h"
#include "history/trailedvideo.h"
#include "sessionfixture.h"
#include "storage/trainingrecords.h"

namespace {

constexpr int kRuns = 3;
constexpr int kFramesPerSecond = 30;
constexpr double kFrameNs = 1e9 / kFramesPerSecond;
constexpr std::array<int, 2> kComparedSeconds { 20, 16 };
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
bool encodeRecording(const QString &path, int seconds)
{
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

// The frames a video item is given to paint, on the GUI thread, from the
// moment it is made; its surface reports each one.
class FrameCounter : public QObject
{
    Q_OBJECT

public:
    explicit FrameCounter(const QGraphicsVideoItem *item)
    {
        connect(item->videoSurface(), SIGNAL(frameChanged()), this, SLOT(count()));
        clock.start();
    }

    int frames = 0;
    int late = 0;

public slots:
    void count()
    {
        const qint64 now = clock.nsecsElapsed();
        if (frames > 0 && now - last > 2 * kFrameNs)
            ++late;
        last = now;
        ++frames;
    }

private:
    QElapsedTimer clock;
    qint64 last = 0;
};

struct Playing
{
    std::vector<std::unique_ptr<FrameCounter>> counters;
    std::vector<int> expectedFrames;
    double cpuPerSecond = 0;
};

// Clicks play and waits until every player has played to its end.
Playing playToEnd(QPushButton *play, const std::vector<const TrailedVideo *> &videos)
{
    Playing result;
    std::vector<qint64> starts;
    for (const TrailedVideo *video : videos) {
        result.counters.push_back(std::make_unique<FrameCounter>(video->item()));
        starts.push_back(video->player()->position());
    }
    const double before = cpuSeconds(RUSAGE_SELF);
    QElapsedTimer wall;
    wall.start();
    QTest::mouseClick(play, Qt::LeftButton);
    const auto ended = [&videos] {
        return std::all_of(videos.cbegin(), videos.cend(), [](const TrailedVideo *video) {
            const QMediaPlayer *player = video->player();
            return player->mediaStatus() == QMediaPlayer::EndOfMedia
                || (player->state() == QMediaPlayer::PausedState
                    && player->position() >= player->duration() - 2 * TrailedVideo::kFrameMs);
        });
    };
    spinUntil([&] { return wall.elapsed() > 1000 && ended(); }, 120000);
    result.cpuPerSecond = (cpuSeconds(RUSAGE_SELF) - before) / (wall.nsecsElapsed() / 1e9);
    // The picture waited on before PLAY is not counted; every frame from it
    // to where the video stopped (its end, or its last picture held) is.
    for (std::size_t video = 0; video < videos.size(); ++video) {
        const QMediaPlayer *player = videos[video]->player();
        const qint64 end
            = player->mediaStatus() == QMediaPlayer::EndOfMedia ? player->duration() : player->position();
        result.expectedFrames.push_back(
            static_cast<int>(std::lround((end - starts[video]) / (1e3 / kFramesPerSecond))));
    }
    return result;
}

void printPlaying(const char *what, const Playing &playing)
{
    std::printf("%-34s %6.3f CPU s per s", what, playing.cpuPerSecond);
    for (std::size_t video = 0; video < playing.counters.size(); ++video) {
        const FrameCounter &counter = *playing.counters[video];
        std::printf("   video %zu: %d of %d frames painted, %d dropped, %d late", video + 1, counter.frames,
            playing.expectedFrames[video], std::max(0, playing.expectedFrames[video] - counter.frames),
            counter.late);
    }
    std::printf("\n");
    std::fflush(stdout);
}

void waitPaused(const std::vector<const TrailedVideo *> &videos)
{
    spinUntil(
        [&videos] {
            return std::all_of(videos.cbegin(), videos.cend(), [](const TrailedVideo *video) {
                return video->player()->state() == QMediaPlayer::PausedState;
            });
        },
        kScreenTimeoutMs);
}

bool showsBall(const QImage &picture)
{
    for (int y = 0; y < picture.height(); y += 2) {
        for (int x = 0; x < picture.width(); x += 2) {
            if (qGray(picture.pixel(x, y)) > 128)
                return true;
        }
    }
    return false;
}

// The first recording alone in the player, then both in the comparison.
void compareTwoVideos(MainWindow *window, ResultsListForm *history, const QString &records)
{
    fillFolder(records, 0);
    QStringList videos;
    for (std::size_t video = 0; video < kComparedSeconds.size(); ++video) {
        videos << trainingVideoPath(
            records, trainingStamp(kFirstStart.addSecs(600 * static_cast<int>(video))));
        if (!encodeRecording(videos.last(), kComparedSeconds[video])) {
            std::printf("could not encode a recording of %d s\n", kComparedSeconds[video]);
            return;
        }
    }
    showHistoryMs(history);
    ClientSessionInfo::actualFilename = videos.first();
    QMetaObject::invokeMethod(window, "ShowNextForm", Q_ARG(FormEnum, FormVideoPlayer));
    QWidget *player = window->screenFor(FormVideoPlayer);
    const auto *alone = player->findChild<TrailedVideo *>();
    waitPaused({ alone });
    printPlaying(
        "one video alone (the floor)", playToEnd(player->findChild<QPushButton *>("playBtn"), { alone }));
    QMetaObject::invokeMethod(window, "ShowNextForm", Q_ARG(FormEnum, FormResultsList));
    spinUntil(
        [window, history] {
            return ClientSessionInfo::actualForm == history && window->lastEffect() == OpacityMax;
        },
        kScreenTimeoutMs);

    history->findChild<QPushButton *>("pushButton")->setChecked(true);
    QTest::mouseClick(history->findChild<QPushButton *>("compareBtn"), Qt::LeftButton);
    auto *view = history->findChild<CompareView *>();
    const std::vector<const TrailedVideo *> both { view->video(0), view->video(1) };
    waitPaused(both);
    printPlaying("two videos side by side", playToEnd(view->findChild<QPushButton *>("playBtn"), both));
    // Both ended, the shorter one 4 s before the other: each view still
    // shows its last picture, the white ball on black, and not a blank.
    for (QGraphicsView *shown : view->findChildren<QGraphicsView *>())
        std::printf("after the end, %s\n", showsBall(shown->grab().toImage()) ? "a picture held" : "blank");
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
    DataFolder folder;
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
    if (minutes <= 0 || !encodeRecording(video, minutes * 60)) {
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
    std::fflush(stdout);
    compareTwoVideos(&window, history, records);
    return EXIT_SUCCESS;
}

#include "history.moc"
