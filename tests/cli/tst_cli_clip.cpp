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

private slots:
    void clip_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::newRow("span") << "1"
                              << "2.5" << 0 << QString();
        QTest::newRow("past the end")
            << "2"
            << "9" << 1 << ORXLocalizedString("clip.error.outside").arg("2.00", "9.00", "3.00");
        QTest::newRow("not seconds") << "one"
                                     << "2" << 2 << "--from and --to take seconds";
    }

    void clip()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        QTemporaryDir dir;
        ORXSimRecordingOptions o;
        o.path = dir.filePath("motion_20230105_134501_F.avi");
        o.durationSeconds = 3;
        o.width = o.height = 64;
        o.fps = 5;
        QVERIFY(ORXSimWriteRecording(o, nullptr, nullptr));
        QDir(dir.path()).mkdir("out");

        const CliResult r =
            runCli({"clip", o.path, "--from", from, "--to", to, "--out", dir.filePath("out")});
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(QString::fromUtf8(r.err).contains(err), r.err.constData());
        if (exitCode != 0) {
            QCOMPARE(r.out, QByteArray());
            return;
        }
        const QString folder = dir.filePath("out/motion_20230105_134502");
        const QString clip = folder + "/motion_20230105_134502_F.avi";
        QCOMPARE(r.out, (folder + "\n" + clip + "\n").toUtf8());
        const CliResult summary = runCli({"telemetry", clip, "--format", "summary"});
        QCOMPARE(summary.exitCode, 0);
        QVERIFY2(summary.out.contains("G-sensor samples: 16\nGPS records: 2\n"), summary.out.constData());
    }
};

ORVEX_TEST(TestCliClip)
#include "tst_cli_clip.moc"
