#pragma once

#include "ORXDriveLogRecords.h"

#include <QByteArray>
#include <QList>

#include <cstring>
#include <functional>

// Builds drive-log files in memory: a header announcing `count` records, then the records.
inline QByteArray driveLogBytes(quint32 count, const QList<QByteArray>& records, QByteArray trailer = {})
{
    _DRIVE_LOG_HEADER header;
    std::memset(&header, 0, sizeof header);
    header.count = count;
    QByteArray bytes(reinterpret_cast<const char*>(&header), sizeof header);
    for (const QByteArray& record : records)
        bytes += record;
    return bytes + trailer;
}

template <typename Record> QByteArray recordBytes(const std::function<void(Record&)>& fill)
{
    Record record;
    std::memset(&record, 0, sizeof record);
    fill(record);
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
}

inline QByteArray obdBytes(const std::function<void(_OBD_SAVE_VALUE_STRUCT&)>& fill)
{
    return recordBytes<_OBD_SAVE_VALUE_STRUCT>(fill);
}

inline QByteArray flashBytes(const std::function<void(_FLASH_SAVE_VALUE_STRUCT&)>& fill)
{
    return recordBytes<_FLASH_SAVE_VALUE_STRUCT>(fill);
}
