#include "OrvexTest.h"

#include "DriveLogBytes.h"
#include "ORXDriveLogTable.h"

using Obd = _OBD_SAVE_VALUE_STRUCT;
using Flash = _FLASH_SAVE_VALUE_STRUCT;

namespace {

ORXDriveLogTable table(const QList<QByteArray>& records, ORXDriveLogKind kind = ORXDriveLogKind::Flash)
{
    return ORXDriveLogTable(ORXDriveLog::fromBytes(driveLogBytes(quint32(records.size()), records), kind));
}

// Two flash records along a drive; the second has a negative axis and a low battery.
QList<QByteArray> sampleFlashRecords()
{
    return {flashBytes([](Flash& r) {
                r.seq = 1; r.yoil = 4; r.value = 1;
                r.year = 123; r.month = 1; r.day = 5; r.hour = 13; r.minute = 45; r.second = 1;
                r.lat_int = 3735; r.lat_frac = 1234; r.lon_int = 12701; r.lon_frac = 5678;
                r.cur_speed = 42; r.driving_distance = 12345; r.max_speed = 61;
                r.x = 32; r.y = -64; r.z = 256; r.battery = 126;
            }),
            flashBytes([](Flash& r) {
                r.seq = 2; r.yoil = 9; r.value = 0;
                r.year = 123; r.month = 12; r.day = 31; r.hour = 23; r.minute = 59; r.second = 59;
                r.lat_int = 12; r.lat_frac = 5; r.lon_int = 9; r.lon_frac = 7;
                r.cur_speed = 0; r.driving_distance = 0; r.max_speed = 0;
                r.x = 0; r.y = 96; r.z = -256; r.battery = 5;
            })};
}

QByteArray sampleObdRecord()
{
    return obdBytes([](Obd& r) {
        r.seq = 77; r.year = 124; r.month = 2; r.day = 29; r.hour = 7; r.minute = 8; r.second = 9; r.yoil = 4;
        r.lat_int = 3735; r.lat_frac = 1234; r.lon_int = 12701; r.lon_frac = 5678;
        r.cur_speed = -1; r.gps_speed = 55; r.rpm = 2100; r.driving_distance = 12345; r.battery = -1;
        r.acp = 12; r.fbk = 0; r.rll = 1; r.lll = -1; r.swa = -5; r.sbt = 3; r.gel = 0; r.gep = 4; r.sbk = 7;
        r.tpa = -1; r.abt = -250; r.x = 0; r.y = 256; r.z = -32;
    });
}

} // namespace

class TestORXDriveLogTable : public QObject
{
    Q_OBJECT

private slots:
    // The CSV goldens below hold the titles and the cells' common texts; the tables each rule's edges.
    void columns()
    {
        const ORXDriveLogTable obd(ORXDriveLog(ORXDriveLogKind::Obd));
        const ORXDriveLogTable flash(ORXDriveLog(ORXDriveLogKind::Flash));
        for (const ORXDriveLogTable* t : {&obd, &flash}) {
            for (int column = 0; column < t->columnCount(); ++column)
                QVERIFY(t->columnWidth(column) > 0);
            QCOMPARE(t->columnTitle(t->columnCount()), QString());
            QCOMPARE(t->csvText().count('\n'), 1); // an empty log: the title line
        }
        QCOMPARE(obd.columnKey(19), QStringLiteral("setting.obdata.gep"));
        QCOMPARE(obd.columnWidth(2), 86);
        QCOMPARE(flash.columnKey(14), QStringLiteral("setting.flashdata.battery"));
        QCOMPARE(flash.columnWidth(10), 48);
    }

    void obdCells_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        auto row = [](const char* name, int column, const char* text, std::function<void(Obd&)> fill) {
            QTest::newRow(name) << obdBytes(fill) << column << QString::fromUtf8(text);
        };
        row("sunday", 4, "SUN", [](Obd& r) { r.yoil = 0; });
        row("saturday", 4, "SAT", [](Obd& r) { r.yoil = 6; });
        row("weekday 7", 4, "-", [](Obd& r) { r.yoil = 7; });
        row("distance zero", 10, "0.0", [](Obd& r) { r.driving_distance = 0; });
        row("battery zero", 11, "0.0", [](Obd& r) { r.battery = 0; });
        row("gear P", 19, "P", [](Obd& r) { r.gep = 1; });
        row("gear R", 19, "R", [](Obd& r) { r.gep = 2; });
        row("gear N", 19, "N", [](Obd& r) { r.gep = 3; });
        row("gear 5", 19, "-", [](Obd& r) { r.gep = 5; });
        row("sbk on", 20, "ON", [](Obd& r) { r.sbk = 1; });
        row("past the last column", 26, "X", [](Obd&) {});
        row("negative column", -1, "X", [](Obd&) {});
    }
    void obdCells()
    {
        QFETCH(QByteArray, record);
        QFETCH(int, column);
        QFETCH(QString, text);
        QCOMPARE(table({record}, ORXDriveLogKind::Obd).stringForColumnIndex(column, 0), text);
    }

    void flashCells_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        auto row = [](const char* name, int column, const char* text, std::function<void(Flash&)> fill) {
            QTest::newRow(name) << flashBytes(fill) << column << QString::fromUtf8(text);
        };
        row("battery zero", 14, " 0.0", [](Flash& r) { r.battery = 0; });
        row("battery negative volts", 14, "-12.6", [](Flash& r) { r.battery = -126; });
        row("past the last column", 15, "X", [](Flash&) {});
    }
    void flashCells()
    {
        QFETCH(QByteArray, record);
        QFETCH(int, column);
        QFETCH(QString, text);
        QCOMPARE(table({record}).stringForColumnIndex(column, 0), text);
    }

    void rowsOutsideTheLogAreEmpty()
    {
        const ORXDriveLogTable flash = table(sampleFlashRecords());
        QCOMPARE(flash.rowCount(), 2);
        QCOMPARE(flash.stringForColumnIndex(1, 2), QString());
        QCOMPARE(flash.stringForColumnIndex(1, -1), QString());
        double lat = 0, lng = 0;
        QVERIFY(flash.positionForRow(0, &lat, &lng));
        QVERIFY(qAbs(lat - 37.58539) < 5e-6);
        QVERIFY(qAbs(lng - (127 + 1.5678 / 60)) < 1e-9);
        QVERIFY(!flash.positionForRow(2, &lat, &lng));
    }

    void flashCsvGolden()
    {
        const QByteArray golden =
            "No.,Seq.,Date,Time,Day,Latitude,Longitude,Distance,Speed,Max. speed,GPS,X,Y,Z,Battery (V)\n"
            "1,1,2023/01/05,13:45:01,THU,3735.1234,12701.5678,1234.5,42,61,A,+0.12,-0.25,+1.00,12.6\n"
            "2,2,2023/12/31,23:59:59,-,0012.0005,00009.0007,0.0,0,0,V,+0.00,+0.38,-1.00, 0.5\n";
        QCOMPARE(table(sampleFlashRecords()).csvText(), golden);
    }

    void obdCsvGolden()
    {
        const QByteArray golden =
            "No.,Seq.,Date,Time,Day,Latitude,Longitude,Speed,GPS speed,RPM,Distance,Battery (V),Accelerator,"
            "Foot brake,Right signal,Left signal,Steering,Seat belt,Fuel level,Gear,Parking brake,Tyre pressure,"
            "Outside temp.,X,Y,Z\n"
            "1,77,2024/02/29,07:08:09,THU,3735.1234,12701.5678,-,55,2100,12.3,-,12,OFF,ON,-,-5,ON,-,D,-,-,-2.5,"
            "+0.00,+1.00,-0.12\n";
        QCOMPARE(table({sampleObdRecord()}, ORXDriveLogKind::Obd).csvText(), golden);
    }

    // Export replaces a longer old file whole; a failed one names the failure.
    void exportToFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("orvex_000.csv");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(10000, 'o')) == 10000);
        old.close();
        const ORXDriveLogTable flash = table(sampleFlashRecords());
        QVERIFY(flash.writeCSVFile(path).isNull());
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), flash.csvText());
        QCOMPARE(flash.writeCSVFile(path + "/out.csv"), QStringLiteral("msg.file_open_fail"));
    }
};

ORVEX_TEST(TestORXDriveLogTable)
#include "tst_ORXDriveLogTable.moc"
