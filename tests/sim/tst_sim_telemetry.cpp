#include "ORXSimRecording.h"
#include "OrvexTest.h"

#include <cmath>

// What orvex-cli's telemetry goldens do not reach: a pothole now and then over a minute, and
// a drive that moves as fast as its speed says an hour on. The first seconds' fixes are
// pinned value by value by the GPX golden there, the G-sensor by a few of its CSV lines.
class ORXSimTelemetryTest : public QObject
{
    Q_OBJECT

private slots:
    void potholes()
    {
        QTemporaryDir dir;
        ORXSimRecordingOptions o;
        o.path = dir.filePath(QStringLiteral("gsensor.avi"));
        o.durationSeconds = 60;
        o.width = 96;
        o.height = 64;
        o.fps = 5;
        ORXSimRecordingInfo info;
        QVERIFY(ORXSimWriteRecording(o, &info, nullptr));
        int bumps = 0;
        for (const _AVI_GSENSOR_DATA_T& s : std::as_const(info.gsensor))
            bumps += std::abs(s.zAxis - 256) > 100 ? 1 : 0;
        QVERIFY2(bumps >= 2 && bumps < 20, qPrintable(QString::number(bumps)));
    }

    void driveLaterOn()
    {
        const ORXSimRoute route(ORXSimHemisphere::NorthEast,
                                QDateTime(QDate(2023, 1, 5), QTime(13, 45, 1), Qt::UTC));
        for (double t : {600.0, 3000.0}) {
            const ORXSimFix fix = route.fixAt(t), next = route.fixAt(t + 1);
            const double metres =
                std::hypot((next.latitude - fix.latitude) * 111320,
                           (next.longitude - fix.longitude) * 111320 * std::cos(fix.latitude * M_PI / 180));
            const double expected = (fix.speedKmh + next.speedKmh) / 2 / 3.6;
            QVERIFY2(std::fabs(metres - expected) < 0.5 + expected * 0.05, qPrintable(QString::number(t)));
        }
        QCOMPARE(route.fixAt(1e12).latitude, route.fixAt(2 * 86400).latitude);
    }
};

ORVEX_TEST(ORXSimTelemetryTest)
#include "tst_sim_telemetry.moc"
