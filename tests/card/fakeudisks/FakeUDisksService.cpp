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

using namespace Qt::StringLiterals;

using InterfaceMap = QMap<QString, QVariantMap>;
Q_DECLARE_METATYPE(InterfaceMap)

namespace {
const QString kRoot = u"/org/freedesktop/UDisks2"_s;
const QString kFilesystem = u"org.freedesktop.UDisks2.Filesystem"_s;

QByteArray byteString(const QString& text)
{
    return text.toLocal8Bit() + QByteArray(1, '\0');
}

QString drivePath(const QString& id)
{
    return kRoot + u"/drives/"_s + id;
}

QString blockPath(const QString& id)
{
    return kRoot + u"/block_devices/"_s + id;
}
} // namespace

FakeUDisksService::FakeUDisksService(const QJsonObject& config)
{
    qDBusRegisterMetaType<QList<QByteArray>>();
    qDBusRegisterMetaType<InterfaceMap>();
    m_mountRoot = config.value(u"mountRoot"_s).toString();
    m_logPath = config.value(u"log"_s).toString();
    m_hideFilesystemMs = config.value(u"hideFilesystemMs"_s).toInt();
    m_probeDelayMs = config.value(u"probeDelayMs"_s).toInt();
    m_automount = config.value(u"automount"_s).toBool();
    for (const QJsonValue& name : config.value(u"fail"_s).toArray())
        m_failing.insert(name.toString());
    for (const QJsonValue& value : config.value(u"drives"_s).toArray())
        m_drives.append({value[u"id"_s].toString(), value.toObject(),
                         qulonglong(value[u"mediaDetected"_s].toDouble(1.7e15))});
    QDir().mkpath(m_mountRoot);
    for (const QJsonValue& value : config.value(u"blocks"_s).toArray()) {
        Block block;
        block.id = value[u"id"_s].toString();
        block.json = value.toObject();
        block.label = value[u"label"_s].toString();
        block.backing = value[u"backing"_s].toString();
        block.image = value[u"image"_s].toString();
        block.uuid = value[u"uuid"_s].toString();
        block.present = value[u"present"_s].toBool(true);
        probeImage(block, false);
        if (!block.backing.isEmpty())
            QDir().mkpath(block.backing);
        if (value[u"mounted"_s].toBool() && block.present)
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
    block.uuid =
        u"%1-%2"_s.arg(number >> 16, 4, 16, QChar('0')).arg(number & 0xffff, 4, 16, QChar('0')).toUpper();
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
        if (m_automount && block.mountPoint.isEmpty())
            mountBlock(block);
    }
}

QVariantMap FakeUDisksService::driveProperties(const Drive& drive) const
{
    QVariantMap props;
    const QJsonObject& j = drive.json;
    props.insert(u"ConnectionBus"_s, j.value(u"connectionBus"_s).toString());
    props.insert(u"Removable"_s, j.value(u"removable"_s).toBool());
    props.insert(u"MediaRemovable"_s, j.value(u"mediaRemovable"_s).toBool());
    props.insert(u"Vendor"_s, j.value(u"vendor"_s).toString());
    props.insert(u"Model"_s, j.value(u"model"_s).toString());
    props.insert(u"TimeMediaDetected"_s, drive.mediaDetected);
    return props;
}

QVariantMap FakeUDisksService::blockProperties(const Block& block) const
{
    const QJsonObject& j = block.json;
    QVariantMap props;
    props.insert(u"Device"_s, byteString(j.value(u"device"_s).toString()));
    props.insert(u"Size"_s, qulonglong(j.value(u"size"_s).toDouble()));
    props.insert(u"ReadOnly"_s, j.value(u"readOnly"_s).toBool());
    props.insert(u"IdLabel"_s, block.label);
    props.insert(u"IdUUID"_s, block.uuid);
    const QString drive = j.value(u"drive"_s).toString();
    props.insert(u"Drive"_s,
                 QVariant::fromValue(QDBusObjectPath(drive.isEmpty() ? u"/"_s : drivePath(drive))));
    for (const QJsonValue& omitted : j.value(u"omit"_s).toArray())
        props.remove(omitted.toString());
    return props;
}

bool FakeUDisksService::filesystemVisible(const Block& block) const
{
    if (!block.json.value(u"filesystem"_s).toBool())
        return false;
    return !m_sinceUnmount.isValid() || m_sinceUnmount.elapsed() >= m_hideFilesystemMs;
}

InterfaceMap FakeUDisksService::interfaces(const Block& block) const
{
    InterfaceMap interfaces{{u"org.freedesktop.UDisks2.Block"_s, blockProperties(block)}};
    if (block.json.value(u"partition"_s).toBool())
        interfaces.insert(u"org.freedesktop.UDisks2.Partition"_s, QVariantMap{{u"Number"_s, 1u}});
    if (filesystemVisible(block)) {
        QList<QByteArray> points;
        if (!block.mountPoint.isEmpty())
            points << byteString(block.mountPoint);
        interfaces.insert(kFilesystem, QVariantMap{{u"MountPoints"_s, QVariant::fromValue(points)}});
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
            << InterfaceMap{{u"org.freedesktop.UDisks2.Drive"_s, driveProperties(drive)}};
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
    QDBusMessage signal = QDBusMessage::createSignal(kRoot, u"org.freedesktop.DBus.ObjectManager"_s,
                                                     added ? u"InterfacesAdded"_s : u"InterfacesRemoved"_s);
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
        return message.createErrorReply(u"org.freedesktop.DBus.Error.InvalidArgs"_s, id);
    Block& block = *it;
    const QString method = message.member();
    if (method == "SwapCard"_L1 || method == "RemoveCard"_L1) {
        announce(block, false);
        block.present = false;
    }
    if (method == "SwapCard"_L1) {
        block.uuid = message.arguments().value(1).toString();
        for (Drive& drive : m_drives) {
            if (drive.id == block.json.value(u"drive"_s).toString())
                drive.mediaDetected += 1000000;
        }
    }
    if (method == "RemoveCard"_L1 && !block.mountPoint.isEmpty()) {
        QFile::remove(block.mountPoint);
        block.mountPoint.clear();
    }
    if (method == "SwapCard"_L1 || method == "InsertCard"_L1) {
        block.present = true;
        if (block.mountPoint.isEmpty())
            mountBlock(block);
        announce(block, true);
    }
    return message.createReply();
}

QString FakeUDisksService::mountBlock(Block& block)
{
    QString point = m_mountRoot + u'/' + (block.label.isEmpty() ? block.id : block.label);
    for (int n = 1; QFileInfo(point).exists() || QFileInfo(point).isSymLink(); ++n)
        point = m_mountRoot + u'/' + (block.label.isEmpty() ? block.id : block.label) + QString::number(n);
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
        return message.createErrorReply(u"org.freedesktop.DBus.Error.UnknownObject"_s,
                                        u"No filesystem at %1"_s.arg(message.path()));
    Block& block = *it;
    log(method + u' ' + block.id +
        (method == "SetLabel"_L1 ? u' ' + message.arguments().value(0).toString() : QString()));
    if (m_failing.contains(method))
        return message.createErrorReply(u"org.freedesktop.UDisks2.Error.Failed"_s,
                                        u"%1 refused by the test"_s.arg(method));
    if (method == "Mount"_L1) {
        if (!block.mountPoint.isEmpty())
            return message.createErrorReply(u"org.freedesktop.UDisks2.Error.AlreadyMounted"_s,
                                            u"Device is already mounted at %1"_s.arg(block.mountPoint));
        refreshProbe(block);
        return message.createReply(mountBlock(block));
    }
    if (method == "Unmount"_L1) {
        if (block.mountPoint.isEmpty())
            return message.createErrorReply(u"org.freedesktop.UDisks2.Error.NotMounted"_s,
                                            u"Device is not mounted"_s);
        QFile::remove(block.mountPoint);
        block.mountPoint.clear();
        m_sinceUnmount.start();
        return message.createReply();
    }
    if (method == "SetLabel"_L1) {
        if (!block.mountPoint.isEmpty())
            return message.createErrorReply(u"org.freedesktop.UDisks2.Error.Failed"_s,
                                            u"Cannot change the label of a mounted file system"_s);
        block.label = message.arguments().value(0).toString();
        return message.createReply();
    }
    return message.createErrorReply(u"org.freedesktop.DBus.Error.UnknownMethod"_s, method);
}

QString FakeUDisksService::introspect(const QString&) const
{
    return {};
}

bool FakeUDisksService::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    m_connection = connection;
    if (message.interface() == "org.orvex.FakeUDisks"_L1)
        return connection.send(testCall(message));
    if (message.path() == kRoot && message.member() == "GetManagedObjects"_L1)
        return connection.send(managedObjects(message));
    if (message.interface() == kFilesystem)
        return connection.send(filesystemCall(message));
    return false;
}
