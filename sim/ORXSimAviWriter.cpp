#include "ORXSimAviWriter.h"

#include "ORXAviRecords.h"
#include "ORXSimLog.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {
constexpr qint64 kMaxFileSize = 0xFFFFFFF0ll; // RIFF sizes and idx1 offsets are 32-bit

class LE
{
public:
    LE& u32(quint32 v)
    {
        char b[4];
        qToLittleEndian(v, b);
        bytes.append(b, 4);
        return *this;
    }
    LE& u16(quint16 v)
    {
        char b[2];
        qToLittleEndian(v, b);
        bytes.append(b, 2);
        return *this;
    }
    LE& cc(const char* fourcc)
    {
        bytes.append(fourcc, 4);
        return *this;
    }
    QByteArray bytes;
};

QByteArray chunk(const char* id, const QByteArray& data)
{
    LE out;
    out.cc(id).u32(quint32(data.size()));
    out.bytes += data;
    if (data.size() % 2)
        out.bytes += '\0';
    return out.bytes;
}

QByteArray list(const char* type, const QByteArray& data)
{
    LE out;
    out.cc("LIST").u32(quint32(data.size() + 4)).cc(type);
    return out.bytes + data;
}
} // namespace

ORXSimAviWriter::ORXSimAviWriter(const QString& path, Video video, bool audio, Audio audioFormat,
                                 bool sideStream)
    : m_path(path), m_video(video), m_audio(audio), m_audioFormat(audioFormat), m_side(sideStream)
{
}

ORXSimAviWriter::~ORXSimAviWriter() = default;

bool ORXSimAviWriter::fail(QString* error, const QString& why)
{
    qCWarning(ORXSimLog, "fopen fail:%s (%s)", qPrintable(m_path), qPrintable(why));
    if (error)
        *error = QStringLiteral("%1: %2").arg(m_path, why);
    if (m_file)
        m_file->cancelWriting();
    return false;
}

bool ORXSimAviWriter::open(QString* error)
{
    m_file = std::make_unique<QSaveFile>(m_path);
    if (!m_file->open(QIODevice::WriteOnly))
        return fail(error, m_file->errorString());
    // Headers are written last, once the totals are known; the chunks start at 14144.
    m_position = ORXAviLayout::kFirstChunkOffset;
    if (!m_file->seek(m_position))
        return fail(error, m_file->errorString());
    return true;
}

bool ORXSimAviWriter::addChunk(const char id[4], quint32 size, quint32 flags, qint64 indexKey)
{
    const qint64 padded = size + (size % 2);
    if (m_position + 8 + padded > kMaxFileSize - qint64(m_entries.size() + 1) * 16 - 8) {
        m_broken = true;
        m_brokenWhy = QStringLiteral("recording too large for one AVI file");
        return false;
    }
    Entry entry{indexKey, {}, flags, quint32(m_position - ORXAviLayout::kMovieListTypeOffset), size};
    std::memcpy(entry.id, id, 4);
    m_entries << entry;

    const quint32 stream = quint32(id[1] - '0');
    if (stream == 0) {
        ++m_videoFrames;
        m_maxVideo = std::max(m_maxVideo, size);
    } else if (m_audio && stream == 1) {
        m_audioBytes += size;
        m_maxAudio = std::max(m_maxAudio, size);
    } else {
        ++m_sideChunks;
        m_maxSide = std::max(m_maxSide, size);
    }
    return true;
}

bool ORXSimAviWriter::writeChunk(const char id[4], const QByteArray& data, quint32 flags, qint64 indexKey)
{
    if (m_broken || !m_file || !addChunk(id, quint32(data.size()), flags, indexKey))
        return false;
    LE head;
    head.cc(id).u32(quint32(data.size()));
    QByteArray bytes = head.bytes + data;
    if (data.size() % 2)
        bytes += '\0';
    if (m_file->write(bytes) != bytes.size()) {
        m_broken = true;
        m_brokenWhy = m_file->errorString();
        return false;
    }
    m_position += bytes.size();
    return true;
}

bool ORXSimAviWriter::writeHole(const char id[4], quint32 size, quint32 flags, qint64 indexKey)
{
    if (m_broken || !m_file || !addChunk(id, size, flags, indexKey))
        return false;
    LE head;
    head.cc(id).u32(size);
    if (m_file->write(head.bytes) != 8) {
        m_broken = true;
        m_brokenWhy = m_file->errorString();
        return false;
    }
    m_position += 8 + size + (size % 2);
    return m_file->seek(m_position);
}

QByteArray ORXSimAviWriter::streamList(int stream) const
{
    LE strh, strf;
    if (stream == 0) {
        strh.cc("vids").cc("MJPG").u32(0).u16(0).u16(0).u32(0);
        strh.u32(1).u32(quint32(m_video.fps)).u32(0).u32(m_videoFrames).u32(m_maxVideo);
        strh.u32(0xFFFFFFFF).u32(0).u16(0).u16(0).u16(quint16(m_video.width)).u16(quint16(m_video.height));
        // BITMAPINFOHEADER
        strf.u32(40).u32(quint32(m_video.width)).u32(quint32(m_video.height)).u16(1).u16(24).cc("MJPG");
        strf.u32(quint32(m_video.width * m_video.height * 3)).u32(0).u32(0).u32(0).u32(0);
    } else if (stream == 1) {
        const quint32 blockAlign = 2;
        strh.cc("auds").u32(0).u32(0).u16(0).u16(0).u32(0);
        strh.u32(blockAlign).u32(quint32(m_audioFormat.sampleRate) * blockAlign).u32(0);
        strh.u32(m_audioBytes / blockAlign).u32(m_maxAudio).u32(0xFFFFFFFF).u32(blockAlign);
        strh.u16(0).u16(0).u16(0).u16(0);
        // WAVEFORMAT with PCM: format 1, mono, rate, bytes per second, block align, 16 bits
        strf.u16(1)
            .u16(1)
            .u32(quint32(m_audioFormat.sampleRate))
            .u32(quint32(m_audioFormat.sampleRate) * blockAlign);
        strf.u16(quint16(blockAlign)).u16(16);
    } else {
        // The side stream: a data stream of one G-sensor or GPS record per chunk.
        // Its rate is set so that its length spans the recording like the video's does.
        const quint32 scale = std::max<quint32>(1, m_videoFrames);
        const quint32 rate = std::max<quint32>(1, m_sideChunks) * quint32(std::max(1, m_video.fps));
        strh.cc("dats").u32(0).u32(0).u16(0).u16(0).u32(0);
        strh.u32(scale).u32(rate).u32(0).u32(m_sideChunks).u32(m_maxSide);
        strh.u32(0xFFFFFFFF).u32(0).u16(0).u16(0).u16(0).u16(0);
    }
    QByteArray content = chunk("strh", strh.bytes);
    if (!strf.bytes.isEmpty())
        content += chunk("strf", strf.bytes);
    return list("strl", content);
}

QByteArray ORXSimAviWriter::headerList() const
{
    const int streams = 1 + (m_audio ? 1 : 0) + (m_side ? 1 : 0);
    const quint32 maxChunk = std::max({m_maxVideo, m_maxAudio, m_maxSide});
    LE avih;
    avih.u32(quint32(1000000 / std::max(1, m_video.fps)));                           // microseconds per frame
    avih.u32(quint32(std::min<qint64>(0xFFFFFFFF, qint64(maxChunk) * m_video.fps))); // max bytes per second
    avih.u32(0);                                                                     // padding granularity
    avih.u32(0x10 | 0x100); // AVIF_HASINDEX | AVIF_ISINTERLEAVED
    avih.u32(m_videoFrames).u32(0).u32(quint32(streams)).u32(maxChunk + 8);
    avih.u32(quint32(m_video.width)).u32(quint32(m_video.height)).u32(0).u32(0).u32(0).u32(0);
    QByteArray content = chunk("avih", avih.bytes);
    for (int stream = 0; stream < 3; ++stream) {
        if ((stream == 1 && !m_audio) || (stream == 2 && !m_side))
            continue;
        content += streamList(stream);
    }
    return list("hdrl", content);
}

bool ORXSimAviWriter::finish(bool notRiff, QString* error)
{
    if (!m_file)
        return fail(error, QStringLiteral("not open"));
    if (m_broken)
        return fail(error, m_brokenWhy);

    const qint64 movieEnd = m_position;
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const Entry& a, const Entry& b) { return a.key < b.key; });
    LE index;
    index.cc("idx1").u32(quint32(m_entries.size() * ORXAviLayout::kIndexEntrySize));
    for (const Entry& entry : m_entries)
        index.cc(entry.id).u32(entry.flags).u32(entry.offset).u32(entry.length);
    if (!m_file->seek(movieEnd) || m_file->write(index.bytes) != index.bytes.size())
        return fail(error, m_file->errorString());
    const qint64 fileEnd = movieEnd + index.bytes.size();

    // RIFF header, header list, JUNK up to the movie list, and the movie list's head.
    LE head;
    head.cc(notRiff ? "RIFX" : "RIFF").u32(quint32(fileEnd - 8)).cc("AVI ");
    head.bytes += headerList();
    const qint64 junk = qint64(ORXAviLayout::kMovieListSizeOffset) - 4 - head.bytes.size() - 8;
    if (junk < 0)
        return fail(error, QStringLiteral("AVI headers too large"));
    head.cc("JUNK").u32(quint32(junk));
    head.bytes += QByteArray(junk, '\0');
    head.cc("LIST").u32(quint32(movieEnd - ORXAviLayout::kMovieListTypeOffset)).cc("movi");
    Q_ASSERT(head.bytes.size() == qsizetype(ORXAviLayout::kFirstChunkOffset));
    if (!m_file->seek(0) || m_file->write(head.bytes) != head.bytes.size())
        return fail(error, m_file->errorString());
    if (!m_file->commit()) {
        const QString why = m_file->errorString();
        m_file.reset();
        return fail(error, why);
    }
    m_file.reset();
    return true;
}
