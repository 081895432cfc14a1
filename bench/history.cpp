// Time to show the training history with many trainings, and time from
// entering the player to the first picture of a long recording.
//
//   xvfb-run -a -s '-screen 0 1920x1080x24' build/bin/bench_history [minutes]
//
// The history is filled with files named and dated like trainings (the list
// reads names and dates only); the player gets a real H.264 recording of the
// given length (default 10 minutes), encoded beforehand with gst-launch-1.0.
// It writes a configuration file, so give it a HOME of its own.

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "benchsupport.h"
#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "history/resultslistform.h"
#include "sessionfixture.h"
#include "storage/trainingrecords.h"

namespace {

constexpr int kRuns = 3;
constexpr int kScreenTimeoutMs = 20000;
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

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
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
    return EXIT_SUCCESS;
}
