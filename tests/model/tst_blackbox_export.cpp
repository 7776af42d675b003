#include "OrvexTest.h"

#include "AviTestFile.h"
#include "ORXBlackBoxData.h"
#include "ORXTelemetryExport.h"

// Hemisphere and time of exported positions, on records built byte by byte.
class TestTelemetryExport : public QObject
{
    Q_OBJECT

private slots:
    void gpxSignsAndSkips()
    {
        AviTestFile avi;
        avi.addGps(AviTestFile::gps(100, "", 3745.5, 12701.5)); // no fix yet: north, east
        avi.addGps(AviTestFile::gps(200,
                                    "$GPGGA,1,3745.5,S,12701.5,W,1,08,0.9*47\r\n"
                                    "$GPRMC,134501.000,A,,,,,1.0,2.0,050123,,*6A\r\n",
                                    3745.5, 12701.5));
        avi.addGps(AviTestFile::gps(300, "", 3700.0, 12700.0)); // keeps the last fix's letters
        avi.addGps(AviTestFile::gps(400, "$GPGGA,1,0,N,0,E,1,08,0.9*47\r\n", 0, 0)); // at 0, 0: skipped
        avi.addGps(AviTestFile::gps(500, "", 9999.0, 12700.0));                      // no latitude: skipped
        ORXBlackBoxData box;
        QBuffer buffer;
        buffer.setData(avi.build());
        box.setWaitAfterRead(0);
        box.setIndexTraceEnabled(false);
        QVERIFY(box.ExtractStreamInformation(&buffer));

        const QString gpx = QString::fromUtf8(ORXTelemetryExport::toGpx(box, "a&b"));
        QCOMPARE(gpx.count("<trkpt"), 3);
        const qsizetype first = gpx.indexOf(R"(<trkpt lat="37.7583333" lon="127.0250000")");
        const qsizetype second = gpx.indexOf(R"(<trkpt lat="-37.7583333" lon="-127.0250000")");
        const qsizetype third = gpx.indexOf(R"(<trkpt lat="-37.0000000" lon="-127.0000000")");
        QVERIFY2(first > 0 && second > first && third > second, qPrintable(gpx));
        QVERIFY(!gpx.mid(first, second - first).contains("<time>")); // no date known yet
        QVERIFY(gpx.mid(second, third - second).contains("<time>2023-01-05T13:45:01.000Z</time>"));
        QVERIFY(gpx.contains("<name>a&amp;b</name>"));

        const QString summary = QString::fromUtf8(ORXTelemetryExport::toSummary(box));
        QVERIFY(summary.contains("First position: 37.758333, 127.025000\n"));
        QVERIFY(summary.contains("Last position: -37.000000, -127.000000\n"));
        QVERIFY(summary.contains("GPS records: 5\n"));
    }

    void emptyTelemetry()
    {
        ORXBlackBoxData box;
        QCOMPARE(ORXTelemetryExport::toCsv(box),
                 QByteArray("timestamp,x,y,z,latitude,longitude,speed,unit\n"));
        QVERIFY(ORXTelemetryExport::toSummary(box).contains("First position: none\n"));
        QCOMPARE(ORXTelemetryExport::toJson(box),
                 QByteArray(R"({"m_GSensors":[],"m_NMEAs":[],"m_vGSensorData":[],"m_vGpsData":[]})"
                            "\n"));
        QCOMPARE(QString::fromUtf8(ORXTelemetryExport::toGpx(box)).count("<trkpt"), 0);
    }
};

ORVEX_TEST(TestTelemetryExport)
#include "tst_blackbox_export.moc"
