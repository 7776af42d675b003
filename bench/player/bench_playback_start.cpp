// Time from a double-click on a row to the first picture of both channels, on recording
// pairs like the camera's (640x360, 30 fps, sound), with the telemetry pause set to 0.
#include "BenchPlayback.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

using namespace BenchPlayback;

int main(int argc, char** argv)
{
    prepareEnvironment();
    QApplication app(argc, argv);
    const int starts = argc > 1 ? std::max(1, atoi(argv[1])) : 10;

    QTemporaryDir dir;
    const QStringList names = {"alwa_20230105_134501_F.avi", "alwa_20230105_134501_R.avi",
                               "alwa_20230105_134601_F.avi", "alwa_20230105_134601_R.avi"};
    for (const QString& name : names) {
        if (!writeRecording(dir.filePath(name), name.endsWith("_F.avi"), 10))
            return 1;
    }
    Player p(dir.path());
    if (!p.player1.isValid()) {
        std::fprintf(stderr, "libVLC did not start\n");
        return 1;
    }

    std::vector<double> total, first1, first2;
    for (int i = -1; i < starts; ++i) { // one start to warm up, not counted
        const qint64 row = (i + 1) % 2 * 2; // the two pairs in turn: always a new file
        QElapsedTimer clock;
        clock.start();
        if (!p.controller->playAtIndex(row)) {
            std::fprintf(stderr, "start %d refused\n", i);
            return 1;
        }
        // The engines were stopped inside the call: frames counted from here are new ones.
        const quint64 c1 = p.video1.frameCount(), c2 = p.video2.frameCount();
        double t1 = -1, t2 = -1;
        const bool shown = waitUntil(
            [&] {
                if (t1 < 0 && p.video1.frameCount() > c1)
                    t1 = clock.nsecsElapsed() / 1e6;
                if (t2 < 0 && p.video2.frameCount() > c2)
                    t2 = clock.nsecsElapsed() / 1e6;
                return t1 >= 0 && t2 >= 0;
            },
            10000);
        if (!shown) {
            std::fprintf(stderr, "start %d: no picture after 10 s\n", i);
            return 1;
        }
        if (i >= 0) {
            first1.push_back(t1);
            first2.push_back(t2);
            total.push_back(std::max(t1, t2));
        }
        waitUntil([&] { return !p.controller->waitingForPlayStart(); }, 10000);
        waitFor(700); // play a little, as a user would look before picking the next row
    }

    const Figures all = figuresOf(total), big = figuresOf(first1), small = figuresOf(first2);
    std::printf("playback start: %zu starts, double-click to first frame of both channels (640x360 30 fps)\n",
                all.count);
    std::printf("  both channels: median %.1f ms, worst %.1f ms (goal < 300 ms)\n", all.median, all.worst);
    std::printf("  player1:       median %.1f ms, worst %.1f ms\n", big.median, big.worst);
    std::printf("  player2:       median %.1f ms, worst %.1f ms\n", small.median, small.worst);
    return 0;
}
