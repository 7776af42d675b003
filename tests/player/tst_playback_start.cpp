#include "OrvexTest.h"
#include "PlaybackFixture.h"
#include "TinyRecording.h"

class PlaybackStartTest : public QObject
{
    Q_OBJECT

private slots:
    // Nothing to play: no start, and the transport does nothing.
    void emptyListRefuses()
    {
        PlaybackFixture f;
        f.controller->clickPlayButton();
        f.controller->jumpForward();
        f.controller->jumpBackward();
        QVERIFY(!f.controller->moving());
        QVERIFY(!f.controller->playAtIndex(0));
        QCOMPARE(f.controller->mediaIndex(), -1);
        QVERIFY(f.player1.calls.isEmpty());
        QCOMPARE(f.view.loadingShown, 0);
        QVERIFY(!f.controller->waitingForPlayStart());
    }

    void clampsIndex_data()
    {
        QTest::addColumn<qint64>("requested");
        QTest::addColumn<qint64>("played");
        QTest::newRow("below 0") << qint64(-7) << qint64(0);
        QTest::newRow("at count") << qint64(5) << qint64(4);
    }
    void clampsIndex()
    {
        QFETCH(qint64, requested);
        QFETCH(qint64, played);
        PlaybackFixture f(kPairAndSingle);
        QVERIFY(f.start(requested));
        QCOMPARE(f.controller->mediaIndex(), played);
        QCOMPARE(f.view.selected, int(played));
        QCOMPARE(f.player1.fileName(), kPairAndSingle[played]);
    }

    void assignsChannels_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("file1");
        QTest::addColumn<QString>("file2");
        QTest::addColumn<QStringList>("logos");
        QTest::addColumn<bool>("partnerShown");
        const QStringList front = {QStringLiteral("v1_front_logo"), QStringLiteral("v2_rear_logo")};
        const QStringList rear = {QStringLiteral("v1_rear_logo"), QStringLiteral("v2_front_logo")};
        const QStringList loneRear = {QStringLiteral("alwa_20230105_134801_R.avi")};
        QTest::newRow("front of a pair")
            << kPairAndSingle << 0 << kPairAndSingle[0] << kPairAndSingle[1] << front << true;
        QTest::newRow("rear of a pair")
            << kPairAndSingle << 1 << kPairAndSingle[1] << kPairAndSingle[0] << rear << true;
        QTest::newRow("front alone") << kPairAndSingle << 2 << kPairAndSingle[2] << QString() << front
                                     << false;
        QTest::newRow("rear alone") << loneRear << 0 << loneRear[0] << QString() << rear << false;
    }
    void assignsChannels()
    {
        QFETCH(QStringList, names);
        QFETCH(int, row);
        QFETCH(bool, partnerShown);
        PlaybackFixture f(names);
        f.view.audioToggleVisible = !partnerShown;
        f.view.videoVisible[1] = !partnerShown;
        QVERIFY(f.start(row));
        QTEST(f.player1.fileName(), "file1");
        QTEST(f.player2.fileName(), "file2");
        QTEST(f.view.logos, "logos");
        QCOMPARE(f.view.audioToggleVisible, partnerShown);
        QCOMPARE(f.view.videoVisible[1], partnerShown);
        QCOMPARE(f.controller->hasRearMedia(), partnerShown);
        QCOMPARE(f.player2.count(QStringLiteral("play")) > 0, partnerShown);
        QCOMPARE(f.view.loadingShown, 1);
        QVERIFY(!f.view.isLoadingStopped());
    }

    // The trace shows the front file's samples whichever channel is large; without them it still plays.
    void telemetryFromFrontFile_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("samples");
        QTest::newRow("front picked") << 0 << 20;
        QTest::newRow("rear picked") << 1 << 20;
        QTest::newRow("rear without front") << 2 << 0;
    }
    void telemetryFromFrontFile()
    {
        QFETCH(int, row);
        QFETCH(int, samples);
        PlaybackFixture f;
        const QStringList names = {QStringLiteral("alwa_20230105_134501_F.avi"),
                                   QStringLiteral("alwa_20230105_134501_R.avi"),
                                   QStringLiteral("alwa_20230105_134901_R.avi")};
        writeRecording(f.pathOf(names[0]), true, 10);
        writeRecording(f.pathOf(names[1]), false, 5);
        writeRecording(f.pathOf(names[2]), false, 5);
        if (QTest::currentTestFailed())
            return;
        f.addMedias(names);
        QVERIFY(f.startPlaying(0));
        QCOMPARE(f.view.graph.size(), 20);
        QVERIFY(f.start(row)); // replaces the samples of the first start
        QCOMPARE(f.view.graph.size(), samples);
        QCOMPARE(f.blackBoxData.m_GSensors().size(), samples);
        QCOMPARE(f.view.graphSets, 2);
    }

    void startResetsControls()
    {
        PlaybackFixture f(kPairAndSingle);
        QVERIFY(f.startPlaying(0));
        f.controller->increaseSpeed();
        f.view.positionSlider = 0.6;
        f.playInfo.setPosition(0.6);
        f.view.fullScreen = true;
        f.player1.reachEnd();
        f.player2.reachEnd();
        QVERIFY(f.start(3));
        QCOMPARE(f.playInfo.speed(), 1.0);
        QCOMPARE(f.player1.rate(), 1.f);
        QCOMPARE(f.player2.rate(), 1.f);
        QCOMPARE(f.playInfo.position(), 0.0);
        QCOMPARE(f.view.positionSlider, 0.0);
        QVERIFY(!f.view.fullScreen);
        QCOMPARE(f.view.fullScreenLeft, 1);
        QCOMPARE(f.view.readoutResets, 2);
        QVERIFY(!f.controller->bPlayNext());
    }

    // The list rebuilt under a playing recording: its kept row index may lie beyond the new list.
    void staleIndexAfterRebuild()
    {
        PlaybackFixture f(kPairAndSingle);
        QVERIFY(f.startPlaying(4));
        QTemporaryDir other; // four rows: the kept index 4 is one past the last
        for (int i = 0; i < 4; ++i) {
            QFile one(other.filePath(QStringLiteral("alwa_20240101_00000%1_F.avi").arg(i)));
            QVERIFY(one.open(QIODevice::WriteOnly));
        }
        f.mediaList.setDirectoryPath(other.path());
        f.mediaList.waitForRebuild();
        QCOMPARE(f.mediaList.count(), 4);

        QVERIFY(!f.controller->playNext()); // no row of the new list is "next"
        f.controller->updateVideoUI();      // row 4 is gone: nothing loaded, no crash
        QVERIFY(!f.player1.media());
        f.view.selected = 0;
        f.controller->changeAndPlay();
        QTRY_COMPARE(f.player1.fileName(), QStringLiteral("alwa_20240101_000000_F.avi"));
    }

    // A second start waits for the first to play, but engines that never play don't block for ever.
    void startThatNeverPlaysTimesOut()
    {
        PlaybackFixture f(kPairAndSingle);
        f.controller->setStartTimeout(200);
        QVERIFY(f.start(0));
        QVERIFY(!f.controller->playAtIndex(2));
        QCOMPARE(f.controller->mediaIndex(), 0);
        QCOMPARE(f.player1.fileName(), kPairAndSingle[0]);
        QTRY_VERIFY_WITH_TIMEOUT(!f.controller->waitingForPlayStart(), 3000);
        QVERIFY(f.start(2));
    }

    // Closed while telemetry is read: no deadlock, and the late start step does nothing.
    void destroyedDuringExtraction()
    {
        PlaybackFixture f;
        writeRecording(f.pathOf(kPairAndSingle[0]), true, 10);
        if (QTest::currentTestFailed())
            return;
        f.addMedias(kPairAndSingle);
        f.blackBoxData.setWaitAfterRead(300);
        QVERIFY(f.controller->playAtIndex(0));
        QVERIFY(f.controller->isExtracting());
        QElapsedTimer timer;
        timer.start();
        f.controller.reset();
        QVERIFY(timer.elapsed() < 3000);
        QCOMPARE(f.player1.count(QStringLiteral("play")), 0);
        QCOMPARE(f.view.graphSets, 0);
    }

private:
    static void writeRecording(const QString& path, bool front, int gsensorPerSecond)
    {
        ORXSimRecordingOptions options = tinyRecording(path, 2);
        options.front = front;
        options.audio = false;
        options.gsensorPerSecond = gsensorPerSecond;
        QString error;
        QVERIFY2(ORXSimWriteRecording(options, nullptr, &error), qPrintable(error));
    }
};

ORVEX_TEST(PlaybackStartTest)
#include "tst_playback_start.moc"
