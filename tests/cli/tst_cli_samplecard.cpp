#include "CliRunner.h"
#include "OrvexTest.h"

#include "ORXSimCardFiles.h"
#include "ORXSimSampleCard.h"

// orvex-cli sample-card DIR, a card as the camera leaves it, and orvex-cli log on its drive
// logs (the CSV's columns are pinned by the table's own tests).
class ORXCliSampleCardTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_card;
    CliResult m_written;

private slots:
    void initTestCase()
    {
        m_card = m_dir.filePath("card");
        m_written = runCli({"sample-card", m_card});
    }

    void writesTheCard()
    {
        QCOMPARE(m_written.err, QByteArray());
        QCOMPARE(m_written.exitCode, 0);
        QVERIFY2(QRegularExpression("^Sample card written to " + QRegularExpression::escape(m_card) +
                                    " in \\d+\\.\\d s\\n$")
                     .match(QString::fromUtf8(m_written.out))
                     .hasMatch(),
                 m_written.out.constData());
        QStringList recordings;
        for (QDirIterator it(m_card, {"*.avi"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            recordings << it.next().mid(m_card.size() + 1);
            QVERIFY(cliReadFile(it.filePath()).startsWith("RIFF"));
        }
        recordings.sort();
        // Always, motion and event recordings of two drives; front/rear pairs and one
        // front file without its rear partner.
        const QStringList expected = {
            "DCIM/ALWAYS/alwa_20230105_134501_F.avi",   "DCIM/ALWAYS/alwa_20230105_134501_R.avi",
            "DCIM/ALWAYS/alwa_20230105_134521_F.avi",   "DCIM/ALWAYS/alwa_20230105_134521_R.avi",
            "DCIM/ALWAYS/alwa_20230318_091230_F.avi",   "DCIM/ALWAYS/alwa_20230318_091230_R.avi",
            "DCIM/EVENT/event_20230105_134548_F.avi",   "DCIM/EVENT/event_20230318_091253_F.avi",
            "DCIM/EVENT/event_20230318_091253_R.avi",   "DCIM/MOTION/motion_20230105_134721_F.avi",
            "DCIM/MOTION/motion_20230105_134721_R.avi",
        };
        QCOMPARE(recordings, expected);
        QCOMPARE(QFileInfo(m_card + "/timeset.cfg").size(), 19);
        QCOMPARE(runCli({"config", "show", m_card + "/config.bin"}).exitCode, 0);
        // A GPS camera's card: the OBD log lies beside it, not in its DrvInfo folder.
        QVERIFY(!QFileInfo::exists(m_card + "/DrvInfo/orvex_000.obd"));
    }

    // Standard output and --csv over a longer file give the same bytes; a log shorter than
    // its count prints its whole records and says so in one line on stderr.
    void logs_data()
    {
        QTest::addColumn<QString>("log");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("chopped");
        QTest::newRow("flash") << QString(kORXSimFlashLogPath) << 15 << 0;
        QTest::newRow("obd") << QString() << 26 << 0;
        QTest::newRow("short") << QString(kORXSimFlashLogPath) << 15 << 39;
    }
    void logs()
    {
        QFETCH(QString, log);
        QFETCH(int, columns);
        QFETCH(int, chopped);
        QTemporaryDir dir;
        const QString source = log.isEmpty() ? ORXSimSampleCardObdLogPath(m_card) : m_card + '/' + log;
        const QString path = dir.filePath(QFileInfo(source).fileName());
        QVERIFY(cliWriteFile(path, cliReadFile(source).chopped(chopped)));
        const int lines = runCli({"log", source}).out.count('\n');
        QVERIFY(lines > 100);
        const int exitCode = chopped ? 1 : 0;
        const CliResult printed = runCli({"log", path});
        QCOMPARE(printed.exitCode, exitCode);
        QCOMPARE(printed.out.count('\n'), lines - (chopped ? 1 : 0));
        QCOMPARE(printed.out.left(printed.out.indexOf('\n')).count(',') + 1, columns);
        QCOMPARE(printed.err.count('\n'), exitCode);
        QCOMPARE(printed.err.contains(path.toUtf8()), exitCode == 1);

        const QString out = dir.filePath("export.csv");
        QVERIFY(cliWriteFile(out, QByteArray(1 << 20, 'o')));
        const CliResult written = runCli({"log", "--csv", out, path});
        QCOMPARE(written.exitCode, exitCode);
        QVERIFY(written.out.isEmpty());
        QCOMPARE(cliReadFile(out), printed.out);
    }
};

ORVEX_TEST(ORXCliSampleCardTest)
#include "tst_cli_samplecard.moc"
