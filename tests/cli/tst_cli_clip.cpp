#include "OrvexTest.h"

#include "CliRunner.h"
#include "ORXLocalizedString.h"
#include "ORXSimRecording.h"

#include <QDir>
#include <QTemporaryDir>

// orvex-cli clip: the pair cut into a folder of its own, which the telemetry command reads.
class TestCliClip : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;

private slots:
    void initTestCase()
    {
        ORXSimRecordingOptions o;
        o.path = m_path = m_dir.filePath("motion_20230105_134501_F.avi");
        o.durationSeconds = 3;
        o.width = o.height = 64;
        o.fps = 5;
        QVERIFY(ORXSimWriteRecording(o, nullptr, nullptr));
    }

    void clip_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::newRow("span") << "1" << "2.5" << 0 << QString();
        QTest::newRow("past the end")
            << "2" << "9" << 1 << ORXLocalizedString("clip.error.outside").arg("2.00", "9.00", "3.00");
        QTest::newRow("not seconds") << "one" << "2" << 2 << "--from and --to take seconds";
    }
    void clip()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        QTemporaryDir out;
        const CliResult r = runCli({"clip", m_path, "--from", from, "--to", to, "--out", out.path()});
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(QString::fromUtf8(r.err).contains(err), r.err.constData());
        const QString folder = out.filePath("motion_20230105_134502");
        const QString clip = folder + "/motion_20230105_134502_F.avi";
        QCOMPARE(r.out, exitCode ? QByteArray() : (folder + "\n" + clip + "\n").toUtf8());
        if (exitCode == 0) {
            const CliResult summary = runCli({"telemetry", clip, "--format", "summary"});
            QVERIFY2(summary.out.contains("G-sensor samples: 16\nGPS records: 2\n"), summary.out.constData());
        }
    }
};

ORVEX_TEST(TestCliClip)
#include "tst_cli_clip.moc"
