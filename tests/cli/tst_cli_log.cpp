#include "OrvexTest.h"

#include "../logs/DriveLogBytes.h"
#include "CliRunner.h"
#include "ORXSimCardFiles.h"

#include <QTemporaryDir>

// orvex-cli log: a drive log as the viewer exports it (the columns are pinned by the table's
// own tests), on standard output or into a file.
class TestCliLog : public QObject
{
    Q_OBJECT

    QTemporaryDir m_card;

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(ORXSimWriteCardFiles(m_card.path(), ORXSimRoute(), &error), qPrintable(error));
    }

    // Standard output and --csv over a longer file give the same bytes; a log shorter than
    // its count prints its whole records and says so in one line on stderr.
    void printsCsv_data()
    {
        QTest::addColumn<QString>("log");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("chopped");
        QTest::newRow("flash") << QString(kORXSimFlashLogPath) << 15 << 0;
        QTest::newRow("obd") << QString(kORXSimObdLogPath) << 26 << 0;
        QTest::newRow("short") << QString(kORXSimFlashLogPath) << 15 << 39;
    }
    void printsCsv()
    {
        QFETCH(QString, log);
        QFETCH(int, columns);
        QFETCH(int, chopped);
        QTemporaryDir dir;
        const QString path = dir.filePath(QFileInfo(log).fileName());
        QVERIFY(cliWriteFile(path, cliReadFile(m_card.filePath(log)).chopped(chopped)));
        const int exitCode = chopped ? 1 : 0;
        const CliResult printed = runCli({"log", path});
        QCOMPARE(printed.exitCode, exitCode);
        QCOMPARE(printed.out.count('\n'), kORXSimLogRecords + 1 - (chopped ? 1 : 0));
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

    void badInput_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray record = flashBytes([](_FLASH_SAVE_VALUE_STRUCT&) {});
        QTest::newRow("empty: the title line") << "e.drv" << driveLogBytes(0, {});
        QTest::newRow("absurd count") << "a.drv" << driveLogBytes(0xffffffffu, {record});
        QTest::newRow("no header") << "b.obd" << QByteArray(8, '\0');
        QTest::newRow("not a log type") << "c.csv" << driveLogBytes(1, {record});
        QTest::newRow("missing") << "d.drv" << QByteArray();
    }
    void badInput()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (!bytes.isEmpty())
            QVERIFY(cliWriteFile(path, bytes));
        const CliResult result = runCli({"log", path, "--csv", dir.filePath("out.csv")});
        const bool empty = name == "e.drv";
        QCOMPARE(result.exitCode, empty ? 0 : 1);
        QVERIFY(result.out.isEmpty());
        QCOMPARE(result.err.count('\n'), empty ? 0 : 1);
        QCOMPARE(result.err.contains(path.toUtf8()), !empty);
        QCOMPARE(cliReadFile(dir.filePath("out.csv")).count('\n'), empty ? 1 : 0);
    }

    void usage()
    {
        for (const QStringList& args : {QStringList{"x.drv", "--csv"}, QStringList{"x.drv", "y.drv"}}) {
            const CliResult result = runCli(QStringList{"log"} + args);
            QCOMPARE(result.exitCode, 2);
            QVERIFY(result.err.contains("log FILE [--csv OUT]"));
        }
    }
};

ORVEX_TEST(TestCliLog)
#include "tst_cli_log.moc"
