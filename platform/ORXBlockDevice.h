#pragma once

#include <QString>

// One block device as UDisks2 describes it, joined with the facts of its drive. Built from
// the reply of ObjectManager.GetManagedObjects; plain data, no bus access.
struct ORXBlockDevice
{
    QString objectPath;    // the block's object path, unique per medium
    QString deviceName;    // device file name without "/dev/" ("sdb1")
    QString label;         // Filesystem label (Block.IdLabel)
    QString uuid;          // Block.IdUUID: for FAT the volume serial ("1A2B-3C4D"), new with every format
    QString mountPath;     // first Filesystem.MountPoints entry, empty when not mounted
    quint64 size = 0;      // Block.Size in bytes
    bool readOnly = false; // Block.ReadOnly
    bool whole = true;     // no Partition interface: the whole medium
    bool hasFilesystem = false;
    QString drivePath;      // the drive's object path, empty when the block has no drive
    QString connectionBus;  // the drive's ConnectionBus ("usb", "sdio", ...)
    bool removable = false; // the drive's Removable or MediaRemovable
    QString model;          // the drive's vendor and model, joined by a blank; may be empty
    // The drive's TimeMediaDetected (microseconds since the epoch), 0 when the service has it
    // not: it changes whenever a card is put into the reader.
    quint64 timeMediaDetected = 0;

    bool isMounted() const { return hasFilesystem && !mountPath.isEmpty(); }
};
