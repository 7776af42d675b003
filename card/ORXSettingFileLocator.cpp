#include "ORXSettingFileLocator.h"

#include "ORXCardFinder.h"
#include "ORXCardLog.h"
#include "ORXConfigFile.h"

#include <QDir>
#include <QFileInfo>

namespace ORXSettingFileLocator {

namespace {
const QString kConfigName = QStringLiteral("config.bin");
} // namespace

bool isInside(const QString& path, const QString& folder)
{
    if (path.isEmpty() || folder.isEmpty())
        return false;
    const QString cleanFolder = QDir::cleanPath(folder);
    const QString cleanPath = QDir::cleanPath(path);
    return cleanPath == cleanFolder || cleanPath.startsWith(cleanFolder + QLatin1Char('/'));
}

Location locate(const Options& options)
{
    Location location;
    ORXCardFinder finder;
    const QString playing = options.playingPath;
    const bool allowRename = options.allowRename;
    finder.setRenamePolicy([allowRename, playing](const TKUSBDiskEntity& volume) {
        return allowRename && !isInside(playing, volume.mountPath());
    });
    finder.findUSBVolume();
    location.settingFilePath = finder.settingFilePath();
    location.selectedUSBDisk = finder.selectedUSBDisk();
    location.renamedFrom = finder.renamedFrom();
    location.renamedTo = finder.renamedTo();
    location.renameRefused = finder.renameRefused();

    if (location.settingFilePath.isEmpty() && !options.folderPath.isEmpty()) {
        const QString copy = QDir(options.folderPath).filePath(kConfigName);
        const QFileInfo info(copy);
        if (info.isFile() && info.size() == kORXConfigFileSize) {
            qCInfo(lcCard, "no card; editing %s", qUtf8Printable(copy));
            location.settingFilePath = info.absoluteFilePath();
            location.isCopy = true;
        }
    }
    if (!location.settingFilePath.isEmpty() && QFileInfo::exists(location.settingFilePath))
        location.loaded = readConfigFile(location.settingFilePath, &location.record);
    return location;
}

QString saveTarget(const std::optional<TKUSBDiskEntity>& selectedUSBDisk, const QString& copyPath)
{
    if (selectedUSBDisk) {
        const QString path = QDir(selectedUSBDisk->mountPath()).filePath(kConfigName);
        if (QFileInfo::exists(path))
            return path;
    }
    if (!copyPath.isEmpty())
        return copyPath;
    if (const std::optional<TKUSBDiskEntity> card = findCardVolume(ORXUDisks()))
        return QDir(card->mountPath()).filePath(kConfigName);
    return QString();
}

} // namespace ORXSettingFileLocator
