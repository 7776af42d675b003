#include "OrvexTest.h"

#include "CliRunner.h"
#include "FakeUDisksBus.h"

namespace {
// The card and the stick of startCards(), as "volumes --json" lists them; %1 is the mount root.
const char* const kGoldenVolumesJson =
    R"([{"deviceFilePath":"sdb1","deviceModel":"Generic SD Card Reader",)"
    R"("displayString":"[7.4 GB] ORVEX <Generic SD Card Reader>",)"
    R"("key":"/org/freedesktop/UDisks2/block_devices/sdb1","mediaWhole":false,)"
    R"("mountedURL":"file://%1/ORVEX","volumeName":"ORVEX","volumeSize":7948206080,"writable":true},)"
    R"({"deviceFilePath":"sdc1","deviceModel":null,"displayString":"[15 GB] STICK ",)"
    R"("key":"/org/freedesktop/UDisks2/block_devices/sdc1","mediaWhole":false,)"
    R"("mountedURL":"file://%1/STICK","volumeName":"STICK","volumeSize":16000000000,"writable":false}])";
} // namespace

class TestCliCard : public QObject
{
    Q_OBJECT

    // A reader with card sdb1 "ORVEX" (whole-disk sdz when image is given) and a stick.
    static bool startCards(FakeUDisksBus& bus, const QString& image = QString())
    {
        QJsonObject card = image.isEmpty() ? bus.volume("sdb1", "reader", "ORVEX", 7948206080.0)
                                           : bus.volume("sdz", "reader", "NO NAME", 4294967296.0, false);
        if (!image.isEmpty())
            card.insert("image", image);
        return bus.start({FakeUDisksBus::drive("reader", "usb", false, true, "Generic", "SD Card Reader"),
                          FakeUDisksBus::drive("stick", "usb", true, false),
                          FakeUDisksBus::drive("slot", "sdio", false, true)},
                         {card, bus.volume("sdc1", "stick", "STICK", 16e9, true, true),
                          bus.volume("mmcblk0p1", "slot", "X", 1e9)});
    }

private slots:
    void volumesAndClockOntoCard()
    {
        FakeUDisksBus bus;
        QVERIFY(startCards(bus));
        const QString media = bus.mountRoot();
        CliResult r = runCli({"volumes"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QString::fromUtf8(r.out),
                 QStringLiteral("[7.4 GB] ORVEX <Generic SD Card Reader>\tsdb1\t%1/ORVEX\n"
                                "[15 GB] STICK \tsdc1\t%1/STICK\n")
                     .arg(media));
        r = runCli({"volumes", "--json"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(r.out).toJson(QJsonDocument::Compact),
                 QString::fromLatin1(kGoldenVolumesJson).arg(media).toUtf8());

        r = runCli({"clock"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err,
                 QByteArray("orvex-cli: timeset.cfg: no USB volume holds a timeset.cfg; give --out PATH\n"));

        QVERIFY(cliWriteFile(bus.backing("sdb1") + "/timeset.cfg", QByteArray()));
        r = runCli({"clock", "--date", "2024/02/29"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, (media + "/ORVEX/timeset.cfg\n").toUtf8());
        const QString written = QString::fromLatin1(cliReadFile(bus.backing("sdb1") + "/timeset.cfg"));
        QCOMPARE(QDateTime::fromString(written, "yyyy/MM/dd HH:mm:ss").date(), QDate(2024, 2, 29));
    }

    // A byte count as the card tools show it; the clock file at the moment given (the
    // refusals are in the help test).
    void sizeAndClockFile()
    {
        CliResult r = runCli({"size", "7948206080"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QByteArray("7.4 GB\n"));
        QTemporaryDir dir;
        const QString out = dir.filePath("timeset.cfg");
        r = runCli({"clock", "--date", "2023/01/05", "--time", "14:03:09", "--out", out});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, out.toUtf8() + '\n');
        QCOMPARE(cliReadFile(out), QByteArray("2023/01/05 14:03:09"));
        QCOMPARE(runCli({"clock", "--date", "0001/01/01", "--out", out}).exitCode, 0); // the first day there is
    }

    // Without --yes only what would be erased; a dismissed password dialog told in one line;
    // then mkfs.fat on an image file, and the defaults written onto the new file system.
    void format()
    {
        FakeUDisksBus bus;
        const QString devices = bus.root() + "/dev";
        QFile image(devices + "/sdz");
        QVERIFY(QDir().mkpath(devices) && image.open(QIODevice::WriteOnly) && image.resize(4294967296));
        image.close();
        QVERIFY(startCards(bus, image.fileName()));
        CliResult r = runCli({"format", "sdz"});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains("[4.0 GB] NO NAME <Generic SD Card Reader>\n"));
        QCOMPARE(runCli({"format", "sdz", "--no"}).exitCode, 2);
        r = runCli({"format", "mmcblk0p1", "--yes"}); // not a USB disk
        QCOMPARE(r.err, QByteArray("orvex-cli: mmcblk0p1: no mounted USB disk of that name\n"));
        QVERIFY(bus.calls().isEmpty());
        QTemporaryDir dir;
        const QString pkexec = dir.filePath("pkexec");
        QVERIFY(cliWriteFile(pkexec, "#!/bin/sh\necho 'Request dismissed' >&2\nexit 126\n"));
        QVERIFY(QFile::setPermissions(pkexec, QFile::ReadOwner | QFile::ExeOwner));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ORVEX_PKEXEC", pkexec);
        env.insert("ORVEX_DEVICE_DIR", devices);
        r = runCli({"format", "sdz", "--yes"}, env);
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.err.contains("\norvex-cli: sdz: "));
        QVERIFY(r.err.endsWith(": [4.0 GB] NO NAME <Generic SD Card Reader>: Error:Request dismissed\n"));

        env.insert("ORVEX_PKEXEC", ""); // no password dialog: mkfs.fat runs directly
        r = runCli({"format", "sdz", "--yes"}, env);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err,
                 QByteArray("Formatting...\nunmount disk...\nformatting...\ntry mount...\nFormat completed!\n"
                            "Disk searching...\n"));
        QVERIFY(r.out.endsWith("\n[4.0 GB] ORVEX <Generic SD Card Reader>\n"));
        QVERIFY(image.open(QIODevice::ReadOnly));
        QCOMPARE(image.read(90).mid(71, 19), QByteArray("ORVEX      FAT32   "));
        const QByteArray config = cliReadFile(bus.mountRoot() + "/ORVEX/config.bin");
        QCOMPARE(config.size(), 428);
        QCOMPARE(config.left(2), QByteArray("\x26\x57"));
    }
};

ORVEX_TEST(TestCliCard)
#include "tst_cli_card.moc"
