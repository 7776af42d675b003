#include "ORXSimNmea.h"

#include <cmath>
#include <cstdio>

namespace ORXSimNmea {
namespace {
constexpr double kKnotsPerKmh = 1 / 1.852;

// Degrees to NMEA form, rounded to 1/10000 of a minute in whole numbers so that the text
// never shows 60 minutes.
Coordinate coordinate(double degrees, int degreeDigits, char positive, char negative)
{
    Coordinate result;
    result.letter = degrees < 0 ? negative : positive;
    const long long tenThousandths = std::llround(std::fabs(degrees) * 60 * 10000);
    const long long whole = tenThousandths / 600000;
    const long long rest = tenThousandths % 600000;
    char text[32];
    std::snprintf(text, sizeof text, "%0*lld%02lld.%04lld", degreeDigits, whole, rest / 10000, rest % 10000);
    result.text = text;
    result.value = double(whole) * 100 + double(rest) / 10000;
    return result;
}

QByteArray format(const char* pattern, auto... values)
{
    char text[128];
    const int n = std::snprintf(text, sizeof text, pattern, values...);
    return QByteArray(text, std::min<int>(n, int(sizeof text) - 1));
}

// "hhmmss.sss"
QByteArray timeField(const ORXSimFix& fix)
{
    const QTime time = fix.utc.toUTC().time();
    return format("%02d%02d%02d.%03d", time.hour(), time.minute(), time.second(), time.msec());
}

QByteArray position(const ORXSimFix& fix)
{
    const Coordinate lat = latitude(fix.latitude);
    const Coordinate lon = longitude(fix.longitude);
    return lat.text + ',' + lat.letter + ',' + lon.text + ',' + lon.letter;
}
} // namespace

Coordinate latitude(double degrees)
{
    return coordinate(degrees, 2, 'N', 'S');
}

Coordinate longitude(double degrees)
{
    return coordinate(degrees, 3, 'E', 'W');
}

QByteArray checksum(const QByteArray& body)
{
    unsigned char sum = 0;
    for (char c : body)
        sum ^= static_cast<unsigned char>(c);
    return format("%02X", unsigned(sum));
}

QByteArray sentence(const QByteArray& body)
{
    return '$' + body + '*' + checksum(body) + "\r\n";
}

QByteArray rmc(const QByteArray& talker, const ORXSimFix& fix)
{
    const QDate date = fix.utc.toUTC().date();
    const QByteArray body = talker + "RMC," + timeField(fix) + ",A," + position(fix) + ',' +
                            format("%.2f,%.2f,", fix.speedKmh * kKnotsPerKmh, fix.courseDeg) +
                            format("%02d%02d%02d", date.day(), date.month(), date.year() % 100) + ",,,A";
    return sentence(body);
}

QByteArray gga(const QByteArray& talker, const ORXSimFix& fix, const Solution& solution)
{
    const int used = int(std::min<qsizetype>(12, solution.gps.size() + solution.glonass.size()));
    const QByteArray body = talker + "GGA," + timeField(fix) + ',' + position(fix) +
                            format(",1,%02d,%.1f,%.1f,M,18.5,M,,", used, solution.hdop, solution.altitude);
    return sentence(body);
}

QByteArray gsa(const QByteArray& talker, const QVector<int>& satellites, const Solution& solution)
{
    QByteArray body = talker + "GSA,A,3";
    for (int slot = 0; slot < 12; ++slot) {
        body += ',';
        if (slot < satellites.size())
            body += format("%02d", satellites[slot]);
    }
    body += format(",%.1f,%.1f,%.1f", solution.pdop, solution.hdop, solution.vdop);
    return sentence(body);
}

QByteArray gns(const ORXSimFix& fix, const Solution& solution)
{
    const int used = int(solution.gps.size() + solution.glonass.size());
    const QByteArray body = "GNGNS," + timeField(fix) + ',' + position(fix) +
                            format(",AA,%02d,%.1f,%.1f,18.5,,", used, solution.hdop, solution.altitude);
    return sentence(body);
}

QByteArray fixText(const ORXSimFix& fix, const Solution& solution, bool glonass)
{
    if (!glonass)
        return rmc("GP", fix) + gga("GP", fix, solution) + gsa("GP", solution.gps, solution);
    return rmc("GN", fix) + gga("GN", fix, solution) + gsa("GN", solution.gps, solution) +
           gsa("GN", solution.glonass, solution) + gns(fix, solution);
}

} // namespace ORXSimNmea
