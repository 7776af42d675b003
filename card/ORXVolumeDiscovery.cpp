#include "ORXVolumeDiscovery.h"

#include "ORXCardLog.h"

#include <QDir>
#include <QFileInfo>

namespace {
// The mounted, removable file systems; usbOnly keeps those whose drive is on the USB bus.
QList<ORXBlockDevice> removableVolumes(const ORXUDisks& udisks, bool usbOnly)
{
    QList<ORXBlockDevice> volumes;
    const auto devices = udisks.blockDevices();
    if (!devices)
        return volumes;
    for (const ORXBlockDevice& device : *devices) {
        if (!device.isMounted() || !device.removable)
            continue;
        if (usbOnly && device.connectionBus != QLatin1String("usb"))
            continue;
        volumes << device;
    }
    return volumes;
}

QList<QUrl> urls(const QList<ORXBlockDevice>& volumes)
{
    QList<QUrl> list;
    for (const ORXBlockDevice& volume : volumes)
        list << QUrl::fromLocalFile(volume.mountPath);
    return list;
}
} // namespace

QList<QUrl> listRemovableVolumes(const ORXUDisks& udisks)
{
    return urls(removableVolumes(udisks, false));
}

QList<QUrl> listUSBVolumes(const ORXUDisks& udisks)
{
    return urls(removableVolumes(udisks, true));
}

TKUSBDiskEntity diskEntity(const ORXBlockDevice& device)
{
    return TKUSBDiskEntity(device.label,
                           device.mountPath.isEmpty() ? QUrl() : QUrl::fromLocalFile(device.mountPath),
                           device.deviceName, device.model, device.size, !device.readOnly, device.whole,
                           device.objectPath, device.uuid, device.timeMediaDetected);
}

QList<TKUSBDiskEntity> listUSBDisks(const ORXUDisks& udisks)
{
    QList<TKUSBDiskEntity> disks;
    for (const ORXBlockDevice& volume : removableVolumes(udisks, true)) {
        if (volume.deviceName.isEmpty())
            continue;
        qCInfo(lcCard, "%s", qUtf8Printable(volume.mountPath));
        disks.append(diskEntity(volume));
    }
    return disks;
}

std::optional<QUrl> findUSBVolumeWithFile(const QString& relativeName, const ORXUDisks& udisks)
{
    for (const QUrl& url : listUSBVolumes(udisks)) {
        if (QFileInfo::exists(QDir(url.toLocalFile()).filePath(relativeName)))
            return url;
    }
    return std::nullopt;
}

std::optional<TKUSBDiskEntity> findUSBDiskByDevice(const QString& deviceName, const ORXUDisks& udisks)
{
    for (const TKUSBDiskEntity& disk : listUSBDisks(udisks)) {
        if (disk.deviceFilePath() == deviceName)
            return disk;
    }
    return std::nullopt;
}
