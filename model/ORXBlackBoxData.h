#pragma once

#include "ORXAviGSensorData.h"
#include "ORXAviGpsData.h"
#include "ORXGSensor.h"
#include "ORXGpsData.h"
#include "ORXNMEASentenceParser.h"

#include <QList>
#include <QSet>
#include <QString>

#include <cstdint>

class QIODevice;

// The telemetry of one recording: the G-sensor samples and GPS records the camera stores in
// the AVI side stream "02sb", found through the file's idx1 index, and a snapshot of the
// parsed GPS fix after every NMEA sentence. Refilled for every recording; not thread-safe
// (one extraction at a time, read the lists only after it returned).
//
// What a file of S bytes can cost. The camera writes each record once and indexes it once,
// so an index entry pointing at a record already read is skipped: every record kept has an
// index entry of its own, at most S / 16 of them. The walk is O(S) time (one hash look-up
// per side-stream entry, at most 552 bytes read and split per GPS record). Memory:
//   - G-sensor samples: about 90 bytes each (sample, record, paired GPS record, the
//     position seen), at most S / 16 of them: under 6 * S;
//   - GPS records: at most kMaxGpsRecords, about 620 bytes each: under 31 MB;
//   - fixes: at most kMaxFixes, 104 bytes each: under 21 MB (more while the list grows).
// Reaching either cap ends the walk as a damaged file does: the telemetry read up to there
// is kept and errorString() says why the rest is missing.
class ORXBlackBoxData
{
public:
    // The camera writes one GPS record a second with a handful of NMEA sentences (five from
    // the combined GPS and GLONASS receiver), in clips of a few minutes: a five-minute clip
    // holds 300 records and 1,500 fixes. The caps leave a wide margin: 50,000 records are
    // almost 14 hours of recording, 200,000 fixes 11 hours at five sentences a second.
    static constexpr qsizetype kMaxGpsRecords = 50000;
    static constexpr qsizetype kMaxFixes = 200000;

    // One distinct GPS record, in index order, with the index in m_NMEAs of the last
    // snapshot its own sentences produced (-1 when they produced none).
    struct GpsRecord
    {
        ORXAviGpsData record;
        qsizetype lastFix = -1;
    };

    ORXBlackBoxData() = default;

    void clear();

    // Reads the telemetry of a recording. False (and empty lists) when the file cannot be
    // opened or is not a RIFF "AVI " file; damaged contents give whatever could be read.
    bool ExtractStreamInformation(const char* path);
    bool ExtractStreamInformation(const QString& path);
    // Reads from a random-access device (opened read-only here if it is not open yet).
    bool ExtractStreamInformation(QIODevice* device);
    // Empty when the last extraction read every record it found; otherwise, for the user,
    // why the telemetry ends early (more GPS data than a camera writes).
    QString errorString() const { return m_error; }

    // Splits NMEA text into sentences (ended by CR, LF or NUL; terminators are overwritten
    // with NUL) and feeds every "$G..." sentence to the parser, keeping a snapshot of the
    // fix after each, up to kMaxFixes snapshots (then errorString() is set and the rest of
    // the text is ignored). Text after the last terminator is ignored. False for no text.
    bool ParseNMEA(char* buffer, int32_t bufferSize);
    // Appends the sample of one 24-byte G-sensor record, converted to g.
    bool ParseGSensor(const void* record, int32_t bufferSize);

    const QList<ORXGpsData>& m_NMEAs() const { return m_nmeas; }
    const QList<ORXGSensor>& m_GSensors() const { return m_gsensors; }
    const QList<ORXAviGSensorData>& m_vGSensorData() const { return m_gsensorData; }
    const QList<ORXAviGpsData>& m_vGpsData() const { return m_gpsData; }
    const QList<GpsRecord>& gpsRecords() const { return m_gpsRecords; }
    // For each entry of m_vGpsData, the index in gpsRecords() of the record it holds.
    const QList<qsizetype>& gpsRecordIndexes() const { return m_gpsRecordIndexes; }
    ORXNMEASentenceParser& m_NMEAParser() { return m_parser; }
    const ORXNMEASentenceParser& m_NMEAParser() const { return m_parser; }

    // The pause after the file is closed (the player shows its loading indicator during
    // it): 1000 ms by default; command-line tools, tests and benchmarks set 0.
    void setWaitAfterRead(int milliseconds) { m_waitMs = milliseconds < 0 ? 0 : milliseconds; }
    int waitAfterRead() const { return m_waitMs; }
    // Whether the index position line goes to stderr (on by default).
    void setIndexTraceEnabled(bool enabled) { m_indexTrace = enabled; }

    // Gives every G-sensor sample the first GPS record whose time it reaches (in 100 ms
    // steps), see m_vGpsData. Called by the extraction; public for the player and tests.
    void pairGpsWithGSensor();

private:
    bool walkIndex(class ORXAviFileReader& reader, quint64 riffEnd);
    bool isFirstRead(qint64 recordPos, bool gps);
    void addGpsRecord(const char* bytes, qint64 size);
    void setLimitReached(const char* what, qsizetype limit);
    void addGSensorRecord(const char* bytes, qint64 size);

    ORXNMEASentenceParser m_parser;
    QList<ORXGpsData> m_nmeas;
    QList<ORXGSensor> m_gsensors;
    QList<ORXAviGSensorData> m_gsensorData;
    QList<ORXAviGpsData> m_gpsData;
    QList<GpsRecord> m_gpsRecords;
    QList<qsizetype> m_gpsRecordIndexes;
    QSet<qint64> m_readRecords; // position * 2 + 1 for a GPS record, for the current walk
    QString m_error;
    int m_waitMs = 1000;
    bool m_indexTrace = true;
};
