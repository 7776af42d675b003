#include "ORXMediaList.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <vector>

namespace {
Q_LOGGING_CATEGORY(lcMediaList, "orvex.model")

// One folder being walked: its listing, read entry by entry, and its canonical path, which
// keeps a folder link from leading back into a folder that is already being walked.
struct Frame
{
    std::unique_ptr<QDirIterator> entries;
    QString canonicalPath;
};

bool isAviExtension(const QString& extension)
{
    return extension.size() == 3 && extension.toLower() == QLatin1String("avi");
}
} // namespace

ORXMediaList::ORXMediaList()
    : m_contents(std::make_shared<const Contents>()), m_allContents(m_contents)
{
}

ORXMediaList::~ORXMediaList()
{
    {
        QMutexLocker lock(&m_mutex);
        ++m_generation; // a running rebuild stops at its next entry and publishes nothing
    }
    waitForRebuild();
}

std::unique_ptr<ORXMediaList> ORXMediaList::mediaList()
{
    return std::make_unique<ORXMediaList>();
}

void ORXMediaList::setDirectoryPath(const QString& path)
{
    QMutexLocker lock(&m_mutex);
    m_directoryPath = path;
    if (path.isNull())
        return;
    const quint64 generation = ++m_generation;
    {
        QMutexLocker pending(&m_pending->mutex);
        ++m_pending->count;
    }
    // The future is not kept: waiting on it could run the rebuild on the waiting thread.
    (void)QtConcurrent::run(QThreadPool::globalInstance(), [this, path, generation, state = m_pending] {
        rebuild(path, generation);
        QMutexLocker pending(&state->mutex);
        if (--state->count == 0)
            state->idle.wakeAll();
    });
}

QString ORXMediaList::directoryPath() const
{
    QMutexLocker lock(&m_mutex);
    return m_directoryPath;
}

std::shared_ptr<const ORXMediaList::Contents> ORXMediaList::contents() const
{
    QMutexLocker lock(&m_mutex);
    return m_contents;
}

qsizetype ORXMediaList::count() const
{
    return contents()->medias.size();
}

ORXMediaPtr ORXMediaList::mediaAtIndex(qsizetype index) const
{
    const auto current = contents();
    if (index < 0 || index >= current->medias.size())
        return nullptr;
    return current->medias.at(index);
}

QList<ORXMediaPtr> ORXMediaList::medias() const
{
    return contents()->medias;
}

QHash<QString, ORXMediaPairPtr> ORXMediaList::mediaPairDic() const
{
    return contents()->mediaPairDic;
}

QString ORXMediaList::groupNameOfFileName(const QString& fileName)
{
    QString name = ORXMedia::splitFileName(fileName).mediaName;
    if (name.endsWith(QLatin1String("_F")) || name.endsWith(QLatin1String("_R")))
        name.chop(2);
    return name;
}

ORXMediaPairPtr ORXMediaList::findMediaPairWithFileName(const QString& fileName) const
{
    return contents()->mediaPairDic.value(groupNameOfFileName(fileName));
}

void ORXMediaList::fileMedia(Contents& contents, const ORXMediaPtr& media)
{
    contents.medias.append(media);
    // Pairs are filed under the group name, the name without its channel suffix. Looking the
    // pair up under the same key keeps a recording without "_F"/"_R" from replacing the pair
    // of its group with an empty one.
    ORXMediaPairPtr& slot = contents.mediaPairDic[media->mediaGroupName()];
    if (slot && !media->isFrontMedia() && !media->isRearMedia())
        return; // unknown channel: not placed
    // Pairs may already be shared with readers, so a changed pair is a new object.
    auto pair = slot ? std::make_shared<ORXMediaPair>(*slot) : std::make_shared<ORXMediaPair>();
    if (media->isRearMedia())
        pair->setRearMedia(media);
    else if (media->isFrontMedia())
        pair->setFrontMedia(media);
    slot = std::move(pair);
}

void ORXMediaList::addMedia(const ORXMediaPtr& media)
{
    if (!media)
        return;
    QMutexLocker lock(&m_mutex);
    auto all = std::make_shared<Contents>(*m_allContents);
    fileMedia(*all, media);
    m_allContents = std::move(all);
    if (m_filter.isEmpty()) {
        m_contents = m_allContents;
    } else if (m_filter.accepts(*media)) {
        auto next = std::make_shared<Contents>(*m_contents);
        fileMedia(*next, media);
        m_contents = std::move(next);
    }
}

std::shared_ptr<const ORXMediaList::Contents> ORXMediaList::filtered(const std::shared_ptr<const Contents>& all,
                                                                     const ORXMediaFilter& filter)
{
    if (filter.isEmpty())
        return all;
    // The two files of a pair share kind and time, so a pair passes whole or not at all.
    auto contents = std::make_shared<Contents>();
    for (const ORXMediaPtr& media : all->medias) {
        if (filter.accepts(*media))
            fileMedia(*contents, media);
    }
    return contents;
}

void ORXMediaList::setFilter(const ORXMediaFilter& filter)
{
    QMutexLocker lock(&m_mutex);
    m_filter = filter;
    m_contents = filtered(m_allContents, m_filter);
}

ORXMediaFilter ORXMediaList::filter() const
{
    QMutexLocker lock(&m_mutex);
    return m_filter;
}

QStringList ORXMediaList::days() const
{
    std::shared_ptr<const Contents> all;
    {
        QMutexLocker lock(&m_mutex);
        all = m_allContents;
    }
    QStringList days;
    for (const ORXMediaPtr& media : all->medias) {
        const QString day = ORXMediaFilter::dayOf(*media);
        if (!day.isEmpty() && (days.isEmpty() || days.constLast() != day))
            days.append(day); // sorted by time, so equal days are neighbours
    }
    return days;
}

qsizetype ORXMediaList::unfilteredCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_allContents->medias.size();
}

bool ORXMediaList::isRecordingName(const QString& mediaName)
{
    if (!ORXMedia::isAcceptedNameLength(mediaName.size()))
        return false;
    int division = 0;
    int startPos = 0;
    if (ORXMedia::divisionOfName(mediaName, &division, &startPos)) {
        int fields[6];
        if (!ORXMedia::readDateTime(mediaName, startPos, fields))
            return false;
    }
    return mediaName.endsWith(QLatin1String("_F")) || mediaName.endsWith(QLatin1String("_R"));
}

ORXMediaPtr ORXMediaList::createMediaByPath(const QString& path)
{
    if (!isRecordingName(ORXMedia::splitFileName(path).mediaName))
        return nullptr;
    return ORXMedia::mediaWithPath(path);
}

void ORXMediaList::waitForRebuild()
{
    QMutexLocker lock(&m_pending->mutex);
    while (m_pending->count > 0)
        m_pending->idle.wait(&m_pending->mutex);
}

void ORXMediaList::rebuild(const QString& directoryPath, quint64 generation)
{
    std::optional<QList<ORXMediaPtr>> collected = collectMedias(directoryPath, generation);
    if (!collected)
        return;
    // Stable, so recordings that compare the same keep the order the walk found them in.
    std::stable_sort(collected->begin(), collected->end(),
                     [](const ORXMediaPtr& a, const ORXMediaPtr& b) { return a->compareDate(*b) < 0; });
    auto contents = std::make_shared<Contents>();
    contents->medias.reserve(collected->size());
    for (const ORXMediaPtr& media : std::as_const(*collected))
        fileMedia(*contents, media);
    publish(std::move(contents), generation);
}

void ORXMediaList::publish(std::shared_ptr<const Contents> contents, quint64 generation)
{
    QMutexLocker notify(&m_notifyMutex);
    {
        QMutexLocker lock(&m_mutex);
        if (m_generation.load() != generation)
            return; // a later rebuild has been started: this result is dropped
        m_allContents = std::move(contents);
        m_contents = filtered(m_allContents, m_filter);
    }
    if (ORXMediaListDelegate* receiver = m_delegate.load())
        receiver->mediaListChanged(this);
}

// Walks the folder tree in the order the file system lists each folder, hidden entries
// included, following folder links. A recording ends the walk of its folder once the
// collection holds kMediaLimit or more; the folders above go on with their own entries and
// end in turn after their next appended recording. Returns nothing when superseded.
std::optional<QList<ORXMediaPtr>> ORXMediaList::collectMedias(const QString& directoryPath, quint64 generation) const
{
    QList<ORXMediaPtr> collected;
    if (directoryPath.isEmpty())
        return collected;
    std::vector<Frame> path;
    int foldersListed = 0;
    bool limitLogged = false;
    const auto enter = [&](const QString& folder) {
        if (int(path.size()) >= kMaxDepth || foldersListed >= kFolderLimit) {
            if (!limitLogged)
                qCWarning(lcMediaList, "folder walk limit reached (%d levels, %d folders) at: %s", kMaxDepth,
                          kFolderLimit, qPrintable(folder));
            limitLogged = true;
            return;
        }
        QString canonical = QFileInfo(folder).canonicalFilePath();
        if (canonical.isEmpty())
            return; // vanished or unresolvable: yields nothing
        for (const Frame& frame : path) {
            if (frame.canonicalPath == canonical) {
                qCDebug(lcMediaList, "folder link cycle skipped: %s", qPrintable(folder));
                return;
            }
        }
        ++foldersListed;
        auto entries = std::make_unique<QDirIterator>(
            folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        path.push_back({std::move(entries), std::move(canonical)});
    };

    enter(QDir(directoryPath).absolutePath());
    while (!path.empty()) {
        if (isSuperseded(generation))
            return std::nullopt;
        QDirIterator& entries = *path.back().entries;
        if (!entries.hasNext()) {
            path.pop_back();
            continue;
        }
        entries.next();
        const QFileInfo entry = entries.fileInfo();
        if (entry.isDir()) { // a link to a folder counts as one
            enter(entry.filePath());
            continue;
        }
        const ORXMedia::NameParts parts = ORXMedia::splitFileName(entry.fileName());
        if (!isAviExtension(parts.extension) || !isRecordingName(parts.mediaName))
            continue;
        collected.append(ORXMedia::mediaWithPath(entry.filePath()));
        if (collected.size() >= kMediaLimit)
            path.pop_back();
    }
    return collected;
}
