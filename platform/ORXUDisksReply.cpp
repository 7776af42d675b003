#include "ORXUDisksReply.h"

#include "ORXPlatformLog.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QHash>
#include <QVariantMap>

namespace {
const QString kBlock = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString kFilesystem = QStringLiteral("org.freedesktop.UDisks2.Filesystem");
const QString kPartition = QStringLiteral("org.freedesktop.UDisks2.Partition");
const QString kDrive = QStringLiteral("org.freedesktop.UDisks2.Drive");

using Interfaces = QHash<QString, QVariantMap>;
struct ManagedObject
{
    QString path;
    Interfaces interfaces;
};

// UDisks2 hands file names as byte strings ending in a zero byte; cut at the first zero.
QString fromByteString(const QByteArray& bytes)
{
    const qsizetype zero = bytes.indexOf('\0');
    return QString::fromLocal8Bit(zero < 0 ? bytes : bytes.left(zero));
}

bool readBool(const QVariantMap& props, const QString& name, bool* out)
{
    const QVariant v = props.value(name);
    if (v.typeId() != QMetaType::Bool)
        return false;
    *out = v.toBool();
    return true;
}

QString readString(const QVariantMap& props, const QString& name)
{
    const QVariant v = props.value(name);
    return v.typeId() == QMetaType::QString ? v.toString() : QString();
}

// MountPoints is "aay": a list of zero-terminated byte strings.
QStringList readMountPoints(const QVariantMap& props)
{
    const QVariant v = props.value(QStringLiteral("MountPoints"));
    QList<QByteArray> raw;
    if (v.metaType() == QMetaType::fromType<QDBusArgument>()) {
        const QDBusArgument arg = v.value<QDBusArgument>();
        if (arg.currentSignature() != QLatin1String("aay"))
            return {};
        arg >> raw;
    } else if (v.metaType() == QMetaType::fromType<QList<QByteArray>>()) {
        raw = v.value<QList<QByteArray>>();
    }
    QStringList points;
    for (const QByteArray& bytes : raw) {
        const QString point = fromByteString(bytes);
        if (!point.isEmpty())
            points << point;
    }
    return points;
}

QString readObjectPath(const QVariantMap& props, const QString& name)
{
    const QVariant v = props.value(name);
    if (v.metaType() != QMetaType::fromType<QDBusObjectPath>())
        return {};
    return v.value<QDBusObjectPath>().path();
}

QList<ManagedObject> readObjects(const QDBusArgument& arg)
{
    QList<ManagedObject> objects;
    arg.beginMap();
    while (!arg.atEnd()) {
        ManagedObject object;
        QDBusObjectPath path;
        arg.beginMapEntry();
        arg >> path;
        object.path = path.path();
        arg.beginMap();
        while (!arg.atEnd()) {
            QString name;
            QVariantMap props;
            arg.beginMapEntry();
            arg >> name >> props;
            arg.endMapEntry();
            object.interfaces.insert(name, props);
        }
        arg.endMap();
        arg.endMapEntry();
        objects << object;
    }
    arg.endMap();
    return objects;
}

// Fills the drive facts; false when the block names a drive the reply does not hold.
bool joinDrive(ORXBlockDevice& device, const QHash<QString, QVariantMap>& drives)
{
    if (device.drivePath.isEmpty() || device.drivePath == QLatin1String("/")) {
        device.drivePath.clear();
        return true;
    }
    const auto it = drives.constFind(device.drivePath);
    if (it == drives.constEnd())
        return false;
    const QVariantMap& drive = *it;
    device.connectionBus = readString(drive, QStringLiteral("ConnectionBus"));
    bool removable = false;
    bool mediaRemovable = false;
    readBool(drive, QStringLiteral("Removable"), &removable);
    readBool(drive, QStringLiteral("MediaRemovable"), &mediaRemovable);
    device.removable = removable || mediaRemovable;
    const QString vendor = readString(drive, QStringLiteral("Vendor")).trimmed();
    const QString model = readString(drive, QStringLiteral("Model")).trimmed();
    device.model = QStringList({vendor, model}).join(QLatin1Char(' ')).trimmed();
    const QVariant detected = drive.value(QStringLiteral("TimeMediaDetected"));
    if (detected.typeId() == QMetaType::ULongLong)
        device.timeMediaDetected = detected.toULongLong();
    return true;
}

std::optional<ORXBlockDevice> readBlock(const ManagedObject& object,
                                        const QHash<QString, QVariantMap>& drives)
{
    const QVariantMap block = object.interfaces.value(kBlock);
    ORXBlockDevice device;
    device.objectPath = object.path;
    const QVariant deviceFile = block.value(QStringLiteral("Device"));
    const QVariant size = block.value(QStringLiteral("Size"));
    if (deviceFile.typeId() != QMetaType::QByteArray || size.typeId() != QMetaType::ULongLong)
        return std::nullopt;
    const QString devicePath = fromByteString(deviceFile.toByteArray());
    if (!devicePath.startsWith(QLatin1String("/dev/")) || devicePath.size() <= 5)
        return std::nullopt;
    device.deviceName = devicePath.mid(5);
    device.size = size.toULongLong();
    if (!readBool(block, QStringLiteral("ReadOnly"), &device.readOnly))
        return std::nullopt;
    device.label = readString(block, QStringLiteral("IdLabel"));
    device.uuid = readString(block, QStringLiteral("IdUUID"));
    device.drivePath = readObjectPath(block, QStringLiteral("Drive"));
    device.whole = !object.interfaces.contains(kPartition);
    device.hasFilesystem = object.interfaces.contains(kFilesystem);
    if (device.hasFilesystem) {
        const QStringList points = readMountPoints(object.interfaces.value(kFilesystem));
        device.mountPath = points.value(0);
    }
    if (!joinDrive(device, drives))
        return std::nullopt;
    return device;
}
} // namespace

std::optional<QList<ORXBlockDevice>> ORXUDisksReply::parse(const QDBusMessage& reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.signature() != QLatin1String("a{oa{sa{sv}}}") ||
        reply.arguments().size() != 1)
        return std::nullopt;
    const QList<ManagedObject> objects = readObjects(reply.arguments().constFirst().value<QDBusArgument>());

    QHash<QString, QVariantMap> drives;
    for (const ManagedObject& object : objects) {
        if (object.interfaces.contains(kDrive))
            drives.insert(object.path, object.interfaces.value(kDrive));
    }
    QList<ORXBlockDevice> devices;
    for (const ManagedObject& object : objects) {
        if (!object.interfaces.contains(kBlock))
            continue;
        if (const auto device = readBlock(object, drives))
            devices << *device;
        else
            qCInfo(lcPlatform, "skipping %s: described only in part", qUtf8Printable(object.path));
    }
    return devices;
}
