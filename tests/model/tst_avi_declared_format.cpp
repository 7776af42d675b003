#include "OrvexTest.h"

#include "ORXAviDeclaredFormat.h"
#include "TinyRecording.h"

// The picture size and frame rate read off an AVI file's first bytes before libVLC opens it.
class AviDeclaredFormatTest : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        QTest::addColumn<int>("cut");     // bytes kept of the recording (0: all)
        QTest::addColumn<int>("patchAt"); // a byte set to 0 (-1: none)
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("fps");
        QTest::newRow("recording") << 0 << -1 << QSize(96, 64) << 12.0;
        QTest::newRow("main header only: its microseconds per frame") << 72 << -1 << QSize(96, 64) << 12.0;
        QTest::newRow("the video stream's rate before the main header's") << 0 << 32 << QSize(96, 64) << 12.0;
        QTest::newRow("no width") << 0 << 64 << QSize() << 12.0;
        QTest::newRow("cut inside the main header") << 71 << -1 << QSize() << 0.0;
        QTest::newRow("no AVI") << 0 << 8 << QSize() << 0.0;
    }

    void read()
    {
        QFETCH(int, cut);
        QFETCH(int, patchAt);
        QFETCH(QSize, size);
        QFETCH(double, fps);
        QTemporaryDir dir;
        ORXSimRecordingOptions options = tinyRecording(dir.filePath("alwa_20230105_134501_F.avi"), 1);
        options.width = 96;
        options.fps = 12;
        QString error;
        QVERIFY2(ORXSimWriteRecording(options, nullptr, &error), qPrintable(error));
        QFile file(options.path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        if (patchAt >= 0)
            bytes[patchAt] = 0;
        if (cut > 0)
            bytes.truncate(cut);
        QVERIFY(file.resize(0) && file.seek(0) && file.write(bytes) == bytes.size());
        file.close();
        const ORXAviDeclaredFormat format = ORXAviDeclaredFormat::read(options.path);
        QCOMPARE(format.frameSize, size);
        QVERIFY2(qAbs(format.framesPerSecond - fps) < 1e-3,
                 qPrintable(QString::number(format.framesPerSecond))); // 83,333 µs a frame
    }
};

ORVEX_TEST(AviDeclaredFormatTest)
#include "tst_avi_declared_format.moc"
