#pragma once

#include "ORXUDisks.h"
#include "TKUSBDiskEntity.h"

#include <QList>
#include <QUrl>

#include <optional>

// Finding the mounted USB volumes through UDisks2. Every function asks the service afresh
// on the calling thread and answers in the order of the service's reply; when the bus or
// the service is missing, the lists are empty (the UDisks2 layer logs why).

// Mounted volumes whose drive is removable (Removable or MediaRemovable).
QList<QUrl> listRemovableVolumes(const ORXUDisks& udisks = ORXUDisks());
// Of those, the volumes whose drive is attached by USB.
QList<QUrl> listUSBVolumes(const ORXUDisks& udisks = ORXUDisks());
// The entity of one block device (mounted or not).
TKUSBDiskEntity diskEntity(const ORXBlockDevice& device);
// One entity for each volume of listUSBVolumes that has a device name.
QList<TKUSBDiskEntity> listUSBDisks(const ORXUDisks& udisks = ORXUDisks());
// The first volume of listUSBVolumes in whose root the file exists.
std::optional<QUrl> findUSBVolumeWithFile(const QString& relativeName, const ORXUDisks& udisks = ORXUDisks());
// The entity of that device name ("sdb1") among listUSBDisks.
std::optional<TKUSBDiskEntity> findUSBDiskByDevice(const QString& deviceName,
                                                   const ORXUDisks& udisks = ORXUDisks());
