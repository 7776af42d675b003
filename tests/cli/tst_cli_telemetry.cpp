#include "OrvexTest.h"

#include "../model/AviTestFile.h"
#include "CliRunner.h"
#include "ORXLocalizedString.h"
#include "TinyRecording.h"

namespace {
// One point a second, south and west as negative degrees.
const char* const kGoldenGpx =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" version=\"1.1\" creator=\"ORVEX\">\n"
    "    <trk>\n"
    "        <name>alwa_20230105_134501_F.avi</name>\n"
    "        <trkseg>\n"
    "            <trkpt lat=\"-34.6064867\" lon=\"-58.3684550\">\n"
    "                <time>2023-01-05T13:45:01.000Z</time>\n"
    "            </trkpt>\n"
    "            <trkpt lat=\"-34.6064867\" lon=\"-58.3684550\">\n"
    "                <time>2023-01-05T13:45:02.000Z</time>\n"
    "            </trkpt>\n"
    "            <trkpt lat=\"-34.6064883\" lon=\"-58.3684500\">\n"
    "                <time>2023-01-05T13:45:03.000Z</time>\n"
    "            </trkpt>\n"
    "        </trkseg>\n"
    "    </trk>\n"
    "</gpx>\n";
} // namespace

class TestCliTelemetry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // The clip's source with the defaults; the other south-west, GPS+GLONASS, mph, 4 samples a second.
        const ORXSimRecordingOptions c = tinyRecording(m_dir.filePath("motion_20230105_134501_F.avi"), 3);
        QVERIFY(ORXSimWriteRecording(c, nullptr, nullptr));
        ORXSimRecordingOptions o = c;
        o.path = m_path = m_dir.filePath("alwa_20230105_134501_F.avi");
        o.gsensorPerSecond = 4;
        o.receiver = ORXSimRecordingOptions::GpsGlonass;
        o.route = ORXSimRoute(ORXSimHemisphere::SouthWest);
        o.speedInKmh = false;
        QVERIFY(ORXSimWriteRecording(o, nullptr, nullptr));
    }

    // The CSV by its title and three kinds of line; the GPX (asked with "=") read by gpsbabel too.
    void goldens()
    {
        const auto text = [this](const QString& format) {
            const CliResult r = runCli({"telemetry", m_path, "--format=" + format});
            return r.exitCode == 0 && r.err.isEmpty() ? QString::fromUtf8(r.out) : r.err;
        };
        const QStringList csv = text("csv").split('\n'); // the title, a line a sample, then nothing
        QCOMPARE(csv.size(), 1 + 12 + 1);
        QCOMPARE(csv.at(0), "timestamp,x,y,z,latitude,longitude,speed,unit");
        QCOMPARE(csv.at(1), "4200,0.0000,0.0000,1.0000,-34.606487,-58.368455,0,mph");
        QCOMPARE(csv.at(6), "5450,0.0000,0.0508,1.0000,-34.606488,-58.368450,2,mph"); // the next record
        QCOMPARE(csv.at(12), "6950,0.0039,0.0938,1.0000,,,,");                        // past the last one
        QCOMPARE(text("summary"), "G-sensor samples: 12\nGPS records: 3\nFixes: 15\n"
                                  "First position: -34.606487, -58.368455\n"
                                  "Last position: -34.606488, -58.368450\n");
        const QString gpx = text("gpx");
        QCOMPARE(gpx, QString::fromUtf8(kGoldenGpx));

        if (QStandardPaths::findExecutable("gpsbabel").isEmpty())
            QSKIP("gpsbabel is not installed");
        const QString file = m_dir.filePath("track.gpx");
        QVERIFY(cliWriteFile(file, gpx.toUtf8()));
        QProcess babel;
        babel.start("gpsbabel", {"-i", "gpx", "-f", file, "-o", "csv", "-F", "-"});
        QVERIFY(babel.waitForFinished(30000));
        QCOMPARE(babel.exitCode(), 0);
        QCOMPARE(babel.readAllStandardError(), QByteArray());
        const QList<QByteArray> lines = babel.readAllStandardOutput().trimmed().split('\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines.first().startsWith("-34.60649, -58.36845"));
    }

    // The count of each list and its last entry.
    void json()
    {
        const CliResult r = runCli({"telemetry", m_path}); // JSON is the default
        QCOMPARE(r.exitCode, 0);
        const QJsonObject root = QJsonDocument::fromJson(r.out).object();
        QStringList shown;
        for (const QString& key : root.keys()) {
            const QJsonArray list = root[key].toArray();
            shown << key + ' ' + QString::number(list.size()) + ' ' +
                         QJsonDocument(QJsonArray{list.last()}).toJson(QJsonDocument::Compact);
        }
        QCOMPARE(shown,
                 (QStringList{
                     R"(m_GSensors 12 [[0.00390625,0.09375,1]])",
                     R"(m_NMEAs 15 [{"Cnt_GNGSA":0,"CourseOverGround":111.0199966430664,"EW":"W","Enable_GNGNS":1,)"
                     R"("Enable_GNGSA":1,"HDOP":1.2000000476837158,"Latitude":3436.389404296875,)"
                     R"("Longitude":5822.10693359375,"NS":"S","Now":"2023-01-05 13:45:03.000",)"
                     R"("SatelliteUsed":[67,68,70,0,0,0,0,0,0,0,0,0],"SatelliteUsedCount":9,)"
                     R"("SatelliteUsedCount_GLONASS":3,"SatelliteUsedCount_GPS":6,"SpeedOverGround":1.5}])",
                     R"(m_vGSensorData 12 [{"header":171,"nTemprature":31,"timestamp":6950,"xAxis":1,"yAxis":24,)"
                     R"("zAxis":256}])",
                     R"(m_vGpsData 9 [{"KM":"0","fLatitude":3436.3893,"fLongitude":5822.107,"fSpeed":2,"header":205,)"
                     R"("nLen":309,"nTimestamp":6200}])"}));
        QCOMPARE(root["m_NMEAs"][0]["Now"].toString(), "2023-01-05 13:45:01.000");
    }

    // The pair cut into a folder of its own, which the telemetry command reads.
    void clip_data()
    {
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("err");
        QTest::newRow("span") << "2.5" << QString();
        QTest::newRow("past the end") << "9" << ORXLocalizedString("clip.error.outside").arg("1.00", "9.00", "3.00");
    }
    void clip()
    {
        QFETCH(QString, to);
        QFETCH(QString, err);
        QTemporaryDir out;
        const QString source = m_dir.filePath("motion_20230105_134501_F.avi");
        const CliResult r = runCli({"clip", source, "--from", "1", "--to", to, "--out", out.path()});
        QCOMPARE(r.exitCode, err.isEmpty() ? 0 : 1);
        QVERIFY2(QString::fromUtf8(r.err).contains(err), r.err.constData());
        const QString folder = out.filePath("motion_20230105_134502");
        const QString clip = folder + "/motion_20230105_134502_F.avi";
        QCOMPARE(r.out, err.isEmpty() ? (folder + "\n" + clip + "\n").toUtf8() : QByteArray());
        if (err.isEmpty()) {
            const CliResult summary = runCli({"telemetry", clip, "--format", "summary"});
            QVERIFY2(summary.out.contains("G-sensor samples: 16\nGPS records: 2\n"), summary.out.constData());
        }
    }

    void tooMuchGpsDataIsToldAfterWhatWasRead()
    {
        // Far more sentences than a camera writes: what was read, and why it stops.
        AviTestFile avi;
        for (int i = 0; i < 1200; ++i)
            avi.addGps(AviTestFile::gps(quint32(i) * 1000, QByteArray("$G\n").repeated(169)));
        const QString path = m_dir.filePath("alwa_20230105_134502_F.avi");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(avi.build()) > 0);
        file.close();
        const CliResult r = runCli({"telemetry", path, "--format", "summary"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, QStringLiteral("orvex-cli: %1: %2\n")
                            .arg(path, ORXLocalizedString("telemetry.error.too_much"))
                            .toUtf8());
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

ORVEX_TEST(TestCliTelemetry)
#include "tst_cli_telemetry.moc"
