#include "ORXUDisksWatcher.h"

#include "ORXPlatformLog.h"
#include "ORXUDisks.h"

#include <QDBusMessage>

namespace {
const QString kService = QStringLiteral("org.freedesktop.UDisks2");
const QString kManagerPath = QStringLiteral("/org/freedesktop/UDisks2");
const QString kObjectManager = QStringLiteral("org.freedesktop.DBus.ObjectManager");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
} // namespace

ORXUDisksWatcher::ORXUDisksWatcher(QObject* parent) : ORXUDisksWatcher(ORXUDisks::defaultBus(), parent) {}

ORXUDisksWatcher::ORXUDisksWatcher(const QDBusConnection& bus, QObject* parent) : QObject(parent), m_bus(bus)
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(400);
    connect(&m_quiet, &QTimer::timeout, this, &ORXUDisksWatcher::changed);
    if (!m_bus.isConnected())
        return;
    const bool added =
        m_bus.connect(kService, kManagerPath, kObjectManager, QStringLiteral("InterfacesAdded"), this,
                      SLOT(onObjectsChanged(QDBusMessage)));
    const bool removed =
        m_bus.connect(kService, kManagerPath, kObjectManager, QStringLiteral("InterfacesRemoved"), this,
                      SLOT(onObjectsChanged(QDBusMessage)));
    // Any object of the service: an empty path matches every path.
    m_bus.connect(kService, QString(), kProperties, QStringLiteral("PropertiesChanged"), this,
                  SLOT(onPropertiesChanged(QDBusMessage)));
    m_watching = added && removed;
    if (!m_watching)
        qCInfo(lcPlatform, "UDisks2: cannot watch for cards: %s",
               qUtf8Printable(m_bus.lastError().message()));
}

void ORXUDisksWatcher::onObjectsChanged(const QDBusMessage&)
{
    m_quiet.start();
}

void ORXUDisksWatcher::onPropertiesChanged(const QDBusMessage& message)
{
    // Mount points live on the Filesystem interface; drive and block chatter is ignored.
    if (message.arguments().value(0).toString() == QLatin1String("org.freedesktop.UDisks2.Filesystem"))
        m_quiet.start();
}
