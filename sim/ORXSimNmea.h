#pragma once

#include "ORXSimRoute.h"

#include <QByteArray>
#include <QVector>

// NMEA 0183 sentences as the camera's GPS receiver sends them.
namespace ORXSimNmea {

// A coordinate in NMEA form: "ddmm.mmmm" (latitude) or "dddmm.mmmm" (longitude), its
// hemisphere letter, and the same magnitude as a number (degrees * 100 + minutes).
struct Coordinate
{
    QByteArray text;
    char letter = 'N';
    double value = 0;
};
Coordinate latitude(double degrees);
Coordinate longitude(double degrees);

// The receiver's solution at one fix: satellites in use and the dilutions of precision.
struct Solution
{
    QVector<int> gps;     // GPS satellite numbers 1..32
    QVector<int> glonass; // GLONASS satellite numbers 65..96 (empty on a GPS-only receiver)
    double pdop = 1.8, hdop = 1.0, vdop = 1.5;
    double altitude = 35.0; // metres above mean sea level
};

// Two hex digits: the XOR of every byte between "$" and "*".
QByteArray checksum(const QByteArray& body);
// "$" body "*" checksum CR LF.
QByteArray sentence(const QByteArray& body);

QByteArray rmc(const QByteArray& talker, const ORXSimFix& fix);
QByteArray gga(const QByteArray& talker, const ORXSimFix& fix, const Solution& solution);
QByteArray gsa(const QByteArray& talker, const QVector<int>& satellites, const Solution& solution);
QByteArray gns(const ORXSimFix& fix, const Solution& solution);

// The text of one GPS record: RMC, GGA and GSA of a GPS-only receiver ("$GP"), or RMC, GGA,
// a GSA pair (GPS list, then GLONASS list) and GNS of a GPS+GLONASS receiver ("$GN").
QByteArray fixText(const ORXSimFix& fix, const Solution& solution, bool glonass);

} // namespace ORXSimNmea
