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
    for (const QJsonValue& name : config.value(QStringLiteral("fail")).toArray())
        m_failing.insert(name.toString());
    for (const QJsonValue& value : config.value(QStringLiteral("drives")).toArray())
        m_drives.append({value[QStringLiteral("id")].toString(), value.toObject()});
    QDir().mkpath(m_mountRoot);
    for (const QJsonValue& value : config.value(QStringLiteral("blocks")).toArray()) {
        Block block;
        block.id = value[QStringLiteral("id")].toString();
        block.json = value.toObject();
        block.label = value[QStringLiteral("label")].toString();
        block.backing = value[QStringLiteral("backing")].toString();
        block.image = value[QStringLiteral("image")].toString();
        probeImage(block, false);
        if (!block.backing.isEmpty())
            QDir().mkpath(block.backing);
        if (value[QStringLiteral("mounted")].toBool())
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

QDBusMessage FakeUDisksService::managedObjects(const QDBusMessage& message) const
{
    QDBusArgument arg;
    arg.beginMap(QMetaType::fromType<QDBusObjectPath>(), QMetaType::fromType<InterfaceMap>());
    for (const Drive& drive : m_drives) {
        arg.beginMapEntry();
        arg << QDBusObjectPath(drivePath(drive.id))
            << InterfaceMap{{QStringLiteral("org.freedesktop.UDisks2.Drive"), driveProperties(drive)}};
        arg.endMapEntry();
    }
    for (const Block& block : m_blocks) {
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
        arg.beginMapEntry();
        arg << QDBusObjectPath(blockPath(block.id)) << interfaces;
        arg.endMapEntry();
    }
    arg.endMap();
    QDBusMessage reply = message.createReply();
    reply << QVariant::fromValue(arg);
    return reply;
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
    if (it == m_blocks.end() || !filesystemVisible(*it))
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
        probeImage(block, true);
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
    if (message.path() == kRoot && message.member() == QLatin1String("GetManagedObjects"))
        return connection.send(managedObjects(message));
    if (message.interface() == kFilesystem)
        return connection.send(filesystemCall(message));
    return false;
}
