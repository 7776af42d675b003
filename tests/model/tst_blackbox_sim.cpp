#include "OrvexTest.h"

#include "ORXBlackBoxData.h"
#include "TinyRecording.h"

#include <cmath>
#include <cstring>

namespace {
template <typename T> bool sameBytes(const T& a, const T& b)
{
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

ORXSimRecordingOptions smallRecording(const QString& path)
{
    return tinyRecording(path, 4);
}

bool extract(ORXBlackBoxData& box, const QString& path)
{
    box.setWaitAfterRead(0);
    box.setIndexTraceEnabled(false);
    return box.ExtractStreamInformation(path.toUtf8().constData());
}
} // namespace

// Extraction from recordings written by the camera simulator, compared with what it wrote
// and with the drive it simulated.
class TestBlackBoxSimulated : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QLoggingCategory::setFilterRules(QStringLiteral("orvex.model.info=false"));
    }

    void recording_data()
    {
        QTest::addColumn<int>("receiver");
        QTest::addColumn<bool>("kmh");
        QTest::addColumn<bool>("outOfOrder");
        QTest::addColumn<bool>("southWest");
        QTest::addColumn<int>("sentencesPerFix");
        QTest::newRow("GPS, km/h") << int(ORXSimRecordingOptions::GpsOnly) << true << false << false << 3;
        QTest::newRow("GPS+GLONASS, mph, south-west")
            << int(ORXSimRecordingOptions::GpsGlonass) << false << false << true << 5;
        QTest::newRow("data out of index order")
            << int(ORXSimRecordingOptions::GpsOnly) << true << true << false << 3;
    }

    void recording()
    {
        QFETCH(int, receiver);
        QFETCH(bool, outOfOrder);
        QFETCH(bool, southWest);
        QFETCH(bool, kmh);
        ORXSimRecordingOptions o =
            smallRecording(m_dir.filePath(QString("rec_%1.avi").arg(receiver * 4 + kmh * 2 + outOfOrder)));
        o.receiver = ORXSimRecordingOptions::Receiver(receiver);
        o.speedInKmh = kmh;
        o.outOfOrderData = outOfOrder;
        // Across a new year, 30 s into the drive.
        o.route = ORXSimRoute(southWest ? ORXSimHemisphere::SouthWest : ORXSimHemisphere::NorthEast,
                              QDateTime(QDate(2024, 12, 31), QTime(23, 59, 28), Qt::UTC), 3);
        o.routeOffsetSeconds = 30;
        ORXSimRecordingInfo info;
        QString error;
        QVERIFY2(ORXSimWriteRecording(o, &info, &error), qPrintable(error));
        ORXBlackBoxData box;
        QVERIFY(extract(box, o.path));
        QCOMPARE(box.m_vGSensorData().size(), info.gsensor.size());
        QCOMPARE(box.m_GSensors().size(), info.gsensor.size());
        for (qsizetype i = 0; i < info.gsensor.size(); ++i)
            QVERIFY2(sameBytes(box.m_vGSensorData().at(i).data(), info.gsensor.at(i)),
                     qPrintable(QString::number(i)));
        QCOMPARE(box.gpsRecords().size(), info.gps.size());
        for (qsizetype i = 0; i < info.gps.size(); ++i)
            QVERIFY2(sameBytes(box.gpsRecords().at(i).record.data(), info.gps.at(i)),
                     qPrintable(QString::number(i)));
        // Samples are paired up to the sample that shares the last GPS record's stamp.
        QCOMPARE(box.gpsRecordIndexes().size(), box.m_vGpsData().size());
        QCOMPARE(box.gpsRecordIndexes().first(), 0);
        QCOMPARE(box.gpsRecordIndexes().last(), info.gps.size() - 1);

        QFETCH(int, sentencesPerFix);
        QCOMPARE(box.m_NMEAs().size(), info.gps.size() * sentencesPerFix);
        // Each record's last fix is where and when the drive was, with its satellites.
        for (qsizetype k = 0; k < box.gpsRecords().size(); ++k) {
            const ORXSimFix drive = o.route.fixAt(30 + k);
            const ORXGpsData& fix = box.m_NMEAs().at(box.gpsRecords().at(k).lastFix);
            double lat = 0, lon = 0;
            nmeaToDegrees(fix.Latitude, fix.Longitude, &lat, &lon);
            QVERIFY(qAbs(lat - qAbs(drive.latitude)) < 1e-5 && qAbs(lon - qAbs(drive.longitude)) < 1e-5);
            QCOMPARE(QByteArray() + fix.NS + fix.EW, QByteArray(southWest ? "SW" : "NE"));
            const _SYSTEMTIME& t = fix.Now;
            QCOMPARE(QDateTime(QDate(t.wYear, t.wMonth, t.wDay),
                               QTime(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds), Qt::UTC),
                     drive.utc);
            QVERIFY(qAbs(fix.SpeedOverGround * 1.852 - drive.speedKmh) < 0.02);
            QCOMPARE(bool(fix.Enable_GNGNS), receiver == ORXSimRecordingOptions::GpsGlonass);
            QVERIFY(fix.SatelliteUsedCount > 0);
            if (fix.Enable_GNGNS)
                QVERIFY(fix.SatelliteUsedCount_GLONASS > 0 &&
                        fix.SatelliteUsedCount ==
                            fix.SatelliteUsedCount_GPS + fix.SatelliteUsedCount_GLONASS);
        }
        QCOMPARE(box.gpsRecords().last().lastFix, box.m_NMEAs().size() - 1);
    }

    void refillClearsEarlierRecording()
    {
        ORXSimRecordingOptions o = smallRecording(m_dir.filePath("first.avi"));
        ORXSimRecordingInfo first;
        QVERIFY(ORXSimWriteRecording(o, &first, nullptr));
        o.path = m_dir.filePath("second.avi");
        o.durationSeconds = 2;
        o.gps = false;
        ORXSimRecordingInfo second;
        QVERIFY(ORXSimWriteRecording(o, &second, nullptr));
        ORXBlackBoxData box;
        QVERIFY(extract(box, m_dir.filePath("first.avi")));
        QVERIFY(extract(box, o.path));
        QCOMPARE(box.m_GSensors().size(), second.gsensor.size());
        QVERIFY(box.m_NMEAs().isEmpty());
        QCOMPARE(box.m_NMEAParser().m_Current(), ORXGpsData()); // the fix does not carry over
    }

private:
    QTemporaryDir m_dir;
};

ORVEX_TEST(TestBlackBoxSimulated)
#include "tst_blackbox_sim.moc"
