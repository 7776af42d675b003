#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class ORXBlackBoxData;
class ORXGpsData;

// Writes the telemetry of one recording as JSON, CSV, GPX 1.1 or a short text summary,
// for the command line and the player's export menu.
class ORXTelemetryExport
{
public:
    // Where a GPS record lies in signed decimal degrees: its magnitudes from the record,
    // signed by the hemisphere letters of the last fix its own sentences produced (or,
    // when they produced none, the last fix before it; north and east when there is none).
    struct Position
    {
        double latitude = 0;
        double longitude = 0;
        const ORXGpsData* fix = nullptr; // the fix that gave the letters, if any
        bool usable = false;             // false at 0, 0 and for coordinates that are no position
    };
    static QList<Position> recordPositions(const ORXBlackBoxData& box);

    // One object with the arrays m_GSensors, m_vGSensorData, m_vGpsData and m_NMEAs.
    static QByteArray toJson(const ORXBlackBoxData& box);
    // The same text, handed to write() in pieces of some 64 KB (for large recordings).
    static void writeJson(const ORXBlackBoxData& box, const std::function<void(const QByteArray&)>& write);
    // One row per G-sensor sample, with the paired GPS record's position and speed.
    static QByteArray toCsv(const ORXBlackBoxData& box);
    // One track point per usable GPS record, in index order.
    static QByteArray toGpx(const ORXBlackBoxData& box, const QString& trackName = QString());
    // Counts and the first and last position, for people.
    static QByteArray toSummary(const ORXBlackBoxData& box);
};
