#include "OrvexTest.h"

#include "ORXConfigFile.h"
#include "ORXDriveLogTable.h"
#include "ORXSimCardFiles.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

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

        const ORXDriveLogTable flash(ORXDriveLog::read(card.filePath(kORXSimFlashLogPath), ORXDriveLogKind::Flash));
        QVERIFY2(flash.log().isComplete(), qPrintable(flash.log().errorString()));
        QCOMPARE(flash.rowCount(), kORXSimLogRecords);
        // The first record is the clock file's moment, at the drive's start position.
        QCOMPARE(flash.stringForColumnIndex(2, 0) + ' ' + flash.stringForColumnIndex(3, 0), clock);
        double lat = 0, lng = 0;
        QVERIFY(flash.positionForRow(0, &lat, &lng));
        QVERIFY(qAbs(lat - qAbs(route.fixAt(0).latitude)) < 1e-5);
        QVERIFY(qAbs(lng - qAbs(route.fixAt(0).longitude)) < 1e-5);
        int lostFix = 0;
        for (int row = 0; row < flash.rowCount(); ++row) {
            QCOMPARE(flash.log().flashRecord(row).seq, row + 1);
            lostFix += flash.stringForColumnIndex(10, row) == "V";
        }
        QVERIFY(lostFix > 0 && lostFix < 20);

        const ORXDriveLogTable obd(ORXDriveLog::read(card.filePath(kORXSimObdLogPath), ORXDriveLogKind::Obd));
        QVERIFY(obd.log().isComplete());
        QCOMPARE(obd.rowCount(), kORXSimLogRecords);
        QCOMPARE(obd.stringForColumnIndex(3, 0), clock.right(8));
        int missingSpeed = 0, missingSteering = 0, movingRows = 0;
        const QRegularExpression number("^\\d+$");
        for (int row = 0; row < obd.rowCount(); ++row) {
            const QString speed = obd.stringForColumnIndex(7, row);
            missingSpeed += speed == "-";
            missingSteering += obd.stringForColumnIndex(16, row) == "-";
            QVERIFY(speed == "-" || number.match(speed).hasMatch());
            movingRows += speed != "-" && speed.toInt() > 10;
        }
        QVERIFY(missingSpeed > 0 && missingSpeed < 20);
        QVERIFY(missingSteering > 0 && missingSteering < 20);
        QVERIFY(movingRows > kORXSimLogRecords / 2);
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
