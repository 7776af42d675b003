#include "ORXSimRecording.h"
#include "OrvexTest.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>
#include <cstring>

// The records the simulator puts in the side stream: NMEA sentences a parser can trust
// (checksums, field forms, positions on the route), and G-sensor samples at 256 per g.
class ORXSimTelemetryTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    ORXSimRecordingOptions options(const QString& name, int seconds)
    {
        ORXSimRecordingOptions o;
        o.path = m_dir.filePath(name);
        o.durationSeconds = seconds;
        o.width = 96;
        o.height = 64;
        return o;
    }

    static QList<QByteArray> sentences(const _AVI_GPS_DATA_T& gps)
    {
        const QByteArray text(gps.RawData, int(std::min<quint32>(gps.nLen, sizeof gps.RawData)));
        QList<QByteArray> lines = text.split('\n');
        if (lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

    // ddmm.mmmm / dddmm.mmmm to degrees
    static double degrees(const QByteArray& field)
    {
        const double value = field.toDouble();
        const double whole = std::trunc(value / 100);
        return whole + (value - whole * 100) / 60;
    }

private slots:
    void gpsRecords_data()
    {
        QTest::addColumn<int>("receiver");
        QTest::addColumn<int>("hemisphere");
        QTest::addColumn<bool>("kmh");
        QTest::addColumn<QStringList>("ids");
        QTest::newRow("GPS only, north-east, km/h")
            << int(ORXSimRecordingOptions::GpsOnly) << int(ORXSimHemisphere::NorthEast) << true
            << QStringList{"$GPRMC", "$GPGGA", "$GPGSA"};
        QTest::newRow("GPS+GLONASS, south-west, mph")
            << int(ORXSimRecordingOptions::GpsGlonass) << int(ORXSimHemisphere::SouthWest) << false
            << QStringList{"$GNRMC", "$GNGGA", "$GNGSA", "$GNGSA", "$GNGNS"};
    }

    void gpsRecords()
    {
        QFETCH(int, receiver);
        QFETCH(int, hemisphere);
        QFETCH(bool, kmh);
        QFETCH(QStringList, ids);
        ORXSimRecordingOptions o = options(QStringLiteral("gps.avi"), 8);
        o.receiver = ORXSimRecordingOptions::Receiver(receiver);
        o.speedInKmh = kmh;
        o.route = ORXSimRoute(ORXSimHemisphere(hemisphere),
                              QDateTime(QDate(2024, 12, 31), QTime(23, 59, 56), Qt::UTC), 3);
        o.routeOffsetSeconds = 30;
        ORXSimRecordingInfo info;
        QVERIFY(ORXSimWriteRecording(o, &info, nullptr));
        QCOMPARE(info.gps.size(), 8);

        const QRegularExpression form(QStringLiteral("^\\$([A-Z]{5}),([^*]*)\\*([0-9A-F]{2})\\r$"));
        const bool south = hemisphere == int(ORXSimHemisphere::SouthWest);
        for (int k = 0; k < info.gps.size(); ++k) {
            const _AVI_GPS_DATA_T& gps = info.gps[k];
            const ORXSimFix fix = o.route.fixAt(30 + k);
            QCOMPARE(gps.header, 205);
            QCOMPARE(gps.nTimestamp - info.gps[0].nTimestamp, 1000u * k);
            QCOMPARE(qsizetype(gps.nLen), qsizetype(strnlen(gps.RawData, sizeof gps.RawData)));
            QStringList seen;
            QHash<QString, QList<QByteArray>> fields;
            QList<QList<int>> satellites; // of each GSA: the GPS list first, then GLONASS
            for (const QByteArray& line : sentences(gps)) {
                const auto match = form.match(QString::fromLatin1(line));
                QVERIFY2(match.hasMatch(), line.constData());
                unsigned char sum = 0;
                for (char c : line.mid(1, line.indexOf('*') - 1))
                    sum ^= static_cast<unsigned char>(c);
                QCOMPARE(match.captured(3).toUInt(nullptr, 16), uint(sum));
                const QList<QByteArray> f = line.left(line.indexOf('*')).split(',');
                seen << QString::fromLatin1(f[0]);
                fields[QString::fromLatin1(f[0]).mid(3)] = f;
                if (f[0].endsWith("GSA"))
                    satellites << QList<int>();
                for (int i = 3; f[0].endsWith("GSA") && i <= 14; ++i)
                    if (!f[i].isEmpty())
                        satellites.last() << f[i].toInt();
            }
            QCOMPARE(seen, ids);
            // RMC: time, date and speed in knots; GGA: the route's position, letters from the sign.
            const auto& rmc = fields[QStringLiteral("RMC")];
            const auto& gga = fields[QStringLiteral("GGA")];
            QCOMPARE(rmc[1] + rmc[9], fix.utc.toString(QStringLiteral("HHmmss.zzzddMMyy")).toLatin1());
            QVERIFY(std::fabs(rmc[7].toDouble() - fix.speedKmh / 1.852) < 0.01);
            QCOMPARE(gga[3] + gga[5], QByteArray(south ? "SW" : "NE"));
            QVERIFY(std::fabs(degrees(gga[2]) - std::fabs(fix.latitude)) < 2e-6);
            QVERIFY(std::fabs(degrees(gga[4]) - std::fabs(fix.longitude)) < 2e-6);
            QCOMPARE(gps.fLatitude, gga[2].toDouble());
            QCOMPARE(gps.NS, south ? 'S' : 'N');
            QCOMPARE(gps.EW, south ? 'W' : 'E');
            QCOMPARE(gps.KM == '9', kmh);
            QCOMPARE(gps.fSpeed, uint32_t(std::lround(kmh ? fix.speedKmh : fix.speedKmh / 1.609344)));
            QVERIFY(!satellites[0].isEmpty() && satellites[0].last() <= 32);
            if (satellites.size() == 2) {
                QVERIFY(!satellites[1].isEmpty() && satellites[1].first() >= 65);
                QCOMPARE(fields[QStringLiteral("GNS")][7].toInt(),
                         satellites[0].size() + satellites[1].size());
            } else {
                QCOMPARE(gga[7].toInt(), satellites[0].size());
            }
        }
    }

    void gsensorSamples()
    {
        ORXSimRecordingOptions o = options(QStringLiteral("gsensor.avi"), 60);
        o.fps = 5;
        ORXSimRecordingInfo info;
        QVERIFY(ORXSimWriteRecording(o, &info, nullptr));
        QCOMPARE(info.gsensor.size(), 600);

        double sumZ = 0, sumXY = 0;
        int bumps = 0;
        for (int i = 0; i < info.gsensor.size(); ++i) {
            const _AVI_GSENSOR_DATA_T& s = info.gsensor[i];
            QCOMPARE(s.header, 171);
            QCOMPARE(s.timestamp - info.gsensor[0].timestamp, 100u * i);
            QVERIFY(s.nTemprature >= 20 && s.nTemprature <= 60);
            sumZ += s.zAxis / 256.0;
            sumXY += (std::abs(s.xAxis) + std::abs(s.yAxis)) / 256.0;
            bumps += std::abs(s.zAxis - 256) > 100 ? 1 : 0;
        }
        // One clock for both records: the sample of each whole second shares the GPS stamp.
        for (int k = 0; k < info.gps.size(); ++k)
            QCOMPARE(info.gsensor[k * 10].timestamp, info.gps[k].nTimestamp);
        QVERIFY2(std::fabs(sumZ / 600 - 1.0) < 0.05 && sumXY / 600 < 0.6,
                 "resting on the road: about 1 g up");
        QVERIFY2(bumps >= 2 && bumps < 20, "a pothole now and then, not all the time");
    }
};

ORVEX_TEST(ORXSimTelemetryTest)

// The simulated drive itself: repeatable, plausible, on the right side of the globe.
class ORXSimRouteTest : public QObject
{
    Q_OBJECT

private slots:
    void drive_data()
    {
        QTest::addColumn<int>("hemisphere");
        QTest::addColumn<quint32>("seed");
        QTest::newRow("north-east") << int(ORXSimHemisphere::NorthEast) << 1u;
        QTest::newRow("south-west") << int(ORXSimHemisphere::SouthWest) << 7u;
    }

    void drive()
    {
        QFETCH(int, hemisphere);
        QFETCH(quint32, seed);
        const QDateTime start(QDate(2023, 1, 5), QTime(13, 45, 1), Qt::UTC);
        const ORXSimRoute route(ORXSimHemisphere(hemisphere), start, seed);
        const ORXSimRoute again(ORXSimHemisphere(hemisphere), start, seed);
        const ORXSimRoute other(ORXSimHemisphere(hemisphere), start, seed + 1);
        const double sign = hemisphere == int(ORXSimHemisphere::NorthEast) ? 1 : -1;
        bool differs = false;
        for (double t : {0.0, 1.5, 60.0, 299.0, 3000.0, 7300.0}) {
            const ORXSimFix fix = route.fixAt(t);
            const ORXSimFix copy = again.fixAt(t);
            QCOMPARE(fix.latitude, copy.latitude);
            QCOMPARE(fix.longitude, copy.longitude);
            QCOMPARE(fix.utc, start.addMSecs(qint64(t * 1000)));
            QVERIFY(fix.latitude * sign > 10 && fix.longitude * sign > 10);
            QVERIFY(fix.speedKmh >= 0 && fix.speedKmh < 130);
            QVERIFY(fix.courseDeg >= 0 && fix.courseDeg < 360);
            differs = differs || other.fixAt(t).latitude != fix.latitude;
            // The way covered in the next second matches the speed.
            const ORXSimFix next = route.fixAt(t + 1);
            const double north = (next.latitude - fix.latitude) * 111320;
            const double east =
                (next.longitude - fix.longitude) * 111320 * std::cos(fix.latitude * M_PI / 180);
            const double metres = std::hypot(north, east);
            const double expected = (fix.speedKmh + next.speedKmh) / 2 / 3.6;
            QVERIFY2(std::fabs(metres - expected) < 0.5 + expected * 0.05, qPrintable(QString::number(t)));
        }
        QVERIFY(differs);
        // Mostly on the move, with a stop at a light now and then.
        int stopped = 0;
        int moving = 0;
        for (int t = 20; t < 620; ++t) {
            const double speed = route.fixAt(t).speedKmh;
            moving += speed > 20 ? 1 : 0;
            stopped += speed < 0.5 ? 1 : 0;
        }
        QVERIFY2(moving > 600 * 0.6, qPrintable(QString::number(moving)));
        QVERIFY(stopped > 0 && stopped < 600 * 0.2);
        QCOMPARE(route.fixAt(-5).utc, start);
        QCOMPARE(route.fixAt(std::nan("")).utc, start);
        // Far-off times end the drive after two days instead of integrating forever.
        QCOMPARE(route.fixAt(1e12).latitude, route.fixAt(2 * 86400).latitude);
    }
};

ORVEX_TEST(ORXSimRouteTest)
#include "tst_sim_telemetry.moc"
