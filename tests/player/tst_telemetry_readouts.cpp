// The telemetry readouts for a play position: index rule, text formats, map calls and the
// hemisphere signs, on simulated recordings.
#include "OrvexTest.h"

#include "GraphView.h"
#include "ORXTelemetryPresenter.h"
#include "TelemetryFixture.h"

#include <QLabel>

#include <cmath>
#include <optional>

namespace {
struct Readouts
{
    GraphView graph;
    QLabel x, y, z, speed, hdop, satellites, position;
    QStringList scripts;
    ORXBlackBoxData box;
    ORXTelemetryPresenter presenter{&box, {&graph, &x, &y, &z, &speed, &hdop, &satellites, &position}};
    Readouts()
    {
        presenter.setScriptRunner([this](const QString& s) { scripts.append(s); });
    }
    // The coordinates of the last setLatLag call: longitude, latitude.
    std::optional<std::pair<double, double>> lastMapPosition() const
    {
        static const QRegularExpression call(
            QStringLiteral("^setLatLag\\('(-?\\d+\\.\\d{6})','(-?\\d+\\.\\d{6})'\\)$"));
        for (auto it = scripts.crbegin(); it != scripts.crend(); ++it)
            if (const QRegularExpressionMatch m = call.match(*it); m.hasMatch())
                return std::make_pair(m.captured(1).toDouble(), m.captured(2).toDouble());
        return std::nullopt;
    }
};
} // namespace

class TelemetryReadoutsTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void indexRule_data()
    {
        QTest::addColumn<double>("position");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("index"); // -1: none
        QTest::newRow("start") << 0.0 << 10 << 0;
        QTest::newRow("middle") << 0.5 << 10 << 5;
        QTest::newRow("cut, not rounded") << 0.59 << 10 << 5;
        QTest::newRow("1.0 takes the last") << 1.0 << 10 << 9;
        QTest::newRow("past the end") << 1.5 << 3 << 2;
        QTest::newRow("below 0") << -0.2 << 4 << 0;
        QTest::newRow("not a number") << std::nan("") << 4 << 0;
        QTest::newRow("empty") << 0.5 << 0 << -1;
    }
    void indexRule()
    {
        QFETCH(double, position);
        QFETCH(int, count);
        const std::optional<qsizetype> i = ORXTelemetryPresenter::indexForPosition(position, count);
        QTEST(i ? int(*i) : -1, "index");
    }

    void texts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero has no sign") << ORXTelemetryPresenter::gsensorText('X', 0.0) << "X=0.00";
        QTest::newRow("positive") << ORXTelemetryPresenter::gsensorText('X', 0.5) << "X=+0.50";
        QTest::newRow("negative") << ORXTelemetryPresenter::gsensorText('Y', -0.5) << "Y=-0.50";
        QTest::newRow("tiny positive") << ORXTelemetryPresenter::gsensorText('Z', 0.001) << "Z=+0.00";
        QTest::newRow("km/h") << ORXTelemetryPresenter::speedText(12, '9') << "12 Km/h";
        QTest::newRow("mi/h") << ORXTelemetryPresenter::speedText(12, 'K') << "12 Mi/h";
        QTest::newRow("map call") << ORXTelemetryPresenter::setLatLagScript(127.0, 37.5)
                                  << "setLatLag('127.000000','37.500000')";
        QTest::newRow("debug call") << ORXTelemetryPresenter::debugScript(
                                           QStringLiteral("GPS Data Count=Zero"))
                                    << "ORXDebug('GPS Data Count=Zero')";
        QTest::newRow("debug quotes") << ORXTelemetryPresenter::debugScript(QStringLiteral("a'b\\c\nd"))
                                      << "ORXDebug('a\\'b\\\\c\\nd')";
    }
    void texts()
    {
        QFETCH(QString, text);
        QTEST(text, "expected");
    }

    // The simulated drive of ten seconds: 100 G-sensor samples, 91 GPS records, 30 fixes.
    void readoutsAtPositions_data()
    {
        QTest::addColumn<double>("position");
        QTest::addColumn<QStringList>("texts"); // x, y, z, speed, HDOP, satellites, map call
        QTest::newRow("0") << 0.0 << QStringList{"X=0.00",
                                                 "Y=0.00",
                                                 "Z=+1.00",
                                                 "0 Km/h",
                                                 "0.0",
                                                 "0",
                                                 "setLatLag('127.037745','37.529813')"};
        QTest::newRow("0.5") << 0.5 << QStringList{"X=+0.01",
                                                   "Y=+0.14",
                                                   "Z=+1.00",
                                                   "14 Km/h",
                                                   "1.5",
                                                   "6",
                                                   "setLatLag('127.037818','37.529787')"};
        QTest::newRow("1.0") << 1.0 << QStringList{"X=+0.02",
                                                   "Y=+0.10",
                                                   "Z=+0.99",
                                                   "34 Km/h",
                                                   "1.5",
                                                   "6",
                                                   "setLatLag('127.038082','37.529670')"};
    }
    void readoutsAtPositions()
    {
        QFETCH(double, position);
        Readouts r;
        QVERIFY(writeAndExtract(m_dir.filePath(QStringLiteral("alwa_20230105_134501_F.avi")),
                                ORXSimHemisphere::NorthEast, &r.box));
        r.presenter.beginRecording();
        r.presenter.updateGsensorUIByPlayPositon(position, 0.25);
        r.presenter.updateGpsUIByPlayPosition(position);
        QTEST(QStringList({r.x.text(), r.y.text(), r.z.text(), r.speed.text(), r.hdop.text(),
                           r.satellites.text(), r.scripts.last()}),
              "texts");
        QCOMPARE(r.graph.timePosition(), 0.25); // player1's own position
        QVERIFY(r.scripts.first().startsWith(QLatin1String("ORXSetRoute([[")));
        QCOMPARE(r.scripts.first().count(QLatin1Char('[')) - 1, 10); // a point a second
    }

    // A southern drive must not make the next, northern one southern too.
    void hemispheresDoNotCarryOver()
    {
        Readouts r;
        const struct
        {
            ORXSimHemisphere hemisphere;
            int sign;
        } drives[] = {{ORXSimHemisphere::SouthWest, -1},
                      {ORXSimHemisphere::NorthEast, 1},
                      {ORXSimHemisphere::SouthWest, -1}};
        int n = 0;
        for (const auto& drive : drives) {
            r.box.clear();
            QVERIFY(writeAndExtract(m_dir.filePath(QStringLiteral("alwa_20230105_13450%1_F.avi").arg(n++)),
                                    drive.hemisphere, &r.box));
            r.scripts.clear();
            r.presenter.beginRecording(); // the route drawn: signed as the drive
            QCOMPARE(r.scripts.last().contains(QLatin1Char('-')), drive.sign < 0);
            for (double position : {0.0, 0.3, 0.7, 1.0}) {
                r.scripts.clear();
                r.presenter.updateGpsUIByPlayPosition(position);
                const auto place = r.lastMapPosition();
                QVERIFY(place);
                QCOMPARE(place->first > 0 ? 1 : -1, drive.sign);
                QCOMPARE(place->second > 0 ? 1 : -1, drive.sign);
            }
        }
    }

    void nothingRecorded()
    {
        Readouts r;
        r.x.setText(QStringLiteral("X=+0.00"));
        r.speed.setText(QStringLiteral("kept"));
        r.presenter.beginRecording();
        r.presenter.updateGsensorUIByPlayPositon(0.5, 0.5);
        r.presenter.updateGpsUIByPlayPosition(0.5);
        QCOMPARE(r.x.text(), QStringLiteral("X=+0.00"));
        QCOMPARE(r.speed.text(), QStringLiteral("kept"));
        QCOMPARE(r.scripts, QStringList({QStringLiteral("ORXSetRoute([])"),
                                         QStringLiteral("ORXDebug('GPS Data Count=Zero')")}));
    }
};

ORVEX_TEST(TelemetryReadoutsTest)
#include "tst_telemetry_readouts.moc"
