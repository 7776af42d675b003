#pragma once

#include "BenchPlayerView.h"
#include "ORXBlackBoxData.h"
#include "ORXMediaList.h"
#include "ORXPlayInfo.h"
#include "ORXPlaybackController.h"
#include "ORXSimRecording.h"
#include "VLCMediaPlayer.h"
#include "VLCVideoView.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

// What the player benchmarks share: the environment, recordings, the two libVLC engines with
// the controller, waiting on the event loop, and the figures.
namespace BenchPlayback {

// Offscreen and without a sound device, as on a build machine; set before Qt and libVLC start.
inline void prepareEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("ORVEX_AUDIO_OUTPUT"))
        qputenv("ORVEX_AUDIO_OUTPUT", "adummy");
}

inline bool writeRecording(const QString& path, bool front, int seconds, QSize size = QSize(640, 360))
{
    ORXSimRecordingOptions options;
    options.path = path;
    options.durationSeconds = seconds;
    options.width = size.width();
    options.height = size.height();
    options.fps = 30;
    options.front = front;
    QString error;
    if (!ORXSimWriteRecording(options, nullptr, &error)) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(error));
        return false;
    }
    return true;
}

// Runs the event loop until done() holds or the time is up; false on time-out.
inline bool waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        QThread::usleep(500);
    }
    return true;
}

// The same wait as the program's own event loop would do it: asleep until an event comes, the
// condition checked every checkMs. For measuring CPU time, where waitUntil's polling would add
// its own thousands of wake-ups a second to the figure.
inline bool waitIdleUntil(const std::function<bool()>& done, int timeoutMs, int checkMs = 50)
{
    QDeadlineTimer deadline(timeoutMs);
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done() || deadline.hasExpired())
            loop.quit();
    });
    check.start(checkMs);
    if (!done())
        loop.exec();
    return done();
}

inline void waitFor(int milliseconds)
{
    waitUntil([] { return false; }, milliseconds);
}

struct Player
{
    explicit Player(const QString& folder)
    {
        blackBoxData.setWaitAfterRead(0);
        blackBoxData.setIndexTraceEnabled(false);
        mediaList.setDirectoryPath(folder);
        mediaList.waitForRebuild();
        controller = std::make_unique<ORXPlaybackController>(&player1, &player2, &playInfo, &mediaList,
                                                             &blackBoxData, &view);
    }
    ~Player()
    {
        controller->stopPlay();
        controller.reset();
    }

    VLCVideoView video1;
    VLCVideoView video2;
    VLCMediaPlayer player1{&video1};
    VLCMediaPlayer player2{&video2};
    ORXPlayInfo playInfo;
    ORXMediaList mediaList;
    ORXBlackBoxData blackBoxData;
    BenchPlayerView view;
    std::unique_ptr<ORXPlaybackController> controller;
};

struct Figures
{
    double median = 0, p95 = 0, worst = 0;
    size_t count = 0;
};

// Median, 95th percentile (nearest rank) and worst of the values.
inline Figures figuresOf(std::vector<double> values)
{
    Figures f;
    f.count = values.size();
    if (values.empty())
        return f;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    f.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    f.p95 = values[std::min(n - 1, size_t(std::ceil(0.95 * double(n))) - 1)];
    f.worst = values.back();
    return f;
}

} // namespace BenchPlayback
