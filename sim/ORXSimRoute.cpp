#include "ORXSimRoute.h"

#include <QMutex>
#include <QtMath>

#include <vector>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kMetresPerDegree = 111320.0;
constexpr double kStepSeconds = 0.25;       // integration step of the position
constexpr int kTableBlock = 3600;           // seconds of positions integrated at a time
constexpr double kLastSecond = 2 * 86400.0; // the drive goes on for two days at most
constexpr double kStopCycle = 150.0;        // the vehicle stops at a light once in this many seconds

// A small deterministic generator (splitmix64), so the same seed gives the same drive
// on every machine.
quint64 splitmix(quint64& state)
{
    quint64 z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double unit(quint64& state)
{
    return double(splitmix(state) >> 11) / double(1ull << 53);
}

double smoothstep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}
} // namespace

struct ORXSimRoute::Table
{
    QMutex mutex;
    std::vector<double> points; // latitude, longitude per second from 0
};

ORXSimRoute::ORXSimRoute(ORXSimHemisphere hemisphere, QDateTime startUtc, quint32 seed)
    : m_hemisphere(hemisphere), m_startUtc(startUtc.toUTC()), m_seed(seed)
{
    quint64 state = seed;
    for (double& phase : m_phase)
        phase = unit(state) * 2 * M_PI;
    // North-east: around Seoul; south-west: around Buenos Aires. A few kilometres of
    // scatter per seed.
    const double scatterLat = (unit(state) - 0.5) * 0.05;
    const double scatterLon = (unit(state) - 0.5) * 0.05;
    if (hemisphere == ORXSimHemisphere::NorthEast) {
        m_originLat = 37.5326 + scatterLat;
        m_originLon = 127.0246 + scatterLon;
    } else {
        m_originLat = -34.6037 + scatterLat;
        m_originLon = -58.3816 + scatterLon;
    }
    m_table = std::make_shared<Table>();
}

QDateTime ORXSimRoute::startUtc() const
{
    return m_startUtc;
}

ORXSimHemisphere ORXSimRoute::hemisphere() const
{
    return m_hemisphere;
}

quint32 ORXSimRoute::seed() const
{
    return m_seed;
}

// Speed in km/h: cruising between 30 and 75 with slow swells, a stop at a light every
// two and a half minutes, and a gentle start from standstill.
double ORXSimRoute::speedAt(double t) const
{
    double v =
        52 + 16 * std::sin(2 * M_PI * t / 140 + m_phase[0]) + 7 * std::sin(2 * M_PI * t / 37 + m_phase[1]);
    const double u = std::fmod(t + m_phase[2] / (2 * M_PI) * kStopCycle, kStopCycle);
    // Brake from 118 s, stand still from 128 s to 138 s, pull away until 146 s.
    const double stop = 1 - smoothstep(118, 128, u) + smoothstep(138, 146, u);
    v *= std::clamp(stop, 0.0, 1.0);
    v *= smoothstep(0, 12, t);
    return std::max(0.0, v);
}

double ORXSimRoute::courseAt(double t) const
{
    const double course = m_phase[3] * 180 / M_PI + 50 * std::sin(2 * M_PI * t / 210 + m_phase[1]) +
                          12 * std::sin(2 * M_PI * t / 47 + m_phase[2]);
    return std::fmod(std::fmod(course, 360.0) + 360.0, 360.0);
}

void ORXSimRoute::advance(double& lat, double& lon, double from, double to) const
{
    for (double t = from; t < to - 1e-9;) {
        const double dt = std::min(kStepSeconds, to - t);
        const double mid = t + dt / 2;
        const double metres = speedAt(mid) / 3.6 * dt;
        const double course = qDegreesToRadians(courseAt(mid));
        lat += metres * std::cos(course) / kMetresPerDegree;
        lon += metres * std::sin(course) / (kMetresPerDegree * std::cos(qDegreesToRadians(lat)));
        t += dt;
    }
}

void ORXSimRoute::positionAt(int second, double& lat, double& lon) const
{
    QMutexLocker lock(&m_table->mutex);
    std::vector<double>& points = m_table->points;
    if (points.empty())
        points = {m_originLat, m_originLon};
    while (int(points.size() / 2) <= second) {
        int s = int(points.size() / 2) - 1;
        double la = points[2 * s], lo = points[2 * s + 1];
        for (int end = s + kTableBlock; s < end; ++s) {
            advance(la, lo, s, s + 1);
            points.push_back(la);
            points.push_back(lo);
        }
    }
    lat = points[2 * second];
    lon = points[2 * second + 1];
}

ORXSimFix ORXSimRoute::fixAt(double secondsSinceStart) const
{
    const double t = std::isfinite(secondsSinceStart) ? std::clamp(secondsSinceStart, 0.0, kLastSecond) : 0.0;
    const int whole = int(std::floor(t));
    double lat = 0, lon = 0;
    positionAt(whole, lat, lon);
    advance(lat, lon, whole, t);

    ORXSimFix fix;
    fix.latitude = lat;
    fix.longitude = lon;
    fix.speedKmh = speedAt(t);
    fix.courseDeg = courseAt(t);
    fix.utc = m_startUtc.addMSecs(qint64(std::llround(t * 1000)));
    return fix;
}
