// The recording list narrowed by kind and day: what it lists, its pairs, its days, and a
// filter that outlives a rebuild.
#include "OrvexTest.h"

#include "ORXMediaList.h"

namespace {
const QStringList kFolder = {
    QStringLiteral("alwa_20230105_134501_F.avi"),   QStringLiteral("alwa_20230105_134501_R.avi"),
    QStringLiteral("event_20230105_134601_F.avi"),  QStringLiteral("event_20230105_134601_R.avi"),
    QStringLiteral("motion_20230106_090000_F.avi"), QStringLiteral("event_20230106_100000_F.avi"),
    QStringLiteral("abcd_00000000_000000_F.avi"), // listed as always, without a time
};

QStringList fileNames(const ORXMediaList& list)
{
    QStringList names;
    for (const ORXMediaPtr& media : list.medias())
        names << media->fileName();
    return names;
}
} // namespace

class MediaListFilterTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        for (const QString& name : kFolder) {
            QFile file(m_dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }

    void filterNarrowsListAndPairs_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<int>("pairs");
        QTest::newRow("everything") << -1 << QString()
                                    << QStringList(kFolder.last()) + kFolder.mid(0, 2) + kFolder.mid(2, 4)
                                    << 5;
        QTest::newRow("events") << 2 << QString() << QStringList{kFolder[2], kFolder[3], kFolder[5]} << 2;
        QTest::newRow("always, no time included")
            << 0 << QString() << QStringList{kFolder[6], kFolder[0], kFolder[1]} << 2;
        QTest::newRow("motion") << 1 << QString() << QStringList{kFolder[4]} << 1;
        QTest::newRow("one day") << -1 << "20230106" << QStringList{kFolder[4], kFolder[5]} << 2;
        QTest::newRow("events of one day") << 2 << "20230105" << QStringList{kFolder[2], kFolder[3]} << 1;
        QTest::newRow("a day without recordings") << -1 << "20230107" << QStringList() << 0;
        QTest::newRow("bad kind and day mean all")
            << 7 << "2023-01-05" << QStringList(kFolder.last()) + kFolder.mid(0, 6) << 5;
    }
    void filterNarrowsListAndPairs()
    {
        QFETCH(int, kind);
        QFETCH(QString, day);
        QFETCH(QStringList, listed);
        QFETCH(int, pairs);
        ORXMediaList list;
        list.setFilter(ORXMediaFilter(kind, day)); // before the folder: kept for its rebuild
        list.setDirectoryPath(m_dir.path());
        list.waitForRebuild();
        QCOMPARE(fileNames(list), listed);
        QCOMPARE(list.mediaPairDic().size(), pairs);
        QCOMPARE(list.unfilteredCount(), qsizetype(kFolder.size()));
        // Every pair holds only recordings that are listed.
        for (const ORXMediaPairPtr& pair : list.mediaPairDic()) {
            for (const ORXMediaPtr& media : {pair->frontMedia(), pair->rearMedia()})
                QVERIFY(!media || listed.contains(media->fileName()));
        }
        // The days are the folder's, whatever the filter.
        QCOMPARE(list.days(), QStringList({QStringLiteral("20230105"), QStringLiteral("20230106")}));
    }

    // A filter set on a filled list narrows it at once, and clearing it brings all back.
    void filterOnAFilledList()
    {
        ORXMediaList list;
        list.setDirectoryPath(m_dir.path());
        list.waitForRebuild();
        list.setFilter(ORXMediaFilter(ORXMedia::Event, QString()));
        QCOMPARE(list.count(), 3);
        QVERIFY(!list.findMediaPairWithFileName(kFolder[0]));
        QVERIFY(list.findMediaPairWithFileName(kFolder[2])->rearMedia());
        list.setFilter(ORXMediaFilter());
        QCOMPARE(list.count(), kFolder.size());
        QVERIFY(list.findMediaPairWithFileName(kFolder[0])->rearMedia());
    }
};

ORVEX_TEST(MediaListFilterTest)
#include "tst_medialist_filter.moc"
