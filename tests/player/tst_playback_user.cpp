#include "OrvexTest.h"
#include "PlaybackFixture.h"

class PlaybackUserTest : public QObject
{
    Q_OBJECT

private slots:
    // A delayed step of the first recording, due after the second started, leaves the second alone.
    void delayedStepsOfAnEarlierStartDoNothing_data()
    {
        QTest::addColumn<QString>("step");
        QTest::newRow("swap (0.8 s and 1.7 s)") << "swap";
        QTest::newRow("resume after the end (0.1 s)") << "resume";
        QTest::newRow("catch-up after a seek (0.3 s)") << "catchup";
        QTest::newRow("advance (1 s)") << "advance";
    }
    void delayedStepsOfAnEarlierStartDoNothing()
    {
        QFETCH(QString, step);
        PlaybackFixture f(kPairAndSingle);
        QVERIFY(f.startPlaying(0));
        f.player1.playTo(24000);
        f.player2.playTo(24000);
        if (step == QLatin1String("swap")) {
            f.controller->swapPlayer();
        } else if (step == QLatin1String("resume")) {
            f.reachEnd();
            f.view.positionSlider = 0.5;
            f.controller->clickPlayButton();
        } else if (step == QLatin1String("catchup")) {
            f.view.positionSlider = 0.4;
            f.controller->videoPositionSliderMoved();
        } else {
            f.reachEnd();
            f.controller->timerPlayNext();
            QVERIFY(f.controller->preparingPlayNext());
        }
        QVERIFY(f.start(3)); // the user starts another pair meanwhile
        f.player1.reportState();
        f.player1.playTo(5000);
        f.player2.playTo(5000);
        const QStringList calls1 = f.player1.calls;
        QTest::qWait(2000); // every delayed step of the first start has come due
        QCOMPARE(f.controller->mediaIndex(), qint64(3));
        QCOMPARE(f.player1.fileName(), kPairAndSingle[3]);
        QCOMPARE(f.player1.time().intValue(), 5000);
        QCOMPARE(f.player2.time().intValue(), 5000);
        QCOMPARE(f.player1.calls, calls1);
        QVERIFY(!f.controller->moving() && !f.controller->swapping());
    }

    // A partner that never plays: the front plays alone, the start step runs, the next pair follows.
    void failingPartnerPlaysTheFrontAlone_data()
    {
        QTest::addColumn<bool>("error");
        QTest::newRow("error state") << true;
        QTest::newRow("ended before it played") << false;
    }
    void failingPartnerPlaysTheFrontAlone()
    {
        QFETCH(bool, error);
        PlaybackFixture f(kPairAndSingle);
        QVERIFY(f.start(0));
        if (error)
            f.player2.fail();
        else
            f.player2.reachEnd();
        f.reportStarted();
        QVERIFY(!f.controller->waitingForPlayStart());
        QVERIFY(!f.player2.media());
        QVERIFY(!f.view.videoVisible[1] && !f.view.audioToggleVisible);
        f.player1.reachEnd();
        f.player1.reportState();
        QTRY_COMPARE_WITH_TIMEOUT(f.controller->mediaIndex(), qint64(2), 4000);
    }

    // Another folder: no row, nothing playing or loaded, no telemetry; the same row starts anew.
    void closingARecordingForgetsIt()
    {
        PlaybackFixture f(kPairAndSingle);
        QSignalSpy loaded(f.controller.get(), &ORXPlaybackController::recordingChanged);
        QVERIFY(f.startPlaying(0));
        f.playInfo.setPosition(0.4);
        f.view.positionSlider = 0.4;
        const _AVI_GSENSOR_DATA_T sample{};
        QVERIFY(f.blackBoxData.ParseGSensor(&sample, sizeof sample)); // the recording's telemetry
        f.controller->closeRecording();
        QCOMPARE(f.controller->mediaIndex(), qint64(-1));
        QCOMPARE(f.view.selected, -1);
        QVERIFY(!f.view.videoVisible[0] && !f.view.videoVisible[1]);
        QVERIFY(f.blackBoxData.m_GSensors().isEmpty());
        QVERIFY(!f.playInfo.isPlaying());
        QCOMPARE(f.playInfo.position(), 0.0);
        QCOMPARE(f.view.positionSlider, 0.0);
        QVERIFY(!f.player1.media() && !f.player2.media());
        QVERIFY(f.view.graph.isEmpty());
        QCOMPARE(loaded.last().first().toBool(), false);
        QVERIFY(!f.controller->hasRecording());
        f.controller->clickPlayButton(); // nothing to play
        QVERIFY(!f.player1.isPlaying());
        f.view.selected = 0;
        f.controller->changeAndPlay();
        QCOMPARE(f.view.loadingShown, 2); // a new start, not a replay of the old file
        QCOMPARE(loaded.last().first().toBool(), true);
        f.controller->closeRecording(); // while it loads: the indicator stops
        QVERIFY(f.view.isLoadingStopped());
    }
};

ORVEX_TEST(PlaybackUserTest)
#include "tst_playback_user.moc"
