#include "ORXSimRecording.h"
#include "OrvexTest.h"
#include "SimAviProbe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <sys/stat.h>

using OptionsChange = std::function<void(ORXSimRecordingOptions&)>;
Q_DECLARE_METATYPE(OptionsChange)

// The AVI files the simulator writes: where the movie list and the index lie, where each
// index entry's chunk is, and that the side-stream records read back exactly as written.
class ORXSimLayoutTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    ORXSimRecordingOptions options(const QString& name, int seconds = 3)
    {
        ORXSimRecordingOptions o;
        o.path = m_dir.filePath(name);
        o.durationSeconds = seconds;
        o.width = 160;
        o.height = 90;
        return o;
    }

    // The 02sb payloads in index order, each as long as its record.
    static QVector<QByteArray> sideRecords(const QString& path, const SimAviView& view)
    {
        QFile file(path);
        QVector<QByteArray> records;
        if (!file.open(QIODevice::ReadOnly))
            return records;
        for (const auto& entry : view.withId("02sb"))
            records << simChunkData(file, entry, entry.length > ORXAviLayout::kGSensorChunkMax ? 552 : 24);
        return records;
    }

    static QVector<QByteArray> expectedRecords(const ORXSimRecordingInfo& info)
    {
        // Written in time order: G-sensor samples at 100 ms steps, a GPS record after the
        // sample of each whole second.
        QVector<QByteArray> records;
        int g = 0;
        for (int s = 0; s < info.gps.size() || g < info.gsensor.size(); ++s) {
            for (; g < info.gsensor.size() &&
                   info.gsensor[g].timestamp <= (s < info.gps.size() ? info.gps[s].nTimestamp : UINT32_MAX);
                 ++g)
                records << QByteArray(reinterpret_cast<const char*>(&info.gsensor[g]), 24);
            if (s < info.gps.size())
                records << QByteArray(reinterpret_cast<const char*>(&info.gps[s]), 552);
        }
        return records;
    }

private slots:
    void layout_data()
    {
        QTest::addColumn<bool>("audio");
        QTest::addColumn<int>("receiver");
        QTest::addColumn<bool>("gps");
        QTest::addColumn<bool>("gsensor");
        QTest::addColumn<int>("gsensorPerSecond");
        QTest::newRow("audio, GPS only")
            << true << int(ORXSimRecordingOptions::GpsOnly) << true << true << 10;
        QTest::newRow("silent, GPS+GLONASS")
            << false << int(ORXSimRecordingOptions::GpsGlonass) << true << true << 10;
        QTest::newRow("no GPS") << true << int(ORXSimRecordingOptions::GpsOnly) << false << true << 10;
        QTest::newRow("no G-sensor") << false << int(ORXSimRecordingOptions::GpsOnly) << true << false << 10;
        QTest::newRow("5 samples a second")
            << true << int(ORXSimRecordingOptions::GpsGlonass) << true << true << 5;
    }

    void layout()
    {
        QFETCH(bool, audio);
        QFETCH(int, receiver);
        QFETCH(bool, gps);
        QFETCH(bool, gsensor);
        QFETCH(int, gsensorPerSecond);
        ORXSimRecordingOptions o = options(QStringLiteral("layout.avi"));
        o.audio = audio;
        o.receiver = ORXSimRecordingOptions::Receiver(receiver);
        o.gps = gps;
        o.gsensor = gsensor;
        o.gsensorPerSecond = gsensorPerSecond;
        ORXSimRecordingInfo info;
        QString error;
        QVERIFY2(ORXSimWriteRecording(o, &info, &error), qPrintable(error));

        const SimAviView view = simReadAvi(o.path);
        QVERIFY2(view.error.isEmpty(), qPrintable(view.error));
        QCOMPARE(view.riffTag, QByteArray("RIFF"));
        QCOMPARE(qint64(view.riffSize) + 8, QFileInfo(o.path).size());
        QCOMPARE(qint64(view.movieSize) + ORXAviLayout::kIndexAfterMovieSize + view.entries.size() * 16,
                 QFileInfo(o.path).size());

        QCOMPARE(info.videoFrames, 3 * 30);
        QCOMPARE(info.gsensor.size(), gsensor ? 3 * gsensorPerSecond : 0);
        QCOMPARE(info.gps.size(), gps ? 3 : 0);
        const auto video = view.withId("00dc");
        QCOMPARE(video.size(), info.videoFrames);
        QCOMPARE(view.withId("01wb").isEmpty(), !audio);
        QCOMPARE(view.withId("02sb").size(), info.gsensor.size() + info.gps.size());
        QCOMPARE(view.entries.size(), video.size() + view.withId("01wb").size() + view.withId("02sb").size());

        QFile file(o.path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        quint32 previous = 0;
        for (const auto& entry : view.entries) {
            // In index order the chunks follow each other through the movie list.
            QVERIFY(entry.offset >= previous);
            previous = entry.offset;
            const QByteArray head = simChunkData(file, entry, 2);
            QVERIFY2(!head.isNull(), entry.id.constData());
            if (entry.id == "00dc") {
                QCOMPARE(entry.flags, 0x10u);
                QCOMPARE(head, QByteArray("\xFF\xD8")); // JPEG start of image
            }
        }
        QCOMPARE(sideRecords(o.path, view), expectedRecords(info));
    }

    void outOfOrderData()
    {
        ORXSimRecordingOptions o = options(QStringLiteral("order.avi"), 6);
        o.outOfOrderData = true;
        ORXSimRecordingInfo info;
        QVERIFY(ORXSimWriteRecording(o, &info, nullptr));
        const SimAviView view = simReadAvi(o.path);
        QVERIFY2(view.error.isEmpty(), qPrintable(view.error));
        const auto side = view.withId("02sb");
        int backwards = 0;
        for (int i = 1; i < side.size(); ++i)
            backwards += side[i].offset < side[i - 1].offset ? 1 : 0;
        QVERIFY(backwards >= 1);
        // Read in index order, the records are still those of the drive in time order.
        QCOMPARE(sideRecords(o.path, view), expectedRecords(info));
    }

    void oversizedNLen()
    {
        ORXSimRecordingOptions o = options(QStringLiteral("nlen.avi"), 4);
        o.oversizedNLen = true;
        ORXSimRecordingInfo info;
        QVERIFY(ORXSimWriteRecording(o, &info, nullptr));
        int oversized = 0;
        for (const QByteArray& record : sideRecords(o.path, simReadAvi(o.path))) {
            if (record.size() != 552)
                continue;
            _AVI_GPS_DATA_T gps;
            std::memcpy(&gps, record.constData(), sizeof gps);
            oversized += gps.nLen > 508 ? 1 : 0;
            QCOMPARE(gps.header, 205);
        }
        QCOMPARE(oversized, 1);
    }

    void truncateAt_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::newRow("inside the RIFF header") << qint64(6);
        QTest::newRow("before the movie list size") << qint64(ORXAviLayout::kMovieListSizeOffset);
        QTest::newRow("inside the movie list") << qint64(40000);
        QTest::newRow("no cut") << qint64(1);
    }

    void truncateAt()
    {
        QFETCH(qint64, size);
        ORXSimRecordingOptions whole = options(QStringLiteral("whole.avi"));
        QVERIFY(ORXSimWriteRecording(whole, nullptr, nullptr));
        const qint64 full = QFileInfo(whole.path).size();
        ORXSimRecordingOptions o = options(QStringLiteral("cut.avi"));
        o.truncateAt = size == 1 ? full + 100 : size;
        QVERIFY(ORXSimWriteRecording(o, nullptr, nullptr));
        QCOMPARE(QFileInfo(o.path).size(), std::min(o.truncateAt, full));
        QFile a(whole.path), b(o.path);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(b.readAll(), a.read(std::min(o.truncateAt, full))); // a prefix of the same recording
    }

    void notRiff()
    {
        ORXSimRecordingOptions o = options(QStringLiteral("notriff.avi"));
        o.notRiff = true;
        QVERIFY(ORXSimWriteRecording(o, nullptr, nullptr));
        const SimAviView view = simReadAvi(o.path);
        QVERIFY(view.riffTag != "RIFF");
        QCOMPARE(view.riffTag.size(), 4);
        QVERIFY2(view.error.isEmpty(), "everything after the first four bytes is intact");
    }

    // A one-hour recording for benchmarks: the video chunks are in the movie list and the
    // index, their data left as holes; the telemetry is all there.
    void sparseHour()
    {
        // On a disk mounted with online discard, deleting a file of 108,000 scattered
        // blocks takes minutes; memory-backed /dev/shm takes it in a blink.
        QTemporaryDir shm(QStringLiteral("/dev/shm/tst_sim-XXXXXX"));
        ORXSimRecordingOptions o = options(QStringLiteral("hour.avi"), 3600);
        if (shm.isValid())
            o.path = shm.filePath(QStringLiteral("hour.avi"));
        o.width = 640;
        o.height = 360;
        o.sparseVideo = true;
        o.audio = false;
        ORXSimRecordingInfo info;
        QElapsedTimer timer;
        timer.start();
        QString error;
        QVERIFY2(ORXSimWriteRecording(o, &info, &error), qPrintable(error));
        qInfo("one sparse hour written in %lld ms", timer.elapsed());
        QVERIFY(timer.elapsed() < 60000);

        const SimAviView view = simReadAvi(o.path);
        QVERIFY2(view.error.isEmpty(), qPrintable(view.error));
        QCOMPARE(view.withId("00dc").size(), 108000);
        QCOMPARE(view.withId("02sb").size(), 39600);
        QFile file(o.path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const auto video = view.withId("00dc");
        for (int i = 0; i < video.size(); i += 997) {
            const QByteArray data = simChunkData(file, video[i], 16);
            QVERIFY(!data.isNull());
            QCOMPARE(data, QByteArray(16, '\0')); // a hole reads as zeros
        }
        struct stat st
        {
        };
        QCOMPARE(::stat(QFile::encodeName(o.path).constData(), &st), 0);
        QVERIFY(qint64(st.st_blocks) * 512 < QFileInfo(o.path).size() / 2);
        const auto side = sideRecords(o.path, view);
        QCOMPARE(side.last(), QByteArray(reinterpret_cast<const char*>(&info.gsensor.last()), 24));
        QCOMPARE(side[side.size() - 10], QByteArray(reinterpret_cast<const char*>(&info.gps.last()), 552));
        file.close();
        QFile::remove(o.path);
    }

    void refusesBadOptions_data()
    {
        QTest::addColumn<OptionsChange>("change");
        QTest::newRow("no path") << OptionsChange([](ORXSimRecordingOptions& o) { o.path.clear(); });
        QTest::newRow("zero seconds") << OptionsChange([](ORXSimRecordingOptions& o) { o.durationSeconds = 0; });
        QTest::newRow("tiny frame") << OptionsChange([](ORXSimRecordingOptions& o) { o.width = 8; });
        QTest::newRow("no frame rate") << OptionsChange([](ORXSimRecordingOptions& o) { o.fps = 0; });
        QTest::newRow("route offset not a number")
            << OptionsChange([](ORXSimRecordingOptions& o) { o.routeOffsetSeconds = std::nan(""); });
        QTest::newRow("folder missing") << OptionsChange([](ORXSimRecordingOptions& o) {
            o.path = QFileInfo(o.path).dir().filePath(QStringLiteral("no/such/folder/bad.avi"));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^fopen fail:.*bad.avi")));
        });
    }

    void refusesBadOptions()
    {
        QFETCH(OptionsChange, change);
        ORXSimRecordingOptions o = options(QStringLiteral("bad.avi"));
        change(o);
        QString error;
        ORXSimRecordingInfo info;
        QVERIFY(!ORXSimWriteRecording(o, &info, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(o.path) || o.path.isEmpty());
        QCOMPARE(info.videoFrames, 0);
    }
};

ORVEX_TEST(ORXSimLayoutTest)
#include "tst_sim_layout.moc"
