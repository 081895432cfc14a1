// Taps through the screens many times, as a trainee does over a long day,
// every other tap before the screen has changed, and measures what the
// process keeps: its resident memory after a warm-up and after the taps,
// beside the same number of idle rounds of the event loop as the floor.
// Run under Xvfb with a HOME of its own (it writes a configuration file):
//     HOME=$(mktemp -d) xvfb-run -a -s '-screen 0 1920x1080x24' build/bin/bench_navigation [taps]
#include <QApplication>
#include <QFile>
#include <QMetaObject>
#include <cstdio>
#include <iterator>
#include <malloc.h>
#include <unistd.h>

#include "benchsupport.h"
#include "sessionfixture.h"

namespace {

constexpr int kDefaultTaps = 2000;
// Every screen is visited many times before the memory is first measured,
// so that caches, pictures and fonts are loaded.
constexpr int kWarmUpTaps = 200;
// An odd number of targets, so that every target is taken in turn as a
// navigation that is waited for and as one that the next tap interrupts.
const FormEnum kTargets[]
    = { FormMenu, FormPreview, FormResultsList, FormVideoPlayer, FormPrevious, FormLogin, FormChooseTraining,
          FormLoading, FormMenu, FormNone, FormResultsList, FormPreview, FormVideoPlayer };

// What the process holds, not what the allocator keeps for later.
qint64 residentBytes()
{
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

void navigate(MainWindow &window, FormEnum target)
{
    QMetaObject::invokeMethod(&window, "ShowNextForm", Q_ARG(FormEnum, target));
}

// False when a screen change that was waited for never came.
bool tap(MainWindow &window, int taps, const int &swaps)
{
    for (int tap = 0; tap < taps; ++tap) {
        const FormEnum before = window.currentFormValue();
        const int swapsBefore = swaps;
        navigate(window, kTargets[tap % std::size(kTargets)]);
        const FormEnum now = window.currentFormValue();
        if (tap % 2 == 1 || now == before || !window.screenFor(now)) {
            QCoreApplication::processEvents();
            continue;
        }
        spinUntil([&] { return swaps > swapsBefore; }, kScreenTimeoutMs);
        if (swaps == swapsBefore || ClientSessionInfo::actualForm != window.screenFor(now))
            return false;
    }
    navigate(window, FormMenu);
    return waitForScreen(window, window.screenFor(FormMenu));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const int taps = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : kDefaultTaps;
    DataFolder data;
    prepareInstallation(data.path());
    MainWindow window;
    window.show();
    if (!waitForScreen(window, window.screenFor(FormMenu))) {
        std::fprintf(stderr, "the menu never showed\n");
        return EXIT_FAILURE;
    }
    int swaps = 0;
    QObject::connect(&window, &MainWindow::GraphicsEffect, [&swaps](graphicsEffectActual reached) {
        if (reached == OpacityMin)
            ++swaps;
    });
    if (!tap(window, kWarmUpTaps, swaps)) {
        std::fprintf(stderr, "a screen change never came\n");
        return EXIT_FAILURE;
    }
    const qint64 idleStart = residentBytes();
    for (int round = 0; round < taps; ++round)
        QCoreApplication::processEvents();
    const qint64 idleEnd = residentBytes();
    if (!tap(window, taps, swaps)) {
        std::fprintf(stderr, "a screen change never came\n");
        return EXIT_FAILURE;
    }
    const qint64 tapsEnd = residentBytes();
    std::printf("resident after warm-up  %8lld kB\n", idleEnd / 1024);
    std::printf("%5d taps              %+8lld kB\n", taps, (tapsEnd - idleEnd) / 1024);
    std::printf("%5d idle rounds       %+8lld kB  (floor)\n", taps, (idleEnd - idleStart) / 1024);
    return EXIT_SUCCESS;
}
