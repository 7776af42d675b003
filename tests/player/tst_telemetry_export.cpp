// The export menu: the playing recording as GPX and CSV, the same bytes as "orvex-cli telemetry".
#include "OrvexTest.h"

#include "ORXTelemetryExport.h"
#include "ORXTrackExport.h"
#include "TelemetryFixture.h"

class TelemetryExportTest : public QObject
{
    Q_OBJECT

private slots:
    void exportsWhatTheCommandWrites()
    {
        QTemporaryDir dir;
        ORXBlackBoxData box;
        const QString recording = dir.filePath(QStringLiteral("alwa_20230105_134501_F.avi"));
        QVERIFY(writeAndExtract(recording, ORXSimHemisphere::SouthWest, &box, 4));
        ORXTrackExport exporter(nullptr);
        QString target;
        QStringList proposed, alerts;
        exporter.setFileChooser([&](QWidget*, const QString& p) {
            proposed << QFileInfo(p).fileName();
            return target;
        });
        exporter.setAlert([&](QWidget*, const QString& text) { alerts.append(text); });
        const QByteArray gpx = ORXTelemetryExport::toGpx(box, QStringLiteral("alwa_20230105_134501_F"));
        for (const auto& [kind, expected] :
             {std::pair(ORXTrackExport::Track, gpx), {ORXTrackExport::Telemetry, ORXTelemetryExport::toCsv(box)}}) {
            target = dir.filePath(QStringLiteral("out%1").arg(int(kind)));
            QVERIFY(exporter.exportRecording(box, kind, recording));
            QFile file(target);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), expected);
            QVERIFY(expected.contains("-")); // the southern drive keeps its signs
        }
        QCOMPARE(proposed, QStringList({"alwa_20230105_134501_F.gpx", "alwa_20230105_134501_F.csv"}));
        QVERIFY(alerts.isEmpty());
        // A folder that is not there, and nothing playing, are told.
        target = dir.filePath(QStringLiteral("no/dir/x.gpx"));
        QVERIFY(!exporter.exportRecording(box, ORXTrackExport::Track, recording));
        QVERIFY(!exporter.exportRecording(box, ORXTrackExport::Track, QString()));
        QCOMPARE(alerts.size(), 2);
    }
};

ORVEX_TEST(TelemetryExportTest)
#include "tst_telemetry_export.moc"
