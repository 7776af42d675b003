#include "ORXSimFrameNumber.h"
#include "ORXSimFramePainter.h"
#include "ORXSimRecording.h"
#include "OrvexTest.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <random>

// The frame-number strip survives what a player does to a frame: JPEG compression and
// scaling. Unreadable pictures give -1, never a made-up number.
class ORXSimFrameNumberTest : public QObject
{
    Q_OBJECT

    static QImage jpegRoundTrip(const QImage& image, int quality)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(quality);
        if (!writer.write(image))
            return {};
        return QImage::fromData(bytes, "JPEG");
    }

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("quality");
        QTest::newRow("first frame, jpeg 30") << 0 << QSize(640, 360) << 1.0 << 30;
        QTest::newRow("half size after jpeg") << 107999 << QSize(640, 360) << 0.5 << 70;
        QTest::newRow("full HD to 960x540") << 4242 << QSize(1920, 1080) << 0.5 << 70;
        QTest::newRow("enlarged") << 777 << QSize(640, 360) << 1.6 << 70;
        QTest::newRow("largest number") << (1 << 24) - 1 << QSize(640, 360) << 0.5 << 70;
        QTest::newRow("small frame") << 99 << QSize(320, 180) << 1.0 << 70;
    }

    void roundTrip()
    {
        QFETCH(int, number);
        QFETCH(QSize, size);
        QFETCH(double, scale);
        QFETCH(int, quality);
        ORXSimFrameState state;
        state.frameNumber = number;
        state.overlayTop = QStringLiteral("FRONT 2023-01-05 13:45:01");
        state.overlayBottom = QStringLiteral("052 KM/H N37.5326 E127.0246");
        QImage frame = ORXSimFramePainter(size.width(), size.height(), true).draw(state);
        QCOMPARE(frame.size(), size);
        frame = jpegRoundTrip(frame, quality);
        QVERIFY(!frame.isNull());
        if (scale != 1.0)
            frame = frame.scaled(frame.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QCOMPARE(ORXSimReadFrameNumber(frame), number);
    }

    // The camera's own look (the sample card) has no strip to read; the benchmark's has.
    void stripOnlyWhenAskedFor()
    {
        ORXSimFrameState state;
        state.frameNumber = 1234;
        QCOMPARE(ORXSimReadFrameNumber(ORXSimFramePainter(640, 360, true).draw(state)), 1234);
        state.frameNumberStrip = false;
        for (bool front : {true, false}) {
            const QImage frame = ORXSimFramePainter(640, 360, front).draw(state);
            QCOMPARE(ORXSimReadFrameNumber(frame), -1);
            QVERIFY(qGray(frame.pixel(320, 355)) < 90); // bonnet or window frame, no white strip
        }
    }

    void unreadable_data()
    {
        QTest::addColumn<QImage>("image");
        const auto filled = [](QColor colour, QSize size = QSize(320, 180)) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(colour);
            return image;
        };
        QImage noise = filled(Qt::black);
        std::mt19937 random(5);
        for (int y = 0; y < noise.height(); ++y) {
            for (int x = 0; x < noise.width(); ++x)
                noise.setPixel(x, y, (random() & 1) ? 0xFFFFFFFF : 0xFF000000);
        }
        QImage spoiled = filled(Qt::darkGreen);
        ORXSimDrawFrameNumber(spoiled, 1000);
        for (int y = spoiled.height() - 8; y < spoiled.height(); ++y) { // flip the last block, a check bit
            for (int x = 31 * spoiled.width() / 32; x < spoiled.width(); ++x)
                spoiled.setPixel(x, y, qGray(spoiled.pixel(x, y)) > 128 ? 0xFF000000 : 0xFFFFFFFF);
        }
        QTest::newRow("null image") << QImage();
        QTest::newRow("all black") << filled(Qt::black);
        QTest::newRow("all white") << filled(Qt::white);
        QTest::newRow("noise") << noise;
        QTest::newRow("check bits spoiled") << spoiled;
    }

    void unreadable()
    {
        QFETCH(QImage, image);
        QCOMPARE(ORXSimReadFrameNumber(image), -1);
    }
};

ORVEX_TEST(ORXSimFrameNumberTest)

// Other programs of the field read the recordings as ordinary AVI files: ffprobe sees
// MJPEG video at 30 fps (and 16-bit PCM audio where there is sound) without complaint. That
// decoded frames carry their numbers is what the player's engine tests read through libVLC.
class ORXSimPlayableTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    static QByteArray run(const QString& program, const QStringList& args, QByteArray* err)
    {
        QProcess process;
        process.start(program, args);
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
            *err = "did not finish";
            return {};
        }
        *err = process.readAllStandardError();
        if (process.exitCode() != 0)
            err->append("exit " + QByteArray::number(process.exitCode()));
        return process.readAllStandardOutput();
    }

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
        QByteArray err;
        const QByteArray out =
            run(ffprobe,
                {"-v", "error", "-show_entries",
                 "stream=codec_name,codec_type,width,height,sample_rate,r_frame_rate,nb_frames", "-of",
                 "csv=p=0", o.path},
                &err);
        QVERIFY2(err.isEmpty(), err.constData());
        QTEST(out, "streams");
    }
};

ORVEX_TEST(ORXSimPlayableTest)
#include "tst_sim_frames.moc"
