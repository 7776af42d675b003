// Fuzzes the AVI telemetry reader and the telemetry export.
//
// The camera's movie list starts at a fixed offset (14136), far beyond what a fuzzer
// mutates comfortably, so the input is laid out compactly: its first 12 bytes are the
// RIFF header, the rest is placed at the movie list's size field, and the gap between is
// zero. Every chunk offset, index entry and length still comes from the input, and the
// reader sees a whole file in memory (QBuffer).
//
// When the corpus folder given on the command line is empty, a few valid recordings in
// this compact form are written into it first. The reader must keep no more records than the
// input has index entries, whatever the index repeats.
#include "ORXAviRecords.h"
#include "ORXBlackBoxData.h"
#include "ORXTelemetryExport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {
QByteArray expand(const uint8_t* data, size_t size)
{
    const qsizetype head = qMin<qsizetype>(qsizetype(size), 12);
    QByteArray file(reinterpret_cast<const char*>(data), head);
    if (qsizetype(size) > head) {
        file.resize(ORXAviLayout::kMovieListSizeOffset, '\0');
        file.append(reinterpret_cast<const char*>(data) + head, qsizetype(size) - head);
    }
    return file;
}

void appendLe(QByteArray& bytes, quint32 value)
{
    bytes.append(reinterpret_cast<const char*>(&value), 4);
}

// A compact recording: header, movie list with the given records, idx1.
QByteArray seed(int gsensorCount, int gpsCount, bool glonass)
{
    QByteArray movi = "movi";
    QByteArray index;
    auto add = [&](const QByteArray& id, const QByteArray& data) {
        appendLe(index.append(id).append("\x10\0\0\0", 4), quint32(movi.size()));
        appendLe(index, quint32(data.size()));
        appendLe(movi.append(id), quint32(data.size()));
        movi.append(data);
    };
    for (int i = 0; i < gsensorCount + gpsCount; ++i) {
        if (i % 3 == 0 && i / 3 < gpsCount) {
            _AVI_GPS_DATA_T gps{};
            gps.header = ORXAviLayout::kGpsRecordMark;
            gps.nTimestamp = quint32(i * 100);
            gps.fLatitude = 3745.1234;
            gps.fLongitude = 12701.5678;
            gps.KM = '9';
            const QByteArray text =
                glonass
                    ? QByteArray("$GNRMC,134501.000,A,,,,,1.5,20.0,050123,,,A*7D\r\n"
                                 "$GNGGA,134501.000,3745.1234,N,12701.5678,E,1,09,1.2,38.0,M,,M,,*78\r\n"
                                 "$GNGSA,A,3,01,07,08,,,,,,,,,,2.1,1.2,1.7*25\r\n"
                                 "$GNGSA,A,3,67,68,,,,,,,,,,,2.1,1.2,1.7*22\r\n"
                                 "$GNGNS,134501.000,,,,,AA,09,1.2*52\r\n")
                    : QByteArray("$GPRMC,134501.000,A,,,,,1.5,20.0,050123,,,A*7D\r\n"
                                 "$GPGGA,134501.000,3745.1234,S,12701.5678,W,1,09,1.2,38.0,M,,M,,*78\r\n");
            gps.nLen = quint32(text.size());
            std::memcpy(gps.RawData, text.constData(), size_t(text.size()));
            add("02sb", QByteArray(reinterpret_cast<const char*>(&gps), sizeof gps));
        } else {
            _AVI_GSENSOR_DATA_T g{ORXAviLayout::kGSensorRecordMark, quint32(i * 100), i, -i, 256, 0};
            add("00dc", QByteArray(8, 'v'));
            add("02sb", QByteArray(reinterpret_cast<const char*>(&g), sizeof g));
        }
    }
    QByteArray compact = "RIFF";
    appendLe(compact, 0);
    compact += "AVI ";
    appendLe(compact, quint32(movi.size()));
    compact += movi;
    compact += "idx1";
    appendLe(compact, quint32(index.size()));
    compact += index;
    const quint32 riffSize = quint32(compact.size() - 12 + ORXAviLayout::kMovieListSizeOffset - 4);
    std::memcpy(compact.data() + 4, &riffSize, 4);
    return compact;
}

void writeSeeds(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-')
            continue;
        QDir dir(QString::fromLocal8Bit(argv[i]));
        if (!dir.exists() || !dir.isEmpty())
            return;
        const QByteArray seeds[] = {seed(6, 2, false), seed(9, 3, true), seed(2, 0, false)};
        for (int s = 0; s < 3; ++s) {
            QFile file(dir.filePath(QStringLiteral("seed-%1").arg(s)));
            if (file.open(QIODevice::WriteOnly))
                file.write(seeds[s]);
        }
        return;
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    QLoggingCategory::setFilterRules(QStringLiteral("orvex.*=false"));
    writeSeeds(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QBuffer buffer;
    buffer.setData(expand(data, size));
    ORXBlackBoxData box;
    box.setWaitAfterRead(0);
    box.setIndexTraceEnabled(false);
    const bool ok = box.ExtractStreamInformation(&buffer);
    if (!ok && (!box.m_GSensors().isEmpty() || !box.m_NMEAs().isEmpty() || !box.gpsRecords().isEmpty()))
        __builtin_trap(); // a failed read leaves no telemetry
    if (box.m_vGpsData().size() > box.m_GSensors().size() ||
        box.m_vGSensorData().size() != box.m_GSensors().size())
        __builtin_trap();
    // Every record kept has an index entry of its own (repeats are skipped), and the caps hold.
    const qsizetype entries = qsizetype(size) / 16 + 1;
    if (box.m_GSensors().size() + box.gpsRecords().size() > entries ||
        box.gpsRecords().size() > ORXBlackBoxData::kMaxGpsRecords ||
        box.m_NMEAs().size() > ORXBlackBoxData::kMaxFixes)
        __builtin_trap();
    const bool capped = box.gpsRecords().size() == ORXBlackBoxData::kMaxGpsRecords ||
                        box.m_NMEAs().size() == ORXBlackBoxData::kMaxFixes;
    if (!box.errorString().isEmpty() && !capped)
        __builtin_trap(); // the message is for a reached cap only
    ORXTelemetryExport::toCsv(box);
    ORXTelemetryExport::toGpx(box);
    ORXTelemetryExport::toJson(box);
    return 0;
}
