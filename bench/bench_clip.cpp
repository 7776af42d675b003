// Cutting one minute out of the middle of a one-hour recording (320x240 at 30 fps, sparse
// video holes of a tenth of a raw frame each, 16 kHz audio, 10 G-sensor and one GPS record a
// second): the size of the source and the clip, the time of one cut and its rate.
//   bench_clip [RUNS]
#include "ORXBlackBoxData.h"
#include "ORXClipCutter.h"
#include "ORXSimRecording.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("orvex.*.info=false\norvex.*.debug=false"));
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    QTemporaryDir dir;
    ORXSimRecordingOptions options;
    options.path = dir.filePath(QStringLiteral("alwa_20230105_134501_F.avi"));
    options.durationSeconds = 3600;
    options.width = 320;
    options.height = 240;
    options.sparseVideo = true;
    ORXSimRecordingInfo info;
    QString error;
    QElapsedTimer timer;
    timer.start();
    if (!ORXSimWriteRecording(options, &info, &error)) {
        std::fprintf(stderr, "bench_clip: cannot write the recording: %s\n", qPrintable(error));
        return 1;
    }
    const qint64 sourceSize = QFileInfo(options.path).size();
    std::printf(
        "one-hour recording written in %lld ms: %.1f MB, %d frames, %lld G-sensor, %lld GPS records\n",
        timer.elapsed(), sourceSize / 1e6, info.videoFrames, qint64(info.gsensor.size()),
        qint64(info.gps.size()));

    std::vector<double> seconds;
    qint64 clipSize = 0;
    for (int run = 0; run < runs; ++run) {
        const QString out = dir.filePath(QStringLiteral("out%1").arg(run));
        QDir().mkpath(out);
        ORXClipCutter cutter;
        cutter.setRange(1800, 1860);
        QElapsedTimer t;
        t.start();
        if (!cutter.cutPair(options.path, QString(), out)) {
            std::fprintf(stderr, "bench_clip: %s\n", qPrintable(cutter.errorString()));
            return 1;
        }
        seconds.push_back(t.nsecsElapsed() / 1e9);
        clipSize = QFileInfo(cutter.clipFiles().first()).size();
        ORXBlackBoxData box;
        box.setWaitAfterRead(0);
        box.setIndexTraceEnabled(false);
        if (!box.ExtractStreamInformation(cutter.clipFiles().first()) || box.m_GSensors().size() != 600) {
            std::fprintf(stderr, "bench_clip: the clip does not hold one minute of telemetry\n");
            return 1;
        }
        QDir(out).removeRecursively();
    }
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[seconds.size() / 2];
    std::printf("runs: %d (median; the source in the page cache)\n", runs);
    std::printf("clip of one minute: %.1f MB in %.3f s, %.0f MB/s (fastest %.3f s, slowest %.3f s)\n",
                clipSize / 1e6, median, clipSize / 1e6 / median, seconds.front(), seconds.back());
    return 0;
}
