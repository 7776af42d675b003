#include "ORXAviGpsData.h"

struct ORXAviGpsData::Private : QSharedData
{
    _AVI_GPS_DATA_T record{};
};

ORXAviGpsData::ORXAviGpsData() : d(new Private) {}

ORXAviGpsData::ORXAviGpsData(const _AVI_GPS_DATA_T& record) : d(new Private)
{
    d->record = record;
}

ORXAviGpsData::ORXAviGpsData(const ORXAviGpsData&) = default;
ORXAviGpsData& ORXAviGpsData::operator=(const ORXAviGpsData&) = default;
ORXAviGpsData::~ORXAviGpsData() = default;

const _AVI_GPS_DATA_T& ORXAviGpsData::data() const
{
    return d->record;
}
