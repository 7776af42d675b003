#pragma once

#include "ORXUDisks.h"
#include "TKUSBDiskEntity.h"

#include <QList>
#include <QString>

#include <optional>

// Chooses the camera's card among the mounted USB volumes. Four passes over the candidates
// in their order; the first that passes wins: named "ORVEX", writable and holding
// "config.bin"; named "ORVEX" and writable; named "ORVEX"; writable. Otherwise the first
// candidate. The name test is exact and case-sensitive.
std::optional<TKUSBDiskEntity> findCardVolume(const QList<TKUSBDiskEntity>& candidates);
std::optional<TKUSBDiskEntity> findCardVolume(const ORXUDisks& udisks);

// Finds the card for the settings window and renames its volume to "ORVEX" when needed.
class ORXCardFinder
{
public:
    explicit ORXCardFinder(const ORXUDisks& udisks = ORXUDisks());

    // The card's "config.bin" (empty when no card was chosen) and the card's volume.
    QString settingFilePath() const { return m_SettingFilePath; }
    std::optional<TKUSBDiskEntity> selectedUSBDisk() const { return m_selectedUSBDisk; }

    // Without any USB volume both keep their values ("no removable devices" is logged).
    // Otherwise they are cleared and set again when a card with a 428-byte "config.bin" is
    // found. A volume of another name is renamed first: UDisks2 renames only unmounted file
    // systems, so Unmount, SetLabel "ORVEX", Mount, and the card is chosen again. A failed
    // step is logged ("error=%@"), the volume is mounted again and used under its old name.
    void findUSBVolume();

private:
    std::optional<TKUSBDiskEntity> renameToCardName(const TKUSBDiskEntity& volume) const;

    ORXUDisks m_udisks;
    QString m_SettingFilePath;
    std::optional<TKUSBDiskEntity> m_selectedUSBDisk;
};
