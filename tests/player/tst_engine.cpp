// The libVLC engine layer, end to end on simulated recordings.
#include "OrvexTest.h"

#include "ORXSimFrameNumber.h"
#include "ORXSimRecording.h"
#include "VLCMediaPlayer.h"
#include "VLCVideoView.h"

#include <QImage>

namespace {
QString writeRecording(const QTemporaryDir& dir, const QString& name, bool audio, int seconds)
{
    ORXSimRecordingOptions options;
    options.path = dir.filePath(name);
    options.durationSeconds = seconds;
    options.width = 320;
    options.height = 180;
    options.audio = audio;
    options.front = name.contains(QLatin1String("_F"));
    return ORXSimWriteRecording(options, nullptr, nullptr) ? options.path : QString();
}

struct Engine
{
    VLCVideoView view;
    VLCMediaPlayer player{&view};
};
} // namespace

class TestEngine : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_withAudio;
    QString m_silent;
    QString m_long;
    QString m_longWithAudio;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_withAudio = writeRecording(m_dir, QStringLiteral("alwa_20230105_134501_F.avi"), true, 3);
        m_silent = writeRecording(m_dir, QStringLiteral("alwa_20230105_134501_R.avi"), false, 3);
        m_long = writeRecording(m_dir, QStringLiteral("alwa_20230105_134601_R.avi"), false, 10);
        m_longWithAudio = writeRecording(m_dir, QStringLiteral("alwa_20230105_134701_F.avi"), true, 10);
        for (const QString& path : {m_withAudio, m_silent, m_long, m_longWithAudio})
            QVERIFY(!path.isEmpty());
    }

    void pictureFormatFitsTheViewAndIsAligned_data()
    {
        QTest::addColumn<QSize>("source");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<bool>("fill");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("pitch");
        QTest::addColumn<int>("lines");
        QTest::newRow("view never laid out: own size")
            << QSize(1920, 1080) << QSize() << true << QSize(1920, 1080) << 7680 << 1088;
        QTest::newRow("front in the window")
            << QSize(1920, 1080) << QSize(644, 360) << true << QSize(640, 360) << 2560 << 384;
        QTest::newRow("rear in the side view: width rounded down to 16")
            << QSize(1280, 720) << QSize(322, 234) << true << QSize(320, 180) << 1280 << 192;
        QTest::newRow("full screen: one step below")
            << QSize(1920, 1080) << QSize(1919, 1080) << true << QSize(1904, 1070) << 7616 << 1088;
        QTest::newRow("full screen at 2x: larger")
            << QSize(1920, 1080) << QSize(3816, 2060) << true << QSize(1920, 1080) << 7680 << 1088;
        QTest::newRow("small source, no fill")
            << QSize(640, 360) << QSize(1000, 800) << false << QSize(640, 360) << 2560 << 384;
        QTest::newRow("large source, no fill")
            << QSize(1920, 1080) << QSize(640, 640) << false << QSize(640, 360) << 2560 << 384;
        QTest::newRow("tall box") << QSize(320, 180) << QSize(100, 400) << true << QSize(96, 54) << 384 << 64;
    }

    void pictureFormatFitsTheViewAndIsAligned()
    {
        QFETCH(QSize, source);
        QFETCH(QSize, box);
        QFETCH(bool, fill);
        const VLCVideoFrameFormat format = VLCVideoFrameFormat::forSource(source, box, fill);
        QTEST(format.size(), "picture");
        QTEST(format.pitch, "pitch");
        QTEST(format.lines, "lines");
    }

    void picturesComeAtTheShownSizeAndRenewWithIt()
    {
        // libVLC scales to the shown size; a new size renews the output, a snapshot keeps the file's.
        Engine engine;
        engine.view.setFillScreen(true);
        engine.view.resize(200, 200);
        engine.view.show();
        engine.player.setMedia(VLCMedia::mediaWithPath(m_long));
        QSignalSpy states(&engine.player, &ORXPlaybackEngine::mediaPlayerStateChanged);
        engine.player.play();
        QTRY_VERIFY_WITH_TIMEOUT(engine.view.frameCount() >= 3, 10000);
        QCOMPARE(engine.view.currentFrame().size(), QSize(192, 108));

        const QString path = m_dir.filePath(QStringLiteral("shown-size.png"));
        QVERIFY(engine.player.saveVideoSnapshotAt(path, 0, 0));
        QImage picture;
        QTRY_VERIFY_WITH_TIMEOUT(picture.load(path), 5000);
        QCOMPARE(picture.size(), QSize(320, 180));

        QTRY_VERIFY_WITH_TIMEOUT(engine.player.time().intValue() >= 1000, 10000);
        const qint64 before = engine.player.time().intValue();
        const int stateEvents = states.count();
        QSignalSpy renewed(&engine.player, &VLCMediaPlayer::videoOutputRenewed);
        engine.view.resize(100, 100);
        QTRY_COMPARE_WITH_TIMEOUT(engine.view.currentFrame().size(), QSize(96, 54), 5000);
        // Played on from where it was, and the controller saw no stop.
        QVERIFY(engine.player.isPlaying());
        QTRY_VERIFY2_WITH_TIMEOUT(
            engine.player.time().intValue() >= before,
            qPrintable(QStringLiteral("%1 < %2").arg(engine.player.time().intValue()).arg(before)), 3000);
        QCOMPARE(states.count(), stateEvents);
        QTRY_COMPARE_WITH_TIMEOUT(renewed.count(), 1, 3000);
    }

    // No file: nothing happens; early volume (0..200) and mute are kept; the view may go first.
    void playsFramesIntoTheView()
    {
        auto view = std::make_unique<VLCVideoView>();
        auto player = std::make_unique<VLCMediaPlayer>(view.get());
        QVERIFY(player->isValid());
        player->play();
        player->setPosition(0.5f);
        player->jumpForward(10);
        QVERIFY(!player->isPlaying());
        QCOMPARE(player->position(), 0.0f);
        QVERIFY(!player->saveVideoSnapshotAt(m_dir.filePath(QStringLiteral("none.png")), 0, 0));
        QVERIFY(!player->media());

        player->setVolume(-20);
        player->setMute(true);
        auto media = VLCMedia::mediaWithPath(m_withAudio);
        player->setMedia(media);
        QSignalSpy times(player.get(), &ORXPlaybackEngine::mediaPlayerTimeChanged);
        player->play();
        QTRY_VERIFY_WITH_TIMEOUT(player->isPlaying(), 10000);
        QCOMPARE(player->volume(), 0);
        QVERIFY(player->isMuted());
        for (const auto& [asked, kept] : {std::pair(70, 70), {250, 200}}) {
            player->setVolume(asked);
            QCOMPARE(player->volume(), kept);
        }
        QTRY_VERIFY_WITH_TIMEOUT(view->frameCount() >= 5, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(times.count() >= 1, 10000);
        QCOMPARE(times.first().first().value<ORXPlaybackEngine*>(), player.get());
        QCOMPARE(view->currentFrame().size(), QSize(320, 180));
        // The picture arrives whole and unstretched: its bottom frame-number strip reads back.
        QVERIFY(ORXSimReadFrameNumber(view->currentFrame()) >= 0);
        QCOMPARE(player->videoSize(), QSize(320, 180));
        QVERIFY(player->hasVideoOut());
        QCOMPARE(player->audioTrackIndexes().size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(media->length().intValue() > 2500, 10000);
        QVERIFY(media->length().intValue() < 3500);
        view.reset();
        QTest::qWait(200);
        player.reset();
    }

    // Paused and ended both report state 6; a seek in an ended file lands paused there, play goes on.
    void pausedEndedAndSeekingAnEndedFile()
    {
        Engine engine;
        auto media = VLCMedia::mediaWithPath(m_silent);
        engine.player.setMedia(media);
        engine.player.play();
        QTRY_VERIFY_WITH_TIMEOUT(engine.player.isPlaying() && engine.player.time().intValue() > 0, 10000);
        QVERIFY(engine.player.audioTrackIndexes().isEmpty());
        const qint64 remaining = engine.player.remainingTime().intValue();
        QVERIFY(remaining < 0 && remaining >= -media->length().intValue());
        QVERIFY(engine.player.remainingTime().stringValue().startsWith(QLatin1Char('-')));
        engine.player.pause();
        QTRY_COMPARE_WITH_TIMEOUT(engine.player.state(), int(ORXPlaybackEngine::kStatePaused), 10000);
        QVERIFY(!engine.player.isPlaying());
        for (bool byTime : {false, true}) {
            engine.player.play();
            QTRY_VERIFY_WITH_TIMEOUT(engine.player.isPlaying(), 10000);
            QTRY_VERIFY_WITH_TIMEOUT(!engine.player.isPlaying() && engine.player.state() == 6, 15000);
            QCOMPARE(engine.player.position(), 1.0f);
            QCOMPARE(engine.player.remainingTime().stringValue(), QStringLiteral("00:00"));
            const qint64 length = media->length().intValue();
            if (byTime)
                engine.player.setTime(VLCTime::timeWithInt(length / 2));
            else
                engine.player.setPosition(0.5f);
            QTRY_VERIFY_WITH_TIMEOUT(engine.player.position() < 0.9f && engine.player.time().intValue() > 0,
                                     10000);
            QTest::qWait(1000);
            QVERIFY(!engine.player.isPlaying());
            QCOMPARE(engine.player.state(), int(ORXPlaybackEngine::kStatePaused));
            QVERIFY(qAbs(engine.player.time().intValue() - length / 2) < 700);
            // The paused picture is the one there (30 fps, within a few frames), not the file's first.
            const int shown = ORXSimReadFrameNumber(engine.view.currentFrame());
            QVERIFY2(qAbs(shown - length / 2 * 30 / 1000) <= 6,
                     qPrintable(QStringLiteral("frame %1 at %2 ms").arg(shown).arg(engine.player.time().intValue())));
        }
    }

    // A hidden view gets no pictures while a file with sound plays (a silent one is decoded on, or
    // it would end at once); shown again, even paused, it shows the present moment.
    void aHiddenViewIsNotFedAndShowsTheMomentWhenShownAgain_data()
    {
        QTest::addColumn<bool>("audio");
        QTest::newRow("with sound") << true;
        QTest::newRow("silent") << false;
    }

    void aHiddenViewIsNotFedAndShowsTheMomentWhenShownAgain()
    {
        QFETCH(bool, audio);
        Engine engine;
        engine.view.resize(320, 180);
        engine.view.show();
        engine.player.setMedia(VLCMedia::mediaWithPath(audio ? m_longWithAudio : m_long));
        engine.player.play();
        QTRY_VERIFY_WITH_TIMEOUT(engine.view.frameCount() >= 3, 10000);
        engine.view.hide();
        QTest::qWait(300); // pictures already on their way
        const quint64 frames = engine.view.frameCount();
        const qint64 hiddenAt = engine.player.time().intValue();
        QElapsedTimer wall;
        wall.start();
        QTest::qWait(1500);
        const qint64 played = engine.player.time().intValue() - hiddenAt;
        QVERIFY2(played > 1000 && played < wall.elapsed() + 700, qPrintable(QString::number(played)));
        QCOMPARE(engine.view.frameCount() > frames, !audio);
        engine.player.pause();
        QTRY_COMPARE_WITH_TIMEOUT(engine.player.state(), int(ORXPlaybackEngine::kStatePaused), 5000);
        engine.view.show();
        const auto framesOff = [&] {
            return qAbs(ORXSimReadFrameNumber(engine.view.currentFrame()) -
                        engine.player.time().intValue() * 30 / 1000);
        };
        QTRY_VERIFY2_WITH_TIMEOUT(framesOff() <= 6, qPrintable(QString::number(framesOff())), 5000);
        QTest::qWait(300);
        QVERIFY(!engine.player.isPlaying());
        QCOMPARE(engine.player.state(), int(ORXPlaybackEngine::kStatePaused));
    }
};

ORVEX_TEST(TestEngine)
#include "tst_engine.moc"
