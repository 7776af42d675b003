#include "ORXSimRecording.h"
#include "OrvexTest.h"

#include <QTemporaryDir>

#include <cmath>

// The G-sensor samples the simulator puts in the side stream, at 256 per g, on the GPS
// records' clock. What the program reads of its NMEA sentences is checked with the reader.
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

private slots:
    void gsensorSamples()
    {
        ORXSimRecordingOptions o = options(QStringLiteral("gsensor.avi"), 60);
        o.fps = 5;
        ORXSimRecordingInfo info;
        QVERIFY(ORXSimWriteRecording(o, &info, nullptr));
        QCOMPARE(info.gsensor.size(), 600);

        double sumZ = 0;
        int bumps = 0;
        for (int i = 0; i < info.gsensor.size(); ++i) {
            const _AVI_GSENSOR_DATA_T& s = info.gsensor[i];
            QCOMPARE(s.timestamp - info.gsensor[0].timestamp, 100u * i);
            sumZ += s.zAxis / 256.0;
            bumps += std::abs(s.zAxis - 256) > 100 ? 1 : 0;
        }
        // One clock for both records: the sample of each whole second shares the GPS stamp.
        for (int k = 0; k < info.gps.size(); ++k)
            QCOMPARE(info.gsensor[k * 10].timestamp, info.gps[k].nTimestamp);
        QVERIFY2(std::fabs(sumZ / 600 - 1.0) < 0.05, "resting on the road: about 1 g up");
        QVERIFY2(bumps >= 2 && bumps < 20, "a pothole now and then, not all the time");
    }
};

ORVEX_TEST(ORXSimTelemetryTest)

// The simulated drive itself: repeatable, on the right side of the globe, and moving as fast
// as its speed says.
class ORXSimRouteTest : public QObject
{
    Q_OBJECT

private slots:
    void drive()
    {
        const QDateTime start(QDate(2023, 1, 5), QTime(13, 45, 1), Qt::UTC);
        for (auto hemisphere : {ORXSimHemisphere::NorthEast, ORXSimHemisphere::SouthWest}) {
            const ORXSimRoute route(hemisphere, start, 7);
            const double sign = hemisphere == ORXSimHemisphere::NorthEast ? 1 : -1;
            for (double t : {0.0, 60.0, 3000.0}) {
                const ORXSimFix fix = route.fixAt(t);
                QCOMPARE(fix.latitude, ORXSimRoute(hemisphere, start, 7).fixAt(t).latitude);
                QVERIFY(ORXSimRoute(hemisphere, start, 8).fixAt(t + 60).latitude !=
                        route.fixAt(t + 60).latitude);
                QCOMPARE(fix.utc, start.addMSecs(qint64(t * 1000)));
                QVERIFY(fix.latitude * sign > 10 && fix.longitude * sign > 10);
                const ORXSimFix next = route.fixAt(t + 1);
                const double metres = std::hypot((next.latitude - fix.latitude) * 111320,
                                                 (next.longitude - fix.longitude) * 111320 *
                                                     std::cos(fix.latitude * M_PI / 180));
                const double expected = (fix.speedKmh + next.speedKmh) / 2 / 3.6;
                QVERIFY2(std::fabs(metres - expected) < 0.5 + expected * 0.05,
                         qPrintable(QString::number(t)));
            }
            QCOMPARE(route.fixAt(std::nan("")).utc, start);
            QCOMPARE(route.fixAt(1e12).latitude, route.fixAt(2 * 86400).latitude);
        }
    }
};

ORVEX_TEST(ORXSimRouteTest)
#include "tst_sim_telemetry.moc"
