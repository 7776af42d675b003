// The telemetry readouts for a play position, on simulated recordings.
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
};
} // namespace

class TelemetryReadoutsTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    // The positions the drive below does not reach.
    void indexRule_data()
    {
        QTest::addColumn<double>("position");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("index"); // -1: none
        QTest::newRow("cut, not rounded") << 0.59 << 10 << 5;
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

    void texts()
    {
        QCOMPARE(ORXTelemetryPresenter::gsensorText('Y', -0.5), QStringLiteral("Y=-0.50"));
        QCOMPARE(ORXTelemetryPresenter::speedText(12, 'K'), QStringLiteral("12 Mi/h"));
        QCOMPARE(ORXTelemetryPresenter::debugScript(QStringLiteral("a'b\\c\nd")),
                 QStringLiteral("ORXDebug('a\\'b\\\\c\\nd')"));
    }

    // The simulated drive of ten seconds: 100 G-sensor samples, 91 GPS records, 30 fixes.
    void readoutsAtPositions()
    {
        Readouts r;
        QVERIFY(writeAndExtract(m_dir.filePath(QStringLiteral("alwa_20230105_134501_F.avi")),
                                ORXSimHemisphere::NorthEast, &r.box));
        r.presenter.beginRecording();
        QVERIFY(r.scripts.first().startsWith(QLatin1String("ORXSetRoute([[")));
        QCOMPARE(r.scripts.first().count(QLatin1Char('[')) - 1, 10); // a point a second
        const QStringList expected[] = {
            {"X=0.00", "Y=0.00", "Z=+1.00", "0 Km/h", "0.0", "0", "setLatLag('127.037745','37.529813')"},
            {"X=+0.01", "Y=+0.14", "Z=+1.00", "14 Km/h", "1.5", "6", "setLatLag('127.037818','37.529787')"},
            {"X=+0.02", "Y=+0.10", "Z=+0.99", "34 Km/h", "1.5", "6", "setLatLag('127.038082','37.529670')"}};
        for (int k = 0; k < 3; ++k) {
            r.presenter.updateGsensorUIByPlayPositon(k * 0.5, 0.25);
            r.presenter.updateGpsUIByPlayPosition(k * 0.5);
            QCOMPARE(QStringList({r.x.text(), r.y.text(), r.z.text(), r.speed.text(), r.hdop.text(),
                                  r.satellites.text(), r.scripts.last()}),
                     expected[k]);
        }
        QCOMPARE(r.graph.timePosition(), 0.25); // player1's own position
    }

    // A southern drive must not make the next, northern one southern too.
    void hemispheresDoNotCarryOver()
    {
        Readouts r;
        for (const auto hemisphere : {ORXSimHemisphere::SouthWest, ORXSimHemisphere::NorthEast}) {
            const bool south = hemisphere == ORXSimHemisphere::SouthWest;
            r.box.clear();
            QVERIFY(writeAndExtract(m_dir.filePath(QStringLiteral("alwa_20230105_13450%1_F.avi").arg(south)),
                                    hemisphere, &r.box));
            r.scripts.clear();
            r.presenter.beginRecording(); // the route drawn: signed as the drive
            for (double position : {0.3, 1.0})
                r.presenter.updateGpsUIByPlayPosition(position);
            QCOMPARE(r.scripts.size(), 3);
            for (const QString& script : std::as_const(r.scripts))
                QVERIFY2(script.count(QLatin1Char('-')) == (south ? script.count(QLatin1Char(',')) + 1 : 0),
                         qPrintable(script.left(80)));
        }
    }

    void nothingRecorded()
    {
        Readouts r;
        r.x.setText(QStringLiteral("kept"));
        r.speed.setText(QStringLiteral("kept"));
        r.presenter.beginRecording();
        r.presenter.updateGsensorUIByPlayPositon(0.5, 0.5);
        r.presenter.updateGpsUIByPlayPosition(0.5);
        QCOMPARE(r.x.text() + r.speed.text(), QStringLiteral("keptkept"));
        QCOMPARE(r.scripts, QStringList({QStringLiteral("ORXSetRoute([])"),
                                         QStringLiteral("ORXDebug('GPS Data Count=Zero')")}));
    }
};

ORVEX_TEST(TelemetryReadoutsTest)
#include "tst_telemetry_readouts.moc"
