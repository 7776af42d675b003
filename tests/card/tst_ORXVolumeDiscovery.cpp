#include "OrvexTest.h"

#include "FakeUDisksBus.h"
#include "ORXTimeSetFile.h"
#include "ORXVolumeDiscovery.h"

class ORXVolumeDiscoveryTest : public QObject
{
    Q_OBJECT
private slots:
    void lists()
    {
        FakeUDisksBus bus;
        const auto with = [](QJsonObject block, const QString& key, const QJsonValue& value) {
            block.insert(key, value);
            return block;
        };
        const auto omit = [&](const QString& id, const QString& property) {
            return with(bus.volume(id, "reader", id, 1e9), "omit", QJsonArray{property});
        };
        QVERIFY(bus.start({FakeUDisksBus::drive("reader", "usb", false, true, "Generic ", " SD Card Reader"),
                           FakeUDisksBus::drive("stick", "usb", true, false),
                           FakeUDisksBus::drive("slot", "sdio", false, true, "", "SD slot"),
                           FakeUDisksBus::drive("usbdisk", "usb", false, false, "WD", "Passport"),
                           FakeUDisksBus::drive("sata", "", false, false, "", "WDC")},
                          {bus.volume("mmcblk0p1", "slot", "CAM", 8e9),
                           bus.volume("sdc1", "stick", "STICK", 16e9, true, true),
                           bus.volume("sdb", "reader", "ORVEX", 7948206080.0, false),
                           with(bus.volume("sdd1", "stick", "SPARE", 8e9), "mounted", false),
                           bus.volume("sde1", "usbdisk", "BACKUP", 1e12),
                           bus.volume("sda", "sata", "", 512110190592.0, false, true), omit("sdf1", "Device"),
                           omit("sdg1", "Size"), omit("sdh1", "ReadOnly"),
                           bus.volume("sdi1", "gone", "C", 1e9), bus.volume("loop0", "", "L", 1e9)}));
        const QString media = bus.mountRoot() + '/';

        // Blocks described in part, or on a drive the service does not list, are left out; a block without a
        // drive is kept.
        const auto devices = ORXUDisks().blockDevices();
        QVERIFY(devices);
        QStringList names;
        for (const ORXBlockDevice& device : *devices)
            names << device.deviceName;
        QCOMPARE(names, (QStringList{"mmcblk0p1", "sdc1", "sdb", "sdd1", "sde1", "sda", "loop0"}));
        const ORXBlockDevice card = *ORXUDisks().blockDevice("sdb");
        QCOMPARE(card.objectPath, QStringLiteral("/org/freedesktop/UDisks2/block_devices/sdb"));
        QCOMPARE(card.mountPath, media + "ORVEX"); // trailing zero byte cut
        QVERIFY(!card.readOnly && card.whole && card.isMounted() && card.removable);
        QCOMPARE(card.connectionBus, QStringLiteral("usb"));
        QCOMPARE(card.model, QStringLiteral("Generic SD Card Reader"));
        QCOMPARE(card.timeMediaDetected, quint64(1700000000000000));
        const ORXBlockDevice disk = *ORXUDisks().blockDevice("sda");
        QVERIFY(disk.readOnly && disk.whole && !disk.removable);
        QCOMPARE(disk.model, QStringLiteral("WDC"));
        QVERIFY(!ORXUDisks().blockDevice("sdd1")->isMounted());
        QVERIFY(ORXUDisks().blockDevice("loop0")->drivePath.isEmpty());
        QVERIFY(!ORXUDisks().blockDevice("loop0")->removable);
        QVERIFY(!ORXUDisks().blockDevice("sdz"));

        // The SD slot of the computer is removable but not USB; the USB disk is not removable.
        const auto at = [&](const QString& name) { return QUrl::fromLocalFile(media + name); };
        QCOMPARE(listRemovableVolumes(), (QList<QUrl>{at("CAM"), at("STICK"), at("ORVEX")}));
        QCOMPARE(listUSBVolumes(), (QList<QUrl>{at("STICK"), at("ORVEX")}));
        const QList<TKUSBDiskEntity> disks = listUSBDisks();
        QCOMPARE(disks.size(), 2);
        QVERIFY(disks.at(1).writable() && disks.at(1).mediaWhole()); // the other fields: orvex-cli volumes --json
        QCOMPARE(findUSBDiskByDevice("sdb")->key(), card.objectPath);
        QVERIFY(!findUSBDiskByDevice("mmcblk0p1"));
        QVERIFY(!findUSBDiskByDevice("sdd1")); // not mounted

        // The first USB volume holding a file; the SD slot's comes first but is not USB.
        for (const char* id : {"mmcblk0p1", "sdc1", "sdb"})
            QVERIFY(QFile(bus.backing(id) + "/timeset.cfg").open(QIODevice::WriteOnly));
        QCOMPARE(findUSBVolumeWithFile("timeset.cfg"), at("STICK"));
        QVERIFY(!findUSBVolumeWithFile("config.bin"));
        ORXTimeSetFile clock;
        clock.loadSettingFile();
        QCOMPARE(clock.settingFilePath(), media + "STICK/timeset.cfg");
    }
    void noServiceNoVolumes()
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
};

ORVEX_TEST(ORXVolumeDiscoveryTest)
#include "tst_ORXVolumeDiscovery.moc"
