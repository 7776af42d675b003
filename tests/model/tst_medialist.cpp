#include "OrvexTest.h"

#include "ORXMediaList.h"

namespace {
bool touch(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

// An always recording whose start is `index` seconds after 2023-01-01 00:00:00.
QString recordingName(int index, char channel = 'F')
{
    return QString::asprintf("alwa_202301%02d_%02d%02d%02d_%c.avi", 1 + index / 86400, index / 3600 % 24,
                             index / 60 % 60, index % 60, channel);
}

bool makeRecordings(const QString& folder, int count, int firstIndex = 0)
{
    if (!QDir().mkpath(folder))
        return false;
    for (int i = 0; i < count; ++i) {
        if (!touch(folder + QLatin1Char('/') + recordingName(firstIndex + i)))
            return false;
    }
    return true;
}

// A folder for trees of thousands of files: in memory where the system offers it (disks are slow).
QTemporaryDir bigTempDir()
{
    if (QFileInfo(QStringLiteral("/dev/shm")).isWritable()) {
        QTemporaryDir dir(QStringLiteral("/dev/shm/orvex-test-XXXXXX"));
        if (dir.isValid())
            return dir;
    }
    return QTemporaryDir();
}

void rebuild(ORXMediaList& list, const QString& folder)
{
    list.setDirectoryPath(folder);
    list.waitForRebuild();
}

QStringList fileNames(const QList<ORXMediaPtr>& medias)
{
    QStringList names;
    for (const ORXMediaPtr& media : medias)
        names << media->fileName();
    return names;
}

// Every kind, pairs and singles, two days, and a name without a time (listed as always).
const QStringList kFilterFolder = {
    QStringLiteral("alwa_20230105_134501_F.avi"),   QStringLiteral("alwa_20230105_134501_R.avi"),
    QStringLiteral("event_20230105_134601_F.avi"),  QStringLiteral("event_20230105_134601_R.avi"),
    QStringLiteral("motion_20230106_090000_F.avi"), QStringLiteral("event_20230106_100000_F.avi"),
    QStringLiteral("abcd_00000000_000000_F.avi"),
};

struct Recorder : ORXMediaListDelegate
{
    void mediaListChanged(ORXMediaList* list) override
    {
        QMutexLocker lock(&mutex);
        lists << list;
        counts << list->count();
        onMainThread = onMainThread || QThread::currentThread() == qApp->thread();
    }
    QMutex mutex;
    QList<ORXMediaList*> lists;
    QList<qsizetype> counts;
    bool onMainThread = false;
};
} // namespace

// The recording list of a folder tree: what is listed, order, pairs, limits and threads.
class TestMediaList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (const QString& name : kFilterFolder)
            QVERIFY(touch(m_filterDir.filePath(name)));
    }

    void sortedAcrossFolders()
    {
        QTemporaryDir temp;
        const QString root = temp.path();
        QVERIFY(QDir().mkpath(root + "/a/deeper") && QDir().mkpath(root + "/b"));
        // Not listed: other extensions, an unknown channel, no extension, a folder named like a
        // recording. Hidden files are walked too.
        QVERIFY(QDir().mkpath(root + "/b/alwa_20230107_000000_F.avi"));
        for (const char* path :
             {"/a/alwa_20230105_134501_R.avi", "/b/event_20230105_134501_F.AVI",
              "/a/deeper/alwa_20230105_134501_F.avi", "/alwa_20230105_134500_R.avi",
              "/b/motion_20230104_235959_F.avi", "/a/deeper/zzzz_20230105_134501_R.avi",
              "/alwa_20230106_000000_F.avi", "/b/notes.txt", "/b/alwa_20230105_134501_F.mp4",
              "/b/alwa_20230105_134501_X.avi", "/b/alwa_20230105_134501_F", "/b/.alwa_20230105_134501_F.avi"})
            QVERIFY(touch(root + QLatin1String(path)));
        ORXMediaList list;
        rebuild(list, root);
        QCOMPARE(fileNames(list.medias()),
                 (QStringList{".alwa_20230105_134501_F.avi", "zzzz_20230105_134501_R.avi",
                              "motion_20230104_235959_F.avi", "alwa_20230105_134500_R.avi",
                              "event_20230105_134501_F.AVI", "alwa_20230105_134501_F.avi",
                              "alwa_20230105_134501_R.avi", "alwa_20230106_000000_F.avi"}));
        QCOMPARE(list.mediaAtIndex(5)->path(), root + "/a/deeper/alwa_20230105_134501_F.avi");
        QVERIFY(!list.mediaAtIndex(8));
        QVERIFY(!list.mediaAtIndex(-1));
        QVERIFY(!list.mediaAtIndex(std::numeric_limits<qsizetype>::max()));
        QVERIFY(!ORXMediaList().mediaAtIndex(0));
    }

    void pairs()
    {
        QTemporaryDir temp;
        for (const char* name : {"alwa_20230105_134501_F.avi", "alwa_20230105_134501_R.avi",
                                 "event_20230105_140000_F.avi", "motion_20230105_150000_R.avi"})
            QVERIFY(touch(temp.filePath(name)));
        ORXMediaList list;
        rebuild(list, temp.path());
        const auto dic = list.mediaPairDic();
        QCOMPARE(dic.size(), 3);

        const ORXMediaPairPtr both = dic.value("alwa_20230105_134501");
        QVERIFY(both && both->frontMedia() && both->rearMedia());
        QCOMPARE(both->rearMedia()->path(), temp.filePath("alwa_20230105_134501_R.avi"));
        QCOMPARE(both->partnerOf(*both->frontMedia()), both->rearMedia());
        QCOMPARE(both->partnerOf(*both->rearMedia()), both->frontMedia());
        QCOMPARE(both->frontMedia(), list.mediaAtIndex(0)); // shared with the list, not copied

        const ORXMediaPairPtr frontOnly = dic.value("event_20230105_140000");
        QVERIFY(frontOnly && frontOnly->frontMedia());
        QVERIFY(!frontOnly->rearMedia());
        QVERIFY(!frontOnly->partnerOf(*frontOnly->frontMedia()));

        const ORXMediaPairPtr rearOnly = dic.value("motion_20230105_150000");
        QVERIFY(rearOnly && rearOnly->rearMedia() && !rearOnly->frontMedia());
    }

    // The list narrowed by kind and day; a filter set before the folder is kept for its rebuild.
    void filterNarrowsListAndPairs_data()
    {
        const QStringList& f = kFilterFolder;
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<int>("pairs");
        QTest::newRow("everything") << -1 << QString() << QStringList(f.last()) + f.mid(0, 6) << 5;
        QTest::newRow("events") << 2 << QString() << QStringList{f[2], f[3], f[5]} << 2;
        QTest::newRow("always, no time included") << 0 << QString() << QStringList{f[6], f[0], f[1]} << 2;
        QTest::newRow("motion") << 1 << QString() << QStringList{f[4]} << 1;
        QTest::newRow("one day") << -1 << "20230106" << QStringList{f[4], f[5]} << 2;
        QTest::newRow("events of one day") << 2 << "20230105" << QStringList{f[2], f[3]} << 1;
        QTest::newRow("a day without recordings") << -1 << "20230107" << QStringList() << 0;
        QTest::newRow("eight characters, not all digits") << -1 << "2023-1-5" << QStringList(f.last()) + f.mid(0, 6) << 5;
        QTest::newRow("bad kind and day mean all") << 7 << "2023-01-05" << QStringList(f.last()) + f.mid(0, 6) << 5;
    }
    void filterNarrowsListAndPairs()
    {
        QFETCH(QStringList, listed);
        QFETCH(int, kind);
        QFETCH(QString, day);
        ORXMediaList list;
        list.setFilter(ORXMediaFilter(kind, day));
        rebuild(list, m_filterDir.path());
        QCOMPARE(fileNames(list.medias()), listed);
        QTEST(int(list.mediaPairDic().size()), "pairs");
        QCOMPARE(list.unfilteredCount(), kFilterFolder.size());
        for (const ORXMediaPairPtr& pair : list.mediaPairDic()) { // only listed recordings
            for (const ORXMediaPtr& media : {pair->frontMedia(), pair->rearMedia()})
                QVERIFY(!media || listed.contains(media->fileName()));
        }
        QCOMPARE(list.days(), QStringList({"20230105", "20230106"})); // the folder's, whatever the filter
    }

    // A filter set on a filled list narrows it at once, and clearing it brings all back.
    void filterOnAFilledList()
    {
        ORXMediaList list;
        rebuild(list, m_filterDir.path());
        list.setFilter(ORXMediaFilter(ORXMedia::Event, QString()));
        QCOMPARE(list.count(), 3);
        QVERIFY(!list.findMediaPairWithFileName(kFilterFolder[0]));
        QVERIFY(list.findMediaPairWithFileName(kFilterFolder[2])->rearMedia());
        list.setFilter(ORXMediaFilter());
        QCOMPARE(list.count(), kFilterFolder.size());
        QVERIFY(list.findMediaPairWithFileName(kFilterFolder[0])->rearMedia());
    }

    void limitNesting()
    {
        // 3 x 3 folders of 2500: past the limit each folder ends after its first recording.
        QTemporaryDir temp = bigTempDir();
        int index = 0;
        for (const char* outer : {"a", "b", "c"}) {
            for (const char* inner : {"x", "y", "z"}) {
                QVERIFY(makeRecordings(temp.path() + "/" + outer + "/" + inner, 2500, index));
                index += 2500;
            }
        }
        ORXMediaList list;
        rebuild(list, temp.path());
        QCOMPARE(list.count(), ORXMediaList::kMediaLimit + 3);
    }

    void deepTreeEndsAtDepthLimit()
    {
        // 200 nested folders, one recording in each: the walk lists the top kMaxDepth.
        QTemporaryDir temp = bigTempDir();
        QString folder = temp.path();
        for (int level = 0; level < 200; ++level) {
            QVERIFY(touch(folder + QLatin1Char('/') + recordingName(level)));
            folder += QStringLiteral("/d");
            QVERIFY(QDir().mkpath(folder));
        }
        ORXMediaList list;
        rebuild(list, temp.path());
        QCOMPARE(list.count(), ORXMediaList::kMaxDepth);
    }

    void folderLinkCycles()
    {
        QTemporaryDir temp;
        const QString root = temp.path();
        QVERIFY(makeRecordings(root + "/a", 1) && QDir().mkpath(root + "/b"));
        QVERIFY(QFile::link(root, root + "/a/up"));          // back to the top
        QVERIFY(QFile::link(root + "/a", root + "/a/self")); // to itself
        QVERIFY(QFile::link("../a", root + "/b/toA"));       // a second way into a: not a cycle
        QVERIFY(QFile::link(root + "/missing", root + "/b/dangling"));
        ORXMediaList list;
        rebuild(list, root);
        QStringList paths;
        for (const ORXMediaPtr& media : list.medias())
            paths << media->path();
        paths.sort();
        QCOMPARE(paths, (QStringList{root + "/a/" + recordingName(0), root + "/b/toA/" + recordingName(0)}));
    }

    void folderLinkFanEnds()
    {
        // A recording and two links to the next level in each: 2^16 ways down, no cycle.
        QTemporaryDir temp = bigTempDir();
        const int levels = 16;
        for (int level = 0; level < levels; ++level) {
            const QString folder = temp.path() + QString::asprintf("/l%02d", level);
            QVERIFY(QDir().mkpath(folder) && touch(folder + "/" + recordingName(level)));
            if (level + 1 < levels) {
                const QString next = QString::asprintf("../l%02d", level + 1);
                QVERIFY(QFile::link(next, folder + "/p") && QFile::link(next, folder + "/q"));
            }
        }
        QElapsedTimer timer;
        timer.start();
        ORXMediaList list;
        rebuild(list, temp.path() + "/l00");
        QCOMPARE(list.count(), ORXMediaList::kFolderLimit);
        QVERIFY2(timer.elapsed() < 60000, "the walk of a link fan must end");
    }

    void delegateAndPaths()
    {
        QTemporaryDir temp;
        QVERIFY(makeRecordings(temp.path(), 4));
        Recorder recorder;
        ORXMediaList list;
        list.setDelegate(&recorder);

        rebuild(list, temp.path());
        rebuild(list, temp.path()); // the same folder again rebuilds again
        rebuild(list, temp.path() + "/missing");
        rebuild(list, temp.filePath(recordingName(0))); // a file, not a folder
        QCOMPARE(recorder.counts, (QList<qsizetype>{4, 4, 0, 0}));
        QCOMPARE(recorder.lists, (QList<ORXMediaList*>{&list, &list, &list, &list}));
        QVERIFY(!recorder.onMainThread);
        QCOMPARE(list.directoryPath(), temp.filePath(recordingName(0)));

        list.setDirectoryPath(QString()); // no folder: nothing starts, the list stays
        list.waitForRebuild();
        QCOMPARE(recorder.counts.size(), 4);
        QVERIFY(list.directoryPath().isNull());

        rebuild(list, temp.path());
        QCOMPARE(list.count(), 4);
        rebuild(list, QStringLiteral("")); // an empty path lists nothing rather than the working folder
        QCOMPARE(list.count(), 0);
        QCOMPARE(recorder.counts.size(), 6);
    }

    void supersededRebuildIsDropped()
    {
        QTemporaryDir first;
        QTemporaryDir second;
        QVERIFY(makeRecordings(first.path(), 5) && makeRecordings(second.path(), 2));
        Recorder recorder;
        ORXMediaList list;
        list.setDelegate(&recorder);

        // Hold the pool's only thread so both rebuilds are queued before either runs.
        QThreadPool* pool = QThreadPool::globalInstance();
        const int threads = pool->maxThreadCount();
        pool->setMaxThreadCount(1);
        QSemaphore started;
        QSemaphore release;
        pool->start([&] {
            started.release();
            release.acquire();
        });
        started.acquire();
        list.setDirectoryPath(first.path());
        list.setDirectoryPath(second.path());
        release.release();
        list.waitForRebuild();
        pool->setMaxThreadCount(threads);

        QCOMPARE(recorder.counts, QList<qsizetype>{2});
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.mediaAtIndex(0)->dir(), second.path());
    }

    void destroyedWhileRebuilding()
    {
        QTemporaryDir temp = bigTempDir();
        QVERIFY(makeRecordings(temp.path() + "/sub", 3000));
        Recorder recorder;
        {
            ORXMediaList list;
            list.setDelegate(&recorder);
            list.setDirectoryPath(temp.path());
        } // waits for the walk to stop; the delegate is not told about a list that is gone
        QThreadPool::globalInstance()->waitForDone();
        QVERIFY(recorder.counts.size() <= 1);
        if (!recorder.counts.isEmpty()) // the rebuild may have ended before the list went
            QCOMPARE(recorder.counts.first(), 3000);
    }

    void readerSeesWholeLists()
    {
        QTemporaryDir small;
        QTemporaryDir big = bigTempDir();
        QVERIFY(makeRecordings(small.path(), 40) && makeRecordings(big.path() + "/sub", 4000, 1000));
        ORXMediaList list;
        rebuild(list, small.path());
        for (int round = 0; round < 3; ++round) {
            list.setDirectoryPath(round % 2 ? small.path() : big.path());
            int reads = 0;
            do {
                const auto contents = list.contents();
                const qsizetype count = contents->medias.size();
                QVERIFY2(count == 40 || count == 4000, qPrintable(QString::number(count)));
                QCOMPARE(contents->mediaPairDic.size(), count); // one front recording per moment
                QCOMPARE(contents->medias.last()->fileName(), recordingName(count == 40 ? 39 : 4999));
                ++reads;
            } while (QThreadPool::globalInstance()->activeThreadCount() > 0 && reads < 100000);
            list.waitForRebuild();
            QCOMPARE(list.count(), round % 2 ? 40 : 4000);
        }
    }

private:
    QTemporaryDir m_filterDir;
};

ORVEX_TEST(TestMediaList)
#include "tst_medialist.moc"
