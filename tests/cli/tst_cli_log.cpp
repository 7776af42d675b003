#include "OrvexTest.h"

#include "../logs/DriveLogBytes.h"
#include "CliRunner.h"
#include "ORXDriveLogTable.h"
#include "ORXSimCardFiles.h"

#include <QTemporaryDir>

namespace {
// A flash log announcing `count` records and holding `held` of them.
QByteArray flashLog(quint32 count, int held)
{
    QList<QByteArray> records;
    // clang-format off
    for (int i = 0; i < held; ++i) {
        records << flashBytes([i](_FLASH_SAVE_VALUE_STRUCT& r) {
            r.seq = quint16(i + 1); r.yoil = 1; r.value = 1; r.year = 125; r.month = 6; r.day = 2; r.hour = 8;
            r.minute = 30; r.second = quint8(i); r.lat_int = 3733; r.lat_frac = 4000; r.lon_int = 12659;
            r.lon_frac = 1; r.cur_speed = quint16(50 + i); r.driving_distance = quint32(10 * i + 5);
            r.max_speed = 60; r.x = qint16(-32 * i); r.z = 256; r.battery = 138;
        });
    }
    // clang-format on
    return driveLogBytes(count, records);
}

const QByteArray kTitles =
    "No.,Seq.,Date,Time,Day,Latitude,Longitude,Distance,Speed,Max. speed,GPS,X,Y,Z,Battery (V)\n";
const QByteArray kRows =
    "1,1,2025/06/02,08:30:00,MON,3733.4000,12659.0001,0.5,50,60,A,+0.00,+0.00,+1.00,13.8\n"
    "2,2,2025/06/02,08:30:01,MON,3733.4000,12659.0001,1.5,51,60,A,-0.12,+0.00,+1.00,13.8\n";
} // namespace

class TestCliLog : public QObject
{
    Q_OBJECT

private slots:
    // Whole records are printed; a log shorter than its count also gets one line on stderr.
    void printsCsv_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::newRow("two records") << flashLog(2, 2) << 0 << kTitles + kRows;
        QTest::newRow("empty: the title line") << flashLog(0, 0) << 0 << kTitles;
        QTest::newRow("short") << flashLog(9, 2) + QByteArray(39, '\x7f') << 1 << kTitles + kRows;
    }
    void printsCsv()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QTemporaryDir dir;
        const QString path = dir.filePath("trip.DRV");
        QVERIFY(cliWriteFile(path, bytes));
        const CliResult result = runCli({"log", path});
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.out, out);
        QCOMPARE(result.err.count('\n'), exitCode);
        QCOMPARE(result.err.contains(path.toUtf8()), exitCode == 1);
    }

    // Standard output, --csv over a longer file and the viewer's export all give the same bytes.
    void simulatedObdLogMatchesTheExport()
    {
        QTemporaryDir card;
        QString error;
        QVERIFY2(ORXSimWriteCardFiles(card.path(), ORXSimRoute(), &error), qPrintable(error));
        const QString path = card.filePath(kORXSimObdLogPath);
        const CliResult printed = runCli({"log", path});
        QCOMPARE(printed.exitCode, 0);
        QCOMPARE(printed.out.count('\n'), kORXSimLogRecords + 1);
        QCOMPARE(printed.out.left(printed.out.indexOf('\n')).count(',') + 1, 26);

        const QString out = card.filePath("export.csv");
        QVERIFY(cliWriteFile(out, QByteArray(1 << 20, 'o')));
        const CliResult written = runCli({"log", "--csv", out, path});
        QCOMPARE(written.exitCode, 0);
        QVERIFY(written.out.isEmpty());
        QCOMPARE(cliReadFile(out), printed.out);
        QCOMPARE(ORXDriveLogTable(ORXDriveLog::read(path, ORXDriveLogKind::Obd)).csvText(), printed.out);
    }

    void badInput_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("absurd count") << "a.drv" << flashLog(0xffffffffu, 1);
        QTest::newRow("no header") << "b.obd" << QByteArray(8, '\0');
        QTest::newRow("not a log type") << "c.csv" << flashLog(1, 1);
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
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.out.isEmpty());
        QCOMPARE(result.err.count('\n'), 1);
        QVERIFY(result.err.contains(path.toUtf8()));
        QVERIFY(!QFile::exists(dir.filePath("out.csv")));
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
