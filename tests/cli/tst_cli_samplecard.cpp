#include "CliRunner.h"
#include "OrvexTest.h"

#include "ORXSimSampleCard.h"

#include <QDirIterator>
#include <QFile>
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
        const QString card = m_dir.filePath(QStringLiteral("card"));
        const CliResult result = runCli({QStringLiteral("sample-card"), card});
        QCOMPARE(result.err, QByteArray());
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(QRegularExpression(QStringLiteral("^Sample card written to %1 in \\d+\\.\\d s\\n$")
                                        .arg(QRegularExpression::escape(card)))
                     .match(QString::fromUtf8(result.out))
                     .hasMatch(),
                 result.out.constData());

        QStringList recordings;
        QDirIterator it(card, {QStringLiteral("*.avi")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            recordings << path.mid(card.size() + 1);
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.read(4), QByteArray("RIFF"));
            QVERIFY(file.size() > 100000);
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
        const QString root = card;
        QCOMPARE(QFileInfo(root + QStringLiteral("/config.bin")).size(), 428);
        QCOMPARE(QFileInfo(root + QStringLiteral("/timeset.cfg")).size(), 19);
        QCOMPARE(
            runCli({QStringLiteral("config"), QStringLiteral("show"), root + QStringLiteral("/config.bin")})
                .exitCode,
            0);
        // A GPS camera's card: the OBD log lies beside it, not in its DrvInfo folder.
        QVERIFY(!QFileInfo::exists(root + QStringLiteral("/DrvInfo/orvex_000.obd")));
        for (const QString& log :
             {root + QStringLiteral("/DrvInfo/orvex_000.drv"), ORXSimSampleCardObdLogPath(root)}) {
            const CliResult shown = runCli({QStringLiteral("log"), log});
            QCOMPARE(shown.exitCode, 0);
            QVERIFY(shown.out.count('\n') > 100);
        }
    }

    void refuses_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        // Running as root, a path under a regular file is the sure way to an unwritable folder.
        const QString file = m_dir.filePath(QStringLiteral("plain-file"));
        QTest::newRow("folder under a file") << QStringList{"sample-card", file + "/sub"} << 1
                                             << QStringLiteral("^orvex-cli: %1: cannot create folder\\n$")
                                                    .arg(QRegularExpression::escape(file + "/sub"));
        QTest::newRow("no folder") << QStringList{"sample-card"} << 2 << QStringLiteral("sample-card DIR");
    }

    void refuses()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QFile plain(m_dir.filePath(QStringLiteral("plain-file")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        const CliResult result = runCli(args);
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.out, QByteArray());
        QVERIFY2(QRegularExpression(message).match(QString::fromUtf8(result.err)).hasMatch(),
                 result.err.constData());
    }
};

ORVEX_TEST(ORXCliSampleCardTest)
#include "tst_cli_samplecard.moc"
