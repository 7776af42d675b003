#pragma once

#include "ORXDriveLogRecords.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QIODevice;

enum class ORXDriveLogKind
{
    Obd,   // "*.obd", _OBD_SAVE_VALUE_STRUCT
    Flash, // "*.drv", _FLASH_SAVE_VALUE_STRUCT
};

// The records of one drive log, read whole. The header count is the only length the file
// carries: a file holding fewer records than announced gives the whole records it holds
// and a message naming the shortfall; bytes after the last announced record are ignored;
// a count too large to be a real log is refused before anything is allocated.
//
// What a file of S bytes can cost: the records are read once, O(S) time, into one buffer of
// min(S - 12, count * record size) bytes, never above kMaxRecordBytes (fromBytes() holds a
// second copy of the bytes it is given). The table formats a cell only when it is asked
// for one, and writes its CSV line by line.
class ORXDriveLog
{
public:
    static constexpr qint64 kHeaderSize = sizeof(_DRIVE_LOG_HEADER);
    // Far beyond any card's log (millions of records), small enough to hold in memory.
    static constexpr qint64 kMaxRecordBytes = qint64(256) * 1024 * 1024;

    ORXDriveLog() = default;
    explicit ORXDriveLog(ORXDriveLogKind kind) : m_kind(kind) {}

    static qint64 recordSize(ORXDriveLogKind kind);
    // By the extension: "drv" flash data, "obd" OBD (any case); nothing otherwise.
    static std::optional<ORXDriveLogKind> kindForPath(const QString& path);

    static ORXDriveLog read(const QString& path, ORXDriveLogKind kind);
    static ORXDriveLog fromBytes(const QByteArray& bytes, ORXDriveLogKind kind);

    // True when records could be read (possibly fewer than announced, see errorString).
    bool isValid() const { return m_valid; }
    // Empty when the log was read whole; otherwise what went wrong, for the user.
    QString errorString() const { return m_error; }
    bool isComplete() const { return m_valid && m_error.isEmpty(); }

    ORXDriveLogKind kind() const { return m_kind; }
    qint64 count() const { return m_count; }

    // A copy of the record at row; a zeroed record outside 0..count-1.
    _OBD_SAVE_VALUE_STRUCT obdRecord(qint64 row) const;
    _FLASH_SAVE_VALUE_STRUCT flashRecord(qint64 row) const;

private:
    static ORXDriveLog fromDevice(QIODevice* device, qint64 size, ORXDriveLogKind kind);
    static ORXDriveLog failure(ORXDriveLogKind kind, const QString& message);
    bool copyRecord(qint64 row, void* out, qint64 size) const;

    ORXDriveLogKind m_kind = ORXDriveLogKind::Flash;
    bool m_valid = false;
    QString m_error;
    qint64 m_count = 0;
    QByteArray m_records;
};
