#include "OrvexTest.h"

#include "ORXMedia.h"
#include "ORXMediaList.h"
#include "VLCMedia.h"
#include "VLCTime.h"

#include <limits>

// Recordings parsed from their file names, their order, and the engine's media channel.
class TestMedia : public QObject
{
    Q_OBJECT

private slots:
    void grammar_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("division");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("key");

        const QString zeros(14, QLatin1Char('0'));
        QTest::newRow("always front") << "alwa_20230105_134501_F.avi" << true << 0 << 0 << "20230105134501";
        QTest::newRow("motion rear") << "motion_20230105_134501_R.avi" << true << 1 << 1 << "20230105134501";
        QTest::newRow("event rear, upper-case extension") << "event_20230105_134501_R.AVI" << true << 2 << 1 << "20230105134501";
        QTest::newRow("no prefix, accepted length") << "xxxx_20230105_134501_F.avi" << true << 0 << 0 << zeros;
        QTest::newRow("no prefix, non-ASCII") << "ålwa_20230105_134501_R.avi" << true << 0 << 1 << zeros;
        QTest::newRow("suffix X") << "alwa_20230105_134501_X.avi" << false << 0 << 2 << "20230105134501";
        QTest::newRow("lower-case suffix") << "alwa_20230105_134501_f.avi" << false << 0 << 2 << "20230105134501";
        // Lengths: 22, 23 and 24 only; other lengths leave division and channel at 0.
        QTest::newRow("too short") << "alwa_2023_F.avi" << false << 0 << 0 << zeros;
        QTest::newRow("length 21") << "alwa_20230105_13450_F.avi" << false << 0 << 0 << zeros;
        QTest::newRow("length 25") << "motion_20230105_1345011_F.avi" << false << 0 << 0 << zeros;
        QTest::newRow("empty") << "" << false << 0 << 0 << zeros;
        QTest::newRow("year 1969") << "motion_19690105_134501_R.avi" << false << 1 << 2 << zeros;
        QTest::newRow("year 1970") << "alwa_19700105_134501_F.avi" << true << 0 << 0 << "19700105134501";
        QTest::newRow("year 2700") << "alwa_27000105_134501_F.avi" << true << 0 << 0 << "27000105134501";
        QTest::newRow("year 2701") << "alwa_27010105_134501_F.avi" << false << 0 << 2 << zeros;
        QTest::newRow("month 0") << "alwa_20230005_134501_F.avi" << false << 0 << 2 << zeros;
        QTest::newRow("month 12") << "alwa_20231205_134501_F.avi" << true << 0 << 0 << "20231205134501";
        QTest::newRow("month 13") << "alwa_20231305_134501_F.avi" << false << 0 << 2 << zeros;
        QTest::newRow("day 0") << "event_20230100_134501_F.avi" << false << 2 << 2 << zeros;
        QTest::newRow("day 31") << "event_20230131_134501_F.avi" << true << 2 << 0 << "20230131134501";
        QTest::newRow("day 32") << "event_20230132_134501_F.avi" << false << 2 << 2 << zeros;
        QTest::newRow("hour 24") << "alwa_20230105_240000_F.avi" << true << 0 << 0 << "20230105240000";
        QTest::newRow("hour 25") << "alwa_20230105_250000_F.avi" << false << 0 << 2 << zeros;
        QTest::newRow("minute and second 60") << "alwa_20230105_126060_F.avi" << true << 0 << 0 << "20230105126060";
        QTest::newRow("minute 61") << "alwa_20230105_126100_F.avi" << false << 0 << 2 << zeros;
        QTest::newRow("second 61") << "alwa_20230105_120061_F.avi" << false << 0 << 2 << zeros;
        // Numbers end at the first non-digit; the separator is not checked.
        QTest::newRow("digit after the seconds") << "alwa_20230105_1345017_F.avi" << true << 0 << 0 << "20230105134501";
        QTest::newRow("separator not checked") << "alwa_20230105x134501_F.avi" << true << 0 << 0 << "20230105134501";
        QTest::newRow("digit then letter") << "alwa_20230105_1a4501_F.avi" << true << 0 << 0 << "20230105014501";
        QTest::newRow("letter first gives 0") << "alwa_2023a105_134501_F.avi" << false << 0 << 2 << zeros;
        QTest::newRow("full-width digits") << "alwa_２０２３0105_134501_F.avi" << false << 0 << 2 << zeros;
        QTest::newRow("sign is no digit") << "alwa_2023-105_134501_F.avi" << false << 0 << 2 << zeros;
    }

    void grammar()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        QFETCH(int, division);
        QFETCH(int, direction);
        QFETCH(QString, key);

        const QString path = QStringLiteral("/card/DCIM/") + name;
        const ORXMediaPtr media = ORXMedia::mediaWithPath(path);
        QCOMPARE(media->mediaDivision(), division);
        QCOMPARE(media->mediaDirection(), direction);
        QCOMPARE(media->yyyymmddhhmiss(), key);
        QCOMPARE(bool(ORXMediaList::createMediaByPath(path)), accepted);
    }

    void pathForms_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("mediaName");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("groupName");

        const QString cwd = QDir::currentPath();
        QTest::newRow("relative") << "rec/a_F.avi" << cwd + "/rec/a_F.avi" << cwd + "/rec" << "a_F" << "avi" << "a";
        QTest::newRow("trailing separator") << "/c/a_R.avi/" << "/c/a_R.avi" << "/c" << "a_R" << "avi" << "a";
        QTest::newRow("in the root") << "/a_R.avi" << "/a_R.avi" << "/" << "a_R" << "avi" << "a";
        QTest::newRow("hidden, no extension") << "/c/.avi" << "/c/.avi" << "/c" << ".avi" << "" << ".a";
        QTest::newRow("two points") << "/c/x.y.avi" << "/c/x.y.avi" << "/c" << "x.y" << "avi" << "x";
        QTest::newRow("no extension") << "/c/noext" << "/c/noext" << "/c" << "noext" << "" << "noe";
        QTest::newRow("name shorter than suffix") << "/c/a.avi" << "/c/a.avi" << "/c" << "a" << "avi" << "";
        QTest::newRow("empty") << "" << "" << "" << "" << "" << "";
        QTest::newRow("the root") << "/" << "/" << "/" << "" << "" << "";
    }

    void pathForms()
    {
        QFETCH(QString, given);
        const ORXMediaPtr media = ORXMedia::mediaWithPath(given);
        QTEST(media->path(), "path");
        QTEST(media->dir(), "dir");
        QTEST(media->mediaName(), "mediaName");
        QTEST(media->extension(), "extension");
        QTEST(media->mediaGroupName(), "groupName");
    }

    // The list splits names of paths as the directory walk gives them, separators and all.
    void splitFileName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("mediaName");
        QTest::addColumn<QString>("extension");
        QTest::newRow("trailing separators") << "/c/alwa_20230105_134501_F.avi//" << "alwa_20230105_134501_F" << "avi";
        QTest::newRow("bare name") << "a_R.avi" << "a_R" << "avi";
        QTest::newRow("one character, trailing separator") << "x/" << "x" << "";
        QTest::newRow("root") << "/" << "" << "";
    }
    void splitFileName()
    {
        QFETCH(QString, path);
        const ORXMedia::NameParts parts = ORXMedia::splitFileName(path);
        QTEST(parts.mediaName, "mediaName");
        QTEST(parts.extension, "extension");
    }

    void compareDate_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("expected"); // -1 first sorts before second, 0 same, 1 after

        QTest::newRow("earlier second") << "alwa_20230105_134500_R.avi" << "alwa_20230105_134501_F.avi" << -1;
        QTest::newRow("later day") << "event_20230106_000000_F.avi" << "alwa_20230105_235959_F.avi" << 1;
        QTest::newRow("event before always") << "event_20230105_134501_F.avi" << "alwa_20230105_134501_F.avi" << -1;
        QTest::newRow("event before motion") << "event_20230105_134501_R.avi" << "motion_20230105_134501_F.avi" << -1;
        QTest::newRow("motion before always") << "motion_20230105_134501_R.avi" << "alwa_20230105_134501_F.avi" << -1;
        QTest::newRow("front before rear") << "alwa_20230105_134501_F.avi" << "alwa_20230105_134501_R.avi" << -1;
        QTest::newRow("rear before unknown") << "alwa_20230105_134501_R.avi" << "alwa_20230105_134501_X.avi" << -1;
        QTest::newRow("same") << "/a/alwa_20230105_134501_F.avi" << "/b/alwa_20230105_134501_F.avi" << 0;
        QTest::newRow("undated before dated") << "xxxx_20230105_134501_F.avi" << "alwa_19700101_000000_R.avi" << -1;
    }

    void compareDate()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(int, expected);
        const ORXMediaPtr a = ORXMedia::mediaWithPath(first);
        const ORXMediaPtr b = ORXMedia::mediaWithPath(second);
        const auto order = a->compareDate(*b);
        QCOMPARE(order < 0 ? -1 : order > 0 ? 1 : 0, expected);
        const auto reverse = b->compareDate(*a);
        QCOMPARE(reverse < 0 ? -1 : reverse > 0 ? 1 : 0, -expected);
    }

    void vlcMediaDirection_data()
    {
        QTest::addColumn<QUrl>("url");
        QTest::addColumn<int>("direction");

        QTest::newRow("front") << QUrl("file:///card/alwa_20230105_134501_F.avi") << 0;
        QTest::newRow("rear, any case") << QUrl("file:///card/x_r.AVI") << 1;
        QTest::newRow("front, upper-case extension") << QUrl("file:///card/x_F.AVI") << 0;
        QTest::newRow("no channel suffix") << QUrl("file:///card/clip.avi") << 2;
        QTest::newRow("suffix without extension") << QUrl("file:///card/x_R") << 2;
        QTest::newRow("other extension") << QUrl("file:///card/x_R.mp4") << 2;
        QTest::newRow("path shorter than six") << QUrl("file:///_R.a") << 2;
        QTest::newRow("path of exactly six") << QUrl("file:_R.avi") << 1;
        QTest::newRow("no URL") << QUrl() << 2;
    }

    void vlcMediaDirection()
    {
        QFETCH(QUrl, url);
        QFETCH(int, direction);
        const VLCMedia media(url);
        QCOMPARE(media.mediaDirection(), direction);
    }

    void vlcMediaPathAndLength()
    {
        const auto media = VLCMedia::mediaWithPath(QStringLiteral("/card/DCIM/event 1_R.avi"));
        QCOMPARE(media->url(), QUrl::fromLocalFile(QStringLiteral("/card/DCIM/event 1_R.avi")));
        QVERIFY(media->isRearMedia());
        QCOMPARE(media->length().intValue(), 0); // unknown until an engine has opened it
        media->setLength(VLCTime::timeWithInt(61500));
        QCOMPARE(media->length().intValue(), 61500);

        const auto relative = VLCMedia::mediaWithPath(QStringLiteral("rec_F.avi"));
        QCOMPARE(relative->url().toLocalFile(), QDir::current().absoluteFilePath(QStringLiteral("rec_F.avi")));
        QVERIFY(relative->isFrontMedia());
        QCOMPARE(VLCMedia::mediaWithPath(QString())->mediaDirection(), 2);
    }

    void vlcTimeText_data()
    {
        QTest::addColumn<qint64>("milliseconds");
        QTest::addColumn<QString>("text");

        QTest::newRow("under a second") << qint64(999) << "00:00";
        QTest::newRow("minute and second") << qint64(61000) << "01:01";
        QTest::newRow("just under an hour") << qint64(3599999) << "59:59";
        QTest::newRow("one hour") << qint64(3600000) << "1:00:00";
        QTest::newRow("ten hours") << qint64(36000000) << "10:00:00";
        QTest::newRow("negative") << qint64(-1000) << "-00:01";
        QTest::newRow("negative hours") << qint64(-3723000) << "-1:02:03";
        QTest::newRow("most negative") << std::numeric_limits<qint64>::min() << "-2562047788015:12:55";
    }

    void vlcTimeText()
    {
        QFETCH(qint64, milliseconds);
        const VLCTime time = VLCTime::timeWithInt(milliseconds);
        QCOMPARE(time.intValue(), milliseconds);
        QTEST(time.stringValue(), "text");
    }
};

ORVEX_TEST(TestMedia)
#include "tst_media.moc"
