// Front and rear in step, measured from the pictures: a 60 s pair at 30 fps plays with a
// seek, a jump forward, a jump backward and a swap; every 100 ms the frame number stamped in
// each view's current picture is read and the two are compared.
//
//   bench_playback_sync [--no-correction] [--size WxH]
//   (--no-correction: the catch-up moves player2 alone; the size is 640x360 unless given)
#include "BenchPlayback.h"
#include "ORXSimFrameNumber.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstring>

using namespace BenchPlayback;

namespace {
struct Action
{
    double at;     // seconds after the start
    double settle; // seconds excluded after it
    const char* name;
    std::function<void(Player&)> run;
};

struct Sample
{
    double t;
    int diff;
    int action; // index of the action whose settling window holds it, -1 steady
};
} // namespace

int main(int argc, char** argv)
{
    prepareEnvironment();
    QApplication app(argc, argv);
    bool correction = true;
    QSize size(640, 360);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-correction") == 0)
            correction = false;
        else if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc)
            std::sscanf(argv[++i], "%dx%d", &size.rwidth(), &size.rheight());
    }

    QTemporaryDir dir;
    const QString front = dir.filePath("alwa_20230105_134501_F.avi");
    const QString rear = dir.filePath("alwa_20230105_134501_R.avi");
    if (!writeRecording(front, true, 60, size) || !writeRecording(rear, false, 60, size))
        return 1;
    Player p(dir.path());
    p.controller->setSyncSeeksBoth(correction);

    // The swap moves both engines back to the old place 0.8 s after it; its window is longer.
    const std::vector<Action> actions = {
        {8, 0.5, "seek to 0.4", [](Player& q) { q.view.positionSlider = 0.4; q.controller->videoPositionSliderMoved(); }},
        {16, 0.5, "jump forward", [](Player& q) { q.controller->jumpForward(); }},
        {24, 0.5, "jump backward", [](Player& q) { q.controller->jumpBackward(); }},
        {32, 1.3, "swap", [](Player& q) { q.controller->swapPlayer(); }},
    };
    const double startSettle = 0.5, endAt = 48;

    if (!p.controller->playAtIndex(0))
        return 1;
    if (!waitUntil([&] { return p.video1.frameCount() > 0 && p.video2.frameCount() > 0; }, 10000)) {
        std::fprintf(stderr, "no picture\n");
        return 1;
    }
    QElapsedTimer clock;
    clock.start();
    std::vector<Sample> samples;
    size_t nextAction = 0;
    int unreadable = 0;
    for (double next = 0.1; next < endAt; next += 0.1) {
        waitUntil([&] { return clock.nsecsElapsed() / 1e9 >= next; }, 5000);
        const double t = clock.nsecsElapsed() / 1e9;
        if (nextAction < actions.size() && t >= actions[nextAction].at)
            actions[nextAction++].run(p);
        const int f1 = ORXSimReadFrameNumber(p.video1.currentFrame());
        const int f2 = ORXSimReadFrameNumber(p.video2.currentFrame());
        if (f1 < 0 || f2 < 0) {
            ++unreadable;
            continue;
        }
        int window = t < startSettle ? int(actions.size()) : -1;
        for (size_t i = 0; i < nextAction; ++i) {
            if (t >= actions[i].at && t < actions[i].at + actions[i].settle)
                window = int(i);
        }
        samples.push_back({t, f1 - f2, window});
    }

    std::vector<double> steady, steadySigned;
    for (const Sample& s : samples) {
        if (s.action == -1) {
            steady.push_back(std::abs(s.diff));
            steadySigned.push_back(s.diff);
        }
    }
    const Figures f = figuresOf(steady);
    std::printf("playback sync (%s): 60 s pair, 30 fps, %dx%d; frame difference player1 - player2\n",
                correction ? "catch-up seeks both engines" : "catch-up seeks player2 only", size.width(), size.height());
    std::printf("  steady (from 0.5 s after each action): %zu samples, |diff| median %.1f, p95 %.1f, worst %.0f "
                "frames; signed median %+.1f (goal: median 0, at most 1)\n",
                f.count, f.median, f.p95, f.worst, figuresOf(steadySigned).median);
    for (size_t i = 0; i <= actions.size(); ++i) {
        std::vector<double> window;
        QString trace;
        for (const Sample& s : samples) {
            if (s.action == int(i)) {
                window.push_back(std::abs(s.diff));
                trace += QString::number(s.diff) + ' ';
            }
        }
        const Figures w = figuresOf(window);
        const char* name = i < actions.size() ? actions[i].name : "start";
        std::printf("  settling after %-13s: %zu samples, |diff| worst %.0f; diffs %s\n", name, w.count, w.worst,
                    qPrintable(trace));
    }
    // The differences over time, one line per second (* inside a settling window).
    QString line;
    int second = 0;
    for (const Sample& s : samples) {
        if (int(s.t) != second) {
            if (!line.isEmpty())
                std::printf("  t=%2ds: %s\n", second, qPrintable(line));
            line.clear();
            second = int(s.t);
        }
        line += QString::number(s.diff) + (s.action == -1 ? " " : "* ");
    }
    std::printf("  unreadable samples: %d\n", unreadable);
    return 0;
}
