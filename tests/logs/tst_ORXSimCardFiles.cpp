#include "OrvexTest.h"

#include "ORXConfigFile.h"
#include "ORXDriveLogTable.h"
#include "ORXSimCardFiles.h"

Q_DECLARE_METATYPE(ORXSimHemisphere)

class TestORXSimCardFiles : public QObject
{
    Q_OBJECT

private slots:
    void cardFiles_data()
    {
        QTest::addColumn<ORXSimHemisphere>("hemisphere");
        QTest::addColumn<int>("timeZoneIndex");
        QTest::addColumn<QString>("clock");
        QTest::newRow("Seoul") << ORXSimHemisphere::NorthEast << 28 << "2023/01/05 22:45:01";
        QTest::newRow("Buenos Aires") << ORXSimHemisphere::SouthWest << 11 << "2023/01/05 10:45:01";
    }
    void cardFiles()
    {
        QFETCH(ORXSimHemisphere, hemisphere);
        QFETCH(int, timeZoneIndex);
        QFETCH(QString, clock);
        QTemporaryDir card;
        const ORXSimRoute route(hemisphere, QDateTime(QDate(2023, 1, 5), QTime(13, 45, 1), Qt::UTC));
        QString error;
        QVERIFY2(ORXSimWriteCardFiles(card.path(), route, &error), qPrintable(error));

        _FILEDATA config;
        QVERIFY(readConfigFile(card.filePath("config.bin"), &config));
        QCOMPARE(config.checksum, configChecksum(config));
        QCOMPARE(config.osd_plate_flag, 1);
        QCOMPARE(QByteArray(config.szPlateNumber, 8), QByteArray("12GA3456"));
        QCOMPARE(config.time_gmt, timeZoneIndex);

        QFile clockFile(card.filePath("timeset.cfg"));
        QVERIFY(clockFile.open(QIODevice::ReadOnly));
        QCOMPARE(clockFile.readAll(), clock.toLatin1());

        const ORXDriveLogTable flash(
            ORXDriveLog::read(card.filePath(kORXSimFlashLogPath), ORXDriveLogKind::Flash));
        QVERIFY2(flash.log().isComplete(), qPrintable(flash.log().errorString()));
        QCOMPARE(flash.rowCount(), kORXSimLogRecords);
        // The first record is the clock file's moment, at the drive's start position.
        QCOMPARE(flash.stringForColumnIndex(2, 0) + ' ' + flash.stringForColumnIndex(3, 0), clock);
        double lat = 0, lng = 0;
        QVERIFY(flash.positionForRow(0, &lat, &lng));
        QVERIFY(qAbs(lat - qAbs(route.fixAt(0).latitude)) < 1e-5 &&
                qAbs(lng - qAbs(route.fixAt(0).longitude)) < 1e-5);
        QCOMPARE(flash.log().flashRecord(kORXSimLogRecords - 1).seq, kORXSimLogRecords);

        // Both logs hold rows a viewer shows as missing ("V", "-") among ordinary ones.
        const ORXDriveLogTable obd(ORXDriveLog::read(card.filePath(kORXSimObdLogPath), ORXDriveLogKind::Obd));
        QVERIFY(obd.log().isComplete());
        QCOMPARE(obd.rowCount(), kORXSimLogRecords);
        QCOMPARE(obd.stringForColumnIndex(3, 0), clock.right(8));
        const auto count = [](const ORXDriveLogTable& t, int column, const char* text) {
            int n = 0;
            for (int row = 0; row < t.rowCount(); ++row)
                n += t.stringForColumnIndex(column, row) == QLatin1String(text);
            return n;
        };
        for (int n : {count(flash, 10, "V"), count(obd, 7, "-"), count(obd, 16, "-")}) // fix, speed, steering
            QVERIFY(n > 0 && n < 20);
    }

    void unwritableCardFails()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("card"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QString error;
        QVERIFY(!ORXSimWriteCardFiles(dir.filePath("card"), ORXSimRoute(), &error));
        QVERIFY(error.contains(dir.filePath("card")));
    }
};

ORVEX_TEST(TestORXSimCardFiles)
#include "tst_ORXSimCardFiles.moc"
