#include "OrvexTest.h"

#include "AviTestFile.h"
#include "ORXBlackBoxData.h"
#include "TinyRecording.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

using Indexes = QList<int>;

namespace {
const QByteArray kGga = "$GPGGA,123519,3745.1234,S,12701.5678,W,1,08,0.9,545.4,M,,,,*47\r\n";
const QByteArray kRmc = "$GPRMC,123519.000,A,3745.1234,S,12701.5678,W,022.4,084.4,230394,,*6A\r\n";

bool extract(ORXBlackBoxData& box, const QByteArray& file)
{
    QBuffer buffer;
    buffer.setData(file);
    box.setWaitAfterRead(0);
    box.setIndexTraceEnabled(false);
    return box.ExtractStreamInformation(&buffer);
}

bool isEmpty(const ORXBlackBoxData& box)
{
    return box.m_NMEAs().isEmpty() && box.m_GSensors().isEmpty() && box.m_vGSensorData().isEmpty() &&
           box.m_vGpsData().isEmpty() && box.gpsRecords().isEmpty();
}

// Which GPS record (by index-order number) each sample got.
Indexes pairedRecords(const ORXBlackBoxData& box)
{
    Indexes result;
    for (const ORXAviGpsData& gps : box.m_vGpsData()) {
        int i = 0;
        while (i < box.gpsRecords().size() &&
               box.gpsRecords().at(i).record.data().nTimestamp != gps.data().nTimestamp)
            ++i;
        result << i;
    }
    return result;
}
} // namespace

class TestBlackBoxData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("orvex.model.info=false")); }

    void splitter_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("snapshots");
        QTest::addColumn<char>("lastNS");
        QTest::newRow("two sentences, CR LF") << kGga + kRmc << 2 << 'S';
        QTest::newRow("LF and NUL endings")
            << QByteArray("$GPGGA,1,1,S,1,W,1,08,0.9*47\n$GPGGA,1,1,N,1,E,1,08,0.9*47") + QByteArray(1, '\0')
            << 2 << 'N';
        QTest::newRow("last sentence unterminated") << kGga + "$GPGGA,1,1,N,1,E,1,08,0.9*47" << 1 << 'S';
        QTest::newRow("second character not G") << kGga + "$BDGSA,A,3,1*00\r\n" << 1 << 'S';
        QTest::newRow("unrecognised $G still snapshots") << kGga + "$GPGSV,1,1,0*00\r\n" << 2 << 'S';
        QTest::newRow("dollar restarts the sentence")
            << QByteArray("garbage$GPGGA,1,1,S,1,W,1,08,0.9*47\r") << 1 << 'S';
        QTest::newRow("text before dollar-less line") << QByteArray("GPGGA,1,1,S,1,W*47\r\n") << 0 << 'N';
        QTest::newRow("only terminators") << QByteArray("\r\n\r\n\0\0", 6) << 0 << 'N';
    }

    void splitter()
    {
        QFETCH(QByteArray, text);
        ORXBlackBoxData box;
        QByteArray buffer = text;
        QVERIFY(box.ParseNMEA(buffer.data(), int32_t(buffer.size())));
        QTEST(int(box.m_NMEAs().size()), "snapshots");
        QTEST(box.m_NMEAParser().m_Current().NS, "lastNS");
        QVERIFY(!buffer.contains('\r') && !buffer.contains('\n')); // terminators became NUL
    }

    void pairing_data()
    {
        QTest::addColumn<QList<quint32>>("samples");
        QTest::addColumn<QList<quint32>>("fixes");
        QTest::addColumn<Indexes>("expected");
        QTest::newRow("example") << QList<quint32>{0, 100, 200, 300} << QList<quint32>{150, 300}
                                 << Indexes{0, 0, 1, 1};
        QTest::newRow("samples outlast fixes")
            << QList<quint32>{0, 100, 200, 300, 400} << QList<quint32>{100} << Indexes{0, 0};
        QTest::newRow("fixes outlast samples")
            << QList<quint32>{0, 100} << QList<quint32>{50, 60, 70} << Indexes{0, 1};
        QTest::newRow("same 100 ms step")
            << QList<quint32>{199, 250} << QList<quint32>{101, 299} << Indexes{0, 1};
        QTest::newRow("no samples") << QList<quint32>{} << QList<quint32>{100} << Indexes{};
        QTest::newRow("no fixes") << QList<quint32>{0, 100} << QList<quint32>{} << Indexes{};
    }

    void pairing()
    {
        QFETCH(QList<quint32>, samples);
        QFETCH(QList<quint32>, fixes);
        AviTestFile avi;
        for (quint32 t : fixes) // GPS chunks first: pairing follows time, not file order
            avi.addGps(AviTestFile::gps(t, kGga));
        for (quint32 t : samples)
            avi.addGSensor(AviTestFile::gsensor(t));
        ORXBlackBoxData box;
        QVERIFY(extract(box, avi.build()));
        QCOMPARE(box.m_GSensors().size(), samples.size());
        QCOMPARE(box.gpsRecords().size(), fixes.size());
        QCOMPARE(box.m_NMEAs().size(), fixes.size());
        QTEST(pairedRecords(box), "expected");
    }

    void lastFixPerRecord()
    {
        AviTestFile avi;
        avi.addGps(AviTestFile::gps(100, kGga + kRmc));
        avi.addGps(AviTestFile::gps(200, "no sentences here"));
        avi.addGps(AviTestFile::gps(300, kGga));
        ORXBlackBoxData box;
        QVERIFY(extract(box, avi.build()));
        QCOMPARE(box.gpsRecords().size(), 3);
        QCOMPARE(box.gpsRecords().at(0).lastFix, 1);
        QCOMPARE(box.gpsRecords().at(1).lastFix, -1);
        QCOMPARE(box.gpsRecords().at(2).lastFix, 2);
    }

    void oversizedTextLength()
    {
        // Sentence text with no terminator and nLen far past 508: the splitter stops at RawData's end.
        _AVI_GPS_DATA_T gps = AviTestFile::gps(100, QByteArray(508, 'G'));
        gps.RawData[0] = '$';
        gps.nLen = 100000;
        _AVI_GPS_DATA_T full = AviTestFile::gps(200, QByteArray(503, ' ') + "$GPGGA"); // no terminator
        full.nLen = 508;
        AviTestFile avi;
        avi.addGps(gps);
        avi.addGps(full);
        avi.addGSensor(AviTestFile::gsensor(300));
        ORXBlackBoxData box;
        QVERIFY(extract(box, avi.build()));
        QCOMPARE(box.gpsRecords().size(), 2);
        QCOMPARE(box.gpsRecords().at(0).record.data().nLen, 100000u);
        QVERIFY(box.m_NMEAs().isEmpty());
        QCOMPARE(box.m_vGSensorData().size(), 1); // the walk went on past them
    }

    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("samples");
        QTest::addColumn<int>("gpsRecords");
        AviTestFile avi;
        avi.addGps(AviTestFile::gps(100, kGga));
        avi.addChunk("00dc", QByteArray(300, 'v'));
        avi.addGSensor(AviTestFile::gsensor(100));
        avi.addGSensor(AviTestFile::gsensor(200));
        const QByteArray good = avi.build();
        QTest::newRow("good") << good << true << 2 << 1;
        QTest::newRow("not RIFF") << QByteArray("RIFX") + good.mid(4) << false << 0 << 0;
        QTest::newRow("not AVI") << good.left(8) + "WAVE" + good.mid(12) << false << 0 << 0;
        QTest::newRow("empty") << QByteArray() << false << 0 << 0;
        QTest::newRow("header only") << good.left(12) << true << 0 << 0;
        QTest::newRow("cut in the movie list") << good.left(15000) << true << 0 << 0;
        QTest::newRow("cut inside the index") << good.left(good.size() - 24) << true << 0 << 1;
        QTest::newRow("cut inside the last entry") << good.left(good.size() - 4) << true << 1 << 1;

        AviTestFile past = avi;
        past.addEntry({"02sb", 0x7fffffff, 24}); // points past the end: reads nothing, ends the walk
        past.addEntry({"02sb", 4, 24});
        QTest::newRow("entry past the end") << past.build() << true << 3 << 1;

        AviTestFile wrapping = avi;
        wrapping.addEntry({"02sb", 0xffffffff, 600}); // would wrap to the file's start in 32 bits
        QTest::newRow("offset near 4 GiB") << wrapping.build() << true << 2 << 2;

        QByteArray hugeMovie = good;
        qToLittleEndian(quint32(0xfffffff0), hugeMovie.data() + ORXAviLayout::kMovieListSizeOffset);
        QTest::newRow("movie list size near 4 GiB") << hugeMovie << true << 0 << 0;

        QByteArray smallRiff = good;
        qToLittleEndian(quint32(4), smallRiff.data() + 4); // RIFF ends before the index: one entry
        QTest::newRow("RIFF ends before the index") << smallRiff << true << 0 << 1;

        // The chunk's length alone decides the kind: a GPS record of 32 reads as a sample.
        for (quint32 length : {32u, 33u, 0xffffffffu}) {
            AviTestFile kind;
            kind.addChunk("02sb", AviTestFile::bytesOf(AviTestFile::gps(500, kGga)), length);
            QTest::addRow("chunk length %u", length)
                << kind.build() << true << int(length <= 32) << int(length > 32);
        }
    }

    void damagedFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, result);
        ORXBlackBoxData box;
        const _AVI_GSENSOR_DATA_T stale = AviTestFile::gsensor(1);
        box.ParseGSensor(&stale, 24); // stale data from an earlier call
        QCOMPARE(extract(box, file), result);
        QTEST(int(box.m_GSensors().size()), "samples");
        QCOMPARE(box.m_vGSensorData().size(), box.m_GSensors().size());
        QTEST(int(box.gpsRecords().size()), "gpsRecords");
        if (!result)
            QVERIFY(isEmpty(box));
    }

    void shortRecordAtEndIsZeroFilled()
    {
        AviTestFile avi;
        avi.addGSensor(AviTestFile::gsensor(100, 5, 6, 7));
        QByteArray file = avi.build();
        // Point the entry at the last 8 bytes of the file: timestamp read, axes zero.
        const qint64 entryOffset = file.size() - 16;
        const quint32 chunk = quint32(file.size() - 12 - ORXAviLayout::kFirstChunkOffset);
        qToLittleEndian(chunk, file.data() + entryOffset + 8);
        ORXBlackBoxData box;
        QVERIFY(extract(box, file));
        QCOMPARE(box.m_vGSensorData().size(), 1);
        const _AVI_GSENSOR_DATA_T& got = box.m_vGSensorData().at(0).data();
        QCOMPARE(qFromLittleEndian<quint32>(file.constData() + file.size() - 4), got.timestamp);
        QCOMPARE(got.xAxis, 0);
        QCOMPARE(got.nTemprature, 0);
    }

    // A hostile index: repeated records are skipped, the caps end the walk like a damaged file.
    void hostileIndexes_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("samples");
        QTest::addColumn<int>("gpsRecords");
        QTest::addColumn<int>("fixes");
        QTest::addColumn<bool>("limited");
        const QByteArray shortSentences = QByteArray("$G\n").repeated(169);

        AviTestFile sample; // and a RIFF size far beyond the file: the walk ends at its end
        sample.addGSensor(AviTestFile::gsensor(100));
        for (int i = 0; i < 5000; ++i)
            sample.addEntry(sample.entries().first());
        QByteArray endless = sample.build();
        qToLittleEndian(quint32(0xfffffff0), endless.data() + 4);
        QTest::newRow("one sample indexed 5001 times") << endless << 1 << 0 << 0 << false;

        AviTestFile gps;
        gps.addGps(AviTestFile::gps(100, shortSentences));
        for (int i = 0; i < 20000; ++i)
            gps.addEntry(gps.entries().first());
        QTest::newRow("one GPS record of short sentences indexed 20001 times")
            << gps.build() << 0 << 1 << 169 << false;

        AviTestFile mixed;
        mixed.addGps(AviTestFile::gps(100, kGga));
        mixed.addGSensor(AviTestFile::gsensor(100));
        mixed.addEntry(mixed.entries().at(0));
        mixed.addEntry(mixed.entries().at(1));
        mixed.addGSensor(AviTestFile::gsensor(200));
        QTest::newRow("repeats between records") << mixed.build() << 2 << 1 << 1 << false;

        AviTestFile fixes;
        for (int i = 0; i < 1200; ++i)
            fixes.addGps(AviTestFile::gps(quint32(i) * 1000, shortSentences));
        fixes.addGSensor(AviTestFile::gsensor(100)); // after the cap: not read
        QTest::newRow("more fixes than a camera writes")
            << fixes.build() << 0 << int((ORXBlackBoxData::kMaxFixes + 168) / 169)
            << int(ORXBlackBoxData::kMaxFixes) << true;

        AviTestFile records; // records one byte apart over zeros: all different, all empty
        records.addChunk("02sb", QByteArray(ORXBlackBoxData::kMaxGpsRecords + 552, '\0'));
        for (quint32 i = 1; i <= ORXBlackBoxData::kMaxGpsRecords; ++i)
            records.addEntry({"02sb", 4 + i, 552});
        records.addGSensor(AviTestFile::gsensor(100));
        QTest::newRow("more GPS records than a camera writes")
            << records.build() << 0 << int(ORXBlackBoxData::kMaxGpsRecords) << 0 << true;
    }

    void hostileIndexes()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, limited);
        ORXBlackBoxData box;
        QVERIFY(extract(box, file));
        QTEST(int(box.m_GSensors().size()), "samples");
        QTEST(int(box.gpsRecords().size()), "gpsRecords");
        QTEST(int(box.m_NMEAs().size()), "fixes");
        QCOMPARE(!box.errorString().isEmpty(), limited);
        AviTestFile good;
        good.addGSensor(AviTestFile::gsensor(100));
        QVERIFY(extract(box, good.build()));
        QVERIFY(box.errorString().isEmpty()); // each extraction starts afresh
    }

    void pathVersion()
    {
        QTemporaryDir dir;
        // A simulated recording whose side-stream data is written out of index order.
        ORXSimRecordingOptions o = tinyRecording(dir.filePath("alwa_20230105_134501_F.avi"), 4);
        o.outOfOrderData = true;
        ORXSimRecordingInfo info;
        QVERIFY(ORXSimWriteRecording(o, &info, nullptr));
        ORXBlackBoxData box;
        box.setWaitAfterRead(0);
        box.setIndexTraceEnabled(false);
        QVERIFY(box.ExtractStreamInformation(o.path.toUtf8().constData()));
        QCOMPARE(box.gpsRecords().size(), info.gps.size());
        for (qsizetype i = 0; i < info.gps.size(); ++i)
            QVERIFY(!std::memcmp(&box.gpsRecords().at(i).record.data(), &info.gps.at(i), sizeof info.gps.at(i)));
        QCOMPARE(box.m_vGSensorData().size(), info.gsensor.size());
        for (qsizetype i = 0; i < info.gsensor.size(); ++i)
            QVERIFY(!std::memcmp(&box.m_vGSensorData().at(i).data(), &info.gsensor.at(i), sizeof info.gsensor.at(i)));
        QVERIFY(!box.ExtractStreamInformation(dir.filePath("missing.avi").toUtf8().constData()));
        QVERIFY(isEmpty(box));
        QCOMPARE(box.m_NMEAParser().m_Current(), ORXGpsData()); // the fix does not carry over
        QVERIFY(!box.ExtractStreamInformation(static_cast<const char*>(nullptr)));
        QVERIFY(!box.ExtractStreamInformation(dir.path())); // a folder
    }

    // The index position goes to stderr, and each read ends with the camera's pause.
    void indexTraceAndWait()
    {
        AviTestFile avi;
        avi.addChunk("00dc", QByteArray(10, 'v'));
        QBuffer buffer;
        buffer.setData(avi.build());
        const quint32 movieSize =
            qFromLittleEndian<quint32>(buffer.data().constData() + ORXAviLayout::kMovieListSizeOffset);
        QTemporaryFile capture;
        QVERIFY(capture.open());
        std::fflush(stderr);
        const int saved = ::dup(2);
        ::dup2(capture.handle(), 2);
        ORXBlackBoxData box;
        QCOMPARE(box.waitAfterRead(), 1000);
        box.setWaitAfterRead(150);
        QElapsedTimer timer;
        timer.start();
        const bool ok = box.ExtractStreamInformation(&buffer);
        std::fflush(stderr);
        ::dup2(saved, 2);
        ::close(saved);
        QVERIFY(ok && timer.elapsed() >= 140);
        capture.seek(0);
        QCOMPARE(QString::fromLatin1(capture.readAll()),
                 QString::asprintf("Listmovsize=0x%x IdxAddr=0x%x\n", movieSize, movieSize + 14148));
    }
};

ORVEX_TEST(TestBlackBoxData)
#include "tst_blackbox.moc"
