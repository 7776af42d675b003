#include "ORXClipCutter.h"

#include "ORXAviRecords.h"
#include "ORXCFormat.h"
#include "ORXLocalizedString.h"

#include <QFile>
#include <QLoggingCategory>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

namespace {
Q_LOGGING_CATEGORY(lcClip, "orvex.model")

using namespace ORXAviLayout;

constexpr qint64 kIndexBlockSize = 4 * 1024 * 1024; // a multiple of the 16-byte entry
constexpr qint64 kCopyBlockSize = 1024 * 1024;
constexpr qint64 kMaxAviSize = 0xFFFFFFFFll;                // RIFF sizes and idx1 offsets are 32-bit
constexpr quint32 kKeyFrameFlag = 0x10;                     // AVIIF_KEYFRAME
constexpr double kTimeSlack = 1e-6;                         // seconds; absorbs rounding of stream times
constexpr qint64 kHeaderListEnd = kMovieListSizeOffset - 4; // where "LIST" of the movie list is

// Offsets inside the chunks of the header list.
constexpr qint64 kAvihTotalFrames = 16;
constexpr qint64 kStrhHandler = 4, kStrhScale = 20, kStrhRate = 24, kStrhStart = 28, kStrhLength = 32,
                 kStrhSampleSize = 44, kStrhMinSize = 48;
constexpr qint64 kStrfCompression = 16; // BITMAPINFOHEADER biCompression

quint32 le32(const char* bytes)
{
    quint32 value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

void put32(char* bytes, quint32 value)
{
    std::memcpy(bytes, &value, sizeof value);
}

bool isMjpeg(const char* fourcc)
{
    return qstrnicmp(fourcc, "MJPG", 4) == 0 || qstrnicmp(fourcc, "AVRN", 4) == 0 ||
           qstrnicmp(fourcc, "JPEG", 4) == 0;
}

struct Stream
{
    enum Kind
    {
        Video,
        Audio,
        Other
    } kind = Other;
    qint64 strh = -1; // offset of the strh data in the header bytes
    quint32 scale = 0, rate = 0, start = 0, sampleSize = 0;
    bool everyFrameKey = false;
};

// The source's header bytes (up to the first chunk) with its streams found in "hdrl".
struct Header
{
    QByteArray bytes;
    std::vector<Stream> streams;
    qint64 avih = -1, dmlh = -1;
    int video = -1, audio = -1;

    bool parse()
    {
        const char* b = bytes.constData();
        if (std::memcmp(b, "RIFF", 4) || std::memcmp(b + 8, "AVI ", 4) ||
            std::memcmp(b + kHeaderListEnd, "LIST", 4) || std::memcmp(b + kMovieListTypeOffset, "movi", 4))
            return false;
        walk(12, kHeaderListEnd, -1);
        for (int i = 0; i < int(streams.size()); ++i) {
            if (streams[size_t(i)].kind == Stream::Video && video < 0)
                video = i;
            else if (streams[size_t(i)].kind == Stream::Audio && audio < 0)
                audio = i;
        }
        if (audio >= 0 && streams[size_t(audio)].rate == 0)
            audio = -1; // no time line: goes with the frames like the side stream
        return video >= 0 && streams[size_t(video)].rate && streams[size_t(video)].scale;
    }

    // Walks the chunks and lists in [pos, end); inside a "strl" list, stream is its number.
    void walk(qint64 pos, qint64 end, int stream)
    {
        const char* b = bytes.constData();
        while (pos + 8 <= end) {
            const qint64 size = le32(b + pos + 4);
            const qint64 dataEnd = std::min(end, pos + 8 + size);
            if (!std::memcmp(b + pos, "LIST", 4) && size >= 4) {
                const bool strl = !std::memcmp(b + pos + 8, "strl", 4);
                if (strl)
                    streams.emplace_back();
                walk(pos + 12, dataEnd, strl ? int(streams.size()) - 1 : stream);
            } else if (!std::memcmp(b + pos, "avih", 4) && size >= kAvihTotalFrames + 4) {
                avih = pos + 8;
            } else if (!std::memcmp(b + pos, "dmlh", 4) && size >= 4) {
                dmlh = pos + 8;
            } else if (!std::memcmp(b + pos, "strh", 4) && stream >= 0 && size >= kStrhMinSize &&
                       pos + 8 + kStrhMinSize <= end) {
                readStreamHeader(pos + 8, streams[size_t(stream)]);
            } else if (!std::memcmp(b + pos, "strf", 4) && stream >= 0 && size >= kStrfCompression + 4 &&
                       pos + 8 + kStrfCompression + 4 <= end && isMjpeg(b + pos + 8 + kStrfCompression)) {
                streams[size_t(stream)].everyFrameKey = true;
            }
            pos += 8 + size + (size % 2);
        }
    }

    void readStreamHeader(qint64 at, Stream& s)
    {
        const char* b = bytes.constData() + at;
        s.strh = at;
        s.kind = !std::memcmp(b, "vids", 4)   ? Stream::Video
                 : !std::memcmp(b, "auds", 4) ? Stream::Audio
                                              : Stream::Other;
        s.scale = le32(b + kStrhScale);
        s.rate = le32(b + kStrhRate);
        s.start = le32(b + kStrhStart);
        s.sampleSize = le32(b + kStrhSampleSize);
        s.everyFrameKey = s.everyFrameKey || isMjpeg(b + kStrhHandler);
    }
};

struct Entry
{
    char id[4];
    quint32 flags, offset, length;
    int stream;
};

// Totals of the kept chunks, gathered by the planning walk.
struct Plan
{
    qint64 chunkBytes = 0; // chunks with their 8-byte heads and pad bytes
    qint64 entries = 0;
    qint64 payload = 0;          // chunk data only, for progress
    std::vector<quint32> chunks; // per stream
    std::vector<qint64> bytes;   // per stream
    std::optional<double> firstAudio;
};

// One cut of one source file: the header, the index walk that decides what is kept, the copy.
class ORXAviClip
{
public:
    ORXAviClip(QFile& source, double from, double to, bool endAtSourceEnd)
        : m_source(source), m_from(from), m_to(to), m_endAtSourceEnd(endAtSourceEnd)
    {
    }

    // Reads the header and counts the frames; then the range is checked.
    QString open()
    {
        m_header.bytes = QByteArray(kFirstChunkOffset, '\0');
        if (!readAt(0, m_header.bytes.data(), kFirstChunkOffset) || !m_header.parse())
            return ORXLocalizedString("clip.error.damaged");
        const qint64 movieSize = le32(m_header.bytes.constData() + kMovieListSizeOffset);
        const qint64 idx = kMovieListTypeOffset + movieSize;
        char head[8];
        if (!readAt(idx, head, 8) || std::memcmp(head, "idx1", 4))
            return ORXLocalizedString("clip.error.damaged");
        m_indexStart = idx + 8;
        m_indexEntries = le32(head + 4) / kIndexEntrySize;
        if (m_indexStart + m_indexEntries * kIndexEntrySize > m_source.size())
            return ORXLocalizedString("clip.error.damaged");
        return checkRange();
    }

    bool rangeFailed() const { return m_rangeFailed; }
    double clipStart() const { return frameTime(m_key); }
    double clipDuration() const { return frameTime(m_last + 1) - frameTime(m_key); }

    // Writes the clip to target, which is open for writing.
    QString write(QFile& target, const std::function<bool(int)>& progress, bool* canceled)
    {
        Plan plan;
        plan.chunks.assign(m_header.streams.size(), 0);
        plan.bytes.assign(m_header.streams.size(), 0);
        if (!walk([&](const Entry& e, double audioTime) {
                plan.chunkBytes += 8 + e.length + (e.length % 2);
                plan.payload += e.length;
                ++plan.entries;
                ++plan.chunks[size_t(e.stream)];
                plan.bytes[size_t(e.stream)] += e.length;
                if (e.stream == m_header.audio && !plan.firstAudio)
                    plan.firstAudio = audioTime;
                return true;
            }))
            return ORXLocalizedString("clip.error.damaged");
        const qint64 fileSize = kFirstChunkOffset + plan.chunkBytes + 8 + plan.entries * kIndexEntrySize;
        if (fileSize > kMaxAviSize)
            return ORXLocalizedString("clip.error.damaged");

        const QByteArray head = patchedHeader(plan, fileSize);
        if (target.write(head) != head.size())
            return writeError(target);
        QString error = copyChunks(target, plan.payload, progress, canceled);
        if (!error.isEmpty() || *canceled)
            return error;
        return writeIndex(target, plan.entries);
    }

private:
    double frameTime(qint64 frame) const
    {
        const Stream& v = m_header.streams[size_t(m_header.video)];
        return double(frame) * v.scale / v.rate;
    }

    QString checkRange()
    {
        const Stream& v = m_header.streams[size_t(m_header.video)];
        // Count the frames and find the last key frame at or before the first one wanted.
        const double perFrame = double(v.rate) / v.scale;
        const double from = std::isfinite(m_from) ? std::clamp(m_from, 0.0, 1e9) : 0.0;
        const qint64 first = qint64(std::floor(from * perFrame + kTimeSlack));
        qint64 frames = 0;
        m_key = 0;
        if (!scan([&](const Entry& e) {
                if (e.stream != m_header.video)
                    return;
                if (frames <= first && (v.everyFrameKey || (e.flags & kKeyFrameFlag)))
                    m_key = frames;
                ++frames;
            }))
            return ORXLocalizedString("clip.error.damaged");
        const double duration = frameTime(frames);
        if (m_endAtSourceEnd && m_to > duration)
            m_to = duration;
        if (std::isfinite(m_from) && std::isfinite(m_to) && !(m_to > m_from)) {
            m_rangeFailed = true;
            return ORXLocalizedString("clip.error.empty");
        }
        if (!(m_from >= 0) || !(m_to <= duration + kTimeSlack) || frames == 0)
            return outside(duration);
        m_last = std::min(frames - 1, qint64(std::ceil(m_to * perFrame - kTimeSlack)) - 1);
        m_last = std::max(m_last, first);
        m_end = frameTime(m_last + 1);
        return QString();
    }

    QString outside(double duration)
    {
        m_rangeFailed = true;
        return ORXLocalizedString("clip.error.outside")
            .arg(ORXCFormat("%.2f", m_from), ORXCFormat("%.2f", m_to), ORXCFormat("%.2f", duration));
    }

    bool readAt(qint64 pos, char* buffer, qint64 len)
    {
        return pos >= 0 && pos + len <= m_source.size() && m_source.seek(pos) &&
               m_source.read(buffer, len) == len;
    }

    // Calls visit for every index entry of a known stream, in index order. False when the
    // index cannot be read.
    template <typename Visit> bool scan(Visit visit)
    {
        QByteArray block;
        for (qint64 i = 0; i < m_indexEntries;) {
            const qint64 count = std::min<qint64>(m_indexEntries - i, kIndexBlockSize / kIndexEntrySize);
            block.resize(count * kIndexEntrySize);
            if (!readAt(m_indexStart + i * kIndexEntrySize, block.data(), block.size()))
                return false;
            for (qint64 k = 0; k < count; ++k) {
                const char* raw = block.constData() + k * kIndexEntrySize;
                Entry e;
                std::memcpy(e.id, raw, 4);
                e.flags = le32(raw + 4);
                e.offset = le32(raw + 8);
                e.length = le32(raw + 12);
                e.stream = streamOf(e.id);
                if (e.stream >= 0)
                    visit(e);
            }
            i += count;
        }
        return true;
    }

    // The stream of a chunk id ("00dc", "01wb", "02sb"). The camera numbers its side stream
    // 02 also when it records no audio and the side stream is the second one: a number
    // without a stream, or whose stream is of another kind than the id's two letters say,
    // goes to the first stream of that kind.
    int streamOf(const char* id) const
    {
        if (id[0] < '0' || id[0] > '9' || id[1] < '0' || id[1] > '9')
            return -1;
        const int number = (id[0] - '0') * 10 + (id[1] - '0');
        const Stream::Kind kind = (id[2] == 'd' && (id[3] == 'c' || id[3] == 'b')) ? Stream::Video
                                  : (id[2] == 'w' && id[3] == 'b')                 ? Stream::Audio
                                                                                   : Stream::Other;
        const int count = int(m_header.streams.size());
        if (number < count && m_header.streams[size_t(number)].kind == kind)
            return number;
        for (int i = 0; i < count; ++i) {
            if (m_header.streams[size_t(i)].kind == kind)
                return i;
        }
        return -1;
    }

    // Calls keep(entry, audio time) for every entry the clip holds, in index order; keep
    // returning false ends the walk (and makes it return false).
    template <typename Keep> bool walk(Keep keep)
    {
        const Stream audio = m_header.audio >= 0 ? m_header.streams[size_t(m_header.audio)] : Stream();
        qint64 framesSeen = 0, audioUnits = 0;
        bool ok = true;
        const bool scanned = scan([&](const Entry& e) {
            if (!ok)
                return;
            bool wanted = false;
            double audioTime = 0;
            if (e.stream == m_header.video) {
                wanted = framesSeen >= m_key && framesSeen <= m_last;
                ++framesSeen;
            } else if (e.stream == m_header.audio) {
                audioTime = double(audio.start + audioUnits) * audio.scale / audio.rate;
                audioUnits += audio.sampleSize ? e.length / audio.sampleSize : 1;
                wanted = audioTime >= clipStart() - kTimeSlack && audioTime < m_end - kTimeSlack;
            } else {
                // Side-stream records belong to the frame they are written behind.
                wanted = (framesSeen > m_key || m_key == 0) && framesSeen <= m_last + 1;
            }
            if (wanted)
                ok = keep(e, audioTime);
        });
        return scanned && ok;
    }

    QByteArray patchedHeader(const Plan& plan, qint64 fileSize) const
    {
        QByteArray head = m_header.bytes;
        char* b = head.data();
        put32(b + 4, quint32(fileSize - 8));
        put32(b + kMovieListSizeOffset, quint32(4 + plan.chunkBytes));
        const quint32 frames = plan.chunks[size_t(m_header.video)];
        if (m_header.avih >= 0)
            put32(b + m_header.avih + kAvihTotalFrames, frames);
        if (m_header.dmlh >= 0)
            put32(b + m_header.dmlh, frames);
        for (size_t i = 0; i < m_header.streams.size(); ++i) {
            const Stream& s = m_header.streams[i];
            if (s.strh < 0)
                continue;
            const bool timedAudio = int(i) == m_header.audio;
            const qint64 length = timedAudio && s.sampleSize ? plan.bytes[i] / s.sampleSize : plan.chunks[i];
            put32(b + s.strh + kStrhLength, quint32(length));
            if (s.kind == Stream::Other) {
                // A data stream's chunks are spread over the clip's frames, as the camera does.
                // (An "auds" stream without a time line keeps its header as it is: given a time
                // line here, a cut of the clip would take it for timed audio and cut it again.)
                const Stream& v = m_header.streams[size_t(m_header.video)];
                put32(b + s.strh + kStrhScale, std::max<quint32>(1, frames) * v.scale);
                put32(b + s.strh + kStrhRate, std::max<quint32>(1, plan.chunks[i]) * v.rate);
            }
            if (timedAudio) {
                // The audio's delay from the first frame, in the stream's own units, rounded
                // down: a unit can be long, and rounding up could start the audio after the
                // clip's end, where a cut of the clip would drop it.
                const double delay = plan.firstAudio ? *plan.firstAudio - clipStart() : 0;
                put32(b + s.strh + kStrhStart,
                      quint32(std::max(0.0, std::floor(delay * s.rate / s.scale + kTimeSlack))));
            }
        }
        return head;
    }

    QString copyChunks(QFile& target, qint64 payload, const std::function<bool(int)>& progress,
                       bool* canceled)
    {
        QByteArray buffer(kCopyBlockSize, '\0');
        qint64 done = 0;
        QString error;
        walk([&](const Entry& e, double) {
            const qint64 at = qint64(kMovieListTypeOffset) + e.offset;
            char head[8];
            if (!readAt(at, head, 8) || std::memcmp(head, e.id, 4) || le32(head + 4) != e.length ||
                at + 8 + qint64(e.length) > m_source.size()) {
                error = ORXLocalizedString("clip.error.damaged");
                return false;
            }
            if (target.write(head, 8) != 8)
                return setWriteError(target, &error);
            for (qint64 copied = 0; copied < e.length;) {
                const qint64 n = std::min<qint64>(kCopyBlockSize, e.length - copied);
                if (!readAt(at + 8 + copied, buffer.data(), n)) {
                    error = ORXLocalizedString("clip.error.damaged");
                    return false;
                }
                if (target.write(buffer.constData(), n) != n)
                    return setWriteError(target, &error);
                copied += n;
            }
            if ((e.length % 2) && target.write("\0", 1) != 1)
                return setWriteError(target, &error);
            done += e.length;
            if (progress && !progress(payload > 0 ? int(done * 1000 / payload) : 1000)) {
                *canceled = true;
                return false;
            }
            return true;
        });
        return error;
    }

    QString writeIndex(QFile& target, qint64 entries)
    {
        QByteArray out;
        out.reserve(kIndexBlockSize + kIndexEntrySize);
        char head[8];
        std::memcpy(head, "idx1", 4);
        put32(head + 4, quint32(entries * kIndexEntrySize));
        out.append(head, 8);
        quint32 offset = kFirstChunkOffset - kMovieListTypeOffset;
        bool ok = true;
        walk([&](const Entry& e, double) {
            char raw[kIndexEntrySize];
            std::memcpy(raw, e.id, 4);
            put32(raw + 4, e.flags);
            put32(raw + 8, offset);
            put32(raw + 12, e.length);
            out.append(raw, kIndexEntrySize);
            offset += 8 + e.length + (e.length % 2);
            if (out.size() >= kIndexBlockSize) {
                ok = target.write(out) == out.size();
                out.clear();
            }
            return ok;
        });
        if (!ok || target.write(out) != out.size() || !target.flush())
            return writeError(target);
        return QString();
    }

    static QString writeError(const QFile& target)
    {
        return ORXLocalizedString("clip.error.write").arg(target.errorString());
    }

    static bool setWriteError(const QFile& target, QString* error)
    {
        *error = writeError(target);
        return false;
    }

    QFile& m_source;
    double m_from, m_to;
    bool m_endAtSourceEnd;
    Header m_header;
    qint64 m_indexStart = 0, m_indexEntries = 0;
    qint64 m_key = 0, m_last = 0; // first and last frame of the clip
    double m_end = 0;             // time where the last frame ends
    bool m_rangeFailed = false;
};
} // namespace

void ORXClipCutter::setRange(double from, double to)
{
    m_from = from;
    m_to = to;
}

bool ORXClipCutter::fail(const QString& error)
{
    m_error = error;
    qCWarning(lcClip, "error=%s", qPrintable(error));
    return false;
}

bool ORXClipCutter::reportProgress(int permille)
{
    if (!m_progress || permille == m_lastPermille)
        return true;
    m_lastPermille = permille;
    return m_progress(permille);
}

bool ORXClipCutter::cutFile(const QString& source, const QString& target)
{
    m_error.clear();
    m_warning.clear();
    m_canceled = false;
    m_lastPermille = -1;
    return cutOne(source, target, false, 0, 1);
}

// Cuts source to target as part `part` of `parts` (for the progress). A failure removes
// target; the source is opened read-only.
bool ORXClipCutter::cutOne(const QString& source, const QString& target, bool endAtSourceEnd, int part,
                           int parts)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(ORXLocalizedString("clip.error.unreadable").arg(in.errorString()));
    ORXAviClip clip(in, m_from, m_to, endAtSourceEnd);
    const QString opened = clip.open();
    m_rangeFailed = clip.rangeFailed();
    if (!opened.isEmpty())
        return fail(opened);
    QFile out(target);
    if (out.exists() || !out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return fail(ORXLocalizedString("clip.error.write").arg(out.errorString()));
    const auto progress = [this, part, parts](int permille) {
        return reportProgress((part * 1000 + permille) / parts);
    };
    const QString error = clip.write(out, progress, &m_canceled);
    out.close();
    if (!error.isEmpty() || m_canceled || out.error() != QFileDevice::NoError) {
        const QString why = error.isEmpty() && !m_canceled
                                ? ORXLocalizedString("clip.error.write").arg(out.errorString())
                                : error;
        out.remove();
        return m_canceled ? false : fail(why);
    }
    m_clipStart = clip.clipStart();
    m_clipDuration = clip.clipDuration();
    return true;
}
