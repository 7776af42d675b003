#pragma once

#include "ORXMedia.h"
#include "ORXMediaFilter.h"
#include "ORXMediaListDelegate.h"
#include "ORXMediaPair.h"

#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QWaitCondition>

#include <atomic>
#include <memory>
#include <optional>

// The ordered list of all recordings under a folder, and the front/rear pair of each moment.
//
// Setting a folder rebuilds the list on the shared worker pool: the folder tree is walked,
// recording files are kept, sorted by start time and filed into pairs. The new list is built
// aside and swapped in at once, so a reader on another thread sees either the previous or the
// new list, never a half-built one. A rebuild started while another runs supersedes it: the
// earlier one stops early and its result is dropped, and only the latest rebuild tells the
// delegate.
//
// A filter (ORXMediaFilter) narrows the list to one kind or one day: every reader, the pairs
// and so the player's automatic advance see only the recordings it lets through, while the
// days present in the folder are those of all its recordings.
//
// What a folder tree can cost: the walk lists at most kFolderLimit folders, at most kMaxDepth
// open at a time, and keeps at most kMediaLimit + kMaxDepth recordings (a few hundred bytes
// each, their paths below PATH_MAX), so memory stays under a few megabytes however huge or
// deep the tree. Time is one look at every entry of the listed folders, plus the sort.
class ORXMediaList
{
public:
    // Collecting stops once this many recordings are found (see collectMedias()).
    static constexpr qsizetype kMediaLimit = 15000;
    // Guards against folder-link fans (folders holding several links to the next level):
    // the walk goes no deeper than this and lists at most kFolderLimit folders.
    static constexpr int kMaxDepth = 128;
    static constexpr int kFolderLimit = 10000;

    // One published state of the list; never changed once published.
    struct Contents
    {
        QList<ORXMediaPtr> medias;
        QHash<QString, ORXMediaPairPtr> mediaPairDic;
    };

    ORXMediaList();
    ~ORXMediaList(); // stops and waits for a running rebuild; the delegate is not told
    ORXMediaList(const ORXMediaList&) = delete;
    ORXMediaList& operator=(const ORXMediaList&) = delete;

    static std::unique_ptr<ORXMediaList> mediaList();

    // Stores the folder and, for a non-null path, starts a rebuild and returns at once.
    // Setting the same folder again rebuilds again; a null path starts nothing.
    void setDirectoryPath(const QString& path);
    QString directoryPath() const;

    ORXMediaListDelegate* delegate() const { return m_delegate.load(); }
    void setDelegate(ORXMediaListDelegate* delegate) { m_delegate.store(delegate); }

    // Readers; each call sees one whole published list. Use contents() to read several
    // things from the same list.
    qsizetype count() const;
    ORXMediaPtr mediaAtIndex(qsizetype index) const;
    ORXMediaPairPtr findMediaPairWithFileName(const QString& fileName) const;
    QList<ORXMediaPtr> medias() const;
    QHash<QString, ORXMediaPairPtr> mediaPairDic() const;
    std::shared_ptr<const Contents> contents() const;

    // The filter, kept across rebuilds. Setting it publishes the narrowed list at once; the
    // delegate is not told (the caller, which changed it, updates its own view).
    void setFilter(const ORXMediaFilter& filter);
    ORXMediaFilter filter() const;
    // The days ("yyyymmdd") of all recordings of the folder, whatever the filter, ascending.
    QStringList days() const;
    // The number of recordings of the folder, whatever the filter.
    qsizetype unfilteredCount() const;

    // Appends a recording and files it into its pair.
    void addMedia(const ORXMediaPtr& media);

    // The recording of a path when its name fits the recording grammar, else nothing. The
    // extension is not looked at here (the folder walk checks it).
    static ORXMediaPtr createMediaByPath(const QString& path);
    static bool isRecordingName(const QString& mediaName);

    // Waits until no rebuild is running or queued. The rebuild still runs on its worker, never
    // on the waiting thread. Not to be called from the delegate, nor from a thread the
    // delegate waits for.
    void waitForRebuild();

private:
    void rebuild(const QString& directoryPath, quint64 generation);
    std::optional<QList<ORXMediaPtr>> collectMedias(const QString& directoryPath, quint64 generation) const;
    void publish(std::shared_ptr<const Contents> contents, quint64 generation);
    static std::shared_ptr<const Contents> filtered(const std::shared_ptr<const Contents>& all,
                                                    const ORXMediaFilter& filter);
    static void fileMedia(Contents& contents, const ORXMediaPtr& media);
    static QString groupNameOfFileName(const QString& fileName);
    bool isSuperseded(quint64 generation) const { return m_generation.load(std::memory_order_relaxed) != generation; }

    // Rebuilds started and not yet ended. Shared with each rebuild task, so the task's last
    // step (counting itself out) never touches a list that its waiter has already destroyed.
    struct Pending
    {
        QMutex mutex;
        QWaitCondition idle;
        int count = 0;
    };

    mutable QMutex m_mutex; // guards m_contents, m_allContents, m_filter, m_directoryPath
    QMutex m_notifyMutex;   // one delegate call at a time, in the order lists are published
    std::shared_ptr<const Contents> m_contents;    // what the filter lets through
    std::shared_ptr<const Contents> m_allContents; // every recording of the folder
    ORXMediaFilter m_filter;
    QString m_directoryPath;
    std::shared_ptr<Pending> m_pending = std::make_shared<Pending>();
    std::atomic<quint64> m_generation{0};
    std::atomic<ORXMediaListDelegate*> m_delegate{nullptr};
};
