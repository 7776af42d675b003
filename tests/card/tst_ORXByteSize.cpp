#include "OrvexTest.h"

#include "ORXByteSize.h"
#include "ORXCardFormatter.h"
#include "TKUSBDiskEntity.h"

class ORXByteSizeTest : public QObject
{
    Q_OBJECT
private slots:
    void formatByteSize_data()
    {
        QTest::addColumn<quint64>("bytes");
        QTest::addColumn<QString>("text");
        const quint64 K = 1024, M = K * K, G = M * K, E = G * G;
        QTest::newRow("zero") << quint64(0) << "0 B";
        QTest::newRow("below 1024") << quint64(1023) << "1023 B";
        QTest::newRow("one k") << K << "1.0 kB";
        QTest::newRow("one and a half k") << quint64(1536) << "1.5 kB";
        QTest::newRow("ten k") << 10 * K << "10 kB";
        QTest::newRow("1023.5 k goes up a unit") << quint64(1048064) << "1.0 MB";
        QTest::newRow("quotient exactly 1024 is divided again") << M + 600 << "1.0 MB";
        QTest::newRow("7.4 GB card") << quint64(7948206080) << "7.4 GB";
        QTest::newRow("remainder 1000 rounds to next whole") << quint64(2024) << "2.0 kB";
        QTest::newRow("9 and 1000 gives 10") << 9 * K + 1000 << "10 kB";
        QTest::newRow("remainder 949 stays") << K + 949 << "1.9 kB";
        // Remainders read as thousandths; halves go to the even digit unless bits were lost.
        QTest::newRow("tenths half to odd goes up") << K + 150 << "1.2 kB";
        QTest::newRow("tenths half to even stays") << K + 250 << "1.2 kB";
        QTest::newRow("tenths half with lost bits goes up") << (K + 250) * K + 1 << "1.3 MB";
        QTest::newRow("tenths above half") << K + 251 << "1.3 kB";
        QTest::newRow("whole half even stays") << 10 * K + 512 << "10 kB";
        QTest::newRow("whole half odd goes up") << 11 * K + 512 << "12 kB";
        QTest::newRow("whole half with lost bits goes up") << (10 * K + 512) * K + 1 << "11 MB";
        QTest::newRow("whole below half") << 100 * K + 511 << "100 kB";
        QTest::newRow("1023 and 1000 M is 1.0 GB") << 1023 * M + 1000 * K << "1.0 GB";
        QTest::newRow("one EB") << E << "1.0 EB";
        QTest::newRow("largest count") << ~quint64(0) << "16 EB";
    }
    void formatByteSize()
    {
        QFETCH(quint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(::formatByteSize(bytes), text);
    }
    void displayString()
    {
        const auto text = [](const QString& name, const QString& model) {
            return TKUSBDiskEntity(name, QUrl::fromLocalFile("/media/x"), "sdb1", model, 7948206080, true,
                                   false, "/k")
                .displayString();
        };
        QCOMPARE(text("ORVEX", "SD Card Reader"), QStringLiteral("[7.4 GB] ORVEX <SD Card Reader>"));
        QCOMPARE(text("ORVEX", ""), QStringLiteral("[7.4 GB] ORVEX "));
        QCOMPARE(text("A%1B", "%2"), QStringLiteral("[7.4 GB] A%1B <%2>"));
    }
    // mkfs.fat -s counts 512-byte sectors: 32 of them are 16 KB, 128 are 64 KB.
    void clusterSize_data()
    {
        QTest::addColumn<quint64>("bytes");
        QTest::addColumn<qint64>("sectors");
        QTest::addColumn<QString>("text");
        QTest::newRow("exactly 7 GiB") << quint64(7516192768) << qint64(128) << "64 KB";
        QTest::newRow("one byte below 7 GiB") << quint64(7516192767) << qint64(32) << "16 KB";
        QTest::newRow("empty") << quint64(0) << qint64(32) << "16 KB";
        QTest::newRow("256 GB") << quint64(256) * 1000 * 1000 * 1000 << qint64(128) << "64 KB";
    }
    void clusterSize()
    {
        QFETCH(quint64, bytes);
        QFETCH(qint64, sectors);
        QFETCH(QString, text);
        QCOMPARE(clusterSizeByVolumeSizeInKB(bytes), sectors);
        QCOMPARE(allocationUnitText(sectors), text);
    }
};

ORVEX_TEST(ORXByteSizeTest)
#include "tst_ORXByteSize.moc"
