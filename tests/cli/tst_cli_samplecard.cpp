#include "CliRunner.h"
#include "OrvexTest.h"

#include "ORXSimSampleCard.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QTemporaryDir>

// orvex-cli sample-card DIR: a small card of recordings as the camera leaves it.
class ORXCliSampleCardTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void writesTheCard()
    {
        const QString card = m_dir.filePath("card");
        const CliResult result = runCli({"sample-card", card});
        QCOMPARE(result.err, QByteArray());
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(QRegularExpression("^Sample card written to " + QRegularExpression::escape(card) +
                                    " in \\d+\\.\\d s\\n$")
                     .match(QString::fromUtf8(result.out))
                     .hasMatch(),
                 result.out.constData());

        QStringList recordings;
        QDirIterator it(card, {"*.avi"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            recordings << path.mid(card.size() + 1);
            QVERIFY(cliReadFile(path).startsWith("RIFF"));
            QVERIFY(QFileInfo(path).size() > 100000);
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

        // The camera's own files in the card's root, each readable by its own command.
        QCOMPARE(QFileInfo(card + "/timeset.cfg").size(), 19);
        QCOMPARE(runCli({"config", "show", card + "/config.bin"}).exitCode, 0);
        // A GPS camera's card: the OBD log lies beside it, not in its DrvInfo folder.
        QVERIFY(!QFileInfo::exists(card + "/DrvInfo/orvex_000.obd"));
        for (const QString& log : {card + "/DrvInfo/orvex_000.drv", ORXSimSampleCardObdLogPath(card)}) {
            const CliResult shown = runCli({"log", log});
            QCOMPARE(shown.exitCode, 0);
            QVERIFY(shown.out.count('\n') > 100);
        }
    }

    void refuses()
    {
        // Running as root, a path under a regular file is the sure way to an unwritable folder.
        const QString file = m_dir.filePath("plain-file");
        QVERIFY(cliWriteFile(file, QByteArray()));
        CliResult result = runCli({"sample-card", file + "/sub"});
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.out, QByteArray());
        QCOMPARE(result.err, ("orvex-cli: " + file + "/sub: cannot create folder\n").toUtf8());
        result = runCli({"sample-card"});
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.err.contains("sample-card DIR"));
    }
};

ORVEX_TEST(ORXCliSampleCardTest)
#include "tst_cli_samplecard.moc"
