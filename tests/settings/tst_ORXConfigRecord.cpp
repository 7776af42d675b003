#include "OrvexTest.h"

#include "ORXConfigFile.h"
#include "ORXConfigRecord.h"
#include "ORXUserDefaults.h"

#include <cstring>

namespace {

_FILEDATA filledRecord(unsigned char byte)
{
    _FILEDATA record;
    std::memset(&record, byte, sizeof record);
    return record;
}

QByteArray bytesOf(const _FILEDATA& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
}

void setWordAt(_FILEDATA* record, int offset, quint32 value)
{
    std::memcpy(reinterpret_cast<char*>(record) + offset, &value, 4);
}

} // namespace

class TestORXConfigRecord : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Never touch the user's own settings.
        QStandardPaths::setTestModeEnabled(true);
        const QSettings settings(QString::fromLatin1(ORXUserDefaults::kOrganization),
                                 QString::fromLatin1(ORXUserDefaults::kApplication));
        QVERIFY2(settings.fileName().contains(QLatin1String(".qttest")), qPrintable(settings.fileName()));
    }

    // Each field written through the table lands at its own bytes and touches nothing else;
    // together the fields cover all 428 bytes. (The default record pins the byte order.)
    void everyTableFieldWritesOnlyItsBytes()
    {
        int covered = 0;
        for (const ORXConfigField& field : kORXConfigFields) {
            _FILEDATA record = filledRecord(0);
            QByteArray expected(sizeof record, '\0');
            expected.replace(field.offset, field.size, QByteArray(field.size, 'q'));
            if (field.type == ORXFieldType::Text)
                QVERIFY(setConfigFieldText(&record, field, QByteArray(field.size, 'q')));
            for (int i = 0; field.type != ORXFieldType::Text && i < qMax(1, field.size / 4); ++i)
                setConfigFieldValue(&record, field, 0x71717171, i);
            QCOMPARE(bytesOf(record).toHex(), expected.toHex());
            covered += field.size;
        }
        QCOMPARE(covered, 428);
    }

    // An array field's words are reached by element, and an element outside it reads 0 and
    // writes nothing; outside an array the element is ignored. (orvex-cli's set test pins the
    // other integer limits.)
    void integerFields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("element");
        QTest::addColumn<qint64>("value");
        QTest::addColumn<bool>("inside");
        QTest::newRow("16 bits") << "cfg_ver" << 3 << qint64(65535) << true;
        QTest::newRow("array, first") << "dummy00" << 0 << qint64(0x11223344) << true;
        QTest::newRow("array, last") << "dummy00" << 3 << qint64(4294967295LL) << true;
        QTest::newRow("array, at the count") << "dummy00" << 4 << qint64(0x11223344) << false;
        QTest::newRow("array, negative") << "dummy00" << -1 << qint64(0x11223344) << false;
    }
    void integerFields()
    {
        QFETCH(QString, name);
        QFETCH(int, element);
        QFETCH(qint64, value);
        QFETCH(bool, inside);
        const ORXConfigField* field = findConfigField(name.toLatin1().constData());
        QVERIFY(field);
        _FILEDATA record = filledRecord(0xab);
        const QByteArray before = bytesOf(record);
        setConfigFieldValue(&record, *field, value, element);
        QCOMPARE(configFieldValue(record, *field, element), inside ? value : 0);
        QCOMPARE(bytesOf(record) != before, inside);
    }

    // The low halves of the words from offset 4 through 424, xored; the first word (version
    // and checksum) is not covered.
    void checksum()
    {
        _FILEDATA record = filledRecord(0);
        QCOMPARE(int(configChecksum(record)), 0);
        const std::pair<int, quint32> words[] = {{0, 0xffffffff},   {4, 0xffff0001},  {8, 0xaaaa0f0f},
                                                 {12, 0x0000f0f0},  {200, 0x12340ff0}, {424, 0x12345678}};
        for (const auto& [offset, value] : words)
            setWordAt(&record, offset, value);
        QCOMPARE(int(configChecksum(record)), 0x0001 ^ 0x0f0f ^ 0xf0f0 ^ 0x0ff0 ^ 0x5678);
    }

    // Every field set but the kept ones (checksum, time zone, summer time, voice language),
    // which still hold the filler.
    void defaultsKeepTheirFields()
    {
        _FILEDATA record = filledRecord(0xab);
        applyDefaultSettings(&record, 7);
        const char* golden = // 40 bytes a line
            "2657abab0100000046000000010000001e000000442f000000000000000000000300000000000000"
            "01000000010000000300000002000000000000000100000000000000020000000200000080000000"
            "0200000002000000320000002d0000002d0000000a00000008000000080000000800000003000000"
            "030000006000000061000000100e00005c0000003c00000000000000010000000100000000000000"
            "0000000000000000abababababababab000000000100000001000000010000000000000001000000"
            "010000000100000001000000010000003c0000001400000001000000b0000000b80b000001000000"
            "00000000abababab00000000000000004f7276657800000001000000020000000200000002000000"
            "02000000000000000000000001000000620000000100000000000000010000000000000000000000"
            "6000000000000000010000000000000000000000010000000000000000000000000000004f727665"
            "78440000000000000000000034373230353831330000000000000000040000000000000000000000"
            "00000000070000000000000000000000000000000000000001000000";
        QCOMPARE(bytesOf(record).toHex(), QByteArray(golden));
    }

    // The user's last rear camera choice seeds the default record.
    void externalRearCameraFromUserSettings()
    {
        ORXUserDefaults::setExternalRearCamera(3);
        _FILEDATA record = filledRecord(0xff);
        applyDefaultSettings(&record);
        ORXUserDefaults::setExternalRearCamera(0);
        QCOMPARE(record.external_rear_camera, 3u);
    }

    void timeZoneIndex_data()
    {
        QTest::addColumn<int>("offsetSeconds");
        QTest::addColumn<int>("index");
        QTest::newRow("UTC") << 0 << 14;
        QTest::newRow("UTC+5:30") << 5 * 3600 + 1800 << 22;
        QTest::newRow("UTC-4:30") << -(4 * 3600 + 1800) << 8;
        QTest::newRow("UTC+5:45") << 5 * 3600 + 2700 << 23;
        QTest::newRow("UTC-12") << -12 * 3600 << 0;
        QTest::newRow("UTC+13") << 13 * 3600 << 33;
        QTest::newRow("seconds are dropped") << 5 * 3600 + 1800 + 59 << 22;
        QTest::newRow("UTC+8:45 not in the table") << 8 * 3600 + 2700 << -1;
        QTest::newRow("UTC-0:30 not in the table") << -1800 << -1;
        QTest::newRow("UTC+14 not in the table") << 14 * 3600 << -1;
    }
    void timeZoneIndex()
    {
        QFETCH(int, offsetSeconds);
        QFETCH(int, index);
        QCOMPARE(localTimeZoneIndex(offsetSeconds), index);
    }

    void plateFlagOnSave_data()
    {
        QTest::addColumn<QByteArray>("plate");
        QTest::addColumn<int>("flag");
        QTest::newRow("empty") << QByteArray(8, '\0') << 0;
        QTest::newRow("text") << QByteArray("12GA3456", 8) << 1;
        QTest::newRow("leading zero byte") << QByteArray("\0BC\0\0\0\0\0", 8) << 0;
    }
    void plateFlagOnSave()
    {
        QFETCH(QByteArray, plate);
        QFETCH(int, flag);
        _FILEDATA record = filledRecord(0);
        applyDefaultSettings(&record, 0);
        record.osd_plate_flag = 1 - flag;
        std::memcpy(record.szPlateNumber, plate.constData(), 8);
        prepareConfigForSave(&record);
        QCOMPARE(record.osd_plate_flag, flag);
        QCOMPARE(QByteArray(record.szPlateNumber, 8), plate);
        // The checksum covers the flag just set.
        QCOMPARE(record.checksum, configChecksum(record));
    }
};

ORVEX_TEST(TestORXConfigRecord)
#include "tst_ORXConfigRecord.moc"
