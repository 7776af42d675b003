#include "ORXDriveLog.h"

#include "ORXLocalizedString.h"
#include "ORXLogsLog.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <cstring>

qint64 ORXDriveLog::recordSize(ORXDriveLogKind kind)
{
    return kind == ORXDriveLogKind::Obd ? qint64(sizeof(_OBD_SAVE_VALUE_STRUCT))
                                        : qint64(sizeof(_FLASH_SAVE_VALUE_STRUCT));
}

std::optional<ORXDriveLogKind> ORXDriveLog::kindForPath(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("drv"))
        return ORXDriveLogKind::Flash;
    if (suffix == QLatin1String("obd"))
        return ORXDriveLogKind::Obd;
    return std::nullopt;
}

ORXDriveLog ORXDriveLog::failure(ORXDriveLogKind kind, const QString& message)
{
    ORXDriveLog log(kind);
    log.m_error = message;
    return log;
}

ORXDriveLog ORXDriveLog::read(const QString& path, ORXDriveLogKind kind)
{
    // Only regular files: opening a FIFO or a device could block or never end.
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        qCWarning(lcLogs, "fopen fail:%s", qUtf8Printable(path));
        QString why = file.errorString();
        if (!info.exists())
            why = ORXLocalizedString("msg.log_no_such_file");
        else if (!info.isFile())
            why = ORXLocalizedString("msg.log_not_a_file");
        return failure(kind, ORXLocalizedString("msg.log_open_fail").arg(why));
    }
    return fromDevice(&file, file.size(), kind);
}

ORXDriveLog ORXDriveLog::fromBytes(const QByteArray& bytes, ORXDriveLogKind kind)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return fromDevice(&buffer, copy.size(), kind);
}

ORXDriveLog ORXDriveLog::fromDevice(QIODevice* device, qint64 size, ORXDriveLogKind kind)
{
    _DRIVE_LOG_HEADER header;
    if (size < kHeaderSize || device->read(reinterpret_cast<char*>(&header), kHeaderSize) != kHeaderSize)
        return failure(kind, ORXLocalizedString("msg.log_no_header"));

    const qint64 recordBytes = recordSize(kind);
    const qint64 announced = header.count;
    // Decide from the count before allocating anything.
    if (announced * recordBytes > kMaxRecordBytes) {
        qCWarning(lcLogs, "record count %lld refused", static_cast<long long>(announced));
        return failure(kind, ORXLocalizedString("msg.log_count_too_large").arg(announced));
    }
    // Never more than the file holds, whatever the header says.
    const qint64 held = (size - kHeaderSize) / recordBytes;
    const qint64 wanted = qMin(announced, held);

    ORXDriveLog log(kind);
    log.m_records.resize(wanted * recordBytes);
    const qint64 got = wanted > 0 ? device->read(log.m_records.data(), log.m_records.size()) : 0;
    log.m_count = qMax<qint64>(got, 0) / recordBytes;
    log.m_records.truncate(log.m_count * recordBytes);
    log.m_valid = true;
    if (log.m_count < announced) {
        qCWarning(lcLogs, "log holds %lld of %lld records", static_cast<long long>(log.m_count),
                  static_cast<long long>(announced));
        log.m_error = ORXLocalizedString("msg.log_short").arg(announced).arg(log.m_count);
    }
    return log;
}

bool ORXDriveLog::copyRecord(qint64 row, void* out, qint64 size) const
{
    if (row < 0 || row >= m_count || size != recordSize(m_kind)) {
        std::memset(out, 0, static_cast<std::size_t>(size));
        return false;
    }
    std::memcpy(out, m_records.constData() + row * size, static_cast<std::size_t>(size));
    return true;
}

_OBD_SAVE_VALUE_STRUCT ORXDriveLog::obdRecord(qint64 row) const
{
    _OBD_SAVE_VALUE_STRUCT record;
    copyRecord(row, &record, sizeof record);
    return record;
}

_FLASH_SAVE_VALUE_STRUCT ORXDriveLog::flashRecord(qint64 row) const
{
    _FLASH_SAVE_VALUE_STRUCT record;
    copyRecord(row, &record, sizeof record);
    return record;
}
