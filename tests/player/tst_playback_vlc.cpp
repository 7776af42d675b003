// The playback controller on two real libVLC engines, end to end on simulated recordings.
#include "OrvexTest.h"

#include "FakePlayerView.h"
#include "ORXBlackBoxData.h"
#include "ORXMediaList.h"
#include "ORXPlayInfo.h"
#include "ORXPlaybackController.h"
#include "ORXSimFrameNumber.h"
#include "ORXSimRecording.h"
#include "VLCMediaPlayer.h"
#include "VLCVideoView.h"

namespace {
// libVLC needs a few seconds on a loaded machine; waits are generous and end early.
constexpr int kEngineTimeoutMs = 20000;

struct VlcPlayback
{
    explicit VlcPlayback(const QString& folder)
    {
        blackBoxData.setWaitAfterRead(0);
        blackBoxData.setIndexTraceEnabled(false);
        controller = std::make_unique<ORXPlaybackController>(&player1, &player2, &playInfo, &mediaList,
                                                             &blackBoxData, &view);
        mediaList.setDirectoryPath(folder);
        mediaList.waitForRebuild();
    }
    ~VlcPlayback()
    {
        controller->stopPlay();
        controller.reset();
    }

    QString fileName(const ORXPlaybackEngine& engine) const
    {
        return engine.media() ? QFileInfo(engine.media()->url().toLocalFile()).fileName() : QString();
    }

    VLCVideoView video1;
    VLCVideoView video2;
    VLCMediaPlayer player1{&video1};
    VLCMediaPlayer player2{&video2};
    ORXPlayInfo playInfo;
    ORXMediaList mediaList;
    ORXBlackBoxData blackBoxData;
    FakePlayerView view;
    std::unique_ptr<ORXPlaybackController> controller;
};
} // namespace

class PlaybackVlcTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    const QStringList m_names = {
        QStringLiteral("alwa_20230105_134501_F.avi"), // 0 pair with sound
        QStringLiteral("alwa_20230105_134501_R.avi"), // 1
        QStringLiteral("alwa_20230105_134601_F.avi"), // 2 pair without sound
        QStringLiteral("alwa_20230105_134601_R.avi"), // 3
    };

    bool write(const QString& name, bool audio)
    {
        ORXSimRecordingOptions options;
        options.path = m_dir.filePath(name);
        options.durationSeconds = 3;
        options.width = 320;
        options.height = 180;
        options.fps = 15;
        options.front = name.endsWith(QLatin1String("_F.avi"));
        options.audio = audio;
        QString error;
        if (!ORXSimWriteRecording(options, nullptr, &error))
            qWarning("simulator: %s", qPrintable(error));
        return error.isEmpty();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        for (int i = 0; i < m_names.size(); ++i)
            QVERIFY(write(m_names[i], i < 2));
    }

    // One run: start, advance to the silent pair, replay after its end, frame steps on both pictures.
    void pairsPlayAdvanceReplayAndStep()
    {
        VlcPlayback p(m_dir.path());
        QCOMPARE(p.mediaList.count(), 4);
        p.view.selected = 0;
        p.controller->changeAndPlay();
        QVERIFY(!p.view.isLoadingStopped());
        QCOMPARE(p.fileName(p.player1), m_names[0]);
        QCOMPARE(p.fileName(p.player2), m_names[1]);

        QTRY_VERIFY_WITH_TIMEOUT(p.video1.frameCount() >= 3 && p.video2.frameCount() >= 3, kEngineTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(p.view.isLoadingStopped(), kEngineTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!p.controller->waitingForPlayStart(), kEngineTimeoutMs);
        QVERIFY(p.view.videoVisible[0] && p.view.videoVisible[1]);
        QVERIFY(p.playInfo.isPlaying());
        QCOMPARE(p.playInfo.audioMediaDirection(), 0);
        QVERIFY(!p.player1.isMuted());
        QVERIFY(p.player2.isMuted());
        p.controller->updatePlayInfoScale(); // as when the window's content is laid out
        QCOMPARE(p.playInfo.scale(), p.view.containerHeight / 180.0);
        QTRY_VERIFY_WITH_TIMEOUT(p.playInfo.position() > 0.2, kEngineTimeoutMs);

        // 3 s of play, then the end timer (1 s) and the advance (1 s).
        QTRY_COMPARE_WITH_TIMEOUT(p.controller->mediaIndex(), qint64(2), kEngineTimeoutMs);
        QCOMPARE(p.fileName(p.player1), m_names[2]);
        QCOMPARE(p.fileName(p.player2), m_names[3]);
        const quint64 frames2 = p.video2.frameCount();
        QTRY_VERIFY_WITH_TIMEOUT(!p.controller->waitingForPlayStart(), kEngineTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(p.video2.frameCount() > frames2, kEngineTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(p.view.isLoadingStopped(), kEngineTimeoutMs);
        QCOMPARE(p.playInfo.audioMediaDirection(), 2);
        QVERIFY(!p.view.audioToggleVisible);
        QVERIFY(p.player1.isMuted() && p.player2.isMuted());

        QTRY_VERIFY_WITH_TIMEOUT(p.player1.state() == 6 && p.player1.position() >= 0.998f, kEngineTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!p.playInfo.isPlaying(), kEngineTimeoutMs);
        p.view.positionSlider = 0.3;
        p.controller->clickPlayButton();
        QTRY_VERIFY_WITH_TIMEOUT(p.player1.isPlaying() && p.player2.isPlaying(), kEngineTimeoutMs);
        QVERIFY(p.player1.time().intValue() >= 700);
        QVERIFY(p.player1.position() < 0.9f);
        QTRY_VERIFY_WITH_TIMEOUT(p.playInfo.isPlaying(), kEngineTimeoutMs);

        p.controller->clickPlayButton();
        QTRY_VERIFY_WITH_TIMEOUT(!p.playInfo.isPlaying() && p.controller->canStepFrame(), kEngineTimeoutMs);
        QCOMPARE(p.player1.framesPerSecond(), 15.0);
        const auto shown = [&] {
            return QStringLiteral("front %1, rear %2")
                .arg(ORXSimReadFrameNumber(p.video1.currentFrame()))
                .arg(ORXSimReadFrameNumber(p.video2.currentFrame()));
        };
        for (const QChar step : QStringLiteral("+++++---++")) {
            // Steps at a person's pace: each once the controller takes steps again.
            QTRY_VERIFY_WITH_TIMEOUT(p.controller->canStepFrame(), kEngineTimeoutMs);
            step == QLatin1Char('+') ? p.controller->stepFrameForward() : p.controller->stepFrameBackward();
            const qint64 frame = p.controller->stepFrame();
            QVERIFY(frame > 0);
            QVERIFY2(
                QTest::qWaitFor([&] { return shown() == QStringLiteral("front %1, rear %1").arg(frame); },
                                kEngineTimeoutMs),
                qPrintable(QStringLiteral("frame %1: %2").arg(frame).arg(shown())));
        }
        QVERIFY(!p.player1.isPlaying() && !p.player2.isPlaying());
    }
};

ORVEX_TEST(PlaybackVlcTest)
#include "tst_playback_vlc.moc"
