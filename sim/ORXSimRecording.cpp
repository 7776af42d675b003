#include "ORXSimRecording.h"

#include "ORXSimAviWriter.h"
#include "ORXSimFramePainter.h"
#include "ORXSimLog.h"
#include "ORXSimTelemetry.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
constexpr int kAudioRate = 16000;
constexpr int kAudioChunksPerSecond = 2;
constexpr int kMaxDurationSeconds = 4 * 3600;
constexpr int kMaxRouteOffset = 86400;
constexpr int kFrameBatch = 48;          // frames drawn and compressed in parallel at a time
constexpr quint32 kOversizedNLen = 4096; // what a broken GPS record claims
constexpr double kKmhPerMph = 1.609344;

// One chunk in the movie list, in time order.
struct Item
{
    enum Kind
    {
        Audio,
        Video,
        GSensor,
        Gps
    };
    qint64 timeUs;
    Kind kind;
    int index;
};

bool checkOptions(const ORXSimRecordingOptions& o, QString* why)
{
    if (o.path.isEmpty())
        *why = QStringLiteral("no path given");
    else if (o.durationSeconds < 1 || o.durationSeconds > kMaxDurationSeconds)
        *why = QStringLiteral("duration must be 1 to %1 seconds").arg(kMaxDurationSeconds);
    else if (o.width < 64 || o.width > 4096 || o.height < 64 || o.height > 4096)
        *why = QStringLiteral("frame size must be 64 to 4096 pixels each way");
    else if (o.fps < 1 || o.fps > 120)
        *why = QStringLiteral("frame rate must be 1 to 120");
    else if (!(o.routeOffsetSeconds >= 0 && o.routeOffsetSeconds <= kMaxRouteOffset))
        *why = QStringLiteral("route offset must be 0 to %1 seconds").arg(kMaxRouteOffset);
    else if (o.gsensor && (o.gsensorPerSecond < 1 || o.gsensorPerSecond > 1000))
        *why = QStringLiteral("G-sensor rate must be 1 to 1000 per second");
    else
        return true;
    return false;
}

QVector<Item> schedule(const ORXSimRecordingOptions& o, int gsensorCount, int gpsCount)
{
    QVector<Item> items;
    const int frames = o.durationSeconds * o.fps;
    const int audioChunks = o.audio ? o.durationSeconds * kAudioChunksPerSecond : 0;
    items.reserve(frames + audioChunks + gsensorCount + gpsCount);
    for (int i = 0; i < audioChunks; ++i)
        items << Item{qint64(i) * 1000000 / kAudioChunksPerSecond, Item::Audio, i};
    for (int i = 0; i < frames; ++i)
        items << Item{qint64(i) * 1000000 / o.fps, Item::Video, i};
    for (int i = 0; i < gsensorCount; ++i)
        items << Item{qint64(i) * 1000000 / o.gsensorPerSecond, Item::GSensor, i};
    for (int i = 0; i < gpsCount; ++i)
        items << Item{qint64(i) * 1000000, Item::Gps, i};
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
        return a.timeUs != b.timeUs ? a.timeUs < b.timeUs : a.kind < b.kind;
    });
    return items;
}

// The order the chunks' data is written in. Normally the index order; with the fault,
// every third GPS record goes in ahead of the G-sensor record indexed just before it.
QVector<int> writeOrder(const QVector<Item>& items, bool outOfOrder)
{
    QVector<int> order(items.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    if (!outOfOrder)
        return order;
    for (int i = 1; i < order.size(); ++i) {
        if (items[i].kind == Item::Gps && items[i].index % 3 == 1 && items[i - 1].kind == Item::GSensor)
            std::swap(order[i - 1], order[i]);
    }
    return order;
}

// Engine hum with a little road noise: the pitch follows the speed.
class AudioSource
{
public:
    explicit AudioSource(const ORXSimRecordingOptions& o) : m_options(o) {}

    QByteArray chunk(int index)
    {
        const int samples = kAudioRate / kAudioChunksPerSecond;
        QByteArray bytes(samples * 2, '\0');
        const double t = m_options.routeOffsetSeconds + double(index) / kAudioChunksPerSecond;
        const double speed = m_options.route.fixAt(t).speedKmh;
        const double step = 2 * M_PI * (35 + speed * 1.1) / kAudioRate;
        for (int i = 0; i < samples; ++i) {
            m_noise = m_noise * 1103515245u + 12345u;
            const double value = 1800 * std::sin(m_phase) + 600 * std::sin(2.5 * m_phase) +
                                 (double(int(m_noise >> 16) & 0x3FF) - 512) * (0.3 + speed / 80);
            m_phase = std::fmod(m_phase + step, 2 * M_PI * 2); // 2.5 x phase wraps every 4 pi
            const qint16 sample = qint16(std::clamp(value, -32767.0, 32767.0));
            std::memcpy(bytes.data() + 2 * i, &sample, 2);
        }
        return bytes;
    }

private:
    const ORXSimRecordingOptions& m_options;
    double m_phase = 0;
    quint32 m_noise = 1;
};

// Draws and compresses the frames a batch at a time on all cores, in frame order.
class VideoSource
{
public:
    explicit VideoSource(const ORXSimRecordingOptions& o)
        : m_options(o), m_painter(o.width, o.height, o.front)
    {
        m_pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    }

    QByteArray frame(int index)
    {
        if (index < m_first || index >= m_first + int(m_frames.size()))
            encodeBatch(index);
        return m_frames[index - m_first];
    }

private:
    ORXSimFrameState stateAt(int index)
    {
        const double t = double(index) / m_options.fps;
        const double routeT = m_options.routeOffsetSeconds + t;
        const ORXSimFix fix = m_options.route.fixAt(routeT);
        const ORXSimFix ahead = m_options.route.fixAt(routeT + 0.5);
        if (index > 0)
            m_distance += fix.speedKmh / 3.6 / m_options.fps;

        ORXSimFrameState state;
        state.frameNumber = index;
        state.frameNumberStrip = m_options.frameNumberStrip;
        state.distanceMetres = m_distance;
        state.turnDegPerSec = std::remainder(ahead.courseDeg - fix.courseDeg, 360.0) * 2;
        const QDateTime clock = m_options.route.startUtc().addSecs(qint64(std::floor(routeT)));
        state.overlayTop = (m_options.front ? QStringLiteral("FRONT ") : QStringLiteral("REAR ")) +
                           clock.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        const double speed = m_options.speedInKmh ? fix.speedKmh : fix.speedKmh / kKmhPerMph;
        state.overlayBottom = QString::asprintf("%03d %s %c%.4f %c%.4f", int(std::lround(speed)),
                                                m_options.speedInKmh ? "KM/H" : "MPH",
                                                fix.latitude < 0 ? 'S' : 'N', std::fabs(fix.latitude),
                                                fix.longitude < 0 ? 'W' : 'E', std::fabs(fix.longitude));
        return state;
    }

    void encodeBatch(int first)
    {
        const int total = m_options.durationSeconds * m_options.fps;
        const int count = std::min(kFrameBatch, total - first);
        QVector<ORXSimFrameState> states;
        for (int i = 0; i < count; ++i)
            states << stateAt(first + i);
        m_frames = QVector<QByteArray>(count);
        for (int i = 0; i < count; ++i)
            m_pool.start([this, &states, i] { m_frames[i] = m_painter.jpeg(states[i]); });
        m_pool.waitForDone();
        m_first = first;
    }

    const ORXSimRecordingOptions& m_options;
    ORXSimFramePainter m_painter;
    QThreadPool m_pool;
    QVector<QByteArray> m_frames;
    int m_first = 0;
    double m_distance = 0;
};

// Size of a video chunk left as a hole: about what the camera's frames weigh, but small
// enough that the file stays within the 4 GiB an AVI file can address.
quint32 sparseFrameSize(const ORXSimRecordingOptions& o)
{
    const qint64 frames = qint64(o.durationSeconds) * o.fps;
    const qint64 byPicture = qint64(o.width) * o.height / 10;
    const qint64 byFile = 0xC0000000ll / std::max<qint64>(1, frames);
    return quint32(std::max<qint64>(16, std::min(byPicture, byFile)) & ~1ll);
}

bool truncateFile(const QString& path, qint64 size, QString* why)
{
    QFile file(path);
    if (size >= file.size())
        return true;
    if (!file.resize(size)) {
        *why = file.errorString();
        return false;
    }
    return true;
}
} // namespace

bool ORXSimWriteRecording(const ORXSimRecordingOptions& options, ORXSimRecordingInfo* info, QString* error)
{
    QString why;
    if (!checkOptions(options, &why)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(options.path, why);
        return false;
    }
    QElapsedTimer timer;
    timer.start();

    const ORXSimTelemetry telemetry(options);
    const QVector<_AVI_GSENSOR_DATA_T> gsensor = telemetry.gsensorRecords();
    QVector<_AVI_GPS_DATA_T> gps = telemetry.gpsRecords();
    if (options.oversizedNLen && !gps.isEmpty())
        gps[gps.size() / 2].nLen = kOversizedNLen;

    const QVector<Item> items = schedule(options, int(gsensor.size()), int(gps.size()));
    const QVector<int> order = writeOrder(items, options.outOfOrderData);

    ORXSimAviWriter writer(options.path, {options.width, options.height, options.fps}, options.audio,
                           {kAudioRate}, options.gps || options.gsensor);
    if (!writer.open(error))
        return false;
    AudioSource audio(options);
    VideoSource video(options);
    const quint32 holeSize = sparseFrameSize(options);
    bool ok = true;
    for (int i = 0; ok && i < order.size(); ++i) {
        const int key = order[i];
        const Item& item = items[key];
        switch (item.kind) {
        case Item::Audio:
            ok = writer.writeChunk("01wb", audio.chunk(item.index), ORXSimAviWriter::kKeyFrame, key);
            break;
        case Item::Video:
            ok = options.sparseVideo
                     ? writer.writeHole("00dc", holeSize, ORXSimAviWriter::kKeyFrame, key)
                     : writer.writeChunk("00dc", video.frame(item.index), ORXSimAviWriter::kKeyFrame, key);
            break;
        case Item::GSensor:
            ok = writer.writeChunk(
                "02sb",
                QByteArray(reinterpret_cast<const char*>(&gsensor[item.index]), sizeof(_AVI_GSENSOR_DATA_T)),
                0, key);
            break;
        case Item::Gps:
            ok = writer.writeChunk(
                "02sb", QByteArray(reinterpret_cast<const char*>(&gps[item.index]), sizeof(_AVI_GPS_DATA_T)),
                0, key);
            break;
        }
    }
    if (!writer.finish(options.notRiff, error))
        return false;
    if (options.truncateAt >= 0 && !truncateFile(options.path, options.truncateAt, &why)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(options.path, why);
        return false;
    }

    const int frames = options.durationSeconds * options.fps;
    qCDebug(ORXSimLog, "wrote %s: %d frames, %d G-sensor, %d GPS records in %lld ms",
            qPrintable(options.path), frames, int(gsensor.size()), int(gps.size()), timer.elapsed());
    if (info) {
        info->gsensor = gsensor;
        info->gps = gps;
        info->videoFrames = frames;
    }
    return true;
}
