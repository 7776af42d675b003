#include "OrvexTest.h"

#include "FakeUDisksBus.h"
#include "ORXByteSize.h"
#include "ORXCardFormatter.h"
#include "ORXConfigFile.h"
#include "ORXConfigRestore.h"
#include "ORXLocalizedString.h"
#include "ORXVolumeDiscovery.h"

#include <QProcess>
#include <QtEndian>

// The format run for real: mkfs.fat writes the card's layout into a sparse image file that
// stands in for the device; "config.bin" is put back into the image with mtools. UDisks2
// is the stand-in service; pkexec a script that logs its arguments and runs the command
// (or answers like a dismissed or refused password dialog).
class ORXCardFormatterTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void formatsImage_data();
    void formatsImage();
    void formatterFails_data();
    void formatterFails();
    void refusals();
    void secondRunRefused();
    void diskDoesNotComeBack();
    void unmountsWholeMedium();
    void swappedCardRefused();
    void newFilesystemNeverSeen();
    void allocationUnit_data();
    void allocationUnit();

private:
    struct Card
    {
        std::unique_ptr<FakeUDisksBus> bus;
        QString image;
    };
    // A USB card reader with one card "sdz" of that size, mounted, its image in <root>/dev.
    Card makeCard(quint64 size, bool whole, const QJsonObject& options = {});
    void setUp(ORXCardFormatter& formatter, const Card& card, const QString& pkexec);
    static QByteArray mcopyOut(const QString& image, const QString& name);
    static bool putConfig(const Card& card, const QByteArray& bytes)
    {
        QFile config(card.bus->backing("sdz") + "/config.bin");
        return config.open(QIODevice::WriteOnly) && config.write(bytes) == bytes.size();
    }
    // A formatter whose privileged commands go through the named pkexec stand-in.
    void usePkexec(ORXCardFormatter& formatter, const QString& pkexec)
    {
        ORXCommandRunner runner;
        runner.setPrivilegePrefix({m_tools.filePath(pkexec)});
        formatter.setCommandRunner(runner);
    }

    QTemporaryDir m_tools;
    QStringList m_progress;
    int m_writerCalls = 0;
};

void ORXCardFormatterTest::initTestCase()
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
    script("pkexec-denied", "echo 'Error executing command as another user: Not authorized' >&2; exit 127");
    script("pkexec-readonly", "echo 'mkfs.fat: unable to open /dev/sdz: Read-only file system' >&2; exit 1");
    script("pkexec-slow", "sleep 1; exec \"$@\"");
}

ORXCardFormatterTest::Card ORXCardFormatterTest::makeCard(quint64 size, bool whole,
                                                          const QJsonObject& options)
{
    Card card{std::make_unique<FakeUDisksBus>(), QString()};
    FakeUDisksBus& bus = *card.bus;
    QDir().mkpath(bus.root() + "/dev");
    card.image = bus.root() + "/dev/sdz";
    QFile image(card.image);
    if (!image.open(QIODevice::WriteOnly) || !image.resize(qint64(size))) // sparse
        return card;
    image.close();
    QJsonObject block = bus.volume("sdz", "reader", "NO NAME", double(size), !whole);
    block.insert("image", card.image);
    if (!bus.start({FakeUDisksBus::drive("reader", "usb", false, true, "Generic", "SD Card Reader")}, {block},
                   options))
        card.image.clear();
    return card;
}

void ORXCardFormatterTest::setUp(ORXCardFormatter& formatter, const Card& card, const QString& pkexec)
{
    usePkexec(formatter, pkexec);
    formatter.setDeviceDirectory(card.bus->root() + "/dev");
    formatter.setMountWaitMs(5000);
    m_progress.clear();
    m_writerCalls = 0;
    connect(
        &formatter, &ORXCardFormatter::progressMessage, this, [this](const QString& t) { m_progress << t; },
        Qt::DirectConnection);
    // Mounting a FAT image needs root and a loop device; instead the file the formatter
    // chose (saved copy or defaults) is staged and copied into the image with mcopy.
    const QString image = card.image;
    const QString staging = card.bus->root() + "/staging";
    formatter.setConfigWriter([this, image, staging](const QString& saved, const TKUSBDiskEntity& target) {
        ++m_writerCalls;
        if (target.deviceFilePath() != "sdz")
            return QStringLiteral("wrong disk %1").arg(target.deviceFilePath());
        QDir().mkpath(staging);
        const QString error = ORXConfigRestore::putBack(saved, staging);
        if (!error.isNull())
            return error;
        const int rc =
            QProcess::execute("mcopy", {"-o", "-i", image, staging + "/config.bin", "::config.bin"});
        return rc == 0 ? QString() : QStringLiteral("mcopy failed");
    });
}

QByteArray ORXCardFormatterTest::mcopyOut(const QString& image, const QString& name)
{
    QProcess mcopy;
    mcopy.start("mcopy", {"-n", "-i", image, "::" + name, "-"});
    mcopy.waitForFinished();
    return mcopy.exitCode() == 0 ? mcopy.readAllStandardOutput() : QByteArray();
}

void ORXCardFormatterTest::formatsImage_data()
{
    QTest::addColumn<quint64>("size");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<bool>("hasConfig");
    QTest::addColumn<int>("sectorsPerCluster");
    QTest::addColumn<int>("probeDelayMs"); // until the service reports the new file system
    QTest::newRow("4 GiB partition with config.bin") << (quint64(4) << 30) << false << true << 32 << 0;
    QTest::newRow("7.4 GB whole card without config.bin, slow probe")
        << quint64(7948206080) << true << false << 128 << 1500;
}

void ORXCardFormatterTest::formatsImage()
{
    QFETCH(quint64, size);
    QFETCH(bool, whole);
    QFETCH(bool, hasConfig);
    QFETCH(int, sectorsPerCluster);
    QFETCH(int, probeDelayMs);
    // The file system disappears for a moment after the unmount, as when udev probes anew;
    // the old one is still reported until the probe has seen the new one.
    Card card = makeCard(size, whole, {{"hideFilesystemMs", 700}, {"probeDelayMs", probeDelayMs}});
    QVERIFY(!card.image.isEmpty());
    QByteArray original(428, '\0');
    for (int i = 0; i < original.size(); ++i)
        original[i] = char(i * 7 + 3);
    if (hasConfig)
        QVERIFY(putConfig(card, original));
    ORXCardFormatter formatter;
    setUp(formatter, card, "pkexec");
    const ORXFormatResult result = formatter.format(*findUSBDiskByDevice("sdz"), true);
    QVERIFY2(result.success, qPrintable(result.informativeText));
    QCOMPARE(result.messageText, ORXLocalizedString("msg.format_complete"));
    QCOMPARE(result.informativeText,
             QStringLiteral("[%1] ORVEX <Generic SD Card Reader>").arg(formatByteSize(size)));
    QCOMPARE(m_progress, (QStringList{"Formatting...", "unmount disk...", "formatting...", "try mount...",
                                      "Format completed!", "Disk searching..."}));
    QCOMPARE(card.bus->calls(), (QStringList{"Unmount sdz", "Mount sdz"}));

    // What pkexec was asked to run.
    QFile args(m_tools.filePath("args"));
    QVERIFY(args.open(QIODevice::ReadOnly));
    QStringList expected = QStringLiteral("-a -n ORVEX -F 32 -f 2 -b 6 -R 32 -s").split(' ');
    expected.prepend(ORXCardFormatter::formatterProgram());
    expected << QString::number(sectorsPerCluster);
    if (whole)
        expected << "-I";
    expected << card.image;
    QCOMPARE(QString::fromUtf8(args.readAll()).split('\n', Qt::SkipEmptyParts), expected);

    // The boot sector as the camera reads it.
    QFile image(card.image);
    QVERIFY(image.open(QIODevice::ReadOnly));
    const QByteArray boot = image.read(512);
    const auto u16 = [&](int offset) { return qFromLittleEndian<quint16>(boot.constData() + offset); };
    QCOMPARE(u16(11), quint16(512));                    // bytes per sector
    QCOMPARE(int(quint8(boot[13])), sectorsPerCluster); // sectors per cluster
    QCOMPARE(u16(14), quint16(32));                     // reserved sectors
    QCOMPARE(int(boot[16]), 2);                         // FATs
    QCOMPARE(u16(50), quint16(6));                      // backup boot sector
    QCOMPARE(boot.mid(71, 11), QByteArray("ORVEX      "));
    QCOMPARE(boot.mid(82, 8), QByteArray("FAT32   "));
    QCOMPARE(u16(510), quint16(0xAA55));
    image.seek(6 * 512);
    QCOMPARE(image.read(512), boot);

    // config.bin back on the card: the card's own bytes, or the default settings.
    const QByteArray restored = mcopyOut(card.image, "config.bin");
    if (hasConfig) {
        QCOMPARE(restored, original);
    } else {
        QCOMPARE(restored.size(), 428);
        QCOMPARE(restored.left(2), QByteArray("\x26\x57"));
    }
}

void ORXCardFormatterTest::formatterFails_data()
{
    QTest::addColumn<QString>("pkexec");
    QTest::addColumn<QString>("detail");
    QTest::newRow("password dialog dismissed")
        << "pkexec-dismissed"
        << "Error:Error executing command as another user: Request dismissed";
    QTest::newRow("not authorised") << "pkexec-denied"
                                    << "Error:Error executing command as another user: Not authorized";
    // mkfs.fat's status 1 covers every error; its own words say which.
    QTest::newRow("formatter status 1") << "pkexec-readonly"
                                        << ORXLocalizedString("msg.format_write_protected") +
                                               "\nmkfs.fat: unable to open /dev/sdz: Read-only file system";
}

void ORXCardFormatterTest::formatterFails()
{
    QFETCH(QString, pkexec);
    QFETCH(QString, detail);
    Card card = makeCard(quint64(4) << 30, false);
    QVERIFY(!card.image.isEmpty());
    QVERIFY(putConfig(card, QByteArray(428, 'x')));
    ORXCardFormatter formatter;
    setUp(formatter, card, pkexec);
    const TKUSBDiskEntity disk = *findUSBDiskByDevice("sdz");
    const ORXFormatResult result = formatter.format(disk, true);
    QVERIFY(!result.success);
    QCOMPARE(result.messageText, ORXLocalizedString("msg.cannot_format"));
    QCOMPARE(result.informativeText, disk.displayString() + '\n' + detail);
    QCOMPARE(m_progress.last(), QStringLiteral("Disk searching..."));
    // Left as it was and mounted again, with its files.
    QCOMPARE(card.bus->calls(), (QStringList{"Unmount sdz", "Mount sdz"}));
    QCOMPARE(m_writerCalls, 0);
    QFile image(card.image);
    QVERIFY(image.open(QIODevice::ReadOnly));
    QCOMPARE(image.read(512), QByteArray(512, '\0'));
    QCOMPARE(findUSBDiskByDevice("sdz")->volumeName(), QStringLiteral("NO NAME"));
    QVERIFY(QFile::exists(findUSBDiskByDevice("sdz")->mountPath() + "/config.bin"));
}

void ORXCardFormatterTest::refusals()
{
    FakeUDisksBus bus;
    QVERIFY(bus.start(
        {FakeUDisksBus::drive("r", "usb", false, true)},
        {bus.volume("sdb1", "r", "ORVEX", 8e9), bus.volume("sdc1", "r", "LOCKED", 8e9, true, true)}));
    ORXCardFormatter formatter;
    usePkexec(formatter, "pkexec-denied");
    const TKUSBDiskEntity card = *findUSBDiskByDevice("sdb1");

    ORXFormatResult result = formatter.format(card, false);
    QCOMPARE(result.informativeText, ORXLocalizedString("msg.format_confirm"));
    QVERIFY(!result.success);

    const TKUSBDiskEntity locked = *findUSBDiskByDevice("sdc1");
    result = formatter.format(locked, true);
    QCOMPARE(result.messageText, ORXLocalizedString("msg.cannot_format"));
    QCOMPARE(result.informativeText,
             locked.displayString() + '\n' + ORXLocalizedString("msg.write_protected_disk"));

    // A disk that is no longer in the listing, or another medium under the same name.
    const TKUSBDiskEntity gone("ORVEX", QUrl::fromLocalFile("/media/x"), "sdq1", "", 8e9, true, false,
                               "/org/freedesktop/UDisks2/block_devices/sdq1");
    result = formatter.format(gone, true);
    QCOMPARE(result.informativeText,
             gone.displayString() + '\n' + ORXLocalizedString("msg.format_disk_gone"));
    const TKUSBDiskEntity swapped("ORVEX", card.mountedURL(), "sdb1", "", 8e9, true, false, "/other/medium");
    QCOMPARE(formatter.format(swapped, true).informativeText,
             card.displayString() + '\n' + ORXLocalizedString("msg.format_card_changed"));
    QVERIFY(bus.calls().isEmpty()); // nothing was unmounted
}

void ORXCardFormatterTest::secondRunRefused()
{
    Card card = makeCard(quint64(4) << 30, false);
    QVERIFY(!card.image.isEmpty());
    ORXCardFormatter formatter;
    setUp(formatter, card, "pkexec-slow");
    QList<ORXFormatResult> results;
    connect(&formatter, &ORXCardFormatter::finished, this, [&](const ORXFormatResult& r) { results << r; });
    const TKUSBDiskEntity disk = *findUSBDiskByDevice("sdz");
    QVERIFY(formatter.start(disk, true));
    QVERIFY(ORXCardFormatter::isRunning());

    ORXCardFormatter other;
    const ORXFormatResult refused = other.format(disk, true);
    QVERIFY(!refused.success);
    QCOMPARE(refused.informativeText, ORXLocalizedString("msg.format_running"));
    QVERIFY(!formatter.start(disk, true)); // refused at once, told through finished()
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.first().informativeText, ORXLocalizedString("msg.format_running"));

    QTRY_COMPARE_WITH_TIMEOUT(results.size(), 2, 60000);
    QVERIFY2(results.last().success, qPrintable(results.last().informativeText));
    QVERIFY(!ORXCardFormatter::isRunning());
    QCOMPARE(mcopyOut(card.image, "config.bin").size(), 428);
}

void ORXCardFormatterTest::diskDoesNotComeBack()
{
    Card card = makeCard(quint64(4) << 30, false, {{"fail", QJsonArray{"Mount"}}});
    QVERIFY(!card.image.isEmpty());
    ORXCardFormatter formatter;
    setUp(formatter, card, "pkexec");
    const TKUSBDiskEntity disk = *findUSBDiskByDevice("sdz");
    const ORXFormatResult result = formatter.format(disk, true);
    QVERIFY(!result.success);
    QCOMPARE(result.informativeText,
             disk.displayString() + '\n' + ORXLocalizedString("msg.format_disk_lost"));
    QCOMPARE(m_writerCalls, 0);
    QVERIFY(mcopyOut(card.image, "config.bin").isEmpty());
    QCOMPARE(card.bus->calls(), (QStringList{"Unmount sdz", "Mount sdz"}));
}

void ORXCardFormatterTest::unmountsWholeMedium()
{
    // A whole medium: every mounted file system on its drive, and nothing on another drive.
    FakeUDisksBus bus;
    QJsonObject whole = bus.volume("sdb", "r", "ORVEX", 8e9, false);
    QVERIFY(bus.start(
        {FakeUDisksBus::drive("r", "usb", false, true), FakeUDisksBus::drive("s", "usb", true, false)},
        {whole, bus.volume("sdb2", "r", "EXTRA", 1e9), bus.volume("sdc1", "s", "STICK", 1e9)}));
    ORXCardFormatter formatter;
    usePkexec(formatter, "pkexec-dismissed");
    formatter.setMountWaitMs(0);
    QVERIFY(!formatter.format(*findUSBDiskByDevice("sdb"), true).success);
    QCOMPARE(bus.calls(), (QStringList{"Unmount sdb", "Unmount sdb2", "Mount sdb"}));
}

void ORXCardFormatterTest::swappedCardRefused()
{
    // Another card put into the reader while the run unmounts (the window's test swaps it
    // before the start): the last check before mkfs.fat refuses it.
    Card card = makeCard(quint64(4) << 30, false);
    QVERIFY(!card.image.isEmpty());
    ORXCardFormatter formatter;
    setUp(formatter, card, "pkexec");
    const TKUSBDiskEntity confirmed = *findUSBDiskByDevice("sdz");
    QCOMPARE(confirmed.volumeUUID(), FakeUDisksBus::serialOf("sdz"));
    QVERIFY(confirmed.mediaDetected() > 0);
    connect(
        &formatter, &ORXCardFormatter::progressMessage, this,
        [&](const QString& t) {
            if (t == "unmount disk...")
                QVERIFY(card.bus->control("SwapCard", {"sdz", "0A0B-0C0D"}));
        },
        Qt::DirectConnection);
    const ORXFormatResult result = formatter.format(confirmed, true);
    QVERIFY(!result.success);
    QVERIFY2(result.informativeText.endsWith(ORXLocalizedString("msg.format_card_changed")),
             qPrintable(result.informativeText));
    QVERIFY(!m_progress.contains("formatting..."));
    QFile image(card.image);
    QVERIFY(image.open(QIODevice::ReadOnly));
    QCOMPARE(image.read(512), QByteArray(512, '\0')); // nothing erased
}

void ORXCardFormatterTest::newFilesystemNeverSeen()
{
    // mkfs.fat succeeded but the service keeps reporting the old file system: no mount of
    // a stale description, no config.bin written anywhere.
    Card card = makeCard(quint64(4) << 30, false, {{"probeDelayMs", 600000}});
    QVERIFY(!card.image.isEmpty());
    ORXCardFormatter formatter;
    setUp(formatter, card, "pkexec");
    formatter.setMountWaitMs(1500);
    const TKUSBDiskEntity disk = *findUSBDiskByDevice("sdz");
    const ORXFormatResult result = formatter.format(disk, true);
    QVERIFY(!result.success);
    QCOMPARE(result.informativeText,
             disk.displayString() + '\n' + ORXLocalizedString("msg.format_disk_lost"));
    QCOMPARE(card.bus->calls(), QStringList{"Unmount sdz"});
    QCOMPARE(m_writerCalls, 0);
}

void ORXCardFormatterTest::allocationUnit_data()
{
    QTest::addColumn<quint64>("size");
    QTest::addColumn<QString>("text");
    // mkfs.fat -s counts 512-byte sectors: 32 of them are 16 KB, 128 are 64 KB.
    QTest::newRow("3.7 GB") << quint64(3972844748) << "16 KB";
    QTest::newRow("one byte below 7 GiB") << quint64(7516192767) << "16 KB";
    QTest::newRow("exactly 7516192768 bytes") << quint64(7516192768) << "64 KB";
    QTest::newRow("7.4 GB") << quint64(7948206080) << "64 KB";
}

void ORXCardFormatterTest::allocationUnit()
{
    QFETCH(quint64, size);
    QFETCH(QString, text);
    QCOMPARE(allocationUnitText(clusterSizeByVolumeSizeInKB(size)), text);
}

ORVEX_TEST(ORXCardFormatterTest)
#include "tst_ORXCardFormatter.moc"
