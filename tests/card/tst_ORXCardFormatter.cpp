#include "OrvexTest.h"

#include "FakeUDisksBus.h"
#include "ORXCardFormatter.h"
#include "ORXConfigRestore.h"
#include "ORXLocalizedString.h"
#include "ORXVolumeDiscovery.h"

// mkfs.fat formats a sparse image file standing in for the card; config.bin is put back
// into it with mtools; pkexec is a script that logs its arguments and runs the command.
class ORXCardFormatterTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(!QStandardPaths::findExecutable("mkfs.fat", {"/usr/sbin", "/sbin"}).isEmpty());
        QVERIFY(!QStandardPaths::findExecutable("mcopy").isEmpty());
        qputenv("MTOOLS_SKIP_CHECK", "1");
        const auto script = [&](const QString& name, const QByteArray& body) {
            QFile file(m_tools.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\n" + body + "\n");
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        };
        script("pkexec", "printf '%s\\n' \"$@\" > \"$(dirname \"$0\")/args\"\nexec \"$@\"");
        script("pkexec-dismissed",
               "echo 'Error executing command as another user: Request dismissed' >&2; exit 126");
        script("pkexec-readonly",
               "echo 'mkfs.fat: unable to open /dev/sdz: Read-only file system' >&2; exit 1");
    }
    void formatsImage_data()
    {
        QTest::addColumn<quint64>("size");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<bool>("hasConfig");
        QTest::addColumn<int>("sectorsPerCluster");
        QTest::addColumn<int>("probeDelayMs"); // until the service reports the new file system
        QTest::addColumn<bool>("automount");
        QTest::addColumn<QString>("sizeText");
        QTest::newRow("4 GiB partition with config.bin, mounted by the desktop")
            << (quint64(4) << 30) << false << true << 32 << 0 << true << "4.0 GB";
        QTest::newRow("7.4 GB whole card without config.bin, slow probe")
            << quint64(7948206080) << true << false << 128 << 1500 << false << "7.4 GB";
    }
    void formatsImage()
    {
        QFETCH(quint64, size);
        QFETCH(bool, whole);
        QFETCH(bool, hasConfig);
        QFETCH(int, sectorsPerCluster);
        QFETCH(int, probeDelayMs);
        QFETCH(bool, automount);
        QFETCH(QString, sizeText);
        QByteArray original(428, '\0'); // a varied pattern: a shifted or cut copy shows
        for (int i = 0; i < original.size(); ++i)
            original[i] = char(i * 7 + 3);
        // The file system disappears for a moment after the unmount, as when udev probes anew;
        // the old one is still reported until the probe has seen the new one.
        ORXCardFormatter formatter;
        QVERIFY(
            makeCard(formatter, size, whole, "pkexec", hasConfig ? original : QByteArray(),
                     {{"hideFilesystemMs", 700}, {"probeDelayMs", probeDelayMs}, {"automount", automount}}));
        QList<ORXFormatResult> results;
        connect(&formatter, &ORXCardFormatter::finished, this,
                [&](const ORXFormatResult& r) { results << r; });
        const TKUSBDiskEntity disk = listed("sdz");
        QCOMPARE(disk.deviceFilePath(), QStringLiteral("sdz"));
        QVERIFY(formatter.start(disk, true));
        // One run at a time, in this formatter or another; a second start is told through finished().
        QVERIFY(ORXCardFormatter::isRunning());
        QCOMPARE(ORXCardFormatter().format(disk, true).informativeText,
                 ORXLocalizedString("msg.format_running"));
        QVERIFY(!formatter.start(disk, true));
        QCOMPARE(results.size(), 1);
        QCOMPARE(results.first().informativeText, ORXLocalizedString("msg.format_running"));
        QVERIFY(!results.first().success);
        QTRY_COMPARE_WITH_TIMEOUT(results.size(), 2, 60000);
        QVERIFY(!ORXCardFormatter::isRunning());
        const ORXFormatResult result = results.last();
        QVERIFY2(result.success, qPrintable(result.informativeText));
        QCOMPARE(result.messageText, ORXLocalizedString("msg.format_complete"));
        QCOMPARE(result.informativeText, "[" + sizeText + "] ORVEX <Generic SD Card Reader>");
        QCOMPARE(m_progress, (QStringList{"Formatting...", "unmount disk...", "formatting...", "try mount...",
                                          "Format completed!", "Disk searching..."}));
        QCOMPARE(m_bus->calls(),
                 (automount ? QStringList{"Unmount sdz"} : QStringList{"Unmount sdz", "Mount sdz"}));

        QFile args(m_tools.filePath("args"));
        QVERIFY(args.open(QIODevice::ReadOnly));
        const QString expected = QStringLiteral("%1 -a -n ORVEX -F 32 -f 2 -b 6 -R 32 -s %2%3 %4")
                                     .arg(ORXCardFormatter::formatterProgram())
                                     .arg(sectorsPerCluster)
                                     .arg(whole ? " -I" : "", m_image);
        QCOMPARE(QString::fromUtf8(args.readAll()).split('\n', Qt::SkipEmptyParts).join(' '), expected);

        // The camera reads the card by its label and type; the rest is pinned by mkfs.fat's options.
        QCOMPARE(bootSector().mid(71, 19), QByteArray("ORVEX      FAT32   "));

        // config.bin back on the card: the card's own bytes, or the default settings.
        const QByteArray restored = configInImage();
        QCOMPARE(hasConfig ? restored : restored.left(2), hasConfig ? original : QByteArray("\x26\x57"));
        QCOMPARE(restored.size(), 428);
    }
    // Runs that end without a formatted card: the user is told why, config.bin is never written.
    void fails_data()
    {
        QTest::addColumn<QString>("pkexec");
        QTest::addColumn<QJsonObject>("options");
        QTest::addColumn<bool>("swap"); // another card in the reader while the run unmounts
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QStringList>("calls");
        const QStringList again{"Unmount sdz", "Mount sdz"};
        QTest::newRow("password dialog dismissed")
            << "pkexec-dismissed" << QJsonObject() << false
            << "Error:Error executing command as another user: Request dismissed" << again;
        // mkfs.fat's status 1 covers every error; its own words say which.
        QTest::newRow("formatter status 1")
            << "pkexec-readonly" << QJsonObject() << false
            << ORXLocalizedString("msg.format_write_protected") +
                   "\nmkfs.fat: unable to open /dev/sdz: Read-only file system"
            << again;
        QTest::newRow("card swapped")
            << "pkexec" << QJsonObject() << true << ORXLocalizedString("msg.format_card_changed") << again;
        QTest::newRow("disk does not come back")
            << "pkexec" << QJsonObject{{"fail", QJsonArray{"Mount"}}} << false
            << ORXLocalizedString("msg.format_disk_lost") << again;
        // mkfs.fat succeeded but the service keeps reporting the old file system: no mount of it.
        QTest::newRow("new file system never seen")
            << "pkexec" << QJsonObject{{"probeDelayMs", 600000}} << false
            << ORXLocalizedString("msg.format_disk_lost") << QStringList{"Unmount sdz"};
    }
    void fails()
    {
        QFETCH(QString, pkexec);
        QFETCH(QJsonObject, options);
        QFETCH(bool, swap);
        QFETCH(QString, detail);
        QFETCH(QStringList, calls);
        ORXCardFormatter formatter;
        QVERIFY(makeCard(formatter, quint64(4) << 30, false, pkexec, QByteArray(428, 'x'), options));
        formatter.setMountWaitMs(1500);
        if (swap)
            connect(
                &formatter, &ORXCardFormatter::progressMessage, this,
                [&](const QString& t) {
                    if (t == "unmount disk...")
                        QVERIFY(m_bus->control("SwapCard", {"sdz", "0A0B-0C0D"}));
                },
                Qt::DirectConnection);
        const TKUSBDiskEntity disk = listed("sdz");
        QCOMPARE(disk.volumeUUID(), QStringLiteral("9DF4-BC49"));
        const ORXFormatResult result = formatter.format(disk, true);
        QVERIFY(!result.success);
        const bool refusedByTool = pkexec != "pkexec";
        QCOMPARE(result.messageText, refusedByTool ? ORXLocalizedString("msg.cannot_format") : "ORVEX");
        QCOMPARE(result.informativeText, disk.displayString() + '\n' + detail);
        QCOMPARE(m_bus->calls(), calls);
        QCOMPARE(m_writerCalls, 0);
        if (refusedByTool || swap)
            QCOMPARE(bootSector(), QByteArray(512, '\0')); // nothing erased
        if (refusedByTool) {                               // left as it was and mounted again, with its files
            QCOMPARE(m_progress.last(), QStringLiteral("Disk searching..."));
            QCOMPARE(listed("sdz").volumeName(), QStringLiteral("NO NAME"));
            QVERIFY(QFile::exists(listed("sdz").mountPath() + "/config.bin"));
        }
    }
    // Refused before anything is unmounted; a whole medium is unmounted with every mounted file
    // system on its drive, and nothing on another drive.
    void refusals()
    {
        FakeUDisksBus bus;
        QVERIFY(bus.start(
            {FakeUDisksBus::drive("r", "usb", false, true), FakeUDisksBus::drive("s", "usb", true, false)},
            {bus.volume("sdb", "r", "ORVEX", 8e9, false), bus.volume("sdb2", "r", "EXTRA", 1e9),
             bus.volume("sdc1", "s", "LOCKED", 8e9, true, true)}));
        ORXCardFormatter formatter;
        usePkexec(formatter, "pkexec-dismissed");
        formatter.setMountWaitMs(0);
        const TKUSBDiskEntity card = listed("sdb");
        ORXFormatResult result = formatter.format(card, false);
        QCOMPARE(result.informativeText, ORXLocalizedString("msg.format_confirm"));
        QVERIFY(!result.success);

        const TKUSBDiskEntity locked = listed("sdc1");
        result = formatter.format(locked, true);
        QCOMPARE(result.messageText, ORXLocalizedString("msg.cannot_format"));
        QCOMPARE(result.informativeText,
                 locked.displayString() + '\n' + ORXLocalizedString("msg.write_protected_disk"));

        // A disk that is no longer in the listing, or another medium under the same name.
        const TKUSBDiskEntity gone("ORVEX", QUrl::fromLocalFile("/media/x"), "sdq1", "", 8e9, true, false,
                                   "/org/freedesktop/UDisks2/block_devices/sdq1");
        QCOMPARE(formatter.format(gone, true).informativeText,
                 gone.displayString() + '\n' + ORXLocalizedString("msg.format_disk_gone"));
        const TKUSBDiskEntity swapped("ORVEX", card.mountedURL(), "sdb", "", 8e9, true, false,
                                      "/other/medium");
        QCOMPARE(formatter.format(swapped, true).informativeText,
                 card.displayString() + '\n' + ORXLocalizedString("msg.format_card_changed"));
        QVERIFY(bus.calls().isEmpty()); // nothing was unmounted

        QVERIFY(!formatter.format(card, true).success);
        QCOMPARE(bus.calls(), (QStringList{"Unmount sdb", "Unmount sdb2", "Mount sdb"}));
    }

private:
    // A USB reader with one mounted card "sdz" holding `config`, its image in <root>/dev.
    bool makeCard(ORXCardFormatter& formatter, quint64 size, bool whole, const QString& pkexec,
                  const QByteArray& config = {}, const QJsonObject& options = {})
    {
        m_bus = std::make_unique<FakeUDisksBus>();
        QDir().mkpath(m_bus->root() + "/dev");
        m_image = m_bus->root() + "/dev/sdz";
        QFile image(m_image);
        if (!image.open(QIODevice::WriteOnly) || !image.resize(qint64(size))) // sparse
            return false;
        image.close();
        QJsonObject block = m_bus->volume("sdz", "reader", "NO NAME", double(size), !whole);
        block.insert("image", m_image);
        if (!m_bus->start({FakeUDisksBus::drive("reader", "usb", false, true, "Generic", "SD Card Reader")},
                          {block}, options))
            return false;
        QFile file(m_bus->backing("sdz") + "/config.bin");
        if (!config.isEmpty() && !(file.open(QIODevice::WriteOnly) && file.write(config) == config.size()))
            return false;
        usePkexec(formatter, pkexec);
        formatter.setUDisks(ORXUDisks()); // the bus just started
        formatter.setDeviceDirectory(m_bus->root() + "/dev");
        formatter.setMountWaitMs(5000);
        m_progress.clear();
        m_writerCalls = 0;
        connect(
            &formatter, &ORXCardFormatter::progressMessage, this,
            [this](const QString& t) { m_progress << t; }, Qt::DirectConnection);
        // Mounting a FAT image needs root and a loop device; instead the file the formatter
        // chose (saved copy or defaults) is staged and copied into the image with mcopy.
        const QString staging = m_bus->root() + "/staging";
        formatter.setConfigWriter([this, staging](const QString& saved, const TKUSBDiskEntity& target) {
            ++m_writerCalls;
            if (target.deviceFilePath() != "sdz")
                return QStringLiteral("wrong disk %1").arg(target.deviceFilePath());
            QDir().mkpath(staging);
            const QString error = ORXConfigRestore::putBack(saved, staging);
            if (!error.isNull())
                return error;
            const int rc =
                QProcess::execute("mcopy", {"-o", "-i", m_image, staging + "/config.bin", "::config.bin"});
            return rc == 0 ? QString() : QStringLiteral("mcopy failed");
        });
        return true;
    }
    void usePkexec(ORXCardFormatter& formatter, const QString& pkexec)
    {
        ORXCommandRunner runner;
        runner.setPrivilegePrefix({m_tools.filePath(pkexec)});
        formatter.setCommandRunner(runner);
    }
    // The disk as listed now; one of no device when it is not listed, which every run refuses.
    static TKUSBDiskEntity listed(const QString& device)
    {
        return findUSBDiskByDevice(device).value_or(TKUSBDiskEntity({}, {}, {}, {}, 0, false, false, {}));
    }
    QByteArray bootSector() const
    {
        QFile image(m_image);
        return image.open(QIODevice::ReadOnly) ? image.read(512) : QByteArray();
    }
    QByteArray configInImage() const
    {
        QProcess mcopy;
        mcopy.start("mcopy", {"-n", "-i", m_image, "::config.bin", "-"});
        mcopy.waitForFinished();
        return mcopy.exitCode() == 0 ? mcopy.readAllStandardOutput() : QByteArray();
    }

    QTemporaryDir m_tools;
    std::unique_ptr<FakeUDisksBus> m_bus;
    QString m_image;
    QStringList m_progress;
    int m_writerCalls = 0;
};

ORVEX_TEST(ORXCardFormatterTest)
#include "tst_ORXCardFormatter.moc"
