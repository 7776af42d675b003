#pragma once

#include "ORXCommandRunner.h"
#include "ORXUDisks.h"
#include "TKUSBDiskEntity.h"

#include <QFuture>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

// Sectors per cluster for a card of that size: 32 below 7 GiB (7516192768 bytes), else 128.
qint64 clusterSizeByVolumeSizeInKB(quint64 volumeSize);
// The cluster size that count of 512-byte sectors gives, as the format window shows it:
// 32 sectors are "16 KB", 128 sectors "64 KB".
QString allocationUnitText(qint64 sectorsPerCluster);

// What the user is told at the end of a format run (an alert's message and informative text).
struct ORXFormatResult
{
    bool success = false;
    QString messageText;
    QString informativeText;
};

// Formats a USB card for the camera: FAT32 named "ORVEX", two FATs, 32 reserved sectors,
// backup boot sector 6, 32 or 128 sectors per cluster; its "config.bin" saved before and put
// back after (or the default settings when it had none). Steps and their progress texts:
// "Formatting...", save config.bin, "unmount disk...", unmount through UDisks2 (every mounted
// file system of the medium for a whole medium), "formatting...", mkfs.fat under pkexec,
// "try mount...", wait for the new file system (a new IdUUID labelled "ORVEX") and mount it,
// "Format completed!", "Disk searching...", find the disk again by its device name and put
// "config.bin" back onto it (never onto another disk).
//
// Formatting erases the card, so a run needs the user's confirmation; only one run at a time
// in the process. The disk handed to the run is the one the user confirmed: the card in the
// reader must still be that medium (TKUSBDiskEntity::isSameMedium) when the run starts and
// again just before mkfs.fat, or nothing is erased.
class ORXCardFormatter : public QObject
{
    Q_OBJECT
public:
    // Writes "config.bin" onto the formatted card: savedPath is the saved copy or empty.
    // Null QString on success, else the text for the user.
    using ConfigWriter = std::function<QString(const QString& savedPath, const TKUSBDiskEntity& target)>;

    explicit ORXCardFormatter(QObject* parent = nullptr);
    ~ORXCardFormatter() override;

    void setUDisks(const ORXUDisks& udisks) { m_udisks = udisks; }
    void setCommandRunner(const ORXCommandRunner& runner) { m_runner = runner; }
    // Where device files live: "/dev" unless ORVEX_DEVICE_DIR says otherwise.
    void setDeviceDirectory(const QString& directory) { m_deviceDirectory = directory; }
    // How long to wait for the new (or, after a failure, the old) file system to appear
    // before mounting it again.
    void setMountWaitMs(int ms) { m_mountWaitMs = ms; }
    void setConfigWriter(const ConfigWriter& writer) { m_configWriter = writer; }

    // The whole run on the calling thread; progressMessage is emitted from it.
    ORXFormatResult format(const TKUSBDiskEntity& disk, bool confirmed);
    // The run on a worker thread; finished() follows. False (and finished() emitted at
    // once) when the run is refused before it starts.
    bool start(const TKUSBDiskEntity& disk, bool confirmed);
    static bool isRunning();

    // mkfs.fat's arguments for that disk (without the program).
    QStringList formatArguments(const TKUSBDiskEntity& disk) const;
    static QString formatterProgram();

signals:
    void progressMessage(const QString& text);
    void finished(const ORXFormatResult& result);

private:
    // Refuses an unconfirmed run or one while another runs; otherwise claims the run.
    static std::optional<ORXFormatResult> claimRun(bool confirmed);
    ORXFormatResult run(const TKUSBDiskEntity& disk);
    std::optional<ORXFormatResult> checkMedium(const TKUSBDiskEntity& chosen, bool mounted) const;
    void unmountMedium(const TKUSBDiskEntity& disk) const;
    // Waits (bounded) for a file system on the device that the test accepts, then mounts it
    // unless something else already did. False when none appeared in time.
    bool mountAgain(const QString& deviceName,
                    const std::function<bool(const ORXBlockDevice&)>& accept) const;
    ORXFormatResult putConfigBack(const TKUSBDiskEntity& disk, const QString& savedPath);

    ORXUDisks m_udisks;
    ORXCommandRunner m_runner;
    QString m_deviceDirectory;
    int m_mountWaitMs = 15000;
    ConfigWriter m_configWriter;
    QFuture<void> m_future;
};
