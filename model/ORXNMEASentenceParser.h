#pragma once

#include "ORXGpsData.h"

#include <QByteArrayView>
#include <QStringList>

// Converts coordinates in NMEA form (degrees * 100 + minutes) to decimal degrees. Either
// output may be null. No hemisphere is applied: a negative value keeps its sign.
void nmeaToDegrees(double latitude, double longitude, double* latitudeDegrees, double* longitudeDegrees);
double nmeaToDegrees(double value);

// Parses NMEA 0183 sentences one at a time into a running fix. Understands RMC and GGA
// (GP and GN talkers), GNGSA and GNGNS; everything else leaves the fix alone. Checksums
// are not verified, only required to be present.
class ORXNMEASentenceParser
{
public:
    ORXNMEASentenceParser() = default;

    void clear();

    // One sentence without its line ending. True when it was recognised and applied.
    bool parse(const char* sentence);
    bool parse(QByteArrayView sentence);

    // The running fix: the same object for the parser's whole life.
    ORXGpsData& m_Current() { return m_fix; }
    const ORXGpsData& m_Current() const { return m_fix; }

    // Handlers, given the sentence split at commas (field 0 is the id). Missing trailing
    // fields count as empty. They always return true.
    bool parseGPRMC(const QStringList& fields);
    bool parseGPGGA(const QStringList& fields);
    bool parseGNGSA(const QStringList& fields);
    bool parseGNGNS(const QStringList& fields);

private:
    ORXGpsData m_fix;
};
