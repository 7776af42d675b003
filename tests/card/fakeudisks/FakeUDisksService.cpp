#include "FakeUDisksService.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>

using InterfaceMap = QMap<QString, QVariantMap>;
Q_DECLARE_METATYPE(InterfaceMap)

namespace {
const QString kRoot = QStringLiteral("/org/freedesktop/UDisks2");
const QString kFilesystem = QStringLiteral("org.freedesktop.UDisks2.Filesystem");

QByteArray byteString(const QString& text)
{
    return text.toLocal8Bit() + QByteArray(1, '\0');
}

QString drivePath(const QString& id)
{
    return kRoot + QStringLiteral("/drives/") + id;
}

QString blockPath(const QString& id)
{
    return kRoot + QStringLiteral("/block_devices/") + id;
}
} // namespace

FakeUDisksService::FakeUDisksService(const QJsonObject& config)
{
    qDBusRegisterMetaType<QList<QByteArray>>();
    qDBusRegisterMetaType<InterfaceMap>();
    m_mountRoot = config.value(QStringLiteral("mountRoot")).toString();
    m_logPath = config.value(QStringLiteral("log")).toString();
    m_hideFilesystemMs = config.value(QStringLiteral("hideFilesystemMs")).toInt();
    m_probeDelayMs = config.value(QStringLiteral("probeDelayMs")).toInt();
    for (const QJsonValue& name : config.value(QStringLiteral("fail")).toArray())
        m_failing.insert(name.toString());
    for (const QJsonValue& value : config.value(QStringLiteral("drives")).toArray())
        m_drives.append({value[QStringLiteral("id")].toString(), value.toObject(),
                         qulonglong(value[QStringLiteral("mediaDetected")].toDouble(1.7e15))});
    QDir().mkpath(m_mountRoot);
    for (const QJsonValue& value : config.value(QStringLiteral("blocks")).toArray()) {
        Block block;
        block.id = value[QStringLiteral("id")].toString();
        block.json = value.toObject();
        block.label = value[QStringLiteral("label")].toString();
        block.backing = value[QStringLiteral("backing")].toString();
        block.image = value[QStringLiteral("image")].toString();
        block.uuid = value[QStringLiteral("uuid")].toString();
        block.present = value[QStringLiteral("present")].toBool(true);
        probeImage(block, false);
        if (!block.backing.isEmpty())
            QDir().mkpath(block.backing);
        if (value[QStringLiteral("mounted")].toBool() && block.present)
            mountBlock(block);
        m_blocks.append(block);
    }
}

void FakeUDisksService::log(const QString& line) const
{
    QFile file(m_logPath);
    if (!m_logPath.isEmpty() && file.open(QIODevice::Append))
        file.write(line.toUtf8() + '\n');
}

// Like the daemon's probe after a change event: a FAT32 boot sector in the image gives the
// label, and a new volume serial means a fresh, empty file system.
void FakeUDisksService::probeImage(Block& block, bool clearOnNewFilesystem)
{
    QFile file(block.image);
    if (block.image.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray boot = file.read(512);
    if (boot.size() < 90 || boot.mid(82, 8) != "FAT32   ")
        return;
    const QByteArray serial = boot.mid(67, 4);
    block.label = QString::fromLatin1(boot.mid(71, 11)).trimmed();
    if (clearOnNewFilesystem && serial != block.serial && !block.backing.isEmpty()) {
        QDir(block.backing).removeRecursively();
        QDir().mkpath(block.backing);
    }
    block.serial = serial;
    // blkid's form of a FAT serial: the 32-bit number in hex, high half first.
    const quint32 number = quint8(serial[0]) | quint8(serial[1]) << 8 | quint8(serial[2]) << 16 |
                           quint32(quint8(serial[3])) << 24;
    block.uuid = QStringLiteral("%1-%2")
                     .arg(number >> 16, 4, 16, QLatin1Char('0'))
                     .arg(number & 0xffff, 4, 16, QLatin1Char('0'))
                     .toUpper();
}

// A new file system in the image counts once the probe delay has passed since it was seen.
void FakeUDisksService::refreshProbe(Block& block)
{
    QFile file(block.image);
    if (block.image.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray boot = file.read(512);
    if (boot.size() < 90 || boot.mid(82, 8) != "FAT32   " || boot.mid(67, 4) == block.serial) {
        block.pendingBoot.clear();
        return;
    }
    if (block.pendingBoot != boot) {
        block.pendingBoot = boot;
        block.pendingSince.start();
    }
    if (block.pendingSince.elapsed() >= m_probeDelayMs) {
        probeImage(block, true);
        block.pendingBoot.clear();
    }
}

QVariantMap FakeUDisksService::driveProperties(const Drive& drive) const
{
    QVariantMap props;
    const QJsonObject& j = drive.json;
    props.insert(QStringLiteral("ConnectionBus"), j.value(QStringLiteral("connectionBus")).toString());
    props.insert(QStringLiteral("Removable"), j.value(QStringLiteral("removable")).toBool());
    props.insert(QStringLiteral("MediaRemovable"), j.value(QStringLiteral("mediaRemovable")).toBool());
    props.insert(QStringLiteral("Vendor"), j.value(QStringLiteral("vendor")).toString());
    props.insert(QStringLiteral("Model"), j.value(QStringLiteral("model")).toString());
    props.insert(QStringLiteral("TimeMediaDetected"), drive.mediaDetected);
    return props;
}

QVariantMap FakeUDisksService::blockProperties(const Block& block) const
{
    const QJsonObject& j = block.json;
    QVariantMap props;
    props.insert(QStringLiteral("Device"), byteString(j.value(QStringLiteral("device")).toString()));
    props.insert(QStringLiteral("Size"), qulonglong(j.value(QStringLiteral("size")).toDouble()));
    props.insert(QStringLiteral("ReadOnly"), j.value(QStringLiteral("readOnly")).toBool());
    props.insert(QStringLiteral("IdLabel"), block.label);
    props.insert(QStringLiteral("IdUUID"), block.uuid);
    const QString drive = j.value(QStringLiteral("drive")).toString();
    props.insert(QStringLiteral("Drive"), QVariant::fromValue(QDBusObjectPath(
                                              drive.isEmpty() ? QStringLiteral("/") : drivePath(drive))));
    for (const QJsonValue& omitted : j.value(QStringLiteral("omit")).toArray())
        props.remove(omitted.toString());
    return props;
}

bool FakeUDisksService::filesystemVisible(const Block& block) const
{
    if (!block.json.value(QStringLiteral("filesystem")).toBool())
        return false;
    return !m_sinceUnmount.isValid() || m_sinceUnmount.elapsed() >= m_hideFilesystemMs;
}

InterfaceMap FakeUDisksService::interfaces(const Block& block) const
{
    InterfaceMap interfaces{{QStringLiteral("org.freedesktop.UDisks2.Block"), blockProperties(block)}};
    if (block.json.value(QStringLiteral("partition")).toBool())
        interfaces.insert(QStringLiteral("org.freedesktop.UDisks2.Partition"),
                          QVariantMap{{QStringLiteral("Number"), 1u}});
    if (filesystemVisible(block)) {
        QList<QByteArray> points;
        if (!block.mountPoint.isEmpty())
            points << byteString(block.mountPoint);
        interfaces.insert(kFilesystem,
                          QVariantMap{{QStringLiteral("MountPoints"), QVariant::fromValue(points)}});
    }
    return interfaces;
}

QDBusMessage FakeUDisksService::managedObjects(const QDBusMessage& message)
{
    QDBusArgument arg;
    arg.beginMap(QMetaType::fromType<QDBusObjectPath>(), QMetaType::fromType<InterfaceMap>());
    for (const Drive& drive : m_drives) {
        arg.beginMapEntry();
        arg << QDBusObjectPath(drivePath(drive.id))
            << InterfaceMap{{QStringLiteral("org.freedesktop.UDisks2.Drive"), driveProperties(drive)}};
        arg.endMapEntry();
    }
    for (Block& block : m_blocks) {
        if (!block.present)
            continue;
        refreshProbe(block);
        arg.beginMapEntry();
        arg << QDBusObjectPath(blockPath(block.id)) << interfaces(block);
        arg.endMapEntry();
    }
    arg.endMap();
    QDBusMessage reply = message.createReply();
    reply << QVariant::fromValue(arg);
    return reply;
}

void FakeUDisksService::announce(const Block& block, bool added)
{
    QDBusMessage signal = QDBusMessage::createSignal(
        kRoot, QStringLiteral("org.freedesktop.DBus.ObjectManager"),
        added ? QStringLiteral("InterfacesAdded") : QStringLiteral("InterfacesRemoved"));
    signal << QVariant::fromValue(QDBusObjectPath(blockPath(block.id)));
    if (added)
        signal << QVariant::fromValue(interfaces(block));
    else
        signal << QStringList(interfaces(block).keys());
    m_connection.send(signal);
}

// SwapCard(id, uuid): another card in the same reader; RemoveCard(id), InsertCard(id).
QDBusMessage FakeUDisksService::testCall(const QDBusMessage& message)
{
    const QString id = message.arguments().value(0).toString();
    auto it = std::find_if(m_blocks.begin(), m_blocks.end(), [&](const Block& b) { return b.id == id; });
    if (it == m_blocks.end())
        return message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"), id);
    Block& block = *it;
    const QString method = message.member();
    if (method == QLatin1String("SwapCard") || method == QLatin1String("RemoveCard")) {
        announce(block, false);
        block.present = false;
    }
    if (method == QLatin1String("SwapCard")) {
        block.uuid = message.arguments().value(1).toString();
        for (Drive& drive : m_drives) {
            if (drive.id == block.json.value(QStringLiteral("drive")).toString())
                drive.mediaDetected += 1000000;
        }
    }
    if (method == QLatin1String("RemoveCard") && !block.mountPoint.isEmpty()) {
        QFile::remove(block.mountPoint);
        block.mountPoint.clear();
    }
    if (method == QLatin1String("SwapCard") || method == QLatin1String("InsertCard")) {
        block.present = true;
        if (block.mountPoint.isEmpty())
            mountBlock(block);
        announce(block, true);
    }
    return message.createReply();
}

QString FakeUDisksService::mountBlock(Block& block)
{
    QString point = m_mountRoot + QLatin1Char('/') + (block.label.isEmpty() ? block.id : block.label);
    for (int n = 1; QFileInfo(point).exists() || QFileInfo(point).isSymLink(); ++n)
        point = m_mountRoot + QLatin1Char('/') + (block.label.isEmpty() ? block.id : block.label) +
                QString::number(n);
    QFile::link(block.backing, point);
    block.mountPoint = point;
    return point;
}

QDBusMessage FakeUDisksService::filesystemCall(const QDBusMessage& message)
{
    const QString method = message.member();
    auto it = std::find_if(m_blocks.begin(), m_blocks.end(),
                           [&](const Block& b) { return blockPath(b.id) == message.path(); });
    if (it == m_blocks.end() || !it->present || !filesystemVisible(*it))
        return message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.UnknownObject"),
                                        QStringLiteral("No filesystem at %1").arg(message.path()));
    Block& block = *it;
    log(method + QLatin1Char(' ') + block.id +
        (method == QLatin1String("SetLabel") ? QLatin1Char(' ') + message.arguments().value(0).toString()
                                             : QString()));
    if (m_failing.contains(method))
        return message.createErrorReply(QStringLiteral("org.freedesktop.UDisks2.Error.Failed"),
                                        QStringLiteral("%1 refused by the test").arg(method));
    if (method == QLatin1String("Mount")) {
        if (!block.mountPoint.isEmpty())
            return message.createErrorReply(
                QStringLiteral("org.freedesktop.UDisks2.Error.AlreadyMounted"),
                QStringLiteral("Device is already mounted at %1").arg(block.mountPoint));
        refreshProbe(block);
        return message.createReply(mountBlock(block));
    }
    if (method == QLatin1String("Unmount")) {
        if (block.mountPoint.isEmpty())
            return message.createErrorReply(QStringLiteral("org.freedesktop.UDisks2.Error.NotMounted"),
                                            QStringLiteral("Device is not mounted"));
        QFile::remove(block.mountPoint);
        block.mountPoint.clear();
        m_sinceUnmount.start();
        return message.createReply();
    }
    if (method == QLatin1String("SetLabel")) {
        if (!block.mountPoint.isEmpty())
            return message.createErrorReply(
                QStringLiteral("org.freedesktop.UDisks2.Error.Failed"),
                QStringLiteral("Cannot change the label of a mounted file system"));
        block.label = message.arguments().value(0).toString();
        return message.createReply();
    }
    return message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"), method);
}

QString FakeUDisksService::introspect(const QString&) const
{
    return {};
}

bool FakeUDisksService::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    m_connection = connection;
    if (message.interface() == QLatin1String("org.orvex.FakeUDisks"))
        return connection.send(testCall(message));
    if (message.path() == kRoot && message.member() == QLatin1String("GetManagedObjects"))
        return connection.send(managedObjects(message));
    if (message.interface() == kFilesystem)
        return connection.send(filesystemCall(message));
    return false;
}
