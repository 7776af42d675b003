#include "ORXDriveLogTableModel.h"

#include <QFont>

#include <limits>

ORXDriveLogTableModel::ORXDriveLogTableModel(ORXDriveLogKind kind, QObject* parent)
    : QAbstractTableModel(parent), m_table(ORXDriveLog(kind))
{
}

void ORXDriveLogTableModel::setTable(ORXDriveLogTable table)
{
    beginResetModel();
    m_table = std::move(table);
    endResetModel();
}

int ORXDriveLogTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    // A log is refused long before this (256 MiB of records), but a view counts in int.
    return int(qMin<qint64>(m_table.rowCount(), std::numeric_limits<int>::max()));
}

int ORXDriveLogTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_table.columnCount();
}

QVariant ORXDriveLogTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_table.stringForColumnIndex(index.column(), index.row());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole: {
        QFont font;
        // The column widths are in the camera maker's points, one to a pixel; so is the font.
        font.setPixelSize(kCellPointSize);
        return font;
    }
    }
    return {};
}

QVariant ORXDriveLogTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_table.columnTitle(section);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignCenter);
    }
    return {};
}
