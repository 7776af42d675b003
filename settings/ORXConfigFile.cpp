#include "ORXConfigFile.h"

#include "ORXSettingsLog.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

bool readConfigFile(const QString& path, _FILEDATA* record)
{
    // Only regular files: opening a FIFO would wait for a writer that never comes.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        qCWarning(lcSettings, "fopen fail:%s", qUtf8Printable(path));
        return false;
    }
    // Anything but exactly one record is not a configuration file: a shorter file would
    // leave part of the record unset, a longer one is something else.
    if (file.size() != kORXConfigFileSize) {
        qCWarning(lcSettings, "%s: %lld bytes, not a configuration record", qUtf8Printable(path),
                  static_cast<long long>(file.size()));
        return false;
    }
    _FILEDATA loaded;
    if (file.read(reinterpret_cast<char*>(&loaded), kORXConfigFileSize) != kORXConfigFileSize) {
        qCWarning(lcSettings, "error=%s", qUtf8Printable(file.errorString()));
        return false;
    }
    *record = loaded;
    return true;
}

static QString failureKey(const QSaveFile& file)
{
    qCWarning(lcSettings, "error=%s", qUtf8Printable(file.errorString()));
    // ENOSPC surfaces as a resource error.
    return file.error() == QFileDevice::ResourceError ? QStringLiteral("msg.disk_full")
                                                      : QStringLiteral("msg.file_open_fail");
}

QString writeConfigFile(const _FILEDATA& record, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failureKey(file);
    const qint64 written = file.write(reinterpret_cast<const char*>(&record), kORXConfigFileSize);
    if (written != kORXConfigFileSize || !file.flush()) {
        const QString key = failureKey(file);
        file.cancelWriting();
        return key;
    }
    if (!file.commit())
        return failureKey(file);
    return QString();
}

QString writeDefaultConfigFile(const QString& path)
{
    _FILEDATA record;
    std::memset(&record, 0, sizeof record);
    applyDefaultSettings(&record);
    record.checksum = configChecksum(record);
    return writeConfigFile(record, path);
}

void prepareConfigForSave(_FILEDATA* record)
{
    record->osd_plate_flag = record->szPlateNumber[0] != 0 ? 1 : 0;
    record->checksum = configChecksum(*record);
}
