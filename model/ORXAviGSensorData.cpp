#include "ORXAviGSensorData.h"

#include <cstring>

ORXAviGSensorData ORXAviGSensorData::aviGSensorDataWithData(const void* record)
{
    ORXAviGSensorData wrapper;
    if (record)
        std::memcpy(&wrapper.m_data, record, sizeof(_AVI_GSENSOR_DATA_T));
    return wrapper;
}
