#include "ORXCardFinder.h"

#include "ORXCardLog.h"
#include "ORXConfigFile.h"
#include "ORXVolumeDiscovery.h"

#include <QDir>
#include <QFileInfo>

#include <functional>

namespace {
const QString kCardName = QStringLiteral("ORVEX");
const QString kConfigName = QStringLiteral("config.bin");

QString configPath(const TKUSBDiskEntity& volume)
{
    return QDir(volume.mountPath()).filePath(kConfigName);
}
} // namespace

std::optional<TKUSBDiskEntity> findCardVolume(const QList<TKUSBDiskEntity>& candidates)
{
    using Test = std::function<bool(const TKUSBDiskEntity&)>;
    const Test passes[] = {
        [](const TKUSBDiskEntity& v) {
            return v.volumeName() == kCardName && v.writable() && QFileInfo::exists(configPath(v));
        },
        [](const TKUSBDiskEntity& v) { return v.volumeName() == kCardName && v.writable(); },
        [](const TKUSBDiskEntity& v) { return v.volumeName() == kCardName; },
        [](const TKUSBDiskEntity& v) { return v.writable(); },
    };
    for (const Test& test : passes) {
        for (const TKUSBDiskEntity& candidate : candidates) {
            if (test(candidate))
                return candidate;
        }
    }
    if (candidates.isEmpty())
        return std::nullopt;
    return candidates.constFirst();
}

std::optional<TKUSBDiskEntity> findCardVolume(const ORXUDisks& udisks)
{
    return findCardVolume(listUSBDisks(udisks));
}

ORXCardFinder::ORXCardFinder(const ORXUDisks& udisks) : m_udisks(udisks) {}

void ORXCardFinder::findUSBVolume()
{
    if (listUSBVolumes(m_udisks).isEmpty()) {
        qCInfo(lcCard, "no removable devices");
        return;
    }
    m_SettingFilePath.clear();
    m_selectedUSBDisk.reset();

    std::optional<TKUSBDiskEntity> volume = findCardVolume(m_udisks);
    if (!volume)
        return;
    if (QFileInfo(configPath(*volume)).size() != kORXConfigFileSize)
        return;
    if (volume->volumeName() != kCardName) {
        volume = renameToCardName(*volume);
        if (!volume) {
            qCInfo(lcCard, "the card is no longer mounted after the rename");
            return;
        }
    }
    m_SettingFilePath = configPath(*volume);
    m_selectedUSBDisk = volume;
}

std::optional<TKUSBDiskEntity> ORXCardFinder::renameToCardName(const TKUSBDiskEntity& volume) const
{
    QString error = m_udisks.unmount(volume.key());
    if (!error.isNull()) {
        qCInfo(lcCard, "error=%s", qUtf8Printable(error));
        return volume; // still mounted where it was
    }
    error = m_udisks.setLabel(volume.key(), kCardName);
    const QString mountError = m_udisks.mount(volume.key());
    if (error.isNull() && mountError.isNull())
        return findCardVolume(m_udisks); // mounted again under its new name, at a new path
    for (const QString& e : {error, mountError}) {
        if (!e.isNull())
            qCInfo(lcCard, "error=%s", qUtf8Printable(e));
    }
    // Used under its old name, wherever it is mounted now (nowhere when Mount failed).
    for (const TKUSBDiskEntity& disk : listUSBDisks(m_udisks)) {
        if (disk.key() == volume.key())
            return disk;
    }
    return std::nullopt;
}
