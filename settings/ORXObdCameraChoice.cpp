#include "ORXObdCameraChoice.h"

#include "ORXUserDefaults.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace ORXObdCameraChoice {

bool chosen()
{
    const QSettings settings(QString::fromLatin1(ORXUserDefaults::kOrganization),
                             QString::fromLatin1(ORXUserDefaults::kApplication));
    return settings.value(QLatin1String(kObdCamera), kObdCameraDefault).toBool();
}

void setChosen(bool on)
{
    QSettings settings(QString::fromLatin1(ORXUserDefaults::kOrganization),
                       QString::fromLatin1(ORXUserDefaults::kApplication));
    settings.setValue(QLatin1String(kObdCamera), on);
    settings.sync();
}

CardLogs findCardLogs(const QString& cardRoot)
{
    CardLogs logs;
    if (cardRoot.isEmpty())
        return logs;
    const QDir logDir(QDir(cardRoot).filePath(QStringLiteral("DrvInfo")));
    const QFileInfo flash(logDir.filePath(QStringLiteral("orvex_000.drv")));
    if (flash.isFile())
        logs.flashLogPath = flash.absoluteFilePath();
    QFileInfo newest;
    const QFileInfoList found =
        logDir.entryInfoList({QStringLiteral("*.obd"), QStringLiteral("*.OBD")}, QDir::Files, QDir::Name);
    for (const QFileInfo& file : found) {
        if (!newest.exists() || file.lastModified() >= newest.lastModified())
            newest = file;
    }
    if (newest.exists())
        logs.obdLogPath = newest.absoluteFilePath();
    return logs;
}

} // namespace ORXObdCameraChoice
