#include "OrvexTest.h"

#include "FakeUDisksBus.h"
#include "ORXUDisks.h"

#include <QFileInfo>

// The UDisks2 layer against the stand-in service on a private bus: what the reply says about
// blocks and drives, and the three filesystem operations.
class ORXUDisksTest : public QObject
{
    Q_OBJECT

private slots:
    void blockFacts()
    {
        FakeUDisksBus bus;
        QVERIFY(bus.start({FakeUDisksBus::drive("reader", "usb", false, true, "Generic ", " SD Card Reader"),
                           FakeUDisksBus::drive("sata", "", false, false, "", "WDC")},
                          {bus.volume("sdb1", "reader", "ORVEX", 7948206080.0),
                           bus.volume("sda", "sata", "", 512110190592.0, false, true)}));
        const auto devices = ORXUDisks().blockDevices();
        QVERIFY(devices);
        QCOMPARE(devices->size(), 2);
        const ORXBlockDevice& card = devices->at(0);
        QCOMPARE(card.objectPath, QStringLiteral("/org/freedesktop/UDisks2/block_devices/sdb1"));
        QCOMPARE(card.deviceName, QStringLiteral("sdb1"));
        QCOMPARE(card.label, QStringLiteral("ORVEX"));
        QCOMPARE(card.mountPath, bus.mountRoot() + QStringLiteral("/ORVEX")); // trailing zero byte cut
        QCOMPARE(card.size, quint64(7948206080));
        QVERIFY(!card.readOnly && !card.whole && card.isMounted() && card.removable);
        QCOMPARE(card.connectionBus, QStringLiteral("usb"));
        QCOMPARE(card.model, QStringLiteral("Generic SD Card Reader"));
        QCOMPARE(card.timeMediaDetected, quint64(1700000000000000));
        const ORXBlockDevice& disk = devices->at(1);
        QVERIFY(disk.readOnly && disk.whole && !disk.removable);
        QCOMPARE(disk.model, QStringLiteral("WDC"));
        QCOMPARE(disk.mountPath, bus.mountRoot() + QStringLiteral("/sda"));
        QCOMPARE(ORXUDisks().blockDevice(QStringLiteral("sda"))->objectPath, disk.objectPath);
        QVERIFY(!ORXUDisks().blockDevice(QStringLiteral("sdc")));
    }

    void partialBlocksAreSkipped()
    {
        FakeUDisksBus bus;
        QJsonObject noDevice = bus.volume("sdc1", "reader", "A", 1e9);
        noDevice.insert("omit", QJsonArray{"Device"});
        QJsonObject noSize = bus.volume("sdd1", "reader", "B", 1e9);
        noSize.insert("omit", QJsonArray{"Size"});
        QJsonObject noReadOnly = bus.volume("sdg1", "reader", "E", 1e9);
        noReadOnly.insert("omit", QJsonArray{"ReadOnly"});
        const QJsonObject lostDrive = bus.volume("sde1", "gone", "C", 1e9);
        QJsonObject notMounted = bus.volume("sdf1", "reader", "D", 1e9);
        notMounted.insert("mounted", false);
        QVERIFY(bus.start({FakeUDisksBus::drive("reader", "usb", true, false)},
                          {noDevice, noSize, noReadOnly, lostDrive, notMounted,
                           bus.volume("sdb1", "reader", "ORVEX", 1e9), bus.volume("loop0", "", "L", 1e9)}));
        const auto devices = ORXUDisks().blockDevices();
        QVERIFY(devices);
        QCOMPARE(devices->size(), 3);
        QCOMPARE(devices->at(0).deviceName, QStringLiteral("sdf1"));
        QVERIFY(!devices->at(0).isMounted());
        QCOMPARE(devices->at(1).deviceName, QStringLiteral("sdb1"));
        QVERIFY(devices->at(2).drivePath.isEmpty() && !devices->at(2).removable); // no drive
    }

    void noServiceGivesNothing()
    {
        FakeUDisksBus bus; // a bus without the service on it
        QVERIFY(!bus.address().isEmpty());
        const QDBusConnection conn =
            QDBusConnection::connectToBus(bus.address(), QStringLiteral("no-service"));
        QVERIFY(!ORXUDisks(conn).blockDevices());
        QVERIFY(
            !ORXUDisks(conn).mount(QStringLiteral("/org/freedesktop/UDisks2/block_devices/sdb1")).isNull());
        const QDBusConnection none = QDBusConnection::connectToBus(
            QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("no-bus"));
        QVERIFY(!ORXUDisks(none).blockDevices());
        QVERIFY(!ORXUDisks(none).unmount(QStringLiteral("/x")).isNull());
    }

    void operations_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<bool>("ok");
        QTest::newRow("all succeed") << QString() << true;
        QTest::newRow("unmount refused") << QStringLiteral("Unmount") << false;
        QTest::newRow("label refused") << QStringLiteral("SetLabel") << false;
        QTest::newRow("mount refused") << QStringLiteral("Mount") << false;
    }

    void operations()
    {
        QFETCH(QString, failing);
        QFETCH(bool, ok);
        FakeUDisksBus bus;
        QVERIFY(bus.start({FakeUDisksBus::drive("reader", "usb", false, true)},
                          {bus.volume("sdb1", "reader", "CARD", 1e9)}, {{"fail", QJsonArray{failing}}}));
        const ORXUDisks udisks;
        const QString path = udisks.blockDevice(QStringLiteral("sdb1"))->objectPath;
        // A mounted volume cannot be renamed, and mounting twice says so.
        QVERIFY(udisks.setLabel(path, QStringLiteral("ORVEX"))
                    .contains(failing == "SetLabel" ? "refused" : "mounted"));
        QVERIFY(udisks.mount(path).startsWith(failing == "Mount"
                                                  ? QStringLiteral("org.freedesktop.UDisks2.Error.Failed")
                                                  : ORXUDisks::alreadyMountedError));

        const bool unmounted = udisks.unmount(path).isNull();
        QCOMPARE(unmounted, failing != "Unmount");
        if (!unmounted)
            return;
        QVERIFY(!udisks.blockDevice(QStringLiteral("sdb1"))->isMounted());
        QCOMPARE(udisks.setLabel(path, QStringLiteral("ORVEX")).isNull(), failing != "SetLabel");
        QString mountPath;
        QCOMPARE(udisks.mount(path, &mountPath).isNull(), failing != "Mount");
        if (ok) {
            QCOMPARE(mountPath, bus.mountRoot() + QStringLiteral("/ORVEX"));
            QCOMPARE(udisks.blockDevice(QStringLiteral("sdb1"))->label, QStringLiteral("ORVEX"));
            QVERIFY(QFileInfo(mountPath).isDir());
        }
    }
};

ORVEX_TEST(ORXUDisksTest)
#include "tst_ORXUDisks.moc"
