#include "ORXSimTelemetry.h"

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
constexpr double kRawPerG = 256.0;
constexpr double kGravity = 9.80665;
constexpr quint32 kUptimeAtRouteStartMs = 4200; // the camera boots a few seconds before the drive
constexpr double kKmhPerMph = 1.609344;
constexpr long long kBumpPeriodTenths = 230; // 23 s between potholes
constexpr int kSatelliteEpoch = 20;          // the set of satellites in use changes this often (s)

quint64 mix(quint64 z)
{
    z += 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// count distinct satellite numbers from first..last, sorted, picked by key.
QVector<int> pickSatellites(quint64 key, int count, int first, int last)
{
    QVector<int> pool;
    for (int n = first; n <= last; ++n)
        pool << n;
    for (int i = 0; i < count && i < pool.size(); ++i) {
        key = mix(key);
        const int j = i + int(key % quint64(pool.size() - i));
        std::swap(pool[i], pool[j]);
    }
    pool.resize(std::min<qsizetype>(count, pool.size()));
    std::sort(pool.begin(), pool.end());
    return pool;
}
} // namespace

ORXSimTelemetry::ORXSimTelemetry(const ORXSimRecordingOptions& options) : m_options(options) {}

double ORXSimTelemetry::noise(quint64 key) const
{
    const quint64 z = mix(key ^ (quint64(m_options.route.seed()) << 40));
    return double(z >> 11) / double(1ull << 52) - 1.0;
}

quint32 ORXSimTelemetry::clockMs(double secondsIntoRecording) const
{
    const double routeSeconds = std::max(0.0, m_options.routeOffsetSeconds + secondsIntoRecording);
    return kUptimeAtRouteStartMs + quint32(std::llround(routeSeconds * 1000));
}

ORXSimNmea::Solution ORXSimTelemetry::solutionAt(double secondsIntoRecording) const
{
    const double routeSeconds = m_options.routeOffsetSeconds + secondsIntoRecording;
    const quint64 epoch = quint64(std::max(0.0, std::floor(routeSeconds / kSatelliteEpoch)));
    const quint64 key = mix(epoch * 7919 + m_options.route.seed());
    ORXSimNmea::Solution solution;
    solution.gps = pickSatellites(key, 6 + int(key % 5), 1, 32);
    if (m_options.receiver == ORXSimRecordingOptions::GpsGlonass)
        solution.glonass = pickSatellites(mix(key), 3 + int((key >> 8) % 4), 65, 88);
    const int used = int(solution.gps.size() + solution.glonass.size());
    solution.hdop = std::round((0.6 + 6.0 / used + 0.1 * noise(epoch)) * 10) / 10;
    solution.vdop = std::round(solution.hdop * 14) / 10;
    solution.pdop = std::round(std::hypot(solution.hdop, solution.vdop) * 10) / 10;
    solution.altitude = 38.0 + 6 * std::sin(routeSeconds / 90);
    return solution;
}

_AVI_GSENSOR_DATA_T ORXSimTelemetry::gsensorAt(int index) const
{
    const double t = double(index) / m_options.gsensorPerSecond;
    const double routeT = m_options.routeOffsetSeconds + t;
    const ORXSimRoute& route = m_options.route;
    // Longitudinal acceleration from the change of speed, lateral from the turn rate.
    const ORXSimFix before = route.fixAt(routeT - 0.05);
    const ORXSimFix after = route.fixAt(routeT + 0.05);
    const double accel = (after.speedKmh - before.speedKmh) / 3.6 / 0.1;
    double turn = after.courseDeg - before.courseDeg;
    turn = std::remainder(turn, 360.0);
    const double lateral = (after.speedKmh + before.speedKmh) / 2 / 3.6 * qDegreesToRadians(turn) / 0.1;

    const quint64 key = quint64(std::llround(routeT * 1000));
    const double road = std::clamp(route.fixAt(routeT).speedKmh / 60.0, 0.05, 1.5); // rougher when faster
    double z = kRawPerG + 5 * road * noise(key * 3);
    // A pothole now and then: a sharp jolt up, then down.
    const long long tenths = std::llround(routeT * 10) + route.seed() % 170;
    if (route.fixAt(routeT).speedKmh > 5 && tenths >= 0) {
        if (tenths % kBumpPeriodTenths == 0)
            z += 200;
        else if (tenths % kBumpPeriodTenths == 1)
            z -= 140;
    }

    _AVI_GSENSOR_DATA_T record{};
    record.header = ORXAviLayout::kGSensorRecordMark;
    record.timestamp = clockMs(t);
    record.xAxis = int32_t(std::lround(lateral / kGravity * kRawPerG + 3 * road * noise(key * 3 + 1)));
    record.yAxis = int32_t(std::lround(accel / kGravity * kRawPerG + 3 * road * noise(key * 3 + 2)));
    record.zAxis = int32_t(std::lround(z));
    record.nTemprature = int32_t(std::min(45.0, 31 + routeT / 600));
    return record;
}

_AVI_GPS_DATA_T ORXSimTelemetry::gpsAt(int second, double distanceMetres) const
{
    const ORXSimFix fix = m_options.route.fixAt(m_options.routeOffsetSeconds + second);
    const bool glonass = m_options.receiver == ORXSimRecordingOptions::GpsGlonass;
    const QByteArray text = ORXSimNmea::fixText(fix, solutionAt(second), glonass);
    const ORXSimNmea::Coordinate lat = ORXSimNmea::latitude(fix.latitude);
    const ORXSimNmea::Coordinate lon = ORXSimNmea::longitude(fix.longitude);

    _AVI_GPS_DATA_T record{};
    record.header = int32_t(ORXAviLayout::kGpsRecordMark);
    record.nTimestamp = clockMs(second);
    record.nLen = uint32_t(std::min<qsizetype>(text.size(), sizeof record.RawData));
    std::memcpy(record.RawData, text.constData(), record.nLen);
    record.sig = 1;
    record.fLatitude = lat.value;
    record.fLongitude = lon.value;
    record.fSpeed = uint32_t(std::lround(m_options.speedInKmh ? fix.speedKmh : fix.speedKmh / kKmhPerMph));
    record.distance = uint32_t(std::lround(distanceMetres));
    record.NS = lat.letter;
    record.EW = lon.letter;
    record.KM = m_options.speedInKmh ? '9' : '0';
    return record;
}

QVector<_AVI_GSENSOR_DATA_T> ORXSimTelemetry::gsensorRecords() const
{
    QVector<_AVI_GSENSOR_DATA_T> records;
    if (!m_options.gsensor || m_options.gsensorPerSecond <= 0)
        return records;
    const int count = m_options.durationSeconds * m_options.gsensorPerSecond;
    records.reserve(count);
    for (int i = 0; i < count; ++i)
        records << gsensorAt(i);
    return records;
}

QVector<_AVI_GPS_DATA_T> ORXSimTelemetry::gpsRecords() const
{
    QVector<_AVI_GPS_DATA_T> records;
    if (!m_options.gps)
        return records;
    records.reserve(m_options.durationSeconds);
    double distance = 0;
    for (int second = 0; second < m_options.durationSeconds; ++second) {
        records << gpsAt(second, distance);
        distance += m_options.route.fixAt(m_options.routeOffsetSeconds + second + 0.5).speedKmh / 3.6;
    }
    return records;
}
