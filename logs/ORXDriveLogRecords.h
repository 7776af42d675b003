#pragma once

#include <QtGlobal>

#include <bit>
#include <cstddef>

// The camera's binary drive logs: a 12-byte header whose first word is the record count,
// then that many fixed-size records back to back. Little-endian, read whole.
static_assert(std::endian::native == std::endian::little,
              "the camera's records are read and written whole in little-endian order");

#pragma pack(push, 1)
struct _DRIVE_LOG_HEADER
{
    quint32 count;       // number of records that follow
    quint8 reserved[8];  // not used
};

// One record of the OBD drive-information log ("*.obd"), 68 bytes.
struct _OBD_SAVE_VALUE_STRUCT
{
    quint32 seq;
    quint8 reserved0;
    quint8 year; // years since 1900
    quint8 month;
    quint8 day;
    quint8 hour;
    quint8 minute;
    quint8 second;
    quint8 yoil;      // day of the week, 0 = Sunday
    quint16 lat_int;  // ddmm
    quint16 lat_frac; // ten-thousandths of a minute
    quint16 lon_int;  // dddmm
    quint16 lon_frac;
    qint16 gps_speed; // negative = no value
    qint8 reserved1;
    qint8 reserved2;
    qint16 cur_speed;         // negative = no value
    qint16 rpm;               // negative = no value
    qint32 driving_distance;  // thousandths; negative = no value
    qint16 battery;           // millivolts; negative = no value
    qint16 acp;               // accelerator pedal; negative = no value
    qint16 fbk;               // switches: 0 off, positive on, negative no value
    qint16 rll;
    qint16 lll;
    qint16 swa; // steering angle, signed; 9999 = no value
    qint16 sbt;
    qint16 gel;  // zero or negative = no value
    quint16 gep; // gear: 1 P, 2 R, 3 N, 4 D
    quint16 sbk; // 0 off, 1 on, other = no value
    qint16 tpa;  // negative = no value
    qint16 abt;  // hundredths; 9999 = no value
    qint16 reserved3;
    qint16 reserved4;
    qint16 x; // 1/256 units
    qint16 y;
    qint16 z;
    quint16 padding;
};

// One record of the flash data log ("DrvInfo/orvex_000.drv"), 40 bytes.
struct _FLASH_SAVE_VALUE_STRUCT
{
    quint16 seq;
    quint8 yoil;  // day of the week, 0 = Sunday
    quint8 value; // status: 1 = "A" (valid fix), otherwise "V"
    quint8 year;  // years since 1900
    quint8 month;
    quint8 day;
    quint8 hour;
    quint8 minute;
    quint8 second;
    quint16 lat_int; // ddmm
    quint16 lat_frac;
    quint16 lon_int; // dddmm
    quint16 lon_frac;
    quint16 cur_speed;
    quint32 driving_distance; // tenths
    quint32 reserved0;
    quint16 max_speed;
    qint8 reserved1;
    qint8 reserved2;
    qint16 x; // 1/256 units
    qint16 y;
    qint16 z;
    qint16 battery; // tenths of a volt
};
#pragma pack(pop)

static_assert(sizeof(_DRIVE_LOG_HEADER) == 12);
static_assert(offsetof(_DRIVE_LOG_HEADER, count) == 0);

static_assert(sizeof(_OBD_SAVE_VALUE_STRUCT) == 68);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, seq) == 0);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, reserved0) == 4);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, year) == 5);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, month) == 6);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, day) == 7);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, hour) == 8);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, minute) == 9);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, second) == 10);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, yoil) == 11);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, lat_int) == 12);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, lat_frac) == 14);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, lon_int) == 16);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, lon_frac) == 18);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, gps_speed) == 20);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, reserved1) == 22);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, reserved2) == 23);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, cur_speed) == 24);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, rpm) == 26);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, driving_distance) == 28);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, battery) == 32);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, acp) == 34);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, fbk) == 36);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, rll) == 38);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, lll) == 40);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, swa) == 42);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, sbt) == 44);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, gel) == 46);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, gep) == 48);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, sbk) == 50);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, tpa) == 52);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, abt) == 54);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, reserved3) == 56);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, reserved4) == 58);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, x) == 60);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, y) == 62);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, z) == 64);
static_assert(offsetof(_OBD_SAVE_VALUE_STRUCT, padding) == 66);

static_assert(sizeof(_FLASH_SAVE_VALUE_STRUCT) == 40);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, seq) == 0);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, yoil) == 2);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, value) == 3);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, year) == 4);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, month) == 5);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, day) == 6);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, hour) == 7);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, minute) == 8);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, second) == 9);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, lat_int) == 10);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, lat_frac) == 12);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, lon_int) == 14);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, lon_frac) == 16);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, cur_speed) == 18);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, driving_distance) == 20);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, reserved0) == 24);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, max_speed) == 28);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, reserved1) == 30);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, reserved2) == 31);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, x) == 32);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, y) == 34);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, z) == 36);
static_assert(offsetof(_FLASH_SAVE_VALUE_STRUCT, battery) == 38);
