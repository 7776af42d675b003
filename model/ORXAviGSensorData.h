#pragma once

#include "ORXAviRecords.h"

// One G-sensor record of the side stream, held by value (24 bytes).
class ORXAviGSensorData
{
public:
    ORXAviGSensorData() = default; // an all-zero record
    explicit ORXAviGSensorData(const _AVI_GSENSOR_DATA_T& record) : m_data(record) {}
    // Copies sizeof(_AVI_GSENSOR_DATA_T) bytes from the given address (null: all zero).
    static ORXAviGSensorData aviGSensorDataWithData(const void* record);

    const _AVI_GSENSOR_DATA_T& data() const { return m_data; }
    void setData(const _AVI_GSENSOR_DATA_T& record) { m_data = record; }

private:
    _AVI_GSENSOR_DATA_T m_data{};
};
