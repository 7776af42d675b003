#include "ORXAviGpsData.h"

#include <cstring>

struct ORXAviGpsData::Private : QSharedData
{
    _AVI_GPS_DATA_T record{};
};

ORXAviGpsData::ORXAviGpsData() : d(new Private) {}

ORXAviGpsData::ORXAviGpsData(const _AVI_GPS_DATA_T& record) : d(new Private)
{
    d->record = record;
}

ORXAviGpsData ORXAviGpsData::aviGpsDataWithData(const void* record)
{
    ORXAviGpsData wrapper;
    if (record)
        std::memcpy(&wrapper.d->record, record, sizeof(_AVI_GPS_DATA_T));
    return wrapper;
}

ORXAviGpsData::ORXAviGpsData(const ORXAviGpsData&) = default;
ORXAviGpsData& ORXAviGpsData::operator=(const ORXAviGpsData&) = default;
ORXAviGpsData::~ORXAviGpsData() = default;

const _AVI_GPS_DATA_T& ORXAviGpsData::data() const
{
    return d->record;
}

void ORXAviGpsData::setData(const _AVI_GPS_DATA_T& record)
{
    d->record = record;
}
