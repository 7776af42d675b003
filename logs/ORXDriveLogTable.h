#pragma once

#include "ORXDriveLog.h"

#include <QByteArray>
#include <QString>

class QIODevice;

// The table of a drive log as both viewers show it: fixed columns by index (titles from
// the string table, widths in points), the text of every cell, and the CSV export of the
// whole table. Columns always keep their index order here, whatever order a view shows.
class ORXDriveLogTable
{
public:
    explicit ORXDriveLogTable(ORXDriveLog log = ORXDriveLog());

    static int columnCount(ORXDriveLogKind kind);
    int columnCount() const { return columnCount(m_log.kind()); }
    // The string-table key of the column's title ("X", "Y", "Z" are literal titles).
    QString columnKey(int column) const;
    QString columnTitle(int column) const;
    int columnWidth(int column) const;

    qint64 rowCount() const { return m_log.count(); }
    const ORXDriveLog& log() const { return m_log; }

    // The cell text; "X" for a column outside the table, empty for a row outside the log.
    QString stringForColumnIndex(int column, qint64 row) const;

    // The record's position in decimal degrees (no hemisphere sign: the logs carry none);
    // false for a row outside the log.
    bool positionForRow(qint64 row, double* latitude, double* longitude) const;

    // A line of column titles, then one line per record in file order, fields joined by
    // "," without quoting, each line ended by "\n"; UTF-8.
    QByteArray csvText() const;
    bool writeCSV(QIODevice* device) const;
    // Writes the CSV through a save-file, so the target is replaced whole or not at all.
    // Null on success, otherwise a message key ("msg.file_open_fail", "msg.disk_full").
    QString writeCSVFile(const QString& path) const;

private:
    QString obdCell(int column, qint64 row) const;
    QString flashCell(int column, qint64 row) const;
    QByteArray csvLine(qint64 row) const;
    QByteArray csvHeader() const;

    ORXDriveLog m_log;
};
