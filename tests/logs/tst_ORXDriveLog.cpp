#include "OrvexTest.h"

#include "DriveLogBytes.h"
#include "ORXDriveLog.h"
#include "ORXLocalizedString.h"

#include <sys/stat.h>

Q_DECLARE_METATYPE(ORXDriveLogKind)

namespace {

QList<QByteArray> flashRecords(int n)
{
    QList<QByteArray> records;
    for (int i = 0; i < n; ++i)
        records << flashBytes([i](_FLASH_SAVE_VALUE_STRUCT& r) { r.seq = quint16(100 + i); r.battery = qint16(i); });
    return records;
}

QList<QByteArray> obdRecords(int n)
{
    QList<QByteArray> records;
    for (int i = 0; i < n; ++i)
        records << obdBytes([i](_OBD_SAVE_VALUE_STRUCT& r) { r.seq = quint32(7000 + i); r.padding = 0xbeef; });
    return records;
}

quint32 seqOf(const ORXDriveLog& log, qint64 row)
{
    return log.kind() == ORXDriveLogKind::Obd ? log.obdRecord(row).seq : log.flashRecord(row).seq;
}

} // namespace

class TestORXDriveLog : public QObject
{
    Q_OBJECT

private slots:
    void kindsFromPath()
    {
        QCOMPARE(ORXDriveLog::kindForPath("/card/DrvInfo/orvex_000.drv"), ORXDriveLogKind::Flash);
        QCOMPARE(ORXDriveLog::kindForPath("TRIP.OBD"), ORXDriveLogKind::Obd);
        QVERIFY(!ORXDriveLog::kindForPath("orvex_000.csv"));
        QVERIFY(!ORXDriveLog::kindForPath("drv"));
    }

    // The header count is the only length: more is ignored, less reported, only whole records read.
    void headerCountAgainstFileLength_data()
    {
        QTest::addColumn<ORXDriveLogKind>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<int>("count");

        QTest::newRow("flash whole") << ORXDriveLogKind::Flash << driveLogBytes(3, flashRecords(3)) << true << true << 3;
        QTest::newRow("obd whole") << ORXDriveLogKind::Obd << driveLogBytes(2, obdRecords(2)) << true << true << 2;
        QTest::newRow("count 0") << ORXDriveLogKind::Flash << driveLogBytes(0, flashRecords(2)) << true << true << 0;
        QTest::newRow("longer file") << ORXDriveLogKind::Flash << driveLogBytes(1, flashRecords(3), "tail")
                                     << true << true << 1;
        QTest::newRow("short by records") << ORXDriveLogKind::Obd << driveLogBytes(5, obdRecords(2)) << true << false
                                          << 2;
        QTest::newRow("short mid-record") << ORXDriveLogKind::Flash
                                          << driveLogBytes(4, flashRecords(3)).chopped(1) << true << false << 2;
        QTest::newRow("header only, count 1") << ORXDriveLogKind::Obd << driveLogBytes(1, {}) << true << false << 0;
        // The largest count taken, and the first refused, whatever the file holds.
        const quint32 flashMax =
            quint32(ORXDriveLog::kMaxRecordBytes / ORXDriveLog::recordSize(ORXDriveLogKind::Flash));
        QTest::newRow("largest count")
            << ORXDriveLogKind::Flash << driveLogBytes(flashMax, flashRecords(2)) << true << false << 2;
        QTest::newRow("largest count + 1")
            << ORXDriveLogKind::Flash << driveLogBytes(flashMax + 1, flashRecords(2)) << false << false << 0;
        QTest::newRow("count 0xFFFFFFFF") << ORXDriveLogKind::Flash << driveLogBytes(0xffffffffu, flashRecords(2))
                                          << false << false << 0;
        QTest::newRow("count 0xFFFFFFFF obd") << ORXDriveLogKind::Obd << driveLogBytes(0xffffffffu, {}) << false
                                              << false << 0;
        QTest::newRow("no header") << ORXDriveLogKind::Flash << QByteArray(11, '\0') << false << false << 0;
        QTest::newRow("empty") << ORXDriveLogKind::Obd << QByteArray() << false << false << 0;
    }
    void headerCountAgainstFileLength()
    {
        QFETCH(ORXDriveLogKind, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QFETCH(bool, complete);
        QFETCH(int, count);
        const ORXDriveLog log = ORXDriveLog::fromBytes(bytes, kind);
        QCOMPARE(log.isValid(), valid);
        QCOMPARE(log.isComplete(), complete);
        QCOMPARE(log.errorString().isEmpty(), complete);
        QCOMPARE(log.count(), count);
        const quint32 firstSeq = kind == ORXDriveLogKind::Obd ? 7000 : 100;
        for (int row = 0; row < count; ++row)
            QCOMPARE(seqOf(log, row), firstSeq + row);
        // Rows past the end read as zeroed records, never as stray memory.
        QCOMPARE(seqOf(log, count), 0u);
        QCOMPARE(seqOf(log, -1), 0u);
    }

    void readFromPath_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("why"); // the reason the message names
        QTest::newRow("log file") << "orvex_000.drv" << true << "";
        QTest::newRow("missing") << "none.drv" << false << "msg.log_no_such_file";
        QTest::newRow("folder") << "." << false << "msg.log_not_a_file";
        QTest::newRow("FIFO") << "fifo.drv" << false << "msg.log_not_a_file";
    }
    void readFromPath()
    {
        QFETCH(QString, name);
        QFETCH(bool, valid);
        QFETCH(QString, why);
        QTemporaryDir dir;
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("fifo.drv")).constData(), 0600) == 0);
        QFile file(dir.filePath("orvex_000.drv"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(driveLogBytes(2, flashRecords(2))) > 0);
        file.close();
        const ORXDriveLog log = ORXDriveLog::read(dir.filePath(name), ORXDriveLogKind::Flash);
        QCOMPARE(log.isValid(), valid);
        QCOMPARE(log.isComplete(), valid);
        QCOMPARE(log.errorString(),
                 valid ? QString() : ORXLocalizedString("msg.log_open_fail").arg(ORXLocalizedString(why)));
        QCOMPARE(log.count(), valid ? 2 : 0);
        QCOMPARE(log.flashRecord(1).battery, valid ? 1 : 0);
    }
};

ORVEX_TEST(TestORXDriveLog)
#include "tst_ORXDriveLog.moc"
