#include "OrvexTest.h"

#include "FakeUDisksBus.h"
#include "ORXUDisks.h"

// Mount, unmount and label on the stand-in UDisks2 service (tests/card reads the blocks through it).
class ORXUDisksTest : public QObject
{
    Q_OBJECT

private slots:
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
