#pragma once

#include "ORXAviGSensorData.h"
#include "ORXAviGpsData.h"
#include "ORXGSensor.h"
#include "ORXGpsData.h"
#include "ORXNMEASentenceParser.h"

#include <QList>
#include <QString>

#include <cstdint>

class QIODevice;

// The telemetry of one recording: the G-sensor samples and GPS records the camera stores in
// the AVI side stream "02sb", found through the file's idx1 index, and a snapshot of the
// parsed GPS fix after every NMEA sentence. Refilled for every recording; not thread-safe
// (one extraction at a time, read the lists only after it returned).
class ORXBlackBoxData
{
public:
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

    // Splits NMEA text into sentences (ended by CR, LF or NUL; terminators are overwritten
    // with NUL) and feeds every "$G..." sentence to the parser, keeping a snapshot of the
    // fix after each. Text after the last terminator is ignored. False for no text.
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
    void addGpsRecord(const char* bytes, qint64 size);
    void addGSensorRecord(const char* bytes, qint64 size);

    ORXNMEASentenceParser m_parser;
    QList<ORXGpsData> m_nmeas;
    QList<ORXGSensor> m_gsensors;
    QList<ORXAviGSensorData> m_gsensorData;
    QList<ORXAviGpsData> m_gpsData;
    QList<GpsRecord> m_gpsRecords;
    QList<qsizetype> m_gpsRecordIndexes;
    int m_waitMs = 1000;
    bool m_indexTrace = true;
};
