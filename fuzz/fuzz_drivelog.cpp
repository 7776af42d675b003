// Feeds arbitrary bytes as a drive log of either kind: the reader must never read past
// the data or allocate from the header count alone, and every cell of what it returns
// must have a text.
#include "ORXDriveLogTable.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    for (ORXDriveLogKind kind : {ORXDriveLogKind::Flash, ORXDriveLogKind::Obd}) {
        const ORXDriveLogTable table(ORXDriveLog::fromBytes(bytes, kind));
        const qint64 held = qint64(size) > ORXDriveLog::kHeaderSize
                                ? (qint64(size) - ORXDriveLog::kHeaderSize) / ORXDriveLog::recordSize(kind)
                                : 0;
        if (table.rowCount() > held)
            __builtin_trap();
        for (qint64 row = 0; row < qMin<qint64>(table.rowCount(), 64); ++row) {
            for (int column = -1; column <= table.columnCount(); ++column) {
                if (table.stringForColumnIndex(column, row).isEmpty())
                    __builtin_trap();
            }
            double lat = 0, lng = 0;
            table.positionForRow(row, &lat, &lng);
        }
        if (table.rowCount() <= 64)
            (void)table.csvText();
    }
    return 0;
}
