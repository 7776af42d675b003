#pragma once

#include "ORXBlockDevice.h"

#include <QDBusConnection>
#include <QList>
#include <QString>

#include <optional>

// The UDisks2 service over D-Bus: the block devices it knows, and the three operations the
// card tools need (Mount, Unmount, SetLabel). The bus is the system bus unless the
// environment variable ORVEX_UDISKS_BUS names another: "system", "session", or a D-Bus
// address (tests run a private bus with a stand-in service there).
class ORXUDisks
{
public:
    ORXUDisks(); // the bus named by ORVEX_UDISKS_BUS, else the system bus
    explicit ORXUDisks(const QDBusConnection& bus);

    static QDBusConnection defaultBus();

    // Every block device of the service, in the order of its reply; nullopt (and a log line)
    // when the bus or the service cannot be reached.
    std::optional<QList<ORXBlockDevice>> blockDevices() const;
    // The block device with that device file name ("sdb1"), if the service lists it.
    std::optional<ORXBlockDevice> blockDevice(const QString& deviceName) const;

    // Each returns a null QString on success, else the service's error text.
    QString mount(const QString& objectPath, QString* mountPath = nullptr) const;
    QString unmount(const QString& objectPath) const;
    QString setLabel(const QString& objectPath, const QString& label) const;

    static const QString alreadyMountedError; // "org.freedesktop.UDisks2.Error.AlreadyMounted"
    static const QString notMountedError;     // "org.freedesktop.UDisks2.Error.NotMounted"

private:
    QString callFilesystem(const QString& objectPath, const QString& method, const QVariantList& args,
                           QVariant* result) const;

    QDBusConnection m_bus;
};
