#pragma once

#include "ORXSystemTime.h"

#include <array>
#include <cstdint>

// The running GPS fix built up from NMEA sentences. Every sentence updates only the fields
// it carries; the others keep what earlier sentences set. Positions stay in NMEA form
// (ddmm.mmmm, no sign); the hemisphere letters carry the sign.
class ORXGpsData
{
public:
    static constexpr int kSatelliteSlots = 12;

    ORXGpsData() = default;

    // Back to the initial state: letters "N"/"E", everything else 0.
    void clear();
    // An independent copy of this fix.
    ORXGpsData duplicate() const;
    // Copies every field of another fix into this one.
    void updateFromObject(const ORXGpsData& other);

    // One slot of the satellites-in-use list (0 to 11); out-of-range slots read 0 and
    // ignore writes.
    uint8_t SatelliteUsedAtIndex(int index) const;
    void setSatelliteUsed(uint8_t satellite, int index);

    bool operator==(const ORXGpsData&) const = default;

    double Latitude = 0;
    char NS = 'N';
    double Longitude = 0;
    char EW = 'E';
    double SpeedOverGround = 0;  // knots
    double CourseOverGround = 0; // degrees
    _SYSTEMTIME Now;
    std::array<uint8_t, kSatelliteSlots> SatelliteUsed{};
    uint32_t SatelliteUsedCount = 0;
    uint32_t SatelliteUsedCount_GPS = 0;
    uint32_t SatelliteUsedCount_GLONASS = 0;
    double HDOP = 0;
    uint8_t Enable_GNGNS = 0;
    uint8_t Enable_GNGSA = 0;
    uint8_t Cnt_GNGSA = 0; // which list of a $GNGSA pair comes next: 0 GPS, 1 GLONASS
};
