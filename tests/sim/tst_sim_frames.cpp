#include "ORXSimFrameNumber.h"
#include "ORXSimFramePainter.h"
#include "ORXSimRecording.h"
#include "OrvexTest.h"

// The camera's own look (the sample card) has no frame-number strip; the benchmark's has. How
// the strip survives a player's decoding and scaling is what the engine tests read through libVLC.
class ORXSimFrameNumberTest : public QObject
{
    Q_OBJECT

private slots:
    void stripOnlyWhenAskedFor()
    {
        ORXSimFrameState state;
        state.frameNumber = 1234;
        QImage numbered = ORXSimFramePainter(640, 360, true).draw(state);
        QCOMPARE(ORXSimReadFrameNumber(numbered), 1234);
        for (int y = 344; y < 360; ++y) { // the last block, a check bit, inverted: no number
            for (int x = 620; x < 640; ++x)
                numbered.setPixel(x, y, ~numbered.pixel(x, y) | 0xFF000000);
        }
        QCOMPARE(ORXSimReadFrameNumber(numbered), -1);
        state.frameNumberStrip = false;
        for (bool front : {true, false}) {
            const QImage frame = ORXSimFramePainter(640, 360, front).draw(state);
            QCOMPARE(ORXSimReadFrameNumber(frame), -1);
            QVERIFY(qGray(frame.pixel(320, 355)) < 90); // bonnet or window frame, no white strip
        }
    }
};

ORVEX_TEST(ORXSimFrameNumberTest)

// Other programs read the recordings as plain AVI: ffprobe sees 30 fps MJPEG (and 16-bit PCM sound).
class ORXSimPlayableTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void ffprobe_data()
    {
        QTest::addColumn<bool>("audio");
        QTest::addColumn<bool>("front");
        QTest::addColumn<QByteArray>("streams"); // codec, type, size or sample rate, frame rate, frames
        QTest::newRow("front with sound")
            << true << true
            << QByteArray(
                   "mjpeg,video,640,360,30/1,120\npcm_s16le,audio,16000,0/0,64000\nunknown,unknown,0/0,44\n");
        QTest::newRow("rear, silent")
            << false << false << QByteArray("mjpeg,video,640,360,30/1,120\nunknown,unknown,0/0,44\n");
    }

    void ffprobe()
    {
        QFETCH(bool, audio);
        QFETCH(bool, front);
        const QString ffprobe = QStandardPaths::findExecutable(QStringLiteral("ffprobe"));
        if (ffprobe.isEmpty())
            QSKIP("ffprobe is not installed");
        ORXSimRecordingOptions o;
        o.path = m_dir.filePath(QStringLiteral("probe.avi"));
        o.durationSeconds = 4;
        o.audio = audio;
        o.front = front;
        QVERIFY(ORXSimWriteRecording(o, nullptr, nullptr));
        QProcess process;
        process.start(ffprobe, {"-v", "error", "-show_entries",
                                "stream=codec_name,codec_type,width,height,sample_rate,r_frame_rate,nb_frames",
                                "-of", "csv=p=0", o.path});
        QVERIFY(process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit);
        QCOMPARE(process.readAllStandardError(), QByteArray());
        QCOMPARE(process.exitCode(), 0);
        QTEST(process.readAllStandardOutput(), "streams");
    }
};

ORVEX_TEST(ORXSimPlayableTest)
#include "tst_sim_frames.moc"
