#include "ORXCliCommand.h"
#include "ORXVolumeDiscovery.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>

// orvex-cli volumes [--json]: the mounted USB volumes, as the card tools see them.
namespace {
QJsonObject toJson(const TKUSBDiskEntity& disk)
{
    return {{"volumeName", disk.volumeName()},
            {"mountedURL", disk.mountedURL().toString()},
            {"deviceFilePath", disk.deviceFilePath()},
            {"deviceModel", disk.deviceModel().isEmpty() ? QJsonValue() : QJsonValue(disk.deviceModel())},
            {"volumeSize", qint64(disk.volumeSize())},
            {"writable", disk.writable()},
            {"mediaWhole", disk.mediaWhole()},
            {"key", disk.key()},
            {"displayString", disk.displayString()}};
}

int run(const QStringList& args)
{
    // The card tools' diagnostics stay quiet; the command reports for itself
    // (QT_LOGGING_RULES can still turn them on).
    QLoggingCategory::setFilterRules(QStringLiteral("orvex.card*=false\norvex.platform*=false"));
    const bool json = args == QStringList{QStringLiteral("--json")};
    if (!args.isEmpty() && !json)
        return ORXCli::failUsage(QStringLiteral("volumes"));
    const QList<TKUSBDiskEntity> disks = listUSBDisks();
    if (json) {
        QJsonArray array;
        for (const TKUSBDiskEntity& disk : disks)
            array.append(toJson(disk));
        ORXCli::writeOut(QJsonDocument(array).toJson(QJsonDocument::Indented));
        return ORXCli::Success;
    }
    QString text;
    for (const TKUSBDiskEntity& disk : disks)
        text +=
            QStringLiteral("%1\t%2\t%3\n").arg(disk.displayString(), disk.deviceFilePath(), disk.mountPath());
    ORXCli::writeOut(text);
    return ORXCli::Success;
}

ORXCli::Registrar reg({"volumes",
                       "volumes [--json]    the mounted USB volumes: size, name, model, device, mount path",
                       run});
} // namespace
