#include "OrvexTest.h"
#include "PlaybackFixture.h"

class PlaybackEventsTest : public QObject
{
    Q_OBJECT

private slots:
    void stateEventShowsPlayingOrPausedViews_data()
    {
        QTest::addColumn<int>("state1");
        QTest::addColumn<int>("state2");
        QTest::addColumn<bool>("shown1");
        QTest::addColumn<bool>("shown2");
        const int playing = ScriptedEngine::kStatePlaying, paused = ScriptedEngine::kStatePaused,
                  stopped = ScriptedEngine::kStateStopped;
        QTest::newRow("both play") << playing << playing << true << true;
        QTest::newRow("both paused") << paused << paused << true << true;
        QTest::newRow("second stopped") << playing << stopped << true << false;
        QTest::newRow("first stopped") << stopped << paused << false << true;
    }
    void stateEventShowsPlayingOrPausedViews()
    {
        QFETCH(int, state1);
        QFETCH(int, state2);
        PlaybackFixture f(kPairAndSingle);
        QVERIFY(f.startPlaying(0));
        setState(f.player1, state1);
        setState(f.player2, state2);
        f.player2.reportState();
        QTEST(f.view.videoVisible[0], "shown1");
        QTEST(f.view.videoVisible[1], "shown2");
    }

    // The first state event with both playing starts the bookkeeping, later ones refresh the sound;
    // the first time event from either engine ends loading and chooses the sound, once a recording.
    void firstEventsStartTheRecordingOnce()
    {
        PlaybackFixture f(kPairAndSingle);
        QVERIFY(f.start(1)); // the rear file large, the front file small
        QVERIFY(!f.controller->playStopTimer());
        f.player2.playing = false; // the partner is not there yet
        f.player1.reportState();
        QVERIFY(f.controller->waitingForPlayStart());

        QSignalSpy speeds(&f.playInfo, &ORXPlayInfo::speedChanged);
        f.player2.playing = true;
        f.player2.reportState();
        QVERIFY(!f.controller->waitingForPlayStart());
        QCOMPARE(speeds.count(), 1);
        QVERIFY(f.playInfo.isPlaying());
        QVERIFY(f.controller->playStopTimer() && f.controller->playStopTimer()->isActive());
        QCOMPARE(f.controller->playStopTimer()->interval(), 1000);

        f.view.volumeSlider = -1;
        f.player1.reportState();
        QCOMPARE(speeds.count(), 1);
        QCOMPARE(f.view.volumeSlider, 70); // the sound was refreshed instead

        QVERIFY(!f.view.isLoadingStopped());
        f.playInfo.setAudioMediaDirection(2);
        f.player2.reportTime();
        QVERIFY(f.view.isLoadingStopped());
        QCOMPARE(f.playInfo.audioMediaDirection(), 1); // player1 has sound: the rear channel
        f.playInfo.setAudioMediaDirection(0);
        f.player1.reportTime();
        QCOMPARE(f.view.loadingHidden, 1);
        QCOMPARE(f.playInfo.audioMediaDirection(), 0);
    }

    void pausedEnginesFinish_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("pausePartner");
        QTest::addColumn<bool>("finished");
        QTest::newRow("pair, both paused") << 0 << true << true;
        QTest::newRow("pair, one paused") << 0 << false << false;
        QTest::newRow("single paused") << 2 << false << true;
    }
    void pausedEnginesFinish()
    {
        QFETCH(int, row);
        QFETCH(bool, pausePartner);
        QFETCH(bool, finished);
        PlaybackFixture f(kPairAndSingle);
        QVERIFY(f.startPlaying(row));
        f.player1.playTo(30000);
        f.player1.pause();
        if (pausePartner)
            f.player2.pause();
        QSignalSpy positions(&f.playInfo, &ORXPlayInfo::positionChanged);
        f.player1.reportState();
        QCOMPARE(positions.count(), finished ? 1 : 0);
        if (finished) {
            QCOMPARE(f.playInfo.position(), 0.5);
            QVERIFY(!f.playInfo.isPlaying());
        }
    }

    // player1's time events (not player2's) move the position first and every third; a seek restarts.
    void timeEventsMovePositionEveryThirdAndDuringASeek()
    {
        PlaybackFixture f(kPairAndSingle);
        QVERIFY(f.startPlaying(0));
        QSignalSpy positions(&f.playInfo, &ORXPlayInfo::positionChanged);
        QList<int> updatedAt;
        for (int event = 1; event <= 8; ++event) {
            f.player1.playTo(event * 1000);
            f.player2.reportTime();
            const qsizetype before = positions.count();
            f.player1.reportTime();
            if (positions.count() > before) {
                updatedAt << event;
                QCOMPARE(f.playInfo.position(), double(f.player1.position()));
            }
        }
        // The start's first time event (counter -1 -> 0) updated already: these are events 2 to 9.
        QCOMPARE(updatedAt, QList<int>({3, 6}));
        QCOMPARE(f.controller->positionCounter(), 2);

        f.view.positionSlider = 0.25;
        f.controller->videoPositionSliderMoved();
        QVERIFY(f.controller->moving());
        f.player1.playTo(45000); // the engine still reports the old place
        f.player1.reportTime();
        QCOMPARE(f.playInfo.position(), 0.25);
        QCOMPARE(f.controller->positionCounter(), -1);
        QTRY_VERIFY(!f.controller->moving());
        f.player1.reportTime(); // the first event after the seek updates at once
        QCOMPARE(f.playInfo.position(), 0.75);
        QCOMPARE(f.controller->positionCounter(), 0);
    }

    // The button pauses both, then plays both with player2 caught up; after a seek while playing
    // player1 is sought to its own place too, so that both pay the same delay.
    void playButtonAndCatchUpMoveBoth()
    {
        PlaybackFixture f(kPairAndSingle);
        QVERIFY(f.startPlaying(0));
        f.player1.playTo(20000);
        f.controller->clickPlayButton();
        QCOMPARE(f.player1.state(), ScriptedEngine::kStatePaused);
        QCOMPARE(f.player2.state(), ScriptedEngine::kStatePaused);
        f.playInfo.setIsPlaying(false);
        f.controller->clickPlayButton();
        QVERIFY(f.player1.isPlaying() && f.player2.isPlaying());
        QCOMPARE(f.player2.position(), 0.f);
        QTRY_COMPARE(f.player2.position(), f.player1.position());

        const int seeks = f.player1.count(QStringLiteral("setPosition"));
        f.view.positionSlider = 0.5;
        f.controller->videoPositionSliderMoved();
        f.player1.playTo(30300); // played on while player2 was still seeking
        QTRY_VERIFY(!f.controller->moving());
        QCOMPARE(f.player1.count(QStringLiteral("setPosition")), seeks + 2);
        QVERIFY(qAbs(f.player1.time().intValue() - 30300) <= 1); // through a float position
        QVERIFY(qAbs(f.player2.time().intValue() - 30300) <= 1);

        f.controller->clickPlayButton(); // paused, the catch-up leaves player1 where it was sought
        const int pausedSeeks = f.player1.count(QStringLiteral("setPosition"));
        f.view.positionSlider = 0.25;
        f.controller->videoPositionSliderMoved();
        QTRY_VERIFY(!f.controller->moving());
        QCOMPARE(f.player1.count(QStringLiteral("setPosition")), pausedSeeks + 1);
        QCOMPARE(f.player2.time().intValue(), 15000);
    }

    void playButtonAtEnd_data()
    {
        QTest::addColumn<double>("slider");
        QTest::addColumn<bool>("restarted");
        QTest::newRow("slider at the end") << 0.999 << true;
        QTest::newRow("slider moved back") << 0.5 << false; // resumes at 30 s
    }
    void playButtonAtEnd()
    {
        QFETCH(double, slider);
        QFETCH(bool, restarted);
        PlaybackFixture f(kPairAndSingle);
        QVERIFY(f.startPlaying(0));
        f.reachEnd();
        QVERIFY(!f.playInfo.isPlaying());
        f.view.positionSlider = slider;
        const int plays = f.player1.count(QStringLiteral("play"));
        f.controller->clickPlayButton();
        if (restarted) {
            QCOMPARE(f.view.loadingShown, 2);
            QTRY_COMPARE(f.player1.count(QStringLiteral("play")), plays + 1);
            QCOMPARE(f.player1.fileName(), kPairAndSingle[0]);
            QCOMPARE(f.player2.fileName(), kPairAndSingle[1]);
            QCOMPARE(f.player1.time().intValue(), 0);
            return;
        }
        QCOMPARE(f.player1.time().intValue(), 30000);
        QCOMPARE(f.player2.time().intValue(), 30000);
        QVERIFY(!f.player1.isPlaying()); // playing again only after 0.1 s
        QTRY_VERIFY(f.player1.isPlaying() && f.player2.isPlaying());
        QCOMPARE(f.view.loadingShown, 1);
    }

    void seek_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<double>("slider");
        QTest::addColumn<bool>("moving");
        QTest::addColumn<qint64>("time1");
        QTest::addColumn<qint64>("time2");
        QTest::newRow("middle") << 0 << 0.5 << true << qint64(30000) << qint64(15000);
        QTest::newRow("just before the end") << 0 << 0.997 << true << qint64(59820) << qint64(29910);
        QTest::newRow("end") << 0 << 0.998 << false << qint64(60000) << qint64(30000);
        // Without a partner nothing needs to catch up: a seek ends at once.
        QTest::newRow("no partner") << 2 << 0.3 << false << qint64(18000) << qint64(0);
    }
    void seek()
    {
        QFETCH(int, row);
        QFETCH(double, slider);
        QFETCH(bool, moving);
        QFETCH(qint64, time1);
        QFETCH(qint64, time2);
        PlaybackFixture f(kPairAndSingle);
        f.player2.mediaLengthMs = 30000; // the partner is shorter
        QVERIFY(f.startPlaying(row));
        f.view.positionSlider = slider;
        f.controller->videoPositionSliderMoved();
        QCOMPARE(f.controller->moving(), moving);
        QVERIFY(qAbs(f.player1.time().intValue() - time1) <= 1);
        QVERIFY(qAbs(f.player2.time().intValue() - time2) <= 1);
        if (!moving)
            return;
        QCOMPARE(f.controller->movingPosition(), slider);
        f.view.positionSlider = 0.1; // kept while the seek settles, then sought: a drag ends there
        f.controller->videoPositionSliderMoved();
        QVERIFY(qAbs(f.player1.time().intValue() - time1) <= 1);
        QTRY_VERIFY(!f.controller->moving());
        QCOMPARE(f.player1.time().intValue(), 6000);
        QCOMPARE(f.player2.position(), f.player1.position());
    }

    // A jump of 10 s needs room for it; otherwise both engines go to the end or the start.
    void jump_data()
    {
        QTest::addColumn<bool>("forward");
        QTest::addColumn<qint64>("at");
        QTest::addColumn<bool>("jumps");
        QTest::addColumn<qint64>("after");
        QTest::addColumn<double>("movingPosition");
        QTest::newRow("forward, middle") << true << qint64(30000) << true << qint64(40000) << 40.0 / 60;
        QTest::newRow("forward, 10 s left") << true << qint64(50000) << true << qint64(60000) << 1.0;
        QTest::newRow("forward, 9 s left") << true << qint64(51000) << false << qint64(60000) << 0.0;
        QTest::newRow("back, 10 s played") << false << qint64(10000) << true << qint64(0) << 0.42;
        QTest::newRow("back, 9.9 s played") << false << qint64(9900) << false << qint64(0) << 0.0;
    }
    void jump()
    {
        QFETCH(bool, forward);
        QFETCH(qint64, at);
        QFETCH(bool, jumps);
        QFETCH(qint64, after);
        QFETCH(double, movingPosition);
        PlaybackFixture f(kPairAndSingle);
        QVERIFY(f.startPlaying(0));
        f.player1.playTo(at);
        f.player2.playTo(at);
        f.view.positionSlider = 0.42;
        f.view.volumeSlider = -1;
        const auto jump = [&] { forward ? f.controller->jumpForward() : f.controller->jumpBackward(); };
        jump();
        QCOMPARE(f.player1.time().intValue(), after);
        QCOMPARE(f.controller->moving(), jumps);
        if (!forward)
            QCOMPARE(f.view.volumeSlider, 70); // the sound is refreshed either way
        if (!jumps) {
            QCOMPARE(f.player2.time().intValue(), after);
            return;
        }
        QVERIFY(qAbs(f.controller->movingPosition() - movingPosition) < 1e-6);
        QCOMPARE(f.view.positionSlider, f.controller->movingPosition());
        jump(); // ignored while moving
        QCOMPARE(f.player1.count(forward ? QStringLiteral("jumpForward") : QStringLiteral("jumpBackward")),
                 1);
        QTRY_VERIFY(!f.controller->moving());
        QCOMPARE(f.player2.time().intValue(), after);
    }

private:
    static void setState(ScriptedEngine& engine, int state)
    {
        engine.currentState = state;
        engine.playing = state == ScriptedEngine::kStatePlaying;
    }
};

ORVEX_TEST(PlaybackEventsTest)
#include "tst_playback_events.moc"
