// Reading the telemetry of a one-hour recording (36,000 G-sensor records, 3,600 GPS records,
// 108,000 video chunks in the index, video written as sparse holes), against the floor:
// the index in one read and each side-stream record with one positioned read.
//   bench_telemetry [RUNS]
#include "ORXAviRecords.h"
#include "ORXBlackBoxData.h"
#include "ORXSimRecording.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {
struct FloorResult
{
    long gsensor = 0;
    long gps = 0;
};

// The least any reader must do: one read of idx1, one pread per record.
FloorResult readFloor(const char* path)
{
    using namespace ORXAviLayout;
    FloorResult result;
    const int fd = ::open(path, O_RDONLY);
    if (fd < 0)
        return result;
    const off_t length = ::lseek(fd, 0, SEEK_END);
    quint32 movieSize = 0;
    if (::pread(fd, &movieSize, 4, kMovieListSizeOffset) != 4) {
        ::close(fd);
        return result;
    }
    const off_t indexStart = off_t(movieSize) + kIndexAfterMovieSize;
    std::vector<char> index(size_t(std::max<off_t>(0, length - indexStart)));
    const ssize_t got = ::pread(fd, index.data(), index.size(), indexStart);
    char record[sizeof(_AVI_GPS_DATA_T)];
    for (ssize_t pos = 0; pos + 16 <= got; pos += 16) {
        const char* entry = index.data() + pos;
        if (std::memcmp(entry, "02sb", 4) != 0)
            continue;
        quint32 offset, size;
        std::memcpy(&offset, entry + 8, 4);
        std::memcpy(&size, entry + 12, 4);
        const bool gps = size > kGSensorChunkMax;
        const size_t want = gps ? sizeof(_AVI_GPS_DATA_T) : sizeof(_AVI_GSENSOR_DATA_T);
        if (::pread(fd, record, want, off_t(offset) + kFirstChunkOffset + 4) > 0)
            ++(gps ? result.gps : result.gsensor);
    }
    ::close(fd);
    return result;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("orvex.*.info=false\norvex.*.debug=false"));
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;

    QTemporaryDir dir;
    ORXSimRecordingOptions options;
    options.path = dir.filePath(QStringLiteral("alwa_20230105_134501_F.avi"));
    options.durationSeconds = 3600;
    options.sparseVideo = true;
    options.receiver = ORXSimRecordingOptions::GpsGlonass;
    ORXSimRecordingInfo info;
    QString error;
    QElapsedTimer timer;
    timer.start();
    if (!ORXSimWriteRecording(options, &info, &error)) {
        std::fprintf(stderr, "bench_telemetry: cannot write the recording: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("one-hour recording written in %lld ms: %lld G-sensor, %lld GPS records, %d video frames\n",
                timer.elapsed(), qint64(info.gsensor.size()), qint64(info.gps.size()), info.videoFrames);
    const QByteArray path = options.path.toUtf8();

    std::vector<double> floorMs, ourMs;
    FloorResult floor;
    ORXBlackBoxData box;
    box.setWaitAfterRead(0);
    box.setIndexTraceEnabled(false);
    readFloor(path.constData()); // warm the page cache for both
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer t;
        t.start();
        floor = readFloor(path.constData());
        floorMs.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        if (!box.ExtractStreamInformation(path.constData())) {
            std::fprintf(stderr, "bench_telemetry: extraction failed\n");
            return 1;
        }
        ourMs.push_back(t.nsecsElapsed() / 1e6);
    }
    if (floor.gsensor != info.gsensor.size() || floor.gps != info.gps.size() ||
        box.m_vGSensorData().size() != info.gsensor.size() || box.gpsRecords().size() != info.gps.size()) {
        std::fprintf(stderr, "bench_telemetry: record counts differ from what was written\n");
        return 1;
    }
    const double f = median(floorMs), o = median(ourMs);
    std::printf("runs: %d (median)\n", runs);
    std::printf("floor (index in one read, one pread per record): %.1f ms\n", f);
    std::printf("extraction (wait 0, with NMEA parsing and pairing): %.1f ms\n", o);
    std::printf("ratio: %.2f\n", o / f);
    std::printf("fixes: %lld, paired samples: %lld\n", qint64(box.m_NMEAs().size()),
                qint64(box.m_vGpsData().size()));
    return 0;
}
