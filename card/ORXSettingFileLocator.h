#pragma once

#include "ORXConfigRecord.h"
#include "TKUSBDiskEntity.h"

#include <QString>

#include <optional>

// Where the settings window finds and saves "config.bin": the card among the USB volumes
// (renamed to "ORVEX" when allowed), or else a copy of the card in the folder open in the
// player. Every function blocks on D-Bus and on the card: call them off the GUI thread.
namespace ORXSettingFileLocator {

struct Options
{
    bool allowRename = true;
    // The recording the player is playing: the card it is on is not renamed (a rename
    // unmounts the card). Empty when nothing plays.
    QString playingPath;
    // The folder open in the player; its root "config.bin" of 428 bytes is edited when no
    // card is found.
    QString folderPath;
};

struct Location
{
    QString settingFilePath; // the card's (or the copy's) "config.bin"; empty when none
    std::optional<TKUSBDiskEntity> selectedUSBDisk;
    bool isCopy = false;
    bool loaded = false; // record holds the file's 428 bytes
    _FILEDATA record{};
    QString renamedFrom; // the card's mount path before a rename, and after it
    QString renamedTo;
    bool renameRefused = false; // the card was left under its name (it is playing)
};

// The card search and the read of its file.
Location locate(const Options& options);

// Where a save goes: the chosen card's file when it still exists, the copy being edited,
// the root of the card findCardVolume chooses now; empty when none (the user is asked).
QString saveTarget(const std::optional<TKUSBDiskEntity>& selectedUSBDisk, const QString& copyPath);

// True when the path lies in the folder or is the folder.
bool isInside(const QString& path, const QString& folder);

} // namespace ORXSettingFileLocator
