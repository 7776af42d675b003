#include "ORXUDisks.h"

#include "ORXPlatformLog.h"
#include "ORXUDisksReply.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QVariantMap>

namespace {
const QString kService = QStringLiteral("org.freedesktop.UDisks2");
const QString kManagerPath = QStringLiteral("/org/freedesktop/UDisks2");
const QString kFilesystem = QStringLiteral("org.freedesktop.UDisks2.Filesystem");
// Mounting may run a file system check on a large card; give it time.
constexpr int kCallTimeoutMs = 120000;
constexpr int kListTimeoutMs = 10000;
} // namespace

const QString ORXUDisks::alreadyMountedError = QStringLiteral("org.freedesktop.UDisks2.Error.AlreadyMounted");
const QString ORXUDisks::notMountedError = QStringLiteral("org.freedesktop.UDisks2.Error.NotMounted");

ORXUDisks::ORXUDisks() : m_bus(defaultBus()) {}

ORXUDisks::ORXUDisks(const QDBusConnection& bus) : m_bus(bus) {}

QDBusConnection ORXUDisks::defaultBus()
{
    const QString choice = qEnvironmentVariable("ORVEX_UDISKS_BUS");
    if (choice.isEmpty() || choice == QLatin1String("system"))
        return QDBusConnection::systemBus();
    if (choice == QLatin1String("session"))
        return QDBusConnection::sessionBus();
    // One named connection per address, shared by every caller and thread.
    return QDBusConnection::connectToBus(choice, QStringLiteral("orvex-udisks:") + choice);
}

std::optional<QList<ORXBlockDevice>> ORXUDisks::blockDevices() const
{
    if (!m_bus.isConnected()) {
        qCInfo(lcPlatform, "UDisks2: no bus: %s", qUtf8Printable(m_bus.lastError().message()));
        return std::nullopt;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kManagerPath,
                                                       QStringLiteral("org.freedesktop.DBus.ObjectManager"),
                                                       QStringLiteral("GetManagedObjects"));
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, kListTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        qCInfo(lcPlatform, "UDisks2: %s: %s", qUtf8Printable(reply.errorName()),
               qUtf8Printable(reply.errorMessage()));
        return std::nullopt;
    }
    auto devices = ORXUDisksReply::parse(reply);
    if (!devices)
        qCInfo(lcPlatform, "UDisks2: unexpected reply of signature %s", qUtf8Printable(reply.signature()));
    return devices;
}

std::optional<ORXBlockDevice> ORXUDisks::blockDevice(const QString& deviceName) const
{
    const auto devices = blockDevices();
    if (!devices)
        return std::nullopt;
    for (const ORXBlockDevice& device : *devices) {
        if (device.deviceName == deviceName)
            return device;
    }
    return std::nullopt;
}

QString ORXUDisks::callFilesystem(const QString& objectPath, const QString& method, const QVariantList& args,
                                  QVariant* result) const
{
    if (!m_bus.isConnected())
        return QStringLiteral("no D-Bus connection to UDisks2");
    QDBusMessage call = QDBusMessage::createMethodCall(kService, objectPath, kFilesystem, method);
    call.setArguments(args);
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        const QString error = reply.errorName().isEmpty()
                                  ? QStringLiteral("no reply from UDisks2")
                                  : QStringLiteral("%1: %2").arg(reply.errorName(), reply.errorMessage());
        qCInfo(lcPlatform, "UDisks2 %s %s: %s", qUtf8Printable(method), qUtf8Printable(objectPath),
               qUtf8Printable(error));
        return error;
    }
    if (result)
        *result = reply.arguments().value(0);
    return {};
}

QString ORXUDisks::mount(const QString& objectPath, QString* mountPath) const
{
    QVariant path;
    const QString error = callFilesystem(objectPath, QStringLiteral("Mount"), {QVariantMap()}, &path);
    if (error.isNull() && mountPath)
        *mountPath = path.toString();
    return error;
}

QString ORXUDisks::unmount(const QString& objectPath) const
{
    return callFilesystem(objectPath, QStringLiteral("Unmount"), {QVariantMap()}, nullptr);
}

QString ORXUDisks::setLabel(const QString& objectPath, const QString& label) const
{
    return callFilesystem(objectPath, QStringLiteral("SetLabel"), {label, QVariantMap()}, nullptr);
}
