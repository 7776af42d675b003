// The player's export menu: the playing recording's route as GPX and its samples as CSV,
// the same bytes as "orvex-cli telemetry" writes.
#include "OrvexTest.h"

#include "ORXTelemetryExport.h"
#include "ORXTrackExport.h"
#include "TelemetryFixture.h"

class TelemetryExportTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    ORXBlackBoxData m_box;
    QString m_recording;

private slots:
    void initTestCase()
    {
        m_recording = m_dir.filePath(QStringLiteral("alwa_20230105_134501_F.avi"));
        QVERIFY(writeAndExtract(m_recording, ORXSimHemisphere::SouthWest, &m_box, 4));
    }

    void exportsWhatTheCommandWrites_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("track") << int(ORXTrackExport::Track) << "alwa_20230105_134501_F.gpx"
                               << ORXTelemetryExport::toGpx(m_box, QStringLiteral("alwa_20230105_134501_F"));
        QTest::newRow("telemetry") << int(ORXTrackExport::Telemetry) << "alwa_20230105_134501_F.csv"
                                   << ORXTelemetryExport::toCsv(m_box);
    }
    void exportsWhatTheCommandWrites()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QByteArray, expected);
        ORXTrackExport exporter(nullptr);
        QString proposed;
        QStringList alerts;
        const QString target = m_dir.filePath(QStringLiteral("out_") + name);
        exporter.setFileChooser([&](QWidget*, const QString& p) {
            proposed = p;
            return target;
        });
        exporter.setAlert([&](QWidget*, const QString& text) { alerts.append(text); });
        QVERIFY(exporter.exportRecording(m_box, ORXTrackExport::Kind(kind), m_recording));
        QCOMPARE(QFileInfo(proposed).fileName(), name);
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), expected);
        QVERIFY(alerts.isEmpty());
        QVERIFY(expected.contains("-")); // the southern drive keeps its signs
    }

    void failuresAreReported()
    {
        ORXTrackExport exporter(nullptr);
        QStringList alerts;
        exporter.setAlert([&](QWidget*, const QString& text) { alerts.append(text); });
        exporter.setFileChooser(
            [&](QWidget*, const QString&) { return m_dir.filePath(QStringLiteral("no/dir/x.gpx")); });
        QVERIFY(!exporter.exportRecording(m_box, ORXTrackExport::Track, m_recording));
        QVERIFY(!exporter.exportRecording(m_box, ORXTrackExport::Track, QString())); // nothing playing
        QCOMPARE(alerts.size(), 2);
    }
};

ORVEX_TEST(TelemetryExportTest)
#include "tst_telemetry_export.moc"
