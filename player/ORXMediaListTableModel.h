#pragma once

#include <QAbstractTableModel>
#include <QStringList>

class ORXMediaList;

// The recording table of the player: one row per recording of the list, in list order, with
// the columns "saveMode" (kind text and car picture), "date", "time" and "file".
class ORXMediaListTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kColumnCount = 4;
    static const char* const kIdentifiers[kColumnCount]; // "saveMode", "date", "time", "file"

    explicit ORXMediaListTableModel(ORXMediaList* list, QObject* parent = nullptr);

    // The header title and alignment of one column (header and cells).
    void setColumn(int index, const QString& title, Qt::Alignment alignment);
    QString columnTitle(int index) const { return m_titles.value(index); }
    // The table shows whatever the list holds now (after a rebuild has finished).
    void reload();

    // The texts and picture name of one cell, as the table shows them; a row beyond the
    // list's end gives nothing.
    QString textAt(int row, const QString& identifier) const;
    QString imageNameAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

signals:
    // A folder (or a recording file's folder) was dropped onto the table.
    void folderDropped(const QString& path);

private:
    ORXMediaList* m_list;
    QStringList m_titles = QStringList(kColumnCount);
    Qt::Alignment m_alignments[kColumnCount] = {Qt::AlignCenter, Qt::AlignCenter, Qt::AlignCenter,
                                                Qt::AlignLeft | Qt::AlignVCenter};
};
