#include "OrvexTest.h"

#include "ORXNMEASentenceParser.h"

static QList<bool> feed(ORXNMEASentenceParser& parser, const QStringList& sentences)
{
    QList<bool> results;
    for (const QString& sentence : sentences)
        results << parser.parse(sentence.toUtf8().constData());
    return results;
}

class TestNmeaParser : public QObject
{
    Q_OBJECT

private slots:
    void recognition_data()
    {
        QTest::addColumn<QByteArray>("sentence");
        QTest::addColumn<bool>("recognised");
        QTest::newRow("gga") << QByteArray(
                                    "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47")
                             << true;
        QTest::newRow("wrong checksum accepted")
            << QByteArray("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,,,,*00") << true;
        QTest::newRow("no checksum") << QByteArray("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,,,")
                                     << false;
        QTest::newRow("two stars") << QByteArray("$GPGGA,123519,4807.038,N*01131.000,E,1,08*47") << false;
        QTest::newRow("gps-only gsa") << QByteArray("$GPGSA,A,3,04,05,,,,,,,,,,,2.5,1.3,2.1*39") << false;
        QTest::newRow("satellites in view") << QByteArray("$GPGSV,2,1,08,01,40,083,46*75") << false;
        QTest::newRow("lower case id") << QByteArray("$gprmc,123519.000,A*00") << false;
        QTest::newRow("not utf-8") << QByteArray("$GPGGA,1,48\xff\xfe.0,N,011,E,1,08,0.9*47") << false;
        QTest::newRow("empty") << QByteArray("") << false;
        QTest::newRow("rmc cut after time") << QByteArray("$GPRMC,123519.000*00") << true;
    }

    void recognition()
    {
        QFETCH(QByteArray, sentence);
        QFETCH(bool, recognised);
        ORXNMEASentenceParser parser;
        parser.parse("$GPGGA,1,1111.5,S,2222.5,W,1,03,1.5*00");
        const ORXGpsData before = parser.m_Current().duplicate();
        QCOMPARE(parser.parse(sentence.constData()), recognised);
        QCOMPARE(parser.parse(QByteArrayView(sentence)), recognised);
        if (!recognised)
            QCOMPARE(parser.m_Current(), before);
    }

    void ggaPosition_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<char>("ns");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<char>("ew");
        QTest::addColumn<double>("hdop");
        QTest::newRow("north east") << "$GPGGA,123519,3745.1234,N,12701.5678,E,1,08,0.9,545.4,M,,,,*47"
                                    << double(3745.1234f) << 'N' << double(12701.5678f) << 'E'
                                    << double(0.9f);
        // Empty fields keep what an earlier sentence set.
        QTest::newRow("empty fields") << "$GPGGA,123519,,,,,0,00,,,M,,,,*47" << double(1111.5f) << 'S'
                                      << double(2222.5f) << 'W' << double(1.5f);
        QTest::newRow("text in number field")
            << "$GPGGA,1,abc,N,12.5xyz,E,1,08,x,0*47" << 0.0 << 'N' << 12.5 << 'E' << 0.0;
        QTest::newRow("field longer than the number buffer") // read as no number, never past the buffer
            << "$GPGGA,1," + QString(100, '1') + ",N,12.5,E,1,08,0.9*47" << 0.0 << 'N' << 12.5 << 'E' << double(0.9f);
        QTest::newRow("cut after latitude")
            << "$GPGGA,1,4807.038*47" << double(4807.038f) << 'S' << double(2222.5f) << 'W' << double(1.5f);
    }

    void ggaPosition()
    {
        QFETCH(QString, sentence);
        ORXNMEASentenceParser parser;
        parser.parse("$GPGGA,1,1111.5,S,2222.5,W,1,03,1.5*00");
        QVERIFY(parser.parse(sentence.toUtf8().constData()));
        const ORXGpsData& fix = parser.m_Current();
        QTEST(fix.Latitude, "latitude");
        QTEST(fix.NS, "ns");
        QTEST(fix.Longitude, "longitude");
        QTEST(fix.EW, "ew");
        QTEST(fix.HDOP, "hdop");
    }

    void rmc_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("now"); // y-m-d h:m:s.ms
        QTest::addColumn<double>("speed");
        QTest::addColumn<double>("course");
        const QString unchanged = "2001-02-03 04:05:06.007";
        QTest::newRow("full") << "$GPRMC,123519.000,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A"
                              << "2094-03-23 12:35:19.000" << double(22.4f) << double(84.4f);
        QTest::newRow("GN talker") << "$GNRMC,235959.999,A,,,,,0.5,,311299,,*6A"
                                   << "2099-12-31 23:59:59.999" << double(0.5f) << 0.0;
        QTest::newRow("9-character time")
            << "$GPRMC,123519.00,A,,,,,1.0,2.0,230394,,*6A" << unchanged << 1.0 << 2.0;
        QTest::newRow("5-character date")
            << "$GPRMC,123519.000,A,,,,,1.0,2.0,23039,,*6A" << unchanged << 1.0 << 2.0;
        QTest::newRow("seconds not digits")
            << "$GPRMC,1235ab.000,A,,,,,1.0,2.0,230394,,*6A" << "2094-03-23 12:35:00.000" << 1.0 << 2.0;
        QTest::newRow("cut after course")
            << "$GPRMC,123519.000,A,,,,,3.5,7.25*6A" << unchanged << 3.5 << 7.25;
    }

    void rmc()
    {
        QFETCH(QString, sentence);
        ORXNMEASentenceParser parser;
        parser.parse("$GPRMC,040506.007,A,,,,,9,9,030201,,*00");
        QVERIFY(parser.parse(sentence.toUtf8().constData()));
        const ORXGpsData& fix = parser.m_Current();
        const _SYSTEMTIME& t = fix.Now;
        const QString now = QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d.%03d", t.wYear, t.wMonth, t.wDay,
                                              t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
        QTEST(now, "now");
        QCOMPARE(t.wDayOfWeek, 0);
        QTEST(fix.SpeedOverGround, "speed");
        QTEST(fix.CourseOverGround, "course");
        QCOMPARE(fix.Latitude, 0.0); // position never comes from RMC
    }

    void satellites_data()
    {
        QTest::addColumn<QStringList>("sentences");
        QTest::addColumn<uint>("used");
        QTest::addColumn<uint>("gps");
        QTest::addColumn<uint>("glonass");
        QTest::addColumn<double>("hdop");
        const QString gpsList = "$GNGSA,A,3,5,12,29,,,,,,,,,,1.8,0.9,1.5*2E";
        const QString glonassList = "$GNGSA,A,3,67,75,,,,,,,,,,,1.8,0.9,1.5*2E";
        const QString emptyList = "$GNGSA,A,3,,,,,,,,,,,,,1.8,0.9,1.5*2E";
        const QString gpgga = "$GPGGA,1,3745.1,N,12701.5,E,1,08,0.9,0,M,,,,*47";
        QTest::newRow("GPGGA alone") << QStringList{gpgga} << 8u << 0u << 0u << double(0.9f);
        QTest::newRow("GPS then GLONASS list") << QStringList{gpsList, glonassList} << 5u << 3u << 2u << 0.0;
        QTest::newRow("GGA restarts the pair")
            << QStringList{gpsList, gpgga, emptyList, glonassList} << 2u << 0u << 2u << double(0.9f);
        QTest::newRow("GNGNS then GGA and GSA")
            << QStringList{"$GNGNS,1,3745.1,N,12701.5,E,AA,11,1.1*00", gpgga, gpsList, glonassList} << 11u
            << 0u << 0u << double(1.1f);
        QTest::newRow("satellite numbers modulo 256")
            << QStringList{"$GNGSA,A,3,257,0,x,,,,,,,,,,*00", glonassList} << 3u << 1u << 2u << 0.0;
        QTest::newRow("satellite 1 is GPS") << QStringList{gpsList, "$GNGSA,A,3,1,,,,,,,,,,,,*00"} << 0u << 1u << 0u
                                            << 0.0;
        QTest::newRow("satellite 64 is GPS") << QStringList{gpsList, "$GNGSA,A,3,64,,,,,,,,,,,,*00"} << 0u << 1u
                                             << 0u << 0.0;
        QTest::newRow("satellite 65 is GLONASS") << QStringList{"$GNGSA,A,3,65,66,,,,,,,,,,,*00"} << 2u << 0u << 2u
                                                 << 0.0;
        QTest::newRow("count below the int range saturates")
            << QStringList{"$GPGGA,1,3745.1,N,12701.5,E,1,-2147483649,0.9,0,M,,,,*47"} << 2147483648u << 0u << 0u
            << double(0.9f);
        QTest::newRow("twelve slots only")
            << QStringList{"$GNGSA,A,3,1,2,3,4,5,6,7,8,9,10,11,12,13,14*00", emptyList} << 12u << 12u << 0u
            << 0.0;
    }

    void satellites()
    {
        QFETCH(QStringList, sentences);
        ORXNMEASentenceParser parser;
        for (bool recognised : feed(parser, sentences))
            QVERIFY(recognised);
        const ORXGpsData& fix = parser.m_Current();
        QTEST(uint(fix.SatelliteUsedCount), "used");
        QTEST(uint(fix.SatelliteUsedCount_GPS), "gps");
        QTEST(uint(fix.SatelliteUsedCount_GLONASS), "glonass");
        QTEST(fix.HDOP, "hdop");
    }

    void conversion_data()
    {
        QTest::addColumn<double>("nmea");
        QTest::addColumn<double>("degrees");
        QTest::newRow("negative keeps sign") << -3745.5 << -37.758333;
        QTest::newRow("whole degrees") << 9000.0 << 90.0;
    }

    void conversion()
    {
        QFETCH(double, nmea);
        QFETCH(double, degrees);
        double lat = -1, lon = -1;
        nmeaToDegrees(nmea, nmea, &lat, &lon);
        QVERIFY2(qAbs(lat - degrees) < 5e-7, qPrintable(QString::number(lat, 'f', 7)));
        QCOMPARE(lon, lat);
        nmeaToDegrees(nmea, 0, nullptr, &lon); // either output may be left out
        QCOMPARE(lon, 0.0);
    }
};

ORVEX_TEST(TestNmeaParser)
#include "tst_nmea.moc"
