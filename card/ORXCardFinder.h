#pragma once

#include "ORXUDisks.h"
#include "TKUSBDiskEntity.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// Chooses the camera's card among the mounted USB volumes. Four passes over the candidates
// in their order; the first that passes wins: named "ORVEX", writable and holding
// "config.bin"; named "ORVEX" and writable; named "ORVEX"; writable. Otherwise the first
// candidate. The name test is exact and case-sensitive. The UDisks2 variant takes the
// volumes in device-name order, so the choice does not depend on the service's reply order.
std::optional<TKUSBDiskEntity> findCardVolume(const QList<TKUSBDiskEntity>& candidates);
std::optional<TKUSBDiskEntity> findCardVolume(const ORXUDisks& udisks);

// Finds the card for the settings window and renames its volume to "ORVEX" when needed.
class ORXCardFinder
{
public:
    explicit ORXCardFinder(const ORXUDisks& udisks = ORXUDisks());

    // Whether a volume may be renamed now (renaming moves its mount path); every volume
    // may when none is set.
    using RenamePolicy = std::function<bool(const TKUSBDiskEntity& volume)>;
    void setRenamePolicy(RenamePolicy policy) { m_renamePolicy = std::move(policy); }
    // After a rename: the mount path the card had before and has now (empty otherwise).
    QString renamedFrom() const { return m_renamedFrom; }
    QString renamedTo() const { return m_renamedTo; }
    // The policy kept the card from being renamed in the last search.
    bool renameRefused() const { return m_renameRefused; }

    // The card's "config.bin" (empty when no card was chosen) and the card's volume.
    QString settingFilePath() const { return m_SettingFilePath; }
    std::optional<TKUSBDiskEntity> selectedUSBDisk() const { return m_selectedUSBDisk; }

    // Without any USB volume both keep their values ("no removable devices" is logged).
    // Otherwise they are cleared and set again when a card with a 428-byte "config.bin" is
    // found. A volume of another name is renamed first: UDisks2 renames only unmounted file
    // systems, so Unmount, SetLabel "ORVEX", Mount, and the card is chosen again. A failed
    // step is logged ("error=%@"), the volume is mounted again and used under its old name: a
    // Mount refused after the new label puts the old label back and mounts again, so the
    // card is not left unmounted.
    void findUSBVolume();

private:
    std::optional<TKUSBDiskEntity> renameToCardName(const TKUSBDiskEntity& volume) const;

    ORXUDisks m_udisks;
    RenamePolicy m_renamePolicy;
    QString m_renamedFrom;
    QString m_renamedTo;
    bool m_renameRefused = false;
    QString m_SettingFilePath;
    std::optional<TKUSBDiskEntity> m_selectedUSBDisk;
};
