#pragma once

#include <QDateTime>
#include <QtGlobal>

#include <memory>

// Which quarter of the globe a simulated drive lies in: north-east (latitude and longitude
// positive) or south-west (both negative), so that both hemisphere letters get exercised.
enum class ORXSimHemisphere
{
    NorthEast,
    SouthWest
};

// One position of the simulated vehicle.
struct ORXSimFix
{
    double latitude = 0;  // signed decimal degrees
    double longitude = 0; // signed decimal degrees
    double speedKmh = 0;
    double courseDeg = 0; // 0 = north, clockwise
    QDateTime utc;
};

// A plausible drive: the vehicle speeds up, cruises, slows for corners and stops now and
// then, turning gently. The same seed always gives the same drive.
class ORXSimRoute
{
public:
    explicit ORXSimRoute(ORXSimHemisphere hemisphere = ORXSimHemisphere::NorthEast,
                         QDateTime startUtc = QDateTime(QDate(2023, 1, 5), QTime(13, 45, 1), Qt::UTC),
                         quint32 seed = 1);

    // Position, speed and heading this many seconds after the drive started (negative
    // times count as 0, times past two days as two days).
    ORXSimFix fixAt(double secondsSinceStart) const;

    QDateTime startUtc() const;
    ORXSimHemisphere hemisphere() const;
    quint32 seed() const;

private:
    double speedAt(double t) const;
    double courseAt(double t) const;
    void advance(double& lat, double& lon, double from, double to) const;
    void positionAt(int second, double& lat, double& lon) const;

    ORXSimHemisphere m_hemisphere;
    QDateTime m_startUtc;
    quint32 m_seed;
    double m_originLat = 0;
    double m_originLon = 0;
    double m_phase[4] = {};
    // Latitude and longitude at each whole second, integrated an hour at a time as far as
    // asked for, shared between copies of the route.
    struct Table;
    std::shared_ptr<Table> m_table;
};
