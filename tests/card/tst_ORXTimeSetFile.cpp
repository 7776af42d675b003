#include "OrvexTest.h"

#include "FakeUDisksBus.h"
#include "ORXTimeSetFile.h"

#include <QLocale>
#include <QTemporaryDir>

// The clock file's bytes, whatever the user's locale, and where it goes.
class ORXTimeSetFileTest : public QObject
{
    Q_OBJECT
private slots:
    void bytes_data();
    void bytes();
    void unwritable_data();
    void unwritable();
    void findsCardFile();
};

void ORXTimeSetFileTest::bytes_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("old"); // the file there before, empty for none
    QTest::newRow("replaces a longer file") << "en_US" << QDate(2023, 1, 5) << QTime(14, 3, 9)
                                            << QByteArray("2023/01/05 14:03:09")
                                            << QByteArray("2019/12/31 23:59:59\r\nXXXX");
    // Islamic and Solar Hijri or Buddhist calendars and other digits in the user's locale.
    QTest::newRow("Arabic, Saudi Arabia")
        << "ar_SA" << QDate(2023, 1, 5) << QTime(14, 3, 9) << QByteArray("2023/01/05 14:03:09") << QByteArray();
    QTest::newRow("Persian, Iran") << "fa_IR" << QDate(2024, 12, 31) << QTime(23, 59, 59)
                                   << QByteArray("2024/12/31 23:59:59") << QByteArray();
    QTest::newRow("Thai") << "th_TH" << QDate(2000, 2, 29) << QTime(0, 0, 0)
                          << QByteArray("2000/02/29 00:00:00") << QByteArray();
    QTest::newRow("Bengali digits") << "bn_BD" << QDate(987, 6, 7) << QTime(8, 9, 1)
                                    << QByteArray("0987/06/07 08:09:01") << QByteArray();
}

void ORXTimeSetFileTest::bytes()
{
    QFETCH(QString, locale);
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, old);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    QTemporaryDir dir;
    ORXTimeSetFile file;
    file.setSelectedDate(date);
    file.setSelectedTime(time);
    const QString path = dir.filePath("timeset.cfg");
    QFile written(path);
    if (!old.isEmpty()) {
        QVERIFY(written.open(QIODevice::WriteOnly) && written.write(old) == old.size());
        written.close();
    }
    const QString error = file.doWriteConfigFile(path);
    QLocale::setDefault(before);
    QVERIFY(error.isNull());
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), text);
}

void ORXTimeSetFileTest::unwritable_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QDate>("date");
    QTest::newRow("missing folder") << "/nonexistent/folder/timeset.cfg" << QDate(2023, 1, 5);
    QTest::newRow("a folder") << "/tmp" << QDate(2023, 1, 5);
    QTest::newRow("five-digit year") << "" << QDate(10000, 1, 1);
    QTest::newRow("no date") << "" << QDate();
}

void ORXTimeSetFileTest::unwritable()
{
    QFETCH(QString, path);
    QFETCH(QDate, date);
    QTemporaryDir dir;
    const QString target = path.isEmpty() ? dir.filePath("timeset.cfg") : path;
    ORXTimeSetFile file;
    file.setSelectedDate(date);
    QVERIFY(!file.doWriteConfigFile(target).isEmpty());
    if (path.isEmpty())
        QVERIFY(!QFile::exists(target));
}

void ORXTimeSetFileTest::findsCardFile()
{
    FakeUDisksBus bus;
    QVERIFY(bus.start({FakeUDisksBus::drive("r", "usb", false, true)},
                      {bus.volume("sdb1", "r", "A", 1e9), bus.volume("sdc1", "r", "ORVEX", 1e9)}));
    ORXTimeSetFile file;
    file.loadSettingFile();
    QVERIFY(file.settingFilePath().isEmpty()); // no card holds one: left as it was

    QFile card(bus.backing("sdc1") + "/timeset.cfg");
    QVERIFY(card.open(QIODevice::WriteOnly));
    card.close();
    file.loadSettingFile();
    QCOMPARE(file.settingFilePath(), bus.mountRoot() + "/ORVEX/timeset.cfg");
    QVERIFY(file.doWriteConfigFile(file.settingFilePath()).isNull());
    QVERIFY(card.open(QIODevice::ReadOnly));
    QCOMPARE(card.size(), 19);
}

ORVEX_TEST(ORXTimeSetFileTest)
#include "tst_ORXTimeSetFile.moc"
