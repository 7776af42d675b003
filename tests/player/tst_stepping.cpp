#include "OrvexTest.h"

#include "PlaybackFixture.h"

namespace {
// Paused at `ms` on a scripted pair of 60 s at `fps`.
void pauseAt(PlaybackFixture& f, qint64 ms)
{
    f.player1.pause();
    f.player2.pause();
    f.player1.playTo(ms);
    f.player2.playTo(ms);
    f.player1.reportState(); // both paused: didFinishPlay
    f.player1.calls.clear();
    f.player2.calls.clear();
}
} // namespace

class FrameStepTest : public QObject
{
    Q_OBJECT

private slots:
    void stepsKeepBothChannelsOnOneFrame_data()
    {
        QTest::addColumn<double>("fps");
        QTest::addColumn<qint64>("pausedAt");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<qint64>("frame");  // shown after the steps, -1: no step taken
        QTest::addColumn<qint64>("timeMs"); // where both engines stand
        QTest::newRow("one forward") << 30.0 << 1000LL << "+" << 31LL << 1033LL;
        QTest::newRow("three forward") << 30.0 << 1000LL << "+++" << 33LL << 1100LL;
        QTest::newRow("one back") << 30.0 << 1000LL << "-" << 29LL << 966LL;
        QTest::newRow("there and back") << 30.0 << 1000LL << "++--" << 30LL << 1000LL;
        QTest::newRow("15 fps") << 15.0 << 1000LL << "++" << 17LL << 1133LL;
        QTest::newRow("back at the start") << 30.0 << 10LL << "-" << -1LL << 10LL;
        QTest::newRow("back to the first frame") << 30.0 << 40LL << "--" << 0LL << 0LL;
        QTest::newRow("forward at the last frame") << 30.0 << 59990LL << "+" << -1LL << 59990LL;
        QTest::newRow("unknown rate counts 30") << 0.0 << 1000LL << "+" << 31LL << 1033LL;
    }
    void stepsKeepBothChannelsOnOneFrame()
    {
        QFETCH(double, fps);
        QFETCH(qint64, pausedAt);
        QFETCH(QString, steps);
        QFETCH(qint64, frame);
        QFETCH(qint64, timeMs);
        PlaybackFixture f(kPairAndSingle);
        f.player1.fps = f.player2.fps = fps;
        QVERIFY(f.startPlaying(0));
        pauseAt(f, pausedAt);
        QSignalSpy stepped(f.controller.get(), &ORXPlaybackController::frameStepped);
        for (const QChar step : steps)
            step == QLatin1Char('+') ? f.controller->stepFrameForward() : f.controller->stepFrameBackward();

        QCOMPARE(f.controller->stepFrame(), frame);
        QCOMPARE(f.player1.count(QStringLiteral("nextFrame")), 0); // forward seeks unless asked
        QCOMPARE(f.player1.timeMs, timeMs);
        QCOMPARE(f.player2.timeMs, timeMs);
        if (frame >= 0) {
            QCOMPARE(stepped.constLast().at(0).toLongLong(), frame);
            // The slider and the play state (readouts, trace bar, map) follow the step.
            QCOMPARE(f.playInfo.position(), double(timeMs) / 60000.0);
            QCOMPARE(f.view.positionSlider, double(timeMs) / 60000.0);
        } else {
            QVERIFY(stepped.isEmpty());
        }
    }

    // With next-frame on, a step that follows a known frame uses it; a quick one seeks.
    void nextFrameForSteppingOnFromAKnownFrame()
    {
        PlaybackFixture f(kPairAndSingle);
        f.controller->setFrameStepUsesNextFrame(true);
        QVERIFY(f.startPlaying(0));
        pauseAt(f, 1000);
        f.controller->stepFrameForward(); // from the engine's time: seeks
        QTest::qWait(ORXPlaybackController::kQuickStepMs + 30);
        f.controller->stepFrameForward();
        f.controller->stepFrameForward(); // as quick as a held key: seeks
        QCOMPARE(f.player1.count(QStringLiteral("nextFrame")), 1);
        QCOMPARE(f.player1.count(QStringLiteral("setTime")), 2);
        QCOMPARE(f.controller->stepFrame(), qint64(33));
        QCOMPARE(f.player1.timeMs, qint64(1100));
        QCOMPARE(f.player2.timeMs, qint64(1100));
    }

    // The slider moved to the very start during a burst of steps is sought once it settles.
    void sliderMovedToTheStartDuringStepsIsSought()
    {
        PlaybackFixture f(kPairAndSingle);
        QVERIFY(f.startPlaying(0));
        pauseAt(f, 1000);
        f.controller->stepFrameForward();
        f.view.positionSlider = 0;
        f.controller->videoPositionSliderMoved();
        QCOMPARE(f.player1.timeMs, qint64(1033)); // kept until the burst settles
        QTRY_VERIFY(!f.controller->moving());
        QCOMPARE(f.player1.timeMs, qint64(0));
        QCOMPARE(f.player2.timeMs, qint64(0));
    }

    // No step without a recording or while playing; after playing on, steps start at the new time.
    void noStepWhilePlayingAndPlayingOnForgetsTheFrame()
    {
        PlaybackFixture f(kPairAndSingle);
        f.controller->stepFrameForward(); // nothing loaded
        QVERIFY(!f.controller->canStepFrame());
        QVERIFY(f.startPlaying(0));
        f.player1.playTo(5000);
        f.controller->stepFrameForward();
        f.controller->stepFrameBackward();
        QVERIFY(!f.controller->canStepFrame());
        QCOMPARE(f.controller->stepFrame(), qint64(-1));
        pauseAt(f, 1000);
        f.controller->stepFrameForward();
        f.controller->stepFrameForward();
        QTRY_VERIFY(!f.controller->moving()); // the burst settles
        f.controller->clickPlayButton();
        f.player1.reportState();
        QCOMPARE(f.controller->stepFrame(), qint64(-1));
        pauseAt(f, 2000);
        f.controller->stepFrameForward();
        QCOMPARE(f.controller->stepFrame(), qint64(61));
    }
};

ORVEX_TEST(FrameStepTest)

class FilteredAdvanceTest : public QObject
{
    Q_OBJECT

    const QStringList m_names = {
        QStringLiteral("alwa_20230105_134501_F.avi"), // pair
        QStringLiteral("alwa_20230105_134501_R.avi"),
        QStringLiteral("event_20230105_134601_F.avi"), // pair
        QStringLiteral("event_20230105_134601_R.avi"),
        QStringLiteral("alwa_20230105_134701_F.avi"),  // single
        QStringLiteral("event_20230106_080000_F.avi"), // single, next day
    };

private slots:
    void advanceFollowsTheFilteredList_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("next"); // empty: the advance ends
        QTest::newRow("events") << 2 << QString() << m_names[2] << m_names[5];
        QTest::newRow("always") << 0 << QString() << m_names[0] << m_names[4];
        QTest::newRow("events of the first day") << 2 << "20230105" << m_names[2] << QString();
        QTest::newRow("second day") << -1 << "20230106" << m_names[5] << QString();
    }
    void advanceFollowsTheFilteredList()
    {
        QFETCH(int, kind);
        QFETCH(QString, day);
        QFETCH(QString, first);
        QFETCH(QString, next);
        PlaybackFixture f(m_names);
        f.mediaList.setFilter(ORXMediaFilter(kind, day));
        QVERIFY(f.startPlaying(0));
        QCOMPARE(f.player1.fileName(), first);
        if (next.isEmpty()) {
            QVERIFY(!f.controller->playNext());
            return;
        }
        QVERIFY(f.controller->playNext());
        QVERIFY(QTest::qWaitFor([&] { return !f.controller->isExtracting(); }, 5000));
        QCOMPARE(f.player1.fileName(), next);
    }

    // Filtering keeps the playing recording; its row follows (none if hidden), and so does the advance.
    void filterChangeWhilePlaying()
    {
        PlaybackFixture f(m_names);
        QVERIFY(f.startPlaying(2)); // the event pair
        f.mediaList.setFilter(ORXMediaFilter(ORXMedia::Event, QString()));
        f.controller->listFiltered();
        QCOMPARE(f.controller->mediaIndex(), qint64(0));
        QCOMPARE(f.view.selected, 0);
        QCOMPARE(f.player1.fileName(), m_names[2]);

        f.mediaList.setFilter(ORXMediaFilter(ORXMedia::Always, QString()));
        f.controller->listFiltered();
        QCOMPARE(f.controller->mediaIndex(), qint64(-1));
        QCOMPARE(f.view.selected, -1);
        QCOMPARE(f.player1.fileName(), m_names[2]);
        QVERIFY(f.controller->playNext());
        QVERIFY(QTest::qWaitFor([&] { return !f.controller->isExtracting(); }, 5000));
        QCOMPARE(f.player1.fileName(), m_names[4]); // the always recording after the event pair
    }
};

ORVEX_TEST(FilteredAdvanceTest)
#include "tst_stepping.moc"
