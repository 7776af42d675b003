#include "OrvexTest.h"

#include "FakeUDisksBus.h"
#include "ORXVolumeDiscovery.h"

#include <QFile>

// Listing the mounted USB volumes through real D-Bus calls to the stand-in UDisks2 service.
class ORXVolumeDiscoveryTest : public QObject
{
    Q_OBJECT
private slots:
    void lists();
    void findWithFile();
    void noServiceNoVolumes();

private:
    static void touch(const QString& path)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
};

void ORXVolumeDiscoveryTest::lists()
{
    FakeUDisksBus bus;
    QJsonObject unmounted = bus.volume("sdd1", "stick", "SPARE", 8e9);
    unmounted.insert("mounted", false);
    QVERIFY(bus.start({FakeUDisksBus::drive("reader", "usb", false, true, "Generic", "SD Card Reader"),
                       FakeUDisksBus::drive("stick", "usb", true, false, "", ""),
                       FakeUDisksBus::drive("slot", "sdio", false, true, "", "SD slot"),
                       FakeUDisksBus::drive("usbdisk", "usb", false, false, "WD", "Passport")},
                      {bus.volume("sdc1", "stick", "STICK", 16e9, true, true),
                       bus.volume("mmcblk0p1", "slot", "CAM", 8e9),
                       bus.volume("sdb", "reader", "ORVEX", 7948206080.0, false), unmounted,
                       bus.volume("sde1", "usbdisk", "BACKUP", 1e12)}));
    const QString media = bus.mountRoot() + '/';

    // The SD slot of the computer is removable but not USB; the USB disk is not removable.
    QCOMPARE(listRemovableVolumes(),
             (QList<QUrl>{QUrl::fromLocalFile(media + "STICK"), QUrl::fromLocalFile(media + "CAM"),
                          QUrl::fromLocalFile(media + "ORVEX")}));
    QCOMPARE(listUSBVolumes(),
             (QList<QUrl>{QUrl::fromLocalFile(media + "STICK"), QUrl::fromLocalFile(media + "ORVEX")}));

    const QList<TKUSBDiskEntity> disks = listUSBDisks();
    QCOMPARE(disks.size(), 2);
    const TKUSBDiskEntity& stick = disks.at(0);
    QCOMPARE(stick.volumeName(), QStringLiteral("STICK"));
    QCOMPARE(stick.deviceFilePath(), QStringLiteral("sdc1"));
    QVERIFY(!stick.writable() && !stick.mediaWhole());
    const TKUSBDiskEntity& card = disks.at(1);
    QCOMPARE(card.mountedURL(), QUrl::fromLocalFile(media + "ORVEX"));
    QCOMPARE(card.deviceFilePath(), QStringLiteral("sdb"));
    QCOMPARE(card.deviceModel(), QStringLiteral("Generic SD Card Reader"));
    QCOMPARE(card.volumeSize(), quint64(7948206080));
    QVERIFY(card.writable() && card.mediaWhole());
    QCOMPARE(card.key(), QStringLiteral("/org/freedesktop/UDisks2/block_devices/sdb"));

    QCOMPARE(findUSBDiskByDevice("sdb")->key(), card.key());
    QVERIFY(!findUSBDiskByDevice("mmcblk0p1"));
    QVERIFY(!findUSBDiskByDevice("sdd1")); // not mounted
}

void ORXVolumeDiscoveryTest::findWithFile()
{
    FakeUDisksBus bus;
    QVERIFY(bus.start(
        {FakeUDisksBus::drive("slot", "sdio", true, true), FakeUDisksBus::drive("r", "usb", false, true)},
        {bus.volume("mmcblk0p1", "slot", "A", 1e9), bus.volume("sdb1", "r", "B", 1e9),
         bus.volume("sdc1", "r", "C", 1e9), bus.volume("sdd1", "r", "D", 1e9)}));
    touch(bus.backing("mmcblk0p1") + "/timeset.cfg"); // not USB
    touch(bus.backing("sdc1") + "/timeset.cfg");
    touch(bus.backing("sdd1") + "/timeset.cfg");
    QCOMPARE(findUSBVolumeWithFile("timeset.cfg"), QUrl::fromLocalFile(bus.mountRoot() + "/C"));
    QVERIFY(!findUSBVolumeWithFile("config.bin"));
}

void ORXVolumeDiscoveryTest::noServiceNoVolumes()
{
    FakeUDisksBus bus; // the bus, but no UDisks2 on it
    qputenv("ORVEX_UDISKS_BUS", bus.address().toLocal8Bit());
    QVERIFY(listRemovableVolumes().isEmpty());
    QVERIFY(listUSBDisks().isEmpty());
    QVERIFY(!findUSBVolumeWithFile("timeset.cfg"));
    qputenv("ORVEX_UDISKS_BUS", "unix:path=/nonexistent/socket");
    QVERIFY(listUSBVolumes().isEmpty());
    qunsetenv("ORVEX_UDISKS_BUS");
}

ORVEX_TEST(ORXVolumeDiscoveryTest)
#include "tst_ORXVolumeDiscovery.moc"
