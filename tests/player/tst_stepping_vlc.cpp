// Frame steps on two real libVLC engines: both pictures show the frame the controller names.
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

#include <QTemporaryDir>

class FrameStepVlcTest : public QObject
{
    Q_OBJECT

private slots:
    void bothPicturesShowTheSteppedFrame()
    {
        constexpr int kTimeoutMs = 20000;
        QTemporaryDir dir;
        for (const char* name : {"alwa_20230105_134501_F.avi", "alwa_20230105_134501_R.avi"}) {
            ORXSimRecordingOptions options;
            options.path = dir.filePath(QLatin1String(name));
            options.durationSeconds = 4;
            options.width = 320;
            options.height = 180;
            options.fps = 15;
            options.front = options.path.endsWith(QLatin1String("_F.avi"));
            QString error;
            QVERIFY2(ORXSimWriteRecording(options, nullptr, &error), qPrintable(error));
        }
        VLCVideoView video1, video2;
        VLCMediaPlayer player1(&video1), player2(&video2);
        ORXPlayInfo playInfo;
        ORXMediaList mediaList;
        ORXBlackBoxData blackBoxData;
        blackBoxData.setWaitAfterRead(0);
        FakePlayerView view;
        ORXPlaybackController controller(&player1, &player2, &playInfo, &mediaList, &blackBoxData, &view);
        mediaList.setDirectoryPath(dir.path());
        mediaList.waitForRebuild();

        QVERIFY(controller.playAtIndex(0));
        QTRY_VERIFY_WITH_TIMEOUT(!controller.waitingForPlayStart() && video2.frameCount() > 3, kTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(player1.time().intValue() > 1000, kTimeoutMs);
        controller.clickPlayButton();
        QTRY_VERIFY_WITH_TIMEOUT(!playInfo.isPlaying() && controller.canStepFrame(), kTimeoutMs);
        QCOMPARE(player1.framesPerSecond(), 15.0);

        const auto shows = [&](qint64 frame) {
            return ORXSimReadFrameNumber(video1.currentFrame()) == frame &&
                   ORXSimReadFrameNumber(video2.currentFrame()) == frame;
        };
        for (const QString steps : {QStringLiteral("+++++"), QStringLiteral("---"), QStringLiteral("++")}) {
            for (const QChar step : steps) {
                step == QLatin1Char('+') ? controller.stepFrameForward() : controller.stepFrameBackward();
                const qint64 frame = controller.stepFrame();
                QVERIFY(frame > 0);
                QVERIFY2(QTest::qWaitFor([&] { return shows(frame); }, kTimeoutMs),
                         qPrintable(QStringLiteral("frame %1: front shows %2, rear %3")
                                        .arg(frame)
                                        .arg(ORXSimReadFrameNumber(video1.currentFrame()))
                                        .arg(ORXSimReadFrameNumber(video2.currentFrame()))));
            }
        }
        QVERIFY(!player1.isPlaying() && !player2.isPlaying());
        controller.stopPlay();
    }
};

ORVEX_TEST(FrameStepVlcTest)
#include "tst_stepping_vlc.moc"
