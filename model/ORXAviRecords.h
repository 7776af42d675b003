#pragma once

#include <QtGlobal>

#include <cstddef>
#include <cstdint>

// The two records the camera writes into the AVI side stream "02sb". Both are read and
// written whole, little-endian, exactly as the firmware lays them out.
static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the camera's records are read as little-endian memory");

#pragma pack(push, 1)

// One GPS fix: 552 bytes. Latitude and longitude are magnitudes in NMEA form
// (degrees * 100 + minutes); the hemisphere comes from the sentences in RawData.
struct _AVI_GPS_DATA_T
{
    int32_t header;      // record mark, 205
    uint32_t nTimestamp; // milliseconds, same clock as the G-sensor timestamp
    uint32_t nLen;       // text bytes in RawData (may lie: never trust it past 508)
    uint32_t sig;
    double fLatitude;  // ddmm.mmmm
    double fLongitude; // dddmm.mmmm
    uint32_t fSpeed;   // whole number, unit by KM
    uint32_t distance;
    char NS;
    char EW;
    char KM; // '9' = km/h, anything else mi/h
    char dummy;
    char RawData[508]; // NMEA sentences, each ended by CR, LF or NUL
};

// One accelerometer sample: 24 bytes, 256 raw units per g.
struct _AVI_GSENSOR_DATA_T
{
    int32_t header;     // record mark, 171
    uint32_t timestamp; // milliseconds
    int32_t xAxis;
    int32_t yAxis;
    int32_t zAxis;
    int32_t nTemprature;
};

#pragma pack(pop)

static_assert(sizeof(_AVI_GPS_DATA_T) == 552);
static_assert(offsetof(_AVI_GPS_DATA_T, header) == 0);
static_assert(offsetof(_AVI_GPS_DATA_T, nTimestamp) == 4);
static_assert(offsetof(_AVI_GPS_DATA_T, nLen) == 8);
static_assert(offsetof(_AVI_GPS_DATA_T, sig) == 12);
static_assert(offsetof(_AVI_GPS_DATA_T, fLatitude) == 16);
static_assert(offsetof(_AVI_GPS_DATA_T, fLongitude) == 24);
static_assert(offsetof(_AVI_GPS_DATA_T, fSpeed) == 32);
static_assert(offsetof(_AVI_GPS_DATA_T, distance) == 36);
static_assert(offsetof(_AVI_GPS_DATA_T, NS) == 40);
static_assert(offsetof(_AVI_GPS_DATA_T, EW) == 41);
static_assert(offsetof(_AVI_GPS_DATA_T, KM) == 42);
static_assert(offsetof(_AVI_GPS_DATA_T, dummy) == 43);
static_assert(offsetof(_AVI_GPS_DATA_T, RawData) == 44);

static_assert(sizeof(_AVI_GSENSOR_DATA_T) == 24);
static_assert(offsetof(_AVI_GSENSOR_DATA_T, header) == 0);
static_assert(offsetof(_AVI_GSENSOR_DATA_T, timestamp) == 4);
static_assert(offsetof(_AVI_GSENSOR_DATA_T, xAxis) == 8);
static_assert(offsetof(_AVI_GSENSOR_DATA_T, yAxis) == 12);
static_assert(offsetof(_AVI_GSENSOR_DATA_T, zAxis) == 16);
static_assert(offsetof(_AVI_GSENSOR_DATA_T, nTemprature) == 20);

// Where the camera puts things in its AVI files: the movie list's size field stands at a
// fixed offset, its type code right after it, and chunk offsets in idx1 count from there.
namespace ORXAviLayout {
constexpr quint32 kMovieListSizeOffset = 14136;
constexpr quint32 kMovieListTypeOffset = 14140;
constexpr quint32 kFirstChunkOffset = 14144;  // chunk offset + this = the chunk's size field
constexpr quint32 kIndexAfterMovieSize = 14148; // idx1 entries begin at movie size + this
constexpr quint32 kIndexEntrySize = 16;
constexpr quint32 kGpsRecordMark = 205;
constexpr quint32 kGSensorRecordMark = 171;
constexpr quint32 kGSensorChunkMax = 32; // side-stream chunk of 32 bytes or less: G-sensor
} // namespace ORXAviLayout
