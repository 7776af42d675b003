#pragma once

#include "ORXDriveLogTable.h"

#include <QAbstractTableModel>

// The rows of a drive log for a table view. Cell texts are made only when the view asks
// for them, so a log of a million records shows at once and scrolls smoothly. The model's
// column is the column's own index: a view that lets the user drag columns around keeps
// asking by that index, and every cell stays under its title.
class ORXDriveLogTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kCellPointSize = 11;

    explicit ORXDriveLogTableModel(ORXDriveLogKind kind, QObject* parent = nullptr);

    const ORXDriveLogTable& table() const { return m_table; }
    // Count and records are replaced together.
    void setTable(ORXDriveLogTable table);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    ORXDriveLogTable m_table;
};
