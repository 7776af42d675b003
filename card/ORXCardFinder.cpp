#include "ORXCardFinder.h"

#include "ORXCardLog.h"
#include "ORXConfigFile.h"
#include "ORXVolumeDiscovery.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
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
    QList<TKUSBDiskEntity> disks = listUSBDisks(udisks);
    std::stable_sort(disks.begin(), disks.end(), [](const TKUSBDiskEntity& a, const TKUSBDiskEntity& b) {
        return a.deviceFilePath() < b.deviceFilePath();
    });
    return findCardVolume(disks);
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
    m_renamedFrom.clear();
    m_renamedTo.clear();
    m_renameRefused = false;

    std::optional<TKUSBDiskEntity> volume = findCardVolume(m_udisks);
    if (!volume)
        return;
    if (QFileInfo(configPath(*volume)).size() != kORXConfigFileSize)
        return;
    if (volume->volumeName() != kCardName && m_renamePolicy && !m_renamePolicy(*volume)) {
        qCInfo(lcCard, "%s: not renamed now", qUtf8Printable(volume->mountPath()));
        m_renameRefused = true;
    } else if (volume->volumeName() != kCardName) {
        const QString before = volume->mountPath();
        volume = renameToCardName(*volume);
        if (!volume) {
            qCInfo(lcCard, "the card is no longer mounted after the rename");
            return;
        }
        if (volume->mountPath() != before) {
            m_renamedFrom = before;
            m_renamedTo = volume->mountPath();
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
    QString mountError = m_udisks.mount(volume.key());
    if (error.isNull() && mountError.isNull())
        return findCardVolume(m_udisks); // mounted again under its new name, at a new path
    for (const QString& e : {error, mountError}) {
        if (!e.isNull())
            qCInfo(lcCard, "error=%s", qUtf8Printable(e));
    }
    if (error.isNull() && !mountError.isNull()) {
        // Not mounted under the new name: the old name back, and mounted as it was.
        const QString labelError = m_udisks.setLabel(volume.key(), volume.volumeName());
        for (const QString& e : {labelError, m_udisks.mount(volume.key())}) {
            if (!e.isNull())
                qCInfo(lcCard, "error=%s", qUtf8Printable(e));
        }
    }
    // Used under its old name, wherever it is mounted now (nowhere when Mount failed).
    for (const TKUSBDiskEntity& disk : listUSBDisks(m_udisks)) {
        if (disk.key() == volume.key())
            return disk;
    }
    return std::nullopt;
}
