#include "OrvexTest.h"

#include "FakeUDisksBus.h"
#include "ORXCardFinder.h"
#include "ORXSettingFileLocator.h"

// Where the settings window reads and saves "config.bin".
class ORXSettingFileLocatorTest : public QObject
{
    Q_OBJECT
private slots:
    // Two cards, the later device name first in the reply: the first device name wins.
    void deviceNameOrder()
    {
        FakeUDisksBus bus;
        QVERIFY(bus.start(
            {FakeUDisksBus::drive("r", "usb", false, true)},
            {bus.volume("sdc1", "r", "ORVEXsdc1", 8e9), bus.volume("sdb1", "r", "ORVEXsdb1", 8e9)}));
        const auto card = findCardVolume(ORXUDisks());
        QVERIFY(card);
        QCOMPARE(card->deviceFilePath(), QString("sdb1"));
    }

    void saveTarget_data()
    {
        QTest::addColumn<bool>("selected");    // the chosen card
        QTest::addColumn<bool>("fileThere");   // its config.bin still exists
        QTest::addColumn<bool>("copy");        // editing a copy
        QTest::addColumn<bool>("cardMounted"); // a card volume is mounted now
        QTest::addColumn<QString>("target");   // "card", "copy" or "" (ask the user)
        QTest::newRow("chosen card") << true << true << true << true << "card";
        QTest::newRow("card file gone: the copy") << true << false << true << false << "copy";
        QTest::newRow("no copy: a card's root") << false << false << false << true << "card";
        QTest::newRow("copy before a new card") << false << false << true << true << "copy";
        QTest::newRow("nothing: ask") << false << false << false << false << "";
    }
    void saveTarget()
    {
        QFETCH(bool, selected);
        QFETCH(bool, fileThere);
        QFETCH(bool, copy);
        QFETCH(bool, cardMounted);
        QFETCH(QString, target);
        FakeUDisksBus bus;
        QJsonArray blocks;
        if (cardMounted)
            blocks.append(bus.volume("sdb1", "r", "ORVEX", 8e9));
        QVERIFY(bus.start({FakeUDisksBus::drive("r", "usb", false, true)}, blocks));
        const QString cardFile = bus.mountRoot() + "/ORVEX/config.bin";
        if (fileThere) {
            QFile file(bus.backing("sdb1") + "/config.bin");
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        std::optional<TKUSBDiskEntity> disk;
        if (selected)
            disk = TKUSBDiskEntity("ORVEX", QUrl::fromLocalFile(bus.mountRoot() + "/ORVEX"), "sdb1", "", 8,
                                   true, false, "/k");
        const QString copyPath = copy ? QStringLiteral("/folder/config.bin") : QString();
        const QString expected = target == "card" ? cardFile : target == "copy" ? copyPath : QString();
        QCOMPARE(ORXSettingFileLocator::saveTarget(disk, copyPath), expected);
    }

    void isInside_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("inside");
        QTest::newRow("below") << QString("/media/CAM/DCIM/a.avi") << "/media/CAM" << true;
        QTest::newRow("itself, trailing slash") << QString("/media/CAM") << "/media/CAM/" << true;
        QTest::newRow("longer sibling name") << QString("/media/CAM2/a.avi") << "/media/CAM" << false;
        QTest::newRow("nothing plays") << QString() << "/media/CAM" << false;
    }
    void isInside()
    {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QFETCH(bool, inside);
        QCOMPARE(ORXSettingFileLocator::isInside(path, folder), inside);
    }
};

ORVEX_TEST(ORXSettingFileLocatorTest)
#include "tst_ORXSettingFileLocator.moc"
