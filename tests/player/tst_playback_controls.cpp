#include "OrvexTest.h"
#include "PlaybackFixture.h"

class PlaybackControlsTest : public QObject
{
    Q_OBJECT

private slots:
    // Speed 1 to 2 on both engines; volume 0 to 200 on the engine heard and the slider.
    void speedAndVolumeStayInRange()
    {
        PlaybackFixture f(kPairAndSingle);
        QVERIFY(f.startPlaying(0));
        for (const auto& [steps, speed] : {std::pair(u"++", 2.f), {u"+---", 1.f}}) {
            for (QChar step : QStringView(steps))
                step == u'+' ? f.controller->increaseSpeed() : f.controller->decreaseSpeed();
            QCOMPARE(f.playInfo.speed(), double(speed));
            QVERIFY(f.player1.rate() == speed && f.player2.rate() == speed);
        }
        for (const auto& [start, up, volume] :
             {std::tuple(70, true, 80), {195, true, 200}, {70, false, 60}, {5, false, 0}}) {
            f.controller->volumeSliderMoved(start);
            up ? f.controller->volumeUp() : f.controller->volumeDown();
            QCOMPARE(f.controller->volume(), volume);
            QVERIFY(f.player1.volume() == volume && f.view.volumeSlider == volume);
        }
    }

    void chooseAudioAuto_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("audio1");
        QTest::addColumn<bool>("audio2");
        QTest::addColumn<int>("direction");
        QTest::addColumn<bool>("muted1");
        QTest::addColumn<bool>("muted2");
        QTest::addColumn<bool>("toggleShown");
        QTest::newRow("rear picked, both sound") << 1 << true << true << 1 << false << true << true;
        QTest::newRow("only the partner has sound") << 0 << false << true << 1 << true << false << true;
        QTest::newRow("single recording") << 2 << true << true << 0 << false << true << false;
        QTest::newRow("single without sound") << 2 << false << true << 2 << true << true << false;
    }
    void chooseAudioAuto()
    {
        QFETCH(int, row);
        QFETCH(bool, audio1);
        QFETCH(bool, audio2);
        PlaybackFixture f(kPairAndSingle);
        f.player1.audioTracks = audio1 ? QList<int>{1} : QList<int>{};
        f.player2.audioTracks = audio2 ? QList<int>{1} : QList<int>{};
        QVERIFY(f.startPlaying(row));
        QTEST(f.playInfo.audioMediaDirection(), "direction");
        QTEST(f.player1.isMuted(), "muted1");
        QTEST(f.player2.isMuted(), "muted2");
        QTEST(f.view.audioToggleVisible, "toggleShown");
        QCOMPARE(f.view.audioToggleOn, f.playInfo.audioMediaDirection() == 1); // the rear sound chosen
        QCOMPARE(f.view.volumeSlider, 70);
    }

    void toggleChoosesChannel()
    {
        PlaybackFixture f(kPairAndSingle);
        QVERIFY(f.startPlaying(0));
        f.view.audioToggleOn = true;
        f.controller->toggleAudioChoice();
        QCOMPARE(f.playInfo.audioMediaDirection(), 1);
        QVERIFY(f.player1.isMuted());
        QVERIFY(!f.player2.isMuted());
        QCOMPARE(f.player2.volume(), 70);
        f.view.audioToggleOn = false;
        f.controller->toggleAudioChoice();
        QVERIFY(!f.player1.isMuted());
        QVERIFY(f.player2.isMuted());
        QVERIFY(!f.view.audioToggleOn);
    }

    // A swap needs both channels playing; then it exchanges the files at the moment shown.
    void swapExchangesChannels()
    {
        PlaybackFixture f(kPairAndSingle);
        QVERIFY(f.startPlaying(0));
        f.player2.pause();
        f.controller->swapPlayer(); // refused: the partner is paused
        QVERIFY(!f.controller->swapping());
        QCOMPARE(f.player1.fileName(), kPairAndSingle[0]);
        f.player2.play();
        f.player1.playTo(24000);
        f.player2.playTo(24000);
        f.controller->swapPlayer();
        QVERIFY(f.controller->swapping());
        QVERIFY(f.controller->moving());
        // Both engines are asked for the moment shown at once, not after 0.8 s.
        QCOMPARE(f.player1.time().intValue(), 24000);
        QCOMPARE(f.player2.time().intValue(), 24000);
        QVERIFY(qAbs(f.controller->movingPosition() - 0.4) < 1e-6);
        QCOMPARE(f.player1.fileName(), kPairAndSingle[1]);
        QCOMPARE(f.player2.fileName(), kPairAndSingle[0]);
        QVERIFY(f.player1.isPlaying() && f.player2.isPlaying());
        QCOMPARE(f.view.logos,
                 QStringList({QStringLiteral("v1_rear_logo"), QStringLiteral("v2_front_logo")}));
        QCOMPARE(f.view.swapAnimations, 1);
        QVERIFY(f.player1.isMuted() && f.player2.isMuted());

        f.controller->swapPlayer(); // a second swap inside 1.7 s
        QCOMPARE(f.player1.fileName(), kPairAndSingle[1]);
        QCOMPARE(f.view.swapAnimations, 1);

        QTRY_VERIFY(!f.controller->moving()); // 0.8 s: both back at the old place
        QCOMPARE(f.player1.time().intValue(), 24000);
        QCOMPARE(f.player2.time().intValue(), 24000);
        QVERIFY(f.controller->swapping());
        QVERIFY(f.player1.isMuted() && f.player2.isMuted());

        QTRY_VERIFY(!f.controller->swapping()); // 1.7 s: the front sound again, now small
        QVERIFY(f.player1.isMuted());
        QVERIFY(!f.player2.isMuted());
        f.controller->swapPlayer();
        QCOMPARE(f.player1.fileName(), kPairAndSingle[0]);
        QCOMPARE(f.view.logos,
                 QStringList({QStringLiteral("v1_front_logo"), QStringLiteral("v2_rear_logo")}));
    }

    // At the end the 1 s timer sees the paused engine; a second later the next (not the partner's) starts.
    void advanceAtEnd_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("next"); // -1: the end of the list
        QTest::newRow("pair skips its rear row") << 0 << 2;
        QTest::newRow("rear of a pair") << 1 << 2;
        QTest::newRow("single goes to the next row") << 2 << 3;
        QTest::newRow("last pair") << 3 << -1;
    }
    void advanceAtEnd()
    {
        QFETCH(int, row);
        QFETCH(int, next);
        PlaybackFixture f(kPairAndSingle);
        QVERIFY(f.startPlaying(row));
        QVERIFY(f.controller->playStopTimer());
        f.reachEnd();
        QTRY_VERIFY_WITH_TIMEOUT(f.controller->preparingPlayNext(), 2000);
        QVERIFY(!f.controller->bPlayNext());
        QTRY_VERIFY_WITH_TIMEOUT(!f.controller->playStopTimer(), 2000); // playNext has run
        if (next < 0) {
            QVERIFY(f.controller->bPlayNext());
            QCOMPARE(f.controller->mediaIndex(), row);
            QCOMPARE(f.view.loadingShown, 1);
            QCOMPARE(f.player1.state(), ScriptedEngine::kStatePaused);
            return;
        }
        QCOMPARE(f.controller->mediaIndex(), next);
        QCOMPARE(f.player1.fileName(), kPairAndSingle[next]);
        QCOMPARE(f.view.loadingShown, 2);
        QTRY_VERIFY(!f.controller->bPlayNext()); // cleared by the next start step
    }

    void noAdvanceBeforeTheEnd()
    {
        PlaybackFixture f(kPairAndSingle);
        QVERIFY(f.startPlaying(0));
        f.player1.playTo(59000); // paused at 0.983: not the end
        f.player1.pause();
        f.controller->timerPlayNext();
        QVERIFY(!f.controller->preparingPlayNext());
        f.player1.reachEnd();
        f.controller->timerPlayNext();
        QVERIFY(f.controller->preparingPlayNext());
        f.player1.reportTime(); // a time event clears the mark again
        QVERIFY(!f.controller->preparingPlayNext());
    }

    // Steps only while playing; up to full screen when the next size does not fit.
    void sizeSteps_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<int>("step"); // 0: up while paused
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("fullScreenAfter");
        const QSize min(1020, 640);
        QTest::newRow("up while paused") << min << false << 0 << min << false;
        QTest::newRow("up to the last size that fits")
            << QSize(1632, 852) << false << 1 << QSize(1836, 980) << false;
        QTest::newRow("up past the screen height")
            << QSize(1632, 853) << false << 1 << QSize(1632, 853) << true;
        QTest::newRow("up past the screen width")
            << QSize(1800, 640) << false << 1 << QSize(1800, 640) << true;
        QTest::newRow("up in full screen") << QSize(1920, 1080) << true << 1 << QSize(1920, 1080) << true;
        QTest::newRow("down") << QSize(1224, 768) << false << -1 << min << false;
        QTest::newRow("down below the minimum") << QSize(1100, 900) << false << -1 << min << false;
        QTest::newRow("down in full screen") << QSize(1920, 1080) << true << -1 << QSize(1920, 1080) << false;
    }
    void sizeSteps()
    {
        QFETCH(QSize, window);
        QFETCH(bool, fullScreen);
        QFETCH(int, step);
        QFETCH(QSize, size);
        PlaybackFixture f(kPairAndSingle);
        QVERIFY(f.startPlaying(0));
        f.view.window = QRect(QPoint(40, 30), window);
        f.view.fullScreen = fullScreen;
        if (step == 0)
            f.player1.pause();
        step < 0 ? f.controller->sizeDown() : f.controller->sizeUp();
        QCOMPARE(f.view.window, QRect(QPoint(40, 30), size));
        QTEST(f.view.fullScreen, "fullScreenAfter");
    }

    void scaleNeedsAVideoHeight()
    {
        PlaybackFixture f(kPairAndSingle);
        f.player1.size = QSize(640, 0);
        QVERIFY(f.startPlaying(0));
        f.controller->updatePlayInfoScale();
        QCOMPARE(f.playInfo.scale(), 0.0); // the libVLC test checks a known height
    }
};

ORVEX_TEST(PlaybackControlsTest)
#include "tst_playback_controls.moc"
