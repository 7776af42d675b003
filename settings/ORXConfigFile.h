#pragma once

#include "ORXConfigRecord.h"

#include <QString>

// "config.bin" on the card: one _FILEDATA record of exactly 428 bytes and nothing else.
inline constexpr qint64 kORXConfigFileSize = sizeof(_FILEDATA);

// False (record untouched) when the file is missing, unreadable or not exactly 428 bytes.
// Whatever the file, at most 428 bytes are read and held: the size is checked first.
bool readConfigFile(const QString& path, _FILEDATA* record);

// Writes the 428 bytes through a save-file (write, flush, rename), so a failed or short
// write leaves the old file as it was. Null QString on success, otherwise a message key:
// "msg.file_open_fail", or "msg.disk_full" when the file system ran out of space.
QString writeConfigFile(const _FILEDATA& record, const QString& path);

// A zeroed record, the defaults, the checksum, then writeConfigFile.
QString writeDefaultConfigFile(const QString& path);

// The last steps before a save: `osd_plate_flag` from the first byte of `szPlateNumber`,
// then the checksum.
void prepareConfigForSave(_FILEDATA* record);
