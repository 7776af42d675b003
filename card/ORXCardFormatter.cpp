#include "ORXCardFormatter.h"

#include "ORXCFormat.h"
#include "ORXCardLog.h"
#include "ORXConfigRestore.h"
#include "ORXLocalizedString.h"
#include "ORXVolumeDiscovery.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>

namespace {
std::atomic_bool s_running{false};

// Releases the one-run-at-a-time claim when a run ends, however it ends.
struct RunClaim
{
    ~RunClaim() { s_running = false; }
};

QString text(const char* key)
{
    return ORXLocalizedString(key);
}

ORXFormatResult failure(const QString& message, const QString& informative)
{
    return {false, message, informative};
}

// A device name as the discovery layer gives it ("sdb1", "mmcblk0p1"); nothing that could
// leave the device folder or pass for an option.
bool isPlainDeviceName(const QString& name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9_.:+-]*$"));
    return plain.match(name).hasMatch();
}
} // namespace

qint64 clusterSizeByVolumeSizeInKB(quint64 volumeSize)
{
    return volumeSize / (quint64(1) << 30) < 7 ? 32 : 128;
}

QString allocationUnitText(qint64 sectorsPerCluster)
{
    // mkfs.fat -s counts logical sectors; SD card readers report 512-byte sectors.
    return ORXCFormat("%lld KB", static_cast<long long>(sectorsPerCluster * 512 / 1024));
}

ORXCardFormatter::ORXCardFormatter(QObject* parent)
    : QObject(parent), m_deviceDirectory(qEnvironmentVariable("ORVEX_DEVICE_DIR", QStringLiteral("/dev")))
{
    m_configWriter = [](const QString& savedPath, const TKUSBDiskEntity& target) {
        return ORXConfigRestore::putBack(savedPath, target.mountPath());
    };
}

ORXCardFormatter::~ORXCardFormatter()
{
    m_future.waitForFinished();
}

bool ORXCardFormatter::isRunning()
{
    return s_running;
}

QString ORXCardFormatter::formatterProgram()
{
    // The path the polkit policy names; pkexec matches it literally.
    for (const char* path : {"/usr/sbin/mkfs.fat", "/sbin/mkfs.fat"}) {
        if (QFileInfo(QString::fromLatin1(path)).isExecutable())
            return QString::fromLatin1(path);
    }
    const QString found = QStandardPaths::findExecutable(QStringLiteral("mkfs.fat"));
    return found.isEmpty() ? QStringLiteral("mkfs.fat") : found;
}

QStringList ORXCardFormatter::formatArguments(const TKUSBDiskEntity& disk) const
{
    // -a keeps the reserved sectors at exactly 32 (mkfs.fat would raise them to align).
    QStringList args{"-a",
                     "-n",
                     "ORVEX",
                     "-F",
                     "32",
                     "-f",
                     "2",
                     "-b",
                     "6",
                     "-R",
                     "32",
                     "-s",
                     QString::number(clusterSizeByVolumeSizeInKB(disk.volumeSize()))};
    if (disk.mediaWhole())
        args << QStringLiteral("-I"); // a file system on the whole medium, no partition table
    args << QDir(m_deviceDirectory).filePath(disk.deviceFilePath());
    return args;
}

std::optional<ORXFormatResult> ORXCardFormatter::claimRun(bool confirmed)
{
    if (!confirmed)
        return failure(QStringLiteral("ORVEX"), text("msg.format_confirm"));
    bool expected = false;
    if (!s_running.compare_exchange_strong(expected, true))
        return failure(QStringLiteral("ORVEX"), text("msg.format_running"));
    return std::nullopt;
}

ORXFormatResult ORXCardFormatter::format(const TKUSBDiskEntity& disk, bool confirmed)
{
    if (auto refused = claimRun(confirmed))
        return *refused;
    RunClaim claim;
    return run(disk);
}

bool ORXCardFormatter::start(const TKUSBDiskEntity& disk, bool confirmed)
{
    if (auto refused = claimRun(confirmed)) {
        emit finished(*refused);
        return false;
    }
    m_future = QtConcurrent::run([this, disk] {
        ORXFormatResult result;
        {
            RunClaim claim;
            result = run(disk);
        }
        emit finished(result);
    });
    return true;
}

std::optional<ORXFormatResult> ORXCardFormatter::checkMedium(const TKUSBDiskEntity& chosen,
                                                             bool mounted) const
{
    // Mounted: the disk as the listing shows it. Unmounted (just before mkfs.fat): the block.
    std::optional<TKUSBDiskEntity> now;
    if (mounted) {
        now = findUSBDiskByDevice(chosen.deviceFilePath(), m_udisks);
    } else if (const auto block = m_udisks.blockDevice(chosen.deviceFilePath())) {
        now = diskEntity(*block);
    }
    if (!now || !isPlainDeviceName(now->deviceFilePath()))
        return failure(QStringLiteral("ORVEX"),
                       QStringLiteral("%1\n%2").arg(chosen.displayString(), text("msg.format_disk_gone")));
    if (!now->isSameMedium(chosen)) {
        qCInfo(lcCard, "card in %s changed: %s %s -> %s %s", qUtf8Printable(chosen.deviceFilePath()),
               qUtf8Printable(chosen.volumeUUID()), qUtf8Printable(QString::number(chosen.mediaDetected())),
               qUtf8Printable(now->volumeUUID()), qUtf8Printable(QString::number(now->mediaDetected())));
        return failure(QStringLiteral("ORVEX"),
                       QStringLiteral("%1\n%2").arg(now->displayString(), text("msg.format_card_changed")));
    }
    if (!now->writable())
        return failure(text("msg.cannot_format"),
                       QStringLiteral("%1\n%2").arg(now->displayString(), text("msg.write_protected_disk")));
    return std::nullopt;
}

ORXFormatResult ORXCardFormatter::run(const TKUSBDiskEntity& chosen)
{
    emit progressMessage(QStringLiteral("Formatting..."));
    if (auto refused = checkMedium(chosen, true))
        return *refused;
    const TKUSBDiskEntity& disk = chosen;

    // Without a safe copy of the card's settings the card is not erased.
    QString savedPath;
    if (const QString error = ORXConfigRestore::saveFromVolume(disk.mountPath(), &savedPath);
        !error.isNull()) {
        qCInfo(lcCard, "error=%s", qUtf8Printable(error));
        return failure(QStringLiteral("config.bin copy fail"), error);
    }

    const auto anyFilesystem = [](const ORXBlockDevice& d) { return d.hasFilesystem; };
    emit progressMessage(QStringLiteral("unmount disk..."));
    unmountMedium(disk);
    // The last moment before erasing: the card must still be the one confirmed.
    if (auto refused = checkMedium(chosen, false)) {
        mountAgain(disk.deviceFilePath(), anyFilesystem);
        return *refused;
    }
    emit progressMessage(QStringLiteral("formatting..."));
    const ORXShellError error = m_runner.runShellScript(formatterProgram(), formatArguments(disk), true);
    if (!error.isEmpty()) {
        mountAgain(disk.deviceFilePath(), anyFilesystem);
        emit progressMessage(QStringLiteral("Disk searching..."));
        // mkfs.fat exits with 1 for every error (busy, too small, read-only): its own words
        // say which.
        const QString detail =
            error.number == 1
                ? QStringLiteral("%1\n%2").arg(text("msg.format_write_protected"), error.message)
                : QStringLiteral("Error:%1").arg(error.message);
        return failure(text("msg.cannot_format"), QStringLiteral("%1\n%2").arg(disk.displayString(), detail));
    }
    emit progressMessage(QStringLiteral("try mount..."));
    // A vfat-to-vfat format keeps the Filesystem interface; only a new serial under the new
    // label shows that the service has probed the new file system.
    const QString oldUUID = disk.volumeUUID();
    const bool back = mountAgain(disk.deviceFilePath(), [&oldUUID](const ORXBlockDevice& d) {
        return d.hasFilesystem && !d.uuid.isEmpty() && d.uuid != oldUUID && d.label == QLatin1String("ORVEX");
    });
    if (!back)
        return failure(QStringLiteral("ORVEX"),
                       QStringLiteral("%1\n%2").arg(disk.displayString(), text("msg.format_disk_lost")));
    emit progressMessage(QStringLiteral("Format completed!"));
    emit progressMessage(QStringLiteral("Disk searching..."));
    return putConfigBack(disk, savedPath);
}

void ORXCardFormatter::unmountMedium(const TKUSBDiskEntity& disk) const
{
    // A whole medium: every mounted file system on the same drive; a partition: itself.
    QStringList paths{disk.key()};
    if (disk.mediaWhole()) {
        const auto devices = m_udisks.blockDevices();
        const auto self = m_udisks.blockDevice(disk.deviceFilePath());
        if (devices && self && !self->drivePath.isEmpty()) {
            paths.clear();
            for (const ORXBlockDevice& device : *devices) {
                if (device.drivePath == self->drivePath && device.isMounted())
                    paths << device.objectPath;
            }
        }
    }
    for (const QString& path : paths) {
        const QString error = m_udisks.unmount(path);
        if (!error.isNull())
            qCInfo(lcCard, "unmount %s: %s", qUtf8Printable(path), qUtf8Printable(error));
    }
}

bool ORXCardFormatter::mountAgain(const QString& deviceName,
                                  const std::function<bool(const ORXBlockDevice&)>& accept) const
{
    // After mkfs the system probes the medium again; its file system may be missing or still
    // the old one for a moment.
    QElapsedTimer waited;
    waited.start();
    std::optional<ORXBlockDevice> device;
    for (;;) {
        device = m_udisks.blockDevice(deviceName);
        if ((device && accept(*device)) || waited.elapsed() >= m_mountWaitMs)
            break;
        QThread::msleep(250);
    }
    if (!device || !accept(*device)) {
        qCInfo(lcCard, "error=no new file system on %s within %d ms", qUtf8Printable(deviceName),
               m_mountWaitMs);
        return false;
    }
    if (device->isMounted())
        return true;
    const QString error = m_udisks.mount(device->objectPath);
    if (!error.isNull() && !error.startsWith(ORXUDisks::alreadyMountedError))
        qCInfo(lcCard, "error=%s", qUtf8Printable(error));
    return true;
}

ORXFormatResult ORXCardFormatter::putConfigBack(const TKUSBDiskEntity& disk, const QString& savedPath)
{
    // Only onto the disk found again by its device name; if it did not come back, nowhere.
    const std::optional<TKUSBDiskEntity> target = findUSBDiskByDevice(disk.deviceFilePath(), m_udisks);
    if (!target)
        return failure(QStringLiteral("ORVEX"),
                       QStringLiteral("%1\n%2").arg(disk.displayString(), text("msg.format_disk_lost")));
    const QString error = m_configWriter(savedPath, *target);
    if (!error.isNull())
        return failure(QStringLiteral("config.bin copy fail"), error);
    return {true, text("msg.format_complete"), target->displayString()};
}
