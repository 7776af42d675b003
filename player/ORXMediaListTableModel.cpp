#include "ORXMediaListTableModel.h"

#include "ORXCFormat.h"
#include "ORXImage.h"
#include "ORXLocalizedString.h"
#include "ORXMediaList.h"

#include <QFileInfo>
#include <QFont>
#include <QMimeData>
#include <QUrl>

const char* const ORXMediaListTableModel::kIdentifiers[kColumnCount] = {"saveMode", "date", "time", "file"};

namespace {
constexpr QSize kCarImageSize(36, 18);

QString kindKey(const ORXMedia& media)
{
    if (media.isAlwaysMedia())
        return QStringLiteral("media.always");
    if (media.isMotionMedia())
        return QStringLiteral("media.motion");
    if (media.isEventMedia())
        return QStringLiteral("media.event");
    return QStringLiteral("media.unknown");
}

// The folder a dropped item stands for: a folder itself, or the folder of a file.
QString folderOfDrop(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return QString();
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        const QFileInfo info(url.toLocalFile());
        if (info.isDir())
            return info.absoluteFilePath();
        if (info.isFile())
            return info.absolutePath();
    }
    return QString();
}
} // namespace

ORXMediaListTableModel::ORXMediaListTableModel(ORXMediaList* list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list)
{
}

void ORXMediaListTableModel::setColumn(int index, const QString& title, Qt::Alignment alignment)
{
    if (index < 0 || index >= kColumnCount)
        return;
    m_titles[index] = title;
    m_alignments[index] = alignment;
    emit headerDataChanged(Qt::Horizontal, index, index);
}

void ORXMediaListTableModel::reload()
{
    beginResetModel();
    endResetModel();
}

QString ORXMediaListTableModel::textAt(int row, const QString& identifier) const
{
    const ORXMediaPtr media = row < 0 ? nullptr : m_list->mediaAtIndex(row);
    if (!media)
        return QString();
    if (identifier == QLatin1String("saveMode"))
        return ORXLocalizedString(kindKey(*media));
    const bool hasDate = media->year() >= 1;
    if (identifier == QLatin1String("date"))
        return hasDate ? ORXCFormat("%04d-%02d-%02d", media->year(), media->month(), media->day()) : QString("");
    if (identifier == QLatin1String("time"))
        return hasDate ? ORXCFormat("%02d:%02d:%02d", media->hour(), media->minute(), media->second()) : QString("");
    if (identifier == QLatin1String("file"))
        return media->fileName();
    return QString("");
}

QString ORXMediaListTableModel::imageNameAt(int row) const
{
    const ORXMediaPtr media = row < 0 ? nullptr : m_list->mediaAtIndex(row);
    if (!media)
        return QString();
    const char* channel = media->isFrontMedia() ? "front" : media->isRearMedia() ? "rear" : nullptr;
    const char* kind = media->isAlwaysMedia()   ? "alwa"
                       : media->isMotionMedia() ? "motion"
                       : media->isEventMedia()  ? "event"
                                                : nullptr;
    if (!channel || !kind)
        return QString();
    return QStringLiteral("car_%1_%2").arg(QLatin1String(channel), QLatin1String(kind));
}

int ORXMediaListTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(std::min<qsizetype>(m_list->count(), INT_MAX));
}

int ORXMediaListTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ORXMediaListTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() >= kColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: {
        const QString text = textAt(index.row(), QLatin1String(kIdentifiers[index.column()]));
        return text.isNull() ? QVariant() : QVariant(text);
    }
    case Qt::DecorationRole: {
        if (index.column() != 0)
            return {};
        const QString name = imageNameAt(index.row());
        return name.isEmpty() ? QVariant() : QVariant(ORXImage::pixmap(name, kCarImageSize, 2.0));
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_alignments[index.column()]);
    default:
        return {};
    }
}

QVariant ORXMediaListTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return m_titles.value(section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_alignments[section]);
    return {};
}

Qt::ItemFlags ORXMediaListTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags base = Qt::ItemIsDropEnabled;
    if (index.isValid())
        base |= Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return base;
}

Qt::DropActions ORXMediaListTableModel::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
}

QStringList ORXMediaListTableModel::mimeTypes() const
{
    return {QStringLiteral("text/uri-list")};
}

bool ORXMediaListTableModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int,
                                             const QModelIndex&) const
{
    return !folderOfDrop(data).isEmpty();
}

bool ORXMediaListTableModel::dropMimeData(const QMimeData* data, Qt::DropAction, int, int, const QModelIndex&)
{
    const QString folder = folderOfDrop(data);
    if (folder.isEmpty())
        return false;
    emit folderDropped(folder);
    return true;
}
