#include "ORXBlackBoxData.h"

#include "ORXLocalizedString.h"

#include <QFile>
#include <QLoggingCategory>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {
Q_LOGGING_CATEGORY(lcBlackBox, "orvex.model")

constexpr qint64 kIndexBlockSize = 4 * 1024 * 1024; // a multiple of the 16-byte entry
constexpr qint64 kChunkSizeField = 4;
constexpr qint64 kRawDataLimit = sizeof(_AVI_GPS_DATA_T::RawData);

quint32 le32(const char* bytes)
{
    quint32 value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}
} // namespace

// Positioned reads from the recording. A file with a descriptor is read with pread (one
// system call per record, no read-ahead of video data); other devices seek and read.
class ORXAviFileReader
{
public:
    explicit ORXAviFileReader(QIODevice* device) : m_device(device)
    {
        if (auto* file = qobject_cast<QFile*>(device))
            m_fd = file->handle();
        m_size = device->size();
    }

    qint64 size() const { return m_size; }

    // Reads up to len bytes at pos; returns the count read (0 at or past the end).
    qint64 readAt(qint64 pos, char* buffer, qint64 len)
    {
        if (pos < 0 || len <= 0 || pos >= m_size)
            return 0;
        len = std::min(len, m_size - pos);
        return m_fd >= 0 ? preadAll(pos, buffer, len) : seekAndRead(pos, buffer, len);
    }

    // The index is read in large blocks: entry() gives the 16 bytes at pos, or fewer
    // (count in *available) where the file or the given limit ends.
    const char* entry(qint64 pos, qint64 limit, qint64* available)
    {
        if (pos < m_blockStart || pos + ORXAviLayout::kIndexEntrySize > m_blockStart + m_block.size()) {
            const qint64 want = std::clamp<qint64>(limit - pos, 0, kIndexBlockSize);
            m_block.resize(want);
            m_block.resize(readAt(pos, m_block.data(), want));
            m_blockStart = pos;
        }
        *available =
            std::clamp<qint64>(m_blockStart + m_block.size() - pos, 0, ORXAviLayout::kIndexEntrySize);
        return m_block.constData() + (pos - m_blockStart);
    }

private:
    qint64 preadAll(qint64 pos, char* buffer, qint64 len)
    {
        qint64 done = 0;
        while (done < len) {
            const ssize_t n =
                ::pread(m_fd, buffer + done, static_cast<size_t>(len - done), static_cast<off_t>(pos + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += n;
        }
        return done;
    }

    qint64 seekAndRead(qint64 pos, char* buffer, qint64 len)
    {
        if (!m_device->seek(pos))
            return 0;
        qint64 done = 0;
        while (done < len) {
            const qint64 n = m_device->read(buffer + done, len - done);
            if (n <= 0)
                break;
            done += n;
        }
        return done;
    }

    QIODevice* m_device;
    int m_fd = -1;
    qint64 m_size = 0;
    QByteArray m_block;
    qint64 m_blockStart = 0;
};

void ORXBlackBoxData::clear()
{
    m_parser.clear();
    m_nmeas.clear();
    m_gsensors.clear();
    m_gsensorData.clear();
    m_gpsData.clear();
    m_gpsRecords.clear();
    m_gpsRecordIndexes.clear();
    m_readRecords.clear();
    m_error.clear();
}

bool ORXBlackBoxData::ExtractStreamInformation(const char* path)
{
    if (!path) {
        qCInfo(lcBlackBox, "#############################   START");
        clear();
        return false;
    }
    return ExtractStreamInformation(QString::fromUtf8(path));
}

bool ORXBlackBoxData::ExtractStreamInformation(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        qCInfo(lcBlackBox, "#############################   START");
        clear();
        return false;
    }
    return ExtractStreamInformation(&file);
}

bool ORXBlackBoxData::ExtractStreamInformation(QIODevice* device)
{
    qCInfo(lcBlackBox, "#############################   START");
    clear();
    if (!device)
        return false;
    const bool openedHere = !device->isOpen();
    if (openedHere && !device->open(QIODevice::ReadOnly))
        return false;
    if (!device->isReadable() || device->isSequential()) {
        if (openedHere)
            device->close();
        return false;
    }

    ORXAviFileReader reader(device);
    char head[12];
    const bool riff = reader.readAt(0, head, sizeof head) == sizeof head &&
                      std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "AVI ", 4) == 0;
    bool walked = false;
    if (riff)
        walked = walkIndex(reader, quint64(le32(head + 4)) + 8);
    m_readRecords = {}; // only needed during the walk
    if (openedHere)
        device->close();
    if (!walked)
        return false;

    if (m_waitMs > 0)
        QThread::msleep(static_cast<unsigned long>(m_waitMs));
    if (!m_gpsRecords.isEmpty())
        pairGpsWithGSensor();
    qCInfo(lcBlackBox, "#############################  FINISH");
    return true;
}

// Walks idx1 entry by entry and reads each "02sb" record at its position, in index order.
// Positions are computed in 64 bits, so huge offsets and sizes point past the end of the
// file (and read nothing) instead of wrapping around to its start. An entry pointing at a
// record already read is skipped; the walk ends early once a cap is reached.
bool ORXBlackBoxData::walkIndex(ORXAviFileReader& reader, quint64 riffEnd)
{
    using namespace ORXAviLayout;
    char sizeField[4] = {};
    reader.readAt(kMovieListSizeOffset, sizeField, sizeof sizeField);
    const quint32 movieSize = le32(sizeField);
    const qint64 indexStart = qint64(movieSize) + kIndexAfterMovieSize;
    if (m_indexTrace)
        std::fprintf(stderr, "Listmovsize=0x%x IdxAddr=0x%llx\n", movieSize,
                     static_cast<unsigned long long>(indexStart));

    const qint64 fileLength = reader.size();
    // The index is not read past the RIFF end (but the entry that starts there is whole).
    const qint64 indexLimit =
        std::min<qint64>(fileLength, std::max<qint64>(qint64(riffEnd), indexStart) + kIndexEntrySize);
    qint64 pos = indexStart;
    qint64 lastRead = 0;
    char record[sizeof(_AVI_GPS_DATA_T)];
    do {
        qint64 available = 0;
        const char* entry = reader.entry(pos, indexLimit, &available);
        const qint64 idRead = std::min<qint64>(available, 4);
        const bool sideStream = idRead == 4 && std::memcmp(entry, "02sb", 4) == 0;
        pos += idRead + 12;
        if (!sideStream) {
            lastRead = idRead;
            continue;
        }
        if (available < kIndexEntrySize) // an "02sb" entry cut off by the end of the file
            break;
        const quint32 chunkOffset = le32(entry + 8);
        const quint32 chunkLength = le32(entry + 12);
        const qint64 recordPos = qint64(chunkOffset) + kFirstChunkOffset + kChunkSizeField;
        const bool gps = chunkLength > kGSensorChunkMax;
        const qint64 size = gps ? qint64(sizeof(_AVI_GPS_DATA_T)) : qint64(sizeof(_AVI_GSENSOR_DATA_T));
        if (!isFirstRead(recordPos, gps))
            continue; // read before, and not empty (an empty read ended the walk)
        if (gps && m_gpsRecords.size() >= kMaxGpsRecords) {
            setLimitReached("GPS records", kMaxGpsRecords);
            break;
        }
        lastRead = reader.readAt(recordPos, record, size);
        if (gps)
            addGpsRecord(record, lastRead);
        else
            addGSensorRecord(record, lastRead);
    } while (quint64(pos) <= riffEnd && lastRead != 0 && pos < fileLength && m_error.isEmpty());
    return true;
}

bool ORXBlackBoxData::isFirstRead(qint64 recordPos, bool gps)
{
    const qsizetype before = m_readRecords.size();
    m_readRecords.insert(recordPos * 2 + (gps ? 1 : 0));
    return m_readRecords.size() > before;
}

void ORXBlackBoxData::setLimitReached(const char* what, qsizetype limit)
{
    if (!m_error.isEmpty())
        return;
    qCWarning(lcBlackBox, "more %s than a camera writes: telemetry ends after %lld", what,
              static_cast<long long>(limit));
    m_error = ORXLocalizedString("telemetry.error.too_much");
}

void ORXBlackBoxData::addGpsRecord(const char* bytes, qint64 size)
{
    _AVI_GPS_DATA_T data{};
    std::memcpy(&data, bytes, static_cast<size_t>(size));
    // The text is split in a copy: the kept record holds the bytes as the file has them.
    char text[kRawDataLimit];
    std::memcpy(text, data.RawData, sizeof text);
    const qsizetype before = m_nmeas.size();
    ParseNMEA(text, static_cast<int32_t>(std::min<quint32>(data.nLen, kRawDataLimit)));
    m_gpsRecords.append({ORXAviGpsData(data), m_nmeas.size() > before ? m_nmeas.size() - 1 : -1});
}

void ORXBlackBoxData::addGSensorRecord(const char* bytes, qint64 size)
{
    _AVI_GSENSOR_DATA_T data{};
    std::memcpy(&data, bytes, static_cast<size_t>(size));
    m_gsensorData.append(ORXAviGSensorData(data));
    ParseGSensor(&data, sizeof data);
}

bool ORXBlackBoxData::ParseNMEA(char* buffer, int32_t bufferSize)
{
    if (!buffer || bufferSize <= 0)
        return false;
    char* sentence = buffer;
    for (int32_t i = 0; i < bufferSize; ++i) {
        char& c = buffer[i];
        if (c == '$') {
            sentence = &c;
        } else if (c == '\r' || c == '\n' || c == '\0') {
            c = '\0';
            if (sentence[0] == '$' && sentence[1] == 'G') {
                if (m_nmeas.size() >= kMaxFixes) {
                    setLimitReached("fixes", kMaxFixes);
                    break;
                }
                m_parser.parse(QByteArrayView(sentence, &c - sentence));
                m_nmeas.append(m_parser.m_Current().duplicate());
            }
            sentence = &c + 1;
        }
    }
    return true;
}

bool ORXBlackBoxData::ParseGSensor(const void* record, int32_t bufferSize)
{
    if (!record || bufferSize < int32_t(sizeof(_AVI_GSENSOR_DATA_T)))
        return false;
    _AVI_GSENSOR_DATA_T data;
    std::memcpy(&data, record, sizeof data);
    constexpr float kGPerUnit = 0.00390625f; // 256 raw units per g
    m_gsensors.append(ORXGSensor(float(data.xAxis) * kGPerUnit, float(data.yAxis) * kGPerUnit,
                                 float(data.zAxis) * kGPerUnit));
    return true;
}

void ORXBlackBoxData::pairGpsWithGSensor()
{
    m_gpsData.clear();
    m_gpsRecordIndexes.clear();
    qsizetype sample = 0;
    const qsizetype samples = m_gsensorData.size();
    for (qsizetype record = 0; record < m_gpsRecords.size() && sample < samples; ++record) {
        const ORXAviGpsData& gps = m_gpsRecords.at(record).record;
        const quint32 gpsStep = gps.data().nTimestamp / 100;
        while (sample < samples) {
            m_gpsData.append(gps);
            m_gpsRecordIndexes.append(record);
            const bool reached = m_gsensorData.at(sample).data().timestamp / 100 >= gpsStep;
            ++sample;
            if (reached)
                break;
        }
    }
}
