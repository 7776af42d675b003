#include "OrvexTest.h"

#include "FakeUDisksBus.h"
#include "ORXCardFinder.h"

// Choosing the card among the USB volumes, and renaming its volume to "ORVEX".
class ORXCardFinderTest : public QObject
{
    Q_OBJECT
private slots:
    // Candidates as "name,writable,config" triples; the expected pick is an index or -1.
    void passes_data()
    {
        QTest::addColumn<QStringList>("candidates");
        QTest::addColumn<int>("chosen");
        QTest::newRow("empty list") << QStringList{} << -1;
        QTest::newRow("pass 1 over earlier ORVEX without config")
            << QStringList{"ORVEX,1,0", "ORVEX,1,1"} << 1;
        QTest::newRow("pass 2: writable ORVEX") << QStringList{"ORVEX,0,1", "ORVEX,1,0"} << 1;
        QTest::newRow("pass 3 before pass 4") << QStringList{"CARD,1,0", "ORVEX,0,1"} << 1;
        QTest::newRow("pass 4: first writable") << QStringList{"A,0,1", "B,1,0", "C,1,1"} << 1;
        QTest::newRow("none passes: first") << QStringList{"A,0,0", "B,0,1"} << 0;
        QTest::newRow("name is case-sensitive") << QStringList{"orvex,0,1", "Orvex,1,1"} << 1;
    }
    void passes()
    {
        QFETCH(QStringList, candidates);
        QFETCH(int, chosen);
        QTemporaryDir dir;
        QList<TKUSBDiskEntity> disks;
        for (int i = 0; i < candidates.size(); ++i) {
            const QStringList f = candidates.at(i).split(',');
            const QString root = dir.filePath(QString::number(i));
            QVERIFY(QDir().mkpath(root));
            if (f.at(2) == "1")
                writeFile(root + "/config.bin", 428);
            disks.append(TKUSBDiskEntity(f.at(0), QUrl::fromLocalFile(root), "sd" + QString::number(i), "", 1,
                                         f.at(1) == "1", false, "/k" + QString::number(i)));
        }
        const auto card = findCardVolume(disks);
        QCOMPARE(card.has_value(), chosen >= 0);
        if (card)
            QCOMPARE(card->key(), disks.at(chosen).key());
    }
    // "failing": the UDisks2 call the service refuses; the path begins with the chosen volume's name.
    void findUSBVolume_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("configSize");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QString>("path"); // relative to the mount root, empty when none is set
        QTest::addColumn<QStringList>("calls");
        const auto row = [](const char* tag, const char* label, int size, const char* failing,
                            const char* path, const QStringList& calls) {
            QTest::newRow(tag) << QString(label) << size << QString(failing) << QString(path) << calls;
        };
        const QStringList rename{"Unmount sdb1", "SetLabel sdb1 ORVEX", "Mount sdb1"};
        row("card named ORVEX", "ORVEX", 428, "", "ORVEX/config.bin", {});
        row("renamed", "NO NAME", 428, "", "ORVEX/config.bin", rename);
        row("short config.bin", "NO NAME", 427, "", "", {});
        row("long config.bin", "ORVEX", 429, "", "", {});
        row("no config.bin", "ORVEX", -1, "", "", {});
        row("unmount refused: kept as it is", "NO NAME", 428, "Unmount", "NO NAME/config.bin",
            {"Unmount sdb1"});
        row("label refused: mounted again, old name", "NO NAME", 428, "SetLabel", "NO NAME/config.bin",
            rename);
        row("mount refused: old name back, mounted again", "NO NAME", 428, "Mount", "",
            rename + QStringList{"SetLabel sdb1 NO NAME", "Mount sdb1"});
    }
    void findUSBVolume()
    {
        QFETCH(QString, label);
        QFETCH(int, configSize);
        QFETCH(QString, failing);
        QFETCH(QString, path);
        QFETCH(QStringList, calls);
        FakeUDisksBus bus;
        QVERIFY(bus.start({FakeUDisksBus::drive("r", "usb", false, true)},
                          {bus.volume("sdb1", "r", label, 8e9)}, {{"fail", QJsonArray{failing}}}));
        if (configSize >= 0)
            writeFile(bus.backing("sdb1") + "/config.bin", configSize);
        ORXCardFinder finder;
        if (!failing.isEmpty())
            QTest::ignoreMessage(
                QtInfoMsg, QRegularExpression("^error=org.freedesktop.UDisks2.Error.Failed: " + failing));
        finder.findUSBVolume();
        QCOMPARE(bus.calls(), calls);
        QCOMPARE(finder.settingFilePath(), path.isEmpty() ? QString() : bus.mountRoot() + '/' + path);
        QCOMPARE(finder.selectedUSBDisk().has_value(), !path.isEmpty());
        if (!path.isEmpty()) {
            QCOMPARE(finder.selectedUSBDisk()->volumeName(), path.section('/', 0, 0));
            QVERIFY(QFile::exists(finder.settingFilePath()));
        }
    }
    // The policy can keep the card from being renamed, and a rename is reported once; a later
    // search that finds no volume keeps the choice, one that finds no card clears it.
    void renameAndLaterSearches()
    {
        FakeUDisksBus bus;
        const QJsonArray reader{FakeUDisksBus::drive("r", "usb", false, true)};
        QVERIFY(bus.start(reader, {bus.volume("sdb1", "r", "NO NAME", 8e9)}));
        writeFile(bus.backing("sdb1") + "/config.bin", 428);
        ORXCardFinder finder;
        finder.setRenamePolicy([](const TKUSBDiskEntity&) { return false; });
        finder.findUSBVolume();
        QVERIFY(finder.renameRefused());
        QCOMPARE(finder.settingFilePath(), bus.mountRoot() + "/NO NAME/config.bin");
        QVERIFY(bus.calls().isEmpty());
        finder.setRenamePolicy([](const TKUSBDiskEntity&) { return true; });
        finder.findUSBVolume();
        QVERIFY(!finder.renameRefused());
        QCOMPARE(finder.renamedFrom() + ' ' + finder.renamedTo(),
                 bus.mountRoot() + "/NO NAME " + bus.mountRoot() + "/ORVEX");
        finder.findUSBVolume();
        QVERIFY(finder.renamedFrom().isEmpty() && finder.renamedTo().isEmpty());

        QVERIFY(bus.start(reader, {})); // card pulled out
        QTest::ignoreMessage(QtInfoMsg, "no removable devices");
        finder.findUSBVolume();
        QCOMPARE(finder.settingFilePath(), bus.mountRoot() + "/ORVEX/config.bin");
        QVERIFY(finder.selectedUSBDisk());
        QVERIFY(bus.start(reader, {bus.volume("sdc1", "r", "OTHER", 8e9)}));
        finder.findUSBVolume();
        QVERIFY(finder.settingFilePath().isEmpty());
        QVERIFY(!finder.selectedUSBDisk());
    }

private:
    static void writeFile(const QString& path, qsizetype size)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(QByteArray(size, '\1')), size);
    }
};

ORVEX_TEST(ORXCardFinderTest)
#include "tst_ORXCardFinder.moc"
