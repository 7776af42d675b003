#pragma once

#include "ORXSimRoute.h"

#include <QString>

// Writes the card files the camera keeps besides its recordings, along the given drive:
//   "config.bin"             the settings record (defaults, a plate, the drive's time zone)
//   "timeset.cfg"            the clock file, 19 bytes "yyyy/MM/dd HH:mm:ss" in local time
//   "DrvInfo/orvex_000.drv"  the flash data log, one record a second for five minutes
//   "DrvInfo/orvex_000.obd"  the OBD drive log with engine values, some of them missing
// Folders are created as needed. Returns false with a message in *error when it cannot.
bool ORXSimWriteCardFiles(const QString& cardRoot, const ORXSimRoute& route, QString* error);

// Where the logs go below the card's root.
inline constexpr char kORXSimFlashLogPath[] = "DrvInfo/orvex_000.drv";
inline constexpr char kORXSimObdLogPath[] = "DrvInfo/orvex_000.obd";
// Records in each log (one a second).
inline constexpr int kORXSimLogRecords = 300;
