// Front and rear in step, measured from the pictures: a 60 s pair at 30 fps plays with a
// seek, a jump forward, a jump backward and a swap; every 100 ms the frame number stamped in
// each view's current picture is read and the two are compared. Then, paused, frame by
// frame: 60 steps forward and 60 back, one at a time and in bursts as from a held key, each
// read from both pictures once the engines have settled.
//
//   bench_playback_sync [--no-correction] [--size WxH] [--steps-only] [--next-frame]
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

// The frames both pictures show once they have stopped changing (-1 when unreadable).
std::pair<int, int> settledFrames(Player& p, int settleMs)
{
    std::pair<int, int> last{-2, -2};
    QElapsedTimer stable;
    stable.start();
    QElapsedTimer total;
    total.start();
    while (total.elapsed() < 5000) {
        waitFor(10);
        const std::pair<int, int> now{ORXSimReadFrameNumber(p.video1.currentFrame()),
                                      ORXSimReadFrameNumber(p.video2.currentFrame())};
        if (now != last) {
            last = now;
            stable.restart();
        } else if (stable.elapsed() >= settleMs) {
            break;
        }
    }
    return last;
}

struct StepFigures
{
    int steps = 0, apart = 0, worst = 0, offTarget = 0, unreadable = 0;
    int apartBeforeSettling = -1; // bursts only: read before the controller settles the burst
    QString diffs;
};

void printSteps(const char* name, const StepFigures& f)
{
    std::printf(
        "  %-30s: %3d steps, %d left the channels apart (worst %d frames), front off the intended frame "
        "%d, unreadable %d%s%s\n",
        name, f.steps, f.apart, f.worst, f.offTarget, f.unreadable, f.diffs.isEmpty() ? "" : "; diffs ",
        qPrintable(f.diffs));
    if (f.apartBeforeSettling >= 0)
        std::printf("  %-30s  before the burst settled: %d of %d bursts apart or off the intended frame\n",
                    "", f.apartBeforeSettling, f.steps);
}

// One step after another, each read once the pictures have settled.
// One step's reading: the frames both pictures show, against the frame the controller names.
void record(StepFigures& f, int f1, int f2, qint64 named)
{
    ++f.steps;
    if (f1 < 0 || f2 < 0) {
        ++f.unreadable;
        return;
    }
    if (f1 != f2) {
        ++f.apart;
        f.worst = std::max(f.worst, std::abs(f1 - f2));
        f.diffs += QString::number(f1 - f2) + ' ';
    }
    if (f1 != named)
        ++f.offTarget;
}

StepFigures stepOneByOne(Player& p, bool forward, int count)
{
    StepFigures f;
    for (int i = 0; i < count; ++i) {
        forward ? p.controller->stepFrameForward() : p.controller->stepFrameBackward();
        const auto [f1, f2] = settledFrames(p, 150);
        record(f, f1, f2, p.controller->stepFrame());
    }
    return f;
}

// Bursts of steps 33 ms apart (a held key repeats about that fast), read after each burst.
StepFigures stepInBursts(Player& p, bool forward, int bursts, int perBurst)
{
    StepFigures f;
    f.apartBeforeSettling = 0;
    for (int b = 0; b < bursts; ++b) {
        for (int i = 0; i < perBurst; ++i) {
            forward ? p.controller->stepFrameForward() : p.controller->stepFrameBackward();
            waitFor(33);
        }
        // Before the controller settles the burst, and after it.
        const auto [early1, early2] = settledFrames(p, 100);
        if (early1 != early2 || early1 != p.controller->stepFrame())
            ++f.apartBeforeSettling;
        waitUntil([&] { return !p.controller->moving(); }, 5000);
        const auto [f1, f2] = settledFrames(p, 200);
        record(f, f1, f2, p.controller->stepFrame());
    }
    return f;
}

int runSteps(Player& p)
{
    // Paused at 20 s, as after watching up to a moment of interest.
    p.view.positionSlider = 20.0 / 60.0;
    p.controller->videoPositionSliderMoved();
    waitFor(1500);
    // The play button pauses what the play state shows playing. After the full run the
    // recording has ended, and the seek above reloads it paused at 20 s: nothing to click.
    if (waitUntil([&] { return p.playInfo.isPlaying(); }, 2000))
        p.controller->clickPlayButton();
    if (!waitUntil(
            [&] { return !p.player1.isPlaying() && !p.player2.isPlaying() && !p.controller->moving(); },
            5000)) {
        std::fprintf(stderr, "no pause\n");
        return 1;
    }
    waitFor(500);
    const auto [paused1, paused2] = settledFrames(p, 300);
    std::printf(
        "frame stepping (forward %s), paused at %.3f s (pictures show frames %d and %d, engines playing: "
        "%d %d): frames read from both pictures after each step\n",
        p.controller->frameStepUsesNextFrame() ? "with libVLC's next-frame" : "by seeking",
        double(p.player1.time().intValue()) / 1000.0, paused1, paused2, int(p.player1.isPlaying()),
        int(p.player2.isPlaying()));
    QElapsedTimer clock;
    clock.start();
    printSteps("60 steps forward", stepOneByOne(p, true, 60));
    printSteps("60 steps back", stepOneByOne(p, false, 60));
    std::printf("  one step with settling: %.0f ms on average\n", double(clock.elapsed()) / 120.0);
    printSteps("held key: 6 x 10 forward", stepInBursts(p, true, 6, 10));
    printSteps("held key: 6 x 10 back", stepInBursts(p, false, 6, 10));
    return 0;
}

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
    bool stepsOnly = false;
    bool nextFrame = false; // forward steps with libVLC's next-frame rather than a seek
    QSize size(640, 360);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-correction") == 0)
            correction = false;
        else if (std::strcmp(argv[i], "--steps-only") == 0)
            stepsOnly = true;
        else if (std::strcmp(argv[i], "--next-frame") == 0)
            nextFrame = true;
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
    p.controller->setFrameStepUsesNextFrame(nextFrame);

    // The swap moves both engines back to the old place 0.8 s after it; its window is longer.
    const std::vector<Action> actions = {
        {8, 0.5, "seek to 0.4",
         [](Player& q) {
             q.view.positionSlider = 0.4;
             q.controller->videoPositionSliderMoved();
         }},
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
    if (stepsOnly)
        return runSteps(p);
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
                correction ? "catch-up seeks both engines" : "catch-up seeks player2 only", size.width(),
                size.height());
    std::printf(
        "  steady (from 0.5 s after each action): %zu samples, |diff| median %.1f, p95 %.1f, worst %.0f "
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
        std::printf("  settling after %-13s: %zu samples, |diff| worst %.0f; diffs %s\n", name, w.count,
                    w.worst, qPrintable(trace));
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
    return runSteps(p);
}
