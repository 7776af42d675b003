#include "ORXGpsData.h"

#include <cstddef>

void ORXGpsData::clear()
{
    *this = ORXGpsData();
}

ORXGpsData ORXGpsData::duplicate() const
{
    ORXGpsData copy;
    copy.updateFromObject(*this);
    return copy;
}

void ORXGpsData::updateFromObject(const ORXGpsData& other)
{
    *this = other;
}

uint8_t ORXGpsData::SatelliteUsedAtIndex(int index) const
{
    if (index < 0 || index >= kSatelliteSlots)
        return 0;
    return SatelliteUsed[static_cast<size_t>(index)];
}

void ORXGpsData::setSatelliteUsed(uint8_t satellite, int index)
{
    if (index < 0 || index >= kSatelliteSlots)
        return;
    SatelliteUsed[static_cast<size_t>(index)] = satellite;
}
