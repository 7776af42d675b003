#pragma once

#include "ORXAviRecords.h"

#include <QSharedDataPointer>

// One GPS record of the side stream, held by value. Copies share the bytes, so the
// per-sample GPS list costs a pointer per sample.
class ORXAviGpsData
{
public:
    ORXAviGpsData(); // an all-zero record
    explicit ORXAviGpsData(const _AVI_GPS_DATA_T& record);

    ORXAviGpsData(const ORXAviGpsData&);
    ORXAviGpsData& operator=(const ORXAviGpsData&);
    ~ORXAviGpsData();

    const _AVI_GPS_DATA_T& data() const;

private:
    struct Private;
    QSharedDataPointer<Private> d;
};
